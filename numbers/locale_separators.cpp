#include "numbers/locale_separators.h"

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
