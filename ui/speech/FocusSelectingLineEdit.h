#pragma once
// A one-line field whose selection, made or dropped as the focus comes or goes, reaches
// screen readers with the focus alone.

#include <QLineEdit>

// Qt tells a screen reader of such a selection as an event of its own, just before the
// focus moves: Orca then speaks the field's text before the dialog's name, and again with the
// field ("Tarvesz, selected, Settings dialog, My name text, Tarvesz selected"), and a field
// left with the Tab key says "Text unselected" in place of the next field's label. A screen
// reader reads the selection with the focus anyway, so these events carry nothing. What
// the player selects with the keys or the mouse is told as always.
class FocusSelectingLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

    // Selects the whole text without telling screen readers, for a field about to take
    // the focus, whose focus then tells it.
    void SelectAllForFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
