#include "report/screen/humidity_table.h"

#include <span>

#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/units.h"

namespace hx {

namespace {

enum class F { None, Hi, Ho, Pi, Po, Xi, Xo, Tzi, TZo, Pt, Wti, Wto, GWi, GWo, MAW, Wcon };

// One line of a table: its picture and the values it shows, in order.
struct HumidityLine {
    const char* picture;
    F first = F::None;
    F second = F::None;
};

// clang-format off: the tables as the screens and the printer show them.
constexpr HumidityLine kScreenEnglishEngineering[] = {
    {" Ⅱ. Tube side humidity conditions "},
    {" ┌─┬───────────────┬─────┬─────┐"},
    {" │No│          Items               │  Inlet   │  Outlet  │"},
    {" ├─┼───────────────┼─────┼─────┤"},
    {" │1 │SAT.ENTHALPY        (kcal/kg) │Hi=###.## │Ho=###.## │", F::Hi, F::Ho},
    {" │2 │H2O SAT.PRESSURE    (kg/cm2)  │Pi=.##### │Po=.##### │", F::Pi, F::Po},
    {" │3 │GAS ABS.HUMIDITY    (kg/kgda) │Xi=#.#### │Xo=#.#### │", F::Xi, F::Xo},
    {" │4 │SAT.GAS TEMPERATUR  (℃)      │Tzi=###.# │TZo=###.# │", F::Tzi, F::TZo},
    {" │5 │TOTAL GAS PRESSURE  (kg/cm2)  │       Pt=##.###　　　│", F::Pt},
    {" ├─┼───────────────┼─────┼─────┤"},
    {" │6 │H2O GAS WEIGHT FLOWRATE (kg/h)│Wti=######│Wto=######│", F::Wti, F::Wto},
    {" │7 │MIXED GAS FLOWRATE      (kg/h)│GWi=######│GWo=######│", F::GWi, F::GWo},
    {" │8 │MOLECULAR RATIO【H2O/Mix.Gas】│     MAW=#.####       │", F::MAW},
    {" │9 │H2O DRAIN RECOVERY RATE (kg/h)│     Wcon=####.##     │", F::Wcon},
    {" └─┴───────────────┴─────┴─────┘"},
};
constexpr HumidityLine kScreenEnglishSI[] = {
    {"     Ⅱ. Tube side humidity conditions "},
    {"   ┌─┬───────────────┬──────┬──────┐"},
    {"   │No│          Items               │   Inlet    │  Outlet    │"},
    {"　 ├─┼───────────────┼──────┼──────┤"},
    {"   │1 │SAT.ENTHALPY        (kJ/kg)   │Hi=####.##  │Ho=####.##  │", F::Hi, F::Ho},
    {"   │2 │SAT.PRESSURE        (MPa)     │Pi=#.####   │Po=#.####   │", F::Pi, F::Po},
    {"   │3 │GAS ABS.HUMIDITY    (kg/kgda) │Xi=#.####   │Xo=#.####   │", F::Xi, F::Xo},
    {"   │4 │SAT.GAS TEMPERATUR  (K)       │Tzi=###.##  │TZo=###.##  │", F::Tzi, F::TZo},
    {"   │5 │TOTAL PRESSURE      (MPa)     │        Pt=##.###         │", F::Pt},
    {"   ├─┼───────────────┼──────┼──────┤"},
    {"   │5 │H2O GAS WEIGHT FLOWRATE (kg/s)│Wti=#.####  │Wto=#.####  │", F::Wti, F::Wto},
    {"   │6 │MIXED GAS FLOWRATE      (kg/s)│GWi=##.#####│GWo=##.#####│", F::GWi, F::GWo},
    {"   │7 │MOLECULAR RATIO【H2O/Mix.Gas】│        MAW=#.####        │", F::MAW},
    {"   │8 │H2O DRAIN RECOVERY RATE (kg/s)│        Wcon=#.####       │", F::Wcon},
    {"   └─┴───────────────┴──────┴──────┘"},
};
constexpr HumidityLine kScreenJapaneseEngineering[] = {
    {"    Ⅱ. 管内側湿り伝熱条件 "},
    {"  ┌─┬──────────────┬──────┬──────┐"},
    {"  │No│        緒　　元            │  　入側    │　  出側    │"},
    {"　├─┼──────────────┼──────┼──────┤"},
    {"  │1 │湿り空気エンタルピ(kcal/kg) │ Hi=###.##  │ Ho=###.##  │", F::Hi, F::Ho},
    {"  │2 │水蒸気分圧　      (kg/cm2)  │ Pi=.#####  │ Po=.#####  │", F::Pi, F::Po},
    {"  │3 │絶対湿度　　　　  (kg/kgda) │ Xi=#.####  │ Xo=#.####  │", F::Xi, F::Xo},
    {"  │4 │加圧気体湿り飽和温度 (℃)   │ Tzi=###.## │ TZo=###.## │", F::Tzi, F::TZo},
    {"  │5 │気体全圧　　　　　(kg/cm2)  │         Pt=##.##         │", F::Pt},
    {"  ├─┼──────────────┼──────┼──────┤"},
    {"  │6 │水分重量流量　　　　  (kg/h)│Wti=######.#│Wto=######.#│", F::Wti, F::Wto},
    {"  │7 │混合ｶﾞｽ重量流量　     (kg/h)│GWi=######.#│GWo=######.#│", F::GWi, F::GWo},
    {"  │8 │水分/混合ｶﾞｽ分子量比　( - ) │        MAW=#.####        │", F::MAW},
    {"  │9 │水分凝縮量　　　　　  (kg/h)│        Wcon=####.##      │", F::Wcon},
    {"  └─┴──────────────┴──────┴──────┘"},
};
constexpr HumidityLine kScreenJapaneseSI[] = {
    {"    Ⅱ. 管内側湿り伝熱条件 "},
    {"   ┌─┬──────────────┬──────┬──────┐"},
    {"   │No│         緒　　元           │ 管内入側   │  管内出側  │"},
    {"　 ├─┼──────────────┼──────┼──────┤"},
    {"   │1 │湿り空気のエンタルピ(kJ/kg) │ Hi=###.##  │ Ho=###.##  │", F::Hi, F::Ho},
    {"   │2 │水蒸気の分圧     (MPa)      │ Pi=#.####  │ Po=#.####  │", F::Pi, F::Po},
    {"   │3 │絶対湿度         (kg/kgda)  │ Xi=#.####  │ Xo=#.####  │", F::Xi, F::Xo},
    {"   │4 │湿り飽和温度     (K)        │ Tzi=###.## │ TZo=###.## │", F::Tzi, F::TZo},
    {"   │5 │気体の全圧　     (MPa)      │         Pt=#.###         │", F::Pt},
    {"   ├─┼──────────────┼──────┼──────┤"},
    {"   │6 │水分重量流量        (kg/s)  │ Wti=#.#### │ Wto=#.#### │", F::Wti, F::Wto},
    {"   │7 │混合ｶﾞｽ重量流量     (kg/s)  │GWi=##.#####│GWo=##.#####│", F::GWi, F::GWo},
    {"   │8 │水分/混合ｶﾞｽ分子量比        │       MAW=#.####         │", F::MAW},
    {"   │9 │水分凝縮量          (kg/s)  │       Wcon=#.####        │", F::Wcon},
    {"   └─┴──────────────┴──────┴──────┘"},
};
constexpr HumidityLine kPrintedEnglishEngineering[] = {
    {"          Ⅱ. Tube side humidity conditions "},
    {"         ┌─┬───────────────┬──────┬──────┐"},
    {"         │No│          Items               │Inlet side  │Outlet side │"},
    {"　       ├─┼───────────────┼──────┼──────┤"},
    {"         │1 │SAT.ENTHALPY        (kcal/kg) │ Hi=###.##  │ Ho=###.##  │", F::Hi, F::Ho},
    {"         │2 │SAT.PRESSURE        (kg/cm2)  │ Pi=.#####  │ Po=.#####  │", F::Pi, F::Po},
    {"         │3 │GAS ABS.HUMIDITY    (kg/kgda) │ Xi=#.####  │ Xo=#.####  │", F::Xi, F::Xo},
    {"         │4 │SAT.GAS TEMPERATUR  (℃)      │ Tzi=###.## │ TZo=###.## │", F::Tzi, F::TZo},
    {"         │5 │TOTAL PRESSURE      (kg/cm2)  │        Pt=##.###         │", F::Pt},
    {"         ├─┼───────────────┼──────┼──────┤"},
    {"         │6 │H2O GAS WEIGHT FLOWRATE (kg/h)│ Wti=####.# │ Wto=####.# │", F::Wti, F::Wto},
    {"         │7 │MIXED GAS FLOWRATE      (kg/h)│GWi=######.#│GWo=######.#│", F::GWi, F::GWo},
    {"         │8 │MOLECULAR RATIO【H2O/Mix.Gas】│        MAW=#.####        │", F::MAW},
    {"         │9 │H2O DRAIN RECOVERY RATE (kg/h)│        Wcon=####.#       │", F::Wcon},
    {"         └─┴───────────────┴──────┴──────┘"},
    {"                                                              － END －"},
};
constexpr HumidityLine kPrintedEnglishSI[] = {
    {"          Ⅱ. Tube side humidity conditions "},
    {"         ┌─┬───────────────┬──────┬──────┐"},
    {"         │No│          Items               │Inlet side  │Outlet side │"},
    {"　       ├─┼───────────────┼──────┼──────┤"},
    {"         │1 │SAT.ENTHALPY        (kJ/kg)   │ Hi=####.## │ Ho=####.## │", F::Hi, F::Ho},
    {"         │2 │SAT.PRESSURE        (MPa)     │ Pi=##.#### │ Po=##.#### │", F::Pi, F::Po},
    {"         │3 │GAS ABS.HUMIDITY    (kg/kgda) │ Xi=#.####  │ Xo=#.####  │", F::Xi, F::Xo},
    {"         │4 │SAT.GAS TEMPERATUR  (K)       │ Tzi=###.## │ TZo=###.## │", F::Tzi, F::TZo},
    {"         │5 │TOTAL PRESSURE      (MPa)     │        Pt=##.###         │", F::Pt},
    {"         ├─┼───────────────┼──────┼──────┤"},
    {"         │5 │H2O GAS WEIGHT FLOWRATE (kg/s)│ Wti=#.#### │ Wto=#.#### │", F::Wti, F::Wto},
    {"         │6 │MIXED GAS FLOWRATE      (kg/s)│GWi=##.#####│GWo=##.#####│", F::GWi, F::GWo},
    {"         │7 │MOLECULAR RATIO【H2O/Mix.Gas】│        MAW=#.####        │", F::MAW},
    {"         │8 │H2O DRAIN RECOVERY RATE (kg/s)│        Wcon=#.####       │", F::Wcon},
    {"         └─┴───────────────┴──────┴──────┘"},
    {"                                                                     － END －"},
};
constexpr HumidityLine kPrintedJapaneseEngineering[] = {
    {"          Ⅱ. 管内湿りガス条件 "},
    {"         ┌─┬───────────────┬──────┬──────┐"},
    {"         │No│        緒　　元              │  管内入側  │　管内出側  │"},
    {"　       ├─┼───────────────┼──────┼──────┤"},
    {"         │1 │湿り空気のエンタルピ(kcal/㎏) │ Hi=###.##  │ Ho=###.##  │", F::Hi, F::Ho},
    {"         │2 │水蒸気の分圧        (kg/cm2)  │ Pi=.#####  │ Po=.#####  │", F::Pi, F::Po},
    {"         │3 │絶対湿度　　　　    (kg/kgda) │ Xi=#.####  │ Xo=#.####  │", F::Xi, F::Xo},
    {"         │4 │湿り飽和温度　　　  (℃)      │ Tzi=###.## │ TZo=###.## │", F::Tzi, F::TZo},
    {"         │5 │気体の全圧 　　　   (kg/cm2)  │        Pt=##.##          │", F::Pt},
    {"         ├─┼───────────────┼──────┼──────┤"},
    {"         │6 │水分重量流量　　　　　  (kg/h)│Wti=####.#  │ Wto=####.# │", F::Wti, F::Wto},
    {"         │7 │混合ｶﾞｽ重量流量　       (kg/h)│GWi=#####.# │GWo=#####.# │", F::GWi, F::GWo},
    {"         │8 │水分/混合ｶﾞｽ分子量比　　( - ) │        MAW=#.####        │", F::MAW},
    {"         │9 │水分凝縮量　　　　　　  (kg/h)│        Wcon=####.#       │", F::Wcon},
    {"         └─┴───────────────┴──────┴──────┘"},
    {"                                                                       END"},
};
constexpr HumidityLine kPrintedJapaneseSI[] = {
    {"          Ⅱ. 管内湿りガス条件  "},
    {"         ┌─┬───────────────┬──────┬──────┐"},
    {"         │No│        緒　　元              │　管内入側  │  管内出側  │"},
    {"　       ├─┼───────────────┼──────┼──────┤"},
    {"         │1 │湿り空気のエンタルピ(kJ/kg)   │ Hi=###.##  │ Ho=###.##  │", F::Hi, F::Ho},
    {"         │2 │水蒸気の分圧        (MPa)     │ Pi=##.#### │ Po=##.#### │", F::Pi, F::Po},
    {"         │3 │絶対湿度            (kg/kgda) │ Xi=#.####  │ Xo=#.####  │", F::Xi, F::Xo},
    {"         │4 │湿り飽和温度        (K)       │ Tzi=###.## │ TZo=###.## │", F::Tzi, F::TZo},
    {"         │5 │気体の全圧        　(MPa)  　 │         Pt=#.###         │", F::Pt},
    {"         ├─┼───────────────┼──────┼──────┤"},
    {"         │6 │水分重量流量            (kg/s)│ Wti=#.#### │ Wto=#.#### │", F::Wti, F::Wto},
    {"         │7 │混合ｶﾞｽ重量流量         (kg/s)│GWi=##.#####│GWo=##.#####│", F::GWi, F::GWo},
    {"         │8 │水分/混合ｶﾞｽ分子量比　　( - ) │        MAW=#.####        │", F::MAW},
    {"         │9 │水分凝縮量              (kg/s)│        Wcon=#.####       │", F::Wcon},
    {"         └─┴───────────────┴──────┴──────┘"},
    {"                                                                     － END －"},
};
// clang-format on

constexpr float kJapaneseOneAtm = 1.03f;  // kgf/cm2, the Japanese table's 1 atm

std::span<const HumidityLine> screenTable(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return kScreenEnglishEngineering;
        case Presentation::EnglishSI: return kScreenEnglishSI;
        case Presentation::JapaneseEngineering: return kScreenJapaneseEngineering;
        case Presentation::JapaneseSI: return kScreenJapaneseSI;
    }
    return {};
}

std::span<const HumidityLine> printedTable(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return kPrintedEnglishEngineering;
        case Presentation::EnglishSI: return kPrintedEnglishSI;
        case Presentation::JapaneseEngineering: return kPrintedJapaneseEngineering;
        case Presentation::JapaneseSI: return kPrintedJapaneseSI;
    }
    return {};
}

