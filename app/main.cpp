// Program start: the application, the one window, the message loop.
#include "app/main_window.h"
#include "app/program_icon.h"
#include "numbers/float_model.h"
#include "widgets/system_locale.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The desktop entry's name lets a Wayland shell find the window's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.dorvin.dftscope"));
    QApplication::setWindowIcon(ProgramIcon());
    ResetFpMode();
    ReadLocaleSeparators();
    TForm1 form;
    // Without a window manager (a bare X server) maximizing is only a hint.
    if (QScreen* screen = form.screen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}
