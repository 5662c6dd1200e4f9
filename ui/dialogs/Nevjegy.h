#pragma once
// The about box.

#include <QDialog>
#include <QFrame>

class QLabel;
class QPushButton;

// A panel with an outer and an inner one-pixel bevel, each either raised or lowered.
class TBevelPanel : public QFrame {
    Q_OBJECT
public:
    enum class Bevel { Raised, Lowered };
    TBevelPanel(Bevel outer, Bevel inner, QWidget* parent);

    // Where children go so that they do not cover the bevels.
    QRect InsideRect() const { return rect().adjusted(2, 2, -2, -2); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel outer_;
    Bevel inner_;
};

class Tfrm_Nevjegy : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Nevjegy(QWidget* parent = nullptr);

    TBevelPanel* Panel1;
    TBevelPanel* Panel2;
    QLabel* Image1;
    QLabel* ProductName;
    QLabel* Copyright;
    QLabel* Label3;
    QLabel* Comments;
    QLabel* Label2;
    QLabel* Label1;
    QPushButton* OKButton;

protected:
    // There is nothing to cancel, so Esc leaves the box open; the close box still closes it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
};

// Runs the about box modally over the program, owned by `owner` (the table).
void ShowAboutDialog(QWidget* owner);
