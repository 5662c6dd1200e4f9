// Start-up: the program's folder, the application, its look, and the table.
#include "app/ErrorBox.h"
#include "app/Seged.h"
#include "art/builtin/BuiltInPictures.h"
#include "store/disk/SettingsFile.h"
#include "ui/copies/CopyMeeting.h"
#include "ui/copies/DisplayName.h"
#include "ui/look/DesktopColorScheme.h"
#include "ui/look/Fonts.h"
#include "ui/look/ToolTipStyle.h"
#include "ui/start/CommandLine.h"
#include "ui/start/DisplayCheck.h"
#include "ui/start/Language.h"
#include "ui/start/ResultsKeeper.h"
#include "ui/table/Main.h"
#include "ui/table/TableActions.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <memory>

/*
    TRANSLATOR Start

    The boxes a start of the game shows instead of a table: another copy already plays, or the results cannot be kept.
*/

#ifdef __SANITIZE_ADDRESS__
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// A plain Wayland session lets no program place its own window, so the table would not open
// at its stored place nor move by its background. XWayland can, when it is there.
void PreferX11OnWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return; // the player chose
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(IconPicture(size)));
    return icon;
}

// What stands between this start and the running table, in the player's words.
QString WhyNotForwarded(const ForwardReply& reply, const QString& resultsPath) {
    switch (reply.answer) {
    case ForwardAnswer::OtherDisplay:
        return RunningElsewhereText(reply.display);
    case ForwardAnswer::NoTable:
        return QCoreApplication::translate(
                   "Start",
                   "Az eredményfájlt (%1) egy másik program tartja lefoglalva, nem a játék.")
            .arg(resultsPath);
    case ForwardAnswer::Unreachable:
        return QCoreApplication::translate(
            "Start",
            "A játék már fut, de egy másik bejelentkezésben vagy elzárt környezetben, amelyet "
            "ez az indítás nem ér el. Ott folytasd, vagy ott zárd be, és indítsd el újra itt.",
            "A second start: the game holds the results file, but in another login session or "
            "sandbox (its own session bus or network), which this start cannot reach");
    case ForwardAnswer::Foreign:
        return QCoreApplication::translate(
            "Start",
            "A játék már fut, de egy másik felhasználó programja elfoglalta az utat hozzá.");
    case ForwardAnswer::Forwarded:
    case ForwardAnswer::NoAnswer:
    case ForwardAnswer::Ending:
        break;
    }
    return QCoreApplication::translate("Start", "A játék már fut, de nem válaszol.");
}

// Asked by the session or a signal to end, the program owes nothing more once the record is on
// the disk and the locks are given back: the system takes back memory, windows and the display
// connection at once, where taking Qt apart piece by piece costs more than the save itself.
[[noreturn]] void EndNow(int status) {
    std::fflush(nullptr);
#ifdef __SANITIZE_ADDRESS__
    __lsan_do_leak_check(); // what an ordinary exit would have checked
#endif
    std::_Exit(status);
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            AnswerCommandLine(argc, argv, [] { return CommandLineKeys(TableActions()); }))
        return *status;
    PreferX11OnWayland();
    const DisplayCheck display(argc, argv);
    if (!display.Available()) {
        ReportNoDisplay();
        return 1;
    }
    // Taken before Qt reads and clears them: a second start passes them to the running table.
    ForwardRequest launch{{}, {}, qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN")};
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("huszonegy"));
    // No application display name: on X11 Qt appends it to every caption, and the dialogs
    // and boxes carry their own ("Beállítások", "Üzenet"). The table's title is the
    // application title, which is what the taskbar shows.
    QApplication::setDesktopFileName(QStringLiteral("huszonegy"));
    // Without its own folder the game has neither pictures nor a settings file.
    const bool folderFound = RunGuarded([] {
        try {
            InitProgramDir();
        } catch (...) {
            InstallPlayersLanguage(); // for the box that says why
            throw;
        }
    });
    if (!folderFound)
        return 1;
    launch.display = OwnDisplay();
    launch.waylandSocket = OwnWaylandSocket();
    const QString resultsPath = SettingsFilePath(ProgramDir.real);

    // Two tables on one file would each overwrite the other's deals: the player gets the one
    // already running. Asked before anything of the table is built, so a forwarded start costs
    // the application and one call.
    auto meeting = std::make_unique<CopyMeeting>(resultsPath);
    ForwardReply reply{ForwardAnswer::Forwarded, {}};
    if (meeting->AnotherCopyRuns()) {
        reply = meeting->AskOtherCopy(launch);
        if (reply.answer == ForwardAnswer::Forwarded)
            return 0;
        if (reply.answer == ForwardAnswer::Ending || reply.answer == ForwardAnswer::NoTable ||
            reply.answer == ForwardAnswer::Unreachable) {
            // A copy that is ending right now cannot answer; its claims go with it.
            meeting->WaitForOtherToGo();
            meeting.reset();
            meeting = std::make_unique<CopyMeeting>(resultsPath);
        }
    }
    // Every text from here on is in the player's language.
    InstallPlayersLanguage();
    QApplication::setWindowIcon(ApplicationIcon());
    if (meeting->AnotherCopyRuns()) {
        ShowMessageBox(WhyNotForwarded(reply, resultsPath), nullptr);
        return 1;
    }
    // Deals played on a file no save can reach would all be lost at the first save.
    if (!SavesCanReach(resultsPath)) {
        ShowMessageBox(QCoreApplication::translate(
                           "Start",
                           "Az eredmények mappájába nem lehet írni, így egy leosztás sem "
                           "maradna meg: %1",
                           "The folder of the results file is read-only or not the player's; "
                           "%1 is the results file")
                           .arg(resultsPath),
                       nullptr);
        return 1;
    }
    if (meeting->NoLock()) {
        ShowMessageBox(
            QCoreApplication::translate("Start", "Nem sikerült lefoglalni az eredményfájlt: %1")
                .arg(resultsPath),
            nullptr);
        return 1;
    }
    RegisterWindowsFonts();
    InstallToolTipStyle();
    FollowDesktopColorScheme(application);
    // The one owner of the results and their file, for as long as the program runs.
    auto keeper = std::make_unique<ResultsKeeper>(resultsPath, std::move(meeting));
    int status = 0;
    {
        Tfrm_Main frm_Main(*keeper);
        frm_Main.show();
        status = QApplication::exec();
    }
    if (keeper->Ending()) {
        keeper.reset(); // the last save on the disk, the locks given back
        EndNow(status);
    }
    return status;
}
