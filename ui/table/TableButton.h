#pragma once
// A button of the table: the usual raised button, with a focus mark of its own that shows
// whatever the desktop's style does, since only the keyboard ever gives it the focus.

#include <QToolButton>

class TableButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
