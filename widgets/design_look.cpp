#include "widgets/design_look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

void UseDesignStyle()
{
    const QString name = QStringLiteral("windows");
    if (QApplication::style()->name().compare(name, Qt::CaseInsensitive) == 0)
        return;
    if (QStyle* style = QStyleFactory::create(name))
        QApplication::setStyle(style);
}

QFont CaptionFont(int pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    return font;
}
