// Start-up state, pane dirty flags, shut-down, the error display and
// the handler dispatcher, on the real window.
#include "app_test_support.h"

#include "chart/model/axis_panel.h"
#include "chart/paint/plot.h"
#include "runtime/exceptions.h"
#include "widgets/rich_pane.h"
#include "widgets/status_panels.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>
#include <system_error>

TEST(FormStartUp, PanesEmptyPanelsEmptyFlagsAsAtStart)
{
    auto form = MakeForm();
    EXPECT_EQ(form->RichEdit1->TextLength(), 0);
    EXPECT_EQ(form->RichEdit2->TextLength(), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(form->PanelText(i), "") << i;
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_TRUE(form->State.PatternDirty);
    EXPECT_FALSE(form->State.DataReady);
    EXPECT_FALSE(form->State.PatternReady);
    EXPECT_EQ(form->State.ParseErrorLine, 0);
    EXPECT_EQ(form->State.PatternErrorLine, 0);
    EXPECT_TRUE(form->CheckBoxAutoX->isChecked());
    EXPECT_TRUE(form->ChartF->BottomAxis().Automatic());
    ASSERT_NE(form->DFT, nullptr);
    EXPECT_EQ(form->DFT->SampleCount, 0);
    EXPECT_EQ(form->DFT->HarmonicCount, 0);
    EXPECT_EQ(form->State.SampleRate, 0.0);
}

TEST(FormStartUp, DefaultTextsCaptionsAndMenu)
{
    auto form = MakeForm();
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("Discrete Fourier Transform"));
    EXPECT_EQ(form->EditKmax->text(), "32");
    EXPECT_EQ(form->EditADC->text(), "100");
    EXPECT_EQ(form->EditADCpat->text(), "100");
    EXPECT_EQ(form->EditScaleX->text(), "1");
    EXPECT_EQ(form->EditStartPattern->text(), "0");
    EXPECT_EQ(form->EditWidthPattern->text(), "100");
    EXPECT_EQ(form->EditMaxX->text(), "100");
    EXPECT_EQ(form->ButtonStartAutoKor->text(), QString::fromUtf8(" Старт"));
    EXPECT_FALSE(form->NSave->isVisible());
    EXPECT_EQ(form->NAbout->iconText(), QString::fromUtf8("О программе"));
    EXPECT_EQ(form->EditADC->focusPolicy(), Qt::ClickFocus); // no tab stop
    EXPECT_EQ(form->EditScaleX->focusPolicy(), Qt::StrongFocus);
    EXPECT_FALSE(form->PanelAbout->isVisibleTo(form.get()));
}

TEST(FormPanes, EditingSetsTheDirtyFlagAndSelectingDoesNot)
{
    auto form = MakeForm();
    form->State.DataDirty = false;
    form->State.PatternDirty = false;
    form->RichEdit1->SetText("1\r\n2");
    EXPECT_TRUE(form->State.DataDirty);
    EXPECT_FALSE(form->State.PatternDirty);
    form->State.DataDirty = false;
    form->RichEdit1->SelectAll();
    form->RichEdit1->SetSelStart(1);
    form->RichEdit1->SetSelLength(2);
    EXPECT_FALSE(form->State.DataDirty);
    form->RichEdit2->AppendLine("5");
    EXPECT_TRUE(form->State.PatternDirty);
}

TEST(FormShutDown, ExitAndCloseBoxFreeTheBuffersOnce)
{
    auto form = MakeForm();
    form->show();
    form->NExit->trigger();
    EXPECT_TRUE(form->BuffersFreed());
    EXPECT_EQ(form->State.DataValues, nullptr);
    EXPECT_EQ(form->State.PatternValues, nullptr);
    EXPECT_EQ(form->State.PatternCodes, nullptr);
    EXPECT_EQ(form->DFT->SinTable, nullptr);
    EXPECT_EQ(form->DFT->CosTable, nullptr);
    EXPECT_EQ(form->DFT->DataCodes, nullptr);
    form->show();
    form->close(); // a second close must not free anything again
    EXPECT_TRUE(ShownErrors().empty());

    auto other = MakeForm();
    other->show();
    other->close();
    EXPECT_TRUE(other->BuffersFreed());
}

TEST(ErrorDisplay, AppendsAPeriodOnlyAfterCharactersAboveIt)
{
    EXPECT_EQ(ErrorDisplayText("File access denied"), "File access denied.");
    EXPECT_EQ(ErrorDisplayText("I/O error 32"), "I/O error 32.");
    EXPECT_EQ(ErrorDisplayText("Done."), "Done.");
    EXPECT_EQ(ErrorDisplayText("ends with space "), "ends with space ");
    EXPECT_EQ(ErrorDisplayText("(paren)"), "(paren)");
    EXPECT_EQ(ErrorDisplayText("dash-"), "dash-");    // '-' is below '.'
    EXPECT_EQ(ErrorDisplayText("slash/"), "slash/."); // '/' is above '.'
    EXPECT_EQ(ErrorDisplayText(""), "");
    EXPECT_EQ(ErrorDisplayText("\xC4\xE0"), "\xC4\xE0."); // Cyrillic bytes are above '.'
}

TEST(ErrorDisplay, TitleIsTheProgramNameCapitalised)
{
    const std::string title = ApplicationTitle();
    ASSERT_FALSE(title.empty());
    EXPECT_TRUE(title[0] >= 'A' && title[0] <= 'Z') << title;
    EXPECT_EQ(title.substr(1), QString::fromStdString(title.substr(1)).toLower().toStdString());
}

TEST(Dispatcher, ShowsAnEscapingErrorAndTheProgramGoesOn)
{
    auto form = MakeForm();
    bool after = false;
    form->Dispatch([] { throw EInvalidOp("Invalid floating point operation"); });
    form->Dispatch([] { throw std::bad_alloc(); });
    // A worker that cannot start, as the library reports it.
    form->Dispatch(
        [] { throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again)); });
    form->Dispatch([&] { after = true; });
    ASSERT_EQ(ShownErrors().size(), 3u);
    EXPECT_EQ(ShownErrors()[0].text, "Invalid floating point operation.");
    EXPECT_EQ(ShownErrors()[0].title, ApplicationTitle());
    EXPECT_EQ(ShownErrors()[1].text, "Out of memory.");
    EXPECT_EQ(ShownErrors()[2].text, "Resource temporarily unavailable.");
    EXPECT_TRUE(after);
}

TEST(Dispatcher, AControlEventRunsThroughIt)
{
    auto form = MakeForm();
    // A maximum below the frozen minimum is refused by the axis; the click
    // handler's error reaches the display instead of ending the program, and
    // the axis stays as it was.
    form->CheckBoxAutoX->setChecked(false);
    form->EditMaxX->setText("-1000000");
    form->ChartF->BottomAxis().SetBothEnds(0, 10);
    form->ButtonXAxis->click();
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text, "Axis Maximum Value must be >= Minimum.");
    EXPECT_EQ(form->ChartF->BottomAxis().Maximum(), 10);
}

TEST(FormProgress, AnEmptyParseLeavesTheBarStillAndEmpty)
{
    auto form = MakeForm();
    form->ButtonDataRefresh->click(); // parses the empty data pane
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    // A 0..0 range would make Qt animate the bar as busy.
    EXPECT_GT(form->ProgressBar1->maximum(), form->ProgressBar1->minimum());
    EXPECT_EQ(form->PanelText(2), Cp("Данные: ошибка в строке 1 в позиции 0"));
}
