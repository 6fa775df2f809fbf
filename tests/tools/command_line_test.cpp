// The window program's command line, decided before any display is needed.
#include "tools/command_line.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TStartRequest Read(std::vector<const char*> args) { return ReadStartArguments(args); }

TEST(CommandLine, OneFileOpensTheWindowWithIt)
{
    EXPECT_EQ(Read({}).action, TStartRequest::OpenWindow);
    EXPECT_EQ(Read({}).file, "");
    EXPECT_EQ(Read({"rec.DAT"}).file, "rec.DAT");
    EXPECT_EQ(Read({"--", "-odd.DAT"}).file, "-odd.DAT");
    EXPECT_EQ(Read({"-"}).file, "-");
    // Qt's own options, with their values, are left to Qt.
    const TStartRequest qt = Read({"-platform", "offscreen", "-style=fusion", "-reverse", "rec.DAT"});
    EXPECT_EQ(qt.action, TStartRequest::OpenWindow);
    EXPECT_EQ(qt.file, "rec.DAT");
}

TEST(CommandLine, HelpVersionAndMistakes)
{
    EXPECT_EQ(Read({"--help"}).action, TStartRequest::PrintHelp);
    EXPECT_EQ(Read({"rec.DAT", "-h"}).action, TStartRequest::PrintHelp);
    EXPECT_EQ(Read({"--version"}).action, TStartRequest::PrintVersion);
    for (const std::vector<const char*>& args : std::vector<std::vector<const char*>>{
             {"--bogus"}, {"-x"}, {"a.DAT", "b.DAT"}, {"--", "--help", "b"}}) {
        const TStartRequest r = Read(args);
        EXPECT_EQ(r.action, TStartRequest::UsageError) << args[0];
        EXPECT_FALSE(r.error.empty());
    }
    EXPECT_FALSE(ProgramVersion().empty());
}

} // namespace
