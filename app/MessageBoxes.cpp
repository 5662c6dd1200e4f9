#include "app/BoxPlacement.h"
#include "app/DialogFlags.h"
#include "app/MessageBoxHook.h"
#include "app/Seged.h"
#include "app/WindowCentring.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <utility>

/*
    TRANSLATOR MessageBoxes

    The buttons and the title of the game's message and question boxes.
*/

namespace {

// What a title bar holds beside the caption: the window's icon, up to three buttons and the
// margins between them, at the sizes common window managers draw them. A frame that Qt draws
// itself (Wayland) centres the caption on the whole bar and cuts it at its buttons, so the
// same room is kept on both sides.
constexpr int TitleBarFurniture = 2 * 4 * 24;
// The caption's size in frames that Qt draws itself, larger than the box's own font.
constexpr int CaptionPixelSize = 14;

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
    QFont drawnCaptionFont = captionFont;
    drawnCaptionFont.setPixelSize(CaptionPixelSize);
    const int captionWidth =
        std::max(QFontMetrics(captionFont).horizontalAdvance(box.windowTitle()),
                 QFontMetrics(drawnCaptionFont).horizontalAdvance(box.windowTitle()));
    const int width = captionWidth + TitleBarFurniture;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// A box about the table (the winner, the reset question) opens beside it where the table's
// screen has room, so it hides nothing it speaks of; the error box, which has no owner, and a
// box with no room beside the table go over the table's middle. Where the window system
// places windows itself (Wayland), it attaches the box to its owner and ignores all this.
QRect PlaceOfBox(const QWidget* owner, const QWidget* box, QSize frame) {
    const QWidget* table = owner != nullptr ? owner->window() : nullptr;
    if (table == nullptr || !table->isVisible() || table->screen() == nullptr)
        return AreaOfOwner(owner, box);
    return BesideTable(table->frameGeometry(), frame, table->screen()->availableGeometry());
}

// GNOME's window manager attaches a modal box to the window it belongs to and holds it over
// that window's middle, whatever place the game asks for: the winner's box would hide Vuru's
// cards. On X11 the box belongs to the program's windows as a group instead; the window
// managers keep it above all of them all the same, and Qt still keeps the table from input
// until it is closed. A Wayland compositor places it by its owner, which it must know.
void KeepOffOwnersMiddle(QMessageBox& box) {
    if (QGuiApplication::platformName() != QLatin1String("xcb") || box.parentWidget() == nullptr)
        return;
    box.winId();
    box.windowHandle()->setTransientParent(nullptr);
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
    // The game names its own buttons, so they speak the game's language with or without
    // Qt's translations, and they carry no pictures, as no other button of the game does.
    QPushButton* accept = nullptr;
    if (request.kind == BoxKind::Question) {
        //: A button of a yes-or-no question
        accept = box.addButton(QCoreApplication::translate("MessageBoxes", "Igen"),
                               QMessageBox::YesRole);
        QPushButton* decline =
            //: A button of a yes-or-no question
            box.addButton(QCoreApplication::translate("MessageBoxes", "Nem"), QMessageBox::NoRole);
        box.setEscapeButton(decline);
        box.setDefaultButton(request.preselected == DefaultAnswer::No ? decline : accept);
    } else {
        //: The button that closes a message box
        accept = box.addButton(QCoreApplication::translate("MessageBoxes", "OK"),
                               QMessageBox::AcceptRole);
        box.setEscapeButton(accept);
        box.setDefaultButton(accept);
    }
    KeepCaptionWhole(box);
    // Close button only: the box has a fixed size.
    box.setWindowFlags(DialogFrameFlags);
    const QWidget* owner = request.owner;
    CentreWhenShown(box, [owner, &box](QSize frame) { return PlaceOfBox(owner, &box, frame); });
    KeepOffOwnersMiddle(box);
    box.exec();
    return box.clickedButton() == accept;
}

void ShowMessageBox(const QString& text, QWidget* owner) {
    ShowBox(BoxRequest{BoxKind::Information, text,
                       //: The title of a message box
                       QCoreApplication::translate("MessageBoxes", "Üzenet"), owner});
}

bool AskYesNo(const QString& text, const QString& caption, QWidget* owner,
              DefaultAnswer preselected) {
    return ShowBox(BoxRequest{BoxKind::Question, text, caption, owner, preselected});
}
