// The window as a desktop program: a file dropped on it loads as the menu's
// data file load does, on the pattern pane it becomes the pattern, other drops
// change nothing, and it carries its icon.
#include "app_test_support.h"

#include "app/program_icon.h"
#include "chart/layout/point_series.h"
#include "widgets/clipboard.h"
#include "widgets/rich_pane.h"

#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class FileDrop : public ::testing::Test {
protected:
    void SetUp() override
    {
        startDir_ = QDir::currentPath();
        form_ = MakeForm();
        form_->ChooseDataFile = [this](const QString&) {
            ++dialogShown_;
            return QString();
        };
    }
    void TearDown() override { QDir::setCurrent(startDir_); }

    QString Write(const QString& name, const std::string& bytes)
    {
        const QString path = dir_.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
        return path;
    }
    // As file managers offer them: the URL list, and its text for text fields.
    static std::unique_ptr<QMimeData> Files(const QList<QUrl>& urls)
    {
        auto mime = std::make_unique<QMimeData>();
        mime->setUrls(urls);
        QStringList lines;
        for (const QUrl& url : urls)
            lines << url.toString();
        mime->setText(lines.join('\n'));
        return mime;
    }

    // A drag that enters the target's middle and, when taken, is dropped there;
    // the load queued behind the drop runs before this returns. Returns whether
    // the drag was taken, and checks it was taken as a copy, never a move.
    bool DragAndDrop(QWidget* target, const QMimeData& mime)
    {
        const QPoint at = target->rect().center();
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(at), offered, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
        QCoreApplication::processEvents();
        return true;
    }

    QTemporaryDir dir_;
    QString startDir_;
    std::unique_ptr<TForm1> form_;
    int dialogShown_ = 0;
};

} // namespace

TEST_F(FileDrop, OnTheWindowThePaneOrAnEditBoxLoadsLikeTheMenu)
{
    QWidget* const targets[] = {form_.get(), form_->RichEdit1->viewport(), form_->EditKmax};
    int rate = 250;
    for (QWidget* target : targets) {
        const std::string name = target->metaObject()->className();
        QDir(dir_.path()).mkdir(QString::number(rate));
        const QString path = Write(QString::number(rate) + "/drop.DAT",
                                   "Rate (Hz): " + std::to_string(rate) + "\tch\n*******\n1.5\n2,5\n-3\n");
        form_->EditKmax->setText("32");
        ASSERT_TRUE(DragAndDrop(target, *Files({QUrl::fromLocalFile(path)}))) << name;
        // The load itself is DataLoad's (tests/app/input_load_test.cpp).
        EXPECT_EQ(form_->EditScaleX->text().toStdString(), std::to_string(rate)) << name;
        EXPECT_EQ(form_->RichEdit1->Text(), "1.5\r\n2,5\r\n-3\r\n") << name;
        EXPECT_EQ(form_->DFT->SampleCount, 3) << name;
        EXPECT_EQ(QDir::currentPath().toStdString(), QFileInfo(path).canonicalPath().toStdString()) << name;
        EXPECT_EQ(form_->EditKmax->text().toStdString(), "32") << name;
        ++rate;
    }
    EXPECT_EQ(dialogShown_, 0);
    EXPECT_TRUE(ShownErrors().empty());
}

