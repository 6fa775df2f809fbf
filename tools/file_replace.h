#pragma once
// Replacing a file only when its new content is complete. The content goes into
// a temporary file in the target's folder, which is renamed over the target
// after the last statement (and the close) succeeded; on any error the
// temporary file is removed, the previous file stays as it was, and the error
// propagates.
#include <functional>
#include <string>

class TextOutputFile;

// Before writing, the target itself is checked the way opening it for writing
// would: a file that cannot be opened for writing ("File access denied" for a
// read-only file or a folder of that name) or that another writer holds
// ("I/O error 32") raises EInOutError with that code, and nothing is written.
// A symbolic link is followed, so the file it names is replaced and the link
// kept; a target that is not a regular file (a device) is written directly.
// write receives the file named and open; it must not close it.
void WriteFileReplacing(const std::string& target, const std::function<void(TextOutputFile&)>& write);
