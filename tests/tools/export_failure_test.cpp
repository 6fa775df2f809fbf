// Exports that fail for real: the error carries the system's code and message,
// the previous file keeps its bytes and no temporary file stays behind.
#include "tools/export_table.h"

#include "chart/layout/point_series.h"
#include "chart/model/axis_panel.h"
#include "export_test_support.h"
#include "runtime/exceptions.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using export_test::ReadBytes;
using export_test::ScratchFolder;
using export_test::WriteBytes;

namespace {

const std::string kPrevious = "previous table\r\n";

struct Charts {
    explicit Charts(int rows)
    {
        spectrum.AddSeries<TAreaSeries>();
        for (int s = 0; s < 3; ++s) {
            TSeries* series = curves.AddSeries<TLineSeries>();
            for (int i = 0; i < rows; ++i)
                series->AddPoint(i, -1000000 - i);
        }
    }
    TAxisPanel spectrum;
    TAxisPanel curves;
};

// Runs the correlation export and answers the code of the EInOutError it
// raised, or 0 when it raised none; the message must be the code's.
int ExportErrorCode(const Charts& charts, std::string* message = nullptr)
{
    try {
        ExportTableFile(kExportCorrelation, charts.spectrum, charts.curves);
    } catch (const EInOutError& error) {
        if (message)
            *message = error.Message();
        return error.ErrorCode;
    }
    return 0;
}

} // namespace

TEST(ExportFailure, DiskFullHalfWayKeepsThePreviousFile)
{
    ScratchFolder folder;
    if (!folder.MountTinyFileSystem(16 * 1024))
        GTEST_SKIP() << "cannot mount a small file system here";
    WriteBytes("export_korr.dat", kPrevious);
    // About 500 KB of rows, whose failed write shows at the close; and 25 MB,
    // written a batch at a time while the next is formed, where the first
    // batch's failure shows at the handing over of the next one.
    for (const int rows : {20000, 1000000}) {
        const Charts charts(rows);
        std::string message;
        EXPECT_EQ(ExportErrorCode(charts, &message), 112) << rows;
        EXPECT_EQ(message, "I/O error 112");
        EXPECT_EQ(ReadBytes("export_korr.dat"), kPrevious);
        EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
    }

    // A table that fits is written in full afterwards.
    const Charts small(10);
    EXPECT_EQ(ExportErrorCode(small), 0);
    EXPECT_NE(ReadBytes("export_korr.dat"), kPrevious);
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
}

TEST(ExportFailure, ReadOnlyFolderIsAccessDeniedWithOrWithoutAPreviousFile)
{
    for (bool previous : {true, false}) {
        ScratchFolder folder;
        if (!folder.MountTinyFileSystem(64 * 1024))
            GTEST_SKIP() << "cannot mount a small file system here";
        if (previous)
            WriteBytes("export_korr.dat", kPrevious);
        ASSERT_TRUE(folder.RemountReadOnly());
        const Charts charts(10);
        std::string message;
        EXPECT_EQ(ExportErrorCode(charts, &message), 5) << previous;
        EXPECT_EQ(message, "File access denied");
        if (previous) {
            EXPECT_EQ(ReadBytes("export_korr.dat"), kPrevious);
            EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
        } else {
            EXPECT_TRUE(folder.Files().empty());
        }
    }
}

TEST(ExportFailure, TargetHeldByAnotherWriterIsASharingViolation)
{
    ScratchFolder folder;
    WriteBytes("export_korr.dat", kPrevious);
    const int other = ::open("export_korr.dat", O_WRONLY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
    const Charts charts(10);
    std::string message;
    EXPECT_EQ(ExportErrorCode(charts, &message), 32);
    EXPECT_EQ(message, "I/O error 32");
    ::close(other);
    EXPECT_EQ(ReadBytes("export_korr.dat"), kPrevious);
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
    // Once the other writer is gone the export goes through.
    EXPECT_EQ(ExportErrorCode(charts), 0);
}

TEST(ExportFailure, AFolderOfTheTargetsNameIsAccessDenied)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("export_korr.dat", 0755), 0);
    const Charts charts(10);
    EXPECT_EQ(ExportErrorCode(charts), 5);
    struct stat st { };
    ASSERT_EQ(::stat("export_korr.dat", &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
}

TEST(ExportFailure, ACurrentDirectoryThatIsGoneIsReported)
{
    ScratchFolder folder;
    const std::string gone = folder.File("gone");
    ASSERT_EQ(::mkdir(gone.c_str(), 0755), 0);
    ASSERT_EQ(::chdir(gone.c_str()), 0);
    ASSERT_EQ(::rmdir(gone.c_str()), 0);
    const Charts charts(10);
    EXPECT_NE(ExportErrorCode(charts), 0);
    ASSERT_EQ(::chdir(folder.Path().c_str()), 0);
    EXPECT_TRUE(folder.Files().empty());
}

TEST(ExportFailure, ADeviceTargetIsWrittenDirectly)
{
    // A link to a device: nothing to protect and nothing to rename over, so the
    // device itself is written; the full-disk device reports the full disk.
    ScratchFolder folder;
    struct stat st { };
    if (::stat("/dev/full", &st) != 0 || ::stat("/dev/null", &st) != 0)
        GTEST_SKIP() << "no /dev/full or /dev/null here";
    const Charts charts(1000);
    ASSERT_EQ(::symlink("/dev/null", "export_korr.dat"), 0);
    EXPECT_EQ(ExportErrorCode(charts), 0);
    ASSERT_EQ(::unlink("export_korr.dat"), 0);
    ASSERT_EQ(::symlink("/dev/full", "export_korr.dat"), 0);
    std::string message;
    EXPECT_EQ(ExportErrorCode(charts, &message), 112);
    EXPECT_EQ(message, "I/O error 112");
    ASSERT_EQ(::lstat("export_korr.dat", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(folder.Files(), std::set<std::string>{"export_korr.dat"});
    EXPECT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}
