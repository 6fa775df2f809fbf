#include "widgets/rich_pane.h"

#include "runtime/code_page.h"
#include "runtime/exceptions.h"
#include "text/text_file_reader.h"
#include "widgets/clipboard.h"
#include "widgets/pane_accessible.h"
#include "widgets/qt_text.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kTabWidth = 8;
constexpr int kMargin = 3;

// Liberation Mono at 10 px advances exactly 6 px a character, so the column
// grid of the caret and the selection matches the drawn text (a fractional
// advance drifts from it), and nine characters («-0.157734») fit the 78-px
// pane beside its scroll bar: 2 + 3 + 9 x 6 + 16 + 2 = 77.
QFont PaneFont()
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(10);
    return font;
}

// Widest line in columns, for the horizontal scroll range (tabs not expanded:
// sample lines seldom hold more than one, at their end).
int WidestLine(const TPaneText& text)
{
    int widest = 0;
    for (int i = 0; i < text.RawLineCount(); ++i)
        widest = std::max(widest, text.LineLength(i));
    return widest;
}

std::string ForClipboard(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue; // the platform's clipboard breaks are LF
        out += bytes[i];
    }
    return out;
}

} // namespace

TRichPane::TRichPane(QWidget* parent) : QAbstractScrollArea(parent)
{
    InstallPaneAccessibility();
    setFont(PaneFont());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    UpdateScrollBars();
}

// ---- operations of the program ----

void TRichPane::Clear()
{
    const std::string before = RemovedText(0, text_.Length());
    text_.Clear();
    widestColumns_ = 0;
    TextChanged(0, before, 0);
}

void TRichPane::LoadFromFile(const QString& path) { LoadFileBytes(ReadFileForPane(LocalPath(path))); }

void TRichPane::LoadFileBytes(std::string bytes)
{
    TPaneText text;
    text.LoadBytes(std::move(bytes));
    LoadFileText(std::move(text));
}

void TRichPane::LoadFileText(TPaneText text)
{
    const std::string before = RemovedText(0, text_.Length());
    text_ = std::move(text);
    widestColumns_ = WidestLine(text_);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    TextChanged(0, before, text_.Length());
}

void TRichPane::SetText(std::string_view text)
{
    const std::string before = RemovedText(0, text_.Length());
    text_.SetText(text);
    widestColumns_ = WidestLine(text_);
    TextChanged(0, before, text_.Length());
}

void TRichPane::SelectAll()
{
    text_.SelectAll();
    viewport()->update();
    CaretMoved();
}

void TRichPane::SetSelStart(int pos)
{
    text_.SetSelStart(pos);
    preferredColumn_ = -1;
    EnsureCaretVisible();
    viewport()->update();
    CaretMoved();
}

void TRichPane::SetSelLength(int n)
{
    text_.SetSelLength(n);
    EnsureCaretVisible();
    viewport()->update();
    CaretMoved();
}

void TRichPane::CopyToClipboard()
{
    // Replaces the clipboard even for an empty selection, so a stale text is
    // never taken for the copied one.
    SetClipboardText(ForClipboard(text_.SelText()));
}

void TRichPane::ClearSelection()
{
    const int pos = text_.SelStart();
    const std::string removed = RemovedText(pos, text_.SelLength());
    if (text_.DeleteSelection())
        TextChanged(pos, removed, 0);
}

void TRichPane::AppendLine(std::string_view text)
{
    const int end = text_.Length();
    const bool whole = text_.AppendLine(text);
    widestColumns_ = std::max(widestColumns_, int(text.size()));
    TextChanged(end, {}, text_.Length() - end);
    if (!whole)
        throw EOutOfResources("RichEdit line insertion error");
}

void TRichPane::FocusPane() { setFocus(Qt::OtherFocusReason); }

void TRichPane::Cut()
{
    if (text_.SelLength() == 0)
        return;
    CopyToClipboard();
    ClearSelection();
}

void TRichPane::Paste() { TypeText(TPaneText::NormalizeLineBreaks(ClipboardText())); }

void TRichPane::Undo()
{
    // An undo step may touch any part of the text: told as a whole new text.
    const std::string before = RemovedText(0, text_.Length());
    if (text_.Undo()) {
        widestColumns_ = std::max(widestColumns_, text_.LineLength(text_.LineOfPosition(text_.Caret())));
        TextChanged(0, before, text_.Length());
    }
}

void TRichPane::ReplaceRange(int from, int to, std::string_view bytes)
{
    text_.SetSelection(from, to);
    TypeText(TPaneText::NormalizeLineBreaks(bytes));
}

// ---- editing helpers ----