float valueOf(const HumidityValues& v, F f) {
    switch (f) {
        case F::Hi: return v.Hi;
        case F::Ho: return v.Ho;
        case F::Pi: return v.Pi;
        case F::Po: return v.Po;
        case F::Xi: return v.Xi;
        case F::Xo: return v.Xo;
        case F::Tzi: return v.Tzi;
        case F::TZo: return v.TZo;
        case F::Pt: return v.Pt;
        case F::Wti: return v.Wti;
        case F::Wto: return v.Wto;
        case F::GWi: return v.GWi;
        case F::GWo: return v.GWo;
        case F::MAW: return v.MAW;
        case F::Wcon: return v.Wcon;
        case F::None: break;
    }
    return 0.0f;
}

std::vector<std::string> tableLines(std::span<const HumidityLine> table, const HumidityValues& v) {
    std::vector<std::string> lines;
    for (const HumidityLine& l : table) {
        if (l.first == F::None) {
            lines.emplace_back(l.picture);
        } else if (l.second == F::None) {
            lines.push_back(formatUsing(l.picture, {valueOf(v, l.first)}));
        } else {
            lines.push_back(formatUsing(l.picture, {valueOf(v, l.first), valueOf(v, l.second)}));
        }
    }
    return lines;
}

constexpr const char* kPrompts[] = {
    "         <1> Return to initial、 <2> Print out", "         <1> Return 、  <2> Print out",
    "         <1> 最初に戻る、 <2> 印刷　", "         <1> 最初に戻る、 <2> 印刷　"};

}  // namespace

