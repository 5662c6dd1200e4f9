#include "ui/speech/FocusSelectingLineEdit.h"

#include <QAccessible>

namespace {

// The field whose selection events are held back, and the handler to restore after.
// One at a time: focus events do not nest.
const QObject* quietField = nullptr;
QAccessible::UpdateHandler handlerBefore = nullptr;

void PassOnUnlessQuiet(QAccessibleEvent* event) {
    const auto type = event->type();
    if (event->object() == quietField &&
        (type == QAccessible::TextSelectionChanged || type == QAccessible::TextCaretMoved))
        return;
    if (handlerBefore) {
        handlerBefore(event);
        return;
    }
    // With no handler, Qt hands the event to the platform's bridge; it is sent again that
    // way, and this handler put back for what follows.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&PassOnUnlessQuiet);
}

// Holds back the field's selection and caret events while it lives.
class QuietSelection {
public:
    explicit QuietSelection(const QObject* field) {
        quietField = field;
        handlerBefore = QAccessible::installUpdateHandler(&PassOnUnlessQuiet);
    }
    ~QuietSelection() {
        QAccessible::installUpdateHandler(handlerBefore);
        quietField = nullptr;
        handlerBefore = nullptr;
    }
    QuietSelection(const QuietSelection&) = delete;
    QuietSelection& operator=(const QuietSelection&) = delete;
};

} // namespace

void FocusSelectingLineEdit::SelectAllForFocus() {
    const QuietSelection quiet(this);
    selectAll();
}

void FocusSelectingLineEdit::focusInEvent(QFocusEvent* event) {
    const QuietSelection quiet(this);
    QLineEdit::focusInEvent(event);
}

void FocusSelectingLineEdit::focusOutEvent(QFocusEvent* event) {
    const QuietSelection quiet(this);
    QLineEdit::focusOutEvent(event);
}
