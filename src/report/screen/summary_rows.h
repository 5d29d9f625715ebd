// The row tables of the results summary: for each of the four presentations
// the frame lines and the ordered rows, each row a picture, the case
// condition under which it is printed and the quantities it prints.
#pragma once

#include <span>
#include <string_view>

#include "report/screen/presentation.h"

namespace hx {

// When a row is printed.
enum class RowWhen {
    Always,
    WetOff,             // no wet gas in the tubes
    WetOn,              // wet gas in the tubes (fluid mode 2)
    SensibleModes,      // fluid modes 1 and 2
    TubePhaseChange,    // fluid mode 3 (tube side at its saturation temperature)
    ShellPhaseChange,   // fluid mode 4 (shell side at its saturation temperature)
    WetCondensate,      // fluid mode 1 or 2 with wet gas: the water drained from the gas
    TubeCondensation,   // mode 3 with the phase change 1 (condensation)
    TubeEvaporation,    // mode 3 with the phase change 2 (evaporation)
    ShellCondensation,  // mode 4, condensation
    ShellEvaporation,   // mode 4, evaporation
    BareTubes,          // plain tubes on the shell side
    LowFinTubes,        // low-fin tubes on the shell side
    TubeGas,            // a gas in the tubes (property methods 2 and 4)
    TubeLiquid,         // a liquid in the tubes (methods 1 and 3)
};

// The quantity a field prints, in the units of the presentation.
enum class SummaryQuantity {
    DS,
    NT,
    TM,
    Q,
    TL,
    KI,
    KO,
    Wt,
    Ws,
    Tti,
    Tto,
    Tsi,
    Tso,
    Tzi,
    TZo,
    Ttav,
    Tsav,
    Twav,
    Et,
    Es,
    Ret,
    Res,
    Ut,
    Us,
    Xt,
    Xs,
    Wcon,       // water drained from the wet gas
    TubeRate,   // tube side condensed or evaporated
    ShellRate,  // shell side condensed or evaporated
    At,
    As,
    Asf,
    EF,
    DPt,
    DPs,
    DPtHead,  // tube-side pressure drop of a gas: mmAq (engineering) or Pa (SI)
    None,     // no second field
};
inline constexpr int kSummaryQuantityCount = static_cast<int>(SummaryQuantity::None);

struct SummaryRow {
    RowWhen when;
    std::string_view picture;
    SummaryQuantity first;
    SummaryQuantity second = SummaryQuantity::None;
};

struct SummaryFrame {
    std::string_view title;
    std::string_view top;
    std::string_view heads;
    std::string_view separator;
    std::string_view bottom;
};

std::span<const SummaryRow> summaryRows(Presentation p);
const SummaryFrame& summaryFrame(Presentation p);

}  // namespace hx
