#pragma once
// Windows-1251 is the system's internal text encoding; Unicode exists only at
// the boundaries (the widgets, the system's messages). Characters without a
// 1251 form become '?'.
#include <string>
#include <string_view>

// The Unicode code point of one 1251 byte; U+FFFD for the one unassigned byte (0x98).
char16_t Cp1251ToUnicode(unsigned char byte);
// One Unicode character to its 1251 byte; false when it has none.
bool UnicodeToCp1251(char32_t c, char& out);

// UTF-8 (source literals, the system's messages) to 1251; a malformed sequence counts as one character
// without a 1251 form.
std::string Utf8ToCp1251(std::string_view utf8);

// 1251 to UTF-8, for a terminal or a log (the batch command's messages).
std::string Cp1251ToUtf8(std::string_view text);

// Shorthand for literals written in UTF-8 in the source.
inline std::string Cp(const char* utf8) { return Utf8ToCp1251(utf8); }
