#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

class QLineEdit;

namespace ricattura {

// What a screen reader is told of a one-line box: Qt's own name, role, state and value, and the box's text read by
// character, word, sentence or line at any offset, the end of the text included. Qt 6.4's own interface never
// returns when asked for the word or sentence at the end of a box's text, and describes the text in runs of no
// length, so Orca drops a focused box's last character.
class OneLineBoxAccessible final : public QAccessibleWidget,
                                   public QAccessibleTextInterface,
                                   public QAccessibleEditableTextInterface {
public:
    explicit OneLineBoxAccessible(QLineEdit* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text which, const QString& text) override;
    QAccessible::State state() const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    int selectionCount() const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* box() const;
    int resolved(int offset) const;
    QString itemNear(int offset, QAccessible::TextBoundaryType boundary, int step, int* startOffset,
                     int* endOffset) const;
};

// The factory for QAccessible::installFactory. Qt keeps the first interface it makes for a widget, so it must be in
// place before a box is named, given text or made read-only.
QAccessibleInterface* oneLineBoxAccessible(const QString& className, QObject* object);

}  // namespace ricattura
