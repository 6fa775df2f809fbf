#pragma once
// The expected bytes of the two export tables, built directly from the
// numbers a run must produce: fixed decimals rounded half away from zero on
// the value's 18 significant digits, tabs, CR LF, the Windows-1251 headers.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace reference {

// Adds one unit at the last digit of a string of decimal digits, carrying left.
inline void AddUnit(std::string& digits)
{
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// x with `decimals` places and the given separator: the exact binary value cut
// to 18 significant digits (nearest, ties even), then rounded half away from
// zero at the requested place.
inline std::string Fixed(double x, int decimals, char point)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.80f", x < 0 ? -x : x); // exact expansion
    std::string text(buffer);
    const size_t dot = text.find('.');
    std::string digits = text.substr(0, dot) + text.substr(dot + 1);
    int intDigits = int(dot);
    const size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        std::string zero(1, '0');
        if (decimals > 0) {
            zero += point;
            zero.append(size_t(decimals), '0');
        }
        return zero;
    }
    // Keep 18 significant digits, rounding the rest to nearest, ties even.
    const size_t keep = first + 18;
    if (digits.size() > keep) {
        const std::string rest = digits.substr(keep);
        std::string head = digits.substr(0, keep);
        const bool above =
            rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
        const bool tie = rest[0] == '5' && !above;
        if (above || (tie && (head.back() - '0') % 2 == 1)) {
            const size_t before = head.size();
            AddUnit(head);
            intDigits += int(head.size() - before);
        }
        digits = head + std::string(rest.size(), '0');
    }
    // Half away from zero at the decimal place.
    const size_t cut = size_t(intDigits + decimals);
    std::string kept = digits.substr(0, cut);
    if (cut < digits.size() && digits[cut] >= '5') {
        const size_t before = kept.size();
        AddUnit(kept);
        intDigits += int(kept.size() - before);
    }
    kept.resize(size_t(intDigits + decimals), '0');
    std::string integer = kept.substr(0, size_t(intDigits));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    const std::string fraction = kept.substr(size_t(intDigits));
    const bool zero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;
    std::string out = (x < 0 && !zero ? "-" : "") + integer;
    if (decimals > 0)
        out += point + fraction;
    return out;
}

inline const std::string kSpectrumHeader = "\xC3\xE0\xF0\xEC\xEE\xED\xE8\xEA\xE0\t\xD7\xE0\xF1\xF2\xEE\xF2"
                                           "\xE0\t\xC7\xED\xE0\xF7\xE5\xED\xE8\xE5\t\r\n";
inline const std::string kCorrelationHeader =
    "\xC4\xE0\xED\xFB\xE5\t\xCA\xEE\xF0\xF0\xE5\xEB\xFF\xF6\xE8\xFF\t\xCE\xE1\xF0\xE0\xE7\t\r\n";

struct SpectrumRow {
    int harmonic;
    double frequency;
    double amplitude;
};

inline std::string SpectrumFile(const std::vector<SpectrumRow>& rows, char point)
{
    std::string file = kSpectrumHeader;
    for (const SpectrumRow& r : rows)
        file += std::to_string(r.harmonic) + "\t" + Fixed(r.frequency, 2, point) + "\t" +
            Fixed(r.amplitude, 1, point) + "\r\n";
    return file;
}

// Row i: data code i, correlation at offset i, pattern code i, each cell empty
// past its curve's end.
inline std::string CorrelationFile(const std::vector<int32_t>& data, const std::vector<int32_t>& correlation,
                                   const std::vector<int32_t>& pattern)
{
    const size_t rows = std::max({data.size(), correlation.size(), pattern.size()});
    const auto cell = [](const std::vector<int32_t>& v, size_t i) {
        return i < v.size() ? std::to_string(v[i]) : "";
    };
    std::string file = kCorrelationHeader;
    for (size_t i = 0; i < rows; ++i)
        file += cell(data, i) + "\t" + cell(correlation, i) + "\t" + cell(pattern, i) + "\r\n";
    return file;
}

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace reference
