#include "widgets/pane_accessible.h"

#include "widgets/accessible_factory.h"
#include "widgets/qt_text.h"
#include "widgets/rich_pane.h"

#include <algorithm>

TPaneAccessible::TPaneAccessible(TRichPane* pane) : QAccessibleWidget(pane, QAccessible::EditableText) { }

TRichPane* TPaneAccessible::Pane() const { return static_cast<TRichPane*>(widget()); }

void* TPaneAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TPaneAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString TPaneAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return FromCp1251(Pane()->Text());
    return QAccessibleWidget::text(kind);
}

void TPaneAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const TRichPane* pane = Pane();
    const bool exists = selectionIndex == 0 && pane->SelLength() > 0;
    *startOffset = exists ? pane->SelStart() : 0;
    *endOffset = exists ? pane->SelStart() + pane->SelLength() : 0;
}

int TPaneAccessible::selectionCount() const { return Pane()->SelLength() > 0 ? 1 : 0; }

void TPaneAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TPaneAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        Pane()->SetSelStart(cursorPosition());
}

void TPaneAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    Pane()->SetSelStart(startOffset);
    Pane()->SetSelLength(endOffset - startOffset);
}

int TPaneAccessible::cursorPosition() const { return Pane()->Model().Caret(); }

void TPaneAccessible::setCursorPosition(int position) { Pane()->SetSelStart(position); }

QString TPaneAccessible::text(int startOffset, int endOffset) const
{
    const std::string& all = Pane()->Model().Text();
    const int from = std::clamp(startOffset, 0, int(all.size()));
    const int to = std::clamp(endOffset, from, int(all.size()));
    return FromCp1251(std::string_view(all).substr(size_t(from), size_t(to - from)));
}

int TPaneAccessible::characterCount() const { return Pane()->TextLength(); }

QRect TPaneAccessible::characterRect(int offset) const
{
    const QRect cell = Pane()->CharacterRect(offset);
    return QRect(Pane()->viewport()->mapToGlobal(cell.topLeft()), cell.size());
}

int TPaneAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint inViewport = Pane()->viewport()->mapFromGlobal(point);
    if (!Pane()->viewport()->rect().contains(inViewport))
        return -1;
    return Pane()->PositionAt(inViewport);
}

void TPaneAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    Pane()->EnsureVisible(endIndex);
    Pane()->EnsureVisible(startIndex);
}

QString TPaneAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void TPaneAccessible::deleteText(int startOffset, int endOffset)
{
    Pane()->ReplaceRange(startOffset, endOffset, {});
}

void TPaneAccessible::insertText(int offset, const QString& text)
{
    Pane()->ReplaceRange(offset, offset, ToCp1251(text));
}

void TPaneAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    Pane()->ReplaceRange(startOffset, endOffset, ToCp1251(text));
}

void InstallPaneAccessibility() { InstallAccessibleFactory<TRichPane, TPaneAccessible>(); }
