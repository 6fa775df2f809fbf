#include "widgets/system_locale.h"

#include "numbers/locale_separators.h"
#include "runtime/code_page.h"
#include "widgets/qt_text.h"

#include <QLocale>

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
