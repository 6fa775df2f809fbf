#include "input/data_file_samples.h"

#include "input/data_file_header.h"
#include "text/pane_text.h"

#include <algorithm>

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
    while (good && rest.Next(line)) {
        good = parse.Take(line, index++);
        if ((index & (kLinesPerProgressStep - 1)) == 0)
            progress.SetPosition(int(rest.Position() * kProgressMaximum / text.rest.size()));
    }
    progress.SetPosition(kProgressMaximum);
    result.parse = parse.Finish();
    if (index == 0) // no line at all: the pane's empty-text rule
        result.parse.errorLine = 0;
    return result;
}
