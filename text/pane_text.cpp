#include "text/pane_text.h"

#include <algorithm>
#include <cstring>

namespace {

// Case folding of Windows-1251: ASCII letters, the Cyrillic block C0..FF (upper
// case C0..DF, lower case E0..FF) and the letter pair A8/B8.
unsigned char Fold(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c >= 0xC0 && c <= 0xDF)
        return c + 32;
    if (c == 0xA8)
        return 0xB8;
    return c;
}

// Undo keeps at most this many steps so a long session's memory stays bounded.
constexpr size_t kMaxUndoSteps = 10000;

} // namespace

TPaneText::TPaneText() { lineStarts_.push_back(0); }

void TPaneText::RebuildIndex()
{
    lineStarts_.clear();
    const char* base = text_.data();
    const char* end = base + text_.size();
    // One start per LF at most: reserved at once, the index of ten million
    // lines is written in place instead of being copied as it grows.
    lineStarts_.reserve(size_t(std::count(base, end, '\n')) + 1);
    lineStarts_.push_back(0);
    for (const char* p = base; p < end;) {
        const void* hit = std::memchr(p, '\n', size_t(end - p));
        if (!hit)
            break;
        p = static_cast<const char*>(hit) + 1;
        // Only CR LF breaks a line; a lone LF typed or set programmatically is a
        // character of the line.
        if (p - base >= 2 && p[-2] == '\r')
            lineStarts_.push_back(int32_t(p - base));
    }
}

void TPaneText::SetText(std::string_view text)
{
    text_.assign(text.data(), text.size());
    RebuildIndex();
    anchor_ = caret_ = 0;
    undo_.clear();
}

void TPaneText::Clear() { SetText({}); }

int64_t TPaneText::LoadedLength(std::string_view bytes)
{
    // A lone CR or LF gains a character; a CR LF stays as it is.
    const size_t n = bytes.size();
    const char* b = bytes.data();
    int64_t gained = 0;
    for (size_t i = 0; i < n; ++i)
        gained += int64_t(b[i] == '\r' && (i + 1 == n || b[i + 1] != '\n')) +
            int64_t(b[i] == '\n' && (i == 0 || b[i - 1] != '\r'));
    return int64_t(n) + gained;
}

std::string TPaneText::NormalizeLineBreaks(std::string_view bytes)
{
    std::string out;
    out.reserve(size_t(LoadedLength(bytes)));
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

void TPaneText::LoadBytes(std::string bytes)
{
    // Fast path: a file already written with CR LF needs no conversion copy.
    // It has one when every CR is followed by an LF and every LF follows a CR:
    // byte i is a CR exactly when byte i + 1 is an LF, with no LF first and no
    // CR last. One pass without branches, which the compiler vectorizes.
    const size_t n = bytes.size();
    bool clean = n == 0 || (bytes[0] != '\n' && bytes[n - 1] != '\r');
    const char* b = bytes.data();
    unsigned mismatch = 0;
    for (size_t i = 0; i + 1 < n; ++i)
        mismatch |= unsigned(b[i] == '\r') ^ unsigned(b[i + 1] == '\n');
    clean = clean && mismatch == 0;
    if (!clean)
        bytes = NormalizeLineBreaks(bytes);
    text_ = std::move(bytes);
    RebuildIndex();
    anchor_ = caret_ = 0;
    undo_.clear();
}

int TPaneText::LineCount() const
{
    const int raw = RawLineCount();
    return LineLength(raw - 1) == 0 ? raw - 1 : raw;
}

int TPaneText::LineLength(int i) const
{
    const int start = lineStarts_[size_t(i)];
    const int end = i + 1 < RawLineCount() ? lineStarts_[size_t(i) + 1] - 2 : Length();
    return end - start;
}

std::string_view TPaneText::LineView(int i) const
{
    if (i < 0 || i >= RawLineCount())
        return {};
    return std::string_view(text_.data() + LineStart(i), size_t(LineLength(i)));
}

std::string TPaneText::Line(int i) const
{
    const std::string_view v = LineView(i);
    return std::string(v.substr(0, size_t(kMaxLineRead)));
}

int TPaneText::LineOfPosition(int pos) const
{
    const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), int32_t(pos));
    return std::max(0, int(it - lineStarts_.begin()) - 1);
}

int TPaneText::Find(std::string_view what, int start, int length, bool matchCase) const
{
    if (what.empty() || length <= 0)
        return -1;
    const int64_t from = std::max(0, start);
    const int64_t to = std::min<int64_t>(Length(), int64_t(start) + length);
    if (to - from < int64_t(what.size()))
        return -1;
    const std::string_view range(text_.data() + from, size_t(to - from));
    if (matchCase) {
        const size_t hit = range.find(what);
        return hit == std::string_view::npos ? -1 : int(from + int64_t(hit));
    }
    const auto eq = [](char a, char b) {
        return Fold(static_cast<unsigned char>(a)) == Fold(static_cast<unsigned char>(b));
    };
    const auto it = std::search(range.begin(), range.end(), what.begin(), what.end(), eq);
    return it == range.end() ? -1 : int(from + (it - range.begin()));
}

int TPaneText::Clamp(int pos) const { return std::clamp(pos, 0, Length()); }

int TPaneText::SelStart() const { return std::min(anchor_, caret_); }
int TPaneText::SelLength() const { return std::abs(caret_ - anchor_); }

