#pragma once

#include "UniformSource.h"

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

namespace skarvel::testing {

// Hands out a fixed list of draws in order and counts them; running out is a
// fault in the test (or an extra draw by the code under test) and throws.
class ScriptedUniformSource : public UniformSource {
public:
    ScriptedUniformSource() = default;
    explicit ScriptedUniformSource(std::vector<float> script)
        : draws(std::move(script)) {}

    void push(float r) { draws.push_back(r); }
    std::size_t used() const { return position; }

    float next() override {
        if (position == draws.size()) {
            throw std::logic_error("scripted uniform source has no draw left");
        }
        return draws[position++];
    }

private:
    std::vector<float> draws;
    std::size_t position = 0;
};

// A draw in the middle of a face of an n-sided die, far from any rounding edge.
inline float drawForRoll(int n, int roll) {
    return (static_cast<float>(roll) - 0.5f) / static_cast<float>(n);
}

} // namespace skarvel::testing
