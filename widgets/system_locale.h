#pragma once
// Reading the number separators from a Qt locale (the user's, at start-up and
// on every locale change) into the process-wide separators.
class QLocale;
class QString;

// The 1251 byte of a locale's separator text, or `fallback` when the text is
// not exactly one character with a 1251 form.
char SeparatorByte(const QString& separator, char fallback);
// Sets both separators from `locale` ("." and "," as fallbacks).
void ApplyLocaleSeparators(const QLocale& locale);
// Reads both from the user's locale (QLocale::system()); a Russian locale
// gives "," and the no-break space 0xA0.
void ReadLocaleSeparators();
