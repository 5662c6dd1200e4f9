#include "ui/dialogs/Beallit.h"

#include "game/Results.h"
#include "store/disk/SettingsFile.h"
#include "store/record/IntegerText.h"
#include "store/record/ProfileText.h"
#include "ui/dialogs/DialogFrame.h"
#include "ui/speech/FocusSelectingLineEdit.h"
#include "ui/speech/TableAccessibility.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

/*
    TRANSLATOR Tfrm_Beallit

    The settings dialog (Alt+Enter): the player's name and the stake.
*/

Tfrm_Beallit::Tfrm_Beallit(QWidget* parent) : QDialog(parent, DialogFrameFlags) {
    SetUpDialogFrame(*this, tr("Beállítások"), 257, 107);
    // Its fields are read whole by screen readers also when no table is open.
    InstallTableAccessibility();

    // Created in tab order, so the focus chain needs no further help.
    //: The label of the field for the player's name
    Label1 = new QLabel(tr("Az én nevem"), this);
    Label1->move(12, 12);
    Label1->adjustSize();
    Edit1 = new FocusSelectingLineEdit(this);
    Edit1->setGeometry(12, 28, 125, 21);
    // No longer than a read of the settings file gives back, so the name on the table is the
    // one the next start finds.
    Edit1->setMaxLength(ProfileValueLimit);
    Label1->setBuddy(Edit1);

    //: The label of the field for the stake: the money each deal is played for
    Label2 = new QLabel(tr("Tét"), this);
    Label2->move(12, 56);
    Label2->adjustSize();
    Edit2 = new FocusSelectingLineEdit(this);
    Edit2->setGeometry(12, 72, 125, 21);
    Label2->setBuddy(Edit2);

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setGeometry(168, 32, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    // Esc rejects through QDialog itself, exactly as this button does.
    Button2 = new QPushButton(tr("Mégsem"), this);
    Button2->setGeometry(168, 64, 75, 25);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfrm_Beallit::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The usual first wish is a new name, so typing replaces the old one outright.
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->SelectAllForFocus();
}

bool ShowSettingsDialog(TBeall& results, const QString& resultsPath, QWidget* owner) {
    Tfrm_Beallit dialog(owner);
    dialog.Edit1->setText(results.Name);
    dialog.Edit2->setText(QString::number(results.Pot));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A new name is shown as the next start will read it back; the name the file gave is
    // kept as it is, whatever the file's encoding holds.
    if (dialog.Edit1->text() != results.Name)
        results.Name = NameAsStored(resultsPath, dialog.Edit1->text());
    // The stake is taken exactly as typed: a blank after the number makes it unreadable,
    // and an unreadable stake quietly keeps the old one.
    if (const auto stake = ParseInt32(dialog.Edit2->text()))
        results.Pot = *stake;
    return true;
}
