#pragma once
// A main window on a table of its own: a temporary program folder with every card picture,
// message boxes answered by script, and a results record of its own.

#include "app/Seged.h"
#include "game/Results.h"
#include "ui/CardPlace.h"
#include "ui/Main.h"
#include "ui/art/Pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The 33 pictures, drawn once per test run and copied into each test's folder.
inline const QString& CardPictureFolder() {
    static QTemporaryDir folder;
    static const bool written = [] {
        const QString images = folder.path();
        CardBackImage(1).save(images + QStringLiteral("/h.bmp"), "BMP");
        for (char suit = '1'; suit <= '4'; ++suit)
            for (char rank = '1'; rank <= '8'; ++rank)
                CardFaceImage(CardCode{suit, rank}, 1)
                    .save(images + QStringLiteral("/%1%2.bmp").arg(suit).arg(rank), "BMP");
        return true;
    }();
    (void)written;
    static const QString path = folder.path();
    return path;
}

inline QString AccessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        savedProgramDir = ProgramDir;
        ProgramDir = TProgramDir{folder.path().toLower(), folder.path()};
        QDir().mkpath(ImagesPath());
        const QDir source(CardPictureFolder());
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), ImagesPath() + u'/' + name);
        savedHook = SetMessageBoxHook([this](const BoxRequest& request) {
            boxes.push_back(request);
            return answer;
        });
    }

    void TearDown() override {
        window.reset();
        SetMessageBoxHook(savedHook);
        ProgramDir = savedProgramDir;
    }

    QString ImagesPath() const { return folder.path() + QStringLiteral("/Images"); }
    QString SettingsFile() const { return folder.path() + QStringLiteral("/tavrik.ini"); }

    Tfrm_Main& Open() {
        window = std::make_unique<Tfrm_Main>(results, [] { return 20261207u; });
        return *window;
    }

    // Shown and active, so its keys reach the actions.
    Tfrm_Main& OpenShown() {
        Open();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key), modifiers);
    }

    CardPlace* Place(char letter, int index) {
        return window->findChild<CardPlace*>(QChar(letter) + QString::number(index));
    }

    std::vector<BoxRequest> BoxesOf(BoxKind kind) const {
        std::vector<BoxRequest> found;
        for (const BoxRequest& box : boxes)
            if (box.kind == kind)
                found.push_back(box);
        return found;
    }

    QTemporaryDir folder;
    TBeall results;
    std::unique_ptr<Tfrm_Main> window;
    std::vector<BoxRequest> boxes;
    bool answer = true;

private:
    TProgramDir savedProgramDir;
    MessageBoxHook savedHook;
};
