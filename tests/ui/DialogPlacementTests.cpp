// The settings dialog and the about box open in the middle of the screen that holds the
// table, wherever the table stands. Offscreen there is no window manager, so the client area
// itself must be centred.
#include "BeallitModalScript.h"

#include "ui/Beallit.h"
#include "ui/Nevjegy.h"

#include <QDialog>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

struct DialogCase {
    const char* name;
    std::function<void()> open;
};

class DialogPlacement : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogPlacement, OpensCentredOnTheTablesScreen) {
    QWidget table(nullptr, Qt::Window | Qt::FramelessWindowHint);
    table.setGeometry(20, 30, 512, 516);
    table.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&table));

    QRect frame;
    OnModal<QDialog>([&](QDialog& dialog) {
        QTest::qWait(50);
        frame = dialog.frameGeometry();
        dialog.reject();
    });
    GetParam().open();

    ASSERT_FALSE(frame.isEmpty());
    const QPointF wanted = QRectF(table.screen()->geometry()).center();
    const QPointF centre = QRectF(frame).center();
    EXPECT_LE(std::abs(centre.x() - wanted.x()), 1.0) << frame.x() << "," << frame.y();
    EXPECT_LE(std::abs(centre.y() - wanted.y()), 1.0) << frame.x() << "," << frame.y();
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogPlacement,
                         ::testing::Values(DialogCase{"Settings",
                                                      [] {
                                                          Tfrm_Beallit dialog;
                                                          dialog.exec();
                                                      }},
                                           DialogCase{"About", [] { ShowAboutDialog(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
