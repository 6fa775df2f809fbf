#pragma once
// The process-wide separators every number conversion writes with: one
// Windows-1251 byte each, "." and "," until the user's locale is read.
char DecimalPointChar();
char DigitGroupChar();
void SetLocaleSeparators(char decimalPoint, char digitGroup);
