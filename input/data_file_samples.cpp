#include "input/data_file_samples.h"

#include "input/data_file_header.h"
#include "runtime/worker_pool.h"
#include "text/pane_text.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// The rate box text. The pane's rate text runs from the second character after
// "Hz):" to the first tab after it; the bytes as read give the same text,
// except that a break right after the colon, one byte in the file but CR LF in
// the pane, leaves the pane's text starting with its LF: no number either way.
std::string RateText(std::string_view bytes)
{
    const TRateText rate = FindRateText(bytes);
    if (!rate.found || IsBreak(bytes[size_t(rate.start) - 1]) || rate.length < 0)
        return std::string(kNoRateText);
    return RateBoxText(bytes.substr(size_t(rate.start), size_t(rate.length)));
}

// The text the header removal leaves: `head`, a few bytes with CR LF breaks,
// then `rest`, bytes as read. The removal counts pane positions, where a lone
// CR or LF is two, so the file up to a little past the marker is converted as
// the pane converts it, and the removal applied to that piece. The piece never
// ends between a CR and its LF, so what follows converts on its own.
struct TSampleText {
    std::string head;
    std::string_view rest;
};

TSampleText SampleText(std::string_view bytes)
{
    const size_t marker = bytes.find("*******");
    if (marker == std::string_view::npos)
        return {std::string(), bytes};
    // Seven asterisks and two pane positions: at most two bytes of the file.
    size_t end = std::min(bytes.size(), marker + 9);
    if (end < bytes.size() && bytes[end - 1] == '\r' && bytes[end] == '\n')
        ++end;
    std::string piece = TPaneText::NormalizeLineBreaks(bytes.substr(0, end));
    piece.erase(0, std::min(piece.size(), size_t(HeaderLength(piece))));
    return {std::move(piece), bytes.substr(end)};
}

// The lines of a text whose breaks are CR LF, a lone CR or a lone LF, each
// ending a line, as the pane's lines after its conversion; the empty line after
// a final break is no line.
class TLineCursor {
public:
    explicit TLineCursor(std::string_view text) : text_(text) { }
    bool Next(std::string_view& line)
    {
        const size_t size = text_.size();
        if (at_ >= size)
            return false;
        const char* base = text_.data();
        size_t end = at_;
        while (end < size && !IsBreak(base[end]))
            ++end;
        line = text_.substr(at_, end - at_);
        at_ = end;
        if (at_ < size)
            at_ += (base[at_] == '\r' && at_ + 1 < size && base[at_ + 1] == '\n') ? 2 : 1;
        return true;
    }
    size_t Position() const { return at_; }

private:
    std::string_view text_;
    size_t at_ = 0;
};

constexpr int kProgressMaximum = 1000;
constexpr int kLinesPerProgressStep = 1 << 16;
// Below this many bytes the lines are parsed on one core: a thread would
// cost more than it saves.
constexpr size_t kSplitBytes = 1 << 20;

// Takes the lines of text in order from line `index` on; false at a bad line.
bool TakeLines(std::string_view text, TLineParse& parse, int32_t& index, TProgress& progress, size_t done,
               size_t total)
{
    TLineCursor cursor(text);
    std::string_view line;
    while (cursor.Next(line)) {
        if (!parse.Take(line, index++))
            return false;
        if ((index & (kLinesPerProgressStep - 1)) == 0)
            progress.SetPosition(int((done + cursor.Position()) * kProgressMaximum / total));
    }
    return true;
}

// The second half of the lines, converted on the other core while the first
// half is parsed: its samples, and where and why it stopped.
struct TConvertedHalf {
    std::vector<double> values;
    int32_t badLine = -1;       // the first bad line, counted within the half
    int32_t errorPosition = -1; // what its last conversion left; -1 for none made
    std::exception_ptr fault;   // a sample beyond the 64-bit range, on line badLine
};

void ConvertLines(std::string_view text, TConvertedHalf& half)
{
    // A sample's line takes at least two bytes with its break, and the line
    // after the last break is at most one: room that is never written costs
    // no memory.
    half.values.reserve(text.size() / 2 + 1);
    TLineCursor cursor(text);
    std::string_view line;
    std::string scratch;
    for (int32_t i = 0; cursor.Next(line); ++i) {
        double value = 0;
        try {
            if (!ParseSampleLine(line, half.errorPosition, value, scratch)) {
                half.badLine = i;
                return;
            }
        } catch (...) {
            half.badLine = i;
            half.fault = std::current_exception();
            return;
        }
        half.values.push_back(value);
    }
}

// The lines of text from line `index` on, the conversions of the second half
// of them on a worker of the pool. The samples are accepted in order afterwards, so
// the sum, the count and the first bad line are those of one pass.
bool TakeLinesOnTwoCores(std::string_view text, TLineParse& parse, int32_t& index, TProgress& progress,
                         size_t done, size_t total)
{
    size_t cut = text.size() / 2;
    while (cut < text.size() && !IsBreak(text[cut]))
        ++cut;
    if (cut >= text.size() || text.size() < kSplitBytes || WorkerSlots() < 2)
        return TakeLines(text, parse, index, progress, done, total);
    cut += (text[cut] == '\r' && cut + 1 < text.size() && text[cut + 1] == '\n') ? 2 : 1;

    TConvertedHalf second;
    TBackgroundTask helper;
    helper.Run([&] { ConvertLines(text.substr(cut), second); });
    bool good = false;
    try {
        good = TakeLines(text.substr(0, cut), parse, index, progress, done, total);
    } catch (...) {
        helper.Wait();
        throw;
    }
    helper.Wait();
    if (!good)
        return false;
    parse.Accept(second.values);
    index += int32_t(second.values.size());
    if (second.fault)
        std::rethrow_exception(second.fault);
    if (second.badLine < 0)
        return true;
    // An empty line first in the half keeps what the line before it left.
    parse.Stop(index, second.errorPosition >= 0 ? second.errorPosition : parse.ErrorPosition());
    ++index;
    return false;
}

} // namespace

TDataFileSamples ParseDataFileBytes(std::string_view bytes, TMemoryBuffer& values, TProgress& progress)
{
    TDataFileSamples result{RateText(bytes), {}};
    const TSampleText text = SampleText(bytes);
    progress.SetMaximum(kProgressMaximum);
    progress.SetPosition(0);

    TLineParse parse(values);
    int32_t index = 0;
    bool good = true;
    std::string_view line;
    TLineCursor rest(text.rest);
    if (!text.head.empty() && text.head.front() == '\n') {
        // The removal ended between a CR and its LF: that LF is first in the
        // pane, no break there but the first character of the first line,
        // which no sample starts with. The line is bad at position 1,
        // whatever follows.
        good = parse.Take("\n", index++);
    } else if (!text.head.empty()) {
        // The head ends with a break or within a line the rest goes on with.
        std::string joined = text.head;
        if (!IsBreak(joined.back()) && rest.Next(line))
            joined.append(line);
        TLineCursor head(joined);
        while (good && head.Next(line))
            good = parse.Take(line, index++);
    }
    if (good)
        TakeLinesOnTwoCores(text.rest.substr(rest.Position()), parse, index, progress, rest.Position(),
                            std::max<size_t>(1, text.rest.size()));
    progress.SetPosition(kProgressMaximum);
    result.parse = parse.Finish();
    if (index == 0) // no line at all: the pane's empty-text rule
        result.parse.errorLine = 0;
    return result;
}
