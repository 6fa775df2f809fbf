#pragma once
// The two result tables, read back from the chart series and written as
// tab-separated Windows-1251 text with CR LF line ends:
// - spectrum (kind 0, from the spectrum chart): a header line whose three cells
//   each end with a tab, then per point of series 0 the X value ("%0.0f"), a tab
//   and the label, and per series a tab and its Y value ("%0.1f");
// - correlation (kind 1, from the data chart's series 0, 1, 2): a header line
//   likewise, then as many rows as the longest of the three curves, each the
//   three Y values ("%0.0f") separated by two tabs, a cell left empty past the
//   end of a shorter curve.
// Numbers use the locale's decimal separator; no trailing empty line.
#include "runtime/progress.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class TAxisPanel;
class TextOutputFile;

inline constexpr int kExportSpectrum = 0;
inline constexpr int kExportCorrelation = 1;

// "export_spectr.dat" or "export_korr.dat": no folder, so the current directory.
const char* ExportFileName(int kind);

// Writes a table into an open file; every statement is checked, so an I/O
// error raises EInOutError at the first write that fails. Each 65,536 rows
// are a cancellation point of progress (ERunStopped), whose position is the
// share of rows written.
void WriteSpectrumTable(TextOutputFile& file, const TAxisPanel& spectrum, TProgress& progress = NoProgress());
void WriteCorrelationTable(TextOutputFile& file, const TAxisPanel& curves, TProgress& progress = NoProgress());

// The same tables from plain values, for a caller without charts: the
// spectrum's header, then one row per harmonic (its X, its label and one Y
// per series); the correlation table from the three curves' codes.
void WriteSpectrumHeader(TextOutputFile& file);
void WriteSpectrumRow(TextOutputFile& file, double x, std::string_view label, std::span<const double> values);
void WriteCorrelationTable(TextOutputFile& file, std::span<const int32_t> data,
                           std::span<const int32_t> correlation, std::span<const int32_t> pattern);

// Writes the table of kind into ExportFileName(kind), replacing the previous
// file only when the whole table was written (see WriteFileReplacing): a
// stopped export leaves the previous file.
void ExportTableFile(int kind, const TAxisPanel& spectrum, const TAxisPanel& curves,
                     TProgress& progress = NoProgress());
