#include "program/batch/case_profile.h"

#include <cmath>

#include "program/session/case_file.h"
#include "report/screen/results_view.h"

namespace hx {

std::optional<CaseProfile> caseProfile(const HeadlessOutcome& outcome, Presentation p,
                                       std::string& why, int points) {
    if (!outcome.solved || !outcome.inputs) {
        why = "the run ended; a profile needs a solved case";
        return std::nullopt;
    }
    // The results as the screens of p show them.
    ResultsView view(outcome.solution);
    view.enter(p, *outcome.inputs);
    return resultProfile(*outcome.inputs, view.shown(), p, why, points);
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
