// Program start: the application, the one window, the message loop.
#include "app/main_window.h"
#include "app/program_icon.h"
#include "app/window_placement.h"
#include "numbers/float_model.h"
#include "widgets/qt_translation.h"
#include "widgets/system_locale.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The desktop entry's name lets a Wayland shell find the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.dorvin.dftscope"));
    QApplication::setWindowIcon(ProgramIcon());
    InstallQtTranslation(QLocale::system());
    ResetFpMode();
    ReadLocaleSeparators();
    TForm1 form;
    // The size and place the window takes when the user restores it.
    if (QScreen* screen = form.screen())
        form.setGeometry(RestoredGeometry(screen->availableGeometry(), DesignClientSize(form), kUsualFrame));
    form.showMaximized();
    return app.exec();
}
