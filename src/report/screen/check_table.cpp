// The heat-balance check table, screen and printed versions. Each ratio is
// a heat recomputed from one group of results over the base heat Qba; the
// solver took Q from one of those groups, so one row reads 1.0000.
#include "report/screen/check_table.h"

#include <cmath>

#include "console/number_picture.h"
#include "core/units.h"

namespace hx {
namespace {

// The heats of the rows, kcal/h, from the held values in engineering units.
struct CheckHeats {
    float overallInside;   // KI·At·TM
    float overallOutside;  // KO·As·TM (bare tubes) or KO·Asf·TM (low-fin tubes)
    float shellSensible;   // Ws·Cps·(T2 − T1), Ws in kg/h
    float tubeSensible;    // Vt·Dt·Cpt·(T3 − T4): m3/h · kg/m3 · kcal/kg℃ · ℃
    float tubeLatent;      // tube condensate or vapour rate · tube latent heat (mode 3)
    float shellLatent;     // shell condensate or vapour rate · shell latent heat (mode 4)
    float enthalpy;        // QG, the enthalpy drop of the wet gas
};

CheckHeats checkHeats(const DesignCase& dc, const Solution& r) {
    const float shellKgH = r.shellMassFlowTonH * units::kKgPerTon;  // ton/h to kg/h
    return {r.KI * r.At * r.TM,
            r.KO * (dc.lowFin ? r.Asf : r.As) * r.TM,
            shellKgH * r.Cs * (r.T2 - r.T1),
            r.tubeVolumeFlow * r.Dt * r.Ct * (r.T3 - r.T4),
            r.tubeCondensingDuty,
            r.shellCondensingDuty,
            r.QG};
}

// The ratio field of every row, and the six columns that stand in its
// place when the ratio is not defined.
constexpr std::string_view kRatioField = "#.####";
constexpr std::string_view kNoRatio = "  －  ";

// The texts of the tables, each a line as printed.
constexpr const char* kScreenHeading[] = {
    "   check!  ", "   Relative difference of each calc.items for exchanged as heat",
    "       (Qt:inside tube base、Qs:shell side base)",
    "       (Qkt:inside base overall、Qks:outside base overall)",
    "       (Qba:one of Qt,Qs,Qkt,Qks)"};
constexpr const char* kScreenTop = "     ┌─┬────────────┬───────┐";
constexpr const char* kScreenBottom = "     └─┴────────────┴───────┘";
constexpr const char* kScreenPrompt = "          <1> Return   <2> printout ";
constexpr int kScreenBlankLinesBefore = 11;
constexpr int kScreenBlankLinesAfter = 4;

constexpr const char* kScreenOverallWet =
    "     │1 │Qkt=KI･Ai･LMTD          │Qkt/Qba=#.####│Overall";
constexpr const char* kScreenOverall = "     │1 │Qkt=KI･Ai･LMTD･F        │Qkt/Qba=#.####│Overall";
constexpr const char* kScreenShellLatent =
    "     │3 │Qs=Wcond･hfg            │Qs/Qba=#.#### │Latent";
constexpr const char* kScreenTubeSensibleMode4 =
    "     │4 │Qt=Wt･Cpt･(T3-T4)       │Qt/Qba=#.#### │Sensible ";
constexpr const char* kScreenTubeLatent = "     │3 │Qt=Wcond･hfg            │Qt/Qba=#.#### │Latent";
constexpr const char* kScreenShellSensible =
    "     │4 │Qs=Ws･Cps･(T2-T1)       │Qs/Qba=#.#### │Sensible";
constexpr const char* kScreenEnthalpy = "     │6 │Qt=ΔH･Wwt          　  │Qt/Qba=#.#### │Enthalpy";
constexpr const char* kScreenTubeSensible =
    "     │5 │Qt2=Vat･Dat･Cpt･(T3-T4) │Qt/Qba=#.#### │Sensible ";

constexpr const char* kPrintHeadingEnglish[] = {
    "           Check!    ",
    "           Relative difference of each calculations for exchanged as heat",
    "                      (Qt:inside tube base、Qs:shell side base)",
    "                      (Qkt:inside base overall、Qks:outside base overall)",
    "                      (Qba:one of Qt,Qs,Qkt,Qks)"};
constexpr const char* kPrintHeadingJapanese[] = {
    "          ◆ チェック!◆    ", "         【 計算結果の検証を各々の要素から照合 】",
    "                  (Qt:管内側基準交換熱量、Qs:ｼｪﾙ側基準交換熱量)",
    "                  (Qkt:管内側基準熱通過率ベース交換熱量、Qks:ｼｪﾙ側基準)",
    "                  (Qba:Qt,Qs.Qkt,Qksの何れか)"};
constexpr const char* kPrintTop = "         ┌─┬────────────┬───────┬────────┐";
constexpr const char* kPrintSeparator = "         ├─┼────────────┼───────┼────────┤";
constexpr const char* kPrintBottom = "         └─┴────────────┴───────┴────────┘";
constexpr const char* kPrintEndEngineering =
    "                                                               － END － ";
constexpr const char* kPrintEndSI =
    "                                                  － END OF RESULTS －";

// Engineering version.
constexpr const char* kEngOverall =
    "         │1 │Qtk=KI･Ai･LMTD･F        │Qtk/Qba=#.####│Over-all(inside)│";
constexpr const char* kEngOverallWet =
    "         │1 │Qtk=KI･Ai･LMTD･F(based) │Qtk/Qba=#.####│Over-all(inside)│";
constexpr const char* kEngShellLatent =
    "         │3 │Qs=Wcond･hfg            │Qs/Qtk=#.#### │Latent          │ ";
constexpr const char* kEngTubeSensible =
    "         │4 │Qt=Vt･Dt･Cpt･(T3-T4)    │Qt/Qba =#.####│Sensible(inside)│";
constexpr const char* kEngTubeLatent =
    "         │3 │Qt=Wcond･hfg            │Qt/Qba=#.#### │Latent(inside)  │ ";
constexpr const char* kEngShellSensible =
    "         │4 │Qs=Vs･Ds･Cps･(T2-T1)    │Qs/Qba =#.####│Sensible(shell) │";
constexpr const char* kEngEnthalpy =
    "         │5 │Qt=ΔH･Wwt              │Qt/Qba=#.#### │Enthalpy(inside)│ ";

// SI version.
constexpr const char* kSIOverall =
    "         │1 │Qkt=KI･Ai･LMTD･F        │Qkt/Qba=#.####│Over-all(inside)│";
constexpr const char* kSIOverallOutsideBare =
    "         │2 │Qks=KO･Ao･LMTD･F        │Qks/Qba=#.####│Over-all(shell) │";
constexpr const char* kSIOverallOutsideFinned =
    "         │2 │Qks=KO･Aof･LMTD･F       │Qks/Qba=#.####│Over-all(shell) │";
constexpr const char* kSITubeSensibleMode4 =
    "         │4 │Qt2=Vt･Dt･Cpt･(T3-T4)   │Qt/Qba =#.####│Sensible(inside)│";
constexpr const char* kSIShellLatent =
    "         │5 │Qs=Wcond･hfg            │Qs/Qba =#.####│Latent(shell)   │";
constexpr const char* kSIShellSensibleMode3 =
    "         │4 │Qs=Vs･Ds･Cps･(T2-T1)    │Qs/Qba =#.####│Sensible(shell) │";
constexpr const char* kSITubeLatent =
    "         │5 │Qt=Wcond･hfg            │Qt/Qba =#.####│Latent(inside)  │";
constexpr const char* kSIShellSensible =
    "         │4 │Qs=Vs･Ds･Cps･(T2-T1)    │Qs/Qba =#.####│Sensible        │";
constexpr const char* kSIEnthalpy =
    "         │7 │Qt=ΔH･Wwt              │Qt/Qba =#.####│Enthalpy(inside)│ ";
constexpr const char* kSITubeSensible =
    "         │6 │Qt=Vt･Dt･Cpt･(T3-T4)    │Qt/Qba =#.####│Sensible(inside)│";

// Lines of a printed section, built row by row against one base heat.
struct CheckLines {
    float base;
    std::vector<std::string> lines;

