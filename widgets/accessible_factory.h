#pragma once
// One accessibility factory per widget class of ours: objects of class
// Widget answer through Interface, a QAccessibleWidget built on the widget.
// Qt asks the factories with the class name of each object it meets.
#include <QAccessible>

template <class Widget, class Interface>
void InstallAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString& className, QObject* object) -> QAccessibleInterface* {
            if (object && className == QLatin1String(Widget::staticMetaObject.className()))
                return new Interface(static_cast<Widget*>(object));
            return nullptr;
        });
        return true;
    }();
    (void)installed;
}
