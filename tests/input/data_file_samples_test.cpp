// The batch command's reading of a data file against the window's: the bytes
// loaded into a pane model, the rate text selected and kept as the rate box
// keeps it, the header deleted, the pane parsed. Both must agree on the rate
// text, the counts, the bad line and position and every sample, for files
// made of the pieces whose handling differs between bytes and pane: lone and
// paired line ends next to the rate key and the marker.
#include "input/data_file_header.h"
#include "input/data_file_samples.h"
#include "runtime/exceptions.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// The window's load, as form_input.cpp does it on the pane.
TDataFileSamples PaneRoad(const std::string& bytes, TMemoryBuffer& values)
{
    TPaneText pane;
    pane.LoadBytes(bytes);
    const TRateText rate = FindRateText(pane, pane.Length());
    TDataFileSamples result;
    result.rateText = std::string(kNoRateText);
    if (rate.found) {
        pane.SetSelStart(rate.start);
        pane.SetSelLength(rate.length);
        result.rateText = RateBoxText(pane.SelText());
    }
    const int header = HeaderLength(pane, pane.Length());
    if (header >= 0)
        pane.Delete(0, header);
    TNoProgress quiet;
    result.parse = ParseLines(pane, values, quiet);
    return result;
}

void ExpectSame(const std::string& bytes)
{
    TMemoryBuffer paneValues, byteValues;
    TNoProgress quiet;
    const TDataFileSamples pane = PaneRoad(bytes, paneValues);
    const TDataFileSamples read = ParseDataFileBytes(bytes, byteValues, quiet);
    std::string shown;
    for (char c : bytes)
        shown += c == '\r' ? std::string("\\r")
            : c == '\n'    ? std::string("\\n")
            : c == '\t'    ? "\\t"
                           : std::string(1, c);
    SCOPED_TRACE(shown);
    EXPECT_EQ(read.rateText, pane.rateText);
    EXPECT_EQ(read.parse.count, pane.parse.count);
    EXPECT_EQ(read.parse.errorLine, pane.parse.errorLine);
    EXPECT_EQ(read.parse.errorPosition, pane.parse.errorPosition);
    EXPECT_EQ(read.parse.mean, pane.parse.mean);
    ASSERT_EQ(byteValues.Size() >= paneValues.Size(), true);
    const auto a = paneValues.Elements<double>(0, pane.parse.count);
    const auto b = byteValues.Elements<double>(0, read.parse.count);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin(), b.end()));
}

TEST(DataFileSamples, AgreesWithThePaneOnChosenFiles)
{
    for (const char* file : {
             "",
             "\r\n",
             "\n",
             "\r",
             "1.5",
             "1.5\r\n2,5\n-3\r4\n",
             "1\n\n2\n",
             "Rate (Hz): 250\tx\r\n*******\r\n1.5\r\n2,5\r\n-3\r\n",
             "Hz):\n250\tx\n*******\n1\n",         // a lone break after the colon: no rate
             "Hz):\r\n250\tx\r\n*******\r\n1\r\n", // the same with CR LF
             "Hz): 250\t\n*******\n1\n",
             "Hz):\t5\n*******\n1\n",
             "Hz): \t\n*******\n1\n",
             "Hz): 12\n3\tx\n*******\n1\n", // the tab on a later line
             "*******\n1\n",
             "*******\r1\r",
             "*******x\n1\n",
             "*******x\r\n1\r\n",
             "*******xy\n1\n",
             "*******xyz\n1\n",
             "**********\n1\n",
             "a*******\n1\n2",
             "*******",
             "*******\r\n",
             "*******x",
             "*******x\n",
             "1\n2\n*******\n3\n",
             "1.5\t\n2.5 \t\n3.5 \n",
             "2.5\t \n",
             "\t\n",
             " 7\n",
         })
        ExpectSame(file);
}

TEST(DataFileSamples, AgreesWithThePaneOnRandomPieces)
{
    const char* pieces[] = {"\r\n", "\r",   "\n",      "Hz):", " ",  "\t", "250",
                            "1.5",  "-2,5", "*******", "x",    "e3", "."};
    std::mt19937 random(20240611);
    for (int round = 0; round < 3000; ++round) {
        std::string file;
        const int count = int(random() % 12);
        for (int i = 0; i < count; ++i)
            file += pieces[random() % std::size(pieces)];
        ExpectSame(file);
    }
}

} // namespace

// Files large enough for the second half of their lines to be converted on
// the other core: a bad line, an empty one and a sample beyond the 64-bit
// range in either half, one right at the start of the second half.
TEST(DataFileSamples, AgreesWithThePaneAcrossTheTwoHalves)
{
    std::string lines;
    for (int i = 0; lines.size() < (5u << 18); ++i)
        lines += (i % 3 == 0       ? "2,5"
                      : i % 3 == 1 ? "-0.125\t"
                                   : "7e-3") +
            std::string(i % 5 == 0 ? "\n" : "\r\n");
    const std::string header = "Stream rate (Hz): 50\t\r\n*******\r\n";
    // The first line of the second half starts after the first break from the middle.
    size_t second = lines.size() / 2;
    while (lines[second] != '\n')
        ++second;
    ++second;
    ExpectSame(header + lines);
    // Each place with one kind of bad line (the kinds themselves: the parser's tests).
    const std::pair<size_t, const char*> places[] = {
        {1000, "abc"}, {second, ""}, {lines.size() * 3 / 4, "1.5x"}};
    for (const auto& [at, bad] : places) {
        const size_t start = lines.rfind('\n', at - 1) + 1; // the line holding `at`
        std::string file = header + lines;
        file.insert(header.size() + start, std::string(bad) + "\r\n");
        ExpectSame(file);
        std::string huge = header + lines;
        huge.insert(header.size() + start, "1e999\r\n");
        TMemoryBuffer paneValues, byteValues;
        TNoProgress quiet;
        EXPECT_THROW(PaneRoad(huge, paneValues), EOverflow);
        EXPECT_THROW(ParseDataFileBytes(huge, byteValues, quiet), EOverflow);
    }
}
