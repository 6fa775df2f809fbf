#include "text/pane_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

// Lines of a text split directly at CR LF, the last empty one dropped.
std::vector<std::string> DirectLines(const std::string& t)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t br = t.find("\r\n", start);
        if (br == std::string::npos) {
            lines.push_back(t.substr(start));
            break;
        }
        lines.push_back(t.substr(start, br - start));
        start = br + 2;
    }
    if (lines.back().empty())
        lines.pop_back();
    return lines;
}

void ExpectLinesMatch(const TPaneText& pane)
{
    const std::vector<std::string> expected = DirectLines(pane.Text());
    ASSERT_EQ(pane.LineCount(), int(expected.size())) << "text: " << pane.Text();
    size_t pos = 0;
    for (int i = 0; i < pane.LineCount(); ++i) {
        EXPECT_EQ(std::string(pane.LineView(i)), expected[size_t(i)]) << "line " << i;
        EXPECT_EQ(pane.LineStart(i), int(pos));
        EXPECT_EQ(pane.LineOfPosition(int(pos)), i);
        pos += expected[size_t(i)].size() + 2;
    }
}

} // namespace

TEST(PaneTextLines, CountsFollowTheBreaks)
{
    struct Case {
        const char* text;
        int lines;
    } cases[] = {
        {"", 0},     {"1\r\n2\r\n", 2}, {"1\r\n2", 2}, {"1\r\n\r\n2", 3},
        {"\r\n", 1}, {"abc", 1},        {"a\nb", 1},   {"a\rb\r\n", 1},
    };
    for (const Case& c : cases) {
        TPaneText pane;
        pane.SetText(c.text);
        EXPECT_EQ(pane.LineCount(), c.lines) << c.text;
        ExpectLinesMatch(pane);
    }
    TPaneText pane;
    pane.SetText("1\r\n\r\n2");
    EXPECT_EQ(pane.Line(1), "");
    EXPECT_EQ(pane.Line(2), "2");
}

TEST(PaneTextLines, LineReadStopsAt4096Characters)
{
    TPaneText pane;
    pane.SetText(std::string(5000, '7') + "\r\nx");
    EXPECT_EQ(pane.Line(0).size(), 4096u);
    EXPECT_EQ(pane.LineView(0).size(), 5000u);
    EXPECT_EQ(pane.Line(1), "x");
}

TEST(PaneTextLoad, AllLineEndStylesBecomeCrLf)
{
    const std::string expected = "1.5\r\n\xC0\xE1\xE2\r\n\r\n-3\r\n";
    for (const std::string& raw :
         {std::string("1.5\n\xC0\xE1\xE2\n\n-3\n"), std::string("1.5\r\xC0\xE1\xE2\r\r-3\r"),
          std::string("1.5\r\n\xC0\xE1\xE2\r\n\r\n-3\r\n"), std::string("1.5\r\xC0\xE1\xE2\n\r\n-3\r")}) {
        TPaneText pane;
        EXPECT_EQ(TPaneText::LoadedLength(raw), int64_t(expected.size()));
        pane.LoadBytes(raw);
        EXPECT_EQ(pane.Text(), expected);
        EXPECT_EQ(pane.LineCount(), 4);
        EXPECT_EQ(pane.Line(1), "\xC0\xE1\xE2");
    }
    TPaneText pane;
    pane.LoadBytes(std::string("a\0b\r", 4));
    EXPECT_EQ(pane.Text(), std::string("a\0b\r\n", 5));
    // A CR before a CR LF, and an LF that opens the file, are breaks of their own.
    pane.LoadBytes("1\r\r\n2");
    EXPECT_EQ(pane.Text(), "1\r\n\r\n2");
    EXPECT_EQ(TPaneText::LoadedLength("1\r\r\n2"), 6);
    EXPECT_EQ(TPaneText::LoadedLength("\n1\r\n"), 5);
    pane.LoadBytes("\n1\r\n");
    EXPECT_EQ(pane.Text(), "\r\n1\r\n");
}

TEST(PaneTextFind, RangeCaseAndPositions)
{
    TPaneText pane;
    pane.SetText("ab\r\ncd");
    EXPECT_EQ(pane.Find("cd", 0, 6, true), 4);
    EXPECT_EQ(pane.Find("CD", 0, 6, true), -1);
    EXPECT_EQ(pane.Find("CD", 0, 6, false), 4);
    EXPECT_EQ(pane.Find("b", 2, 4, true), -1);
    EXPECT_EQ(pane.Find("b", 0, 2, true), 1);
    EXPECT_EQ(pane.Find("bc", 0, 6, true), -1); // a break lies between
    EXPECT_EQ(pane.Find("c", 0, 4, true), -1);  // range ends before it
    EXPECT_EQ(pane.Find("", 0, 6, true), -1);
    EXPECT_EQ(pane.Find("d", 0, 1000, true), 5); // range past the end
    TPaneText cyr;
    cyr.SetText("x\xC0\xE1\xA8");                    // "xАбЁ"
    EXPECT_EQ(cyr.Find("\xE0\xC1", 0, 4, false), 1); // "аБ"
    EXPECT_EQ(cyr.Find("\xB8", 0, 4, false), 3);     // "ё"
    EXPECT_EQ(cyr.Find("\xE0", 0, 4, true), -1);
}

