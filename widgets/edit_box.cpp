#include "widgets/edit_box.h"

#include "runtime/code_page.h"
#include "widgets/clipboard.h"
#include "widgets/qt_text.h"

#include <QLineEdit>

std::string EditText(const QLineEdit* edit) { return ToCp1251(edit->text()); }

void SetEditText(QLineEdit* edit, std::string_view text)
{
    if (EditText(edit) == text)
        return;
    edit->setText(FromCp1251(text));
}

void PasteIntoEdit(QLineEdit* edit) { edit->insert(FromCp1251(ClipboardText())); }