HumidityValues humidityValues(Presentation p, const RunInputs& in, const Solution& s, float Pt) {
    const DesignCase& dc = in.dc;
    HumidityValues v;
    v.Hi = s.Hi;
    v.Ho = s.Ho;
    v.Pi = s.Pi;
    v.Po = s.Po;
    v.Xi = s.Xi;
    v.Xo = s.Xo;
    v.Tzi = s.Tzi;
    v.TZo = s.TZo;
    v.Pt = Pt;
    v.Wti = s.Wti;
    v.Wto = s.Wto;
    // The gas flow in Nm3/h times the density it was taken at: the wet gas
    // entering, kg/h.
    const float density = dc.humidityBasis == kFromDewPoint ? dc.Dt : s.Density;
    v.GWi = s.tubeGasVolumeFlow * density;
    v.GWo = s.GWo;
    v.MAW = s.MAW;
    v.Wcon = s.Wcon;
    if (isSI(p)) {
        v.Hi *= units::kKJPerKcal;  // kcal/kg to kJ/kg
        v.Ho *= units::kKJPerKcal;
        v.Pi *= units::kMPaPerKgfCm2;
        v.Po *= units::kMPaPerKgfCm2;
        v.Pt *= units::kMPaPerKgfCm2;
        v.Tzi += units::kKelvinOffset;
        v.TZo += units::kKelvinOffset;
        for (float* flow : {&v.Wti, &v.Wto, &v.GWi, &v.GWo, &v.Wcon})
            *flow /= units::kSecondsPerHour;  // kg/h to kg/s
    }
    return v;
}

