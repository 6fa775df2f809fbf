// The data file load on the real window, with the file dialog answered by the
// test: rate through the clipboard, header removal, parse, flags, errors.
#include "window_run_support.h"

#include "app/start_file.h"
#include "text/os_error.h"
#include "widgets/clipboard.h"
#include "widgets/rich_pane.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class DataLoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        startDir_ = QDir::currentPath();
        form_ = MakeForm();
        form_->ChooseDataFile = [this](const QString&) {
            ++dialogShown_;
            return answer_;
        };
    }
    void TearDown() override { QDir::setCurrent(startDir_); }

    // Writes a file into the temporary folder and makes it the dialog's answer.
    QString Answer(const std::string& bytes, const char* name = "probe.DAT")
    {
        answer_ = dir_.filePath(QString::fromLatin1(name));
        std::ofstream(answer_.toStdString(), std::ios::binary) << bytes;
        return answer_;
    }
    void Load() { form_->NLoad->trigger(); }
    std::string Scale() const { return form_->EditScaleX->text().toStdString(); }

    QTemporaryDir dir_;
    QString startDir_;
    std::unique_ptr<TForm1> form_;
    QString answer_;
    int dialogShown_ = 0;
};

} // namespace

TEST_F(DataLoad, HeaderRateAndSamples)
{
    Answer("Rate (Hz): 250\tch\n*******\n1.5\n2,5\n-3\n");
    SetClipboardText("previous");
    Load();
    EXPECT_EQ(dialogShown_, 1);
    EXPECT_EQ(Scale(), "250");
    EXPECT_EQ(ClipboardText(), "250");
    EXPECT_EQ(form_->RichEdit1->Text(), "1.5\r\n2,5\r\n-3\r\n");
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 3"));
    EXPECT_EQ(form_->PanelText(2), "");
    EXPECT_FALSE(form_->State.DataDirty);
    EXPECT_EQ(form_->DFT->SampleCount, 3);
    EXPECT_EQ(QDir::currentPath(), QDir(dir_.path()).canonicalPath());
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(DataLoad, CancelChangesNothing)
{
    form_->RichEdit1->SetText("1\r\n");
    form_->State.DataDirty = false;
    form_->EditScaleX->setText("7");
    answer_.clear();
    Load();
    EXPECT_EQ(dialogShown_, 1);
    EXPECT_EQ(form_->RichEdit1->Text(), "1\r\n");
    EXPECT_FALSE(form_->State.DataDirty);
    EXPECT_EQ(Scale(), "7");
    EXPECT_EQ(form_->PanelText(0), "");
    EXPECT_EQ(QDir::currentPath(), startDir_);
}

TEST_F(DataLoad, RateFallsBackToOne)
{
    const struct {
        const char* file;
        const char* clipboardAfter; // nullptr: not touched
    } table[] = {
        {"Hz):\t\r\n*******\r\n1\r\n", "\t"}, // tab right after the colon
        {"no rate here\r\n*******\r\n1\r\n", nullptr},
        {"Hz): 1000,5\t\r\n*******\r\n1\r\n", "1000,5"}, // which texts convert: tests/input
    };
    for (const auto& row : table) {
        SetClipboardText("untouched");
        form_->EditScaleX->setText("9");
        Answer(row.file);
        Load();
        EXPECT_EQ(Scale(), "1") << row.file;
        EXPECT_EQ(ClipboardText(), row.clipboardAfter ? row.clipboardAfter : "untouched") << row.file;
        EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 1")) << row.file;
        EXPECT_EQ(form_->PanelText(2), "") << row.file;
        EXPECT_EQ(form_->RichEdit1->Text(), "1\r\n") << row.file;
    }
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(DataLoad, MarkerVariants)
{
    // Ten asterisks: the last one is left as line 1 and stops the parse.
    Answer("Hz): 50\t\r\n**********\r\n1\r\n");
    Load();
    EXPECT_EQ(form_->RichEdit1->Text(), "*\r\n1\r\n");
    EXPECT_EQ(form_->PanelText(2), Cp("Данные: ошибка в строке 1 в позиции 1"));
    EXPECT_TRUE(form_->State.DataDirty);

    // No marker: the header stays and its first line is the bad one.
    Answer("Sampex file\nHz): 50\t\n1\n");
    Load();
    EXPECT_EQ(form_->RichEdit1->LineCount(), 3);
    EXPECT_EQ(Scale(), "50");
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 1"));
    EXPECT_EQ(form_->PanelText(2), Cp("Данные: ошибка в строке 1 в позиции 1"));
    EXPECT_EQ(form_->RichEdit1->SelText(), "S");
}

TEST_F(DataLoad, LineEndsAndCyrillicHeader)
{
    const std::string header = Cp("Частота опроса (Hz): 1000\tканал 1\r");
    for (const char* ends : {"\r\n", "\n", "\r"}) {
        std::string file = header + "*******" + ends;
        for (const char* v : {"0.25", "-1", "3e2"})
            file += std::string(v) + ends;
        Answer(file, "lower.dat");
        Load();
        EXPECT_EQ(Scale(), "1000");
        EXPECT_EQ(form_->RichEdit1->Text(), "0.25\r\n-1\r\n3e2\r\n") << ends;
        EXPECT_EQ(form_->DFT->SampleCount, 3);
        EXPECT_EQ(form_->DFT->DataMean, (0.25 - 1 + 300) / 3);
    }
}

// The reasons a file cannot be opened are the reader's (tests/text); the
// window shows the one it meets and changes nothing, results included.
TEST_F(DataLoad, AFileThatCannotBeOpenedIsShownAndChangesNothing)
{
    form_->EditScaleX->setText("7");
    RunSpectrum(*form_, "5\r\n");
    ASSERT_EQ(form_->Series2->PointCount(), 1);
    answer_ = dir_.filePath("gone.DAT");
    Load();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text,
              "Cannot open file \"" + answer_.toStdString() + "\". " + OsErrorText(ENOENT) + ".");
    EXPECT_EQ(ShownErrors()[0].title, ApplicationTitle());
    EXPECT_EQ(form_->RichEdit1->Text(), "5\r\n");
    EXPECT_FALSE(form_->State.DataDirty);
    EXPECT_EQ(Scale(), "7");
    EXPECT_EQ(form_->PanelText(0), Cp("Количество данных: 1"));
    EXPECT_EQ(QDir::currentPath(), startDir_);
    // The codes the correlations read stay with their curve.
    EXPECT_EQ(form_->Series2->PointCount(), 1);
    EXPECT_TRUE(form_->State.DataReady);
    form_->ButtonStartAutoKor->click();
    EXPECT_EQ(form_->Series3->PointCount(), 1);
}

// "dftscope FILE": the file loads once the event loop runs, as the menu's load
// does, relative to the folder the program was started from; a missing one
// is an error box over the window.
TEST_F(DataLoad, FileNamedAtStartLoadsWhenTheWindowRuns)
{
    Answer("Stream rate (Hz): 250\tgain\r\n*******\r\n1.5\r\n2,5\r\n", "start.DAT");
    QDir::setCurrent(dir_.path());
    LoadStartFile(*form_, "start.DAT");
    EXPECT_EQ(form_->RichEdit1->Text(), ""); // not before the loop runs
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->RichEdit1->Text(), "1.5\r\n2,5\r\n");
    EXPECT_EQ(Scale(), "250");
    EXPECT_EQ(form_->DFT->SampleCount, 2);
    EXPECT_TRUE(ShownErrors().empty());

    LoadStartFile(*form_, "gone.DAT");
    QCoreApplication::processEvents();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text.rfind("Cannot open file \"" + dir_.filePath("gone.DAT").toStdString(), 0),
              0u);
    EXPECT_EQ(form_->RichEdit1->Text(), "1.5\r\n2,5\r\n");
    EXPECT_EQ(dialogShown_, 0);
}
