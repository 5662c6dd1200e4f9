#pragma once
// The help: the rules and the keys, in the player's language, opened with F1.

#include <QDialog>

class QLabel;
class QPushButton;

class Tfrm_Sugo : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Sugo(QWidget* parent = nullptr);

    QLabel* Rules;
    QLabel* Keys;
    QPushButton* CloseButton;

    // The rules and the keys, each as the help shows it.
    static QString RulesText();
    static QString KeysText();
};

// Runs the help modally over the program, owned by `owner` (the table); Esc, its button or
// its close box end it, and the game goes on where it was.
void ShowHelpDialog(QWidget* owner);
