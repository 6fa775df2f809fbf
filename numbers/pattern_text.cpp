// PatternText: picture patterns ("0.000", "#,##0.###", "0.0E+00").
#include "numbers/number_format.h"

#include "numbers/decimal_digits.h"
#include "numbers/extended_bits.h"
#include "numbers/integer_digits.h"
#include "numbers/locale_separators.h"

#include "runtime/exceptions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t kMaxPatternLength = 224;
constexpr int kNoZero = 32767;
constexpr int kMaxExponentDigits = 4;

bool IsQuote(char c) { return c == '\'' || c == '"'; }
bool IsPlaceholder(char c) { return c == '#' || c == '0'; }
bool IsExponentAt(std::string_view s, size_t i)
{
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// Index just past the quoted text that starts at i (an unclosed quote runs to the end).
size_t SkipQuoted(std::string_view s, size_t i)
{
    const size_t close = s.find(s[i], i + 1);
    return close == std::string_view::npos ? s.size() : close + 1;
}

// Number of "0" characters from i on.
size_t ZerosFrom(std::string_view s, size_t i)
{
    size_t k = i;
    while (k < s.size() && s[k] == '0')
        ++k;
    return k - i;
}

// Positive; negative; zero. A ";" inside quotes does not separate, and one
// after the third section ends the pattern.
std::array<std::string_view, 3> SplitSections(std::string_view pattern)
{
    std::array<std::string_view, 3> sections{};
    size_t start = 0;
    int index = 0;
    for (size_t i = 0; i < pattern.size();) {
        if (IsQuote(pattern[i])) {
            i = SkipQuoted(pattern, i);
        } else if (pattern[i] == ';') {
            sections[index] = pattern.substr(start, i - start);
            if (index == 2)
                return sections;
            ++index;
            start = ++i;
        } else {
            ++i;
        }
    }
    sections[index] = pattern.substr(start);
    return sections;
}

// Positive zero (all 80 bits clear) takes the zero section (2), any value
// with the sign bit set the negative one (1). Comparisons settle all but
// zeros and NaNs; the x87 sign test (fxam) would stall every call.
int SectionFor(long double x)
{
    if (x > 0.0L)
        return 0;
    if (x < 0.0L)
        return 1;
    const ExtendedBits bits = BitsOf(x);
    if (bits.signAndExponent & 0x8000)
        return 1;
    return bits.significand == 0 && bits.signAndExponent == 0 ? 2 : 0;
}

// A section that is absent or empty falls back to the first.
int Choose(const std::array<std::string_view, 3>& sections, int wanted)
{
    return sections[wanted].empty() ? 0 : wanted;
}

struct Layout {
    int digitCount = 0;
    int firstZero = kNoZero; // placeholder index of the first "0"
    int lastZero = 0;        // placeholder index just past the last "0"
    int decimalIndex = -1;   // placeholders before the first "."
    bool grouping = false;
    bool scientific = false;
};

Layout Scan(std::string_view s)
{
    Layout l;
    for (size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (IsQuote(c)) {
            i = SkipQuoted(s, i);
            continue;
        }
        if (IsExponentAt(s, i)) {
            l.scientific = true;
            i += 2;
            i += ZerosFrom(s, i); // exponent digits, not placeholders
            continue;
        }
        if (IsPlaceholder(c)) {
            if (c == '0') {
                if (l.firstZero == kNoZero)
                    l.firstZero = l.digitCount;
                l.lastZero = l.digitCount + 1;
            }
            ++l.digitCount;
        } else if (c == '.') {
            if (l.decimalIndex < 0)
                l.decimalIndex = l.digitCount;
        } else if (c == ',') {
            l.grouping = true;
        }
        ++i;
    }
    if (l.decimalIndex < 0)
        l.decimalIndex = l.digitCount;
    return l;
}

DecimalDigits Convert(long double x, const Layout& l)
{
    if (l.scientific)
        return DecimalDigits(x, l.digitCount, 9999);
    return DecimalDigits(x, DecimalDigits::kMaxDigits, l.digitCount - l.decimalIndex);
}

// Writes the digits of r into the placeholders of one section. The output
// fits a fixed buffer: at most 224 + 18 digits, each followed by at most one
// separator, plus literals and exponents of at most 3 characters per
// pattern character: 2 * 242 + 3 * 224 + 1 < 1536.
class PatternWriter {
public:
    static constexpr size_t kCapacity = 1536;

    PatternWriter(const DecimalDigits& r, const Layout& l)
            : r_(r), l_(l), point_(DecimalPointChar()), group_(DigitGroupChar())
    {
        firstDigit_ = std::max(0, l.decimalIndex - l.firstZero);
        lastDigit_ = std::min(0, l.decimalIndex - l.lastZero);
        // A value that rounded to nothing is written as zero: its decimal
        // exponent would only place leading zeros before a digit that does
        // not exist ("#,##0.###" gives "0" for 0.0004, not "0,000").
        const int exponent = r.Count == 0 ? 0 : r.Exponent;
        if (l.scientific) {
            p_ = l.decimalIndex;
        } else {
            p_ = std::max(exponent, l.decimalIndex);
            extra_ = exponent - l.decimalIndex;
        }
    }

    // Appends the section's output after `prefix` and returns the text.
    std::string Write(std::string_view s, std::string_view prefix)
    {
        end_ = buffer_;
        Append(prefix);
        for (size_t i = 0; i < s.size();) {
            const char c = s[i];
            if (IsQuote(c)) {
                const size_t close = s.find(c, i + 1);
                const size_t textEnd = close == std::string_view::npos ? s.size() : close;
                Append(s.substr(i + 1, textEnd - (i + 1)));
                i = close == std::string_view::npos ? s.size() : close + 1;
            } else if (IsExponentAt(s, i)) {
                i = WriteExponent(s, i);
            } else if (IsPlaceholder(c)) {
                Placeholder();
                ++i;
            } else {
                if (c != '.' && c != ',')
                    *end_++ = c;
                ++i;
            }
        }
        return std::string(buffer_, end_);
    }

private:
    void Append(std::string_view text)
    {
        std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }

    void Placeholder()
    {
        if (extra_ > 0) {
            // Integer digits beyond the placeholders all go to the first one.
            for (int k = 0; k <= extra_; ++k)
                Emit(0);
            extra_ = 0;
        } else if (extra_ < 0) {
            ++extra_;
            if (p_ <= firstDigit_)
                Emit('0');
            else
                --p_;
        } else {
            Emit(0);
        }
    }

    // Writes `forced`, or the next digit of r when it is 0.
    void Emit(char forced)
    {
        char d = forced;
        if (d == 0) {
            if (next_ < r_.Count) {
                d = r_.Digits[next_++];
            } else if (p_ <= lastDigit_) {
                --p_;
                return;
            } else {
                d = '0';
            }
        }
        if (p_ == 0) {
            *end_++ = point_;
            *end_++ = d;
        } else {
            *end_++ = d;
            if (l_.grouping && p_ > 1 && p_ % 3 == 1)
                *end_++ = group_;
        }
        --p_;
    }

    size_t WriteExponent(std::string_view s, size_t i)
    {
        *end_++ = s[i];
        const int exponent = r_.Count == 0 ? 0 : r_.Exponent - l_.decimalIndex;
        if (exponent < 0)
            *end_++ = '-';
        else if (s[i + 1] == '+')
            *end_++ = '+';
        const size_t zeros = ZerosFrom(s, i + 2);
        int v = exponent < 0 ? -exponent : exponent;
        const int width = static_cast<int>(std::min<size_t>(zeros, kMaxExponentDigits));
        end_ += WriteUnsignedDigits(uint64_t(v), width, end_);
        return i + 2 + zeros;
    }

    const DecimalDigits& r_;
    const Layout& l_;
    const char point_;
    const char group_;
    char buffer_[kCapacity];
    char* end_ = buffer_;
    int firstDigit_ = 0;
    int lastDigit_ = 0;
    int p_ = 0;
    int extra_ = 0;
    int next_ = 0;
};

// The sections and their scans. Callers use a handful of fixed patterns, so
// the last one is kept (per thread) and not split and scanned again.
struct PreparedPattern {
    std::string text;
    std::array<std::string_view, 3> sections{};
    std::array<Layout, 3> layouts{};
};

const PreparedPattern& Prepare(std::string_view pattern)
{
    thread_local PreparedPattern prepared;
    thread_local bool valid = false;
    if (!valid || pattern != prepared.text) {
        prepared.text.assign(pattern);
        prepared.sections = SplitSections(prepared.text);
        for (size_t k = 0; k < prepared.sections.size(); ++k)
            prepared.layouts[k] = Scan(prepared.sections[k]);
        valid = true;
    }
    return prepared;
}

} // namespace

std::string PatternText(std::string_view pattern, long double x)
{
    if (pattern.size() > kMaxPatternLength)
        throw EConvertError("Format string too long");
    const PreparedPattern& prepared = Prepare(pattern);
    const auto& sections = prepared.sections;
    int section = Choose(sections, SectionFor(x));
    if (sections[section].empty())
        return GeneralText(x, 15, 0);

    const DecimalDigits r = Convert(x, prepared.layouts[section]);
    if (r.IsSpecial() || (!prepared.layouts[section].scientific && r.Exponent > DecimalDigits::kMaxDigits))
        return GeneralText(x, 15, 0);
    if (r.Count == 0) {
        // Rounded to zero: the zero section is chosen again.
        section = Choose(sections, 2);
        if (sections[section].empty())
            return GeneralText(x, 15, 0);
    }
    return PatternWriter(r, prepared.layouts[section])
        .Write(sections[section], r.Negative && section == 0 ? "-" : "");
}