void TRichPane::TypeText(std::string_view bytes)
{
    if (bytes.empty() && text_.SelLength() == 0)
        return;
    const int pos = text_.SelStart();
    const std::string removed = RemovedText(pos, text_.SelLength());
    const int inserted = text_.ReplaceSelection(bytes);
    preferredColumn_ = -1;
    widestColumns_ = std::max(widestColumns_, text_.LineLength(text_.LineOfPosition(text_.Caret())));
    TextChanged(pos, removed, inserted);
}

std::string TRichPane::RemovedText(int pos, int length) const
{
    if (!QAccessible::isActive())
        return std::string();
    return text_.Text().substr(size_t(pos), size_t(length));
}

void TRichPane::TextChanged(int pos, std::string_view removed, int insertedLength)
{
    UpdateScrollBars();
    EnsureCaretVisible();
    viewport()->update();
    if (QAccessible::isActive()) {
        const std::string_view inserted =
            std::string_view(text_.Text()).substr(size_t(pos), size_t(insertedLength));
        QAccessibleTextUpdateEvent event(this, pos, FromCp1251(removed), FromCp1251(inserted));
        QAccessible::updateAccessibility(&event);
    }
    emit Changed();
}

void TRichPane::CaretMoved()
{
    if (!QAccessible::isActive())
        return;
    if (text_.SelLength() > 0) {
        QAccessibleTextSelectionEvent event(this, text_.SelStart(), text_.SelStart() + text_.SelLength());
        event.setCursorPosition(text_.Caret());
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextCursorEvent event(this, text_.Caret());
        QAccessible::updateAccessibility(&event);
    }
}

void TRichPane::MoveCaret(int pos, bool extend)
{
    if (extend)
        text_.SetSelection(text_.Anchor(), pos);
    else
        text_.SetSelStart(pos);
    EnsureCaretVisible();
    viewport()->update();
    CaretMoved();
}

int TRichPane::StepLeft(int pos) const
{
    const std::string& t = text_.Text();
    if (pos >= 2 && t[size_t(pos) - 1] == '\n' && t[size_t(pos) - 2] == '\r')
        return pos - 2;
    return std::max(0, pos - 1);
}

int TRichPane::StepRight(int pos) const
{
    const std::string& t = text_.Text();
    if (pos + 1 < text_.Length() && t[size_t(pos)] == '\r' && t[size_t(pos) + 1] == '\n')
        return pos + 2;
    return std::min(text_.Length(), pos + 1);
}

// ---- geometry ----

