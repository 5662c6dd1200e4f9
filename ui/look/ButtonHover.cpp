#include "ui/look/ButtonHover.h"

#include "ui/look/ToolTipStyle.h"

#include <QAbstractButton>
#include <QCursor>
#include <QEvent>
#include <QPalette>
#include <QStyle>

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
            lit ? LitButtonFace : button_.style()->standardPalette().color(QPalette::Button);
        QPalette palette = button_.palette();
        // Only the live groups: a disabled button keeps the style's own face.
        palette.setColor(QPalette::Active, QPalette::Button, face);
        palette.setColor(QPalette::Inactive, QPalette::Button, face);
        button_.setPalette(palette);
    }

    QAbstractButton& button_;
};

} // namespace

QStyle* NewButtonStyle(QObject* owner) {
    // Fusion draws every face in the colours of the palette it is handed.
    auto* style = new ToolTipStyle(QStringLiteral("Fusion"));
    style->setParent(owner);
    return style;
}

void LightUpUnderMouse(QAbstractButton& button, QStyle& style) {
    button.setStyle(&style);
    // Every role stated, so nothing of a dark theme's palette reaches the button: the light
    // face with black text that the style shows on a plain desktop, and its disabled grey.
    button.setPalette(style.standardPalette());
    new Lighting(button);
}
