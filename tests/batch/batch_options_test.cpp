// The batch command's options: each value read as the window's box reads the
// same text, a value the window would replace by its fallback refused, and
// the export names that keep two inputs apart.
#include "batch/batch_options.h"
#include "batch/export_names.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

TBatchCommand Read(std::vector<const char*> args) { return ReadBatchArguments(args, ','); }

TEST(BatchOptions, DefaultsAreTheWindowsBoxes)
{
    const TBatchCommand c = Read({"a.DAT"});
    ASSERT_EQ(c.action, TBatchCommand::Run);
    EXPECT_EQ(c.options.adc, 100);
    EXPECT_EQ(c.options.harmonics, 32);
    EXPECT_TRUE(c.options.removeZeroHarmonic);
    EXPECT_FALSE(c.options.rateText);
    EXPECT_TRUE(c.options.patternFile.empty());
    EXPECT_EQ(c.options.autoWindow.start, 0);
    EXPECT_EQ(c.options.autoWindow.width, 100);
    EXPECT_EQ(c.options.decimalPoint, ','); // the locale's
    EXPECT_TRUE(c.options.outputFolder.empty());
    EXPECT_EQ(c.options.inputs, std::vector<std::string>{"a.DAT"});
}

TEST(BatchOptions, ValuesReadAsTheBoxesReadThem)
{
    const TBatchCommand c =
        Read({"--adc", "-$10", "--harmonics=0x20", "--keep-zero-harmonic", "--rate", "1,5",
              "--autocorrelation", " 7,+3", "--decimal-separator", "·", "--", "--odd.DAT", "b"});
    ASSERT_EQ(c.action, TBatchCommand::Run) << c.error;
    EXPECT_EQ(c.options.adc, -16);
    EXPECT_EQ(c.options.harmonics, 32);
    EXPECT_FALSE(c.options.removeZeroHarmonic);
    EXPECT_EQ(c.options.rateText, "1,5");
    EXPECT_EQ(c.options.autoWindow.start, 7);
    EXPECT_EQ(c.options.autoWindow.width, 3);
    EXPECT_EQ(c.options.decimalPoint, '\xB7'); // the middle dot of code page 1251
    EXPECT_EQ(c.options.inputs, (std::vector<std::string>{"--odd.DAT", "b"}));
    EXPECT_EQ(Read({"--pattern", "p.txt", "--pattern-adc", "0", "a"}).options.patternAdc, 0);
}

TEST(BatchOptions, FallbacksAndMistakesAreUsageErrors)
{
    const std::vector<std::vector<const char*>> wrong = {
        {"--adc", "1.0", "a"},
        {"--adc", "", "a"},
        {"--harmonics", "0", "a"},
        {"--harmonics", "-5", "a"},
        {"--harmonics", "abc", "a"},
        {"--rate", "abc", "a"},
        {"--rate", "1e999", "a"},
        {"--rate", "", "a"},
        {"--autocorrelation", "0,0", "a"},
        {"--autocorrelation", "-1,5", "a"},
        {"--autocorrelation", "5", "a"},
        {"--autocorrelation", "1,-2", "a"},
        {"--decimal-separator", "", "a"},
        {"--decimal-separator", "ab", "a"},
        {"--decimal-separator", "€€", "a"},
        {"--decimal-separator", "😀", "a"},
        {"--output", "/no/such/folder", "a"},
        {"--pattern", "p", "--autocorrelation", "0,5", "a"},
        {"--pattern-adc", "5", "a"},
        {"--adc"},
        {"--keep-zero-harmonic=1", "a"},
        {"--bogus", "a"},
        {},
        {"--adc", "5"},
    };
    for (const auto& args : wrong) {
        const TBatchCommand c = Read(args);
        std::string shown;
        for (const char* a : args)
            shown += std::string(a) + " ";
        EXPECT_EQ(c.action, TBatchCommand::UsageError) << shown;
        EXPECT_FALSE(c.error.empty()) << shown;
    }
    EXPECT_EQ(Read({"--adc", "x", "--help"}).action, TBatchCommand::UsageError);
    EXPECT_EQ(Read({"--help", "--adc", "x"}).action, TBatchCommand::Help);
    EXPECT_EQ(Read({"--version"}).action, TBatchCommand::Version);
}

TEST(BatchOptions, HelpNamesEveryOptionWithItsDefault)
{
    const std::string help = BatchHelpText();
    for (const char* text :
         {"--adc N", "--harmonics K", "--keep-zero-harmonic", "--rate HZ", "--pattern FILE",
          "--pattern-adc N", "--autocorrelation START,WIDTH", "--decimal-separator C", "--output DIR",
          "--help", "--version", "(default 100)", "(default 32)", "default 0,100", "Exit status"})
        EXPECT_NE(help.find(text), std::string::npos) << text;
}

TEST(ExportNames, WindowNamesOnlyForOneInputWithAFolder)
{
    EXPECT_EQ(ExportPathsFor({"d/rec.DAT"}, "out")[0].spectrum, "out/export_spectr.dat");
    EXPECT_EQ(ExportPathsFor({"d/rec.DAT"}, "out")[0].correlation, "out/export_korr.dat");
    EXPECT_EQ(ExportPathsFor({"d/rec.DAT"}, "")[0].spectrum, "d/rec.export_spectr.dat");
    const std::vector<TExportPaths> two = ExportPathsFor({"rec.DAT", "d/x.1.dat"}, "");
    EXPECT_EQ(two[0].correlation, "rec.export_korr.dat");
    EXPECT_EQ(two[1].correlation, "d/x.1.export_korr.dat");
}

TEST(ExportNames, ClashesAreFoundBeforeAnythingIsWritten)
{
    const auto clash = [](std::vector<std::string> inputs, const std::string& folder) {
        return ExportClash(inputs, ExportPathsFor(inputs, folder));
    };
    EXPECT_EQ(clash({"a/rec.DAT", "b/rec.DAT"}, ""), "");
    EXPECT_NE(clash({"a/rec.DAT", "b/rec.DAT"}, "out"), "");
    EXPECT_NE(clash({"rec.DAT", "rec.dat"}, ""), "");
    EXPECT_NE(clash({"rec.DAT", "./rec.DAT"}, ""), "");
    EXPECT_NE(clash({"out/export_korr.dat"}, "out"), "");
    EXPECT_NE(clash({"a.DAT", "a.export_korr.dat"}, ""), "");
    EXPECT_EQ(clash({"a.DAT"}, ""), "");
}

} // namespace
