// The window on small screens, its keys, where it restores to, where the file
// dialog opens and Qt's own texts in the user's language.
#include "window_run_support.h"

#include "app/dialog_folder.h"
#include "app/window_placement.h"
#include "chart/paint/plot.h"
#include "widgets/status_panels.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include "widgets/qt_translation.h"

namespace {

std::unique_ptr<TForm1> ShownForm(QSize size)
{
    auto form = MakeForm();
    form->show();
    form->resize(size);
    QCoreApplication::processEvents();
    return form;
}

// The controls of the parameter column that a user reads or operates.
std::vector<QWidget*> ParameterControls(TForm1& form)
{
    std::vector<QWidget*> controls{form.ButtonDataRefresh};
    for (QGroupBox* group : form.PanelLeft->findChildren<QGroupBox*>()) {
        controls.push_back(group);
        for (QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            controls.push_back(child);
    }
    return controls;
}

QRect InWindow(const QWidget* widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

} // namespace

TEST(WindowSizes, SidePanelsKeepTheirWidthsAndEveryParameterCanBeScrolledIntoView)
{
    for (QSize size :
         {QSize(1024, 600), QSize(1280, 680), QSize(1366, 700), QSize(1027, 672 + 20), QSize(1600, 1000)}) {
        SCOPED_TRACE(size.height());
        auto form = ShownForm(size);
        auto* scroll = form->PanelLeft->findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        const std::vector<QWidget*> controls = ParameterControls(*form);
        ASSERT_EQ(controls.size(), 34u);
        // Siblings never overlap: the groups and the data "Старт" in the
        // column, the controls inside each group.
        for (QWidget* a : controls) {
            for (QWidget* b : controls) {
                if (a >= b || a->parentWidget() != b->parentWidget() || !a->isVisibleTo(form.get()) ||
                    !b->isVisibleTo(form.get()))
                    continue;
                // The design's stacked groups share their one-pixel frame line.
                const QRect common = a->geometry().intersected(b->geometry());
                EXPECT_TRUE(common.isEmpty() || common.height() == 1)
                    << a->metaObject()->className() << " " << a->x() << "," << a->y() << " / "
                    << b->metaObject()->className() << " " << b->x() << "," << b->y();
            }
        }
        // The groups keep their design heights, so the lower ones cannot cover the upper ones.
        EXPECT_EQ(form->GroupBox5->height(), 97);
        EXPECT_GE(InWindow(form->GroupBox6).top(), InWindow(form->GroupBox5).bottom());
        // Every control whole on screen once scrolled to, at its design width.
        for (QWidget* control : controls) {
            scroll->ensureWidgetVisible(control, 0, 0);
            QCoreApplication::processEvents();
            const QRect inViewport(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
            EXPECT_TRUE(scroll->viewport()->rect().contains(inViewport))
                << control->metaObject()->className() << " at " << control->y();
        }
        EXPECT_EQ(form->GroupBox2->width(), 193);
        EXPECT_EQ(form->ButtonDataRefresh->width(), 191);
        // The bar appears only below the design height, beside the controls.
        const bool scrolls = size.height() < 672 + form->menuBar()->height();
        EXPECT_EQ(scroll->verticalScrollBar()->isVisible(), scrolls);
        EXPECT_EQ(form->PanelLeft->width(), 210 + (scrolls ? scroll->verticalScrollBar()->width() : 0));
        EXPECT_EQ(form->PanelRight->width(), 165);
        EXPECT_EQ(form->ChartSpectr->height(), 264);
        // The charts take what the side panels, the splitter and four bevels leave.
        EXPECT_EQ(form->ChartF->width(), form->width() - form->PanelLeft->width() - 3 - 165 - 4);
        // Status panels edge to edge from the left; the last one to the right end.
        const int lefts[4] = {0, 150, 300, 550};
        for (int i = 0; i < 4; ++i) {
            const QRect panel = form->StatusBar1->Panel(i)->geometry();
            EXPECT_EQ(panel.left(), lefts[i]) << i;
            EXPECT_EQ(panel.right() + 1, i < 3 ? lefts[i + 1] : form->StatusBar1->width()) << i;
            EXPECT_EQ(panel.height(), form->StatusBar1->height()) << i;
        }
        EXPECT_EQ(form->StatusBar1->width(), form->width());
    }
}

TEST(SmallScreen, TheSmallestWindowKeepsBothChartsWithRoomForTheirAxes)
{
    auto form = ShownForm(QSize(100, 100));
    EXPECT_LE(form->width(), 1024);
    EXPECT_LE(form->height(), 600 - 60); // a title bar and a desktop panel beside it
    EXPECT_GE(form->ChartF->height(), 160);
    EXPECT_GE(form->ChartF->width(), 240);
    EXPECT_EQ(form->ChartSpectr->height(), 264);
    EXPECT_TRUE(form->ChartF->isVisible());
}

TEST(RestoredWindow, TakesTheDesignSizeCentredWithItsTitleBarOnScreen)
{
    const QMargins frame(4, 28, 4, 4);
    // A large screen: the design's size, centred with its frame.
    const QRect big = RestoredGeometry(QRect(0, 0, 1920, 1040), QSize(1027, 692), frame);
    EXPECT_EQ(big.size(), QSize(1027, 692));
    EXPECT_EQ(big.left() - frame.left(), (1920 - 1027 - 8) / 2);
    EXPECT_EQ(big.top() - frame.top(), (1040 - 692 - 32) / 2);
    // A screen smaller than the design, beside a panel at its top: the frame
    // fills the available area exactly and the title bar starts on it.
    const QRect available(0, 32, 1024, 568);
    const QRect small = RestoredGeometry(available, QSize(1027, 692), frame);
    EXPECT_EQ(small.top() - frame.top(), available.top());
    EXPECT_EQ(small.left() - frame.left(), 0);
    EXPECT_EQ(small.size(), QSize(1024 - 8, 568 - 32));
}

TEST(FileDialogFolder, TheProgramsFolderWhenWritableElseWhereItWasStarted)
{
    auto form = MakeForm();
    QString asked;
    form->ChooseDataFile = [&asked](const QString& folder) {
        asked = folder;
        return QString();
    };
    form->NLoad->trigger();
    EXPECT_EQ(asked, QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    EXPECT_EQ(form->StartFolder, QDir::currentPath() + QLatin1Char('/'));
    // Even root may not write a process's folder under /proc.
    EXPECT_EQ(DataDialogFolder(QStringLiteral("/proc/1/"), QStringLiteral("/home/user/")),
              QStringLiteral("/home/user/"));
}

TEST(QtTranslation, QtsOwnTextsSpeakTheUsersLanguage)
{
    const QString english = QCoreApplication::translate("QPlatformTheme", "Cancel");
    ASSERT_TRUE(InstallQtTranslation(QLocale(QLocale::Russian, QLocale::Russia)));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Отмена"));
    EXPECT_FALSE(InstallQtTranslation(QLocale(QLocale::Zulu)));
    for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>())
        QCoreApplication::removeTranslator(t);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), english);
}

class Keys : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = ShownForm(QSize(1280, 800));
        form_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    }
    void Press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(target, Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
    }
    // A Cyrillic letter with Alt, as a Russian keyboard layout delivers it.
    void AltLetter(QWidget* target, const char* upperUtf8)
    {
        const QString letter = QString::fromUtf8(upperUtf8);
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(letter[0].unicode()), letter.toLower(),
                            Qt::AltModifier);
        QCoreApplication::processEvents();
    }
    std::unique_ptr<TForm1> form_;
};

