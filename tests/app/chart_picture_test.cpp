// The charts' picture menu on the real window: a right click opens it; its
// commands put the chart's picture on the clipboard or into a PNG file, and a
// failed save names the file and leaves none.
#include "window_run_support.h"

#include "chart/paint/plot.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class ChartPictureMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        form_ = MakeForm();
        RunSpectrum(*form_, Lines({"1", "-2", "3", "0.5", "2", "-1", "0", "4"}), "10");
        form_->ChooseImageFile = [this](const QString& folder) {
            dialogFolder_ = folder;
            ++dialogs_;
            return answer_;
        };
    }
    void TearDown() override
    {
        for (TPlot* chart : {form_->ChartF, form_->ChartSpectr})
            if (chart->PictureMenu() != nullptr)
                chart->PictureMenu()->hide();
    }

    // A right click in the middle of the chart; the menu it opened.
    static QMenu* RightClick(TPlot* chart)
    {
        chart->RenderNow();
        QTest::mouseClick(chart, Qt::RightButton, Qt::NoModifier, chart->rect().center());
        QMenu* menu = chart->PictureMenu();
        EXPECT_TRUE(menu != nullptr && menu->isVisible());
        return menu;
    }
    // "Сохранить изображение…" from the chart's menu.
    void Save(TPlot* chart)
    {
        QMenu* menu = RightClick(chart);
        ASSERT_NE(menu, nullptr);
        menu->actions().at(1)->trigger();
        menu->hide();
    }
    QStringList Files() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    QTemporaryDir dir_;
    std::unique_ptr<TForm1> form_;
    QString answer_;
    QString dialogFolder_;
    int dialogs_ = 0;
};

} // namespace

TEST_F(ChartPictureMenu, ARightClickOpensItAndCopyPutsThePictureOnTheClipboardAtTheRatio)
{
    for (TPlot* chart : {form_->ChartF, form_->ChartSpectr}) {
        for (int ratio : {1, 2}) {
            SCOPED_TRACE(ratio);
            chart->SetPixelRatio(ratio);
            QMenu* menu = RightClick(chart);
            ASSERT_NE(menu, nullptr);
            ASSERT_EQ(menu->actions().size(), 2);
            EXPECT_EQ(menu->actions()[0]->text(), QString::fromUtf8("Копировать изображение"));
            EXPECT_EQ(menu->actions()[1]->text(), QString::fromUtf8("Сохранить изображение\u2026"));
            QGuiApplication::clipboard()->clear();
            menu->actions()[0]->trigger();
            menu->hide();
            const QImage copied = QGuiApplication::clipboard()->image();
            EXPECT_EQ(copied.size(), chart->size() * ratio);
            EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), chart->RenderNow());
        }
        chart->SetPixelRatio(0);
    }
    EXPECT_EQ(dialogs_, 0);
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(ChartPictureMenu, SaveWritesAPngOfTheChartsPixelsReplacingAnOlderFile)
{
    TPlot* chart = form_->ChartSpectr;
    chart->SetPixelRatio(2);
    answer_ = dir_.filePath(QString::fromUtf8("спектр.png"));
    std::ofstream(answer_.toStdString()) << "an older file";
    Save(chart);
    EXPECT_EQ(dialogs_, 1);
    EXPECT_EQ(dialogFolder_, QDir::currentPath());
    const QImage saved(answer_, "PNG");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), chart->size() * 2);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), chart->RenderNow());
    // Shown at the chart's size in a report: twice the pixels, twice the resolution.
    EXPECT_EQ(saved.dotsPerMeterX(), 2 * QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX());
    EXPECT_EQ(Files(), QStringList{QFileInfo(answer_).fileName()}) << "no temporary file left";

    // Cancelling the dialog writes nothing.
    QFile::remove(answer_);
    answer_.clear();
    Save(chart);
    EXPECT_EQ(dialogs_, 2);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(ChartPictureMenu, AFailedSaveNamesThePathAndTheReasonAndLeavesNoFile)
{
    // Targets that fail even for root: a folder that does not exist, and /proc.
    for (const QString& target :
         {dir_.filePath("missing/chart.png"), QStringLiteral("/proc/dftscope-chart.png")}) {
        ClearShownErrors();
        answer_ = target;
        Save(form_->ChartF);
        ASSERT_EQ(ShownErrors().size(), 1u) << target.toStdString();
        const std::string text = ShownErrors()[0].text;
        const std::string named = "Cannot create file \"" + target.toStdString() + "\". ";
        EXPECT_EQ(text.rfind(named, 0), 0u) << text;
        EXPECT_GT(text.size(), named.size() + 1) << "a reason follows the path";
        EXPECT_EQ(ShownErrors()[0].title, ApplicationTitle());
        EXPECT_FALSE(QFileInfo::exists(target));
    }
    EXPECT_TRUE(Files().isEmpty());
}