std::vector<std::string> humidityScreenLines(Presentation p, const HumidityValues& v) {
    return tableLines(screenTable(p), v);
}

std::vector<std::string> humidityPrintedLines(Presentation p, const RunInputs& in,
                                              const Solution& shown, float Pt) {
    return tableLines(printedTable(p), humidityValues(p, in, shown, Pt));
}

void showHumidityTable(Presentation p, const RunInputs& in, const Solution& shown, float& Pt,
                       TextConsole& console,
                       const std::function<void(const std::vector<std::string>&)>& print) {
    console.clear();
    const bool englishEngineering = p == Presentation::EnglishEngineering;
    if (englishEngineering)
        for (int i = 0; i < 11; ++i) console.print("");
    if (p == Presentation::JapaneseEngineering && in.dc.humidityBasis != kFromDewPoint)
        Pt = kJapaneseOneAtm;
    for (const std::string& line : humidityScreenLines(p, humidityValues(p, in, shown, Pt)))
        console.print(line);
    if (englishEngineering) {
        console.print("  Q=" + freeNumber(shown.Q) + "QK=" + freeNumber(shown.QK) +
                      "QG=" + freeNumber(shown.QG));
        console.print("  QKE=" + freeNumber(shown.QKE) + "QKK=" + freeNumber(shown.QKK));
    }
    for (;;) {
        const std::string key = console.input(kPrompts[static_cast<int>(p)]);
        if (key == "1") {
            if (englishEngineering) console.clear();
            return;
        }
        if (key == "2" && print) print(humidityPrintedLines(p, in, shown, Pt));
    }
}

}  // namespace hx
