#include "ui/dialogs/Sugo.h"

#include "art/Pictures.h"
#include "ui/dialogs/DialogFrame.h"
#include "ui/dialogs/SpacedLabel.h"
#include "ui/look/Fonts.h"
#include "ui/look/ToolTipStyle.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

/*
    TRANSLATOR Tfrm_Sugo

    The help (F1): the rules, the cards' marks, the keys and the small buttons' meanings.
*/

namespace {

constexpr int ClientWidth = 420;

QLabel* MakeHeading(const QString& text, QWidget* parent) {
    auto* heading = new QLabel(text, parent);
    heading->setFont(HeadingFont(parent->font()));
    return heading;
}

// Plain text wrapped to the box's width, its lines spaced as the about box's, so accents clear
// the line above at every scale: a screen reader reads a label whole.
QLabel* MakeText(const QString& text, QWidget* parent) {
    auto* label = new SpacedLabel(text, parent);
    label->GiveFirstLineRoom();
    return label;
}

// The small buttons as the table shows them from the left.
constexpr ButtonPicture SmallButtons[] = {ButtonPicture::ResetResults, ButtonPicture::Homepage,
                                          ButtonPicture::About,        ButtonPicture::Settings,
                                          ButtonPicture::Minimise,     ButtonPicture::Close};

} // namespace

QString Tfrm_Sugo::RulesText() {
    return tr("Minden leosztásban mindenki két lapot kap. Az alsó 2, a felső 3, a király 4, az "
              "ász 11, a számos lapok a számukat érik. Lapot kérhetsz („Még egy lapot!”) vagy "
              "megállhatsz („Megállok”); a Bank és Vuru 16 alatt mindig húz. 21 fölött a lapok "
              "semmit sem érnek. A legmagasabb összeg nyer. Ha a Bank holtversenyben áll az élen, "
              "a Bank nyer; ha te és Vuru, a kevesebb lap nyer, egyenlő lapszámnál te. A győztes "
              "mindkét ellenféltől megkapja a tétet.");
}

QString Tfrm_Sugo::MarksText() {
    // The faces carry Hungarian marks in every language; a player reading another one would
    // take "A" for an ace.
    return tr("A lapok jelei: A = alsó (2), F = felső (3), K = király (4), Á = ász (11); a 7, "
              "8, 9 és 10 a számuk szerint.");
}

QStringList Tfrm_Sugo::ButtonMeaningTexts(const QWidget* owner) {
    // A button's key as the table's action has it now.
    const auto keyOf = [owner](const char* action) {
        const auto* found =
            owner != nullptr ? owner->findChild<QAction*>(QLatin1String(action)) : nullptr;
        return found != nullptr ? KeyNames(found->shortcuts()) : QString();
    };
    return {
        tr("Eredmények törlése: mindenki újra 1000 pénzzel, nyert játék nélkül kezd"),
        //: Beside the picture of the small button that opens the maker's homepage; Tarvesz is
        //: the maker's name
        tr("Tarvesz honlapja a böngészőben"),
        tr("Névjegy: a játék neve és változata"),
        //: Beside the picture of the settings button; %1 is its key, as "Alt+Enter"
        tr("Beállítások: a neved és a tét (%1)").arg(keyOf("aBeallit")),
        //: Beside the picture of the small button that minimises the table; %1 is its key, as
        //: "Esc"
        tr("Tálcára (%1)").arg(keyOf("aTalcara")),
        tr("Bezár: a játék véget ér, az eredmények megmaradnak"),
    };
}

QString Tfrm_Sugo::KeysText(const QWidget* owner) {
    // One line a key, its keys read from the table's action as they are now.
    QStringList lines;
    for (const QAction* action : owner != nullptr ? owner->actions() : QList<QAction*>()) {
        const QString line = action->property(KeysLineProperty).toString();
        if (!line.isEmpty())
            lines << line.arg(KeyNames(action->shortcuts()));
    }
    lines << tr("Az asztalt a bal egérgombbal húzva mozgathatod az ablakot.")
          << tr("A Tab és a Shift+Tab a gombok között lépked, a Szóköz vagy az "
                "Enter megnyomja a kijelölt gombot.");
    return lines.join(u'\n');
}

Tfrm_Sugo::Tfrm_Sugo(QWidget* parent) : QDialog(parent, DialogFrameFlags) {
    setFont(DialogFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(MakeHeading(tr("Szabályok"), this));
    Rules = MakeText(RulesText(), this);
    layout->addWidget(Rules);
    layout->addWidget(MakeText(MarksText(), this));
    layout->addSpacing(8);
    layout->addWidget(MakeHeading(tr("Billentyűk"), this));
    Keys = MakeText(KeysText(parent), this);
    layout->addWidget(Keys);
    layout->addSpacing(8);
    layout->addWidget(MakeHeading(tr("Gombok"), this));
    auto* buttons = new QGridLayout;
    buttons->setColumnStretch(1, 1);
    const QStringList meanings = ButtonMeaningTexts(parent);
    for (int row = 0; row < meanings.size(); ++row) {
        // The picture as the table's button shows it; the meaning says the button's name.
        auto* picture = new QLabel(this);
        picture->setPixmap(ButtonPicturePixmap(SmallButtons[row], devicePixelRatioF()));
        picture->setFixedSize(16, 16);
        ButtonPictures << picture;
        ButtonMeanings << MakeText(meanings[row], this);
        buttons->addWidget(picture, row, 0, Qt::AlignTop);
        buttons->addWidget(ButtonMeanings.back(), row, 1);
    }
    layout->addLayout(buttons);
    layout->addSpacing(8);
    CloseButton = new QPushButton(tr("Bezár"), this);
    CloseButton->setFixedSize(75, 25);
    CloseButton->setDefault(true);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(CloseButton, 0, Qt::AlignHCenter);
    // As tall as its text needs at the fixed width, in whatever language it is.
    SetUpDialogFrame(*this, tr("Súgó"), ClientWidth, layout->totalHeightForWidth(ClientWidth));
}

void ShowHelpDialog(QWidget* owner) {
    Tfrm_Sugo dialog(owner);
    dialog.exec();
}
