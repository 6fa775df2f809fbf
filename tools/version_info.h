#pragma once
// The program's version-information strings, compiled into the program because
// the platform has no version resource. Queried the way the Windows version API
// is: by a sub-block path "\StringFileInfo\<language+code page>\<key>".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TVersionString {
    std::string Key;
    std::string Value; // Windows-1251
};

class TVersionInfo {
public:
    // One string table, identified by its language and code page ("041904E3").
    TVersionInfo(std::string translation, std::vector<TVersionString> strings);

    // The value stored under the sub-block, or nothing when the path names no
    // string of this table. Keys match exactly (byte for byte).
    std::optional<std::string> Query(std::string_view subBlock) const;

private:
    std::string prefix_; // "\StringFileInfo\<translation>\"
    std::vector<TVersionString> strings_;
};

// The running program's version information: one Russian / Windows-1251 table.
const TVersionInfo& ProgramVersionInfo();
