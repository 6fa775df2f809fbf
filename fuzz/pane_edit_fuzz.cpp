// Sequences of pane edits and undo steps, checked after every step against a
// plain string and a list of earlier texts: the text, its lines, the
// selection an edit leaves, and search.
#include "fuzz/fuzz_bytes.h"
#include "text/pane_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// What the pane should hold: its text, and for each undo step the text
// before it with the typed run it may still grow by.
struct TModel {
    struct Step {
        std::string before;
        int pos;
        int inserted;
        bool typing; // removed nothing, so one more typed character may join it
    };
    std::string text;
    std::vector<Step> undo;

    void Reset(std::string t)
    {
        text = std::move(t);
        undo.clear();
    }
    void Replace(int pos, int length, std::string_view bytes)
    {
        if (length == 0 && bytes.empty())
            return;
        // Typed characters right after the last typed run form one step.
        const bool joins = length == 0 && bytes.size() == 1 && !undo.empty() && undo.back().typing &&
            undo.back().pos + undo.back().inserted == pos && undo.back().inserted < 256;
        if (joins)
            ++undo.back().inserted;
        else
            undo.push_back({text, pos, int(bytes.size()), length == 0});
        text.replace(size_t(pos), size_t(length), bytes);
    }
};

int Clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

// Lines split at CR LF only; the empty line after a final break not counted.
std::vector<std::string_view> Lines(const std::string& t)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] == '\r' && t[i + 1] == '\n') {
            lines.emplace_back(t.data() + start, i - start);
            start = i + 2;
            ++i;
        }
    if (start < t.size())
        lines.emplace_back(t.data() + start, t.size() - start);
    return lines;
}

void Compare(const TPaneText& pane, const TModel& model, TFuzzBytes& in)
{
    FUZZ_CHECK(pane.Text() == model.text);
    FUZZ_CHECK(pane.CanUndo() == !model.undo.empty());
    const std::vector<std::string_view> lines = Lines(model.text);
    FUZZ_CHECK(pane.LineCount() == int(lines.size()));
    for (int i = 0; i < int(lines.size()); ++i) {
        FUZZ_CHECK(pane.LineView(i) == lines[size_t(i)]);
        FUZZ_CHECK(pane.LineLength(i) == int(lines[size_t(i)].size()));
        FUZZ_CHECK(pane.LineOfPosition(pane.LineStart(i)) == i);
    }
    const std::string_view what = in.Text(4);
    const int start = int(in.InRange(-4, 300)), length = int(in.InRange(-4, 300));
    const int found = pane.Find(what, start, length, true);
    int expected = -1;
    if (!what.empty() && length > 0) {
        const int64_t from = std::max(0, start),
                      to = std::min<int64_t>(pane.Length(), int64_t(start) + length);
        if (to - from >= int64_t(what.size())) {
            const size_t hit =
                std::string_view(model.text).substr(size_t(from), size_t(to - from)).find(what);
            expected = hit == std::string_view::npos ? -1 : int(from + int64_t(hit));
        }
    }
    FUZZ_CHECK(found == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TFuzzBytes in(data, size);
    TPaneText pane;
    TModel model;
    for (int step = 0; step < 200 && !in.Empty(); ++step) {
        const int op = int(in.InRange(0, 8));
        const int a = int(in.InRange(-2, 300)), b = int(in.InRange(-2, 300));
        const int length = pane.Length();
        switch (op) {
        case 0: {
            const std::string_view bytes = in.Text(8);
            const int pos = Clamp(a, 0, length);
            FUZZ_CHECK(pane.Insert(a, bytes) == int(bytes.size()));
            model.Replace(pos, 0, bytes);
            FUZZ_CHECK(pane.Caret() == pos + int(bytes.size()) && pane.SelLength() == 0);
            break;
        }
        case 1: {
            const int pos = Clamp(a, 0, length);
            const int n = Clamp(b, 0, length - pos);
            pane.Delete(a, b);
            model.Replace(pos, n, {});
            FUZZ_CHECK(pane.Caret() == pos && pane.SelLength() == 0);
            break;
        }
        case 2: {
            pane.SetSelection(a, b);
            const int lo = std::min(Clamp(a, 0, length), Clamp(b, 0, length));
            FUZZ_CHECK(pane.SelStart() == lo);
            FUZZ_CHECK(pane.SelText() == model.text.substr(size_t(lo), size_t(pane.SelLength())));
            const std::string bytes = TPaneText::NormalizeLineBreaks(in.Text(8));
            const int n = pane.SelLength();
            FUZZ_CHECK(pane.ReplaceSelection(bytes) == int(bytes.size()));
            model.Replace(lo, n, bytes);
            break;
        }
        case 3: {
            pane.SetSelStart(a);
            pane.SetSelLength(b - 150);
            const int lo = pane.SelStart(), n = pane.SelLength();
            FUZZ_CHECK(pane.DeleteSelection() == (n > 0));
            model.Replace(lo, n, {});
            break;
        }
        case 4: {
            const std::string_view text = in.Text(8);
            // After a final break (or into an empty text) the line and its
            // break, otherwise a break and the line.
            const bool open = model.text.empty() ||
                (model.text.size() >= 2 && model.text.compare(model.text.size() - 2, 2, "\r\n") == 0);
            const std::string piece = open ? std::string(text) + "\r\n" : "\r\n" + std::string(text);
            FUZZ_CHECK(pane.AppendLine(text));
            model.Replace(int(model.text.size()), 0, piece);
            break;
        }
        case 5:
        case 6: {
            const bool had = !model.undo.empty();
            FUZZ_CHECK(pane.Undo() == had);
            if (had) {
                const TModel::Step s = model.undo.back();
                model.undo.pop_back();
                const int removed = int(s.before.size()) - (int(model.text.size()) - s.inserted);
                model.text = s.before;
                FUZZ_CHECK(pane.Anchor() == s.pos && pane.Caret() == s.pos + removed);
            }
            break;
        }
        case 7: {
            const std::string_view bytes = in.Text(16);
            pane.SetText(bytes);
            model.Reset(std::string(bytes));
            break;
        }
        default: {
            const std::string_view bytes = in.Text(16);
            pane.LoadBytes(std::string(bytes));
            model.Reset(TPaneText::NormalizeLineBreaks(bytes));
            break;
        }
        }
        Compare(pane, model, in);
    }
    return 0;
}
