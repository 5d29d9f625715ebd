// The result quantities the batch commands print, by the names the reports
// use, with their units in the engineering and the SI presentations.
#pragma once

#include <span>

#include "calc/solver/solution.h"
#include "report/screen/presentation.h"

namespace hx {

struct ResultQuantity {
    const char* name;
    float Solution::*member;
    const char* unitEngineering;
    const char* unitSI;  // the unit of the value after inUnitsOf() for an SI presentation
    const char* english;
    // The member's value times these: a quantity given again in other units.
    float scaleEngineering = 1.0f;
    float scaleSI = 1.0f;
};

std::span<const ResultQuantity> resultQuantities();

// The value of a quantity from the values a presentation shows.
inline float resultValue(const ResultQuantity& q, const Solution& shown, bool si) {
    return shown.*q.member * (si ? q.scaleSI : q.scaleEngineering);
}

// The unit of a quantity as a presentation shows it.
inline const char* resultUnit(const ResultQuantity& q, Presentation p) {
    return isSI(p) ? q.unitSI : q.unitEngineering;
}

}  // namespace hx
