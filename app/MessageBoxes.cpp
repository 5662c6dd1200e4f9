#include "app/MessageBoxHook.h"
#include "app/Seged.h"
#include "app/WindowCentring.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTranslator>

#include <cstdio>
#include <utility>

namespace {

// What a title bar holds beside the caption: the window's icon, up to three buttons and the
// margins between them, at the sizes common window managers draw them.
constexpr int TitleBarFurniture = 5 * 24;

MessageBoxHook& InstalledHook() {
    static MessageBoxHook hook;
    return hook;
}

// A window manager draws the caption beside its own icon and buttons; a box no wider than its
// text would have the caption cut short ("Ü…t").
void KeepCaptionWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr)
        return;
    QFont captionFont = box.font();
    captionFont.setBold(true);
    const int width =
        QFontMetrics(captionFont).horizontalAdvance(box.windowTitle()) + TitleBarFurniture;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
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
    if (request.kind == BoxKind::Question)
        icon = QMessageBox::Question;
    else if (request.kind == BoxKind::Error)
        icon = QMessageBox::Critical;
    QMessageBox box(icon, request.caption, request.text, QMessageBox::NoButton, request.owner);
    // Texts carry file paths and names: shown as they are, never read as markup.
    box.setTextFormat(Qt::PlainText);
    // Every window of the program waits for the answer, not only the owner.
    box.setWindowModality(Qt::ApplicationModal);
    // The game names its own buttons, so they read the same with or without Qt's
    // translations, and they carry no pictures, as no other button of the game does.
    QPushButton* accept = nullptr;
    if (request.kind == BoxKind::Question) {
        accept = box.addButton(QStringLiteral("Igen"), QMessageBox::YesRole);
        QPushButton* decline = box.addButton(QStringLiteral("Nem"), QMessageBox::NoRole);
        box.setEscapeButton(decline);
        box.setDefaultButton(request.preselected == DefaultAnswer::No ? decline : accept);
    } else {
        accept = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setEscapeButton(accept);
        box.setDefaultButton(accept);
    }
    KeepCaptionWhole(box);
    const QWidget* owner = request.owner;
    CentreWhenShown(box, [owner, &box] { return AreaOfOwner(owner, &box); });
    box.exec();
    return box.clickedButton() == accept;
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
