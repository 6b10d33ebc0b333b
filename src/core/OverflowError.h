#pragma once

#include <stdexcept>
#include <string>

namespace skarvel {

// A small-integer result or conversion left -32768..32767.
class OverflowError : public std::overflow_error {
public:
    explicit OverflowError(const std::string& what)
        : std::overflow_error(what) {}
};

} // namespace skarvel
