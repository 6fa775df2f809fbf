// Export, the test data generator and the about panel.
#include "app/main_window.h"
#include "app/long_run.h"

#include "chart/paint/plot.h"
#include "numbers/random.h"
#include "runtime/code_page.h"
#include "tools/about_text.h"
#include "tools/export_table.h"
#include "tools/test_signal.h"
#include "widgets/qt_text.h"
#include "widgets/rich_pane.h"

#include <QPlainTextEdit>

void TForm1::NSpectrClick() { ExportTable(kExportSpectrum); }

void TForm1::NKorrClick() { ExportTable(kExportCorrelation); }

void TForm1::ExportTable(int kind)
{
    // The worker reads the charts while the window only paints them.
    LongRun->Step("Экспорт", [&] { ExportTableFile(kind, *ChartSpectr, *ChartF, Progress()); });
}

void TForm1::NGenClick()
{
    RichEdit1->Clear();
    SeedFromClock();
    GenerateTestLines([this](std::string_view line) { RichEdit1->AppendLine(line); });
}

void TForm1::NAboutClick()
{
    // A browser that does not start is not reported.
    OpenBrowser(QString::fromLatin1(kMakerWebPage));
    const TPanelOrigin origin =
        CentredOrigin(PanelMain->width(), PanelMain->height(), PanelAbout->width(), PanelAbout->height());
    PanelAbout->move(origin.Left, origin.Top);
    PanelAbout->show();
    PanelAbout->raise();
    for (const std::string& line : AboutMemoLines(&ProgramVersionInfo()))
        Memo1->appendPlainText(FromCp1251(line));
}

void TForm1::Button1Click() { PanelAbout->hide(); }
