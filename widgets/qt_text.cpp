#include "widgets/qt_text.h"

#include "runtime/code_page.h"

#include <QFile>

QString FromCp1251(std::string_view bytes)
{
    QString out;
    out.resize(qsizetype(bytes.size()));
    QChar* d = out.data();
    for (unsigned char b : bytes)
        *d++ = QChar(Cp1251ToUnicode(b));
    return out;
}

std::string ToCp1251(const QString& text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    for (char32_t c : text.toUcs4()) {
        char b;
        out.push_back(UnicodeToCp1251(c, b) ? b : '?');
    }
    return out;
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
