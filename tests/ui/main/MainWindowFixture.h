#pragma once

#include "CountingSysInfoLauncher.h"
#include "FindControl.h"
#include "ScriptedUniformSource.h"
#include "skarvelform.h"

#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace skarvel::test {

// A fresh main window per test, with its controls found by their object names.
class MainWindowFixture : public ::testing::Test {
protected:
    template <class Control = QWidget>
    Control* find(const QString& name) const {
        return &findControl<Control>(window, name);
    }

    template <class Control = QWidget>
    Control* find(const char* name, int row) const {
        return find<Control>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(row));
    }

    // Shows the window and waits until it has the keyboard.
    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    FakeMessageDisplay errorBoxes; // answers the window's errors without a dialog
    ScriptedUniformSource source;
    CountingSysInfoLauncher launcher;
    skarvelform window{source, errorBoxes, launcher.launcher()};
};

} // namespace skarvel::test
