#include "ui/look/ButtonHover.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QEvent>

namespace {

class Lighting : public QObject {
public:
    explicit Lighting(QAbstractButton& button) : QObject(&button), button_(button) {
        button.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &button_)
            return false;
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::EnabledChange:
            Light(event->type());
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Enter and Leave come before the button's own idea of where the mouse is changes, so
    // they decide by themselves; a button enabled under a resting mouse lights up at once
    // (a disabled one lets the mouse through, so it was never told where the mouse went).
    void Light(QEvent::Type type) {
        bool lit = button_.isEnabled();
        if (type == QEvent::Leave)
            lit = false;
        else if (type == QEvent::EnabledChange)
            lit = lit && button_.rect().contains(button_.mapFromGlobal(QCursor::pos()));
        const QColor face =
            lit ? LitButtonFace : QApplication::palette(&button_).color(QPalette::Button);
        QPalette palette = button_.palette();
        // Only the live groups: a disabled button keeps the style's own face.
        palette.setColor(QPalette::Active, QPalette::Button, face);
        palette.setColor(QPalette::Inactive, QPalette::Button, face);
        button_.setPalette(palette);
    }

    QAbstractButton& button_;
};

} // namespace

void LightUpUnderMouse(QAbstractButton& button) {
    new Lighting(button);
}
