// The charts' picture menu: the picture onto the clipboard or into a PNG file.
#include "app/chart_picture.h"
#include "app/main_window.h"
#include "chart/paint/plot.h"
#include "runtime/code_page.h"
#include "widgets/clipboard.h"
#include "widgets/qt_text.h"

#include <QDir>
#include <QFileDialog>

namespace {

QString ChooseImageWithDialog(QWidget* parent, const QString& folder)
{
    QFileDialog dialog(parent, FromCp1251(Cp("Сохранить изображение")), folder,
                       QStringLiteral("PNG (*.png)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

} // namespace

void TForm1::BindChartPictures()
{
    ChooseImageFile = [this](const QString& folder) { return ChooseImageWithDialog(this, folder); };
    for (TPlot* chart : {ChartF, ChartSpectr}) {
        connect(chart, &TPlot::CopyPictureRequested, this,
                [this, chart] { Dispatch([this, chart] { ChartCopyPictureClick(*chart); }); });
        connect(chart, &TPlot::SavePictureRequested, this,
                [this, chart] { Dispatch([this, chart] { ChartSavePictureClick(*chart); }); });
    }
}

void TForm1::ChartCopyPictureClick(TPlot& chart) { SetClipboardImage(ChartPicture(chart)); }

void TForm1::ChartSavePictureClick(TPlot& chart)
{
    // The folder the exports go to: that of the last loaded data file.
    const QString path = ChooseImageFile(QDir::currentPath());
    if (!path.isEmpty())
        SavePictureFile(ChartPicture(chart), path);
}
