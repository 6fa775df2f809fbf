#pragma once
// The process-wide separators every number conversion writes with: one
// Windows-1251 byte each, "." and "," until the locale is read.
class QString;

class QLocale;

char DecimalPointChar();
char DigitGroupChar();
void SetLocaleSeparators(char decimalPoint, char digitGroup);

// The 1251 byte of a locale's separator text, or `fallback` when the text is
// not exactly one character with a 1251 form.
char SeparatorByte(const QString& separator, char fallback);
// Sets both separators from `locale` ("." and "," as fallbacks).
void ApplyLocaleSeparators(const QLocale& locale);
// Reads both from the user's locale (QLocale::system()); a Russian locale
// gives "," and the no-break space 0xA0.
void ReadLocaleSeparators();
