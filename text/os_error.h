#pragma once
// Operating-system failures as the system reports them: errno values mapped to
// the Windows error codes the I/O check and its messages are defined for, and
// the system's reason text for the file-open error.
#include <string>

// The Windows code for errno value err. path is the file the operation was
// about: ENOENT is "path not found" (3) when its folder is missing and "file not
// found" (2) otherwise.
int WindowsErrorCode(int err, const std::string& path = {});

// The system's message for err (Windows-1251), with trailing spaces, control
// characters and periods removed, ready for "Cannot open file "%s". %s".
std::string OsErrorText(int err);

// A file as an error message names it (Windows-1251): its absolute, lexically
// normal path, for a relative name resolved against the current directory.
std::string MessagePath(const std::string& path);

// Removes trailing spaces, control characters and periods.
std::string TrimReason(std::string text);
