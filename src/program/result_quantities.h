// The result quantities the batch commands print, by the names the reports
// use, with their units in the engineering and the SI presentations.
#pragma once

#include <span>

#include "calc/solution.h"

namespace hx {

struct ResultQuantity {
    const char* name;
    float Solution::*member;
    const char* unitEngineering;
    const char* unitSI;  // the unit of the value after inUnitsOf() for an SI presentation
    const char* english;
};

std::span<const ResultQuantity> resultQuantities();

}  // namespace hx
