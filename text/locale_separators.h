#pragma once
// The process-wide separators every number conversion writes with.
char DecimalPointChar();
char DigitGroupChar();
void SetLocaleSeparators(char decimalPoint, char digitGroup);
// Reads both from the user's locale (Windows-1251 bytes; "." and "," when the
// locale's separator is not one byte there).
void ReadLocaleSeparators();
