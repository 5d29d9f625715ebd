// The dew point of a compressed gas from its dew point at atmospheric
// pressure: a table of straight lines in the atmospheric dew point for the
// gas pressures 2 to 17 kgf/cm2, interpolated linearly between them.
#pragma once

#include "console/text_console.h"

namespace hx {

// Dew point (℃) at the tabulated gas pressure p (kgf/cm2) for the
// atmospheric dew point t1 (℃): T(1) = t1; otherwise (a·u + b)·10 − 20 with
// u = t1/10 + 1 and the line (a, b) of p. p must be one of 1..9, 11, 15, 17.
float tabulatedDewPoint(int p, float t1);

// The dew point (℃) at gas pressure P (kgf/cm2) for the atmospheric dew
// point t1 (℃): the table value at a tabulated pressure, else the straight
// line between the neighbouring pressures (1–2, 2–3, … 8–9, 9–11, 11–15,
// 15–17); below 1 kgf/cm2 the 1–2 line extended. Above 17 kgf/cm2 the table
// does not reach: "   大気露点温度適用範囲外" after two empty lines, halt,
// and the run ends (RunEnded).
// The SI entries (MPa, K) were brought to kgf/cm2 and ℃ when the case was read.
float PressureDewPoint(float t1, float P, TextConsole& console);

}  // namespace hx
