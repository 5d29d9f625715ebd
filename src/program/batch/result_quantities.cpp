#include "program/batch/result_quantities.h"

#include "core/units.h"

namespace hx {

namespace {

using S = Solution;

// clang-format off
constexpr ResultQuantity kQuantities[] = {
    {"Q", &S::Q, "kcal/h", "W", "exchanged heat"},
    {"KI", &S::KI, "kcal/m2h℃", "W/m2K", "overall coefficient on the inside area"},
    {"KO", &S::KO, "kcal/m2h℃", "W/m2K", "overall coefficient on the outside area"},
    {"Xt", &S::Xt, "kcal/m2h℃", "W/m2K", "tube-side film coefficient"},
    {"Xs", &S::Xs, "kcal/m2h℃", "W/m2K", "shell-side film coefficient"},
    {"TM", &S::TM, "℃", "K", "corrected mean temperature difference"},
    {"F", &S::F, "-", "-", "correction factor of the logarithmic mean"},
    {"Et", &S::Et, "-", "-", "thermal efficiency, tube stream"},
    {"Es", &S::Es, "-", "-", "thermal efficiency, shell stream"},
    {"Ret", &S::Ret, "-", "-", "tube-side Reynolds number"},
    {"Res", &S::Res, "-", "-", "shell-side Reynolds number"},
    {"Ut", &S::Ut, "m/s", "m/s", "tube-side velocity"},
    {"Us", &S::Us, "m/s", "m/s", "shell-side velocity"},
    {"At", &S::At, "m2", "m2", "inside area"},
    {"As", &S::As, "m2", "m2", "outside area on the bare diameter"},
    {"Asf", &S::Asf, "m2", "m2", "outside area as the summary prints it"},
    {"EF", &S::EF, "-", "-", "fin efficiency"},
    {"TL", &S::TL, "m", "mm", "tube length"},
    {"ND", &S::ND, "-", "-", "tubes on the shell centre line"},
    {"DS", &S::shellDiameter, "m", "mm", "inside shell diameter"},
    {"T1", &S::T1, "℃", "K", "shell inlet temperature"},
    {"T2", &S::T2, "℃", "K", "shell outlet temperature"},
    {"T3", &S::T3, "℃", "K", "tube inlet temperature"},
    {"T4", &S::T4, "℃", "K", "tube outlet temperature"},
    {"Twav", &S::Twav, "℃", "K", "mean tube wall temperature"},
    {"Ttav", &S::Ttav, "℃", "K", "tube property mean temperature"},
    {"Tsav", &S::Tsav, "℃", "K", "shell property mean temperature"},
    {"Dt", &S::Dt, "kg/m3", "kg/m3", "tube fluid density"},
    {"Ds", &S::Ds, "kg/m3", "kg/m3", "shell fluid density"},
    {"Ct", &S::Ct, "kcal/kg℃", "kJ/kgK", "tube fluid specific heat"},
    {"Cs", &S::Cs, "kcal/kg℃", "kJ/kgK", "shell fluid specific heat"},
    {"Vt", &S::Vt, "m2/h", "m2/s", "tube fluid kinematic viscosity"},
    {"Vs", &S::Vs, "m2/h", "m2/s", "shell fluid kinematic viscosity"},
    {"Kt", &S::Kt, "kcal/mh℃", "W/mK", "tube fluid conductivity"},
    {"KS", &S::KS, "kcal/mh℃", "W/mK", "shell fluid conductivity"},
    {"Prt", &S::Prt, "-", "-", "tube fluid Prandtl number"},
    {"Prs", &S::Prs, "-", "-", "shell fluid Prandtl number"},
    {"DPt", &S::DPt, "kgf/cm2", "MPa", "tube-side pressure drop"},
    {"DPs", &S::DPs, "kgf/cm2", "MPa", "shell-side pressure drop"},
    // The same drops in Pa, whose digits a small drop keeps (kgf/cm2 × 0.098 MPa × 10^6).
    {"DPt_Pa", &S::DPt, "Pa", "Pa", "tube-side pressure drop in Pa", units::kMPaPerKgfCm2 * 1.0e6f, 1.0e6f},
    {"DPs_Pa", &S::DPs, "Pa", "Pa", "shell-side pressure drop in Pa", units::kMPaPerKgfCm2 * 1.0e6f, 1.0e6f},
    {"DPt_friction", &S::DPtFriction, "kgf/cm2", "MPa", "tube-side friction drop (textbook basis)"},
    {"DPt_returns", &S::DPtReturns, "kgf/cm2", "MPa", "tube-side return losses, 4 velocity heads a pass (textbook basis)"},
    {"DPt_nozzles", &S::DPtNozzles, "kgf/cm2", "MPa", "tube-side nozzle losses, 1 + 0.5 velocity heads (textbook basis, nozzle bores entered)"},
    {"DPs_cross", &S::DPsCross, "kgf/cm2", "MPa", "shell-side drop of the central cross-flow sections (textbook basis)"},
    {"DPs_windows", &S::DPsWindows, "kgf/cm2", "MPa", "shell-side drop of the baffle windows (textbook basis)"},
    {"DPs_ends", &S::DPsEnds, "kgf/cm2", "MPa", "shell-side drop of the two end zones (textbook basis)"},
    {"Sm", &S::Sm, "m2", "m2", "cross-flow area at the shell centre line (textbook Bell-Delaware)"},
    {"Jc", &S::Jc, "-", "-", "baffle-cut correction (textbook Bell-Delaware)"},
    {"Jl", &S::Jl, "-", "-", "baffle-leakage correction (textbook Bell-Delaware)"},
    {"Jb", &S::Jb, "-", "-", "bundle-bypass correction (textbook Bell-Delaware)"},
    {"Js", &S::Js, "-", "-", "unequal end spacing correction (textbook Bell-Delaware)"},
    {"Jr", &S::Jr, "-", "-", "laminar adverse-gradient correction (textbook Bell-Delaware)"},
    {"Rl", &S::Rl, "-", "-", "leakage correction of the drop (textbook Bell-Delaware)"},
    {"Rb", &S::Rb, "-", "-", "bypass correction of the drop (textbook Bell-Delaware)"},
    {"Rs", &S::Rs, "-", "-", "end-spacing correction of the drop (textbook Bell-Delaware)"},
    {"Nut", &S::Nut, "-", "-", "tube-side Nusselt number of the film correlation"},
    {"Nus", &S::Nus, "-", "-", "shell-side Nusselt number (textbook annulus or condensing film)"},
    {"Wcon", &S::Wcon, "kg/h", "kg/s", "condensate or evaporated flow"},
    {"Condensate", &S::Condensate, "kg/h", "kg/h", "water condensed from the wet gas"},
    {"Xi", &S::Xi, "kg/kgda", "kg/kgda", "inlet absolute humidity"},
    {"Xo", &S::Xo, "kg/kgda", "kg/kgda", "outlet absolute humidity"},
    {"Tzi", &S::Tzi, "℃", "K", "saturation temperature at the tube inlet"},
    {"TZo", &S::TZo, "℃", "K", "saturation temperature at the tube outlet"},
};
// clang-format on

}  // namespace

std::span<const ResultQuantity> resultQuantities() { return kQuantities; }

}  // namespace hx
