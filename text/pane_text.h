#pragma once
// The text model of a sample pane: Windows-1251 bytes with CR LF line breaks.
//
// Positions are 0-based byte offsets and a line break occupies two of them, so
// a position from Find can be used directly as a selection start. Line i is the
// text after the i-th break up to the next one, without the break; the line
// count leaves out the empty line after a final break (an empty text has 0).
//
// A line index (the start offset of every line) keeps line access and the line
// count O(1) and an edit proportional only to the bytes and lines after it, so a
// pane of 1,000,000 lines stays responsive.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TPaneText {
public:
    // The most characters a pane holds once a file has been loaded into it
    // (0x7FFFFFF0); positions stay in 32 bits.
    static constexpr int kTextLimit = 2147483632;
    // Reading a line gives at most this many characters.
    static constexpr int kMaxLineRead = 4096;

    TPaneText();

    // ---- whole text ----
    const std::string& Text() const { return text_; }
    int Length() const { return int(text_.size()); }
    // Replaces the text as it stands (no line-break conversion); clears undo.
    void SetText(std::string_view text);
    void Clear();
    // Replaces the text with bytes read from a file: CR LF, lone CR and lone LF
    // all become CR LF; every other byte passes unchanged. Clears undo.
    void LoadBytes(std::string bytes);
    // Converts CR, LF and CR LF in any text to CR LF line breaks.
    static std::string NormalizeLineBreaks(std::string_view bytes);
    // The length of that conversion, counted without making it.
    static int64_t LoadedLength(std::string_view bytes);

    // ---- lines ----
    int LineCount() const;
    // The line without its break, cut at kMaxLineRead characters.
    std::string Line(int i) const;
    // The whole line without its break; valid until the next edit.
    std::string_view LineView(int i) const;
    int LineStart(int i) const { return lineStarts_[size_t(i)]; }
    // Lines including the empty one after a final break (at least 1).
    int RawLineCount() const { return int(lineStarts_.size()); }
    // The line holding position pos (a position inside a break counts to the
    // line the break ends).
    int LineOfPosition(int pos) const;
    // Length of the line's text without its break.
    int LineLength(int i) const;

    // ---- search ----
    // First occurrence of what lying wholly in start .. start+length, or -1.
    // An empty search text is never found.
    int Find(std::string_view what, int start, int length, bool matchCase) const;

    // ---- selection: an anchor and a caret (the selection's end) ----
    int SelStart() const;
    int SelLength() const;
    int Anchor() const { return anchor_; }
    int Caret() const { return caret_; }
    // Collapses the selection at pos (clamped to the text).
    void SetSelStart(int pos);
    // Keeps the anchor and moves the caret n positions from it; a negative n
    // selects backwards.
    void SetSelLength(int n);
    void SetSelection(int anchor, int caret);
    void SelectAll();
    std::string SelText() const;

    // ---- edits (each one an undo step) ----
    // Inserts bytes at pos; returns how many were inserted (fewer when the text
    // limit refuses some). The caret ends right after them.
    int Insert(int pos, std::string_view bytes);
    // Removes length bytes from pos; the caret ends at pos.
    void Delete(int pos, int length);
    // Replaces the selection by bytes (typing, pasting); returns bytes inserted.
    int ReplaceSelection(std::string_view bytes);
    // Removes the selected bytes; false when nothing was selected.
    bool DeleteSelection();
    // Adds text as a new last line: after a final break (or into an empty text)
    // text + CR LF, otherwise CR LF + text. False when the text limit refused it.
    bool AppendLine(std::string_view text);

    // Heap bytes held by the text, the line index and the undo steps.
    size_t MemoryBytes() const;

    bool CanUndo() const { return !undo_.empty(); }
    // Reverts the last edit step; false when there is none.
    bool Undo();

private:
    struct Edit {
        int pos;
        std::string removed;
        std::string inserted;
    };
    void RawInsert(int pos, std::string_view bytes);
    void RawErase(int pos, int length);
    void RebuildIndex();
    // Re-indexes after text pos..oldEnd became pos..newEnd.
    void ReplaceStarts(int pos, int oldEnd, int newEnd);
    void Record(int pos, std::string_view removed, std::string_view inserted);
    int Clamp(int pos) const;

    std::string text_;
    std::vector<int32_t> lineStarts_; // start of every raw line; [0] == 0
    int anchor_ = 0;
    int caret_ = 0;
    std::vector<Edit> undo_;
};
