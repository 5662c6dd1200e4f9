#include "ui/dialogs/Nevjegy.h"

#include "app/ErrorBox.h"

#include "art/Pictures.h"
#include "ui/dialogs/DialogFrame.h"
#include "ui/dialogs/SpacedLabel.h"
#include "ui/look/Fonts.h"
#include "ui/start/Exe.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <qdrawutil.h>

#include <utility>

/*
    TRANSLATOR Tfrm_Nevjegy

    The about box: the game's name, version, licence and the maker's address.
*/

namespace {

const QColor IconPanelColour(255, 208, 174);
const QColor MoneyGreen(192, 220, 192);
const QColor Cream(255, 251, 240);

// A ground of the box's own comes with its own text colour: a dark theme's light text would
// vanish on the light strips.
void Paint(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// One of the box's fixed text strips, placed in the frame's own coordinates.
QLabel* MakeLabel(const QString& text, const QRect& geometry, Qt::Alignment alignment,
                  QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(geometry);
    return label;
}

// One of the box's texts of more than one line, its lines spaced for reading.
QLabel* MakeText(const QString& text, const QRect& geometry, Qt::Alignment alignment,
                 QWidget* parent) {
    auto* label = new SpacedLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

// A cream heading over one part of the box.
QLabel* MakeHeading(const QString& text, int top, const QFont& font, QWidget* parent) {
    QLabel* label = MakeLabel(text, QRect(8, top, 285, 15), Qt::AlignCenter, parent);
    label->setFont(font);
    Paint(label, Cream);
    return label;
}

QPixmap ApplicationIcon() {
    const qreal ratio = qGuiApp->devicePixelRatio();
    QPixmap icon = QPixmap::fromImage(AcornIcon(qRound(32 * ratio)));
    icon.setDevicePixelRatio(ratio);
    return icon;
}

} // namespace

TBevelPanel::TBevelPanel(Bevel outer, Bevel inner, QWidget* parent)
    : QFrame(parent), outer_(outer), inner_(inner) {
    setFrameShape(QFrame::NoFrame);
}

void TBevelPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect outer = rect();
    qDrawShadeRect(&painter, outer, palette(), outer_ == Bevel::Lowered, 1, 0);
    qDrawShadeRect(&painter, outer.adjusted(1, 1, -1, -1), palette(), inner_ == Bevel::Lowered, 1,
                   0);
}

Tfrm_Nevjegy::Tfrm_Nevjegy(QWidget* parent) : QDialog(parent, DialogFrameFlags) {
    SetUpDialogFrame(*this, tr("Névjegy"), 319, 343);

    Panel1 = new TBevelPanel(TBevelPanel::Bevel::Lowered, TBevelPanel::Bevel::Raised, this);
    Panel1->setGeometry(8, 8, 305, 293);

    Panel2 = new TBevelPanel(TBevelPanel::Bevel::Raised, TBevelPanel::Bevel::Lowered, Panel1);
    Panel2->setGeometry(10, 10, 69, 63);
    Paint(Panel2, IconPanelColour);

    Image1 = new QLabel(Panel2);
    Image1->setGeometry(Panel2->InsideRect());
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(ApplicationIcon());

    ProductName =
        MakeLabel(QString(), QRect(148, 16, 145, 37), Qt::AlignRight | Qt::AlignVCenter, Panel1);
    ProductName->setFont(ProductFont(15));
    Paint(ProductName, MoneyGreen);

    // Right-aligned to the same edge as the product name above it.
    Copyright =
        MakeText(tr("Copyright © 2026\nTarvesz"), QRect(158, 60, 135, 28), Qt::AlignRight, Panel1);

    // Both headings share one face: finding a bold that shows means drawing it, once per box.
    const QFont headingFont = HeadingFont(Panel1->font());
    //: The about box's heading: the game's name
    Label3 = MakeHeading(tr("21 kártyajáték"), 92, headingFont, Panel1);

    // The terms the game is distributed under, as LICENSE and the package state them.
    Comments = MakeText(tr("A 21 kártyajáték szabad szoftver: a GNU General Public "
                           "License 3-as vagy (választásod szerint) bármely "
                           "későbbi változata szerint továbbadható és módosítható. "
                           "Mindenféle garancia nélkül adjuk közre."),
                        QRect(8, 116, 285, 65), Qt::AlignHCenter, Panel1);

    //: The about box's heading above the maker's address
    Label2 = MakeHeading(tr("Elérhetőség"), 188, headingFont, Panel1);

    Label1 = MakeText(tr("Tarvesz\n%1\n\nVéleményeket, ötleteket és hibajelentéseket\n"
                         "a honlapon keresztül várok.")
                          .arg(HomepageAddress()),
                      QRect(8, 208, 285, 81), Qt::AlignHCenter, Panel1);

    // Screen readers read a box's texts when it opens but pass over those of fewer than three
    // words, as the headings are: each is spoken as the start of the text it stands over.
    for (const auto& [heading, text] : {std::pair(Label3, Comments), std::pair(Label2, Label1)})
        text->setAccessibleName(heading->text() + QStringLiteral(". ") + text->text());

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setGeometry(127, 312, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void Tfrm_Nevjegy::FormCreate() {
    ProductName->setText(QStringLiteral("21\r\nV") + QStringLiteral(HUSZONEGY_VERSION));
    // Read out in words: the two lines alone are too short for a screen reader to speak.
    //: A screen reader's name for the product line: the game's name and its version, %1
    ProductName->setAccessibleName(tr("21, verzió %1").arg(QStringLiteral(HUSZONEGY_VERSION)));
}

void Tfrm_Nevjegy::keyPressEvent(QKeyEvent* event) {
    // The box has no cancel button, so Esc closes nothing.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    RunGuarded([&] { QDialog::keyPressEvent(event); });
}

void ShowAboutDialog(QWidget* owner) {
    Tfrm_Nevjegy dialog(owner);
    dialog.exec();
}