TEST_F(Keys, EachRunHasItsFunctionKeyNamedInItsTooltip)
{
    form_->RichEdit1->SetText(Lines({"1", "3", "2", "5", "4", "6", "1", "3"}));
    SetEdit(form_->EditADC, "1");
    form_->RichEdit2->SetText(Lines({"3", "2"}));
    SetEdit(form_->EditADCpat, "1");
    SetEdit(form_->EditWidthPattern, "2");
    form_->EditMaxX->setFocus(); // keys work from any control

    Press(form_->EditMaxX, Qt::Key_F5);
    EXPECT_EQ(form_->Series2->PointCount(), 8);
    EXPECT_GT(form_->Series1->PointCount(), 0);
    Press(form_->EditMaxX, Qt::Key_F6);
    EXPECT_EQ(form_->Series4->PointCount(), 2);
    Press(form_->EditMaxX, Qt::Key_F7);
    EXPECT_EQ(form_->Series3->PointCount(), 7);
    form_->Series3->ClearPoints();
    Press(form_->RichEdit1, Qt::Key_F8);
    EXPECT_EQ(form_->Series3->PointCount(), 7);
    EXPECT_TRUE(ShownErrors().empty());

    EXPECT_TRUE(form_->ButtonDataRefresh->toolTip().contains(QStringLiteral("F5")));
    EXPECT_TRUE(form_->ButtonGraphPat->toolTip().contains(QStringLiteral("F6")));
    EXPECT_TRUE(form_->ButtonStartPatKor->toolTip().contains(QStringLiteral("F7")));
    EXPECT_TRUE(form_->ButtonStartAutoKor->toolTip().contains(QStringLiteral("F8")));
    // The design's tab stops stay as they were.
    EXPECT_EQ(form_->ButtonDataRefresh->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(form_->EditKmax->focusPolicy(), Qt::ClickFocus);
}

TEST_F(Keys, MenuKeysOpenTheMenusLoadAndQuit)
{
    // Alt and the underlined letter, from an edit box that would type it.
    form_->EditMaxX->setFocus();
    AltLetter(form_->EditMaxX, "Ф");
    EXPECT_EQ(form_->EditMaxX->text(), QStringLiteral("100"));
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), form_->NFile->menu());
    QApplication::activePopupWidget()->close();
    AltLetter(form_->RichEdit1, "И");
    EXPECT_EQ(QApplication::activePopupWidget(), form_->N3->menu());
    QApplication::activePopupWidget()->close();
    Press(form_->EditMaxX, Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), form_->NFile->menu());
    QApplication::activePopupWidget()->close();

    int dialogs = 0;
    form_->ChooseDataFile = [&dialogs](const QString&) {
        ++dialogs;
        return QString();
    };
    Press(form_->EditMaxX, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs, 1);
    Press(form_->EditMaxX, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(form_->BuffersFreed());
}

TEST_F(Keys, EscapeClosesTheAboutPanelAndEnterPressesAFocusedButton)
{
    form_->OpenBrowser = [](const QString&) {};
    AltLetter(form_->EditMaxX, "О");
    ASSERT_TRUE(form_->PanelAbout->isVisible());
    Press(form_->EditMaxX, Qt::Key_Escape);
    EXPECT_FALSE(form_->PanelAbout->isVisible());

    form_->RichEdit1->SetText(Lines({"1", "2", "3"}));
    form_->CheckBoxAutoX->setChecked(false);
    SetEdit(form_->EditMaxX, "50");
    form_->ButtonXAxis->setFocus();
    Press(form_->ButtonXAxis, Qt::Key_Return);
    EXPECT_FALSE(form_->ChartF->BottomAxis().Automatic());
    EXPECT_EQ(form_->ChartF->BottomAxis().Maximum(), 50);
    form_->CheckBoxAutoX->setChecked(true);
    Press(form_->ButtonXAxis, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(form_->ChartF->BottomAxis().Automatic());
}