TEST(PaneTextSelection, StartAndLengthCountBreaksTwice)
{
    TPaneText pane;
    pane.SetText("12\r\n34\r\n");
    pane.SetSelStart(1);
    pane.SetSelLength(4);
    EXPECT_EQ(pane.SelStart(), 1);
    EXPECT_EQ(pane.SelLength(), 4);
    EXPECT_EQ(pane.SelText(), "2\r\n3");
    pane.SelectAll();
    EXPECT_EQ(pane.SelLength(), 8);
    // A negative length selects backwards from the start.
    pane.SetSelStart(5);
    pane.SetSelLength(-1);
    EXPECT_EQ(pane.SelStart(), 4);
    EXPECT_EQ(pane.SelText(), "3");
    // Out of range values are held to the text.
    pane.SetSelStart(50);
    EXPECT_EQ(pane.SelStart(), 8);
    pane.SetSelStart(-3);
    EXPECT_EQ(pane.SelStart(), 0);
    pane.SetSelLength(100);
    EXPECT_EQ(pane.SelLength(), 8);
}

TEST(PaneTextEdit, AppendAfterClearGivesOneBreakPerLine)
{
    TPaneText pane;
    pane.SetText("old");
    pane.Clear();
    for (const char* s : {"1", "2", "3"})
        EXPECT_TRUE(pane.AppendLine(s));
    EXPECT_EQ(pane.Text(), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(pane.LineCount(), 3);
    // Without a final break the new line starts with one.
    pane.SetText("1\r\n2");
    EXPECT_TRUE(pane.AppendLine("3"));
    EXPECT_EQ(pane.Text(), "1\r\n2\r\n3");
    EXPECT_EQ(pane.Caret(), pane.Length());
}

TEST(PaneTextEdit, DeletingAHeaderAndTypingKeepTheIndex)
{
    TPaneText pane;
    pane.SetText("Rate (Hz): 250\t\r\n*******\r\n1.5\r\n2,5\r\n-3\r\n");
    const int marker = pane.Find("*******", 0, pane.Length(), true);
    pane.SetSelStart(0);
    pane.SetSelLength(marker + 9);
    EXPECT_TRUE(pane.DeleteSelection());
    EXPECT_EQ(pane.Text(), "1.5\r\n2,5\r\n-3\r\n");
    ExpectLinesMatch(pane);
    // Splitting and joining a break by typing between CR and LF.
    pane.Insert(4, "9");
    EXPECT_EQ(pane.LineCount(), 2);
    ExpectLinesMatch(pane);
    pane.Delete(4, 1);
    EXPECT_EQ(pane.LineCount(), 3);
    ExpectLinesMatch(pane);
}

TEST(PaneTextEdit, RandomEditsMatchADirectSplit)
{
    std::mt19937 rng(20240611);
    const char alphabet[] = {'1', '.', '\r', '\n', '\t', 'x'};
    TPaneText pane;
    std::string mirror = "0.5\r\n-1\r\n";
    pane.SetText(mirror);
    const std::string original = mirror;
    for (int step = 0; step < 3000; ++step) {
        const int pos = mirror.empty() ? 0 : int(rng() % (mirror.size() + 1));
        if (rng() % 3 != 0 || mirror.empty()) {
            std::string piece;
            for (int k = int(rng() % 4) + 1; k > 0; --k)
                piece += alphabet[rng() % sizeof alphabet];
            pane.Insert(pos, piece);
            mirror.insert(size_t(pos), piece);
        } else {
            const int len = int(rng() % 4);
            pane.Delete(pos, len);
            mirror.erase(size_t(pos), size_t(len));
        }
        ASSERT_EQ(pane.Text(), mirror);
        if (step % 50 == 0)
            ExpectLinesMatch(pane);
    }
    ExpectLinesMatch(pane);
    // Undoing every step gives the starting text back, index included.
    while (pane.Undo()) { }
    EXPECT_EQ(pane.Text(), original);
    ExpectLinesMatch(pane);
}

TEST(PaneTextUndo, RevertsEditsInOrder)
{
    TPaneText pane;
    pane.SetText("1\r\n2\r\n");
    pane.SetSelStart(1);
    for (char c : std::string("23"))
        pane.ReplaceSelection(std::string_view(&c, 1));
    pane.SetSelStart(0);
    pane.SetSelLength(3);
    pane.ReplaceSelection("x");
    EXPECT_EQ(pane.Text(), "x\r\n2\r\n");
    ASSERT_TRUE(pane.Undo());
    EXPECT_EQ(pane.Text(), "123\r\n2\r\n");
    ASSERT_TRUE(pane.Undo()); // the two typed characters go together
    EXPECT_EQ(pane.Text(), "1\r\n2\r\n");
    ExpectLinesMatch(pane);
    EXPECT_FALSE(pane.Undo());
}
