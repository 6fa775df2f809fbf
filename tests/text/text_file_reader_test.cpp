#include "runtime/exceptions.h"
#include "text/os_error.h"
#include "text/text_file_reader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(ReadFileForPane, ReturnsTheBytesUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("d.dat");
    const std::string bytes("\xCA\xEE\xE4\r\n1.5\n\0x", 11);
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
    EXPECT_EQ(ReadFileForPane(path.toStdString()), bytes);
}

// Every open the window's loads and the batch command can meet; the window's
// tests only show the error box for one of them.
TEST(ReadFileForPane, OpenErrorsNameTheFullPathAndTheReason)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("absent.dat").toStdString();
    const std::string folder = dir.filePath("folder.DAT").toStdString();
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(folder)));
    // Neither a device nor a pipe without a writer is read (nor waited for).
    const std::string pipe = dir.filePath("pipe.DAT").toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const struct {
        std::string path;
        int reason;
    } cases[] = {{missing, ENOENT}, {folder, EISDIR}, {"/dev/null", EINVAL}, {pipe, EINVAL}};
    for (const auto& c : cases) {
        try {
            ReadFileForPane(c.path);
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const EFOpenError& e) {
            EXPECT_EQ(e.Message(), "Cannot open file \"" + c.path + "\". " + OsErrorText(c.reason));
        }
    }
    // A relative name is reported with its full path.
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    try {
        ReadFileForPane("absent.dat");
        ADD_FAILURE() << "no error";
    } catch (const EFOpenError& e) {
        EXPECT_NE(e.Message().find(missing), std::string::npos) << e.Message();
    }
    QDir::setCurrent(cwd);
}

TEST(ReadFileForPane, FileLockedForWritingCannotBeOpened)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("w.dat").toStdString();
    std::ofstream(path) << "1";
    const int writer = ::open(path.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    EXPECT_THROW(ReadFileForPane(path), EFOpenError);
    ::close(writer);
    EXPECT_EQ(ReadFileForPane(path), "1");
}

TEST(ReadFileForPane, ReadFailureIsReportedAsALoadFailure)
{
    // Reading the process's own memory from offset 0 fails with an I/O error
    // after a successful open.
    try {
        ReadFileForPane("/proc/self/mem");
        FAIL() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "Failed to Load Stream");
    }
}

TEST(ReadFileForPane, TextLongerThanAPaneHoldsIsRefusedWhole)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("long.dat").toStdString();
    const int64_t limit = PaneFileLimit();
    const auto refusal = [&] {
        try {
            ReadFileForPane(path);
        } catch (const EFOpenError& e) {
            return e.Message();
        }
        try {
            TMappedFile mapped(path);
        } catch (const EFOpenError& e) {
            return "mapped: " + e.Message();
        }
        return std::string("loaded");
    };
    // Beyond 2 GiB, sparse: refused by its size, before a byte is read.
    {
        std::ofstream(path, std::ios::binary) << "1";
        ASSERT_EQ(::truncate(path.c_str(), (int64_t(1) << 31) + 16), 0);
        EXPECT_EQ(refusal(), "Cannot open file \"" + path +
                      "\". It holds 2147483664 characters, more than the 2147483632 a pane holds");
    }
    // Six bytes whose lone LFs become CR LF: nine characters in the pane.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "1\n2\n3\n";
    SetPaneFileLimit(8);
    const std::string overLimit = refusal();
    SetPaneFileLimit(9);
    const std::string atLimit = refusal();
    SetPaneFileLimit(5);
    const std::string bySize = refusal();
    SetPaneFileLimit(limit);
    EXPECT_EQ(overLimit, "Cannot open file \"" + path + "\". It holds 9 characters, more than the 8 a pane holds");
    EXPECT_EQ(atLimit, "loaded");
    EXPECT_EQ(bySize, "Cannot open file \"" + path + "\". It holds 6 characters, more than the 5 a pane holds");
}
