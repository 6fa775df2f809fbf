#pragma once
// The system clipboard as plain Windows-1251 text. Line breaks travel as the
// platform writes them (LF); the panes turn them back into CR LF on paste.
#include <string>
#include <string_view>

void SetClipboardText(std::string_view text);
std::string ClipboardText();
