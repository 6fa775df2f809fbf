// Data and pattern pane parsing on the real window: status texts, flags,
// counts, the selected bad character, the progress bar and the hourglass.
#include "window_run_support.h"

#include "runtime/exceptions.h"
#include "widgets/rich_pane.h"

#include <QApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <gtest/gtest.h>

namespace {

void ParseData(TForm1& form, const std::string& text)
{
    form.RichEdit1->SetText(text);
    form.Dispatch([&] { form.ParseDataPane(); });
}

void ParsePattern(TForm1& form, const std::string& text)
{
    form.RichEdit2->SetText(text);
    form.Dispatch([&] { form.ParsePatternPane(); });
}

} // namespace

TEST(InputDataParse, GoodPaneFillsCountMeanAndClearsDirty)
{
    auto form = MakeForm();
    ParseData(*form, "1.5\r\n2,5\r\n-3\r\n 7\r\n-2e3\r\n");
    const double mean = (1.5 + 2.5 - 3 + 7 - 2000) / 5;
    EXPECT_EQ(form->DFT->SampleCount, 5);
    EXPECT_EQ(form->DFT->DataMean, mean);
    EXPECT_EQ(form->DFT->AdcScale, 100);
    EXPECT_EQ(form->PanelText(0), Cp("Количество данных: 5"));
    EXPECT_EQ(form->PanelText(1), MeanPanel(mean, 100));
    EXPECT_EQ(form->PanelText(2), "");
    EXPECT_FALSE(form->State.DataDirty);
    EXPECT_EQ(form->State.ParseErrorLine, -1);
    EXPECT_EQ(form->ProgressBar1->maximum(), 5);
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(InputDataParse, BadLineIsReportedAndItsCharacterSelected)
{
    auto form = MakeForm();
    ParseData(*form, "1.5\r\n2,5\r\n-3\r\nabc\r\n9\r\n");
    EXPECT_EQ(form->PanelText(0), Cp("Количество данных: 3"));
    EXPECT_EQ(form->PanelText(1), MeanPanel(1.0 / 3, 100));
    EXPECT_EQ(form->PanelText(2), Cp("Данные: ошибка в строке 4 в позиции 1"));
    EXPECT_EQ(form->RichEdit1->SelStart(), 14);
    EXPECT_EQ(form->RichEdit1->SelLength(), 1);
    EXPECT_EQ(form->RichEdit1->SelText(), "a");
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_EQ(form->State.ParseErrorLine, 3);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Which position a bad line gives is ParseSampleLine's, which character it
// selects LocateBadCharacter's (tests/input); here the message and selection.
TEST(InputDataParse, OutcomesOfSingleLines)
{
    const struct {
        const char* text;
        const char* panel2; // UTF-8
        int selStart;
        int selLength;
    } table[] = {
        {"", "Данные: ошибка в строке 1 в позиции 0", 0, 0},
        {"1.5x", "Данные: ошибка в строке 1 в позиции 4", 3, 1},
        {"-3\r\n1-2", "Данные: ошибка в строке 2 в позиции 2", 0, 1},
        {"4\r\n\t\r\n", "Данные: ошибка в строке 2 в позиции 0", 3, 1},
    };
    for (const auto& row : table) {
        auto form = MakeForm();
        ParseData(*form, row.text);
        EXPECT_EQ(form->PanelText(2), Cp(row.panel2)) << row.text;
        EXPECT_EQ(form->RichEdit1->SelStart(), row.selStart) << row.text;
        EXPECT_EQ(form->RichEdit1->SelLength(), row.selLength) << row.text;
        EXPECT_TRUE(form->State.DataDirty) << row.text;
    }
    auto form = MakeForm();
    ParseData(*form, "");
    EXPECT_EQ(form->PanelText(0), Cp("Количество данных: 1"));
    EXPECT_EQ(form->DFT->DataMean, 0.0);
    EXPECT_EQ(form->PanelText(1), MeanPanel(0, 100));
}

TEST(InputDataParse, AdcScaleOnlyFromAConvertibleBox)
{
    auto form = MakeForm();
    form->EditADC->setText("250");
    ParseData(*form, "2\r\n");
    EXPECT_EQ(form->DFT->AdcScale, 250);
    EXPECT_EQ(form->PanelText(1), MeanPanel(2, 250));
    form->EditADC->setText("12a");
    ParseData(*form, "4\r\n");
    EXPECT_EQ(form->DFT->AdcScale, 250);
    EXPECT_EQ(form->EditADC->text(), "12a");
}

TEST(InputDataParse, BufferFailureRestoresTheCursorAndKeepsTheFlag)
{
    auto form = MakeForm();
    const uint64_t limit = TMemoryBuffer::GrowthLimit();
    TMemoryBuffer::SetGrowthLimit(0);
    ParseData(*form, "1\r\n2\r\n");
    TMemoryBuffer::SetGrowthLimit(limit);
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "Out of memory while expanding memory stream.");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(form->State.DataDirty);
}

TEST(InputPatternParse, LengthErrorLineAndMessage)
{
    auto form = MakeForm();
    ParsePattern(*form, "1\r\n2\r\n3\r\n");
    EXPECT_EQ(form->State.PatternLength, 3);
    EXPECT_EQ(form->State.PatternErrorLine, -1);
    EXPECT_FALSE(form->State.PatternDirty);
    EXPECT_EQ(form->PanelText(2), "");
    EXPECT_EQ(form->ProgressBar1->value(), 0);

    ParsePattern(*form, "-3\r\n1-2\r\n");
    EXPECT_EQ(form->PanelText(2), Cp("Образ: ошибка в строке 2 в позиции 2"));
    EXPECT_EQ(form->State.PatternLength, 1);
    EXPECT_EQ(form->State.PatternErrorLine, 1);
    EXPECT_EQ(form->State.ParseErrorLine, -1); // moved out, so it describes the data pane
    EXPECT_TRUE(form->State.PatternDirty);
    EXPECT_EQ(form->RichEdit2->SelStart(), 0);
    EXPECT_EQ(form->RichEdit2->SelLength(), 1);

    ParsePattern(*form, "");
    EXPECT_EQ(form->PanelText(2), Cp("Образ: ошибка в строке 1 в позиции 0"));
    EXPECT_EQ(form->State.PatternLength, 0);
    EXPECT_EQ(form->State.PatternErrorLine, 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
