// Guarding a chain of correlation steps: the first step that divides by a
// zero or negative quantity, takes the logarithm of a non-positive value or
// yields a non-finite number is remembered by name, so a caller sees which
// step failed instead of a NaN travelling on into the solver.
#pragma once

#include <cmath>

namespace hx {

class StepCheck {
public:
    // num/den for a denominator that is positive by its physical meaning
    // (an area, a diameter, a viscosity, a tube count).
    float divide(float num, float den, const char* step) {
        if (!(den > 0.0f)) fail(step);
        return num / den;
    }

    // Natural logarithm of a quantity that must be positive.
    float log(float x, const char* step) {
        if (!(x > 0.0f)) fail(step);
        return std::log(x);
    }

    // Notes the step when a condition it needs does not hold.
    bool require(bool condition, const char* step) {
        if (!condition) fail(step);
        return condition;
    }

    // Passes a step's value through, noting it when it is not finite.
    float value(float v, const char* step) {
        if (!std::isfinite(v)) fail(step);
        return v;
    }

    bool ok() const { return fault_ == nullptr; }
    // The name of the first failed step, or nullptr.
    const char* fault() const { return fault_; }

private:
    void fail(const char* step) {
        if (fault_ == nullptr) fault_ = step;
    }
    const char* fault_ = nullptr;
};

}  // namespace hx
