#pragma once
// The folder the data file dialog opens in. A portable copy keeps its data in
// the program's folder; an installed program's folder (/usr/bin) is one the
// user cannot write and holds no data, so the dialog opens where the program
// was started instead (a desktop starts programs in the home folder).
#include <QString>

QString DataDialogFolder(const QString& programFolder, const QString& startFolder);
