#include "program/batch/case_profile.h"

#include <cmath>

#include "calc/case/calculation_basis.h"
#include "core/option_codes.h"
#include "program/batch/result_quantities.h"
#include "program/session/case_file.h"
#include "report/screen/results_summary.h"
#include "report/screen/results_view.h"

namespace hx {

namespace {

const ResultQuantity& quantity(const char* name) {
    for (const ResultQuantity& q : resultQuantities())
        if (std::string_view(q.name) == name) return q;
    return resultQuantities().front();
}

}  // namespace

const char* profileFlowName(ProfileFlow flow, bool japanese) {
    switch (flow) {
        case ProfileFlow::CoCurrent: return japanese ? "並流" : "co-current";
        case ProfileFlow::OneTwoShell: return japanese ? "1-2N シェル" : "1-2N shell";
        case ProfileFlow::CounterCurrent: break;
    }
    return japanese ? "向流" : "counter-current";
}

std::optional<CaseProfile> caseProfile(const HeadlessOutcome& outcome, Presentation p,
                                       std::string& why, int points) {
    if (!outcome.solved || !outcome.inputs) {
        why = "the run ended; a profile needs a solved case";
        return std::nullopt;
    }
    const DesignCase& dc = outcome.inputs->dc;
    if (dc.wetGas) {
        why =
            "no profile for a wet gas (the heat of the condensing water is not proportional "
            "to the gas temperature)";
        return std::nullopt;
    }
    // The ends as the summary shows them, in the units of p.
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    const Solution shown = inUnitsOf(p, *outcome.inputs, view.shown());
    CaseProfile profile;
    profile.flow = usesOneTwoShell(dc)                   ? ProfileFlow::OneTwoShell
                   : dc.flowArrangement == kParallelFlow ? ProfileFlow::CoCurrent
                                                         : ProfileFlow::CounterCurrent;
    const ProfileEnds ends{shown.T1, shown.T2, shown.T3, shown.T4, shown.Q, shown.TM};
    std::optional<std::vector<ProfilePoint>> points_ =
        temperatureProfile(profile.flow, ends, points);
    if (!points_) {
        why = "the solved ends make no profile (no heat, or the streams touch at an end)";
        return std::nullopt;
    }
    profile.points = std::move(*points_);
    profile.temperatureUnit = resultUnit(quantity("T1"), p);
    profile.dutyUnit = resultUnit(quantity("Q"), p);
    profile.japanese = isJapanese(p);
    return profile;
}

void writeProfileCsv(std::ostream& out, const CaseProfile& profile) {
    const std::string t = " [" + profile.temperatureUnit + "]";
    out << "x,tube" << t << ",tube_return" << t << ",shell" << t << ",duty [" << profile.dutyUnit
        << "]\n";
    for (const ProfilePoint& point : profile.points) {
        out << numberText(point.x) << ',' << numberText(point.tube) << ',';
        if (std::isfinite(point.tubeReturn)) out << numberText(point.tubeReturn);
        out << ',' << numberText(point.shell) << ',' << numberText(point.duty) << '\n';
    }
}

}  // namespace hx
