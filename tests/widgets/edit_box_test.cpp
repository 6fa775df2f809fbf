#include "support/qt_app_environment.h"

#include "widgets/clipboard.h"
#include "widgets/edit_box.h"

#include <QLineEdit>
#include <QSignalSpy>

TEST(EditBox, TextIsWindows1251AndEqualTextIsNotSetAgain)
{
    QLineEdit edit;
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    SetEditText(&edit, "\xD7\xE0\xF1 25"); // "Час 25"
    EXPECT_EQ(edit.text(), QString::fromUtf8("Час 25"));
    EXPECT_EQ(EditText(&edit), "\xD7\xE0\xF1 25");
    EXPECT_EQ(changes.count(), 1);
    SetEditText(&edit, "\xD7\xE0\xF1 25");
    EXPECT_EQ(changes.count(), 1);
    SetEditText(&edit, "");
    EXPECT_EQ(changes.count(), 2);
}

TEST(EditBox, PasteInsertsAtTheCaretReplacingTheSelection)
{
    QLineEdit edit;
    SetClipboardText("250");
    PasteIntoEdit(&edit);
    EXPECT_EQ(EditText(&edit), "250");
    edit.setText("1__4");
    edit.setSelection(1, 2);
    SetClipboardText("23");
    PasteIntoEdit(&edit);
    EXPECT_EQ(EditText(&edit), "1234");
    EXPECT_EQ(ClipboardText(), "23"); // the clipboard keeps its text
}
