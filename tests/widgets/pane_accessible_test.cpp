// The pane over Qt's accessibility interfaces, as a screen reader or a test
// driver over the accessibility bus reaches it: offsets are pane positions.
#include "support/qt_app_environment.h"

#include "widgets/rich_pane.h"

#include <QAccessible>
#include <QSignalSpy>

namespace {

struct Reached {
    Reached() : spy(&pane, &TRichPane::Changed)
    {
        pane.resize(200, 100);
        pane.SetText("1.5\r\n-0.15773");
        iface = QAccessible::queryAccessibleInterface(&pane);
    }
    QAccessibleTextInterface* Text() const { return iface->textInterface(); }
    QAccessibleEditableTextInterface* Edit() const { return iface->editableTextInterface(); }
    TRichPane pane;
    QSignalSpy spy;
    QAccessibleInterface* iface = nullptr;
};

} // namespace

TEST(PaneAccessible, AnEditableMultiLineTextReadAtPanePositions)
{
    Reached r;
    ASSERT_NE(r.iface, nullptr);
    EXPECT_EQ(r.iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(r.iface->state().editable);
    EXPECT_TRUE(r.iface->state().multiLine);
    ASSERT_NE(r.Text(), nullptr);
    ASSERT_NE(r.Edit(), nullptr);
    EXPECT_EQ(r.Text()->characterCount(), 13); // the break counts two
    EXPECT_EQ(r.Text()->text(0, 13), QStringLiteral("1.5\r\n-0.15773"));
    EXPECT_EQ(r.Text()->text(5, 99), QStringLiteral("-0.15773"));
    EXPECT_EQ(r.iface->text(QAccessible::Value), QStringLiteral("1.5\r\n-0.15773"));
    r.pane.SetText("\xDF"); // 1251 bytes reach the reader as Unicode
    EXPECT_EQ(r.Text()->text(0, 1), QString::fromUtf8("Я"));
}

TEST(PaneAccessible, CaretAndSelectionAreThePanesAndSignalNoChange)
{
    Reached r;
    const int changes = int(r.spy.count());
    r.Text()->setSelection(0, 5, 13);
    EXPECT_EQ(r.pane.SelText(), "-0.15773");
    int start = -1;
    int end = -1;
    r.Text()->selection(0, &start, &end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(5, 13));
    EXPECT_EQ(r.Text()->selectionCount(), 1);
    EXPECT_EQ(r.Text()->cursorPosition(), 13);
    r.Text()->removeSelection(0);
    EXPECT_EQ(r.Text()->selectionCount(), 0);
    EXPECT_EQ(r.pane.SelStart(), 13);
    r.Text()->setCursorPosition(2);
    EXPECT_EQ(r.pane.SelStart(), 2);
    EXPECT_EQ(r.pane.SelLength(), 0);
    EXPECT_EQ(int(r.spy.count()), changes);
    // A character's cell and the offset at its middle agree.
    EXPECT_EQ(r.Text()->offsetAtPoint(r.Text()->characterRect(7).center()), 7);
}

TEST(PaneAccessible, EditsGoThroughThePaneSignalAndUndo)
{
    Reached r;
    const int changes = int(r.spy.count());
    r.Edit()->insertText(0, QStringLiteral("7\n"));
    EXPECT_EQ(r.pane.Text(), "7\r\n1.5\r\n-0.15773"); // a break as the pane holds it
    r.Edit()->deleteText(3, 8);
    EXPECT_EQ(r.pane.Text(), "7\r\n-0.15773");
    r.Edit()->replaceText(3, 11, QString::fromUtf8("Я"));
    EXPECT_EQ(r.pane.Text(), "7\r\n\xDF");
    EXPECT_EQ(int(r.spy.count()), changes + 3);
    r.pane.Undo();
    EXPECT_EQ(r.pane.Text(), "7\r\n-0.15773");
}
