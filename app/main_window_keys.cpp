// The keyboard: menu keys, a key for each run, Escape for the about panel and
// Enter on buttons. Every key reaches its handler through the same control or
// action the mouse uses, so it runs through the one dispatcher.
#include "app/main_window.h"
#include "widgets/enter_press.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

namespace {

// A window-wide key that presses the button, named in the button's tooltip.
void KeyForButton(TForm1* form, QPushButton* button, Qt::Key key, const char* tipUtf8)
{
    auto* action = new QAction(form);
    action->setShortcut(QKeySequence(key));
    form->addAction(action);
    QObject::connect(action, &QAction::triggered, button, &QPushButton::click);
    button->setToolTip(QString::fromUtf8(tipUtf8) + QStringLiteral(" (") +
                       QKeySequence(key).toString(QKeySequence::NativeText) + QLatin1Char(')'));
}

} // namespace

void TForm1::BindKeys()
{
    NLoad->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    NExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    KeyForButton(this, ButtonDataRefresh, Qt::Key_F5, "Спектр данных");
    KeyForButton(this, ButtonGraphPat, Qt::Key_F6, "Построить график образа");
    KeyForButton(this, ButtonStartPatKor, Qt::Key_F7, "Корреляция с образом");
    KeyForButton(this, ButtonStartAutoKor, Qt::Key_F8, "Автокорреляция");

    // F10 opens the first menu, as on the desktops the layout comes from.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(NFile); });
    // Escape closes the about panel while it is shown, as its "Закрыть" does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, [this] {
        if (PanelAbout->isVisible())
            Button1->click();
    });
    for (QPushButton* button : findChildren<QPushButton*>())
        PressOnEnter(button);
}
