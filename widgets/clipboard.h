#pragma once
// The system clipboard as plain Windows-1251 text. Line breaks travel as the
// platform writes them (LF); the panes turn them back into CR LF on paste.
// Pictures go onto it as images.
#include <string>
#include <string_view>

class QImage;

void SetClipboardText(std::string_view text);
std::string ClipboardText();
void SetClipboardImage(const QImage& image);
