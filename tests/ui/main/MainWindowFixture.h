#pragma once

#include "CountingSysInfoLauncher.h"
#include "ErrorPresenter.h"
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

// Answers the window's errors without a dialog and remembers every one.
class RecordingErrorPresenter final : public ErrorPresenter {
public:
    struct Shown {
        QWidget* parent;
        QString caption;
        QString message;
    };

    void showError(QWidget* parent, const QString& caption, const QString& message) override {
        shown.push_back({parent, caption, message});
    }

    std::vector<Shown> shown;
};

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

    RecordingErrorPresenter presenter;
    ScriptedUniformSource source;
    CountingSysInfoLauncher launcher;
    skarvelform window{source, presenter, launcher.launcher()};
};

} // namespace skarvel::test
