#include "calc/wet_gas/pressure_dew_point.h"

#include <array>

#include "core/run_ended.h"

namespace hx {

namespace {

struct DewPointLine {
    int p;    // gas pressure, kgf/cm2
    float a;  // slope in u = t1/10 + 1
    float b;
};

constexpr std::array<DewPointLine, 11> kLines = {{{2, 1.065f, 2.05f},
                                                  {3, 1.135f, 2.625f},
                                                  {4, 1.18f, 3.1f},
                                                  {5, 1.23f, 3.4f},
                                                  {6, 1.25f, 3.75f},
                                                  {7, 1.3f, 3.95f},
                                                  {8, 1.335f, 4.15f},
                                                  {9, 1.34f, 4.425f},
                                                  {11, 1.395f, 4.775f},
                                                  {15, 1.528f, 5.2f},
                                                  {17, 1.56f, 5.45f}}};

// The tabulated pressures in order, 1 first.
constexpr std::array<int, 12> kPressures = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15, 17};

constexpr float kHighestPressure = 17.0f;  // kgf/cm2
constexpr const char* kOutOfRange = "   大気露点温度適用範囲外";

}  // namespace

float tabulatedDewPoint(int p, float t1) {
    if (p == 1) return t1;
    const float u = t1 / 10.0f + 1.0f;
    for (const DewPointLine& l : kLines)
        if (l.p == p) return (l.a * u + l.b) * 10.0f - 20.0f;
    return t1;
}

float PressureDewPoint(float t1, float P, TextConsole& console) {
    if (P > kHighestPressure) endRun(console, {"", "", kOutOfRange});
    for (int p : kPressures)
        if (P == static_cast<float>(p)) return tabulatedDewPoint(p, t1);
    // The first interval whose upper pressure exceeds P; below 1 the first.
    std::size_t upper = 1;
    while (upper + 1 < kPressures.size() && static_cast<float>(kPressures[upper]) <= P) ++upper;
    const int pLow = kPressures[upper - 1];
    const int pHigh = kPressures[upper];
    const float tLow = tabulatedDewPoint(pLow, t1);
    const float tHigh = tabulatedDewPoint(pHigh, t1);
    return tLow +
           (tHigh - tLow) * (P - static_cast<float>(pLow)) / static_cast<float>(pHigh - pLow);
}

}  // namespace hx
