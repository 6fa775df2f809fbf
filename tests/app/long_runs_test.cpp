// Long runs in the window: only what does not fit the memory is refused, a
// file longer than a pane holds is refused whole.
#include "window_run_support.h"

#include "runtime/memory_buffer.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::string Samples(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += std::to_string((i * 37) % 101 - 50) + "\r\n";
    return text;
}

} // namespace

TEST(LongRuns, OnlyAWantOfMemoryRefusesASpectrumRun)
{
    auto form = MakeForm();
    const uint64_t limit = TMemoryBuffer::GrowthLimit();
    // 20,000 samples take about 0.6 MB with their codes and curve. 400
    // harmonics of them make 8 million entry pairs, four times an eighth of
    // the limit, the most the window used to allow; 50,000 harmonics take 20 MB.
    TMemoryBuffer::SetGrowthLimit(16u << 20);
    RunSpectrum(*form, Samples(20000), "100", "400");
    const int spectrumPoints = form->Series1->PointCount();
    RunSpectrum(*form, Samples(20000), "100", "50000");
    TMemoryBuffer::SetGrowthLimit(limit);
    EXPECT_EQ(spectrumPoints, 400);
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "Out of memory while expanding memory stream.");
    EXPECT_EQ(form->Series1->PointCount(), 0);
    EXPECT_EQ(form->Series2->PointCount(), 0); // refused before any code was plotted
}

TEST(LongRuns, FileBeyondTwoGibibytesIsRefusedBeforeThePaneChanges)
{
    auto form = MakeForm();
    const QString startDir = QDir::currentPath();
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.DAT");
    std::ofstream(path.toStdString(), std::ios::binary) << "1";
    // Sparse: 2 GiB and 16 bytes on the file's size, none on the disk.
    ASSERT_EQ(::truncate(path.toStdString().c_str(), (int64_t(1) << 31) + 16), 0);
    RunSpectrum(*form, "1\r\n2\r\n3\r\n", "100", "2");
    const std::string count = form->PanelText(0);
    form->ChooseDataFile = [&](const QString&) { return path; };
    form->NLoad->trigger();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text,
              "Cannot open file \"" + path.toStdString() +
                  "\". It holds 2147483664 characters, more than the 2147483632 a pane holds.");
    EXPECT_EQ(form->RichEdit1->Text(), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(form->PanelText(0), count);
    EXPECT_EQ(form->Series2->PointCount(), 3);
    EXPECT_EQ(QDir::currentPath(), startDir);
}
