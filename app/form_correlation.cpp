// Pattern plot and the two correlation commands.
//
// The correlations read the codes of the last quantizations only: N is the
// number of codes the last data quantization wrote, M and P the length and
// mean of the last quantized pattern. Counts that a later failed parse changed
// are not used, so no correlation reads stale or missing codes.
#include "app/main_window.h"

#include "chart/point_series.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"
#include "runtime/code_page.h"
#include "runtime/exceptions.h"
#include "text/edit_box.h"
#include "text/number_parse.h"

#include <vector>

namespace {

const char* const kNotReady = "Данные не определены";
const char* const kPatternTooLong = "Количество данных меньше образа";

const int32_t* Codes(const TMemoryBuffer& buffer)
{
    return reinterpret_cast<const int32_t*>(buffer.Data());
}

void Plot(TLineSeries& series, const std::vector<int32_t>& curve)
{
    for (size_t j = 0; j < curve.size(); ++j)
        series.AddPoint(double(j), curve[j]);
}

} // namespace

void TForm1::ButtonGraphPatClick()
{
    const IntegerParse adc = ParseInteger(EditText(EditADCpat));
    State.PatternAdc = adc.errorPosition == 0 ? adc.value : 1;
    if (State.PatternDirty)
        ParsePatternPane();
    Series4->ClearPoints();
    if (State.PatternErrorLine == -1)
        QuantizePattern();
}

void TForm1::QuantizePattern()
{
    const int32_t length = State.PatternLength;
    if (length < 1 || int64_t(length) * 8 > State.PatternValues->Size())
        throw EReadError("Stream read error");
    const auto* values = reinterpret_cast<const double*>(State.PatternValues->Data());
    std::vector<int32_t> codes(static_cast<size_t>(length));
    const int64_t written = QuantizeSamples(values, length, State.PatternAdc, 0.0, codes.data());
    for (int64_t i = 0; i < written; ++i)
        Series4->AddPoint(double(i), codes[size_t(i)]);
    if (written < length) {
        QuantizeSample(values[written], State.PatternAdc, 0.0); // raises the sample's fault
        throw EInvalidOp("Invalid floating point operation");
    }
    State.PatternCodes->Seek(0);
    State.PatternCodes->WriteBuffer(codes.data(), codes.size() * sizeof(int32_t));
    State.PatternMean = RoundedMean(codes.data(), length);
    State.QuantizedPatternLength = length;
    State.PatternReady = true;
}

void TForm1::ButtonStartPatKorClick()
{
    if (!State.DataReady || !State.PatternReady) {
        SetPanelText(2, Cp(kNotReady));
        return;
    }
    SetPanelText(2, std::string());
    if (State.QuantizedCount > State.QuantizedPatternLength) {
        Series3->ClearPoints();
        CorrelatePattern();
    } else {
        SetPanelText(2, Cp(kPatternTooLong));
    }
}

void TForm1::ButtonStartAutoKorClick()
{
    if (!State.DataReady) {
        SetPanelText(2, Cp(kNotReady));
        return;
    }
    SetPanelText(2, std::string());
    const IntegerParse start = ParseInteger(EditText(EditStartPattern));
    State.AutoStart = start.errorPosition == 0 ? start.value : 0;
    const IntegerParse width = ParseInteger(EditText(EditWidthPattern));
    State.AutoWidth = width.errorPosition == 0 ? width.value : 1;
    if (State.AutoWidth == 0)
        State.AutoWidth = 1;
    // A window that starts before the codes, has no codes, or reaches past them
    // falls back to the first code alone.
    const int64_t end = int64_t(State.AutoStart) + State.AutoWidth;
    if (State.AutoStart < 0 || State.AutoWidth < 1 || end > State.QuantizedCount) {
        State.AutoStart = 0;
        State.AutoWidth = 1;
    }
    Series3->ClearPoints();
    CorrelateWindow();
}

void TForm1::CorrelatePattern()
{
    Plot(*Series3, SlidingPearson(Codes(*DFT->DataCodes), State.QuantizedCount,
                                  Codes(*State.PatternCodes), State.QuantizedPatternLength,
                                  State.PatternMean));
}

void TForm1::CorrelateWindow()
{
    // The window's codes and mean are its own: the pattern state stays untouched.
    const int32_t* data = Codes(*DFT->DataCodes);
    const std::vector<int32_t> window(data + State.AutoStart,
                                      data + State.AutoStart + State.AutoWidth);
    const int32_t mean = RoundedMean(window.data(), State.AutoWidth);
    Plot(*Series3, SlidingPearson(data, State.QuantizedCount, window.data(), State.AutoWidth, mean));
}
