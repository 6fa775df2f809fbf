#pragma once
// A sample pane as assistive technology sees it: an editable multi-line text.
// Offsets are the pane's own positions (a CR LF break is two characters), so
// a screen reader's offset, a find result and a selection start all agree.
// Edits arrive through the pane's own editing: they emit Changed (the window's
// dirty flags follow) and each one is an undo step, as typing is.
#include <QAccessibleWidget>

class TRichPane;

class TPaneAccessible : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit TPaneAccessible(TRichPane* pane);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    // The value is the whole text.
    QString text(QAccessible::Text kind) const override;

    // ---- QAccessibleTextInterface: one selection at most ----
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    // In screen coordinates.
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    // Plain text: no attributes anywhere.
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // ---- QAccessibleEditableTextInterface ----
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TRichPane* Pane() const;
};

// Lets every TRichPane answer through TPaneAccessible; installs Qt's
// accessibility factory for it the first time it is called.
void InstallPaneAccessibility();
