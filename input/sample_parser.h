#pragma once
// Turning the lines of a sample pane into 64-bit samples.
//
// A line holds one number in the floating-point syntax of ParseFloat; it may end
// in one tab, one space, or one space then one tab, which are removed first. When
// the conversion stops at a "," or ".", that character is exchanged for the other
// and the line converted again. A line is bad when it is empty (before or after
// the trimming), when the number is followed by anything else, or when the
// second conversion fails too: a corrupt line never becomes a sample.
#include "runtime/memory_buffer.h"
#include "runtime/progress.h"
#include "text/pane_text.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

struct LineParseResult {
    int32_t count = 0;         // accepted samples
    double sum = 0;            // their sum, each addition stored in 64 bits
    double mean = 0;           // sum / count stored in 64 bits; 0 when none was accepted
    int32_t errorLine = -1;    // 0-based first bad line (0 for an empty pane), -1 for none
    int32_t errorPosition = 0; // what the last conversion made reported, 0 when none was made
};

// One line. Sets errorPosition to the position the last conversion made
// reported (0 on success, left alone when no conversion was made) and, when the
// line is accepted, value. scratch is reused for the "," / "." retry so that no
// line needs an allocation of its own.
bool ParseSampleLine(std::string_view line, int32_t& errorPosition, double& value, std::string& scratch);

// The parse of a sequence of lines, one line at a time: the accepted samples go
// to the buffer from offset 0, counted and summed, until the first bad line.
class TLineParse {
public:
    explicit TLineParse(TMemoryBuffer& buffer) : buffer_(buffer) { buffer_.Seek(0); }

    // Line `index`; false when it is bad, and the parse ends there.
    bool Take(std::string_view line, int32_t index);
    // Samples converted from their lines elsewhere (ParseSampleLine),
    // accepted in order as Take accepts each.
    void Accept(double value);
    void Accept(std::span<const double> values);
    // Ends the parse at a bad line found elsewhere, with the position its last
    // conversion left.
    void Stop(int32_t index, int32_t errorPosition);
    int32_t Count() const { return result_.count; }
    int32_t ErrorPosition() const { return result_.errorPosition; }
    // The result, with the mean of the accepted samples.
    LineParseResult Finish();

private:
    TMemoryBuffer& buffer_;
    LineParseResult result_;
    std::string scratch_;
};

// All lines of pane from the first: writes the accepted samples to buffer from
// offset 0 and stops at the first bad line. An empty line reports the
// position the line before it left. The progress maximum is the line count,
// the position follows the accepted count. Whole lines are read (not the
// pane's 4096-character line read), so a long line is never judged by its
// start alone.
LineParseResult ParseLines(const TPaneText& pane, TMemoryBuffer& buffer, TProgress& progress);

// The stream rate in Hz that an edit box's text gives a spectrum run: read as
// a sample line is ("1,5" is 1.5), and 1 when it is not one (empty, blank,
// letters). A value beyond the 64-bit range raises EOverflow, as for a sample.
double SampleRateFromText(std::string_view text);
// The same reading without the fallback: nothing for a text that is no number.
std::optional<double> RateFromText(std::string_view text);
