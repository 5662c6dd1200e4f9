#include "ui/look/ButtonHover.h"

#include "ui/look/ToolTipStyle.h"

#include <QAbstractButton>
#include <QCursor>
#include <QEvent>
#include <QPalette>
#include <QStyle>

namespace {

// The resting face of Fusion on a plain desktop, and the text that goes with it.
const QColor RestingFace(239, 239, 239);

// Gives the live groups of `palette` the face `face` with black text: every colour the style
// reads for a caption is stated beside its ground, so no theme pairs one of them with its own.
void SetFace(QPalette& palette, const QColor& face) {
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Button, face);
        palette.setColor(group, QPalette::Window, face);
        for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
            palette.setColor(group, role, Qt::black);
    }
}

// The buttons' colours in every state, whatever the platform theme says: a theme's standard
// palette is its own (GTK's dark one gives light captions), so none of it is taken.
QPalette ButtonPalette() {
    QPalette palette(Qt::black, RestingFace, RestingFace.lighter(150), RestingFace.darker(150),
                     RestingFace.darker(130), Qt::black, Qt::white);
    palette.setColor(QPalette::Midlight, RestingFace.darker(130).lighter(110));
    palette.setColor(QPalette::Shadow, RestingFace.darker(150).darker(135));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // The focus mark, on the resting face and on the gold alike.
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    // A disabled caption is the usual faint grey on the resting face, whatever the state.
    palette.setColor(QPalette::Disabled, QPalette::Button, RestingFace);
    palette.setColor(QPalette::Disabled, QPalette::Window, RestingFace);
    for (const auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
        palette.setColor(QPalette::Disabled, role, QColor(190, 190, 190));
    SetFace(palette, RestingFace);
    return palette;
}

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
        QPalette palette = button_.palette();
        // Only the live groups: a disabled button keeps its grey.
        SetFace(palette, lit ? LitButtonFace : RestingFace);
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
    button.setPalette(ButtonPalette());
    new Lighting(button);
}
