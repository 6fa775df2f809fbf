#include "tools/about_text.h"

#include "runtime/code_page.h"

namespace {

struct TQueryRow {
    const char* Key;
    const char* LabelUtf8;
};

// Rows 6 and 7 spell their keys differently from the resource
// ("LegalTradeMarks", "OriginalFileName"); as exact lookups they find nothing,
// which matches the empty values stored under the resource's spellings.
constexpr TQueryRow kQueryTable[] = {
    {"CompanyName", "Компания"},
    {"FileDescription", "Файл"},
    {"FileVersion", "Версия файла"},
    {"InternalName", "Внутреннее имя"},
    {"LegalCopyright", "Права"},
    {"LegalTradeMarks", "Торговые марки"},
    {"OriginalFileName", "OriginalFileName"},
    {"ProductName", "Продукт"},
    {"ProductVersion", "Версия продукта"},
    {"Comments", "Комментарии"},
};

constexpr char kStringTable[] = "\\StringFileInfo\\041904E3\\";

} // namespace

std::vector<std::string> AboutMemoLines(const TVersionInfo* info)
{
    if (info == nullptr)
        return {kNoVersionInfo};
    std::vector<std::string> lines;
    for (const TQueryRow& row : kQueryTable) {
        const std::optional<std::string> value = info->Query(std::string(kStringTable) + row.Key);
        if (value && !value->empty())
            lines.push_back(Cp(row.LabelUtf8) + ": " + *value);
    }
    lines.push_back(kMakerWebPage);
    return lines;
}

TPanelOrigin CentredOrigin(int parentWidth, int parentHeight, int width, int height)
{
    // C++ integer division truncates toward zero: (100 - 189) / 2 = -44.
    return {(parentWidth - width) / 2, (parentHeight - height) / 2};
}
