#include "tools/export_table.h"

#include "chart/axis_panel.h"
#include "numbers/number_format.h"
#include "runtime/code_page.h"
#include "text/text_output_file.h"
#include "tools/file_replace.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

void WriteHeader(TextOutputFile& file, std::initializer_list<const char*> cellsUtf8)
{
    for (const char* cell : cellsUtf8)
        file.Write(Cp(cell) + '\t');
    file.WriteLineEnd();
}

constexpr double kExactIntegers = 9007199254740992.0; // 2^53

// True for a whole number below 2^53 in magnitude. For such a number
// FixedText's "%0.0f" is the integer's digits: scaling it to 18 significant
// digits is exact (the product is an integer below 10^18 < 2^64, so it fits
// the 64-bit significand), nothing is left to round, and zero of either sign
// prints "0". Codes and percentages are always such numbers, so their cells
// skip the decimal conversion and the string.
bool IsExactWhole(double value) { return std::fabs(value) < kExactIntegers && value == std::trunc(value); }

// Writes a "%0.0f" cell.
void WriteWholeCell(TextOutputFile& file, double value)
{
    if (IsExactWhole(value)) {
        char digits[24];
        const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, int64_t(value));
        file.Write(std::string_view(digits, size_t(end.ptr - digits)));
    } else {
        file.Write(FixedText(value, 0));
    }
}

// A correlation row of whole numbers with its line end, formed in one piece:
// a ten-million-row table is then ten million write statements, not sixty
// million.
class TWholeRow {
public:
    // Forms row i of the three curves (a curve past its end gives an empty
    // cell); false when a value is no exact whole number, and the caller
    // writes that row cell by cell.
    bool Form(const std::vector<double>& data, const std::vector<double>& correlation,
              const std::vector<double>& pattern, size_t row)
    {
        end_ = text_;
        if (!Cell(data, row))
            return false;
        *end_++ = '\t';
        if (!Cell(correlation, row))
            return false;
        *end_++ = '\t';
        if (!Cell(pattern, row))
            return false;
        *end_++ = '\r';
        *end_++ = '\n';
        return true;
    }
    std::string_view Text() const { return {text_, size_t(end_ - text_)}; }

private:
    bool Cell(const std::vector<double>& curve, size_t row)
    {
        if (row >= curve.size())
            return true;
        const double value = curve[row];
        if (!IsExactWhole(value))
            return false;
        end_ = std::to_chars(end_, text_ + sizeof text_, int64_t(value)).ptr;
        return true;
    }

    char text_[3 * 20 + 4]; // three cells of at most 20 characters, two tabs, CR LF
    char* end_ = text_;
};

// The export walks every row of the longest curve, so it reads the stored
// values without ValueAt's per-point index check.
void WriteWholeCellIfPresent(TextOutputFile& file, const std::vector<double>& curve, size_t row)
{
    if (row < curve.size())
        WriteWholeCell(file, curve[row]);
}

} // namespace

const char* ExportFileName(int kind)
{
    return kind == kExportSpectrum ? "export_spectr.dat" : "export_korr.dat";
}

void WriteSpectrumTable(TextOutputFile& file, const TAxisPanel& spectrum)
{
    if (spectrum.SeriesTotal() <= 0)
        return;
    WriteHeader(file, {"Гармоника", "Частота", "Значение"});
    const TSeries& first = *spectrum.SeriesAt(0);
    const int rows = first.PointCount();
    std::string cell;
    for (int i = 0; i < rows; ++i) {
        WriteWholeCell(file, first.XValues().ValueAt(i));
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

void WriteCorrelationTable(TextOutputFile& file, const TAxisPanel& curves)
{
    if (curves.SeriesTotal() <= 0)
        return;
    const std::vector<double>& data = curves.SeriesAt(0)->YValues().Raw();
    const std::vector<double>& correlation = curves.SeriesAt(1)->YValues().Raw();
    const std::vector<double>& pattern = curves.SeriesAt(2)->YValues().Raw();
    WriteHeader(file, {"Даные", "Корреляция", "Образ"});
    const size_t rows = std::max({data.size(), correlation.size(), pattern.size()});
    TWholeRow whole;
    for (size_t i = 0; i < rows; ++i) {
        if (whole.Form(data, correlation, pattern, i)) {
            file.Write(whole.Text());
            continue;
        }
        WriteWholeCellIfPresent(file, data, i);
        file.WriteChar('\t');
        WriteWholeCellIfPresent(file, correlation, i);
        file.WriteChar('\t');
        WriteWholeCellIfPresent(file, pattern, i);
        file.WriteLineEnd();
    }
}

void ExportTableFile(int kind, const TAxisPanel& spectrum, const TAxisPanel& curves)
{
    WriteFileReplacing(ExportFileName(kind), [&](TextOutputFile& file) {
        if (kind == kExportSpectrum)
            WriteSpectrumTable(file, spectrum);
        else
            WriteCorrelationTable(file, curves);
    });
}
