#include "calc/case/tema_clearances.h"

#include <cmath>

namespace hx {

namespace {

constexpr float kMetresPerInch = 0.0254f;
constexpr float kMetresPerMm = 0.001f;

// Upper shell diameter of a row (mm) and the clearance of the row (mm).
struct Row {
    float upToDS;
    float clearance;
};

// Ray and Das Table 4.11, its rows as printed (a merged cell read down to
// the next printed value).
constexpr Row kFixedOrUTube[] = {{200.0f, 10.9f},  {250.0f, 10.8f}, {300.0f, 10.9f},
                                 {450.0f, 9.5f},   {650.0f, 10.0f}, {950.0f, 10.5f},
                                 {1050.0f, 12.0f}, {1200.0f, 15.0f}};
constexpr float kFixedOrUTubeAbove = 30.0f;
constexpr Row kSplitRing[] = {
    {200.0f, 35.0f}, {250.0f, 34.9f}, {700.0f, 35.0f}, {950.0f, 45.0f}, {1200.0f, 51.0f}};
constexpr float kSplitRingAbove = 60.0f;
constexpr float kPullThroughAddition = 100.0f;

template <std::size_t N>
float byShellDiameter(const Row (&rows)[N], float above, float DSmm) {
    for (const Row& r : rows)
        if (DSmm <= r.upToDS) return r.clearance;
    return above;
}

}  // namespace

bool isHeadType(int code) { return code >= 1 && code <= 3; }

float temaBaffleToShellClearance(float DS) {
    const float nominalInches = std::round(DS / kMetresPerInch);
    float inches = 7.0f / 16.0f;
    if (nominalInches <= 17.0f)
        inches = 1.0f / 8.0f;
    else if (nominalInches <= 39.0f)
        inches = 3.0f / 16.0f;
    else if (nominalInches <= 54.0f)
        inches = 1.0f / 4.0f;
    else if (nominalInches <= 69.0f)
        inches = 5.0f / 16.0f;
    else if (nominalInches <= 84.0f)
        inches = 3.0f / 8.0f;
    return inches * kMetresPerInch;
}

float temaTubeToHoleClearance(float D0, float baffleSpacing) {
    const bool shortSpan = 2.0f * baffleSpacing <= 36.0f * kMetresPerInch;
    const bool largeTube = D0 > 1.25f * kMetresPerInch;
    return (shortSpan || largeTube ? 1.0f / 32.0f : 1.0f / 64.0f) * kMetresPerInch;
}

float bundleToShellClearance(float DS, HeadType head) {
    const float DSmm = DS / kMetresPerMm;
    switch (head) {
        case HeadType::FixedOrUTube:
            return byShellDiameter(kFixedOrUTube, kFixedOrUTubeAbove, DSmm) * kMetresPerMm;
        case HeadType::SplitRing:
            return byShellDiameter(kSplitRing, kSplitRingAbove, DSmm) * kMetresPerMm;
        case HeadType::PullThrough:
            return (byShellDiameter(kSplitRing, kSplitRingAbove, DSmm) + kPullThroughAddition) *
                   kMetresPerMm;
    }
    return 0.0f;
}

}  // namespace hx
