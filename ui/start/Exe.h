#pragma once
// The homepage launcher: opens its Command in the desktop's web browser.

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

// Where the maker's homepage lives (the project's, as the packages name it too); the about
// box lists the same address.
QString HomepageAddress();

class TExe : public QObject {
    Q_OBJECT
public:
    explicit TExe(QObject* parent = nullptr);

    QString Command; // the maker's homepage address

    // Opens Command without waiting; a failure is not reported.
    void Execute();

    // Tests replace the opener; an empty one restores QDesktopServices::openUrl.
    using UrlOpener = std::function<void(const QUrl&)>;
    static UrlOpener SetUrlOpener(UrlOpener opener);
};
