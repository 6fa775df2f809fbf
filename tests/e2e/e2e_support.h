#pragma once
// The end-to-end fixture: a fresh window shown offscreen, a temporary folder
// that is the current directory (the exports land there), the file dialog
// answered with a file written into it, and the user's gestures on the charts
// as real mouse events.
#include "window_run_support.h"

#include "chart/paint/plot.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

// A curve's values as the codes and percentages they are.
inline std::vector<int32_t> Ints(const TSeries& series)
{
    std::vector<int32_t> ys;
    for (const double y : YValues(series))
        ys.push_back(int32_t(y));
    return ys;
}

// The pixel where a point of the series was drawn by the chart's last paint.
inline QPoint PixelOf(const TPlot* chart, const TSeries& series, int index)
{
    for (int i = 0; i < chart->SeriesTotal(); ++i) {
        if (chart->SeriesAt(i) == &series) {
            const TPixelPoint p = chart->Frame().SeriesAt(i).PixelOf(series, index);
            return {p.X, p.Y};
        }
    }
    ADD_FAILURE() << "the series is not on this chart";
    return {};
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        startDir_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        form_ = MakeForm();
        form_->ChooseDataFile = [this](const QString&) { return answer_; };
        form_->resize(1280, 800);
        form_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    }
    void TearDown() override
    {
        form_.reset();
        QDir::setCurrent(startDir_);
    }

    std::string PathIn(const char* name) const
    {
        return dir_.filePath(QString::fromLatin1(name)).toStdString();
    }
    // Writes the bytes into the folder and makes the file the dialog's answer.
    void AnswerDialogWith(const std::string& bytes, const char* name = "signal.DAT")
    {
        answer_ = QString::fromStdString(PathIn(name));
        std::ofstream(PathIn(name), std::ios::binary) << bytes;
    }
    void LoadDataFile() { form_->NLoad->trigger(); }

    // Paints the chart as the screen would, then clicks there.
    void ClickPoint(TPlot* chart, TSeries& series, int index)
    {
        chart->RenderNow();
        QTest::mouseClick(chart, Qt::LeftButton, Qt::NoModifier, PixelOf(chart, series, index));
    }
    void LeftDrag(TPlot* chart, QPoint from, QPoint to)
    {
        chart->RenderNow();
        QTest::mousePress(chart, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(chart, to);
        QTest::mouseRelease(chart, Qt::LeftButton, Qt::NoModifier, to);
    }

    QTemporaryDir dir_;
    QString startDir_;
    std::unique_ptr<TForm1> form_;
    QString answer_;
};
