#include "input/sample_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingProgress final : public TProgress {
public:
    void SetMaximum(int m) override { maximum = m; }
    void SetPosition(int p) override { positions.push_back(p); }
    int maximum = -1;
    std::vector<int> positions;
};

TPaneText Pane(const std::string& text)
{
    TPaneText pane;
    pane.SetText(text);
    return pane;
}

std::vector<double> Samples(const TMemoryBuffer& buffer, int count)
{
    const std::span<const double> stored = buffer.Elements<double>(0, count);
    return {stored.begin(), stored.end()};
}

} // namespace

TEST(ParseSampleLine, AcceptedForms)
{
    const struct {
        const char* line;
        double value;
    } table[] = {
        {"1.5", 1.5},    {"1,5", 1.5},  {" 7", 7},        {"-2e3", -2000}, {"2.5\t", 2.5},
        {"2.5 \t", 2.5}, {"2.5 ", 2.5}, {"-0,25", -0.25}, {"1e-2", 0.01},  {"+3.", 3},
    };
    std::string scratch;
    for (const auto& row : table) {
        int32_t position = 99;
        double value = -1;
        EXPECT_TRUE(ParseSampleLine(row.line, position, value, scratch)) << row.line;
        EXPECT_EQ(value, row.value) << row.line;
        EXPECT_EQ(position, 0) << row.line;
    }
}

TEST(ParseSampleLine, BadLinesAndTheirPositions)
{
    const struct {
        const char* line;
        int position; // -1: no conversion made, the position stays as it was
    } table[] = {
        {"1.5x", 4}, {"1-2", 2}, {"abc", 1}, {"2.5\t ", 4}, {"2.5  ", 4}, {"1.2.3", 4}, {"1,5,5", 4},
        {"1..", 3},  {"", -1},   {"\t", -1}, {" ", -1},     {" \t", -1},  {"\t\t", 1},  {"1 5", 2},
    };
    std::string scratch;
    for (const auto& row : table) {
        int32_t position = 77;
        double value = 123;
        EXPECT_FALSE(ParseSampleLine(row.line, position, value, scratch)) << row.line;
        EXPECT_EQ(position, row.position < 0 ? 77 : row.position) << row.line;
        EXPECT_EQ(value, 123) << "a bad line must not give a value: " << row.line;
    }
}

TEST(SampleRateFromText, ReadAsASampleOrOne)
{
    const struct {
        const char* text;
        double rate;
    } table[] = {
        {"1000", 1000}, {"1,5", 1.5}, {"250.5", 250.5}, {" 2e3", 2000}, {"44100\t", 44100}, {"", 1},
        {"   ", 1},     {"abc", 1},   {"$10", 1},       {"1.2.3", 1},   {"-8", -8},         {"0", 0},
    };
    for (const auto& row : table)
        EXPECT_EQ(SampleRateFromText(row.text), row.rate) << "'" << row.text << "'";
}

TEST(ParseLines, StopsAtTheFirstBadLineKeepingWhatCameBefore)
{
    const TPaneText pane = Pane("0.5\r\n1,25\r\n-3\r\nabc\r\n4\r\n");
    TMemoryBuffer buffer;
    RecordingProgress progress;
    const LineParseResult r = ParseLines(pane, buffer, progress);
    EXPECT_EQ(r.count, 3);
    EXPECT_EQ(r.sum, 0.5 + 1.25 - 3);
    EXPECT_EQ(r.mean, (0.5 + 1.25 - 3) / 3);
    EXPECT_EQ(r.errorLine, 3);
    EXPECT_EQ(r.errorPosition, 1);
    EXPECT_EQ(Samples(buffer, 3), (std::vector<double>{0.5, 1.25, -3}));
    EXPECT_EQ(progress.maximum, 5);
    EXPECT_EQ(progress.positions.front(), 0);
    EXPECT_EQ(progress.positions.back(), 3);
}

TEST(ParseLines, EmptyPaneAndFinalBreak)
{
    TMemoryBuffer buffer;
    TNoProgress progress;
    LineParseResult r = ParseLines(Pane(""), buffer, progress);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.mean, 0);
    EXPECT_EQ(r.errorLine, 0);
    EXPECT_EQ(r.errorPosition, 0);

    for (const char* text : {"1\r\n2", "1\r\n2\r\n"}) {
        r = ParseLines(Pane(text), buffer, progress);
        EXPECT_EQ(r.count, 2) << text;
        EXPECT_EQ(r.errorLine, -1) << text;
    }
    // An empty line in the middle stops the parse there.
    r = ParseLines(Pane("1\r\n\r\n2\r\n"), buffer, progress);
    EXPECT_EQ(r.count, 1);
    EXPECT_EQ(r.errorLine, 1);
    EXPECT_EQ(r.errorPosition, 0);
}

TEST(ParseLines, OverwritesFromTheStartAndKeepsOlderBytesBeyond)
{
    TMemoryBuffer buffer;
    for (double v : {9.0, 8.0, 7.0, 6.0})
        buffer.Write(v);
    TNoProgress progress;
    ParseLines(Pane("1\r\n2\r\n"), buffer, progress);
    EXPECT_EQ(buffer.Position(), 16);
    EXPECT_EQ(Samples(buffer, 4), (std::vector<double>{1, 2, 7, 6}));
}

TEST(ParseLines, SumMatchesADirectAccumulation)
{
    std::string text;
    std::vector<double> values;
    for (int i = 0; i < 500; ++i) {
        const double v = (i % 7 - 3) * 0.1 + i * 1e-3;
        values.push_back(v);
        char line[64];
        std::snprintf(line, sizeof line, "%.17g\r\n", v);
        text += line;
    }
    TMemoryBuffer buffer;
    TNoProgress progress;
    const LineParseResult r = ParseLines(Pane(text), buffer, progress);
    ASSERT_EQ(r.count, 500);
    volatile double direct = 0;
    for (double v : values)
        direct = direct + v;
    EXPECT_EQ(r.sum, direct);
    EXPECT_EQ(Samples(buffer, 500), values);
}

TEST(ParseLines, ProgressIsThrottledButEndsAtTheCount)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "1\r\n";
    TMemoryBuffer buffer;
    RecordingProgress progress;
    ParseLines(Pane(text), buffer, progress);
    EXPECT_EQ(progress.maximum, 20000);
    EXPECT_LE(progress.positions.size(), 300u);
    EXPECT_EQ(progress.positions.back(), 20000);
    for (size_t i = 1; i < progress.positions.size(); ++i)
        EXPECT_LE(progress.positions[i - 1], progress.positions[i]);
}
