#include "numbers/number_parse.h"

#include "numbers/decimal_digits.h"
#include "numbers/float_model.h"

#include "runtime/exceptions.h"

#include <cmath>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int Position(size_t index) { return static_cast<int>(index) + 1; }

// The mantissa digits accumulate as M := M * 10 + digit, each step rounded to
// extended. While M * 10 + 9 < 2^64 every step is exact, so an integer holds
// it until then: (2^64 - 1 - 9) / 10 = 1844674407370955160.
class Mantissa {
public:
    void Add(int digit)
    {
        if (!wide_) {
            if (exact_ <= kExactLimit) {
                exact_ = exact_ * 10 + static_cast<uint64_t>(digit);
                return;
            }
            wide_ = true;
            value_ = static_cast<long double>(exact_);
        }
        value_ = value_ * 10.0L + static_cast<long double>(digit);
    }
    long double Value() const { return wide_ ? value_ : static_cast<long double>(exact_); }

private:
    static constexpr uint64_t kExactLimit = 1844674407370955160ULL;
    uint64_t exact_ = 0;
    long double value_ = 0.0L;
    bool wide_ = false;
};

// An exponent beyond any effect on the result; saturating keeps a long run of
// exponent digits from wrapping round to a small or negative exponent.
constexpr int kExponentCap = 100000000;

FloatParse Failed(const Mantissa& m, size_t index)
{
    const long double value = m.Value();
    // A mantissa of thousands of digits overflowed while it was read; the text
    // is rejected anyway, so that overflow must not surface later.
    if (std::isinf(value))
        ClearFpFaults();
    return {value, Position(index)};
}

// Both number forms start alike: spaces (code 32 only, a tab is not skipped),
// then one optional sign. Advances i past them; true for "-".
inline bool SkipSpacesAndSign(std::string_view text, size_t& i)
{
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        return text[i++] == '-';
    return false;
}

} // namespace

FloatParse ParseFloat(std::string_view text)
{
    const size_t n = text.size();
    if (n == 0)
        return {0.0L, 1};
    size_t i = 0;
    const bool negative = SkipSpacesAndSign(text, i);
    if (i == n)
        return {0.0L, Position(n)};

    Mantissa m;
    for (; i < n && IsDigit(text[i]); ++i)
        m.Add(text[i] - '0');
    int fractionDigits = 0;
    if (i < n && text[i] == '.') {
        for (++i; i < n && IsDigit(text[i]); ++i) {
            m.Add(text[i] - '0');
            ++fractionDigits;
        }
    }
    int exponent = 0;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        if (i == n || !IsDigit(text[i]))
            return Failed(m, i);
        for (; i < n && IsDigit(text[i]); ++i) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (i < n)
        return Failed(m, i);

    // Beyond the extended range, while accumulating or when scaled: the
    // overflow fault of that multiplication.
    const long double value = PowerOfTen(m.Value(), exponent - fractionDigits);
    if (std::isinf(m.Value()) || std::isinf(value)) {
        ClearFpFaults();
        throw EOverflow("Floating point overflow");
    }
    return {negative ? -value : value, 0};
}

IntegerParse ParseInteger(std::string_view text)
{
    const size_t n = text.size();
    if (n == 0)
        return {0, 1};
    size_t i = 0;
    const bool negative = SkipSpacesAndSign(text, i);

    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    const size_t first = i;
    if (hex) {
        // At most 8 significant hex digits; the 32-bit pattern is two's
        // complement, so "$FFFFFFFF" is -1.
        uint32_t value = 0;
        for (; i < n; ++i) {
            const int digit = HexDigitValue(text[i]);
            if (digit < 0)
                break;
            if (value > 0x0FFFFFFFu)
                return {0, Position(i)};
            value = (value << 4) | static_cast<uint32_t>(digit);
        }
        if (i == first || i < n)
            return {0, Position(i)};
        const uint32_t result = negative ? 0u - value : value;
        return {static_cast<int32_t>(result), 0};
    }

    int64_t value = 0;
    for (; i < n && IsDigit(text[i]); ++i) {
        if (value > 214748364)
            return {0, Position(i)};
        value = value * 10 + (text[i] - '0');
    }
    if (i == first || i < n)
        return {0, Position(i)};
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return {0, Position(i - 1)}; // the digit that left the range
    return {static_cast<int32_t>(value), 0};
}
