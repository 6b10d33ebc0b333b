#pragma once

#include "UniformSource.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace skarvel::test {

// Hands out a fixed list of draws in order and counts them; running out is a
// fault in the test (or an extra draw by the code under test) and throws.
class ScriptedUniformSource : public UniformSource {
public:
    ScriptedUniformSource() = default;
    explicit ScriptedUniformSource(std::vector<float> draws)
        : remaining(draws.begin(), draws.end()) {}

    void push(float r) { remaining.push_back(r); }
    // Replaces the draws still to come; the count of draws used goes on.
    void script(std::initializer_list<float> draws) { remaining.assign(draws); }
    std::size_t used() const { return count; }

    float next() override {
        if (remaining.empty()) {
            throw std::logic_error("scripted uniform source has no draw left");
        }
        const float r = remaining.front();
        remaining.pop_front();
        ++count;
        return r;
    }

private:
    std::deque<float> remaining;
    std::size_t count = 0;
};

// A draw in the middle of a face of an n-sided die, far from any rounding edge.
inline float drawForRoll(int n, int roll) {
    return (static_cast<float>(roll) - 0.5f) / static_cast<float>(n);
}

} // namespace skarvel::test
