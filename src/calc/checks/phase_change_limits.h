// Limits of a phase-change run after the solver: whether all the incoming
// vapour (or liquid) would condense (or evaporate) before the outlet, and
// whether the mean tube wall stays on the right side of the saturation
// temperature. Temperatures ℃, flows kg/h.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace hx {

class TextConsole;

// The flow of the phase-change side is smaller than what the area
// condenses or evaporates: the area is too large (the excess-area question
// follows).
bool condensateExceedsFlow(float massFlowKgPerHour, float condensateKgPerHour);

enum class WallLimit {
    // Condensation inside the tubes with the wall above the vapour
    // temperature: the shell flow is too small to cool the wall.
    TubeCondensationShellFlowTooSmall,
    // Condensation on the shell side with the wall above the vapour
    // temperature: the tube flow is too small.
    ShellCondensationTubeFlowTooSmall,
    // Evaporation on the shell side with the wall below the liquid
    // temperature: the tube flow is too small to heat the wall.
    ShellEvaporationTubeFlowTooSmall,
};

// The wall check of fluid modes 3 (tube side, saturation T3) and 4 (shell
// side, saturation T1); phaseChange 1 condensation, 2 evaporation. A wall
// equal to the saturation temperature passes; evaporation inside the tubes
// is not checked. A wall temperature that is not finite (the film
// conductances summed to zero) cannot pass and is reported as the limit.
std::optional<WallLimit> wallLimit(int fluidMode, int phaseChange, float T1, float T3, float Twav);

// The three lines of the limit message for the exchanger type (1
// shell-and-tube, 2 double tube).
std::array<std::string_view, 3> wallLimitMessage(WallLimit limit, int exchangerType);

// Prints the three lines, halts and ends the run (throws RunEnded).
[[noreturn]] void endRunAtWallLimit(TextConsole& console, WallLimit limit, int exchangerType);

}  // namespace hx
