// A data pane filled from arbitrary bytes in one of the ways the window fills
// it (a file load, a set text, a paste), then what a load does to it in its
// order: the rate text into the rate box, the header removal, the sample parse
// and the mark of a bad line.
#include "fuzz/fuzz_bytes.h"
#include "input/bad_line_mark.h"
#include "input/data_file_header.h"
#include "input/sample_parser.h"
#include "numbers/float_model.h"
#include "numbers/number_parse.h"
#include "runtime/exceptions.h"

#include <cmath>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetFpMode();
    TFuzzBytes in(data, size);
    const int how = int(in.InRange(0, 2));
    const int at = int(in.InRange(0, 8)), to = int(in.InRange(0, 8));
    const std::string_view bytes = in.Rest();
    TPaneText pane;
    if (how == 0) {
        pane.LoadBytes(std::string(bytes));
    } else if (how == 1) {
        pane.SetText(bytes);
    } else {
        pane.SetText("0.5\r\n-1\r\n");
        pane.SetSelection(at, to);
        pane.ReplaceSelection(TPaneText::NormalizeLineBreaks(bytes));
    }

    pane.SelectAll();
    const int textLength = pane.SelLength();
    const TRateText rate = FindRateText(pane, textLength);
    if (rate.found) {
        pane.SetSelStart(rate.start);
        pane.SetSelLength(rate.length);
        const std::string pasted = pane.SelText();
        const std::string box = RateBoxText(pasted);
        FUZZ_CHECK(box == pasted || box == kNoRateText);
        FUZZ_CHECK(ParseFloat(box).errorPosition == 0);
        try {
            const double hz = SampleRateFromText(box);
            FUZZ_CHECK(!std::isnan(hz));
        } catch (const EOverflow&) {
            // a rate beyond the 64-bit range, as for a sample
        }
    }

    const int header = HeaderLength(pane, textLength);
    if (header >= 0) {
        FUZZ_CHECK(header >= 9);
        pane.SetSelStart(0);
        pane.SetSelLength(header);
        pane.DeleteSelection();
        FUZZ_CHECK(pane.Length() == std::max(0, textLength - header));
    }

    TMemoryBuffer buffer;
    TNoProgress progress;
    LineParseResult r;
    try {
        r = ParseLines(pane, buffer, progress);
    } catch (const EOverflow&) {
        return 0; // a sample beyond the 64-bit range
    }
    const int lines = pane.LineCount();
    FUZZ_CHECK(r.errorLine == -1 ? r.count == lines : r.errorLine == r.count && r.count <= lines);
    FUZZ_CHECK(buffer.Size() == int64_t(r.count) * 8);
    for (const double v : buffer.Elements<double>(0, r.count))
        FUZZ_CHECK(std::isfinite(v));
    if (r.errorLine >= 0) {
        const TBadLineMark mark = LocateBadCharacter(pane, r.errorLine, r.errorPosition);
        FUZZ_CHECK(mark.length == 0 || mark.length == 1);
        FUZZ_CHECK(mark.start >= -1 && mark.start + mark.length <= pane.Length());
        FUZZ_CHECK(mark.length == 0 || mark.start >= 0);
    }
    return 0;
}
