#include "report/screen/summary_rows.h"

namespace hx {

namespace {

using W = RowWhen;
using Q = SummaryQuantity;

// Rows in printing order. The row order of the efficiency and Reynolds rows
// differs between the presentations and the modes; the column that does not
// apply (the side at its saturation temperature) shows a dash.

// clang-format off: one row a line, as the screen shows them.
constexpr SummaryRow kEnglishEngineeringRows[] = {
    {W::Always, "│INSIDE SHELL DIAMATER │   m      │       DS=#.###           │", Q::DS},
    {W::Always, "│NUMBER OF TUBES       │   -      │       NT=#####           │", Q::NT},
    {W::Always, "│CORRECTED LMTD        │  ﾟC      │       TM=###.##          │", Q::TM},
    {W::Always, "│EXCHANGED AS HEAT     │ kcal/h   │       Q =#######         │", Q::Q},
    {W::Always, "│TUBE LENGTH           │   m      │       TL=##.###          │", Q::TL},
    {W::Always, "│OVERALL HEAT TR.COEFF │kcal/m2hﾟc│KI=####.#   │KO=####.#   │", Q::KI, Q::KO},
    {W::Always, "│FLUID FLOWRATE        │ kg/h     │Wt=######.# │Ws=######.# │", Q::Wt, Q::Ws},
    {W::WetOff, "│INLET TEMPERATURE     │  ﾟC      │Tti=###.##  │Tsi=###.##  │", Q::Tti, Q::Tsi},
    {W::WetOff, "│OUTLET TEMPERATURE    │  ﾟC      │Tto=###.##  │Tso=###.##  │", Q::Tto, Q::Tso},
    {W::WetOn, "│INLET TEMPERATURE     │  ﾟC      │Tti=###.##  │Tsi=###.##  │", Q::Tzi, Q::Tsi},
    {W::WetOn, "│OUTLET TEMPERATURE    │  ﾟC      │Tto=###.##  │Tso=###.##  │", Q::TZo, Q::Tso},
    {W::Always, "│PHYSICAL AV.TEMP.     │  ﾟC　　  │Tiav=###.#  │Toav=###.#  │", Q::Ttav, Q::Tsav},
    {W::Always, "│AV.TUBE WALL TEMP.    │  ﾟC　  　│Twav=###.#  │            │", Q::Twav},
    {W::SensibleModes, "│THERMAL EFFICIENCY    │    -     │Et=#.####   │Es=#.####   │", Q::Et,
     Q::Es},
    {W::SensibleModes, "│REYNOLS NO. (av.)     │    -     │Ret=######  │Res=######  │", Q::Ret,
     Q::Res},
    {W::ShellPhaseChange, "│REYNOLS NO. (av.)     │    -     │Ret=######  │     -      │", Q::Ret},
    {W::ShellPhaseChange, "│THERMAL EFFICIENCY    │    -     │Et=#.####   │     -      │", Q::Et},
    {W::TubePhaseChange, "│REYNOLS NO. (av.)     │    -     │     -      │Res=######  │", Q::Res},
    {W::TubePhaseChange, "│THERMAL EFFICIENCY    │    -     │     -      │Es=#.####   │", Q::Es},
    {W::Always, "│LIQ.VELOCITY(av.)     │   m/s    │Ut=###.###  │Us=###.#### │", Q::Ut, Q::Us},
    {W::Always, "│HEAT TR.COEFF.        │kcal/m2hﾟc│Xt=######.# │Xs=######.# │", Q::Xt, Q::Xs},
    {W::WetCondensate, "│WEIGHT OF CONDENSATE  │   kg/h   │Wt=#####.#  │     -      │", Q::Wcon},
    {W::TubePhaseChange, "│WEIGHT OF CONDENSATE  │   kg/h   │Wt=#####.#  │     -      │",
     Q::TubeRate},
    {W::ShellPhaseChange, "│WEIGHT OF CONDENSATE  │   kg/h   │     -      │Ws=#####.#  │",
     Q::ShellRate},
    {W::BareTubes, "│TUBE AREA      　　　 │   m2     │At=####.##  │As=####.##  │", Q::At, Q::As},
    {W::LowFinTubes, "│TUBE AREA             │   m2     │At=####.##  │Asf=####.## │", Q::At,
     Q::Asf},
    {W::LowFinTubes, "│ (Fin efficiency)     │    -     │            │EF=#.##     │", Q::EF},
    // A gas in the tubes: its drop in mmAq, the shell's in kg/cm2, on two
    // rows, each unit in the unit column.
    {W::TubeGas, "│PRESS.LOS             │  mmAq    │DPt=######.#│            │", Q::DPtHead},
    {W::TubeGas, "│                      │  kg/cm2  │            │DPs=##.#####│", Q::DPs},
    {W::TubeLiquid, "│PRESS.LOS             │ kg/cm2   │DPt=##.#####│DPs=##.#####│", Q::DPt,
     Q::DPs},
};

constexpr SummaryRow kEnglishSIRows[] = {
    {W::Always, "  │DIAMATER OF INSIDE SHELL│  mm  │       DS=####.#          │", Q::DS},
    {W::Always, "  │NUMBER OF TUBES         │   -  │       NT=#####           │", Q::NT},
    {W::Always, "  │CORRECTED LMTD          │  K   │       TM=###.##          │", Q::TM},
    {W::Always, "  │EXCHANGED AS HEAT       │  W   │       Q =#######         │", Q::Q},
    {W::Always, "  │TUBE LENGTH             │  mm  │       TL=#####.#         │", Q::TL},
    {W::Always, "  │OVERALL HEAT TRANS.COEFF│ W/m2K│KI=####.#   │KO=####.#   │", Q::KI, Q::KO},
    {W::Always, "  │FLUID FLOWRATE          │ kg/s │Wt=###.#### │Ws=###.#### │", Q::Wt, Q::Ws},
    {W::WetOff, "  │INLET TEMPERATURE       │  K   │Tti=###.##  │Tsi=###.##  │", Q::Tti, Q::Tsi},
    {W::WetOff, "  │OUTLET TEMPERATURE      │  K   │Tto=###.##  │Tso=###.##  │", Q::Tto, Q::Tso},
    {W::WetOn, "  │INLET TEMPERATURE       │  K   │Tti=###.##  │Tsi=###.##  │", Q::Tzi, Q::Tsi},
    {W::WetOn, "  │OUTLET TEMPERATURE      │  K   │Tto=###.##  │Tso=###.##  │", Q::TZo, Q::Tso},
    {W::SensibleModes, "  │THERMAL EFFICIENCY      │  -   │Et=#.####   │Es=#.####   │", Q::Et,
     Q::Es},
    {W::SensibleModes, "  │REYNOLS NO. (av.)       │  -   │Ret=######  │Res=######  │", Q::Ret,
     Q::Res},
    {W::TubePhaseChange, "  │THERMAL EFFICIENCY      │  -   │     -      │Es=#.####   │", Q::Es},
    {W::TubePhaseChange, "  │REYNOLS NO. (av.)       │  -   │     -      │Res=######  │", Q::Res},
    {W::ShellPhaseChange, "  │THERMAL EFFICIENCY      │  -   │Et=#.####   │     -      │", Q::Et},
    {W::ShellPhaseChange, "  │REYNOLS NO. (av.)       │  -   │Ret=######  │     -      │", Q::Ret},
    {W::Always, "  │PHYSICAL AV.TEMPERATUR  │   K　│Ttav=###.#  │Tsav=###.#  │", Q::Ttav, Q::Tsav},
    {W::Always, "  │AV.TUBE WALL TEMPERATUR │   K　│Twav=###.#  │            │", Q::Twav},
    {W::Always, "  │LIQ.VELOCITY(av.)       │ m/s  │Ut=###.###  │Us=###.#### │", Q::Ut, Q::Us},
    {W::Always, "  │HEAT TR.COEFF.          │W/m2K │Xt=######.# │Xs=######.# │", Q::Xt, Q::Xs},
    {W::WetCondensate, "  │WEIGHT OF CONDENSATE    │ kg/s │Wt=###.#### │     －     │", Q::Wcon},
    {W::TubeCondensation, "  │CONDENSATION RATE       │ kg/s │Wt=###.#### │     －     │",
     Q::TubeRate},
    {W::TubeEvaporation, "  │EVAPORATION RATE        │ kg/s │Wt=###.#### │     －     │",
     Q::TubeRate},
    {W::ShellCondensation, "  │CONDENSATION RATE       │ kg/s │     －     │Ws=###.#### │",
     Q::ShellRate},
    {W::ShellEvaporation, "  │EVAPORATION RATE        │ kg/s │     －     │Ws=###.#### │",
     Q::ShellRate},
    {W::BareTubes, "  │INSIDE TUBE AREA        │  m2  │At=####.##  │As=####.##  │", Q::At, Q::As},
    {W::LowFinTubes, "  │INSIDE TUBE AREA        │  m2  │At=####.##  │Asf=####.## │", Q::At,
     Q::Asf},
    {W::LowFinTubes, "  │ (Fin efficiency)       │  -   │     －     │EF=#.##     │", Q::EF},
    {W::TubeGas, "  │PRESS.LOS               │Pa,MPa│DPt=######.#│DPs=###.####│", Q::DPtHead,
     Q::DPs},
    {W::TubeLiquid, "  │PRESS.LOS               │ MPa  │DPt=###.####│DPs=###.####│", Q::DPt,
     Q::DPs},
};

constexpr SummaryRow kJapaneseEngineeringRows[] = {
    {W::Always, "  │シェル内径　　　│    m     │         DS=#.###             │", Q::DS},
    {W::Always, "  │伝熱管本数　　  │    -     │         NT=#####             │", Q::NT},
    {W::Always, "  │補正LMTD        │   ﾟC     │         TM=###.##            │", Q::TM},
    {W::Always, "  │交換熱量　　　　│ kcal/h   │         Q =#######           │", Q::Q},
    {W::Always, "  │伝熱管長さ      │    m     │         TL=##.###            │", Q::TL},
    {W::Always, "  │熱通過率　　　　│kcal/m2hﾟc│KI=####.#     │KO=####.#     │", Q::KI, Q::KO},
    {W::Always, "  │流体流量　　　　│　kg/h    │Wt=######.#   │Ws=######.#   │", Q::Wt, Q::Ws},
    {W::WetOff, "  │熱交換器入側温度│   ﾟC     │Tti=###.##    │Tsi=###.##    │", Q::Tti, Q::Tsi},
    {W::WetOff, "  │熱交換器出側温度│   ﾟC     │Tto=###.##    │Tso=###.##    │", Q::Tto, Q::Tso},
    {W::WetOn, "  │熱交入側飽和温度│   ﾟC     │Tti=###.##    │Tsi=###.##    │", Q::Tzi, Q::Tsi},
    {W::WetOn, "  │熱交出側飽和温度│   ﾟC     │Tto=###.##    │Tso=###.##    │", Q::TZo, Q::Tso},
    {W::SensibleModes, "  │ﾚｲﾉﾙｽﾞ数(av.)   │     -    │Ret=########  │Res=########  │", Q::Ret,
     Q::Res},
    {W::SensibleModes, "  │温度効率　　　  │          │Et=#.####　　 │Es=#.####     │", Q::Et,
     Q::Es},
    {W::TubePhaseChange, "  │温度効率　　　  │          │      －      │Es=#.####     │", Q::Es},
    {W::TubePhaseChange, "  │ﾚｲﾉﾙｽﾞ数(av.)   │     -    │      －      │Res=########  │", Q::Res},
    {W::ShellPhaseChange, "  │温度効率　　　  │          │Et=#.####     │　　　－      │", Q::Et},
    {W::ShellPhaseChange, "  │ﾚｲﾉﾙｽﾞ数(av.)   │     -    │Ret=########  │      －      │", Q::Ret},
    {W::Always, "  │物性平均温度    │   ﾟC　　 │Ttav=###.#    │Tsav=###.#    │", Q::Ttav, Q::Tsav},
    {W::Always, "  │伝熱管壁平均温度│   ﾟC　　 │Twav=###.#    │              │", Q::Twav},
    {W::Always, "  │流体流速(av.)   │    m/s   │Ut=###.##     │Us=###.###    │", Q::Ut, Q::Us},
    {W::Always, "  │熱伝達率　      │kcal/m2hﾟc│Xt=######.#   │Xs=######.#   │", Q::Xt, Q::Xs},
    {W::WetCondensate, "  │管内側凝縮量　　│ 　kg/h   │Wt=#####.#    │     －　　   │", Q::Wcon},
    {W::TubeCondensation, "  │管内側凝縮量    │   kg/h   │Wt=#####.#    │     －       │",
     Q::TubeRate},
    {W::TubeEvaporation, "  │管内側蒸発量    │   kg/h   │Wt=#####.#    │     －       │",
     Q::TubeRate},
    {W::ShellCondensation, "  │ｼｪﾙ側凝縮量　   │   kg/h   │     －       │Ws=#####.#    │",
     Q::ShellRate},
    {W::ShellEvaporation, "  │ｼｪﾙ側蒸発量　   │   kg/h   │     －       │Ws=#####.#    │",
     Q::ShellRate},
    {W::BareTubes, "  │伝熱面積   　　 │    m2    │At=####.##    │As=####.##    │", Q::At, Q::As},
    {W::LowFinTubes, "  │伝熱面積        │    m2    │At=####.##    │Asf=####.##   │", Q::At,
     Q::Asf},
    {W::LowFinTubes, "  │ (ﾌｲﾝ効率)   　 │    -     │     －       │EF=#.##       │", Q::EF},
    {W::TubeGas, "  │圧力損失        │   mmAq   │DPt=######.#  │              │", Q::DPtHead},
    {W::TubeGas, "  │                │  kg/cm2  │              │DPs=##.#####  │", Q::DPs},
    {W::TubeLiquid, "  │圧力損失        │  kg/cm2  │DPt=##.#####  │DPs=##.#####  │", Q::DPt,
     Q::DPs},
};

constexpr SummaryRow kJapaneseSIRows[] = {
    {W::Always, "  │シェル内径　　　　│    mm    │       DS=####.#          │", Q::DS},
    {W::Always, "  │伝熱管本数　　    │     -    │       NT=#####           │", Q::NT},
    {W::Always, "  │補正LMTD          │    K     │       TM=###.##          │", Q::TM},
    {W::Always, "  │交換熱量          │    W     │       Q =#######         │", Q::Q},
    {W::Always, "  │伝熱管長さ        │    mm    │       TL=#####.#         │", Q::TL},
    {W::Always, "  │熱通過率　        │   W/m2K  │KI=####.#   │KO=####.#   │", Q::KI, Q::KO},
    {W::Always, "  │流体流量          │  kg/s    │Wt=###.#### │Ws=###.#### │", Q::Wt, Q::Ws},
    {W::WetOff, "  │熱交換器入側温度  │    K     │Tti=###.##  │Tsi=###.##  │", Q::Tti, Q::Tsi},
    {W::WetOff, "  │熱交換器出側温度  │    K     │Tto=###.##  │Tso=###.##  │", Q::Tto, Q::Tso},
    {W::WetOn, "  │熱交換器入側温度  │    K     │Tti=###.##  │Tsi=###.##  │", Q::Tzi, Q::Tsi},
    {W::WetOn, "  │熱交換器出側温度  │    K     │Tto=###.##  │Tso=###.##  │", Q::TZo, Q::Tso},
    {W::SensibleModes, "  │温度効率          │    -     │Et=#.####   │Es=#.####   │", Q::Et, Q::Es},
    {W::SensibleModes, "  │ﾚｲﾉﾙｽﾞ数(av.)　　 │     -    │Ret=######  │Res=######  │", Q::Ret,
     Q::Res},
    {W::TubePhaseChange, "  │温度効率          │    -     │    －　    │Es=#.####   │", Q::Es},
    {W::TubePhaseChange, "  │ﾚｲﾉﾙｽﾞ数(av.) 　　│     -    │    －　    │Res=######  │", Q::Res},
    {W::ShellPhaseChange, "  │温度効率          │    -     │Et=#.####   │　　－　    │", Q::Et},
    {W::ShellPhaseChange, "  │ﾚｲﾉﾙｽﾞ数(av.) 　　│     -    │Ret=######  │    －　    │", Q::Ret},
    {W::Always, "  │物性平均温度　　  │    K　　 │Ttav=###.#  │Tsav=###.#  │", Q::Ttav, Q::Tsav},
    {W::Always, "  │伝熱管壁平均温度　│    K　　 │Twav=###.#  │            │", Q::Twav},
    {W::Always, "  │流体流速(av.)     │    m/s   │Ut=###.###  │Us=###.#### │", Q::Ut, Q::Us},
    {W::Always, "  │熱伝達率          │  W/m2K   │Xt=####.#   │Xs=#####.#  │", Q::Xt, Q::Xs},
    {W::WetCondensate, "  │管内側凝縮量　　　│  kg/s    │Wt=##.###   │    －      │", Q::Wcon},
    {W::TubeCondensation, "  │管内側凝縮量　 　 │  kg/s    │Wt=##.###   │    －      │",
     Q::TubeRate},
    {W::TubeEvaporation, "  │管内側蒸発量　 　 │  kg/s    │Wt=##.###   │    －      │",
     Q::TubeRate},
    {W::ShellCondensation, "  │ｼｪﾙ側凝縮量　　　 │  kg/s    │     －     │Ws=##.###   │",
     Q::ShellRate},
    {W::ShellEvaporation, "  │ｼｪﾙ側蒸発量　　　 │  kg/s    │     －     │Ws=##.###   │",
     Q::ShellRate},
    {W::BareTubes, "  │伝熱面積          │    m2    │At=####.##  │As=####.##  │", Q::At, Q::As},
    {W::LowFinTubes, "  │伝熱面積          │    m2    │At=####.##  │Asf=####.## │", Q::At, Q::Asf},
    {W::LowFinTubes, "  │ (ﾌｲﾝ効率)        │    -     │     －     │EF=#.##     │", Q::EF},
    {W::TubeGas, "  │圧力損失          │  Pa,  MPa│DPt=######.#│DPs=###.####│", Q::DPtHead, Q::DPs},
    {W::TubeLiquid, "  │圧力損失          │    MPa   │DPt=###.####│DPs=###.####│", Q::DPt, Q::DPs},
};
// clang-format on

// Title, top frame, column heads, separator, bottom frame.
constexpr SummaryFrame kFrames[] = {
    {"              《 Summary of caluculation results 》   ", "┌───────────┬─────┬──────┬──────┐",
     "│         Items        │    Unit  │ Tube side  │ Shell side │",
     "├───────────┼─────┼──────┼──────┤", "└───────────┴─────┴──────┴──────┘"},
    {"               《 Summary of caluculation results 》  ", "  ┌────────────┬───┬──────┬──────┐",
     "  │         Items          │ Unit │ Tube side  │ Shell side │",
     "  ├────────────┼───┼──────┼──────┤", "  └────────────┴───┴──────┴──────┘"},
    {"               　    《 計算結果のサマリー 》 ", "  ┌────────┬─────┬───────┬───────┐",
     "  │       緒　元   │   単位   │   管内側     │    ｼｪﾙ側   　│",
     "  ├────────┼─────┼───────┼───────┤  ", "  └────────┴─────┴───────┴───────┘"},
    {"                   《  計算結果のサマリー  》   ", "  ┌─────────┬─────┬──────┬──────┐",
     "  │       緒　元     │    単位  │   管内側   │  　ｼｪﾙ側　 │",
     "  ├─────────┼─────┼──────┼──────┤", "  └─────────┴─────┴──────┴──────┘"},
};

int frameIndex(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return 0;
        case Presentation::EnglishSI: return 1;
        case Presentation::JapaneseEngineering: return 2;
        case Presentation::JapaneseSI: return 3;
    }
    return 0;
}

}  // namespace

std::span<const SummaryRow> summaryRows(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return kEnglishEngineeringRows;
        case Presentation::EnglishSI: return kEnglishSIRows;
        case Presentation::JapaneseEngineering: return kJapaneseEngineeringRows;
        case Presentation::JapaneseSI: return kJapaneseSIRows;
    }
    return kEnglishEngineeringRows;
}

const SummaryFrame& summaryFrame(Presentation p) { return kFrames[frameIndex(p)]; }

}  // namespace hx
