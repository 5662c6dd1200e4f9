#pragma once
// The table's actions, each once: its key or keys, its button's caption, its hint, whether it
// is open at the start, what it does and the help's line for its keys. The window makes its
// actions from here; the help reads the keys from those actions, and --help from here.
// A new key for an action is a line here, and the documents (README, manual pages, the
// translations of the help).

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

class QAction;
class Tfrm_Main;

struct TableAction {
    QAction* Tfrm_Main::*member = nullptr;
    const char* name = ""; // the action's object name
    // The button's caption (context Tfrm_Main); empty on a picture button.
    const char* caption = "";
    const char* hint = ""; // its tip, status and spoken name (context Tfrm_Main)
    QList<QKeySequence> keys{};
    // The help's line for its keys, %1 the keys (context Tfrm_Sugo); none for an action with
    // no key.
    const char* keysLine = nullptr;
    bool openAtStart = true;
    // A move of the deal: its key pressed while the move is not open says why nothing happens.
    bool move = false;
    void (Tfrm_Main::*execute)() = nullptr;
};

// In the order the window adds them and the help lists their keys.
const std::vector<TableAction>& TableActions();

// The lines of --help on the keys of `actions`: each action's keys, then its name in the
// language installed.
QString CommandLineKeys(const std::vector<TableAction>& actions);
