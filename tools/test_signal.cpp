#include "tools/test_signal.h"

#include "numbers/float_model.h"
#include "numbers/number_format.h"
#include "numbers/random.h"

double TestSampleValue(int i, int32_t draw)
{
    const long double x = i;
    const long double noise = (long double)draw / 10.0L / 2.0L;
    const long double s = Sin(x / 20.0L) + noise;
    const long double k = Cos(x / 100.0L + 2.0L);
    const long double g = (long double)(kTestSampleCount - i) / (long double)kTestSampleCount * 2.0L;
    // |value| < 4: the store cannot overflow.
    return StoreDouble(k * g + s);
}

std::string TestSampleLine(int i, int32_t draw) { return PatternText("0.000", TestSampleValue(i, draw)); }

void GenerateTestLines(const std::function<void(std::string_view line)>& appendLine)
{
    for (int i = 1; i <= kTestSampleCount; ++i) {
        const int32_t draw = RandomBelow(kTestNoiseRange);
        appendLine(TestSampleLine(i, draw));
    }
}
