#include "app/start_file.h"

#include "app/main_window.h"

#include <QFile>

void LoadStartFile(TForm1& form, const std::string& path)
{
    if (path.empty())
        return;
    const QString name = QFile::decodeName(path.c_str());
    QMetaObject::invokeMethod(
        &form, [&form, name] { form.Dispatch([&form, name] { form.LoadDataFile(name); }); },
        Qt::QueuedConnection);
}
