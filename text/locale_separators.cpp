#include "text/locale_separators.h"

#include "runtime/code_page.h"

#include <QLocale>

namespace {
char g_decimalPoint = '.';
char g_digitGroup = ',';
} // namespace

char DecimalPointChar() { return g_decimalPoint; }
char DigitGroupChar() { return g_digitGroup; }

void SetLocaleSeparators(char decimalPoint, char digitGroup)
{
    g_decimalPoint = decimalPoint;
    g_digitGroup = digitGroup;
}

char SeparatorByte(const QString& separator, char fallback)
{
    const auto codePoints = separator.toUcs4();
    char byte = 0;
    if (codePoints.size() != 1 || !UnicodeToCp1251(codePoints.front(), byte) || byte == 0)
        return fallback;
    return byte;
}

void ApplyLocaleSeparators(const QLocale& locale)
{
    SetLocaleSeparators(SeparatorByte(locale.decimalPoint(), '.'),
                        SeparatorByte(locale.groupSeparator(), ','));
}

void ReadLocaleSeparators() { ApplyLocaleSeparators(QLocale::system()); }
