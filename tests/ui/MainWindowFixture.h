#pragma once
// A main window on a table of its own: a temporary program folder with every card picture,
// message boxes answered by script, and a results keeper of its own.

#include "app/Seged.h"
#include "game/Results.h"
#include "ui/start/ResultsKeeper.h"
#include "ui/table/CardPlace.h"
#include "ui/table/Main.h"

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
        // The 33 pictures the build drew, at the table's own resolution.
        const QDir source(QStringLiteral(BUILT_CARD_PICTURES));
        for (const QString& name : source.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            if (!name.contains(u'@'))
                QFile::copy(source.filePath(name), ImagesPath() + u'/' + name);
        savedHook = SetMessageBoxHook([this](const BoxRequest& request) {
            boxes.push_back(request);
            return answer;
        });
    }

    void TearDown() override {
        window.reset();
        keeper.reset();
        SetMessageBoxHook(savedHook);
        ProgramDir = savedProgramDir;
    }

    QString ImagesPath() const { return folder.path() + QStringLiteral("/Images"); }
    QString SettingsFile() const { return folder.path() + QStringLiteral("/tavrik.ini"); }

    // A window on a keeper of its own, which reads the folder's results file as it is now.
    Tfrm_Main& Open() {
        window.reset();
        keeper.reset();
        keeper = std::make_unique<ResultsKeeper>(folder.path());
        window = std::make_unique<Tfrm_Main>(*keeper, [] { return 20261207u; });
        return *window;
    }

    // The record the open window plays with.
    TBeall& Results() { return keeper->Results(); }

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
    std::unique_ptr<ResultsKeeper> keeper;
    std::unique_ptr<Tfrm_Main> window;
    std::vector<BoxRequest> boxes;
    bool answer = true;

private:
    TProgramDir savedProgramDir;
    MessageBoxHook savedHook;
};