void TPaneText::SetSelStart(int pos) { anchor_ = caret_ = Clamp(pos); }

void TPaneText::SetSelLength(int n)
{
    caret_ = Clamp(int(std::clamp<int64_t>(int64_t(anchor_) + n, 0, Length())));
}

void TPaneText::SetSelection(int anchor, int caret)
{
    anchor_ = Clamp(anchor);
    caret_ = Clamp(caret);
}

void TPaneText::SelectAll()
{
    anchor_ = 0;
    caret_ = Length();
}

std::string TPaneText::SelText() const { return text_.substr(size_t(SelStart()), size_t(SelLength())); }

// A line starts at p when the two bytes before p are CR LF. An edit at pos can
// only make or break such pairs at its seams, so starts up to pos stay, the
// starts wholly after the edit shift, and only the edited span is rescanned.
void TPaneText::ReplaceStarts(int pos, int oldEnd, int newEnd)
{
    const int64_t delta = int64_t(newEnd) - oldEnd;
    const size_t keep =
        size_t(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), int32_t(pos)) - lineStarts_.begin());
    // An old start at oldEnd + 2 or later had its CR LF outside the edit.
    const size_t tail =
        size_t(std::lower_bound(lineStarts_.begin() + keep, lineStarts_.end(), int32_t(int64_t(oldEnd) + 2)) -
               lineStarts_.begin());
    for (size_t k = tail; k < lineStarts_.size(); ++k)
        lineStarts_[k] = int32_t(lineStarts_[k] + delta);
    std::vector<int32_t> fresh;
    const int last = std::min(newEnd + 1, Length());
    for (int p = std::max(pos + 1, 2); p <= last; ++p)
        if (text_[size_t(p) - 2] == '\r' && text_[size_t(p) - 1] == '\n')
            fresh.push_back(p);
    lineStarts_.erase(lineStarts_.begin() + long(keep), lineStarts_.begin() + long(tail));
    lineStarts_.insert(lineStarts_.begin() + long(keep), fresh.begin(), fresh.end());
}

void TPaneText::RawInsert(int pos, std::string_view bytes)
{
    if (bytes.empty())
        return;
    text_.insert(size_t(pos), bytes.data(), bytes.size());
    ReplaceStarts(pos, pos, pos + int(bytes.size()));
}

void TPaneText::RawErase(int pos, int length)
{
    if (length <= 0)
        return;
    text_.erase(size_t(pos), size_t(length));
    ReplaceStarts(pos, pos + length, pos);
}

void TPaneText::Record(int pos, std::string_view removed, std::string_view inserted)
{
    // Consecutive typed characters form one undo step.
    if (removed.empty() && !undo_.empty()) {
        Edit& last = undo_.back();
        if (last.removed.empty() && last.pos + int(last.inserted.size()) == pos && inserted.size() == 1 &&
            last.inserted.size() < 256) {
            last.inserted.append(inserted);
            return;
        }
    }
    if (undo_.size() >= kMaxUndoSteps)
        undo_.erase(undo_.begin());
    undo_.push_back({pos, std::string(removed), std::string(inserted)});
}

int TPaneText::Insert(int pos, std::string_view bytes)
{
    SetSelStart(pos);
    return ReplaceSelection(bytes);
}

void TPaneText::Delete(int pos, int length)
{
    pos = Clamp(pos);
    SetSelection(pos, pos + std::clamp(length, 0, Length() - pos));
    ReplaceSelection({});
}

int TPaneText::ReplaceSelection(std::string_view bytes)
{
    const int start = SelStart();
    const int length = SelLength();
    const int64_t room = int64_t(kTextLimit) - (Length() - length);
    if (int64_t(bytes.size()) > room)
        bytes = bytes.substr(0, size_t(std::max<int64_t>(0, room)));
    if (length > 0 || !bytes.empty()) {
        Record(start, std::string_view(text_).substr(size_t(start), size_t(length)), bytes);
        RawErase(start, length);
        RawInsert(start, bytes);
    }
    anchor_ = caret_ = start + int(bytes.size());
    return int(bytes.size());
}

bool TPaneText::DeleteSelection()
{
    if (SelLength() == 0)
        return false;
    Delete(SelStart(), SelLength());
    return true;
}

bool TPaneText::AppendLine(std::string_view text)
{
    const int lines = LineCount();
    std::string piece;
    if (lines < RawLineCount() || Length() == 0) {
        // The empty last line exists: text and its break go at its start.
        piece.reserve(text.size() + 2);
        piece.append(text).append("\r\n");
    } else {
        piece.reserve(text.size() + 2);
        piece.append("\r\n").append(text);
    }
    const int at = Length();
    return Insert(at, piece) == int(piece.size());
}

bool TPaneText::Undo()
{
    if (undo_.empty())
        return false;
    const Edit e = std::move(undo_.back());
    undo_.pop_back();
    RawErase(e.pos, int(e.inserted.size()));
    RawInsert(e.pos, e.removed);
    anchor_ = e.pos;
    caret_ = e.pos + int(e.removed.size());
    return true;
}

size_t TPaneText::MemoryBytes() const
{
    size_t undo = undo_.capacity() * sizeof(Edit);
    for (const Edit& e : undo_)
        undo += e.removed.capacity() + e.inserted.capacity();
    return text_.capacity() + lineStarts_.capacity() * sizeof(int32_t) + undo;
}
