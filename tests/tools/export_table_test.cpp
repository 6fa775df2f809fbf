// The exported tables' bytes, read back from files written from hand-filled
// chart models, and the replacement of the previous file.
#include "tools/export_table.h"

#include "chart/layout/point_series.h"
#include "chart/model/axis_panel.h"
#include "export_test_support.h"
#include "numbers/locale_separators.h"
#include "numbers/number_format.h"
#include "runtime/exceptions.h"
#include "runtime/worker_pool.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

using export_test::kCorrelationHeader;
using export_test::kSpectrumHeader;
using export_test::ReadBytes;
using export_test::ScratchFolder;
using export_test::WriteBytes;

namespace {

struct CommaLocale {
    CommaLocale() { SetLocaleSeparators(',', ' '); }
    ~CommaLocale() { SetLocaleSeparators('.', ','); }
};

// The spectrum chart: one area series.
struct SpectrumChart {
    SpectrumChart() { series = chart.AddSeries<TAreaSeries>(); }
    TAxisPanel chart;
    TAreaSeries* series;
};

// The data chart: data, correlation and pattern curves in that order.
struct CurvesChart {
    CurvesChart()
    {
        data = chart.AddSeries<TLineSeries>();
        correlation = chart.AddSeries<TLineSeries>();
        pattern = chart.AddSeries<TLineSeries>();
    }
    TAxisPanel chart;
    TLineSeries* data;
    TLineSeries* correlation;
    TLineSeries* pattern;
};

void Fill(TSeries& series, const std::vector<double>& ys)
{
    for (size_t i = 0; i < ys.size(); ++i)
        series.AddPoint(double(i), ys[i]);
}

std::vector<std::string> SplitRows(const std::string& bytes)
{
    std::vector<std::string> rows;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        rows.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "text after the last line end";
    return rows;
}

} // namespace

TEST(ExportFileName, OneNamePerKindWithoutFolder)
{
    EXPECT_STREQ(ExportFileName(kExportSpectrum), "export_spectr.dat");
    EXPECT_STREQ(ExportFileName(kExportCorrelation), "export_korr.dat");
}

TEST(SpectrumExport, HeaderThenHarmonicLabelAmplitudeRows)
{
    CommaLocale comma;
    ScratchFolder folder;
    SpectrumChart spectrum;
    CurvesChart unused;
    spectrum.series->AddPoint(3, 12.36, "1,50");
    spectrum.series->AddPoint(4, 0.04, "");
    spectrum.series->AddPoint(5, 1234.25, "2,50");
    ExportTableFile(kExportSpectrum, spectrum.chart, unused.chart);
    EXPECT_EQ(ReadBytes("export_spectr.dat"),
              kSpectrumHeader +
                  "3\t1,50\t12,4\r\n"
                  "4\t\t0,0\r\n"
                  "5\t2,50\t1234,3\r\n");
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_spectr.dat"});
}

TEST(SpectrumExport, NoSpectrumYetGivesTheHeaderOnly)
{
    ScratchFolder folder;
    SpectrumChart spectrum;
    CurvesChart curves;
    Fill(*curves.data, {1, 2, 3}); // the other chart plays no part
    ExportTableFile(kExportSpectrum, spectrum.chart, curves.chart);
    EXPECT_EQ(ReadBytes("export_spectr.dat"), kSpectrumHeader);

    TAxisPanel noSeries;
    ExportTableFile(kExportSpectrum, noSeries, curves.chart);
    EXPECT_EQ(ReadBytes("export_spectr.dat"), "");
}

TEST(CorrelationExport, ShorterCurvesLeaveEmptyCellsTwoTabsPerRow)
{
    ScratchFolder folder;
    SpectrumChart unused;
    CurvesChart curves;
    Fill(*curves.data, {-5, 17, 2147483647, -2147483648.0, 0});
    Fill(*curves.correlation, {100, -100, 37});
    Fill(*curves.pattern, {8});
    ExportTableFile(kExportCorrelation, unused.chart, curves.chart);
    EXPECT_EQ(ReadBytes("export_korr.dat"),
              kCorrelationHeader +
                  "-5\t100\t8\r\n"
                  "17\t-100\t\r\n"
                  "2147483647\t37\t\r\n"
                  "-2147483648\t\t\r\n"
                  "0\t\t\r\n");
}

