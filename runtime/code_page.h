#pragma once
// Windows-1251 is the system's internal text encoding; Unicode exists only at
// the Qt boundary. Characters without a 1251 form become '?'.
#include <QString>
#include <string>
#include <string_view>

QString FromCp1251(std::string_view bytes);
std::string ToCp1251(const QString& text);
// One Unicode character to its 1251 byte; false when it has none.
bool UnicodeToCp1251(char32_t c, char& out);

// Shorthand for literals written in UTF-8 in the source.
inline std::string Cp(const char* utf8) { return ToCp1251(QString::fromUtf8(utf8)); }
