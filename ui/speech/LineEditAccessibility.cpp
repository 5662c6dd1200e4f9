#include "ui/speech/LineEditAccessibility.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>

#include <algorithm>

LineEditAccessible::LineEditAccessible(QLineEdit* edit)
    : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit* LineEditAccessible::edit() const {
    return static_cast<QLineEdit*>(widget());
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString LineEditAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return edit()->text();
    return QAccessibleWidget::text(kind);
}

void LineEditAccessible::setText(QAccessible::Text kind, const QString& text) {
    if (kind != QAccessible::Value) {
        QAccessibleWidget::setText(kind, text);
        return;
    }
    if (!edit()->isReadOnly())
        edit()->setText(text);
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !edit()->isReadOnly();
    state.readOnly = edit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const {
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    startOffset = std::clamp(startOffset, 0, count);
    endOffset = std::clamp(endOffset, 0, count);
    // The caret goes where the selection ends, as a selection made with the keys leaves it.
    edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const {
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position) {
    edit()->setCursorPosition(std::clamp(position, 0, characterCount()));
}

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    const QString all = edit()->text();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = std::clamp(endOffset, startOffset, int(all.size()));
    return all.mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const {
    return int(edit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const {
    // Measured from the field's text area, which holds the whole text in these short fields.
    QStyleOptionFrame option;
    option.initFrom(edit());
    option.rect = edit()->contentsRect();
    option.lineWidth =
        edit()->hasFrame()
            ? edit()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit())
            : 0;
    const QRect area = edit()
                           ->style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, edit())
                           .marginsRemoved(edit()->textMargins());
    const QString all = edit()->text();
    if (offset < 0 || offset >= all.size())
        return {};
    const QFontMetrics metrics = edit()->fontMetrics();
    const int left = area.left() + metrics.horizontalAdvance(all.left(offset));
    const QRect local(left, area.top(), metrics.horizontalAdvance(all.at(offset)), area.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int) {
    setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int, int* startOffset, int* endOffset) const {
    // The field has one look throughout: one run with no attributes covers all of it.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
    QTextBoundaryFinder::BoundaryType type;
    if (boundaryType == QAccessible::WordBoundary)
        type = QTextBoundaryFinder::Word;
    else if (boundaryType == QAccessible::SentenceBoundary)
        type = QTextBoundaryFinder::Sentence;
    else
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);

    const QString all = edit()->text();
    if (offset == -1)
        offset = int(all.size());
    *startOffset = *endOffset = -1;
    if (all.isEmpty() || offset < 0 || offset > all.size())
        return {};
    // The piece runs from the nearest place at or before the offset where a word or sentence
    // starts or ends (or the text starts) to the next such place (or the text's end). Qt walks
    // the same way but steps off either end of the text, and then never stops.
    const auto edges = QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem;
    QTextBoundaryFinder finder(type, all);
    finder.setPosition(offset);
    while (finder.position() > 0 && !(finder.boundaryReasons() & edges))
        finder.toPreviousBoundary();
    *startOffset = int(finder.position());
    *endOffset = *startOffset;
    while (*endOffset < all.size()) {
        *endOffset = int(finder.toNextBoundary());
        if (finder.boundaryReasons() & edges)
            break;
    }
    return all.mid(*startOffset, *endOffset - *startOffset);
}

void LineEditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void LineEditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (edit()->isReadOnly())
        return;
    const QString all = edit()->text();
    startOffset = std::clamp(startOffset, 0, int(all.size()));
    endOffset = std::clamp(endOffset, startOffset, int(all.size()));
    edit()->setText(QString(all).replace(startOffset, endOffset - startOffset, text));
}
