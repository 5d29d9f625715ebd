// Ending a run: a step that cannot go on prints its message, halts, and
// throws RunEnded; the start button catches it and performs the end-of-run
// reset.
#pragma once

#include <exception>

namespace hx {

struct RunEnded : std::exception {
    const char* what() const noexcept override { return "run ended"; }
};

}  // namespace hx
