#include "app/dialog_folder.h"

#include <QFileInfo>

QString DataDialogFolder(const QString& programFolder, const QString& startFolder)
{
    return QFileInfo(programFolder).isWritable() ? programFolder : startFolder;
}
