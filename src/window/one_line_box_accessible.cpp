#include "window/one_line_box_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace ricattura {

namespace {

QTextBoundaryFinder::BoundaryType finderType(QAccessible::TextBoundaryType boundary) {
    switch (boundary) {
        case QAccessible::CharBoundary: return QTextBoundaryFinder::Grapheme;
        case QAccessible::WordBoundary: return QTextBoundaryFinder::Word;
        default: return QTextBoundaryFinder::Sentence;
    }
}

// Where one item ends and the next begins, 0 and the length included, so that the items tile the text: every
// character, every word and every run of blanks between words (as Qt counts words), every sentence, or the one
// line a one-line box has.
QList<int> itemEdges(const QString& text, QAccessible::TextBoundaryType boundary) {
    QList<int> edges{0};
    if (text.isEmpty()) return edges;
    if (boundary == QAccessible::CharBoundary || boundary == QAccessible::WordBoundary ||
        boundary == QAccessible::SentenceBoundary) {
        QTextBoundaryFinder finder(finderType(boundary), text);
        // Past the last boundary the finder answers -1: the walk stops before the length, added below.
        for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary())
            if (finder.boundaryReasons() & (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem))
                edges.append(int(at));
    }
    edges.append(int(text.size()));
    return edges;
}

}  // namespace

OneLineBoxAccessible::OneLineBoxAccessible(QLineEdit* box) : QAccessibleWidget(box, QAccessible::EditableText) {
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit* OneLineBoxAccessible::box() const { return static_cast<QLineEdit*>(widget()); }

void* OneLineBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    // Only the box the student writes in takes edits from a screen reader.
    if (type == QAccessible::EditableTextInterface && !box()->isReadOnly())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString OneLineBoxAccessible::text(QAccessible::Text which) const {
    const QString value = which == QAccessible::Value ? box()->displayText() : QString();
    return value.isEmpty() ? QAccessibleWidget::text(which) : value;
}

void OneLineBoxAccessible::setText(QAccessible::Text which, const QString& text) {
    if (which == QAccessible::Value)
        replaceText(0, characterCount(), text);
    else
        QAccessibleWidget::setText(which, text);
}

QAccessible::State OneLineBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;  // as Qt says of every line edit, read-only ones too
    state.readOnly = box()->isReadOnly();
    state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

QString OneLineBoxAccessible::text(int startOffset, int endOffset) const {
    if (startOffset > endOffset) return {};
    return box()->displayText().mid(startOffset, endOffset - startOffset);
}

int OneLineBoxAccessible::characterCount() const { return int(box()->displayText().size()); }

// By Qt's convention -1 stands for the end of the text and -2 for the caret.
int OneLineBoxAccessible::resolved(int offset) const {
    return offset == -1 ? characterCount() : offset == -2 ? cursorPosition() : offset;
}

// The item holding the offset (step 0), or the one before (-1) or after (+1) it. A caret at the end of the text
// stands in the last word, sentence or line, but after the last character. No such item: empty, offsets -1.
QString OneLineBoxAccessible::itemNear(int offset, QAccessible::TextBoundaryType boundary, int step, int* startOffset,
                                       int* endOffset) const {
    *startOffset = *endOffset = -1;
    const QString shown = box()->displayText();
    offset = resolved(offset);
    if (offset < 0 || offset > shown.size()) return {};
    const QList<int> edges = itemEdges(shown, boundary);
    const auto items = edges.size() - 1;
    auto index = std::upper_bound(edges.cbegin(), edges.cend(), offset) - edges.cbegin() - 1;
    if (offset == shown.size() && boundary != QAccessible::CharBoundary) index = items - 1;
    index += step;
    if (index < 0 || index >= items) return {};
    *startOffset = edges[index];
    *endOffset = edges[index + 1];
    return shown.mid(*startOffset, *endOffset - *startOffset);
}

QString OneLineBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                               int* endOffset) const {
    return itemNear(offset, boundary, -1, startOffset, endOffset);
}

QString OneLineBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                           int* endOffset) const {
    return itemNear(offset, boundary, 0, startOffset, endOffset);
}

QString OneLineBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                                              int* endOffset) const {
    return itemNear(offset, boundary, +1, startOffset, endOffset);
}

// The text is plain: one run from the first character to the last, wherever it is asked about.
QString OneLineBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    offset = resolved(offset);
    const bool inside = offset >= 0 && offset <= characterCount();
    *startOffset = inside ? 0 : -1;
    *endOffset = inside ? characterCount() : -1;
    return {};
}

int OneLineBoxAccessible::cursorPosition() const { return box()->cursorPosition(); }

void OneLineBoxAccessible::setCursorPosition(int position) { box()->setCursorPosition(position); }

int OneLineBoxAccessible::selectionCount() const { return box()->hasSelectedText() ? 1 : 0; }

void OneLineBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = -1;
    if (selectionIndex != 0 || !box()->hasSelectedText()) return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

void OneLineBoxAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void OneLineBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) box()->deselect();
}

void OneLineBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) box()->setSelection(startOffset, endOffset - startOffset);
}

// A character lies as far from the drawn caret as the text between them is wide.
QRect OneLineBoxAccessible::characterRect(int offset) const {
    const QString shown = box()->displayText();
    if (offset < 0 || offset >= shown.size()) return {};
    const QFontMetrics metrics(box()->font());
    const QRect caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int x = caret.x() + (caret.width() + 1) / 2 + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(box()->cursorPosition()));
    const QRect character(x, caret.y(), metrics.horizontalAdvance(shown.mid(offset, 1)), metrics.height());
    return character.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int OneLineBoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void OneLineBoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

void OneLineBoxAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void OneLineBoxAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void OneLineBoxAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (box()->isReadOnly()) return;
    box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
}

QAccessibleInterface* oneLineBoxAccessible(const QString&, QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    return box ? new OneLineBoxAccessible(box) : nullptr;
}

}  // namespace ricattura
