// Start-up: the program's folder, the application, its look, and the table.
#include "app/ErrorBox.h"
#include "app/Seged.h"
#include "art/builtin/BuiltInPictures.h"
#include "ui/look/Fonts.h"
#include "ui/look/ToolTipStyle.h"
#include "ui/start/CommandLine.h"
#include "ui/start/CopyChannel.h"
#include "ui/start/DisplayCheck.h"
#include "ui/start/DisplayName.h"
#include "ui/start/Language.h"
#include "ui/start/ResultsKeeper.h"
#include "ui/table/Main.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <memory>

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
    case ForwardAnswer::Foreign:
        return QCoreApplication::translate(
            "Start",
            "A játék már fut, de egy másik felhasználó programja elfoglalta az utat hozzá.");
    case ForwardAnswer::Forwarded:
    case ForwardAnswer::NoAnswer:
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
    if (const std::optional<int> status = AnswerCommandLine(argc, argv))
        return *status;
    PreferX11OnWayland();
    const DisplayCheck display(argc, argv);
    if (!display.Available()) {
        ReportNoDisplay();
        return 1;
    }
    // Taken before Qt reads and clears them: a second start passes them to the running table.
    ForwardRequest launch{{}, qgetenv("DESKTOP_STARTUP_ID"), qgetenv("XDG_ACTIVATION_TOKEN")};
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("huszonegy"));
    // No application display name: on X11 Qt appends it to every caption, and the dialogs
    // and boxes carry their own ("Beállítások", "Üzenet"). The table's title is the
    // application title, which is what the taskbar shows.
    QApplication::setWindowIcon(ApplicationIcon());
    QApplication::setDesktopFileName(QStringLiteral("huszonegy"));
    // Before any window is built: every text is taken in the player's language.
    InstallPlayersLanguage();
    // Without its own folder the game has neither pictures nor a settings file.
    if (!RunGuarded(InitProgramDir))
        return 1;
    launch.display = OwnDisplay();
    RegisterWindowsFonts();
    InstallToolTipStyle();

    // The one owner of the results and their file, for as long as the program runs.
    auto keeper = std::make_unique<ResultsKeeper>(ProgramDir.real);
    if (keeper->AnotherCopyRuns()) {
        // Two tables on one file would each overwrite the other's deals: the player gets the
        // one already running.
        const ForwardReply reply = keeper->AskOtherCopy(launch);
        if (reply.answer == ForwardAnswer::Forwarded)
            return 0;
        if (reply.answer != ForwardAnswer::OtherDisplay) {
            // A copy that is ending right now cannot answer; its locks go with it.
            keeper.reset();
            QThread::msleep(500);
            keeper = std::make_unique<ResultsKeeper>(ProgramDir.real);
        }
        if (keeper->AnotherCopyRuns()) {
            ShowMessageBox(WhyNotForwarded(reply, keeper->Path()), nullptr);
            return 1;
        }
    }
    if (keeper->NoLock()) {
        ShowMessageBox(
            QCoreApplication::translate("Start", "Nem sikerült lefoglalni az eredményfájlt: %1")
                .arg(keeper->Path()),
            nullptr);
        return 1;
    }
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
