// The space a design search walks: the standard lists of tube sizes, tube
// counts or shells, passes, layouts, pitches, baffle cuts and spacings and
// tube lengths, each replaceable by a list of its own, and the inputs of
// one candidate of the grid as a case file would hold them.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "program/batch/batch_run.h"

namespace hx {

// Two dimensions that are not case inputs: they are resolved into inputs
// of each candidate from its other inputs.
inline constexpr const char* kGaugeKey = "tube_gauge_bwg";  // tube ID = OD − 2 × wall of the gauge
inline constexpr const char* kSpacingRatioKey =
    "baffle_spacing_ratio";  // baffle spacing over the shell inside diameter

struct DesignDimension {
    std::string key;  // a case-file key, or kGaugeKey / kSpacingRatioKey
    std::vector<float> values;
};

// The grid: the first dimension outermost, the last running fastest.
struct DesignSpace {
    std::vector<DesignDimension> dimensions;
    // On the textbook basis the shell inside diameter is searched and the
    // tubes are counted from the layout; otherwise the tube count is
    // searched and the shell follows from it.
    bool shellsSearched = false;
    std::size_t size() const;
};

// Wall thickness of a tube of a Birmingham wire gauge (10 to 20), mm; 0
// for a gauge the table does not hold.
float bwgWallMm(float gauge);

// TEMA RCB-4.52, the longest unsupported straight span of a carbon or
// high-alloy steel tube by its outside diameter, mm (interpolated between
// the tabulated diameters, the end rows beyond them).
float temaMaxSpanMm(float outsideDiameterMm);

// The built-in space for a case: tube sizes, counts (or shells on the
// textbook basis), passes, pitch ratios, cuts, spacing ratios, lengths, and
// on the textbook basis the layouts. Each --vary replaces the list of its
// key (a varied tube ID replaces the gauges, a varied baffle spacing the
// spacing ratios, a varied tube count the shells and the reverse) or adds
// a dimension for a key the space does not hold.
DesignSpace designSpace(bool textbookBasis, const std::vector<Variation>& overrides);

// The inputs of candidate `index`, as the case file of the design holds
// them (mm and the case's units), every derived input resolved: the tube
// ID from the gauge, the baffle spacing from its ratio to the shell (to
// the mm above), and with the weight estimate on, the tube-sheet diameter
// (the shell and its two walls) and the baffle count the length holds.
struct CandidateInputs {
    std::vector<std::pair<std::string, float>> inputs;  // key → value, in grid order
    float shellDiameterMm = 0.0f;                       // inside shell diameter, mm
    float baffleSpacingMm = 0.0f;
    float tubeLengthMm = 0.0f;
    float outsideDiameterMm = 0.0f;
};

CandidateInputs candidateInputs(const DesignSpace& space, std::size_t index,
                                const CaseValues& base);

}  // namespace hx
