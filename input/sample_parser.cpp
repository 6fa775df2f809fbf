#include "input/sample_parser.h"

#include "numbers/float_model.h"
#include "numbers/number_parse.h"

namespace {

// The bar moves in about this many steps: a step per line would cost more than
// the parse itself on a million lines, and the end state is the same.
constexpr int kProgressSteps = 256;

} // namespace

bool ParseSampleLine(std::string_view s, int32_t& errorPosition, double& value, std::string& scratch)
{
    if (!s.empty() && s.back() == '\t')
        s.remove_suffix(1);
    if (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (s.empty())
        return false;

    FloatParse r = ParseFloat(s);
    errorPosition = r.errorPosition;
    if (r.errorPosition != 0) {
        const size_t at = size_t(r.errorPosition) - 1;
        if (at >= s.size() || (s[at] != ',' && s[at] != '.'))
            return false;
        scratch.assign(s.data(), s.size());
        scratch[at] = s[at] == ',' ? '.' : ',';
        r = ParseFloat(scratch);
        errorPosition = r.errorPosition;
        if (r.errorPosition != 0)
            return false;
    }
    value = StoreDouble(r.value);
    return true;
}

bool TLineParse::Take(std::string_view line, int32_t index)
{
    double value = 0;
    if (!ParseSampleLine(line, result_.errorPosition, value, scratch_)) {
        result_.errorLine = index;
        return false;
    }
    Accept(value);
    return true;
}

void TLineParse::Accept(double value)
{
    buffer_.Write(value);
    result_.sum = StoreDouble(static_cast<long double>(result_.sum) + value);
    ++result_.count;
}

void TLineParse::Accept(std::span<const double> values)
{
    buffer_.WriteBuffer(values.data(), values.size_bytes());
    for (const double value : values)
        result_.sum = StoreDouble(static_cast<long double>(result_.sum) + value);
    result_.count += int32_t(values.size());
}

void TLineParse::Stop(int32_t index, int32_t errorPosition)
{
    result_.errorLine = index;
    result_.errorPosition = errorPosition;
}

LineParseResult TLineParse::Finish()
{
    if (result_.count != 0)
        result_.mean = StoreDouble(Divide(result_.sum, result_.count));
    return result_;
}

LineParseResult ParseLines(const TPaneText& pane, TMemoryBuffer& buffer, TProgress& progress)
{
    TLineParse parse(buffer);
    const int n = pane.LineCount();
    progress.SetMaximum(n);
    progress.SetPosition(0);
    const int step = n / kProgressSteps + 1;

    int untilStep = step; // counts down to the next multiple of step, without a division per line
    for (int i = 0; i < n; ++i) {
        if (!parse.Take(pane.LineView(i), i))
            break;
        if (--untilStep == 0) {
            progress.SetPosition(parse.Count());
            StopIfAsked(progress);
            untilStep = step;
        }
    }
    progress.SetPosition(parse.Count());
    LineParseResult result = parse.Finish();
    if (n == 0)
        result.errorLine = 0;
    return result;
}

std::optional<double> RateFromText(std::string_view text)
{
    int32_t errorPosition = 0;
    double rate = 0;
    std::string scratch;
    if (!ParseSampleLine(text, errorPosition, rate, scratch))
        return std::nullopt;
    return rate;
}

// Without a rate the frequencies are in cycles per sample, as after a data
// file without one.
double SampleRateFromText(std::string_view text) { return RateFromText(text).value_or(1.0); }
