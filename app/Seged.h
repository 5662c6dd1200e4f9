#pragma once
// The helper unit: where the program lives, and the two message boxes every window uses.

#include <QString>

#include <cstddef>
#include <functional>
#include <sys/types.h>

class QWidget;

// The program's folder. `lowered` is the folder as the game has always reported it
// (lower-cased, no trailing slash); `real` is the same folder as the file system spells it.
// File names are case-sensitive here, so every path is built from `real`.
struct TProgramDir {
    QString lowered;
    QString real;

    // `relative` starts with a slash, e.g. "/tavrik.ini".
    QString File(const QString& relative) const { return real + relative; }
};

// Set once before any window exists; read-only afterwards.
extern TProgramDir ProgramDir;

// Folder part of `exePath`, both lower-cased and as it is, without the trailing slash.
TProgramDir ComputeProgramDir(const QString& exePath);

// The system's readlink(2), or a stand-in for tests.
using ReadLinkFunction = std::function<ssize_t(const char* link, char* buffer, size_t size)>;
// The running program's path from the raw bytes of /proc/self/exe, decoded with
// DecodeFileName so any folder name comes back byte for byte. Throws std::runtime_error
// when the system cannot give the path whole or gives one that is not absolute.
QString ProgramFilePath(const ReadLinkFunction& readLink);
// Fills ProgramDir from /proc/self/exe; throws as ProgramFilePath does.
void InitProgramDir();

// Information box, caption "Üzenet" (in the player's language), OK only.
void ShowMessageBox(const QString& text, QWidget* owner);

// The button a question box starts on, the one Enter chooses.
enum class DefaultAnswer { Yes, No };

// Question box with Yes and No; true exactly when the user chose Yes.
bool AskYesNo(const QString& text, const QString& caption, QWidget* owner,
              DefaultAnswer preselected = DefaultAnswer::Yes);

// What a box looks like, so tests can script the answers instead of a real modal box.
enum class BoxKind { Information, Question, Error };
struct BoxRequest {
    BoxKind kind;
    QString text;
    QString caption;
    QWidget* owner;
    DefaultAnswer preselected = DefaultAnswer::Yes; // questions only
};
// Returns true for Yes (or OK). An empty hook shows real QMessageBox boxes.
using MessageBoxHook = std::function<bool(const BoxRequest&)>;
// Installs `hook` and returns the one it replaces.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
