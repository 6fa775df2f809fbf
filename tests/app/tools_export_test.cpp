// The export commands on the real window: the files' bytes after real runs
// (spectrum, autocorrelation, pattern plot), with nothing computed, and an
// export that fails for real.
#include "app_test_support.h"

#include "chart/layout/point_series.h"
#include "chart/model/axis_panel.h"
#include "chart/paint/plot.h"
#include "numbers/number_format.h"
#include "tools/export_test_support.h"
#include "widgets/rich_pane.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using export_test::kCorrelationHeader;
using export_test::kSpectrumHeader;
using export_test::ReadBytes;
using export_test::ScratchFolder;
using export_test::WriteBytes;

namespace {

// The table lines after a header, each split into its tab-separated cells.
std::vector<std::vector<std::string>> Rows(const std::string& bytes, const std::string& header)
{
    EXPECT_EQ(bytes.substr(0, header.size()), header);
    std::vector<std::vector<std::string>> rows;
    size_t start = header.size();
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::vector<std::string> cells(1);
        for (char c : bytes.substr(start, end - start)) {
            if (c == '\t')
                cells.emplace_back();
            else
                cells.back() += c;
        }
        rows.push_back(cells);
    }
    EXPECT_EQ(start, bytes.size()) << "no trailing line";
    return rows;
}

std::string Samples(int n)
{
    // A tone on harmonic 3 of the record, plus an offset, in the pane's syntax.
    std::string text;
    for (int i = 0; i < n; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%.4f\r\n", 1.25 + std::sin(6.283185307179586 * 3 * i / n));
        text += line;
    }
    return text;
}

std::string Whole(double v) { return FixedText(v, 0); }

} // namespace

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

TEST(ToolsExport, SpectrumRunRowsInTheCommaLocale)
{
    ScratchFolder folder;
    auto form = MakeForm();
    SetLocaleSeparators(',', ' ');
    form->RichEdit1->SetText(Samples(64));
    form->EditKmax->setText("8");
    form->ButtonDataRefresh->click();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    form->NSpectr->trigger();
    ASSERT_TRUE(ShownErrors().empty());

    const TSeries& amplitudes = *form->ChartSpectr->SeriesAt(0);
    ASSERT_GT(amplitudes.PointCount(), 0);
    const auto rows = Rows(ReadBytes("export_spectr.dat"), kSpectrumHeader);
    ASSERT_EQ(int(rows.size()), amplitudes.PointCount());
    int peak = 0;
    for (int i = 0; i < int(rows.size()); ++i) {
        const auto& cells = rows[size_t(i)];
        ASSERT_EQ(cells.size(), 3u) << "row " << i;
        EXPECT_EQ(cells[0], Whole(amplitudes.XValueAt(i)));
        EXPECT_EQ(cells[1], amplitudes.LabelAt(i));
        EXPECT_FALSE(cells[1].empty()) << "every harmonic carries its frequency";
        // One decimal after the comma.
        ASSERT_GE(cells[2].size(), 3u);
        EXPECT_EQ(cells[2][cells[2].size() - 2], ',') << cells[2];
        EXPECT_EQ(cells[2], FixedText(amplitudes.YValueAt(i), 1));
        if (amplitudes.YValueAt(i) > amplitudes.YValueAt(peak))
            peak = i;
    }
    // The tone's harmonic is the largest amplitude of the table.
    EXPECT_EQ(rows[size_t(peak)][0], "3");
    SetLocaleSeparators('.', ',');
}

TEST(ToolsExport, AutocorrelationAfterGeneratedDataWithoutPattern)
{
    ScratchFolder folder;
    auto form = MakeForm();
    form->NGen->trigger();
    form->ButtonDataRefresh->click();
    form->EditStartPattern->setText("0");
    form->EditWidthPattern->setText("100");
    form->ButtonStartAutoKor->click();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    form->NKorr->trigger();
    ASSERT_TRUE(ShownErrors().empty());

    const TAxisPanel& curves = *form->ChartF;
    const TSeries& data = *curves.SeriesAt(0);
    const TSeries& correlation = *curves.SeriesAt(1);
    ASSERT_EQ(data.PointCount(), 2000);
    ASSERT_EQ(correlation.PointCount(), 1901);
    const auto rows = Rows(ReadBytes("export_korr.dat"), kCorrelationHeader);
    ASSERT_EQ(rows.size(), 2000u);
    for (int i = 0; i < 2000; ++i) {
        const auto& cells = rows[size_t(i)];
        ASSERT_EQ(cells.size(), 3u) << "two tabs in row " << i;
        EXPECT_EQ(cells[0], Whole(data.YValueAt(i))) << i;
        EXPECT_EQ(cells[1], i <= 1900 ? Whole(correlation.YValueAt(i)) : "") << i;
        EXPECT_EQ(cells[2], "") << i;
    }
    // The window at offset 0 is the data itself: a full correlation there.
    EXPECT_EQ(rows[0][1], "100");
}

TEST(ToolsExport, PatternPlottedBeforeAnySpectrumRun)
{
    ScratchFolder folder;
    auto form = MakeForm();
    std::string pattern;
    for (int i = 0; i < 150; ++i)
        pattern += std::to_string(i % 7 - 3) + ".5\r\n";
    form->RichEdit2->SetText(pattern);
    form->EditADCpat->setText("10");
    form->ButtonGraphPat->click();
    ASSERT_TRUE(ShownErrors().empty()) << ShownErrors()[0].text;
    form->NKorr->trigger();
    const TSeries& codes = *form->ChartF->SeriesAt(2);
    ASSERT_EQ(codes.PointCount(), 150);
    const auto rows = Rows(ReadBytes("export_korr.dat"), kCorrelationHeader);
    ASSERT_EQ(rows.size(), 150u);
    for (int i = 0; i < 150; ++i) {
        const std::vector<std::string> expected = {"", "", Whole(codes.YValueAt(i))};
        EXPECT_EQ(rows[size_t(i)], expected) << i;
    }
    // Codes of x.5 times 10 are whole numbers: -35, -25, ..., 35.
    EXPECT_EQ(rows[0][2], "-35");
    EXPECT_EQ(rows[6][2], "35");
}

TEST(ToolsExport, FailureIsShownAndThePreviousFileStays)
{
    ScratchFolder folder;
    if (!folder.MountTinyFileSystem(64 * 1024))
        GTEST_SKIP() << "cannot mount a small file system here";
    WriteBytes("export_spectr.dat", "before");
    ASSERT_TRUE(folder.RemountReadOnly());
    auto form = MakeForm();
    form->NSpectr->trigger();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "File access denied.");
    EXPECT_EQ(ReadBytes("export_spectr.dat"), "before");
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_spectr.dat"});
    // The window goes on: the other export meets the same folder.
    form->NKorr->trigger();
    EXPECT_EQ(ShownErrors().size(), 2u);
}
