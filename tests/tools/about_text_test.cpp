// The About memo lines from a version table, and the panel's centring.
#include "tools/about_text.h"

#include "runtime/code_page.h"

#include <gtest/gtest.h>

namespace {
const std::string kTable = "\\StringFileInfo\\041904E3\\";
}

TEST(ProgramVersionInfo, AnswersOnlyItsOwnTableAndExactKeys)
{
    const TVersionInfo& info = ProgramVersionInfo();
    EXPECT_EQ(info.Query(kTable + "CompanyName"), std::optional<std::string>("Dorvin"));
    EXPECT_EQ(info.Query(kTable + "ProductVersion"), std::optional<std::string>("4.0.0.0"));
    EXPECT_EQ(info.Query(kTable + "Comments"), std::optional<std::string>(""));
    // Another language or code page is not tried.
    EXPECT_FALSE(info.Query("\\StringFileInfo\\040904E4\\CompanyName"));
    EXPECT_FALSE(info.Query("\\StringFileInfo\\041904E3CompanyName"));
    // The query table's spellings of rows 6 and 7 are not the resource's.
    EXPECT_FALSE(info.Query(kTable + "LegalTradeMarks"));
    EXPECT_FALSE(info.Query(kTable + "OriginalFileName"));
    EXPECT_EQ(info.Query(kTable + "LegalTrademarks"), std::optional<std::string>(""));
    EXPECT_FALSE(info.Query(kTable + "companyname"));
}

TEST(AboutMemoLines, ProgramInfoGivesFourVersionLinesThenTheAddress)
{
    const std::vector<std::string> expected = {
        Cp("Компания: Dorvin"),         Cp("Версия файла: 3.0.0.0"),  Cp("Внутреннее имя: dftscope"),
        Cp("Версия продукта: 4.0.0.0"), "http://www.dorvin.example/",
    };
    EXPECT_EQ(AboutMemoLines(&ProgramVersionInfo()), expected);
}

TEST(AboutMemoLines, EveryFoundNonEmptyValueInQueryTableOrder)
{
    // Stored in reverse order; the lines still follow the query table. Keys
    // spelled as the query table spells them are found.
    const TVersionInfo info("041904E3",
                            {
                                {"Comments", "c"},
                                {"ProductName", "p"},
                                {"OriginalFileName", "o"},
                                {"LegalTradeMarks", "t"},
                                {"LegalCopyright", ""},
                                {"FileDescription", Cp("описание")},
                            });
    const std::vector<std::string> expected = {
        Cp("Файл: описание"), Cp("Торговые марки: t"), "OriginalFileName: o",
        Cp("Продукт: p"),     Cp("Комментарии: c"),    kMakerWebPage,
    };
    EXPECT_EQ(AboutMemoLines(&info), expected);
}

TEST(AboutMemoLines, WrongTranslationOrNoInformation)
{
    // A table for another code page answers nothing: only the address remains.
    const TVersionInfo english("040904B0", {{"CompanyName", "Dorvin"}});
    EXPECT_EQ(AboutMemoLines(&english), std::vector<std::string>{kMakerWebPage});
    EXPECT_EQ(AboutMemoLines(nullptr), std::vector<std::string>{"No version information found"});
}

TEST(CentredOrigin, TruncatesBothHalvesTowardZero)
{
    struct Case {
        int parentW, parentH, w, h, left, top;
    };
    const Case cases[] = {
        {649, 649, 273, 189, 188, 230}, {649, 100, 273, 189, 188, -44}, // -89 / 2
        {100, 100, 273, 189, -86, -44},                                 // -173 / 2
        {274, 190, 273, 189, 0, 0},     {273, 189, 273, 189, 0, 0},
    };
    for (const Case& c : cases) {
        const TPanelOrigin o = CentredOrigin(c.parentW, c.parentH, c.w, c.h);
        EXPECT_EQ(o.Left, c.left) << c.parentW << "x" << c.parentH;
        EXPECT_EQ(o.Top, c.top) << c.parentW << "x" << c.parentH;
    }
}
