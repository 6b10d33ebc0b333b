#include <QApplication>
#include <gtest/gtest.h>

// Runs the widget tests inside one QApplication, on the offscreen platform unless the caller
// asked for another. The windows under test set their own font.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