TEST_F(FileDrop, OnThePatternPaneOrItsCaptionTheFileBecomesThePatternAndTheDataStay)
{
    const std::string data = "7\r\n-8,5\r\n";
    const QString path = Write("pattern.DAT", "Rate (Hz): 500\tch\n*******\n0.25\n0.5\n-1.75\n");
    // Where a drop lands depends on the laid-out window.
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
    QWidget* const targets[] = {form_->RichEdit2->viewport(), form_->Panel3};
    for (QWidget* target : targets) {
        const std::string name = target->metaObject()->className();
        form_->RichEdit1->SetText(data);
        form_->ButtonDataRefresh->click(); // data parsed and quantized
        form_->EditScaleX->setText("3");
        form_->RichEdit2->SetText("1\r\n");
        form_->ButtonGraphPat->click(); // the pane's pattern parsed
        ASSERT_FALSE(form_->State.PatternDirty);
        SetClipboardText("kept");
        const std::string status = form_->PanelText(0) + form_->PanelText(1) + form_->PanelText(2);

        ASSERT_TRUE(DragAndDrop(target, *Files({QUrl::fromLocalFile(path)}))) << name;
        EXPECT_EQ(form_->RichEdit2->Text(), "0.25\r\n0.5\r\n-1.75\r\n") << name;
        EXPECT_TRUE(form_->State.PatternDirty) << name;
        EXPECT_EQ(form_->RichEdit1->Text(), data) << name;
        EXPECT_FALSE(form_->State.DataDirty) << name;
        EXPECT_EQ(form_->DFT->SampleCount, 2) << name;
        EXPECT_EQ(form_->EditScaleX->text().toStdString(), "3") << name;
        EXPECT_EQ(ClipboardText(), "kept") << name;
        EXPECT_EQ(form_->PanelText(0) + form_->PanelText(1) + form_->PanelText(2), status) << name;
        EXPECT_EQ(QDir::currentPath().toStdString(), startDir_.toStdString()) << name;
    }
    // The next plot parses the dropped pattern.
    form_->EditADCpat->setText("100");
    form_->ButtonGraphPat->click();
    ASSERT_EQ(form_->Series4->PointCount(), 3);
    EXPECT_EQ(form_->Series4->YValueAt(2), -175);
    EXPECT_EQ(form_->State.PatternMean, -33);

    // A file that cannot be read is shown; the pattern stays.
    const QString gone = dir_.filePath("gone");
    ASSERT_TRUE(DragAndDrop(form_->RichEdit2->viewport(), *Files({QUrl::fromLocalFile(gone)})));
    ASSERT_EQ(ShownErrors().size(), 1u);
    EXPECT_EQ(ShownErrors()[0].text.rfind("Cannot open file \"" + gone.toStdString(), 0), 0u);
    EXPECT_EQ(form_->RichEdit2->Text(), "0.25\r\n0.5\r\n-1.75\r\n");
    EXPECT_FALSE(form_->State.PatternDirty);
    EXPECT_EQ(form_->RichEdit1->Text(), data);

    // Beside it, on the data pane, the same file is data again.
    ASSERT_TRUE(DragAndDrop(form_->RichEdit1->viewport(), *Files({QUrl::fromLocalFile(path)})));
    EXPECT_EQ(form_->RichEdit1->Text(), "0.25\r\n0.5\r\n-1.75\r\n");
    EXPECT_EQ(form_->EditScaleX->text().toStdString(), "500");
    EXPECT_FALSE(form_->State.PatternDirty);
    EXPECT_EQ(dialogShown_, 0);
}

TEST_F(FileDrop, AnythingButOneLocalFileChangesNothing)
{
    const QString a = Write("a.DAT", "Hz): 9\t\r\n*******\r\n1\r\n");
    const QString b = Write("b.DAT", "1\r\n");
    std::vector<std::unique_ptr<QMimeData>> drops;
    drops.push_back(Files({QUrl("http://www.dorvin.example/a.DAT")}));
    drops.push_back(Files({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)}));
    drops.push_back(Files({QUrl::fromLocalFile(dir_.path())}));
    drops.push_back(std::make_unique<QMimeData>());
    drops.back()->setText(a);

    form_->RichEdit1->SetText("7\r\n");
    form_->EditScaleX->setText("3");
    SetClipboardText("kept");
    for (const auto& mime : drops) {
        for (QWidget* target : {static_cast<QWidget*>(form_.get()), form_->RichEdit1->viewport()})
            EXPECT_FALSE(DragAndDrop(target, *mime)) << mime->formats().join(' ').toStdString();
    }
    EXPECT_EQ(form_->RichEdit1->Text(), "7\r\n");
    EXPECT_EQ(form_->EditScaleX->text().toStdString(), "3");
    EXPECT_EQ(ClipboardText(), "kept");
    EXPECT_EQ(QDir::currentPath().toStdString(), startDir_.toStdString());
    EXPECT_TRUE(ShownErrors().empty());
}

TEST(ProgramIcon, FallsBackToTheBuiltInFortyEightPixelImage)
{
    const QImage builtIn(":/icons/dftscope.png");
    ASSERT_EQ(builtIn.size(), QSize(48, 48));
    // A rounded panel: clear corners, an opaque middle.
    EXPECT_EQ(qAlpha(builtIn.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(builtIn.pixel(24, 24)), 255);
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(48, 48).size(), QSize(48, 48));
}
