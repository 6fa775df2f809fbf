// The test data generator on the real window.
#include "app_test_support.h"

#include "numbers/number_parse.h"
#include "numbers/random.h"
#include "widgets/rich_pane.h"

#include <QAction>
#include <QLineEdit>
#include <cmath>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const TRichPane& pane)
{
    std::vector<std::string> lines;
    for (int i = 0; i < pane.LineCount(); ++i)
        lines.push_back(pane.Line(i));
    return lines;
}

double Value(std::string text, char point)
{
    if (point != '.')
        text[text.find(point)] = '.';
    const FloatParse parsed = ParseFloat(text);
    EXPECT_EQ(parsed.errorPosition, 0) << text;
    return double(parsed.value);
}

} // namespace

TEST(ToolsGenerator, ReplacesThePaneWithTwoThousandSamplesInRange)
{
    auto form = MakeForm();
    form->RichEdit1->SetText("old\r\ntext\r\n");
    form->RichEdit2->SetText("7\r\n");
    form->State.DataDirty = false;
    form->NGen->trigger();
    ASSERT_TRUE(ShownErrors().empty());
    const std::vector<std::string> lines = Lines(*form->RichEdit1);
    ASSERT_EQ(lines.size(), 2000u);
    // Every appended line is followed by CR LF.
    EXPECT_EQ(form->RichEdit1->Text().substr(form->RichEdit1->TextLength() - 2), "\r\n");
    for (const std::string& line : lines)
        ASSERT_THAT(line, testing::MatchesRegex("-?[0-9]+\\.[0-9]{3}"));
    // Noise-free -0.80003 and sin(100) = -0.50637, raised by 0 .. 0.45.
    const double first = Value(lines.front(), '.');
    const double last = Value(lines.back(), '.');
    EXPECT_GE(first, -0.800);
    EXPECT_LE(first, -0.350);
    EXPECT_GE(last, -0.506);
    EXPECT_LE(last, -0.056);
    // Only the pane changed.
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_EQ(form->RichEdit2->Text(), "7\r\n");
    EXPECT_EQ(form->EditScaleX->text(), "1");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->PanelText(i), "");
}

TEST(ToolsGenerator, CommaLocaleLinesParseBackAsTheSamples)
{
    auto form = MakeForm();
    SetLocaleSeparators(',', ' ');
    form->NGen->trigger();
    const std::vector<std::string> lines = Lines(*form->RichEdit1);
    SetLocaleSeparators('.', ',');
    ASSERT_EQ(lines.size(), 2000u);
    for (const std::string& line : lines)
        ASSERT_NE(line.find(','), std::string::npos) << line;
    // The sample parser takes the comma form as well.
    form->Dispatch([&] { form->ParseDataPane(); });
    ASSERT_TRUE(ShownErrors().empty());
    EXPECT_EQ(form->DFT->SampleCount, 2000);
    EXPECT_EQ(form->State.ParseErrorLine, -1);
}

TEST(ToolsGenerator, TwoRunsShareTheDeterministicPartOnly)
{
    auto form = MakeForm();
    form->NGen->trigger();
    const std::vector<std::string> a = Lines(*form->RichEdit1);
    const uint32_t seedAfterFirst = GeneratorSeed;
    form->NGen->trigger();
    const std::vector<std::string> b = Lines(*form->RichEdit1);
    ASSERT_EQ(a.size(), 2000u);
    ASSERT_EQ(b.size(), 2000u);
    // Each run reseeds from the clock: different noise.
    EXPECT_NE(GeneratorSeed, seedAfterFirst);
    EXPECT_NE(a, b);
    // The runs differ per line only by the noise: a multiple of 0.05 up to 0.45
    // (plus the rounding of the third decimal).
    for (size_t i = 0; i < a.size(); ++i) {
        const double difference = Value(a[i], '.') - Value(b[i], '.');
        const double steps = difference / 0.05;
        ASSERT_LE(std::fabs(steps), 9.0 + 0.03) << i;
        ASSERT_NEAR(steps, std::round(steps), 0.03) << a[i] << " / " << b[i];
    }
}
