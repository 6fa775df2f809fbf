#pragma once
// Reading a whole file for a pane: opened for reading with read sharing (a
// shared lock, refused while another holder has the file locked for writing).
// Raises EFOpenError "Cannot open file "%s". %s" (full path, system reason)
// when it cannot be opened or is not a regular file, and EOutOfResources
// "Failed to Load Stream" when reading fails.
#include <string>

// path is as the operating system takes it (file-name encoding, UTF-8 here);
// the message names the file by its absolute, lexically normal path.
std::string ReadFileForPane(const std::string& path);
