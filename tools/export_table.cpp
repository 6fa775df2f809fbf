#include "tools/export_table.h"

#include "chart/model/axis_panel.h"
#include "numbers/number_format.h"
#include "runtime/code_page.h"
#include "runtime/parallel_work.h"
#include "text/text_output_file.h"
#include "tools/file_replace.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <span>
#include <string>
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

// Appends a "%0.0f" cell.
void AppendWholeCell(std::string& out, double value)
{
    if (IsExactWhole(value)) {
        char digits[24];
        const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, int64_t(value));
        out.append(digits, size_t(end.ptr - digits));
    } else {
        out += FixedText(value, 0);
    }
}

// A stored value as the whole number its "%0.0f" cell shows; false when it is
// none (a chart value with a fraction), and the cell takes FixedText.
bool AsWhole(double value, int64_t& whole)
{
    if (!IsExactWhole(value))
        return false;
    whole = int64_t(value);
    return true;
}
bool AsWhole(int32_t value, int64_t& whole)
{
    whole = value;
    return true;
}

// A correlation row of whole numbers with its line end, formed in one piece:
// a ten-million-row table is then ten million write statements, not sixty
// million.
template <class C>
class TWholeRow {
public:
    // Forms row i of the three curves (a curve past its end gives an empty
    // cell); false when a value is no exact whole number, and the caller
    // writes that row cell by cell.
    bool Form(const C& data, const C& correlation, const C& pattern, size_t row)
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
    bool Cell(const C& curve, size_t row)
    {
        if (row >= curve.size())
            return true;
        int64_t whole = 0;
        if (!AsWhole(curve[row], whole))
            return false;
        end_ = std::to_chars(end_, text_ + sizeof text_, whole).ptr;
        return true;
    }

    char text_[3 * 20 + 4]; // three cells of at most 20 characters, two tabs, CR LF
    char* end_ = text_;
};

// The spectrum export asks whether to stop between runs of this many rows.
constexpr size_t kRowsBetweenStops = 1 << 16;

template <class C>
void AppendWholeCellIfPresent(std::string& out, const C& curve, size_t row)
{
    if (row < curve.size())
        AppendWholeCell(out, double(curve[row]));
}

// Rows are formed a piece at a time on every worker, a batch of pieces at a
// time, and written in order: the bytes are those of one row after another,
// whatever the number of workers. A batch is written on the file's writer
// while the workers form the next one, so the system's part and ours overlap.
// After each piece handed to the file the export may be stopped.
constexpr size_t kRowsPerPiece = 32768;

// C: a column of values with size() and [] (32-bit codes, or a curve's values).
template <class C>
void WriteCorrelationRows(TextOutputFile& file, const C& data, const C& correlation, const C& pattern,
                          TProgress& progress = NoProgress())
{
    WriteHeader(file, {"Даные", "Корреляция", "Образ"});
    const size_t rows = std::max({data.size(), correlation.size(), pattern.size()});
    TPieceProgress progressed(progress, int64_t(rows));
    const size_t batchPieces = size_t(4 * WorkerSlots());
    std::vector<std::string> texts;
    for (size_t batch = 0; batch < rows; batch += batchPieces * kRowsPerPiece) {
        const size_t count = std::min(batchPieces, (rows - batch + kRowsPerPiece - 1) / kRowsPerPiece);
        // The texts the file gave back keep their room for the next batch.
        texts.resize(count);
        ForEachRange(int64_t(count), 1, [&](int64_t begin, int64_t end) {
            TWholeRow<C> whole;
            for (int64_t p = begin; p < end; ++p) {
                std::string& out = texts[size_t(p)];
                out.clear();
                const size_t first = batch + size_t(p) * kRowsPerPiece;
                for (size_t i = first; i < std::min(rows, first + kRowsPerPiece); ++i) {
                    if (whole.Form(data, correlation, pattern, i)) {
                        out.append(whole.Text());
                        continue;
                    }
                    AppendWholeCellIfPresent(out, data, i);
                    out += '\t';
                    AppendWholeCellIfPresent(out, correlation, i);
                    out += '\t';
                    AppendWholeCellIfPresent(out, pattern, i);
                    out += "\r\n";
                }
            }
        });
        texts = file.WriteTexts(std::move(texts));
        for (size_t p = 0; p < count; ++p)
            progressed.Done(int64_t(std::min(kRowsPerPiece, rows - batch - p * kRowsPerPiece)));
    }
    progressed.Finish();
}

} // namespace

const char* ExportFileName(int kind)
{
    return kind == kExportSpectrum ? "export_spectr.dat" : "export_korr.dat";
}

void WriteSpectrumHeader(TextOutputFile& file) { WriteHeader(file, {"Гармоника", "Частота", "Значение"}); }

void WriteSpectrumRow(TextOutputFile& file, double x, std::string_view label, std::span<const double> values)
{
    std::string cell;
    AppendWholeCell(cell, x);
    file.Write(cell);
    cell = '\t';
    cell += label;
    file.Write(cell);
    for (const double value : values) {
        cell = '\t';
        cell += FixedText(value, 1);
        file.Write(cell);
    }
    file.WriteLineEnd();
}

void WriteSpectrumTable(TextOutputFile& file, const TAxisPanel& spectrum, TProgress& progress)
{
    if (spectrum.SeriesTotal() <= 0)
        return;
    WriteSpectrumHeader(file);
    const TSeries& first = *spectrum.SeriesAt(0);
    const int rows = first.PointCount();
    std::vector<double> values(size_t(spectrum.SeriesTotal()));
    TPieceProgress pieces(progress, rows);
    for (int i = 0; i < rows; ++i) {
        if (size_t(i) % kRowsBetweenStops == kRowsBetweenStops - 1)
            pieces.Done(kRowsBetweenStops);
        for (int s = 0; s < spectrum.SeriesTotal(); ++s)
            values[size_t(s)] = spectrum.SeriesAt(s)->YValues().ValueAt(i);
        WriteSpectrumRow(file, first.XValues().ValueAt(i), first.LabelAt(i), values);
    }
    pieces.Finish();
}

void WriteCorrelationTable(TextOutputFile& file, const TAxisPanel& curves, TProgress& progress)
{
    if (curves.SeriesTotal() <= 0)
        return;
    // The export walks every row of the longest curve, so it reads the stored
    // values without ValueAt's per-point index check.
    WriteCorrelationRows(file, curves.SeriesAt(0)->YValues().Span(), curves.SeriesAt(1)->YValues().Span(),
                         curves.SeriesAt(2)->YValues().Span(), progress);
}

void WriteCorrelationTable(TextOutputFile& file, std::span<const int32_t> data,
                           std::span<const int32_t> correlation, std::span<const int32_t> pattern)
{
    WriteCorrelationRows(file, data, correlation, pattern);
}

void ExportTableFile(int kind, const TAxisPanel& spectrum, const TAxisPanel& curves, TProgress& progress)
{
    WriteFileReplacing(ExportFileName(kind), [&](TextOutputFile& file) {
        if (kind == kExportSpectrum)
            WriteSpectrumTable(file, spectrum, progress);
        else
            WriteCorrelationTable(file, curves, progress);
    });
}
