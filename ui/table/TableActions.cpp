#include "ui/table/TableActions.h"

#include "ui/look/ToolTipStyle.h"
#include "ui/table/Main.h"

#include <QCoreApplication>

const std::vector<TableAction>& TableActions() {
    using Main = Tfrm_Main;
    static const std::vector<TableAction> actions{
        {.member = &Main::aUj,
         .name = "aUj",
         .caption = QT_TRANSLATE_NOOP("Tfrm_Main", "Új leosztás"),
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Új leosztás"),
         .keys = {QKeySequence(Qt::Key_F2)},
         //: A line of the help's keys; %1 is the key, as "F2"
         .keysLine = QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: új leosztás"),
         .move = true,
         .execute = &Main::aUjExecute},
        {.member = &Main::aLapot,
         .name = "aLapot",
         //: A deal button: ask for one more card
         .caption = QT_TRANSLATE_NOOP("Tfrm_Main", "Még egy lapot!"),
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Még egy lapot!"),
         .keys = {QKeySequence(Qt::Key_F3)},
         //: A line of the help's keys; %1 is the key, as "F3"
         .keysLine = QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: még egy lapot"),
         .openAtStart = false,
         .move = true,
         .execute = &Main::aLapotExecute},
        {.member = &Main::aMegall,
         .name = "aMegall",
         //: A deal button: take no more cards
         .caption = QT_TRANSLATE_NOOP("Tfrm_Main", "Megállok"),
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Megállok"),
         .keys = {QKeySequence(Qt::Key_F4)},
         //: A line of the help's keys; %1 is the key, as "F4"
         .keysLine = QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: megállok"),
         .openAtStart = false,
         .move = true,
         .execute = &Main::aMegallExecute},
        // Both Enter keys, the main one and the keypad's, open the settings with Alt.
        {.member = &Main::aBeallit,
         .name = "aBeallit",
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Beállítások"),
         .keys = {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)},
         //: A line of the help's keys; %1 is the key, as "Alt+Enter"
         .keysLine = QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: beállítások (a neved és a tét)"),
         .execute = &Main::aBeallitExecute},
        {.member = &Main::aTalcara,
         .name = "aTalcara",
         //: The tip of the small button that minimises the table to the taskbar
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Tálcára"),
         .keys = {QKeySequence(Qt::Key_Escape)},
         //: A line of the help's keys; %1 is the key, as "Esc"
         .keysLine = QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: tálcára"),
         .execute = &Main::aTalcaraExecute},
        {.member = &Main::aBezar,
         .name = "aBezar",
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Bezár"),
         .execute = &Main::aBezarExecute},
        {.member = &Main::aEredmenyTorol,
         .name = "aEredmenyTorol",
         //: The tip of the small button that sets every seat's money and games won back
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Eredmények törlése"),
         .execute = &Main::aEredmenyTorolExecute},
        {.member = &Main::aNevjegy,
         .name = "aNevjegy",
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Névjegy"),
         .execute = &Main::aNevjegyExecute},
        {.member = &Main::aHonlap,
         .name = "aHonlap",
         //: The tip of the small button that opens the maker's homepage; Tarvesz is the maker
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Tarvesz honlapja"),
         .execute = &Main::aHonlapExecute},
        // The one key with no button: the help.
        {.member = &Main::aSugo,
         .name = "aSugo",
         .hint = QT_TRANSLATE_NOOP("Tfrm_Main", "Súgó"),
         .keys = {QKeySequence(Qt::Key_F1)},
         //: A line of the help's keys; %1 is the key, as "F1"
         .keysLine = QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: ez a súgó"),
         .execute = &Main::aSugoExecute},
    };
    return actions;
}

QString CommandLineKeys(const std::vector<TableAction>& actions) {
    QString lines;
    for (const TableAction& action : actions) {
        if (!action.keys.isEmpty())
            lines += QStringLiteral("  %1  %2\n")
                         .arg(KeyNames(action.keys), -10)
                         .arg(QCoreApplication::translate("Tfrm_Main", action.hint));
    }
    return lines;
}
