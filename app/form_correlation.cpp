// Pattern plot and the two correlation commands.
//
// The correlations read the codes of the last quantizations only: N is the
// number of codes the last data quantization wrote, M and P the length and
// mean of the last quantized pattern. Counts that a later failed parse changed
// are not used, so no correlation reads stale or missing codes.
#include "app/main_window.h"

#include "app/box_integer.h"
#include "app/code_curve.h"
#include "app/long_run.h"
#include "chart/layout/point_series.h"
#include "dsp/autocorrelation.h"
#include "dsp/pattern_codes.h"
#include "dsp/sample_quantizer.h"
#include "dsp/sliding_pearson.h"
#include "runtime/code_page.h"

namespace {

const char* const kNotReady = "Данные не определены";
const char* const kPatternTooLong = "Количество данных меньше образа";

} // namespace

void TForm1::ButtonGraphPatClick()
{
    State.PatternAdc = BoxInteger(EditADCpat, 1);
    if (State.PatternDirty)
        ParsePatternPane();
    Series4->ClearPoints();
    if (State.PatternErrorLine == -1)
        QuantizePattern();
}

void TForm1::QuantizePattern()
{
    const TPartial<TPatternCodes> pattern = QuantizePatternCodes(*State.PatternValues, State.PatternLength,
                                                                 State.PatternAdc, *State.PatternCodes);
    PlotCodes(*Series4, pattern.done.codes);
    pattern.RaiseFault();
    State.PatternMean = pattern.done.mean;
    State.QuantizedPatternLength = State.PatternLength;
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
    const TAutoWindow window =
        FitAutoWindow(BoxInteger(EditStartPattern, 0), BoxInteger(EditWidthPattern, 1), State.QuantizedCount);
    State.AutoStart = window.start;
    State.AutoWidth = window.width;
    Series3->ClearPoints();
    CorrelateWindow();
}

void TForm1::CorrelatePattern()
{
    const std::span<const int32_t> data = DFT->DataCodes->Elements<int32_t>(0, State.QuantizedCount);
    const std::span<const int32_t> pattern =
        State.PatternCodes->Elements<int32_t>(0, State.QuantizedPatternLength);
    std::vector<int32_t> curve;
    LongRun->Step("Корреляция", [&] { curve = SlidingPearson(data, pattern, State.PatternMean, Progress()); });
    PlotCodes(*Series3, std::move(curve));
}

void TForm1::CorrelateWindow()
{
    // The window's codes and mean are its own: the pattern state stays untouched.
    const std::span<const int32_t> data = DFT->DataCodes->Elements<int32_t>(0, State.QuantizedCount);
    const TAutoWindow window{State.AutoStart, State.AutoWidth};
    std::vector<int32_t> curve;
    LongRun->Step("Автокорреляция", [&] { curve = Autocorrelate(data, window, Progress()); });
    PlotCodes(*Series3, std::move(curve));
}
