#include "tools/version_info.h"

TVersionInfo::TVersionInfo(std::string translation, std::vector<TVersionString> strings)
        : prefix_("\\StringFileInfo\\" + translation + "\\"), strings_(std::move(strings))
{
}

std::optional<std::string> TVersionInfo::Query(std::string_view subBlock) const
{
    if (subBlock.substr(0, prefix_.size()) != prefix_)
        return std::nullopt;
    const std::string_view key = subBlock.substr(prefix_.size());
    for (const TVersionString& entry : strings_)
        if (entry.Key == key)
            return entry.Value;
    return std::nullopt;
}

const TVersionInfo& ProgramVersionInfo()
{
    // The resource's own key spellings ("LegalTrademarks", "OriginalFilename"),
    // which differ from the About panel's query table; both values are empty.
    static const TVersionInfo info("041904E3",
                                   {
                                       {"CompanyName", "Dorvin"},
                                       {"FileDescription", ""},
                                       {"FileVersion", "3.0.0.0"},
                                       {"InternalName", "dftscope"},
                                       {"LegalCopyright", ""},
                                       {"LegalTrademarks", ""},
                                       {"OriginalFilename", ""},
                                       {"ProductName", ""},
                                       {"ProductVersion", "4.0.0.0"},
                                       {"Comments", ""},
                                   });
    return info;
}
