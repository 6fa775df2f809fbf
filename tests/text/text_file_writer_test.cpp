#include "runtime/exceptions.h"
#include "text/os_error.h"
#include "text/text_output_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs a statement and gives the code of the EInOutError it raised (0 for none).
template <class F>
int IoErrorOf(F statement, std::string* message = nullptr)
{
    try {
        statement();
    } catch (const EInOutError& e) {
        if (message)
            *message = e.Message();
        return e.ErrorCode;
    }
    return 0;
}

} // namespace

TEST(TextOutputFileWrite, BytesAndLineEndsAsGiven)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("out.dat").toStdString();
    {
        std::ofstream(path) << "an older and much longer content that must disappear";
    }
    TextOutputFile f;
    f.Assign(path);
    f.Rewrite();
    f.Write("\xD7\xE0\xF1\xF2\xEE\xF2\xE0"); // "Частота" in 1251
    f.WriteChar('\t');
    // More than the buffer holds, so the buffer is written out in between.
    const std::string longText(TextOutputFile::kBufferSize + 300, '5');
    f.Write(longText);
    f.WriteLineEnd();
    f.Close();
    EXPECT_EQ(ReadAll(path), "\xD7\xE0\xF1\xF2\xEE\xF2\xE0\t" + longText + "\r\n");
    EXPECT_FALSE(f.IsOpen());
}

TEST(TextOutputFileWrite, BufferReachesTheFileOnlyWhenFullOrClosed)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("b.dat").toStdString();
    TextOutputFile f;
    f.Assign(path);
    f.Rewrite();
    constexpr size_t size = TextOutputFile::kBufferSize;
    f.Write(std::string(size - 1, 'a'));
    EXPECT_EQ(ReadAll(path).size(), 0u);
    f.WriteChar('b'); // full: written while the next buffer fills
    f.Write(std::string(size, 'c'));
    // The second full buffer waited for the first, so the first is in the
    // file, and the second whole or not at all.
    const size_t written = ReadAll(path).size();
    EXPECT_TRUE(written == size || written == 2 * size) << written;
    f.WriteLineEnd();
    f.Close();
    EXPECT_EQ(ReadAll(path), std::string(size - 1, 'a') + 'b' + std::string(size, 'c') + "\r\n");
}

TEST(TextOutputFileErrors, RealFailuresGiveTheWindowsCodes)
{
    QTemporaryDir dir;
    std::string message;
    TextOutputFile f;

    f.Assign(dir.filePath("missing/x.dat").toStdString());
    EXPECT_EQ(IoErrorOf([&] { f.Rewrite(); }, &message), 3);
    EXPECT_EQ(message, "Invalid filename");
    EXPECT_EQ(f.PendingError(), 0); // the check cleared it

    // A folder, a full disk, a read-only folder and another writer as the
    // target: tests/tools/export_failure_test.cpp, through the export.

    // Operations on a file that is not open.
    TextOutputFile closed;
    closed.Assign(dir.filePath("c.dat").toStdString());
    EXPECT_EQ(IoErrorOf([&] { closed.Write("x"); }), 105);
    EXPECT_EQ(IoErrorOf([&] { closed.Close(); }), 103);
}

TEST(TextOutputFileErrors, MessageTable)
{
    const std::pair<int, const char*> table[] = {
        {2, "File not found"},
        {3, "Invalid filename"},
        {4, "Too many open files"},
        {5, "File access denied"},
        {100, "Read beyond end of file"},
        {101, "Disk full"},
        {106, "Invalid numeric input"},
        {32, "I/O error 32"},
        {1117, "I/O error 1117"},
    };
    for (const auto& [code, text] : table)
        EXPECT_EQ(TextOutputFile::MessageFor(code), text) << code;
}

TEST(OsErrorCodes, ErrnoMapsToWindowsCodes)
{
    QTemporaryDir dir;
    const std::string inExisting = dir.filePath("nofile").toStdString();
    const std::string inMissing = dir.filePath("nodir/nofile").toStdString();
    const struct {
        int err;
        std::string path;
        int code;
    } table[] = {
        {EACCES, "", 5},        {EPERM, "", 5},  {EROFS, "", 5},   {EISDIR, "", 5},   {ENOENT, inExisting, 2},
        {ENOENT, inMissing, 3}, {EMFILE, "", 4}, {ENFILE, "", 4},  {ENOSPC, "", 112}, {EDQUOT, "", 112},
        {ETXTBSY, "", 32},      {EBUSY, "", 32}, {ENOTDIR, "", 3},
    };
    for (const auto& row : table)
        EXPECT_EQ(WindowsErrorCode(row.err, row.path), row.code) << row.err << " " << row.path;
}

TEST(OsErrorCodes, ReasonTextLosesTrailingPunctuation)
{
    EXPECT_EQ(TrimReason("No such file.  \r\n"), "No such file");
    EXPECT_EQ(TrimReason("...."), "");
    EXPECT_EQ(TrimReason("a.b"), "a.b");
    const std::string reason = OsErrorText(ENOENT);
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(reason.back(), '.');
    EXPECT_NE(reason.back(), ' ');
}
