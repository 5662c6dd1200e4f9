// GoogleTest entry point for tests that need a QApplication (widgets, message boxes).
#include <QApplication>
#include <gtest/gtest.h>

namespace {

// Every test starts from a quiet application, whichever ran before it in the same process:
// a test that closes its last window leaves the application's quit posted, and the next
// event loop to see it would end every dialog of the tests after it at once.
class QuietApplicationBetweenTests : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override {
        QCoreApplication::removePostedEvents(QCoreApplication::instance(), QEvent::Quit);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

int main(int argc, char** argv) {
    // Test discovery runs this program at build time, with no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new QuietApplicationBetweenTests);
    return RUN_ALL_TESTS();
}
