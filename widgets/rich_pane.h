#pragma once
// A sample pane: an editor view over a TPaneText. It paints only the visible
// lines, so a pane of a million lines costs its bytes and its line index and
// nothing per line. Every change of the text emits Changed(); selecting does not.
// Texts are Windows-1251 bytes; positions count a CR LF break as two.
// Like the layout's rich-text pane it scrolls vertically only: a long line
// scrolls sideways with the caret, with no bar under the text.
#include "text/pane_text.h"

#include <QAbstractScrollArea>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

class QMenu;

class TRichPane : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit TRichPane(QWidget* parent = nullptr);

    // Removes all text.
    void Clear();
    // Replaces the text with the file's (CR, LF and CR LF become CR LF). Raises
    // EFOpenError "Cannot open file "%s". %s" when it cannot be opened and
    // EOutOfResources "Failed to Load Stream" when reading fails.
    void LoadFromFile(const QString& path);
    // Replaces the text with bytes already read from a file, as LoadFromFile does.
    void LoadFileBytes(std::string bytes);
    // The same with the bytes loaded into a text already (TPaneText::LoadBytes),
    // which for a large file is done on a worker, away from the window.
    void LoadFileText(TPaneText text);

    int LineCount() const { return text_.LineCount(); }
    std::string Line(int i) const { return text_.Line(i); }
    std::string_view LineView(int i) const { return text_.LineView(i); }
    std::string Text() const { return text_.Text(); }
    void SetText(std::string_view text);
    int TextLength() const { return text_.Length(); }
    int Find(std::string_view what, int start, int length, bool matchCase) const
    {
        return text_.Find(what, start, length, matchCase);
    }

    void SelectAll();
    int SelStart() const { return text_.SelStart(); }
    void SetSelStart(int pos);
    int SelLength() const { return text_.SelLength(); }
    // Keeps the start and selects n positions; scrolls the caret into view.
    void SetSelLength(int n);
    std::string SelText() const { return text_.SelText(); }
    // Puts the selection on the clipboard, replacing what was there.
    void CopyToClipboard();
    // Deletes the selected text.
    void ClearSelection();
    // Raises EOutOfResources "RichEdit line insertion error" when refused.
    void AppendLine(std::string_view text);
    void FocusPane();

    const TPaneText& Model() const { return text_; }

    // Editing commands of the keyboard and the context menu.
    void Cut();
    void Paste();
    void Undo();
    // Replaces positions from .. to with bytes (line breaks made CR LF) as typing
    // does: one undo step, Changed emitted. Assistive technology edits this way.
    void ReplaceRange(int from, int to, std::string_view bytes);

    // Geometry in viewport pixels: the character cell at a position, and the
    // position nearest to a point.
    QRect CharacterRect(int pos) const;
    int PositionAt(const QPoint& viewportPoint) const;
    // Scrolls so that the position is in view; the selection stays.
    void EnsureVisible(int pos);

signals:
    void Changed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Typing and pasting: replaces the selection, emits Changed when it changed.
    void TypeText(std::string_view bytes);
    void MoveCaret(int pos, bool extend);
    // After an edit that replaced `removed` at pos by the insertedLength bytes
    // now there; tells assistive technology too, when one listens.
    void TextChanged(int pos, std::string_view removed, int insertedLength);
    // What an edit is about to remove, kept only while assistive technology
    // listens (a copy of a million-line text costs for nobody otherwise).
    std::string RemovedText(int pos, int length) const;
    // After the caret or the selection moved.
    void CaretMoved();
    void UpdateScrollBars();
    void EnsureCaretVisible() { EnsureVisible(text_.Caret()); }
    int LineHeight() const;
    int CharWidth() const;
    // Display column of byte index in a line (tabs advance to the next multiple of 8).
    static int ColumnOf(std::string_view line, int index);
    static int IndexAtColumn(std::string_view line, int column);
    // The position one step left or right of pos (a CR LF is one step).
    int StepLeft(int pos) const;
    int StepRight(int pos) const;

    TPaneText text_;
    int widestColumns_ = 0;
    int preferredColumn_ = -1;
};
