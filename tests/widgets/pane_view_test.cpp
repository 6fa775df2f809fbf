// The pane widget driven by keys and the mouse, and its operations as the
// program calls them: text changes signal Changed, selecting does not.
#include "support/qt_app_environment.h"

#include "runtime/exceptions.h"
#include "widgets/clipboard.h"
#include "widgets/rich_pane.h"

#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

namespace {

struct Pane {
    Pane() : spy(&pane, &TRichPane::Changed) { pane.resize(300, 200); }
    int Changes() const { return int(spy.count()); }
    TRichPane pane;
    QSignalSpy spy;
};

} // namespace

TEST(PaneViewTyping, KeysEditTheTextAndSignalEachChange)
{
    Pane p;
    QTest::keyClicks(&p.pane, "12");
    QTest::keyClick(&p.pane, Qt::Key_Return);
    QTest::keyClicks(&p.pane, "3");
    EXPECT_EQ(p.pane.Text(), "12\r\n3");
    EXPECT_EQ(p.pane.LineCount(), 2);
    EXPECT_EQ(p.Changes(), 4);
    // Backspace before "3" removes the whole break.
    QTest::keyClick(&p.pane, Qt::Key_Left);
    QTest::keyClick(&p.pane, Qt::Key_Backspace);
    EXPECT_EQ(p.pane.Text(), "123");
    // Delete at a break removes both characters too.
    p.pane.SetText("a\r\nb");
    p.pane.SetSelStart(1);
    QTest::keyClick(&p.pane, Qt::Key_Delete);
    EXPECT_EQ(p.pane.Text(), "ab");
    // Cyrillic typing is stored as 1251 bytes.
    p.pane.SetText("");
    QKeyEvent cyrillic(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("Я"));
    QApplication::sendEvent(&p.pane, &cyrillic);
    EXPECT_EQ(p.pane.Text(), "\xDF");
}

TEST(PaneViewSelection, KeyboardSelectionCountsBreaksAndSignalsNothing)
{
    Pane p;
    p.pane.SetText("10\r\n20\r\n30");
    const int before = p.Changes();
    QTest::keyClick(&p.pane, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(p.pane.SelStart(), 10);
    QTest::keyClick(&p.pane, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&p.pane, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&p.pane, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(p.pane.SelStart(), 6);
    EXPECT_EQ(p.pane.SelLength(), 4);
    EXPECT_EQ(p.pane.SelText(), "\r\n30");
    QTest::keyClick(&p.pane, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(p.pane.SelText(), "20\r\n30");
    QTest::keyClick(&p.pane, Qt::Key_Up);
    EXPECT_EQ(p.pane.SelLength(), 0);
    EXPECT_EQ(p.pane.SelStart(), 0);
    QTest::keyClick(&p.pane, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&p.pane, Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(p.pane.SelText(), "10\r\n20");
    QTest::keyClick(&p.pane, Qt::Key_Home);
    EXPECT_EQ(p.pane.SelStart(), 4);
    QTest::keyClick(&p.pane, Qt::Key_PageDown);
    EXPECT_EQ(p.pane.SelStart(), 8); // start of the last line: the column is kept
    EXPECT_EQ(p.Changes(), before);
}

TEST(PaneViewEditing, ClipboardUndoAndProgramOperations)
{
    Pane p;
    p.pane.SetText("1\r\n2");
    QTest::keyClick(&p.pane, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&p.pane, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardText(), "1\n2");
    SetClipboardText("7\n8");
    QTest::keyClick(&p.pane, Qt::Key_V, Qt::ControlModifier); // replaces the selection
    EXPECT_EQ(p.pane.Text(), "7\r\n8");
    QTest::keyClick(&p.pane, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(p.pane.Text(), "1\r\n2");
    p.pane.SetSelStart(0);
    p.pane.SetSelLength(3);
    QTest::keyClick(&p.pane, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(p.pane.Text(), "2");
    EXPECT_EQ(ClipboardText(), "1\n");

    const int before = p.Changes();
    p.pane.AppendLine("3");
    EXPECT_EQ(p.pane.Text(), "2\r\n3");
    p.pane.SetSelStart(0);
    p.pane.SetSelLength(1);
    p.pane.ClearSelection();
    p.pane.ClearSelection(); // nothing selected: no change
    p.pane.Clear();
    EXPECT_EQ(p.Changes(), before + 3);
    // Copying an empty selection empties the clipboard.
    SetClipboardText("stale");
    p.pane.CopyToClipboard();
    EXPECT_EQ(ClipboardText(), "");
}

TEST(PaneViewMouse, ClickPlacesTheCaretAndDragSelects)
{
    Pane p;
    p.pane.SetText("111\r\n222\r\n333");
    const int lh = p.pane.fontMetrics().height();
    const int cw = p.pane.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    QWidget* vp = p.pane.viewport();
    QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(1, lh + lh / 2));
    EXPECT_EQ(p.pane.SelStart(), 5);
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(1, lh / 2));
    QMouseEvent move(QEvent::MouseMove, QPointF(3 + 2 * cw, 2 * lh + lh / 2), vp->mapToGlobal(QPointF(0, 0)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp, &move);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(3 + 2 * cw, 2 * lh + lh / 2));
    EXPECT_EQ(p.pane.SelText(), "111\r\n222\r\n33");
}

TEST(PaneViewPaint, SelectionIsHighlighted)
{
    Pane p;
    p.pane.SetText("12345\r\n67890");
    const QColor highlight = p.pane.palette().color(QPalette::Inactive, QPalette::Highlight);
    auto highlighted = [&] {
        const QImage image = p.pane.viewport()->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == highlight;
        return n;
    };
    EXPECT_EQ(highlighted(), 0);
    p.pane.SelectAll();
    EXPECT_GT(highlighted(), 0);
}

TEST(PaneViewFile, LoadReplacesTheTextAndReportsOpenErrors)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.dat");
    std::ofstream(path.toStdString(), std::ios::binary) << "1\n2\r3\r\n";
    Pane p;
    p.pane.SetText("old");
    p.pane.LoadFromFile(path);
    EXPECT_EQ(p.pane.Text(), "1\r\n2\r\n3\r\n");
    EXPECT_EQ(p.pane.LineCount(), 3);
    EXPECT_EQ(p.Changes(), 2);
    EXPECT_THROW(p.pane.LoadFromFile(dir.filePath("none.dat")), EFOpenError);
}
