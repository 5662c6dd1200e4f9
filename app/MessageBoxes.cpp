#include "app/MessageBoxHook.h"
#include "app/Seged.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <utility>

namespace {

MessageBoxHook& InstalledHook() {
    static MessageBoxHook hook;
    return hook;
}

} // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    return std::exchange(InstalledHook(), std::move(hook));
}

bool ShowBox(const BoxRequest& request) {
    if (const MessageBoxHook& hook = InstalledHook())
        return hook(request);
    // A box needs a widget application; before one exists the text still has to reach
    // somebody, and a question is answered No.
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(request.caption),
                     qUtf8Printable(request.text));
        return false;
    }

    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (request.kind == BoxKind::Question) {
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
    } else if (request.kind == BoxKind::Error) {
        icon = QMessageBox::Critical;
    }
    QMessageBox box(icon, request.caption, request.text, buttons, request.owner);
    if (request.kind == BoxKind::Question)
        box.setDefaultButton(request.preselected == DefaultAnswer::No ? QMessageBox::No
                                                                      : QMessageBox::Yes);
    // Texts carry file paths and names: shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    // Every window of the program waits for the answer, not only the owner.
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == (request.kind == BoxKind::Question ? QMessageBox::Yes : QMessageBox::Ok);
}

void ShowMessageBox(const QString& text, QWidget* owner) {
    ShowBox(BoxRequest{BoxKind::Information, text, QStringLiteral("Üzenet"), owner});
}

bool AskYesNo(const QString& text, const QString& caption, QWidget* owner,
              DefaultAnswer preselected) {
    return ShowBox(BoxRequest{BoxKind::Question, text, caption, owner, preselected});
}

void InstallHungarianTranslation() {
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr)
        return;
    auto* translator = new QTranslator(application);
    // Without the translation file the buttons stay in English; the game still works.
    if (translator->load(QStringLiteral("qtbase_hu"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
