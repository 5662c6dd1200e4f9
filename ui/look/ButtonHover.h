#pragma once
// The table's buttons light up under the mouse, so a player sees at a glance which one a
// click will press. Only the face changes: the buttons stay raised, and a disabled one keeps
// the style's embossed grey.

#include <QColor>

class QAbstractButton;

// The face of a button under the mouse: a warm gold that stands out on the green table and
// against the grey face, with black captions still easy to read.
inline const QColor LitButtonFace(222, 128, 0);

// Makes `button` light up while the mouse is over it and it is enabled.
void LightUpUnderMouse(QAbstractButton& button);
