#include "calc/case/tube_count.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace hx {

namespace {

constexpr float kDefaultLaneAllowance = 0.0159f;  // m: 3/8 in plate + 2 × 1/8 in ligament

// The lattice: rows dy apart along the vertical, tubes dx apart along each
// row, every other row shifted by `shift`; `transposed` for a lattice whose
// rows run vertically (the rotated triangle).
struct Lattice {
    float dx = 0.0f;
    float dy = 0.0f;
    float shift = 0.0f;
    bool transposed = false;
};

Lattice latticeOf(float layoutDeg, float P) {
    const float root3 = std::sqrt(3.0f);
    const float root2 = std::sqrt(2.0f);
    if (layoutDeg == 90.0f) return {P, P, 0.0f, false};
    if (layoutDeg == 45.0f) return {P * root2, P * root2 / 2.0f, P * root2 / 2.0f, false};
    return {P, P * root3 / 2.0f, P / 2.0f, layoutDeg == 60.0f};
}

struct Lanes {
    std::vector<float> horizontal;  // y of each horizontal lane's centre line
    std::vector<float> vertical;    // x of each vertical lane's centre line
};

Lanes lanesOf(int passes, float radius) {
    switch (passes) {
        case 2: return {{0.0f}, {}};
        case 4: return {{0.0f}, {0.0f}};
        case 6: return {{-radius / 3.0f, radius / 3.0f}, {0.0f}};
        case 8: return {{-radius / 2.0f, 0.0f, radius / 2.0f}, {0.0f}};
        default: return {};
    }
}

bool inLane(float v, const std::vector<float>& lines, float halfWidth) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](float line) { return std::fabs(v - line) < halfWidth; });
}

int countWithOffset(const Lattice& l, float radius, const Lanes& lanes, float halfLane, float ox,
                    float oy) {
    const int n = static_cast<int>(radius / std::min(l.dx, l.dy)) + 2;
    const float r2 = radius * radius * (1.0f + 1e-6f);  // a centre on the limit counts
    int count = 0;
    for (int j = -n; j <= n; ++j) {
        const float y = static_cast<float>(j) * l.dy + oy;
        const float rowShift = (j % 2 != 0) ? l.shift : 0.0f;
        for (int i = -n; i <= n; ++i) {
            const float x = static_cast<float>(i) * l.dx + rowShift + ox;
            const float X = l.transposed ? y : x;
            const float Y = l.transposed ? x : y;
            if (X * X + Y * Y > r2) continue;
            if (inLane(Y, lanes.horizontal, halfLane) || inLane(X, lanes.vertical, halfLane))
                continue;
            ++count;
        }
    }
    return count;
}

}  // namespace

bool isCountedLayout(float layoutDeg) {
    return layoutDeg == 30.0f || layoutDeg == 45.0f || layoutDeg == 60.0f || layoutDeg == 90.0f;
}

bool isCountedPassNumber(int passes) {
    return passes == 1 || passes == 2 || passes == 4 || passes == 6 || passes == 8;
}

int countTubes(const TubeCountInput& in) {
    if (!isCountedLayout(in.layoutDeg) || !isCountedPassNumber(in.passes)) return 0;
    if (!(in.pitch > 0.0f) || !(in.D0 > 0.0f) || !(in.Dotl >= in.D0)) return 0;
    // The centres lie within the limit less half a tube.
    const float radius = (in.Dotl - in.D0) / 2.0f;
    const Lattice l = latticeOf(in.layoutDeg, in.pitch);
    const Lanes lanes = lanesOf(in.passes, radius);
    const float lane = in.laneWidth > 0.0f ? in.laneWidth : in.D0 + kDefaultLaneAllowance;
    const std::array<std::array<float, 2>, 4> offsets = {
        {{0.0f, 0.0f}, {l.dx / 2.0f, 0.0f}, {0.0f, l.dy / 2.0f}, {l.dx / 2.0f, l.dy / 2.0f}}};
    int best = 0;
    for (const auto& o : offsets)
        best = std::max(best, countWithOffset(l, radius, lanes, lane / 2.0f, o[0], o[1]));
    return best;
}

}  // namespace hx
