#include "tools/export_table.h"

#include "chart/chart.h"
#include "runtime/code_page.h"
#include "text/number_format.h"
#include "text/text_output_file.h"
#include "tools/file_replace.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

void WriteHeader(TextOutputFile& file, std::initializer_list<const char*> cellsUtf8)
{
    for (const char* cell : cellsUtf8)
        file.Write(Cp(cell) + '\t');
    file.WriteLineEnd();
}

// A "%0.0f" cell. For a whole number below 2^53 in magnitude FixedText's
// result is the integer's digits: scaling it to 18 significant digits is exact
// (the product is an integer below 10^18 < 2^64, so it fits the 64-bit
// significand), nothing is left to round, and zero of either sign prints "0".
// Codes and percentages are always such numbers, so the export skips the
// decimal conversion for them; every other value goes through FixedText.
std::string WholeCell(double value)
{
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    if (std::fabs(value) < kExactIntegers && value == std::trunc(value))
        return IntegerText(int64_t(value));
    return FixedText(value, 0);
}

void WriteWholeCellIfPresent(TextOutputFile& file, const TChartSeries& series, int count, int row)
{
    if (row < count)
        file.Write(WholeCell(series.YValues().ValueAt(row)));
}

} // namespace

const char* ExportFileName(int kind)
{
    return kind == kExportSpectrum ? "export_spectr.dat" : "export_korr.dat";
}

void WriteSpectrumTable(TextOutputFile& file, const TChart& spectrum)
{
    if (spectrum.SeriesTotal() <= 0)
        return;
    WriteHeader(file, {"Гармоника", "Частота", "Значение"});
    const TChartSeries& first = *spectrum.SeriesAt(0);
    const int rows = first.PointCount();
    std::string cell;
    for (int i = 0; i < rows; ++i) {
        file.Write(WholeCell(first.XValues().ValueAt(i)));
        cell = '\t';
        cell += first.LabelAt(i);
        file.Write(cell);
        for (int s = 0; s < spectrum.SeriesTotal(); ++s) {
            cell = '\t';
            cell += FixedText(spectrum.SeriesAt(s)->YValues().ValueAt(i), 1);
            file.Write(cell);
        }
        file.WriteLineEnd();
    }
}

void WriteCorrelationTable(TextOutputFile& file, const TChart& curves)
{
    if (curves.SeriesTotal() <= 0)
        return;
    const TChartSeries& data = *curves.SeriesAt(0);
    const TChartSeries& correlation = *curves.SeriesAt(1);
    const TChartSeries& pattern = *curves.SeriesAt(2);
    const int c0 = data.PointCount();
    const int c1 = correlation.PointCount();
    const int c2 = pattern.PointCount();
    WriteHeader(file, {"Даные", "Корреляция", "Образ"});
    const int rows = std::max({c0, c1, c2});
    for (int i = 0; i < rows; ++i) {
        WriteWholeCellIfPresent(file, data, c0, i);
        file.WriteChar('\t');
        WriteWholeCellIfPresent(file, correlation, c1, i);
        file.WriteChar('\t');
        WriteWholeCellIfPresent(file, pattern, c2, i);
        file.WriteLineEnd();
    }
}

void ExportTableFile(int kind, const TChart& spectrum, const TChart& curves)
{
    WriteFileReplacing(ExportFileName(kind), [&](TextOutputFile& file) {
        if (kind == kExportSpectrum)
            WriteSpectrumTable(file, spectrum);
        else
            WriteCorrelationTable(file, curves);
    });
}