    void text(const char* line) { lines.emplace_back(line); }
    void row(const char* picture, float heat) {
        lines.push_back(checkRowText({picture, checkRatio(heat, base)}));
    }
};

// Engineering version: the absolute values of the sensible heats.
std::vector<std::string> engineeringLines(bool japanese, const DesignCase& dc, const Solution& r) {
    const CheckHeats h = checkHeats(dc, r);
    CheckLines out{checkBaseHeat(dc, r), {}};
    for (const char* line : japanese ? kPrintHeadingJapanese : kPrintHeadingEnglish) out.text(line);
    out.text(kPrintTop);
    out.row(dc.wetGas ? kEngOverallWet : kEngOverall, h.overallInside);
    out.text(kPrintSeparator);
    if (dc.fluidMode == 4) {
        out.row(kEngShellLatent, h.shellLatent);
        out.row(kEngTubeSensible, std::fabs(h.tubeSensible));
    } else {
        if (dc.fluidMode == 3) {
            out.row(kEngTubeLatent, h.tubeLatent);
            out.text(kPrintSeparator);
        }
        out.row(kEngShellSensible, std::fabs(h.shellSensible));
        if (dc.fluidMode != 3) {
            out.text(kPrintSeparator);
            if (dc.wetGas)
                out.row(kEngEnthalpy, h.enthalpy);
            else
                out.row(kEngTubeSensible, std::fabs(h.tubeSensible));
        }
    }
    out.text(kPrintBottom);
    if (!dc.wetGas) out.text(kPrintEndEngineering);
    return out.lines;
}

// SI version: the signs are kept, and the shell sensible heat of this
// version is shell flow (ton/h) × shell density × Cps × (T2 − T1).
std::vector<std::string> siLines(const DesignCase& dc, const Solution& r) {
    const CheckHeats h = checkHeats(dc, r);
    const float shellSI = r.shellMassFlowTonH * r.Ds * r.Cs * (r.T2 - r.T1);
    const float tubeMassSensible = r.tubeMassFlowKgH * r.Ct * (r.T3 - r.T4);
    CheckLines out{checkBaseHeat(dc, r), {}};
    for (const char* line : kPrintHeadingEnglish) out.text(line);
    out.text(kPrintTop);
    if (!dc.wetGas) out.row(kSIOverall, h.overallInside);
    out.row(dc.lowFin ? kSIOverallOutsideFinned : kSIOverallOutsideBare, h.overallOutside);
    out.text(kPrintSeparator);
    if (dc.lowFin && dc.fluidMode == 4) {
        out.row(kSITubeSensibleMode4, tubeMassSensible);
        out.text(kPrintSeparator);
        out.row(kSIShellLatent, h.shellLatent);
    } else if (dc.lowFin && dc.fluidMode == 3) {
        out.row(kSIShellSensibleMode3, shellSI);
        out.text(kPrintSeparator);
        out.row(kSITubeLatent, h.tubeLatent);
    } else {
        out.row(kSIShellSensible, shellSI);
        out.text(kPrintSeparator);
        if (dc.wetGas)
            out.row(kSIEnthalpy, h.enthalpy);
        else
            out.row(kSITubeSensible, h.tubeSensible);
    }
    out.text(kPrintBottom);
    if (!dc.wetGas) out.text(kPrintEndSI);
    return out.lines;
}

}  // namespace

float checkBaseHeat(const DesignCase& dc, const Solution& shown) {
    return dc.wetGas ? shown.QK : shown.Q;
}

std::optional<float> checkRatio(float heat, float base) {
    if (base == 0.0f) return std::nullopt;
    const float ratio = heat / base;
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

std::vector<CheckRow> screenCheckRows(const DesignCase& dc, const Solution& shown) {
    const CheckHeats h = checkHeats(dc, shown);
    const float base = checkBaseHeat(dc, shown);
    const auto row = [base](const char* picture, float heat) {
        return CheckRow{picture, checkRatio(heat, base)};
    };
    std::vector<CheckRow> rows;
    // A wet gas compares QK with itself: Qba is QK.
    rows.push_back(dc.wetGas ? row(kScreenOverallWet, shown.QK)
                             : row(kScreenOverall, std::fabs(h.overallInside)));
    if (dc.fluidMode == 4) {
        rows.push_back(row(kScreenShellLatent, h.shellLatent));
        rows.push_back(row(kScreenTubeSensibleMode4, std::fabs(h.tubeSensible)));
        return rows;
    }
    if (dc.fluidMode == 3) {
        rows.push_back(row(kScreenTubeLatent, h.tubeLatent));
        rows.push_back(row(kScreenShellSensible, std::fabs(h.shellSensible)));
        return rows;
    }
    rows.push_back(row(kScreenShellSensible, std::fabs(h.shellSensible)));
    rows.push_back(dc.wetGas ? row(kScreenEnthalpy, std::fabs(h.enthalpy))
                             : row(kScreenTubeSensible, std::fabs(h.tubeSensible)));
    return rows;
}

std::string checkRowText(const CheckRow& row) {
    if (row.ratio) return formatUsing(row.picture, {*row.ratio});
    std::string text = row.picture;
    text.replace(text.find(kRatioField), kRatioField.size(), kNoRatio);
    return text;
}

bool showCheckTable(const RunInputs& in, const Solution& shown, TextConsole& console) {
    for (int i = 0; i < kScreenBlankLinesBefore; ++i) console.print("");
    for (const char* line : kScreenHeading) console.print(line);
    console.print(kScreenTop);
    for (const CheckRow& row : screenCheckRows(in.dc, shown)) console.print(checkRowText(row));
    console.print(kScreenBottom);
    for (int i = 0; i < kScreenBlankLinesAfter; ++i) console.print("");
    // "<1> Return" and "<2> printout" both end the table.
    return console.inputKey(kScreenPrompt) == "2";
}

std::vector<std::string> printedCheckTable(Presentation p, const RunInputs& in,
                                           const Solution& shown) {
    if (p == Presentation::EnglishSI) return siLines(in.dc, shown);
    return engineeringLines(isJapanese(p), in.dc, shown);
}

}  // namespace hx
