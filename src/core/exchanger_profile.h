// The profile of a solved exchanger as plain data: both streams'
// temperatures along the heat-transfer area and the heat transferred up to
// each place, in the units of one presentation. The core makes it; the
// result window, the profile window, the print job and the command line
// show it.
#pragma once

#include <string>
#include <vector>

namespace hx {

enum class ProfileFlow { CounterCurrent, CoCurrent, OneTwoShell };

struct ProfilePoint {
    float x = 0.0f;           // fraction of the heat-transfer area from the tube inlet end
    float tube = 0.0f;        // the tube stream (the first pass of a 1-2N shell)
    float tubeReturn = 0.0f;  // the return pass of a 1-2N shell; NaN otherwise
    float shell = 0.0f;
    float duty = 0.0f;  // heat transferred between x = 0 and x
};

struct CaseProfile {
    ProfileFlow flow = ProfileFlow::CounterCurrent;
    std::vector<ProfilePoint> points;
    std::string temperatureUnit;  // ℃ or K
    std::string dutyUnit;         // kcal/h or W
    bool japanese = false;        // the captions of its chart
};

}  // namespace hx
