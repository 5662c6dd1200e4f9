// The yardstick for the game's start-up: a Qt application showing one empty frameless
// window of the game's size, and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(512, 516);
    window.move(10, 10);
    window.show();
    return app.exec();
}
