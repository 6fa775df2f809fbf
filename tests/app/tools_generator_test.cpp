// The test data generator on the real window: what the menu command changes
// and that each run draws new noise (the lines themselves: tests/tools).
#include "app_test_support.h"

#include "numbers/random.h"
#include "tools/test_signal.h"
#include "widgets/rich_pane.h"

#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const TRichPane& pane)
{
    std::vector<std::string> lines;
    for (int i = 0; i < pane.LineCount(); ++i)
        lines.push_back(pane.Line(i));
    return lines;
}

// Line i (from 1) is the signal's line i with one of the noise draws.
bool IsSignalLine(const std::string& line, int i)
{
    for (int draw = 0; draw < kTestNoiseRange; ++draw)
        if (line == TestSampleLine(i, draw))
            return true;
    return false;
}

} // namespace

TEST(ToolsGenerator, ReplacesOnlyTheDataPaneWithTheSignal)
{
    auto form = MakeForm();
    form->RichEdit1->SetText("old\r\ntext\r\n");
    form->RichEdit2->SetText("7\r\n");
    form->State.DataDirty = false;
    form->NGen->trigger();
    ASSERT_TRUE(ShownErrors().empty());
    const std::vector<std::string> lines = Lines(*form->RichEdit1);
    ASSERT_EQ(lines.size(), size_t(kTestSampleCount));
    for (int i = 1; i <= kTestSampleCount; ++i)
        ASSERT_TRUE(IsSignalLine(lines[size_t(i - 1)], i)) << i << ": " << lines[size_t(i - 1)];
    // Every appended line is followed by CR LF.
    EXPECT_EQ(form->RichEdit1->Text().substr(form->RichEdit1->TextLength() - 2), "\r\n");
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_EQ(form->RichEdit2->Text(), "7\r\n");
    EXPECT_EQ(form->EditScaleX->text(), "1");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->PanelText(i), "");
}

TEST(ToolsGenerator, EachRunReseedsFromTheClock)
{
    auto form = MakeForm();
    form->NGen->trigger();
    const std::vector<std::string> first = Lines(*form->RichEdit1);
    const uint32_t seedAfterFirst = GeneratorSeed;
    form->NGen->trigger();
    EXPECT_NE(GeneratorSeed, seedAfterFirst);
    EXPECT_NE(Lines(*form->RichEdit1), first);
    EXPECT_EQ(form->RichEdit1->LineCount(), kTestSampleCount);
}
