#pragma once

namespace skarvel {

// Source of uniform single-precision draws in [0, 1), injected so that tests can
// script the values the die sees.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    // Every value returned is >= 0.0f and < 1.0f.
    virtual float next() = 0;
};

} // namespace skarvel
