#include "widgets/error_display.h"

#include "runtime/code_page.h"
#include "widgets/qt_text.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

namespace {

void ShowMessageBox(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::Critical, FromCp1251(title), FromCp1251(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

ErrorSink& Sink()
{
    static ErrorSink sink = ShowMessageBox;
    return sink;
}

} // namespace

std::string ApplicationTitle()
{
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        name = QCoreApplication::applicationName();
    name = name.toLower();
    if (!name.isEmpty())
        name[0] = name[0].toUpper();
    return ToCp1251(name);
}

void ShowError(const Exception& error) { ShowError(error.Message()); }

void ShowError(const std::string& message)
{
    // A drag in progress must not keep the mouse while the box is up.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    Sink()(ErrorDisplayText(message), ApplicationTitle());
}

ErrorSink SetErrorSink(ErrorSink sink)
{
    ErrorSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}
