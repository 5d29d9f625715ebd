#include "program/batch/design_space.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>

#include "core/units.h"
#include "correlations/common/geometry.h"

namespace hx {

namespace {

// Birmingham wire gauge wall thicknesses, in: 10 0.134, 11 0.120, 12 0.109,
// 13 0.095, 14 0.083, 15 0.072, 16 0.065, 17 0.058, 18 0.049, 19 0.042,
// 20 0.035; here in mm.
struct Gauge {
    float bwg;
    float wallMm;
};
constexpr Gauge kGauges[] = {{10.0f, 3.404f}, {11.0f, 3.048f}, {12.0f, 2.769f}, {13.0f, 2.413f},
                             {14.0f, 2.108f}, {15.0f, 1.829f}, {16.0f, 1.651f}, {17.0f, 1.473f},
                             {18.0f, 1.245f}, {19.0f, 1.067f}, {20.0f, 0.889f}};

// TEMA RCB-4.52, carbon and high-alloy steel: tube OD (1/4 to 2 in, in
// mm) → longest unsupported span (mm).
struct Span {
    float outsideDiameterMm;
    float spanMm;
};
constexpr Span kSpans[] = {
    {6.35f, 660.0f},    {9.525f, 889.0f}, {12.7f, 1118.0f},  {15.875f, 1321.0f}, {19.05f, 1524.0f},
    {22.225f, 1753.0f}, {25.4f, 1880.0f}, {31.75f, 2235.0f}, {38.1f, 2540.0f},   {50.8f, 3175.0f}};

// The standard lists. Tube ODs 5/8, 3/4, 1 and 1 1/4 in with 14 and 16 BWG
// walls; tube counts rising by about 1.4 from 10 to 1060 (the shell follows
// from the count on the original basis); the shell inside diameters of
// Kern's tube-count table (8 to 39 in) with 42 to 60 in shells beyond;
// pitch ratios 1.25 and 1.5; baffle cuts of 20, 25 and 35 % of the shell
// diameter (the cut line at 0.6, 0.5 and 0.3 of the radius from the
// centre); baffle spacings of 0.2 to 1 shell diameter; the tube lengths of
// 8, 10, 12, 16 and 20 ft; layouts 30° (triangular) and 90° (square).
const std::vector<DesignDimension>& standardDimensions() {
    static const std::vector<DesignDimension> kStandard = {
        {"tube_outside_diameter_mm", {15.88f, 19.05f, 25.4f, 31.75f}},
        {kGaugeKey, {14.0f, 16.0f}},
        {"tube_count",
         {10.0f, 14.0f, 19.0f, 27.0f, 37.0f, 52.0f, 73.0f, 100.0f, 140.0f, 196.0f, 275.0f, 385.0f,
          540.0f, 755.0f, 1060.0f}},
        {"shell_inside_diameter_mm",
         {203.2f, 254.0f, 304.8f, 336.6f, 387.4f, 438.2f, 489.0f,  539.8f,  590.6f,  635.0f, 685.8f,
          736.6f, 787.4f, 838.2f, 889.0f, 939.8f, 990.6f, 1066.8f, 1219.2f, 1371.6f, 1524.0f}},
        {"tube_passes", {1.0f, 2.0f, 4.0f, 6.0f, 8.0f}},
        {"tube_layout_deg", {30.0f, 90.0f}},
        {"tube_pitch_ratio", {1.25f, 1.5f}},
        {"baffle_cut", {0.6f, 0.5f, 0.3f}},
        {kSpacingRatioKey, {0.2f, 0.3f, 0.5f, 0.7f, 1.0f}},
        {"tube_length_mm", {2438.0f, 3048.0f, 3658.0f, 4877.0f, 6096.0f}},
    };
    return kStandard;
}

// A varied key that takes the place of a standard dimension of another key.
const char* replacedBy(const std::string& key) {
    if (key == "tube_inside_diameter_mm") return kGaugeKey;
    if (key == "baffle_spacing_mm") return kSpacingRatioKey;
    if (key == "tube_count") return "shell_inside_diameter_mm";
    if (key == "shell_inside_diameter_mm") return "tube_count";
    return "";
}

float baseValue(const CaseValues& base, const std::string& key) {
    const auto it = base.inputs.find(key);
    return it != base.inputs.end() && it->second ? *it->second : 0.0f;
}

// To a hundredth, as the nearest float to the decimal text (27.53, not
// 27.529999).
float toHundredths(float value) { return std::round(value * 100.0f) / 100.0f; }

}  // namespace

std::size_t DesignSpace::size() const {
    std::size_t n = 1;
    for (const DesignDimension& d : dimensions) n *= d.values.size();
    return n;
}

float bwgWallMm(float gauge) {
    for (const Gauge& g : kGauges)
        if (g.bwg == gauge) return g.wallMm;
    return 0.0f;
}

float temaMaxSpanMm(float outsideDiameterMm) {
    if (outsideDiameterMm <= kSpans[0].outsideDiameterMm) return kSpans[0].spanMm;
    for (std::size_t i = 1; i < std::size(kSpans); ++i) {
        const Span& a = kSpans[i - 1];
        const Span& b = kSpans[i];
        if (outsideDiameterMm <= b.outsideDiameterMm)
            return a.spanMm + (b.spanMm - a.spanMm) * (outsideDiameterMm - a.outsideDiameterMm) /
                                  (b.outsideDiameterMm - a.outsideDiameterMm);
    }
    return std::end(kSpans)[-1].spanMm;
}

DesignSpace designSpace(bool textbookBasis, const std::vector<Variation>& overrides) {
    DesignSpace space;
    space.shellsSearched = textbookBasis;
    for (const Variation& v : overrides) {
        if (v.key == "tube_count") space.shellsSearched = false;
        if (v.key == "shell_inside_diameter_mm") space.shellsSearched = true;
    }
    for (const DesignDimension& d : standardDimensions()) {
        if (d.key == "tube_count" && space.shellsSearched) continue;
        if (d.key == "shell_inside_diameter_mm" && !space.shellsSearched) continue;
        if (d.key == "tube_layout_deg" && !textbookBasis) continue;
        const bool replaced =
            std::any_of(overrides.begin(), overrides.end(),
                        [&](const Variation& v) { return replacedBy(v.key) == d.key; });
        if (!replaced) space.dimensions.push_back(d);
    }
    for (const Variation& v : overrides) {
        auto same = std::find_if(space.dimensions.begin(), space.dimensions.end(),
                                 [&](const DesignDimension& d) { return d.key == v.key; });
        if (same != space.dimensions.end())
            same->values = v.values;
        else
            space.dimensions.insert(space.dimensions.end() - 1, {v.key, v.values});
    }
    return space;
}

CandidateInputs candidateInputs(const DesignSpace& space, std::size_t index,
                                const CaseValues& base) {
    std::vector<float> chosen(space.dimensions.size());
    for (std::size_t d = space.dimensions.size(); d-- > 0;) {
        const std::vector<float>& values = space.dimensions[d].values;
        chosen[d] = values[index % values.size()];
        index /= values.size();
    }
    std::map<std::string, float> value;
    for (std::size_t d = 0; d < chosen.size(); ++d) value[space.dimensions[d].key] = chosen[d];
    const auto get = [&](const std::string& key) {
        const auto it = value.find(key);
        return it != value.end() ? it->second : baseValue(base, key);
    };

    CandidateInputs c;
    c.outsideDiameterMm = get("tube_outside_diameter_mm");
    c.tubeLengthMm = get("tube_length_mm");
    if (space.shellsSearched) {
        c.shellDiameterMm = get("shell_inside_diameter_mm");
    } else {
        // The shell the original method draws around the count: (ND + 1)·P.
        const auto surface = base.choices.find("tube_surface");
        const bool lowFin = surface != base.choices.end() && surface->second == "low_fin";
        const float D0 = c.outsideDiameterMm * units::kMetresPerMm;
        const float FH = get("fin_height_mm") * units::kMetresPerMm;
        const float P = tubePitch(get("tube_pitch_ratio"), D0, FH, lowFin);
        c.shellDiameterMm =
            shellDiameter(tubesOnCentreLine(get("tube_count")), P) / units::kMetresPerMm;
    }
    c.baffleSpacingMm = value.count(kSpacingRatioKey) != 0
                            ? std::ceil(value[kSpacingRatioKey] * c.shellDiameterMm)
                            : get("baffle_spacing_mm");

    for (std::size_t d = 0; d < chosen.size(); ++d) {
        const std::string& key = space.dimensions[d].key;
        if (key == kGaugeKey)
            c.inputs.emplace_back("tube_inside_diameter_mm",
                                  toHundredths(c.outsideDiameterMm - 2.0f * bwgWallMm(chosen[d])));
        else if (key == kSpacingRatioKey)
            c.inputs.emplace_back("baffle_spacing_mm", c.baffleSpacingMm);
        else
            c.inputs.emplace_back(key, chosen[d]);
    }
    const auto weight = base.choices.find("weight_calculation");
    if (weight != base.choices.end() && weight->second == "on") {
        // The weight estimate follows the candidate: tube sheets as wide as
        // the shell and its walls, a baffle every spacing along the tubes.
        const float sheet = std::ceil(c.shellDiameterMm + 2.0f * get("shell_wall_thickness_mm"));
        const float baffles =
            c.baffleSpacingMm > 0.0f
                ? std::max(0.0f, std::ceil(c.tubeLengthMm / c.baffleSpacingMm) - 1.0f)
                : 0.0f;
        c.inputs.emplace_back("tube_sheet_diameter_mm", sheet);
        c.inputs.emplace_back("baffle_count", baffles);
    }
    return c;
}

}  // namespace hx
