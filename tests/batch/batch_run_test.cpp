// Two inputs run side by side, the second on a worker of the pool: each gets
// its exports under names of its own, the same bytes whatever its line ends,
// and a file that cannot be read fails alone.
#include "batch/batch_run.h"

#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Samples(int count, const char* end)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string(i * 7 % 23 - 11) + ".5" + end;
    return text;
}

} // namespace

TEST(BatchRun, TwoInputsGetNamesOfTheirOwnAndAFailureStaysWithItsFile)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name).toStdString(); };
    std::ofstream(path("a.DAT"), std::ios::binary) << Samples(5000, "\r\n");
    std::ofstream(path("b.dat"), std::ios::binary) << Samples(5000, "\n");
    TBatchOptions options;
    options.inputs = {path("a.DAT"), path("b.dat")};
    ASSERT_EQ(RunBatch(options, stderr), 0);
    for (const char* name :
         {"a.export_spectr.dat", "a.export_korr.dat", "b.export_spectr.dat", "b.export_korr.dat"})
        EXPECT_TRUE(std::filesystem::is_regular_file(path(name))) << name;
    const std::string korr = ReadAll(path("a.export_korr.dat"));
    EXPECT_EQ(std::count(korr.begin(), korr.end(), '\n'), 5001);
    EXPECT_EQ(ReadAll(path("b.export_korr.dat")), korr);
    EXPECT_EQ(ReadAll(path("b.export_spectr.dat")), ReadAll(path("a.export_spectr.dat")));
    EXPECT_FALSE(std::filesystem::exists(path("export_korr.dat")));

    std::filesystem::remove(path("b.export_korr.dat"));
    options.inputs = {path("missing.DAT"), path("b.dat")};
    std::FILE* errors = std::tmpfile();
    ASSERT_NE(errors, nullptr);
    EXPECT_EQ(RunBatch(options, errors), 1);
    char said[512] = {};
    std::rewind(errors);
    EXPECT_EQ(std::fgets(said, sizeof said, errors), said);
    std::fclose(errors);
    EXPECT_EQ(std::string(said).rfind("dftscope-batch: " + path("missing.DAT") + ": Cannot open file", 0), 0u)
        << said;
    EXPECT_EQ(ReadAll(path("b.export_korr.dat")), korr);
}
