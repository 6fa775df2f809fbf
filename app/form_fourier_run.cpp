// The spectrum run and the X axis switch.
#include "app/main_window.h"

#include "app/box_integer.h"
#include "app/code_curve.h"
#include "app/long_run.h"
#include "chart/layout/point_series.h"
#include "chart/paint/plot.h"
#include "dsp/fourier_run.h"
#include "dsp/harmonic_tables.h"
#include "input/box_values.h"
#include "input/sample_parser.h"
#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "widgets/edit_box.h"

#include <QCheckBox>
#include <chrono>

namespace {

// Milliseconds of a monotonic clock, as an unsigned 32-bit tick counter.
uint32_t TickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}

// The tick after a phase, unsigned, minus its start, signed, in 64 bits; the
// magnitude's low 32 bits.
int32_t Elapsed(int32_t phaseStart)
{
    const int64_t difference = int64_t(TickCount()) - int64_t(phaseStart);
    return int32_t(uint32_t(uint64_t(difference < 0 ? -difference : difference)));
}

} // namespace

void TForm1::ButtonDataRefreshClick()
{
    DFT->HarmonicCount = HarmonicCountValue(EditText(EditKmax)).value_or(kDefaultHarmonics);
    DFT->AdcScale = BoxInteger(EditADC, 1);
    if (State.DataDirty)
        ParseDataPane();
    Series2->ClearPoints();
    Series3->ClearPoints();
    Series1->ClearPoints();
    // The correlations read the codes the data curve shows; until a
    // quantization completes it shows none, or only those before a fault.
    State.DataReady = false;

    if (State.ParseErrorLine == -1) {
        // Each phase is timed and shown on its own, so a fault in a later phase
        // leaves the times of the earlier ones in the panel.
        const auto timed = [this](void (TForm1::*phase)(), bool first) {
            State.PhaseStart = int32_t(TickCount());
            (this->*phase)();
            State.PhaseTime = Elapsed(State.PhaseStart);
            const std::string time = IntegerText(State.PhaseTime);
            SetPanelText(3, first ? time : PanelText(3) + "   " + time);
        };
        timed(&TForm1::BuildTables, true);
        timed(&TForm1::QuantizeData, false);
        timed(&TForm1::ComputeSpectrum, false);
    }

    ShowMeanPanel();
}

void TForm1::ButtonXAxisClick()
{
    TAxis& axis = ChartF->BottomAxis();
    if (CheckBoxAutoX->isChecked()) {
        axis.SetAutomatic(true);
        return;
    }
    axis.SetAutomatic(false);
    const IntegerParse maximum = ParseInteger(EditText(EditMaxX));
    if (maximum.errorPosition == 0)
        axis.SetMaximum(maximum.value);
}

void TForm1::BuildTables()
{
    LongRun->Step("Построение таблиц", [this] { BuildHarmonicTables(*DFT, Progress()); });
}

void TForm1::QuantizeData()
{
    State.SampleRate = SampleRateFromText(EditText(EditScaleX));
    const bool removeZeroHarmonic = CheckBoxH0->isChecked();
    TPartial<std::span<const int32_t>> codes;
    LongRun->Step("Квантование", [&] {
        codes = QuantizeDataCodes(*DFT, *State.DataValues, removeZeroHarmonic, Progress());
    });
    State.QuantizedCount = int32_t(codes.done.size());
    PlotCodes(*Series2, codes.done);
    codes.RaiseFault();
    State.DataReady = true;
}

void TForm1::ComputeSpectrum()
{
    TPartial<std::vector<THarmonicPoint>> points;
    LongRun->Step("Спектр", [&] { points = SpectrumPoints(*DFT, State.SampleRate, Progress()); });
    for (size_t k = 0; k < points.done.size(); ++k)
        Series1->AddPoint(double(k), points.done[k].amplitude, points.done[k].label);
    points.RaiseFault();
}
