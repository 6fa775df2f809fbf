// Program start: the application, the one window, the message loop.
#include "app/main_window.h"
#include "app/program_icon.h"
#include "app/start_file.h"
#include "app/window_placement.h"
#include "numbers/float_model.h"
#include "runtime/large_pages.h"
#include "tools/command_line.h"
#include "widgets/qt_translation.h"
#include "widgets/system_locale.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

int main(int argc, char** argv)
{
    UseLargePages(argv);
    // Answered before QApplication, which needs a display.
    const TStartRequest request = ReadStartArguments({argv + 1, size_t(argc - 1)});
    if (request.action != TStartRequest::OpenWindow)
        return AnswerWithoutWindow(request);
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
    LoadStartFile(form, request.file);
    return app.exec();
}
