#pragma once
// Scripting a modal dialog from inside its own event loop: the script runs once the
// dialog is up and must close it.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

template <class Dialog> void OnModal(std::function<void(Dialog&)> script, int triesLeft = 100) {
    QTimer::singleShot(0, [script, triesLeft] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal)) {
            script(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was still open after its script";
                dialog->reject();
            }
            return;
        }
        if (modal != nullptr || triesLeft == 0) {
            ADD_FAILURE() << "the expected dialog did not come up";
            if (modal != nullptr)
                modal->close();
            return;
        }
        OnModal<Dialog>(script, triesLeft - 1);
    });
}

// Types `text` one character at a time, accented and other non-ASCII letters included,
// which QTest::keyClicks cannot do. A character beyond 16 bits (an emoji) is one key press.
inline void TypeText(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, text.mid(i, length),
                            Qt::NoModifier);
        i += length - 1;
    }
}
