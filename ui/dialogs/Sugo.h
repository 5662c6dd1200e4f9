#pragma once
// The help: the rules with a key to the card marks, the keys, and the table's small picture
// buttons with what each does, in the player's language, opened with F1.

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;

// The property of a table's action that holds the help's line for its keys, "%1: new deal".
inline constexpr char KeysLineProperty[] = "keysLine";

class Tfrm_Sugo : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Sugo(QWidget* parent = nullptr);

    QLabel* Rules;
    QLabel* Keys;
    // The small buttons' pictures and their meanings, in the table's order from the left.
    QList<QLabel*> ButtonPictures;
    QList<QLabel*> ButtonMeanings;
    QPushButton* CloseButton;

    // The rules and the keys, each as the help shows it.
    static QString RulesText();
    // The keys of `owner`'s actions that carry a KeysLineProperty, then the mouse and Tab.
    static QString KeysText(const QWidget* owner);
    static QString MarksText();
    // Each small button's meaning, with the key `owner`'s action has for it.
    static QStringList ButtonMeaningTexts(const QWidget* owner);
};

// Runs the help modally over the program, owned by `owner` (the table); Esc, its button or
// its close box end it, and the game goes on where it was.
void ShowHelpDialog(QWidget* owner);
