#pragma once
// The settings dialog: the player's name and the stake.

#include "ui/speech/FocusSelectingLineEdit.h"

#include <QDialog>

#include <functional>

struct TBeall;
class QLabel;
class QPushButton;

class Tfrm_Beallit : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Beallit(QWidget* parent = nullptr);

    QLabel* Label1;
    FocusSelectingLineEdit* Edit1; // the player's name
    QLabel* Label2;
    FocusSelectingLineEdit* Edit2; // the stake, as typed
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;
};

// Runs the dialog modally over the program, owned by `owner` (the table) so it opens over
// it and stays above it, and updates the name and the stake on OK; a new name as the results
// file at `resultsPath` will give it back. True when the player chose OK.
bool ShowSettingsDialog(TBeall& results, const QString& resultsPath, QWidget* owner);
