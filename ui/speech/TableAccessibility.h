#pragma once
// What a screen reader is told about the table: the window's role, and a spoken line after
// each move that leaves the focus where it is.

#include <QWidget>

// The table reports itself as a frame, as every other program's main window does, so screen
// readers announce it by its title when it opens or comes back; the text fields report
// themselves so screen readers read their text whole.
void InstallTableAccessibility();

// A place with no size on the table whose text a screen reader speaks each time it changes,
// whatever has the focus. It draws nothing and takes no mouse or keyboard input.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);

    void Announce(const QString& text);
};
