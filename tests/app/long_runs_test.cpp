// Long runs in the window: only what does not fit the memory is refused, a
// file longer than a pane holds is refused whole.
#include "window_run_support.h"

#include "app/long_run.h"
#include "runtime/memory_buffer.h"
#include "tools/export_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// An export runs on a worker, and a mount namespace (and the current folder
// with it) is a thread's own: the one the export tests mount a tiny file
// system in is made before any thread starts, so every worker shares it.
[[maybe_unused]] const bool g_privateMounts = export_test::PrivateMounts();

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
    // 20,000 samples take about 0.3 MB with their values, codes and curve. 400
    // harmonics of them make 8 million entry pairs, four times an eighth of
    // the limit, the most the window used to allow; 50,000 harmonics take 20 MB.
    TMemoryBuffer::SetGrowthLimit(16u << 20);
    RunSpectrum(*form, Samples(20000), "100", "400");
    const int spectrumPoints = form->Series1->PointCount();
    // Two thousand million harmonics take 800 GB, a size beyond 32 bits.
    for (const char* harmonics : {"50000", "2000000000"}) {
        SCOPED_TRACE(harmonics);
        ClearShownErrors();
        RunSpectrum(*form, Samples(20000), "100", harmonics);
        EXPECT_EQ(ShownErrors().size(), 1u); // the limit is restored below, so no ASSERT here
        EXPECT_EQ(ShownErrors().empty() ? "" : ShownErrors()[0].text,
                  "Out of memory while expanding memory stream.");
        EXPECT_EQ(form->Series1->PointCount(), 0);
        EXPECT_EQ(form->Series2->PointCount(), 0); // refused before any code was plotted
        EXPECT_EQ(form->ProgressBar1->value(), 0);
    }
    TMemoryBuffer::SetGrowthLimit(limit);
    EXPECT_EQ(spectrumPoints, 400);
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

namespace {

// Presses Escape on the progress dialog once it shows the phase, having
// first tried to start another command meanwhile.
struct TStopInPhase {
    TStopInPhase(TForm1& form, const char* phaseUtf8) : form(form), phase(QString::fromUtf8(phaseUtf8))
    {
        form.LongRun->DialogDelay = std::chrono::milliseconds(0);
        form.LongRun->WhileRunning = [this] { Look(); };
    }
    ~TStopInPhase()
    {
        form.LongRun->WhileRunning = nullptr;
        form.LongRun->DialogDelay = std::chrono::milliseconds(1000);
    }
    void Look()
    {
        QProgressDialog* dialog = form.LongRun->Dialog();
        if (pressed || dialog == nullptr || !dialog->isVisible() || dialog->labelText() != phase)
            return;
        form.SetPanelText(2, "probe");
        form.ButtonStartAutoKor->click();
        form.ButtonDataRefresh->click();
        panelMeanwhile = form.PanelText(2);
        pressed = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    }

    TForm1& form;
    QString phase;
    bool pressed = false;
    std::string panelMeanwhile;
};

} // namespace

TEST(LongRuns, StoppedRunsKeepWhatIsReadyAndTheNextRunsAreWhole)
{
    const std::string pane = Samples(200000);
    auto form = MakeForm();
    {
        // 200,000 samples with 20,000 harmonics: stopped while the sums are made.
        TStopInPhase stop(*form, "Спектр");
        RunSpectrum(*form, pane, "100", "20000");
        ASSERT_TRUE(stop.pressed);
        EXPECT_EQ(stop.panelMeanwhile, "probe"); // neither command started
    }
    EXPECT_TRUE(ShownErrors().empty());
    EXPECT_EQ(form->PanelText(2), Cp("Остановлено"));
    EXPECT_EQ(form->LongRun->Dialog(), nullptr);
    // As a fault in the third phase: the codes are ready and shown, no spectrum.
    EXPECT_TRUE(form->State.DataReady);
    EXPECT_EQ(form->Series2->PointCount(), 200000);
    EXPECT_EQ(form->Series1->PointCount(), 0);
    EXPECT_EQ(form->PanelText(3).find("   "), form->PanelText(3).rfind("   ")); // two times

    {
        // An autocorrelation of a 20,000-code window, stopped.
        SetEdit(form->EditWidthPattern, "20000");
        TStopInPhase stop(*form, "Автокорреляция");
        form->ButtonStartAutoKor->click();
        ASSERT_TRUE(stop.pressed);
    }
    EXPECT_EQ(form->PanelText(2), Cp("Остановлено"));
    EXPECT_EQ(form->Series3->PointCount(), 0);
    EXPECT_EQ(form->Series2->PointCount(), 200000);

    // The runs after the stops equal those of a window that was never stopped.
    auto fresh = MakeForm();
    for (TForm1* f : {form.get(), fresh.get()}) {
        RunSpectrum(*f, pane, "100", "32");
        SetEdit(f->EditWidthPattern, "100");
        f->ButtonStartAutoKor->click();
    }
    EXPECT_EQ(form->PanelText(2), "");
    EXPECT_EQ(YValues(*form->Series1), YValues(*fresh->Series1));
    EXPECT_EQ(YValues(*form->Series2), YValues(*fresh->Series2));
    EXPECT_EQ(YValues(*form->Series3), YValues(*fresh->Series3));
    EXPECT_EQ(form->Series3->PointCount(), 200000 - 100 + 1);
}

TEST(LongRuns, ClosingTheWindowDuringARunStopsItAndClosesAfter)
{
    auto form = MakeForm();
    RunSpectrum(*form, Samples(200000), "100", "4");
    SetEdit(form->EditWidthPattern, "20000");
    form->LongRun->DialogDelay = std::chrono::milliseconds(0);
    bool closed = false;
    form->LongRun->WhileRunning = [&] {
        if (!closed && form->LongRun->Dialog() != nullptr) {
            closed = true;
            form->close();
        }
    };
    form->ButtonStartAutoKor->click();
    form->LongRun->WhileRunning = nullptr;
    ASSERT_TRUE(closed);
    // The buffers stayed while the worker used them; the close comes after.
    EXPECT_EQ(form->PanelText(2), Cp("Остановлено"));
    EXPECT_FALSE(form->BuffersFreed());
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->BuffersFreed());
}

TEST(LongRuns, LoadStoppedWhileParsingIsParsedByTheNextRun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.DAT");
    std::string file = "Rate (Hz): 500\t\r\n*******\r\n";
    const std::string samples = Samples(3000000);
    file += samples;
    std::ofstream(path.toStdString(), std::ios::binary) << file;
    const QString startDir = QDir::currentPath();
    auto form = MakeForm();
    form->ChooseDataFile = [&](const QString&) { return path; };
    RunSpectrum(*form, "1\r\n2\r\n", "100", "2");
    {
        TStopInPhase stop(*form, "Разбор данных");
        form->NLoad->trigger();
        ASSERT_TRUE(stop.pressed);
    }
    // The file is in the pane, its header removed; the samples before stay
    // counted until a parse completes.
    EXPECT_EQ(form->PanelText(2), Cp("Остановлено"));
    EXPECT_EQ(form->PanelText(0), Cp("Количество данных: 2"));
    EXPECT_TRUE(form->RichEdit1->Model().Text() == samples);
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_EQ(form->EditScaleX->text(), "500");
    form->ButtonDataRefresh->click();
    EXPECT_EQ(form->PanelText(0), Cp("Количество данных: 3000000"));
    EXPECT_EQ(form->Series2->PointCount(), 3000000);
    EXPECT_EQ(form->Series1->PointCount(), 2);
    QDir::setCurrent(startDir);
}
