#pragma once
// Single-line edit boxes as the system reads and writes them: Windows-1251 text.
#include <string>
#include <string_view>

class QLineEdit;

std::string EditText(const QLineEdit* edit);
// Skipped when the box already holds text, so no change notification is sent.
void SetEditText(QLineEdit* edit, std::string_view text);
// Inserts the clipboard's plain text at the caret, replacing the selection.
void PasteIntoEdit(QLineEdit* edit);
