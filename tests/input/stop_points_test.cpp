// The load's cancellation points: reading the file and parsing the pane.
#include "input/sample_parser.h"
#include "runtime/exceptions.h"
#include "support/stop_after.h"
#include "text/pane_text.h"
#include "text/text_file_reader.h"

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

TEST(StopPoints, AFileReadAndAPaneParseStopWhenAsked)
{
    std::string text;
    for (int i = 0; i < 300000; ++i)
        text += std::to_string(i % 1000) + ".25\r\n";
    QTemporaryDir dir;
    const std::string path = dir.filePath("many.dat").toStdString();
    std::ofstream(path, std::ios::binary) << text;

    TStopAfter stopRead(0);
    EXPECT_THROW(ReadFileForPane(path, stopRead), ERunStopped);
    TStopAfter readOn(1 << 30);
    EXPECT_EQ(ReadFileForPane(path, readOn), text);

    TPaneText pane;
    pane.SetText(text);
    TMemoryBuffer values;
    TStopAfter stopParse(10);
    EXPECT_THROW(ParseLines(pane, values, stopParse), ERunStopped);
    TStopAfter parseOn(1 << 30);
    const LineParseResult whole = ParseLines(pane, values, parseOn);
    EXPECT_EQ(whole.count, 300000);
    EXPECT_EQ(whole.errorLine, -1);
}
