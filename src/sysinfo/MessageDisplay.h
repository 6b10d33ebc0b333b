#pragma once

#include <string>

namespace skarvel {

// Tells the user something in a message box that blocks the application until
// dismissed: the given text, the given caption and one OK button.
class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;
    virtual void show(const std::string& text, const std::string& caption) = 0;
};

} // namespace skarvel
