# Fails when a source of an engine folder (its own files; a subfolder is a
# layer of its own) includes a Qt header.
# Run as: cmake -DROOT=<source dir> "-DFOLDERS=a;b" -P qt_free_check.cmake
set(found "")
foreach(folder ${FOLDERS})
  file(GLOB files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
    foreach(line ${lines})
      file(RELATIVE_PATH rel ${ROOT} ${file})
      string(APPEND found "  ${rel}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(found)
  message(FATAL_ERROR "Qt headers in folders that must stay free of Qt:\n${found}")
endif()
message(STATUS "No Qt header in: ${FOLDERS}")
