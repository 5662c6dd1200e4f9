#include "ui/start/Exe.h"

#include <QDesktopServices>

#include <utility>

namespace {

// QDesktopServices hands the address to xdg-open (or the desktop portal) as a detached
// process and returns at once, so the game never waits for the browser to come up.
void OpenInBrowser(const QUrl& url) {
    QDesktopServices::openUrl(url);
}

TExe::UrlOpener& Opener() {
    static TExe::UrlOpener opener = OpenInBrowser;
    return opener;
}

} // namespace

QString HomepageAddress() {
    return QStringLiteral(HUSZONEGY_HOMEPAGE);
}

TExe::TExe(QObject* parent) : QObject(parent), Command(HomepageAddress()) {}

void TExe::Execute() {
    // The homepage is a courtesy: whatever goes wrong on the way to the browser, the game
    // carries on and says nothing about it.
    try {
        Opener()(QUrl(Command));
    } catch (...) {
    }
}

TExe::UrlOpener TExe::SetUrlOpener(UrlOpener opener) {
    if (!opener)
        opener = OpenInBrowser;
    return std::exchange(Opener(), std::move(opener));
}
