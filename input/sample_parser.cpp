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

LineParseResult ParseLines(const TPaneText& pane, TMemoryBuffer& buffer, TProgress& progress)
{
    LineParseResult result;
    buffer.Seek(0);
    const int n = pane.LineCount();
    if (n == 0)
        result.errorLine = 0;
    progress.SetMaximum(n);
    progress.SetPosition(0);
    const int step = n / kProgressSteps + 1;

    std::string scratch;
    int untilStep = step; // counts down to the next multiple of step, without a division per line
    for (int i = 0; i < n; ++i) {
        const std::string_view line = pane.LineView(i);
        double value = 0;
        if (!ParseSampleLine(line, result.errorPosition, value, scratch)) {
            result.errorLine = i;
            break;
        }
        buffer.Write(value);
        result.sum = StoreDouble(static_cast<long double>(result.sum) + value);
        ++result.count;
        if (--untilStep == 0) {
            progress.SetPosition(result.count);
            untilStep = step;
        }
    }
    progress.SetPosition(result.count);
    if (result.count != 0)
        result.mean = StoreDouble(Divide(result.sum, result.count));
    return result;
}

double SampleRateFromText(std::string_view text)
{
    int32_t errorPosition = 0;
    double rate = 0;
    std::string scratch;
    // Without a rate the frequencies are in cycles per sample, as after a data
    // file without one.
    return ParseSampleLine(text, errorPosition, rate, scratch) ? rate : 1.0;
}
