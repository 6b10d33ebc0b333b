#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>

namespace skarvel::test {

// The window's control of the given kind and object name; throws if there is none, so that
// a renamed or missing control fails the test instead of crashing it.
template <typename T>
T& findControl(const QWidget& window, const QString& objectName) {
    T* control = window.findChild<T*>(objectName);
    if (control == nullptr) {
        throw std::runtime_error("no control named " + objectName.toStdString());
    }
    return *control;
}

} // namespace skarvel::test
