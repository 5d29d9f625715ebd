#include "calc/wet_gas/inlet_saturation.h"

#include <array>
#include <cmath>

#include "calc/solver/progress_screen.h"
#include "calc/wet_gas/pressure_dew_point.h"
#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "props/humid_gas.h"
#include "props/saturation_pressure.h"

namespace hx {

namespace {

constexpr float kAirMAW = 0.622f;

using Box = std::array<const char*, 4>;
constexpr Box kBoxJapanese = {
    "┏━━━━━━━━━━━━━━━━━━━━━━━━━┓", "┃ ガスの飽和湿り温度：##.### (℃)                  ┃",
    "┃ 湿り/乾き分子量比：#.#### (標準空気の場合：0.622)┃", "┗━━━━━━━━━━━━━━━━━━━━━━━━━┛"};
constexpr Box kBoxEnglish = {
    "┏━━━━━━━━━━━━━━━━━━━━━━━━━━┓", "┃Sat. temperature of wet gas：##.### (℃)            ┃",
    "┃Wet/Dry molecular rate：#.#### (Standard air：0.622)┃", "┗━━━━━━━━━━━━━━━━━━━━━━━━━━┛"};

constexpr int kBoxRow = 15;
constexpr int kBoxColumn = 6;

void printSaturationBox(TextConsole& c, int unitCode, float Tzi, float MAW) {
    const Box& box = isJapanese(unitCode) ? kBoxJapanese : kBoxEnglish;
    c.print("");
    c.locate(kBoxRow, kBoxColumn);
    c.print(box[0]);
    c.locate(kBoxRow + 1, kBoxColumn);
    c.printUsing(box[1], {Tzi});
    c.locate(kBoxRow + 2, kBoxColumn);
    c.printUsing(box[2], {MAW});
    c.locate(kBoxRow + 3, kBoxColumn);
    c.print(box[3]);
    c.print("");
    c.print("");
}

}  // namespace

std::optional<InletSaturationResult> InletSaturation(const InletSaturationInput& in,
                                                     TextConsole& console) {
    if (in.tubeMethod == kGasByHand) return std::nullopt;
    console.print("");
    InletSaturationResult r;
    r.Xi = in.Xi;
    r.MAW = in.MAW;
    r.Pi = partialPressureFromHumidity(r.Xi, units::kAtmKgfCm2, r.MAW);
    if (in.pressureBasis) {
        r.Tzi = PressureDewPoint(in.Ta, in.Pt, console);
        r.Pi = saturationPressureAt103(r.Tzi);
        r.MAW = kAirMAW;
        r.Xi = humidityFromPartialPressure(r.Pi, in.Pt, kAirMAW);
        // A gas pressure at or below the vapour pressure holds no gas: no
        // humidity to balance.
        if (!(r.Xi >= 0.0f) || !std::isfinite(r.Xi)) haltOnNonFinite(console, in.unitCode);
    } else {
        if (in.H2O <= 0.0f) return std::nullopt;
        r.Tzi = saturationTemperature(r.Pi);
    }
    printSaturationBox(console, in.unitCode, r.Tzi, r.MAW);
    return r;
}

}  // namespace hx