TEST(CorrelationExport, RowCountIsTheLongestCurveWhicheverItIs)
{
    // The long case spans several pieces and batches of the parallel formatting,
    // with a fraction (a cell of its own form) far from the first piece.
    struct Case {
        int c0, c1, c2;
    };
    const Case cases[] = {{0, 0, 0}, {2000, 1901, 0}, {0, 0, 150}, {3, 7, 5}, {1, 0, 1}, {300001, 299999, 5}};
    const auto value = [](int s, int i) { return 1000.0 * s + i + (s == 1 && i == 200001 ? 0.5 : 0.0); };
    for (const int workers : {1, WorkerSlots()}) {
        const TWorkerLimit limit(workers);
        for (const Case& c : cases) {
            ScratchFolder folder;
            SpectrumChart unused;
            CurvesChart curves;
            TLineSeries* series[] = {curves.data, curves.correlation, curves.pattern};
            const int counts[] = {c.c0, c.c1, c.c2};
            for (int s = 0; s < 3; ++s)
                for (int i = 0; i < counts[s]; ++i)
                    series[s]->AddPoint(i, value(s, i));
            ExportTableFile(kExportCorrelation, unused.chart, curves.chart);
            const std::string bytes = ReadBytes("export_korr.dat");
            ASSERT_EQ(bytes.substr(0, kCorrelationHeader.size()), kCorrelationHeader);
            const std::vector<std::string> rows = SplitRows(bytes.substr(kCorrelationHeader.size()));
            ASSERT_EQ(int(rows.size()), std::max({c.c0, c.c1, c.c2}));
            for (int i = 0; i < int(rows.size()); ++i) {
                std::string expected;
                for (int s = 0; s < 3; ++s) {
                    if (s > 0)
                        expected += '\t';
                    if (i < counts[s])
                        expected += FixedText(value(s, i), 0);
                }
                ASSERT_EQ(rows[size_t(i)], expected)
                    << c.c0 << "/" << c.c1 << "/" << c.c2 << " row " << i << ", " << workers << " worker(s)";
            }
        }
    }
}

TEST(CorrelationExport, WholeCellsAreTheFixedZeroDecimalText)
{
    // Whatever the curves hold, a cell is the number's "%0.0f" text.
    CommaLocale comma;
    const std::vector<double> values = {0.0,
                                        -0.0,
                                        0.5,
                                        1.5,
                                        2.5,
                                        -2.5,
                                        0.49999999999999994,
                                        -0.4,
                                        123.7,
                                        -1e-300,
                                        1e17,
                                        4.5e15,
                                        -9007199254740993.0,
                                        1e300,
                                        65536.5,
                                        -2147483649.0,
                                        9007199254740991.0,
                                        -9007199254740991.0,
                                        9007199254740992.0,
                                        999999999999999.0};
    ScratchFolder folder;
    SpectrumChart unused;
    CurvesChart curves;
    Fill(*curves.correlation, values);
    ExportTableFile(kExportCorrelation, unused.chart, curves.chart);
    const std::vector<std::string> rows =
        SplitRows(ReadBytes("export_korr.dat").substr(kCorrelationHeader.size()));
    ASSERT_EQ(rows.size(), values.size());
    for (size_t i = 0; i < values.size(); ++i) {
        std::string expected(1, '\t');
        expected += FixedText(values[i], 0);
        expected += '\t';
        EXPECT_EQ(rows[i], expected) << values[i];
    }
}

TEST(ExportReplacement, ExportingAgainReplacesTheFileAndItsPermissionsStay)
{
    ScratchFolder folder;
    SpectrumChart unused;
    CurvesChart curves;
    WriteBytes("export_korr.dat", std::string(5000, 'x'));
    ::chmod("export_korr.dat", 0640);
    Fill(*curves.data, {1, 2});
    ExportTableFile(kExportCorrelation, unused.chart, curves.chart);
    EXPECT_EQ(ReadBytes("export_korr.dat"), kCorrelationHeader + "1\t\t\r\n2\t\t\r\n");
    curves.data->ClearPoints();
    ExportTableFile(kExportCorrelation, unused.chart, curves.chart);
    EXPECT_EQ(ReadBytes("export_korr.dat"), kCorrelationHeader);
    struct stat st { };
    ASSERT_EQ(::stat("export_korr.dat", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
}

TEST(ExportReplacement, ALinkIsFollowedAndKept)
{
    ScratchFolder folder;
    SpectrumChart spectrum;
    CurvesChart unused;
    ::mkdir("results", 0755);
    WriteBytes("results/spectrum.txt", "old");
    ASSERT_EQ(::symlink("results/spectrum.txt", "export_spectr.dat"), 0);
    ExportTableFile(kExportSpectrum, spectrum.chart, unused.chart);
    struct stat st { };
    ASSERT_EQ(::lstat("export_spectr.dat", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadBytes("results/spectrum.txt"), kSpectrumHeader);
    EXPECT_EQ(export_test::FileNames(folder.File("results")), std::set<std::string>{"spectrum.txt"});
}
