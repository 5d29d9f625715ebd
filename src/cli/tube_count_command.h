// `hxcalc tubecount`: the tubes a shell holds for a tube size, pitch,
// layout and pass arrangement.
#pragma once

#include <string>

namespace hx::cli {

struct TubeCountOptions {
    float shellId = 0.0f;        // mm; 0 when the outer tube limit is given instead
    float otl = 0.0f;            // mm; 0: the shell less the head type's clearance
    float od = 0.0f;             // mm
    float pitch = 0.0f;          // mm
    float layout = 30.0f;        // deg
    int passes = 0;              // 0: every arrangement, 1 2 4 6 8
    float lane = 0.0f;           // mm, centre to centre across a partition lane; 0: default
    std::string head = "fixed";  // fixed | split-ring | pull-through
};

// Prints the count; the exit status (0, or 2 for inputs that give no count).
int runTubeCount(const TubeCountOptions& options);

}  // namespace hx::cli
