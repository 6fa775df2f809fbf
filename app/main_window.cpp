#include "app/main_window.h"
#include "app/long_run.h"
#include "app/window_placement.h"

#include "chart/model/axis_panel.h"
#include "chart/paint/plot.h"
#include "numbers/float_model.h"
#include "numbers/locale_separators.h"
#include "numbers/number_format.h"
#include "runtime/code_page.h"
#include "runtime/progress.h"
#include "widgets/error_display.h"
#include "widgets/qt_text.h"
#include "widgets/rich_pane.h"
#include "widgets/status_panels.h"
#include "widgets/system_locale.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

QString ChooseWithDialog(QWidget* parent, const QString& folder)
{
    // Linux names are case-sensitive; the filter must still take ".dat" as ".DAT".
    return QFileDialog::getOpenFileName(
        parent, QString(), folder, QStringLiteral("Sampex (*.[Dd][Aa][Tt])"), nullptr,
        QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), StartFolder(QDir::currentPath() + QLatin1Char('/'))
{
    CreateLayout();
    CreateMenu();
    progress_ = std::make_unique<TRunProgress>(ProgressBar1);
    LongRun = std::make_unique<TLongRun>(*this, *progress_);
    ChooseDataFile = [this](const QString& folder) { return ChooseWithDialog(this, folder); };
    OpenBrowser = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
    BindHandlers();
    BindKeys();
    AcceptFileDrops();
    BindChartPictures();
    Dispatch([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::Dispatch(const std::function<void()>& handler)
{
    // The window's input waits while a command's work runs; what comes
    // another way (a queued drop, a key's action) is ignored likewise.
    if (LongRun->StepRunning())
        return;
    LongRun->BeginCommand();
    struct TCommandEnd {
        TForm1& form;
        ~TCommandEnd()
        {
            form.LongRun->EndCommand();
            // A close asked for while the command's work ran, once the
            // outermost handler has ended.
            if (form.closeAfterRun_ && !form.LongRun->CommandRunning())
                QTimer::singleShot(0, &form, [f = &form] {
                    f->closeAfterRun_ = false;
                    f->close();
                });
        }
    } commandEnd{*this};
    // A fault flag left over from elsewhere must not be blamed on this handler.
    ClearFpFaults();
    try {
        handler();
    } catch (const ERunStopped& stopped) {
        ResetFpMode();
        SetPanelText(2, stopped.Message());
    } catch (const Exception& error) {
        ResetFpMode();
        LongRun->CloseDialog();
        ShowError(error);
    } catch (const std::bad_alloc&) {
        ResetFpMode();
        LongRun->CloseDialog();
        ShowError(std::string("Out of memory"));
    } catch (const std::exception& error) {
        // Anything else the libraries raise (a worker that could not start,
        // say) ends the handler, not the program.
        ResetFpMode();
        LongRun->CloseDialog();
        ShowError(std::string(error.what()));
    }
}

void TForm1::SetPanelText(int index, const std::string& text)
{
    StatusBar1->Panel(index)->setText(FromCp1251(text));
}

std::string TForm1::PanelText(int index) const { return ToCp1251(StatusBar1->Panel(index)->text()); }

void TForm1::ShowMeanPanel()
{
    // The product is taken in extended precision before truncation.
    const long double inAdcUnits = static_cast<long double>(DFT->AdcScale) * DFT->DataMean;
    SetPanelText(1,
                 Cp("Среднее: ") + GeneralText(DFT->DataMean, 4, 4) + " / " + IntegerText(Trunc(inAdcUnits)));
}

TProgress& TForm1::Progress() { return *progress_; }

void TForm1::FormCreate()
{
    DFT = std::make_unique<TDFT>();
    CheckBoxAutoX->setChecked(true);
    ChartF->BottomAxis().SetAutomatic(CheckBoxAutoX->isChecked());
    State.DataValues = std::make_unique<TMemoryBuffer>();
    State.PatternValues = std::make_unique<TMemoryBuffer>();
    State.PatternCodes = std::make_unique<TMemoryBuffer>();
    RichEdit1->Clear();
    RichEdit2->Clear();
    State.DataReady = false;
    State.PatternReady = false;
    State.DataDirty = true;
}

void TForm1::FormClose()
{
    if (buffersFreed_)
        return;
    buffersFreed_ = true;
    State.DataValues.reset();
    DFT->SinTable.reset();
    DFT->CosTable.reset();
    DFT->DataCodes.reset();
    State.PatternValues.reset();
    State.PatternCodes.reset();
}

void TForm1::NExitClick() { close(); }

void TForm1::RichEdit1Change() { State.DataDirty = true; }

void TForm1::RichEdit2Change() { State.PatternDirty = true; }

void TForm1::closeEvent(QCloseEvent* event)
{
    // The buffers are freed only once no worker uses them: a close during a
    // command stops its work and closes the window after it.
    if (LongRun->StepRunning()) {
        closeAfterRun_ = true;
        progress_->AskStop();
        event->ignore();
        return;
    }
    Dispatch([this] { FormClose(); });
    event->accept();
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        ReadLocaleSeparators();
    // Checked once the window manager has placed the restored window.
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMaximized) && !isMaximized())
        QTimer::singleShot(0, this, [this] { KeepInsideScreen(*this); });
    QMainWindow::changeEvent(event);
}
