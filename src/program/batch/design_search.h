// The design search: every candidate of a design space rated at its tube
// length, kept when it reaches the case's target outlet within the limits,
// ranked by an objective. The candidates stream through: only the best N,
// the Pareto set of surface against the two pressure drops, the rejection
// counts and the nearest miss are kept, so memory does not grow with the
// size of the space.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "program/batch/batch_run.h"
#include "program/batch/design_space.h"

namespace hx {

// What a design must satisfy. Pressure drops in the case's units (kgf/cm2
// under the engineering codes, MPa under the SI codes), velocities in m/s.
struct DesignLimits {
    std::optional<float> maxDPt, maxDPs;
    // Absent: the default window of the fluid on that side (below).
    std::optional<float> minUt, maxUt, minUs, maxUs;
    float minF = 0.75f;            // Bowman's F of the 1-2N shell, even passes
    float minSpacingRatio = 0.2f;  // baffle spacing over the shell diameter (and 2 in at least)
    float minLengthRatio = 3.0f;   // tube length over the shell diameter
    float maxLengthRatio = 15.0f;
};

// Default velocity windows, m/s: liquids 1 to 4 in the tubes (1–2 usual, up
// to 4 against fouling) and 0.3 to 1 on the shell side; gases and vapours 5
// to 70 on either side (high pressure 5–10, atmospheric 10–30, vacuum
// 50–70): Sinnott, Coulson & Richardson's Chemical Engineering, vol. 6.
struct VelocityWindow {
    float low, high;
};
inline constexpr VelocityWindow kLiquidTubeVelocity{1.0f, 4.0f};
inline constexpr VelocityWindow kLiquidShellVelocity{0.3f, 1.0f};
inline constexpr VelocityWindow kGasVelocity{5.0f, 70.0f};

// The limits a candidate can break, in the order they are reported.
enum class Limit : int {
    Solve,  // the rating ended with a message
    Duty,   // the target outlet temperature not reached
    MaxDPt,
    MaxDPs,
    MinTubeVelocity,
    MaxTubeVelocity,
    MinShellVelocity,
    MaxShellVelocity,
    MinF,
    MinBaffleSpacing,  // below 1/5 of the shell diameter or 2 in
    MaxBaffleSpacing,  // above the TEMA longest unsupported span
    MinLengthRatio,
    MaxLengthRatio,
    Count
};
inline constexpr std::size_t kLimitCount = static_cast<std::size_t>(Limit::Count);

// The name of a limit in the output ("max_dpt").
const char* limitName(Limit limit);

enum class Objective { Area, Weight, Length, ShellDiameter };

// One rated candidate.
struct DesignRecord {
    std::size_t index = 0;         // in the space's grid
    float objective = 0.0f;        // the value ranked, smallest first
    float area = 0.0f;             // Asf, m2
    float DPt = 0.0f, DPs = 0.0f;  // in the case's units
    float tubes = 0.0f;            // NT, as counted or entered
    float correction = 1.0f;       // Bowman's F of the 1-2N shell (1 for one pass)
    float weight = 0.0f;           // kg, with the weight estimate on
    std::vector<float> results;    // every result quantity, in the units of the presentation
};

// How near a rejected candidate came: the sum of its relative excesses over
// the limits it broke, with the limits and the values that broke them.
struct NearMiss {
    std::size_t index = 0;
    float excess = 0.0f;
    std::vector<std::pair<Limit, float>> broken;  // limit → the candidate's value
};

struct DesignSearchResult {
    std::size_t candidates = 0;  // searched (all of the space unless cancelled)
    std::size_t feasible = 0;
    std::array<std::size_t, kLimitCount> rejected{};  // candidates breaking each limit
    std::vector<DesignRecord> ranked;                 // best first, at most `top`
    std::vector<DesignRecord> pareto;                 // by area, then index
    std::optional<NearMiss> nearestMiss;
    bool cancelled = false;
};

// The case prepared for a search: the case itself, the rating case every
// candidate starts from (the tube length given, the target outlet taken
// out; on the textbook basis with the shells searched, the tubes counted
// from the layout) and what the candidates are judged by.
struct DesignProblem {
    CaseValues original;
    CaseValues rating;
    EnteredCase ratingEntered;
    DesignSpace space;
    DesignLimits limits;  // the velocity windows resolved
    Objective objective = Objective::Area;
    bool targetOnShell = true;  // the shell outlet is the target (else the tube outlet)
    float target = 0.0f;        // the target outlet temperature, the case's units
    bool textbookBasis = false;
    bool weightOn = false;
};

// Checks that the case can be searched (a sensible-heat shell-and-tube
// case solving for its length from an outlet temperature) and prepares it.
// Throws CaseFileError naming what is wrong.
// `vary` holds the --vary options (KEY=FROM:TO:STEPS or
// KEY=v1,v2,...; tube_gauge_bwg and baffle_spacing_ratio take a list).
DesignProblem designProblem(const CaseValues& original, const std::string& fileName,
                            const std::vector<std::string>& vary, const DesignLimits& limits,
                            Objective objective);

// The case file of candidate `index`: the rating case with its inputs.
CaseValues candidateCase(const DesignProblem& problem, std::size_t index);

// The case-file keys of a candidate's case that differ from the original
// case, with their values (null: the key is left out of the design's case).
nlohmann::json changedInputs(const DesignProblem& problem, std::size_t index);

// Searches the whole space on `jobs` threads. `done` counts rated
// candidates; setting `cancel` stops the search early (the result then
// holds what was searched).
DesignSearchResult searchDesigns(const DesignProblem& problem, std::size_t top, int jobs,
                                 LimitPolicy policy, Presentation p, std::atomic<std::size_t>* done,
                                 const std::atomic<bool>* cancel);

}  // namespace hx
