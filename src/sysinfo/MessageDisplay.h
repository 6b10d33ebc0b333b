#pragma once

#include <string>

namespace skarvel {

// Tells the user something in a message box that blocks the application until
// dismissed: the given text, the given caption, one OK button and no icon.
class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;
    virtual void show(const std::string& text, const std::string& caption) = 0;
};

} // namespace skarvel
