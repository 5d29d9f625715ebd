#include "calc/solver/solver_progress.h"

#include <string>

#include "core/run_ended.h"

namespace hx {

void NullProgress::atLimit(LimitLoop loop, int) {
    if (loosened_ < policy_.loosenTimes) {
        ++loosened_;
        return;
    }
    throw RunEnded("iteration limit of loop " + std::to_string(static_cast<int>(loop)) +
                   " reached");
}

}  // namespace hx
