#pragma once

#include "MessageDisplay.h"

namespace skarvel {

// The launcher's message box on Qt: the text, the caption, one OK button, no icon,
// modal to the whole application until the user dismisses it.
class QtMessageDisplay final : public MessageDisplay {
public:
    void show(const std::string& text, const std::string& caption) override;
};

} // namespace skarvel
