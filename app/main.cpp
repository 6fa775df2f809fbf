// Program start: the application, the one window, the message loop.
#include "app/main_window.h"
#include "numbers/float_model.h"
#include "widgets/system_locale.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ResetFpMode();
    ReadLocaleSeparators();
    TForm1 form;
    // Without a window manager (a bare X server) maximizing is only a hint.
    if (QScreen* screen = form.screen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}
