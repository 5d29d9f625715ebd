// The water properties the program computes, as a table of text lines for
// the Help window: density, specific heat, dynamic and kinematic viscosity
// and conductivity of liquid water from 0 to 150 ℃, in SI units.
#pragma once

#include <string>
#include <vector>

namespace hx {

// A heading line, a units line, then one line every `stepC` degrees from 0
// to 150 ℃ (stepC above 0).
std::vector<std::string> waterPropertyTable(int stepC = 10);

}  // namespace hx
