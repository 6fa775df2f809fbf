// Program start: the application, the one window, the message loop.
#include "app/main_window.h"
#include "text/locale_separators.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ReadLocaleSeparators();
    TForm1 form;
    form.showMaximized();
    return app.exec();
}
