#include "cli/tube_count_command.h"

#include <iomanip>
#include <iostream>

#include "calc/case/tema_clearances.h"
#include "calc/case/tube_count.h"

namespace hx::cli {

namespace {

constexpr float kMmPerM = 1000.0f;

HeadType headTypeOf(const std::string& name) {
    if (name == "split-ring") return HeadType::SplitRing;
    if (name == "pull-through") return HeadType::PullThrough;
    return HeadType::FixedOrUTube;
}

const char* headName(HeadType head) {
    switch (head) {
        case HeadType::FixedOrUTube: return "fixed tube sheet or U-tube";
        case HeadType::SplitRing: return "split-ring floating head";
        case HeadType::PullThrough: return "pull-through floating head";
    }
    return "";
}

}  // namespace

int runTubeCount(const TubeCountOptions& o) {
    TubeCountInput in;
    in.D0 = o.od / kMmPerM;
    in.pitch = o.pitch / kMmPerM;
    in.layoutDeg = o.layout;
    in.laneWidth = o.lane / kMmPerM;
    std::cout << std::fixed << std::setprecision(1);
    if (o.otl > 0.0f) {
        in.Dotl = o.otl / kMmPerM;
        if (o.shellId > 0.0f) std::cout << "Shell inside diameter  " << o.shellId << " mm\n";
        std::cout << "Outer tube limit       " << o.otl << " mm\n";
    } else {
        const HeadType head = headTypeOf(o.head);
        const float clearance = bundleToShellClearance(o.shellId / kMmPerM, head) * kMmPerM;
        in.Dotl = (o.shellId - clearance) / kMmPerM;
        std::cout << "Shell inside diameter  " << o.shellId << " mm\n"
                  << "Outer tube limit       " << o.shellId - clearance << " mm (" << headName(head)
                  << ", clearance " << clearance << " mm)\n";
    }
    std::cout << std::setprecision(2) << "Tube OD " << o.od << " mm, pitch " << o.pitch
              << " mm, layout " << std::setprecision(0) << o.layout << " deg\n"
              << "passes  tubes\n";
    bool counted = false;
    for (int passes : {1, 2, 4, 6, 8}) {
        if (o.passes != 0 && o.passes != passes) continue;
        in.passes = passes;
        const int n = countTubes(in);
        counted = counted || n > 0;
        std::cout << std::setw(6) << passes << std::setw(7) << n << "\n";
    }
    if (!counted) {
        std::cerr << "hxcalc: no tube fits: check the layout (30, 45, 60, 90), the passes "
                     "(1, 2, 4, 6, 8) and the diameters\n";
        return 2;
    }
    return 0;
}

}  // namespace hx::cli