int TRichPane::LineHeight() const { return std::max(1, fontMetrics().height()); }
int TRichPane::CharWidth() const { return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0'))); }

int TRichPane::ColumnOf(std::string_view line, int index)
{
    int column = 0;
    for (int i = 0; i < index && i < int(line.size()); ++i)
        column = line[size_t(i)] == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
    return column;
}

int TRichPane::IndexAtColumn(std::string_view line, int column)
{
    int col = 0;
    for (int i = 0; i < int(line.size()); ++i) {
        const int next = line[size_t(i)] == '\t' ? (col / kTabWidth + 1) * kTabWidth : col + 1;
        // Nearer to the character's left edge than to its right one.
        if (column < next && column - col <= next - column)
            return i;
        if (column < next)
            return i + 1;
        col = next;
    }
    return int(line.size());
}

int TRichPane::PositionAt(const QPoint& p) const
{
    const int line = std::clamp(verticalScrollBar()->value() + std::max(0, p.y()) / LineHeight(), 0,
                                text_.RawLineCount() - 1);
    const int x = p.x() - kMargin + horizontalScrollBar()->value();
    // IndexAtColumn rounds to the nearer character edge itself.
    const int index = IndexAtColumn(text_.LineView(line), std::max(0, x) / CharWidth());
    return text_.LineStart(line) + index;
}

void TRichPane::UpdateScrollBars()
{
    const int visible = std::max(1, viewport()->height() / LineHeight());
    QScrollBar* v = verticalScrollBar();
    v->setPageStep(visible);
    v->setRange(0, std::max(0, text_.RawLineCount() - visible));
    QScrollBar* h = horizontalScrollBar();
    h->setPageStep(std::max(1, viewport()->width()));
    h->setSingleStep(CharWidth());
    h->setRange(0, std::max(0, (widestColumns_ + 1) * CharWidth() + 2 * kMargin - viewport()->width()));
}

QRect TRichPane::CharacterRect(int pos) const
{
    pos = std::clamp(pos, 0, text_.Length());
    const int line = text_.LineOfPosition(pos);
    const int column = ColumnOf(text_.LineView(line), pos - text_.LineStart(line));
    return QRect(kMargin - horizontalScrollBar()->value() + column * CharWidth(),
                 (line - verticalScrollBar()->value()) * LineHeight(), CharWidth(), LineHeight());
}

void TRichPane::EnsureVisible(int pos)
{
    const int line = text_.LineOfPosition(pos);
    const int visible = std::max(1, viewport()->height() / LineHeight());
    QScrollBar* v = verticalScrollBar();
    if (line < v->value())
        v->setValue(line);
    else if (line >= v->value() + visible)
        v->setValue(line - visible + 1);
    const std::string_view view = text_.LineView(line);
    const int x = ColumnOf(view, pos - text_.LineStart(line)) * CharWidth();
    QScrollBar* h = horizontalScrollBar();
    const int width = std::max(1, viewport()->width() - 2 * kMargin);
    if (x < h->value())
        h->setValue(x);
    else if (x >= h->value() + width)
        h->setValue(x - width + CharWidth());
}

// ---- events ----

void TRichPane::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const QPalette& pal = palette();
    painter.fillRect(viewport()->rect(), pal.base());
    const int lh = LineHeight();
    const int cw = CharWidth();
    const int ascent = fontMetrics().ascent();
    const int first = verticalScrollBar()->value();
    const int visible = viewport()->height() / lh + 1;
    const int last = std::min(text_.RawLineCount() - 1, first + visible);
    const int xOrigin = kMargin - horizontalScrollBar()->value();
    const int selFrom = text_.SelStart();
    const int selTo = selFrom + text_.SelLength();
    const bool focused = hasFocus();
    const int firstColumn = horizontalScrollBar()->value() / cw;
    const int lastColumn = firstColumn + viewport()->width() / cw + 1;

    for (int line = first; line <= last; ++line) {
        const std::string_view view = text_.LineView(line);
        const int start = text_.LineStart(line);
        const int y = (line - first) * lh;
        // Selection background, a selected break shown as one extra column.
        const int lineEnd = start + int(view.size()) + (line + 1 < text_.RawLineCount() ? 2 : 0);
        const int a = std::max(selFrom, start);
        const int b = std::min(selTo, lineEnd);
        if (a < b) {
            const int ca = ColumnOf(view, a - start);
            int cb = ColumnOf(view, std::min(b, start + int(view.size())) - start);
            if (b > start + int(view.size()))
                ++cb;
            painter.fillRect(xOrigin + ca * cw, y, (cb - ca) * cw, lh,
                             pal.brush(focused ? QPalette::Active : QPalette::Inactive, QPalette::Highlight));
        }
        // Only the visible columns, tabs expanded and control bytes blanked, so
        // a very long line costs its scan and not a string of its whole width.
        std::string slice;
        int sliceColumn = -1;
        int column = 0;
        for (char c : view) {
            if (column > lastColumn)
                break;
            const int next = c == '\t' ? (column / kTabWidth + 1) * kTabWidth : column + 1;
            if (next > firstColumn) {
                if (sliceColumn < 0)
                    sliceColumn = column;
                if (c == '\t' || static_cast<unsigned char>(c) < 32)
                    slice.append(size_t(next - column), ' ');
                else
                    slice += c;
            }
            column = next;
        }
        const QString shown = FromCp1251(slice);
        const int textX = xOrigin + std::max(0, sliceColumn) * cw;
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(textX, y + ascent, shown);
        if (a < b) {
            // Redraw the selected part in the highlighted text colour.
            const int ca = ColumnOf(view, a - start);
            const int cb = ColumnOf(view, std::min(b, start + int(view.size())) - start);
            painter.save();
            painter.setClipRect(xOrigin + ca * cw, y, (cb - ca) * cw, lh);
            painter.setPen(pal.color(QPalette::HighlightedText));
            painter.drawText(textX, y + ascent, shown);
            painter.restore();
        }
    }
    if (focused) {
        const int caret = text_.Caret();
        const int line = text_.LineOfPosition(caret);
        if (line >= first && line <= last) {
            const int col = ColumnOf(text_.LineView(line), caret - text_.LineStart(line));
            const int x = xOrigin + col * cw;
            painter.fillRect(x, (line - first) * lh, 1, lh, pal.color(QPalette::Text));
        }
    }
}

