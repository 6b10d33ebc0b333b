#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>

namespace skarvel {

// The dialog's control of the given kind and object name; throws if there is none, so that
// a renamed or missing control fails the test instead of crashing it.
template <typename T>
T& findControl(const QWidget& window, const char* objectName) {
    T* control = window.findChild<T*>(QString::fromLatin1(objectName));
    if (control == nullptr) {
        throw std::runtime_error(std::string("no control named ") + objectName);
    }
    return *control;
}

} // namespace skarvel
