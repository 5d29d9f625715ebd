// The line pictures of the four printed reports, one layout per
// presentation: the title and case lines, the input sections of the text
// detail and the summary section, each section a list of lines in printing
// order with the condition under which a line is printed and the quantities
// it prints. The English layouts live in printed_report_en.cpp, the
// Japanese ones in printed_report_ja.cpp; printed_report.cpp applies them.
#pragma once

#include <span>
#include <string_view>

#include "report/screen/presentation.h"

namespace hx {

// When a report line is printed.
enum class ReportWhen {
    Always,
    ShellAndTube,           // baffled shell: tube pitch, Bell table values
    DoubleTube,             // annulus: the Bell table with dashes
    LowFin,                 // low-fin tubes on the shell side
    BareTubes,              // plain tubes
    LengthGiven,            // the tube length is an input of the case
    TapeUsed,               // twisted tape inserts
    SensibleModes,          // fluid modes 1 and 2
    TubePhaseChange,        // fluid mode 3
    ShellPhaseChange,       // fluid mode 4
    WetGas,                 // fluid mode 2, the wet-gas calculation
    WetOff,                 // no wet gas
    SensibleGas,            // modes 1 and 2 with a gas in the tubes
    SensibleGasNormal,      // the same, unless the humidity comes from the dew point
    PlainDensity,           // the density row of a liquid in the tubes or of modes 3 and 4
    TubeCondensate,         // mode 3, or a wet gas: a rate in the tube column
    WetOrTubeCondensation,  // a wet gas, or mode 3 condensing
    TubeCondensation,       // mode 3, condensing
    TubeEvaporation,        // mode 3, evaporating
    ShellCondensation,      // mode 4, condensing
    ShellEvaporation,       // mode 4, evaporating
    GasCorrelation,         // modes 1 and 2 with the tube gas by correlation
    GasByHandSensible,      // modes 1 and 2 with the tube gas entered by hand
    LiquidSensible,         // modes 1 and 2 with a liquid in the tubes
};

// The quantity a field prints, in the units of the report's presentation.
enum class ReportQuantity {
    None,  // a line of text without a field
    // Ⅰ dimensions, as entered (m; mm in SI)
    DI,
    D0,
    TP,
    FN,
    FH,
    FT,
    PN,
    NT,
    ND,
    EnteredTL,
    TapePitch,  // half the held full-turn pitch, peak to peak
    // Bell method construction
    TANG,
    NON,
    NSS,
    TBSS,
    BSS,
    BTS,
    RY1,
    DL,
    KB,
    // Ⅱ properties
    TubeLatentHeat,
    ShellLatentHeat,
    LD,
    Prt,
    Prs,
    Dt,
    Ds,
    DN,
    Ct,
    Cs,
    Vt,
    Vs,
    Kt,
    KS,
    Ft,
    Fs,
    CM,
    FM,
    // Ⅳ flows and temperatures
    TubeMassFlow,
    ShellMassFlow,
    TubeVolumeFlow,   // normal volume flow of a gas, actual of a liquid
    ShellVolumeFlow,  // actual
    Tti,
    Tto,
    Tsi,
    Tso,
    Tzi,
    TZo,
    // Summary
    DS,
    TL,
    At,
    As,
    Asf,
    EF,
    Q,
    TM,
    F,
    KI,
    KO,
    Xt,
    Xs,
    KC,
    Et,
    Es,
    Ttav,
    Tsav,
    Twav,
    Mt,
    Ms,
    TubeRate,         // tube condensate: Wcon of a wet gas, the mode 3 rate
    TubeRatePerHour,  // the same in kg/h whatever the units
    ShellRate,        // mode 4 rate
    ShellRatePerHour,
    VNt,
    Ut,
    Us,
    Ret,
    Res,
    DPt,
    DPs,
    DPtHead,  // mmAq (engineering) or Pa (SI)
    DPsHead,
};

struct ReportLine {
    ReportWhen when;
    std::string_view picture;
    ReportQuantity first = ReportQuantity::None;
    ReportQuantity second = ReportQuantity::None;
};

// The fluid and tube configuration lines. An English report prints the
// tube fluid, the shell fluid and the configuration on three lines, each
// label followed by its sentence; a Japanese one prints both fluids on one
// line and both tube sentences on another, joined by the separators.
struct CaseLabels {
    bool japanese;
    bool shellFirst;              // the Japanese SI lines name the shell side first
    std::string_view tubeFluid;   // Japanese: the label of the fluids line
    std::string_view shellFluid;  // Japanese: the separator of the fluids
    std::string_view configuration;
    std::string_view configurationSeparator;
    std::string_view secondSideLabel;
};

struct ReportLayout {
    int blankLinesBeforeTitle;
    std::string_view title[2][2];  // [double tube][title, underline]
    std::string_view datePrefix;
    std::string_view dateSuffix;
    std::string_view modePrefix;
    std::string_view modes[4];  // by fluid mode
    // Mode 2 of a dew-point case; empty where the report has no such text.
    std::string_view dewPointWetGasMode;
    std::string_view fluidMeans;     // tube and shell fluid mean temperatures
    std::string_view propertyMeans;  // Ttav, Tsav
    CaseLabels labels;
    std::string_view gasComposition;
    std::string_view dewPointLine;  // empty: no dew-point line
    std::span<const ReportLine> inputSections;
    std::span<const ReportLine> summarySection;
};

const ReportLayout& englishEngineeringLayout();
const ReportLayout& englishSILayout();
const ReportLayout& japaneseEngineeringLayout();
const ReportLayout& japaneseSILayout();

}  // namespace hx
