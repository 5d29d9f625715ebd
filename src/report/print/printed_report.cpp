// The printed text reports: the layout of the presentation applied to one
// run. The values come from the results as the screens hold them and from
// the prepared inputs; an SI report prints a converted copy (mm, kg/s, W,
// kJ, MPa, K), so nothing held is ever converted back.
#include "report/print/printed_report.h"

#include <array>
#include <cstdio>
#include <string_view>

#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/units.h"
#include "report/print/printed_report_layout.h"
#include "report/screen/results_summary.h"
#include "report/screen/run_header.h"

namespace hx {

namespace {

using Q = ReportQuantity;
using W = ReportWhen;

constexpr int kSummaryTrailingBlankLines = 9;

const ReportLayout& layoutOf(Presentation p) {
    switch (p) {
        case Presentation::EnglishEngineering: return englishEngineeringLayout();
        case Presentation::EnglishSI: return englishSILayout();
        case Presentation::JapaneseEngineering: return japaneseEngineeringLayout();
        case Presentation::JapaneseSI: return japaneseSILayout();
    }
    return englishEngineeringLayout();
}

bool printed(ReportWhen when, const DesignCase& dc) {
    const bool sensible = dc.fluidMode == kSensible || dc.fluidMode == kTubeWetGas;
    const bool tubeGas = dc.tubePhase == TubePhase::Gas;
    const bool tubeCondensing = dc.fluidMode == kTubePhaseChange && dc.phaseChange == kCondensation;
    switch (when) {
        case W::Always: return true;
        case W::ShellAndTube: return dc.exchangerType != kDoubleTube;
        case W::DoubleTube: return dc.exchangerType == kDoubleTube;
        case W::LowFin: return dc.lowFin;
        case W::BareTubes: return !dc.lowFin;
        case W::LengthGiven: return dc.lengthGiven;
        case W::TapeUsed: return dc.tapeUsed;
        case W::SensibleModes: return sensible;
        case W::TubePhaseChange: return dc.fluidMode == kTubePhaseChange;
        case W::ShellPhaseChange: return dc.fluidMode == kShellPhaseChange;
        case W::WetGas: return dc.wetGas;
        case W::WetOff: return !dc.wetGas;
        case W::SensibleGas: return sensible && tubeGas;
        case W::SensibleGasNormal: return sensible && tubeGas && !dewPointBasis(dc);
        case W::PlainDensity: return !sensible || !tubeGas;
        case W::TubeCondensate: return dc.fluidMode == kTubePhaseChange || dc.wetGas;
        case W::WetOrTubeCondensation: return dc.wetGas || tubeCondensing;
        case W::TubeCondensation: return tubeCondensing;
        case W::TubeEvaporation:
            return dc.fluidMode == kTubePhaseChange && dc.phaseChange == kEvaporation;
        case W::ShellCondensation:
            return dc.fluidMode == kShellPhaseChange && dc.phaseChange == kCondensation;
        case W::ShellEvaporation:
            return dc.fluidMode == kShellPhaseChange && dc.phaseChange == kEvaporation;
        case W::GasCorrelation: return sensible && dc.tubeMethod == kGasCorrelation;
        case W::GasByHandSensible: return sensible && dc.tubeMethod == kGasByHand;
        case W::LiquidSensible: return sensible && !tubeGas;
    }
    return false;
}

constexpr int kQuantityCount = static_cast<int>(Q::DPsHead) + 1;
using ReportValues = std::array<float, kQuantityCount>;

// Unit factors of one report: 1 in engineering units; in SI mm per m,
// kJ per kcal, W/mK per kcal/mh℃, and so on.
struct ReportUnits {
    float length = 1.0f;            // m → mm
    float latentHeat = 1.0f;        // kcal/kg → kJ/kg
    float conductivity = 1.0f;      // kcal/mh℃ → W/mK; fouling m2h℃/kcal → m2K/W divides
    float pressureHead = 10000.0f;  // kgf/cm2 → mmAq, or MPa → Pa
    float perHour = 1.0f;           // a per-second flow back to per hour
};

ReportUnits unitsOf(bool si) {
    if (!si) return {};
    return {1000.0f, units::kKJPerKcal, units::kWattPerKcalH, 1000000.0f, units::kSecondsPerHour};
}

// The inputs of the case, in the report's units. `r` is the solution in the
// report's units (converted for SI).
void setInputValues(ReportValues& v, const RunInputs& in, const Solution& r, const ReportUnits& u) {
    const DesignCase& dc = in.dc;
    const auto set = [&v](Q q, float value) { v[static_cast<int>(q)] = value; };
    set(Q::DI, dc.DI * u.length);
    set(Q::D0, dc.D0 * u.length);
    set(Q::TP, in.geometry.P * u.length);
    set(Q::FN, dc.FN);
    set(Q::FH, dc.FH * u.length);
    set(Q::FT, dc.FT * u.length);
    set(Q::PN, dc.PN);
    set(Q::NT, dc.NT);
    set(Q::ND, r.ND);
    set(Q::EnteredTL, dc.TL * u.length);
    // The held pitch is a full turn; the report gives half of it.
    set(Q::TapePitch, dc.tapePitch * 0.5f * u.length);
    set(Q::TANG, dc.cutEdgeAngle);
    set(Q::NON, dc.cutLineTubes);
    set(Q::NSS, dc.sealingStrips);
    set(Q::TBSS, dc.shellBundleGap * u.length);
    set(Q::BSS, dc.shellBaffleGap * u.length);
    set(Q::BTS, dc.baffleHoleGap * u.length);
    set(Q::RY1, dc.baffleCut);
    set(Q::DL, dc.B * u.length);
    set(Q::KB, in.geometry.windowFraction);
    set(Q::TubeLatentHeat, dc.Ltv * u.latentHeat);
    set(Q::ShellLatentHeat, dc.Lsv * u.latentHeat);
    set(Q::LD, dc.filmThickness * u.length);
    set(Q::Ft, dc.Ft / u.conductivity);
    set(Q::Fs, dc.Fs / u.conductivity);
    set(Q::CM, dc.CM * u.conductivity);
    set(Q::FM, dc.FM * u.conductivity);
}

// The results, in the report's units.
void setResultValues(ReportValues& v, const DesignCase& dc, const Solution& r,
                     const ReportUnits& u) {
    const auto set = [&v](Q q, float value) { v[static_cast<int>(q)] = value; };
    const bool tubeGas = dc.tubePhase == TubePhase::Gas;
    set(Q::Prt, r.Prt);
    set(Q::Prs, r.Prs);
    set(Q::Dt, r.Dt);
    set(Q::Ds, r.Ds);
    set(Q::DN, r.Density);
    set(Q::Ct, r.Ct);
    set(Q::Cs, r.Cs);
    set(Q::Vt, r.Vt);
    set(Q::Vs, r.Vs);
    set(Q::Kt, r.Kt);
    set(Q::KS, r.KS);
    // Mass flows: the tube flow of the solution in kg/h (or its t/h value),
    // the shell flow from t/h; per second in SI.
    set(Q::TubeMassFlow,
        r.tubeMassFlowKgH > 0.0f ? r.tubeMassFlowKgH : units::kKgPerTon * r.tubeMassFlowTonH);
    set(Q::ShellMassFlow, units::kKgPerTon * r.shellMassFlowTonH);
    // A gas is metered in normal cubic metres, a liquid at its state.
    set(Q::TubeVolumeFlow, tubeGas ? r.tubeGasVolumeFlow : r.tubeVolumeFlow);
    set(Q::ShellVolumeFlow, r.shellVolumeFlow);
    set(Q::Tti, r.T3);
    set(Q::Tto, r.T4);
    set(Q::Tsi, r.T1);
    set(Q::Tso, r.T2);
    set(Q::Tzi, r.Tzi);
    set(Q::TZo, r.TZo);
    set(Q::DS, r.shellDiameter);
    set(Q::TL, r.TL);
    set(Q::At, r.At);
    set(Q::As, r.As);
    set(Q::Asf, r.Asf);
    set(Q::EF, r.EF);
    set(Q::Q, r.Q);
    set(Q::TM, r.TM);
    set(Q::F, r.F);
    set(Q::KI, r.KI);
    set(Q::KO, r.KO);
    set(Q::Xt, r.Xt);
    set(Q::Xs, r.Xs);
    set(Q::KC, r.heatTransferIncreaseRatio);
    set(Q::Et, r.Et);
    set(Q::Es, r.Es);
    set(Q::Ttav, r.Ttav);
    set(Q::Tsav, r.Tsav);
    set(Q::Twav, r.Twav);
    set(Q::Mt, r.tubeVolumeFlow);
    set(Q::Ms, r.shellVolumeFlow);
    const float tubeRate = dc.wetGas ? r.Wcon : r.tubeCondensation;
    set(Q::TubeRate, tubeRate);
    set(Q::TubeRatePerHour, tubeRate * u.perHour);
    set(Q::ShellRate, r.shellCondensation);
    set(Q::ShellRatePerHour, r.shellCondensation * u.perHour);
    set(Q::VNt, r.tubeGasVolumeFlow);
    set(Q::Ut, r.Ut);
    set(Q::Us, r.Us);
    set(Q::Ret, r.Ret);
    set(Q::Res, r.Res);
    set(Q::DPt, r.DPt);
    set(Q::DPs, r.DPs);
    set(Q::DPtHead, r.DPt * u.pressureHead);
    set(Q::DPsHead, r.DPs * u.pressureHead);
}

// A field of a drop in kg/cm2 (MPa) printed as all zeros for a drop that is
// not zero says there is no drop: the value is printed instead, in the same
// width, with an exponent ("3.0E-05").
std::string keptSmallDrop(std::string_view picture, float value) {
    std::string text = formatUsing(picture, {value});
    const std::size_t field = picture.find_first_of("#.", picture.rfind('='));
    if (value == 0.0f || field == std::string_view::npos) return text;
    std::size_t width = 0;
    while (field + width < picture.size() &&
           (picture[field + width] == '#' || picture[field + width] == '.'))
        ++width;
    const std::string shown = text.substr(field, width);
    if (shown.find_first_of("123456789") != std::string::npos) return text;
    char small[32];
    std::snprintf(small, sizeof small, "%*.1E", static_cast<int>(width),
                  static_cast<double>(value));
    if (std::string_view(small).size() == width) text.replace(field, width, small);
    return text;
}

// The pressure-drop row in kg/cm2 (MPa): each side's field on its own.
std::string dropLine(std::string_view picture, float tube, float shell) {
    const std::size_t split = picture.find("Ps=");
    return keptSmallDrop(picture.substr(0, split), tube) +
           keptSmallDrop(picture.substr(split), shell);
}

std::string lineText(const ReportLine& line, const ReportValues& v) {
    if (line.first == Q::None) return std::string(line.picture);
    if (line.first == Q::DPt && line.second == Q::DPs &&
        std::string_view(line.picture).find("Ps=") != std::string_view::npos)
        return dropLine(line.picture, v[static_cast<int>(Q::DPt)], v[static_cast<int>(Q::DPs)]);
    const float first = v[static_cast<int>(line.first)];
    if (line.second == Q::None) return formatUsing(line.picture, {first});
    return formatUsing(line.picture, {first, v[static_cast<int>(line.second)]});
}

void addSection(std::vector<std::string>& out, std::span<const ReportLine> lines,
                const DesignCase& dc, const ReportValues& v) {
    for (const ReportLine& line : lines)
        if (printed(line.when, dc)) out.push_back(lineText(line, v));
}

std::string joined(std::initializer_list<std::string_view> parts) {
    std::string line;
    for (std::string_view part : parts) line += part;
    return line;
}

// The English reports take the sentences of the English SI screen, except
// that the engineering report writes its bare inside and low-fin outside
// tubes as the engineering screen does; they name the tube fluid by its
// method code alone (a dew-point gas reads as a gas by correlation).
void addFluidsAndTubes(std::vector<std::string>& out, Presentation p, const DesignCase& dc,
                       const CaseLabels& labels) {
    if (labels.japanese) {
        const std::string_view tube =
            tubeFluidSentence(p, dewPointBasis(dc) ? static_cast<int>(kGasByHand) : dc.tubeMethod);
        const std::string_view shell = shellFluidSentence(p, dc.shellMethod);
        const std::string_view inside = insideTubeSentence(p, dc.tapeUsed);
        const std::string_view outside = shellTubeSentence(p, dc.lowFin);
        out.push_back(joined({labels.tubeFluid, labels.shellFirst ? shell : tube, labels.shellFluid,
                              labels.shellFirst ? tube : shell}));
        out.push_back(joined({labels.configuration, labels.shellFirst ? outside : inside,
                              labels.configurationSeparator, labels.secondSideLabel,
                              labels.shellFirst ? inside : outside}));
        return;
    }
    const Presentation sentences = Presentation::EnglishSI;
    const bool engineering = p == Presentation::EnglishEngineering;
    const std::string_view inside =
        insideTubeSentence(engineering && !dc.tapeUsed ? p : sentences, dc.tapeUsed);
    const std::string_view outside =
        shellTubeSentence(engineering && dc.lowFin ? p : sentences, dc.lowFin);
    out.push_back(joined({labels.tubeFluid, tubeFluidSentence(sentences, dc.tubeMethod)}));
    out.push_back(joined({labels.shellFluid, shellFluidSentence(sentences, dc.shellMethod)}));
    out.push_back(joined({labels.configuration, inside, outside}));
}

// The gas composition of a gas by correlation, in per cent by volume; the
// Japanese engineering report gives the dew point instead for a dew-point
// case, the Japanese SI report the composition all the same.
void addGasLine(std::vector<std::string>& out, Presentation p, const DesignCase& dc,
                const ReportLayout& layout) {
    if (dc.tubeMethod != kGasCorrelation) return;
    if (dewPointBasis(dc)) {
        if (!layout.dewPointLine.empty()) {
            out.push_back(formatUsing(layout.dewPointLine, {dc.Ta}));
            return;
        }
        if (p != Presentation::JapaneseSI) return;
    }
    out.push_back(formatUsing(layout.gasComposition,
                              {dc.CO2 * 100.0f, dc.N2 * 100.0f, dc.O2 * 100.0f, dc.H2O * 100.0f}));
}

std::string_view modeSentence(const ReportLayout& layout, const DesignCase& dc) {
    if (dc.fluidMode < kSensible || dc.fluidMode > kShellPhaseChange) return {};
    if (dc.fluidMode == kTubeWetGas && dewPointBasis(dc) && !layout.dewPointWetGasMode.empty())
        return layout.dewPointWetGasMode;
    return layout.modes[dc.fluidMode - 1];
}

}  // namespace

std::vector<std::string> printedReport(Presentation p, ReportContent content, const RunInputs& in,
                                       const Solution& shown, const std::string& date,
                                       const ReportSections& sections) {
    const DesignCase& dc = in.dc;
    const ReportLayout& layout = layoutOf(p);
    const Solution r = inUnitsOf(p, in, shown);
    const ReportUnits u = unitsOf(isSI(p));
    ReportValues values{};
    setInputValues(values, in, r, u);
    setResultValues(values, dc, r, u);

    std::vector<std::string> out;
    for (int i = 0; i < layout.blankLinesBeforeTitle; ++i) out.emplace_back();
    const int type = dc.exchangerType == kDoubleTube ? 0 : 1;
    out.emplace_back(layout.title[type][0]);
    out.emplace_back(layout.title[type][1]);
    out.push_back(joined({layout.datePrefix, date, layout.dateSuffix}));
    out.push_back(joined({layout.modePrefix, modeSentence(layout, dc)}));
    out.push_back(formatUsing(layout.fluidMeans, {r.tubeFluidMean, r.shellFluidMean}));
    out.push_back(formatUsing(layout.propertyMeans, {r.Ttav, r.Tsav}));
    addFluidsAndTubes(out, p, dc, layout.labels);
    addGasLine(out, p, dc, layout);
    if (content == ReportContent::Detail) addSection(out, layout.inputSections, dc, values);
    addSection(out, layout.summarySection, dc, values);
    if (dc.wetGas) out.insert(out.end(), sections.humidity.begin(), sections.humidity.end());
    out.insert(out.end(), sections.check.begin(), sections.check.end());
    if (content == ReportContent::Summary)
        for (int i = 0; i < kSummaryTrailingBlankLines; ++i) out.emplace_back();
    return out;
}

}  // namespace hx
