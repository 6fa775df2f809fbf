#include "app/program_icon.h"

QIcon ProgramIcon()
{
    return QIcon::fromTheme(QStringLiteral("dftscope"), QIcon(QStringLiteral(":/icons/dftscope.png")));
}
