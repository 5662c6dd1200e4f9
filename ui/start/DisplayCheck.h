#pragma once
// Whether the game can open its window at all. Decided before Qt starts: Qt's platform
// plugin ends the program with an abort, and advice to reinstall it, when it cannot connect.

#include <string>
#include <string_view>

struct xcb_connection_t;

// The platforms are the ones Qt would try: -platform from the arguments, else
// QT_QPA_PLATFORM (a ";" list, each name optionally followed by ":" and its options), else
// X11 or Wayland. X11 counts when a connection to -display or DISPLAY succeeds, Wayland when
// its socket accepts one; any other platform (offscreen, minimal, ...) is left to Qt.
//
// Keep the check alive until Qt has connected: it holds its X connection open, because an X
// server whose last client leaves resets itself and refuses the next one while it does.
class DisplayCheck {
public:
    DisplayCheck(int argc, char** argv);
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    bool Available() const { return available_; }

private:
    bool PlatformAnswers(std::string_view platform, const std::string& x11Display);
    bool X11Answers(const std::string& display);

    bool available_ = false;
    xcb_connection_t* x11_ = nullptr;
};

// The one line printed on standard error when there is no display.
void ReportNoDisplay();
