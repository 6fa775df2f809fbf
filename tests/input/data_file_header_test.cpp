#include "input/bad_line_mark.h"
#include "input/data_file_header.h"

#include <gtest/gtest.h>

namespace {
TPaneText Pane(const std::string& text)
{
    TPaneText pane;
    pane.SetText(text);
    return pane;
}
} // namespace

TEST(DataFileHeader, RateTextFollowsTheKeyAndOneSeparator)
{
    const TPaneText pane = Pane("Rate (Hz): 250\tch 1\r\n*******\r\n1.5\r\n");
    const TRateText rate = FindRateText(pane, pane.Length());
    ASSERT_TRUE(rate.found);
    EXPECT_EQ(pane.Text().substr(size_t(rate.start), size_t(rate.length)), "250");

    // The tab right after the colon: a negative length.
    const TPaneText direct = Pane("Hz):\t1\r\n");
    const TRateText d = FindRateText(direct, direct.Length());
    ASSERT_TRUE(d.found);
    EXPECT_EQ(d.start, 5);
    EXPECT_EQ(d.length, -1);

    for (const char* text : {"Rate 250\t\r\n", "Hz): 250\r\n1\r\n", ""}) {
        const TPaneText p = Pane(text);
        EXPECT_FALSE(FindRateText(p, p.Length()).found) << text;
    }
    // Only the first key counts; its tab may lie on a later line.
    const TPaneText two = Pane("Hz): 10\r\nHz): 20\t\r\n");
    const TRateText t = FindRateText(two, two.Length());
    EXPECT_EQ(two.Text().substr(size_t(t.start), size_t(t.length)), "10\r\nHz): 20");
}

TEST(DataFileHeader, RateBoxKeepsOnlyAConvertingText)
{
    EXPECT_EQ(RateBoxText("250"), "250");
    EXPECT_EQ(RateBoxText("2.5e2"), "2.5e2");
    EXPECT_EQ(RateBoxText("1e400"), "1e400"); // within the extended range
    for (const char* text : {"1000,5", "250x", "\t", "", " 250 ", "9e9999"})
        EXPECT_EQ(RateBoxText(text), "1") << text;
}

TEST(DataFileHeader, HeaderEndsTwoCharactersAfterTheMarker)
{
    TPaneText pane = Pane("a\r\n*******\r\n1\r\n");
    EXPECT_EQ(HeaderLength(pane, pane.Length()), 12);
    pane = Pane("h\r\n**********\r\n1\r\n");
    const int header = HeaderLength(pane, pane.Length());
    EXPECT_EQ(pane.Text().substr(size_t(header)), "*\r\n1\r\n");
    pane = Pane("1\r\n2\r\n");
    EXPECT_EQ(HeaderLength(pane, pane.Length()), -1);
    pane = Pane("******\r\n");
    EXPECT_EQ(HeaderLength(pane, pane.Length()), -1);
}

TEST(BadLineMark, FirstOccurrenceOfTheCharacterAnywhere)
{
    const TPaneText pane = Pane("-3\r\n1-2\r\n");
    TBadLineMark m = LocateBadCharacter(pane, 1, 2);
    EXPECT_EQ(m.start, 0); // the "-" of the earlier line
    EXPECT_EQ(m.length, 1);

    const TPaneText x = Pane("1\r\n1.5x\r\n");
    m = LocateBadCharacter(x, 1, 4);
    EXPECT_EQ(m.start, 6);
    EXPECT_EQ(m.length, 1);
    m = LocateBadCharacter(x, 1, 0); // 0 counts as 1: the "1" of line 0
    EXPECT_EQ(m.start, 0);
    m = LocateBadCharacter(x, 1, 9); // past the end of the line
    EXPECT_EQ(m.length, 0);
    EXPECT_EQ(m.start, -1);

    const TPaneText blank = Pane("1\r\n\r\n");
    EXPECT_EQ(LocateBadCharacter(blank, 1, 0).length, 0);
    const TPaneText tab = Pane("1\r\n2.5\t \r\n");
    m = LocateBadCharacter(tab, 1, 4); // the trailing tab as the pane holds it
    EXPECT_EQ(m.start, 6);
}
