// The export commands on the real window with nothing computed, and the
// error box of an export that fails. The files after real runs are compared
// byte for byte with the references in tests/e2e.
#include "app_test_support.h"

#include "tools/export_test_support.h"

#include <QAction>
#include <gtest/gtest.h>
#include <sys/stat.h>

using export_test::kCorrelationHeader;
using export_test::kSpectrumHeader;
using export_test::ReadBytes;
using export_test::ScratchFolder;

TEST(ToolsExport, NothingComputedGivesBothHeadersOnly)
{
    ScratchFolder folder;
    auto form = MakeForm();
    form->NSpectr->trigger();
    form->NKorr->trigger();
    EXPECT_TRUE(ShownErrors().empty());
    EXPECT_EQ(ReadBytes("export_spectr.dat"), kSpectrumHeader);
    EXPECT_EQ(ReadBytes("export_korr.dat"), kCorrelationHeader);
    EXPECT_EQ(folder.Files(), (std::set<std::string>{"export_korr.dat", "export_spectr.dat"}));
    // The export changes no state.
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->PanelText(i), "");
}

// The failures themselves are the export's (tests/tools); the window shows
// them in its error box and goes on.
TEST(ToolsExport, AFailureIsShownAndTheWindowGoesOn)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("export_spectr.dat", 0755), 0);
    auto form = MakeForm();
    form->NSpectr->trigger();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "File access denied.");
    EXPECT_EQ(ShownErrors()[0].title, ApplicationTitle());
    form->NKorr->trigger();
    EXPECT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(folder.Files(), (std::set<std::string>{"export_korr.dat", "export_spectr.dat"}));
}
