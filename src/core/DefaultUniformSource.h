#pragma once

#include "UniformSource.h"

#include <random>

namespace skarvel {

// The program's generator: a fixed start state and never reseeded, so every run
// of the program sees the same succession of draws.
class DefaultUniformSource final : public UniformSource {
public:
    float next() override;

    // The step from one output of the engine to a draw in [0, 1).
    static float fromBits(std::mt19937::result_type bits);

private:
    // The standard engine with its standard default seed gives the same sequence
    // on every conforming library.
    std::mt19937 engine;
};

} // namespace skarvel