void TRichPane::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return;
    }
    if (e->matches(QKeySequence::Copy)) {
        if (text_.SelLength() > 0)
            CopyToClipboard();
        return;
    }
    if (e->matches(QKeySequence::Cut)) {
        Cut();
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    if (e->matches(QKeySequence::Undo)) {
        Undo();
        return;
    }

    const bool shift = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int caret = text_.Caret();
    const int line = text_.LineOfPosition(caret);
    const int visible = std::max(1, viewport()->height() / LineHeight());
    auto vertical = [&](int lines) {
        const int col = preferredColumn_ >= 0 ? preferredColumn_
                                              : ColumnOf(text_.LineView(line), caret - text_.LineStart(line));
        const int target = std::clamp(line + lines, 0, text_.RawLineCount() - 1);
        MoveCaret(text_.LineStart(target) + IndexAtColumn(text_.LineView(target), col), shift);
        preferredColumn_ = col;
        verticalScrollBar()->setValue(verticalScrollBar()->value() + (lines > 1 || lines < -1 ? lines : 0));
    };
    auto horizontal = [&](int pos) {
        preferredColumn_ = -1;
        MoveCaret(pos, shift);
    };

    switch (e->key()) {
    case Qt::Key_Left:
        if (!shift && text_.SelLength() > 0)
            horizontal(text_.SelStart());
        else
            horizontal(StepLeft(caret));
        return;
    case Qt::Key_Right:
        if (!shift && text_.SelLength() > 0)
            horizontal(text_.SelStart() + text_.SelLength());
        else
            horizontal(StepRight(caret));
        return;
    case Qt::Key_Up:
        vertical(-1);
        return;
    case Qt::Key_Down:
        vertical(1);
        return;
    case Qt::Key_PageUp:
        vertical(-visible);
        return;
    case Qt::Key_PageDown:
        vertical(visible);
        return;
    case Qt::Key_Home:
        horizontal(ctrl ? 0 : text_.LineStart(line));
        return;
    case Qt::Key_End:
        horizontal(ctrl ? text_.Length() : text_.LineStart(line) + text_.LineLength(line));
        return;
    case Qt::Key_Backspace:
        if (text_.SelLength() == 0)
            text_.SetSelection(caret, StepLeft(caret));
        TypeText({});
        return;
    case Qt::Key_Delete:
        if (text_.SelLength() == 0)
            text_.SetSelection(caret, StepRight(caret));
        TypeText({});
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TypeText("\r\n");
        return;
    case Qt::Key_Tab:
        TypeText("\t");
        return;
    default:
        break;
    }
    const QString typed = e->text();
    if (!typed.isEmpty() && !ctrl && typed[0].unicode() >= 32 && typed[0].unicode() != 127) {
        TypeText(ToCp1251(typed));
        return;
    }
    QAbstractScrollArea::keyPressEvent(e);
}

void TRichPane::inputMethodEvent(QInputMethodEvent* e)
{
    if (!e->commitString().isEmpty())
        TypeText(ToCp1251(e->commitString()));
    e->accept();
}

void TRichPane::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        preferredColumn_ = -1;
        MoveCaret(PositionAt(e->position().toPoint()), e->modifiers() & Qt::ShiftModifier);
    }
}

void TRichPane::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        MoveCaret(PositionAt(e->position().toPoint()), true);
}

void TRichPane::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    // Selects the run of non-blank characters under the pointer.
    const int pos = PositionAt(e->position().toPoint());
    const int line = text_.LineOfPosition(pos);
    const std::string_view view = text_.LineView(line);
    const int start = text_.LineStart(line);
    auto blank = [&](int i) { return view[size_t(i)] == ' ' || view[size_t(i)] == '\t'; };
    int a = pos - start;
    int b = a;
    while (a > 0 && !blank(a - 1))
        --a;
    while (b < int(view.size()) && !blank(b))
        ++b;
    text_.SetSelection(start + a, start + b);
    viewport()->update();
    CaretMoved();
}

void TRichPane::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollBars();
}

void TRichPane::contextMenuEvent(QContextMenuEvent* e)
{
    QMenu menu(this);
    const bool selected = text_.SelLength() > 0;
    menu.addAction(QStringLiteral("Отменить"), this, &TRichPane::Undo)->setEnabled(text_.CanUndo());
    menu.addSeparator();
    menu.addAction(QStringLiteral("Вырезать"), this, &TRichPane::Cut)->setEnabled(selected);
    menu.addAction(QStringLiteral("Копировать"), this, &TRichPane::CopyToClipboard)->setEnabled(selected);
    menu.addAction(QStringLiteral("Вставить"), this, &TRichPane::Paste);
    menu.addAction(QStringLiteral("Удалить"), this, &TRichPane::ClearSelection)->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Выделить всё"), this, &TRichPane::SelectAll);
    menu.exec(e->globalPos());
}

void TRichPane::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
}

void TRichPane::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}
