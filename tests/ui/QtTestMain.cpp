#include "InterfaceFont.h"

#include <QApplication>
#include <gtest/gtest.h>

// Runs the widget tests inside one QApplication with the program's own font, on the
// offscreen platform unless the caller asked for another.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setFont(skarvel::interfaceFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
