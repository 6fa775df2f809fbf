// A stopped export leaves the previous file as it was.
#include "chart/model/axis_panel.h"
#include "chart/layout/point_series.h"
#include "runtime/exceptions.h"
#include "support/stop_after.h"
#include "tools/export_table.h"
#include "tools/export_test_support.h"

#include <gtest/gtest.h>
#include <set>

TEST(ExportStop, TheStoppedTableReplacesNothing)
{
    export_test::ScratchFolder folder;
    export_test::WriteBytes("export_korr.dat", "before");
    TAxisPanel spectrum, curves;
    spectrum.AddSeries<TAreaSeries>();
    for (int s = 0; s < 3; ++s) {
        TSeries* series = curves.AddSeries<TLineSeries>();
        for (int i = 0; i < 200000; ++i)
            series->AddPoint(i, i % 300);
    }
    TStopAfter stop(1);
    EXPECT_THROW(ExportTableFile(kExportCorrelation, spectrum, curves, stop), ERunStopped);
    EXPECT_EQ(export_test::ReadBytes("export_korr.dat"), "before");
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
}
