#pragma once
// The Qt boundary of the system's Windows-1251 text: every widget converts
// here and nowhere else.
#include <QString>
#include <string>
#include <string_view>

QString FromCp1251(std::string_view bytes);
std::string ToCp1251(const QString& text);
// A file path as the operating system takes it (the file-name encoding).
std::string LocalPath(const QString& path);
