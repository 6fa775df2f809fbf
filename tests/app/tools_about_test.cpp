// The About command and the panel's Close button on the real window.
#include "app_test_support.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QStringList MemoLines(const QPlainTextEdit& memo) { return memo.toPlainText().split(QLatin1Char('\n')); }

} // namespace

TEST(ToolsAbout, CentresShowsAndRaisesThePanelAndOpensTheMakersPage)
{
    auto form = MakeForm();
    QStringList opened;
    form->OpenBrowser = [&](const QString& url) { opened << url; };
    form->PanelMain->resize(649, 649);
    form->NAbout->trigger();
    ASSERT_TRUE(ShownErrors().empty());
    EXPECT_EQ(opened, QStringList{"http://www.dorvin.example/"});
    EXPECT_EQ(form->PanelAbout->pos(), QPoint(188, 230));
    EXPECT_EQ(form->PanelAbout->size(), QSize(273, 189));
    EXPECT_FALSE(form->PanelAbout->isHidden());
    // Raised: the last of PanelMain's children, drawn above the charts.
    QWidget* top = nullptr;
    for (QObject* child : form->PanelMain->children())
        if (auto* w = qobject_cast<QWidget*>(child))
            top = w;
    EXPECT_EQ(top, form->PanelAbout);
    // The lines are AboutMemoLines' (tests/tools); here they reach the memo as text.
    const QStringList lines = MemoLines(*form->Memo1);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.front(), QString::fromUtf8("Компания: Dorvin"));
    EXPECT_EQ(lines.back(), QStringLiteral("http://www.dorvin.example/"));
}

TEST(ToolsAbout, CloseHidesAndTheMemoKeepsEveryUse)
{
    auto form = MakeForm();
    int opened = 0;
    form->OpenBrowser = [&](const QString&) { ++opened; };
    form->NAbout->trigger();
    form->Button1->click();
    EXPECT_TRUE(form->PanelAbout->isHidden());
    EXPECT_EQ(MemoLines(*form->Memo1).size(), 5);
    form->PanelMain->resize(400, 300);
    form->NAbout->trigger();
    EXPECT_FALSE(form->PanelAbout->isHidden());
    EXPECT_EQ(form->PanelAbout->pos(), QPoint(63, 55));
    const QStringList lines = MemoLines(*form->Memo1);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.mid(0, 5), lines.mid(5, 5));
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(ShownErrors().empty());
}

TEST(ToolsAbout, ThePanelIsOpaqueInTheButtonFaceOverTheCharts)
{
    auto form = MakeForm();
    form->OpenBrowser = [](const QString&) {};
    form->resize(1043, 730);
    form->show();
    form->NAbout->trigger();
    QCoreApplication::processEvents();
    const QImage shown = form->PanelMain->grab().toImage();
    // Left of the Close button, below the memo: nothing but the panel itself.
    const QPoint inside = form->PanelAbout->pos() + QPoint(10, 160);
    const QColor face = form->PanelAbout->palette().color(QPalette::Button);
    EXPECT_EQ(shown.pixelColor(inside), face);
    // The same row just left of the panel is chart.
    EXPECT_NE(shown.pixelColor(inside - QPoint(20, 0)), face);
}
