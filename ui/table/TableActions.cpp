#include "ui/table/TableActions.h"

#include "ui/look/ToolTipStyle.h"
#include "ui/table/Main.h"

#include <QCoreApplication>
#include <QTranslator>

const std::vector<TableAction>& TableActions() {
    using Main = Tfrm_Main;
    static const std::vector<TableAction> actions{
        {&Main::aUj,
         "aUj",
         QT_TRANSLATE_NOOP("Tfrm_Main", "Új leosztás"),
         QT_TRANSLATE_NOOP("Tfrm_Main", "Új leosztás"),
         {QKeySequence(Qt::Key_F2)},
         //: A line of the help's keys; %1 is the key, as "F2"
         QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: új leosztás"),
         true,
         true,
         &Main::aUjExecute},
        {&Main::aLapot,
         "aLapot",
         //: A deal button: ask for one more card
         QT_TRANSLATE_NOOP("Tfrm_Main", "Még egy lapot!"),
         QT_TRANSLATE_NOOP("Tfrm_Main", "Még egy lapot!"),
         {QKeySequence(Qt::Key_F3)},
         //: A line of the help's keys; %1 is the key, as "F3"
         QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: még egy lapot"),
         false,
         true,
         &Main::aLapotExecute},
        {&Main::aMegall,
         "aMegall",
         //: A deal button: take no more cards
         QT_TRANSLATE_NOOP("Tfrm_Main", "Megállok"),
         QT_TRANSLATE_NOOP("Tfrm_Main", "Megállok"),
         {QKeySequence(Qt::Key_F4)},
         //: A line of the help's keys; %1 is the key, as "F4"
         QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: megállok"),
         false,
         true,
         &Main::aMegallExecute},
        // Both Enter keys, the main one and the keypad's, open the settings with Alt.
        {&Main::aBeallit,
         "aBeallit",
         "",
         QT_TRANSLATE_NOOP("Tfrm_Main", "Beállítások"),
         {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)},
         //: A line of the help's keys; %1 is the key, as "Alt+Enter"
         QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: beállítások (a neved és a tét)"),
         true,
         false,
         &Main::aBeallitExecute},
        {&Main::aTalcara,
         "aTalcara",
         "",
         //: The tip of the small button that minimises the table to the taskbar
         QT_TRANSLATE_NOOP("Tfrm_Main", "Tálcára"),
         {QKeySequence(Qt::Key_Escape)},
         //: A line of the help's keys; %1 is the key, as "Esc"
         QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: tálcára"),
         true,
         false,
         &Main::aTalcaraExecute},
        {&Main::aBezar,
         "aBezar",
         "",
         QT_TRANSLATE_NOOP("Tfrm_Main", "Bezár"),
         {},
         nullptr,
         true,
         false,
         &Main::aBezarExecute},
        {&Main::aEredmenyTorol,
         "aEredmenyTorol",
         "",
         //: The tip of the small button that sets every seat's money and games won back
         QT_TRANSLATE_NOOP("Tfrm_Main", "Eredmények törlése"),
         {},
         nullptr,
         true,
         false,
         &Main::aEredmenyTorolExecute},
        {&Main::aNevjegy,
         "aNevjegy",
         "",
         QT_TRANSLATE_NOOP("Tfrm_Main", "Névjegy"),
         {},
         nullptr,
         true,
         false,
         &Main::aNevjegyExecute},
        {&Main::aHonlap,
         "aHonlap",
         "",
         //: The tip of the small button that opens the maker's homepage; Tarvesz is the maker's
         //: name
         QT_TRANSLATE_NOOP("Tfrm_Main", "Tarvesz honlapja"),
         {},
         nullptr,
         true,
         false,
         &Main::aHonlapExecute},
        // The one key with no button: the help.
        {&Main::aSugo,
         "aSugo",
         "",
         QT_TRANSLATE_NOOP("Tfrm_Main", "Súgó"),
         {QKeySequence(Qt::Key_F1)},
         //: A line of the help's keys; %1 is the key, as "F1"
         QT_TRANSLATE_NOOP("Tfrm_Sugo", "%1: ez a súgó"),
         true,
         false,
         &Main::aSugoExecute},
    };
    return actions;
}

QString CommandLineKeys(const std::vector<TableAction>& actions) {
    // --help is English whatever the language, with the Hungarian name beside.
    QTranslator english;
    const bool translated = english.load(QStringLiteral(":/translations/huszonegy_en.qm"));
    QString lines;
    for (const TableAction& action : actions) {
        if (action.keys.isEmpty())
            continue;
        const QString hungarian = QString::fromUtf8(action.hint);
        const QString name = translated ? english.translate("Tfrm_Main", action.hint) : QString();
        lines += QStringLiteral("  %1  %2 (%3)\n")
                     .arg(KeyNames(action.keys), -10)
                     .arg(name.isEmpty() ? hungarian : name, hungarian);
    }
    return lines;
}
