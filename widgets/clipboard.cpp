#include "widgets/clipboard.h"

#include "runtime/code_page.h"
#include "widgets/qt_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

void SetClipboardText(std::string_view text) { QGuiApplication::clipboard()->setText(FromCp1251(text)); }

std::string ClipboardText() { return ToCp1251(QGuiApplication::clipboard()->text()); }

void SetClipboardImage(const QImage& image) { QGuiApplication::clipboard()->setImage(image); }
