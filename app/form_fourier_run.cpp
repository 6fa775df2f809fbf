// The spectrum run and the X axis switch.
#include "app/main_window.h"

#include "chart/point_series.h"
#include "chart/paint/plot.h"
#include "dsp/harmonic_tables.h"
#include "dsp/sample_quantizer.h"
#include "runtime/code_page.h"
#include "runtime/exceptions.h"
#include "text/edit_box.h"
#include "text/float_model.h"
#include "text/number_format.h"
#include "text/number_parse.h"

#include <QCheckBox>
#include <chrono>

namespace {

constexpr int32_t kDefaultHarmonics = 32;

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
    const IntegerParse harmonics = ParseInteger(EditText(EditKmax));
    DFT->HarmonicCount =
        harmonics.errorPosition == 0 && harmonics.value >= 1 ? harmonics.value : kDefaultHarmonics;
    const IntegerParse adc = ParseInteger(EditText(EditADC));
    DFT->AdcScale = adc.errorPosition == 0 ? adc.value : 1;
    if (State.DataDirty)
        ParseDataPane();
    Series2->ClearPoints();
    Series3->ClearPoints();
    Series1->ClearPoints();

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

void TForm1::BuildTables() { BuildHarmonicTables(*DFT, Progress()); }

void TForm1::QuantizeData()
{
    const int32_t n = DFT->SampleCount;
    const int32_t adc = DFT->AdcScale;
    const double offset =
        CheckBoxH0->isChecked() ? StoreDouble(static_cast<long double>(adc) * DFT->DataMean) : 0.0;
    // A text that does not convert gives the value the conversion reports for it.
    State.SampleRate = StoreDouble(ParseFloat(EditText(EditScaleX)).value);

    const int64_t bytes = int64_t(n) * 4;
    DFT->DataCodes->Seek(0);
    DFT->DataCodes->Reserve(bytes);
    auto* codes = reinterpret_cast<int32_t*>(DFT->DataCodes->Data());
    const auto* values = reinterpret_cast<const double*>(State.DataValues->Data());
    if (int64_t(n) * 8 > State.DataValues->Size())
        throw EReadError("Stream read error");
    const int64_t written = QuantizeSamples(values, n, adc, offset, codes);
    DFT->DataCodes->CommitWrite(written * 4);
    State.QuantizedCount = int32_t(written);
    for (int64_t i = 0; i < written; ++i)
        Series2->AddPoint(double(i), codes[i]);
    if (written < n) {
        QuantizeSample(values[written], adc, offset); // raises the sample's fault
        throw EInvalidOp("Invalid floating point operation");
    }
    State.DataReady = true;
}

void TForm1::ComputeSpectrum()
{
    const int32_t n = DFT->SampleCount;
    for (int32_t k = 0; k < DFT->HarmonicCount; ++k) {
        const long double re = DFT->RealPart(k);
        const long double im = DFT->ImagPart(k);
        const double amplitude = StoreDouble(SquareRoot(re * re + im * im));
        const double frequency =
            StoreDouble(static_cast<long double>(k) * State.SampleRate / static_cast<long double>(n));
        Series1->AddPoint(k, amplitude, FixedText(frequency, 2));
    }
}
