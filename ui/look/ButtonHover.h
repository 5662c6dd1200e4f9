#pragma once
// The table's buttons light up under the mouse, so a player sees at a glance which one a
// click will press. Only the face changes: the buttons stay raised, and a disabled one keeps
// its embossed grey. Their faces and captions are the game's own in every desktop theme: a
// dark theme would otherwise pair the black captions and the gold with its dark face.

#include <QColor>

class QAbstractButton;
class QObject;
class QStyle;

// The face of a button under the mouse: a warm gold that stands out on the green table and
// against the grey face, with black captions still easy to read.
inline const QColor LitButtonFace(222, 128, 0);

// A style for the table's buttons, owned by `owner`: one that paints the faces the buttons
// are given (not every desktop style does), light at rest, with the tool tips' timing of
// ToolTipStyle.
QStyle* NewButtonStyle(QObject* owner);

// Gives `button` `style` and the game's own colours in pairs (a light face with black captions
// at rest, pressed and focused, the gold under the mouse, grey captions disabled), whatever the
// platform theme, and makes it light up while the mouse is over it and it is enabled.
void LightUpUnderMouse(QAbstractButton& button, QStyle& style);
