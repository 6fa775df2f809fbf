#pragma once
// Reading a whole file for a pane: opened for reading with read sharing (a
// shared lock, refused while another holder has the file locked for writing).
// Raises EFOpenError "Cannot open file "%s". %s" (full path, system reason)
// when it cannot be opened or is not a regular file, and EOutOfResources
// "Failed to Load Stream" when reading fails.
#include <QString>
#include <string>

std::string ReadFileForPane(const QString& path);
