// FORM8: the film heat-transfer coefficients come from the correlations,
// each multiplied by a correction factor (EDIT119 tube, EDIT120 shell), or
// are typed in by hand for one or both sides (EDIT115 tube, EDIT116 shell,
// in kcal/m2h℃ for code 4 and W/m2K for codes 1 and 3).
#include <optional>
#include <string>

#include "calc/case/read_design_case.h"
#include "calc/checks/entry_checks.h"
#include "core/option_codes.h"
#include "dialogs/control_groups.h"
#include "dialogs/option_dialogs.h"

namespace hx {

using controls::code;
using controls::enable;
using controls::put;

namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kForm = "FORM8";
constexpr const char* kClosed = "    ―";

constexpr const char* kSideButtons[] = {"RADIO11", "RADIO12", "RADIO13"};
// Labels and unit labels of the two manual coefficients.
constexpr const char* kManualLabels[] = {"TEXT169", "TEXT170", "TEXT171", "TEXT172"};
// The two correction factors and their labels.
constexpr const char* kCorrection[] = {"EDIT119", "EDIT120", "TEXT174", "TEXT175"};

// Opens the manual field of each side entered by hand; the other shows the dash.
void openManualFields(FormStore& f, int side) {
    const bool tube = side == kManualTube || side == kManualBoth;
    const bool shell = side == kManualShell || side == kManualBoth;
    put(f, kForm, "EDIT115", tube ? "" : kClosed, tube);
    put(f, kForm, "EDIT116", shell ? "" : kClosed, shell);
}

void chooseSide(Session& session, int side) {
    session.forms.setText(kForm, "EDIT118", std::to_string(side));
    openManualFields(session.forms, side);
}

}  // namespace

void RADIO9_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT117", std::to_string(kByFormula));
    enable(f, kForm, kSideButtons, false);
    enable(f, kForm, kManualLabels, false);
    enable(f, kForm, kCorrection, true);
    put(f, kForm, "EDIT115", kClosed, false);
    put(f, kForm, "EDIT116", kClosed, false);
}

void RADIO10_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT117", std::to_string(kByHand));
    enable(f, kForm, kSideButtons, true);
    enable(f, kForm, kManualLabels, true);
    enable(f, kForm, kCorrection, false);
    openManualFields(f, code(f, kForm, "EDIT118"));
}

// The calculation basis; the tube layout, the bundle as specified and the
// tube nozzle bores apply to the textbook method only.
constexpr const char* kTextbookEntries[] = {"TEXT183", "EDIT158", "TEXT184", "TEXT185", "EDIT159",
                                            "TEXT186", "EDIT160", "TEXT187", "EDIT161", "TEXT188",
                                            "EDIT162", "TEXT189", "EDIT163", "TEXT190", "EDIT164",
                                            "TEXT191", "EDIT165", "TEXT192", "EDIT166", "TEXT193",
                                            "EDIT167", "TEXT194", "EDIT180", "TEXT195", "EDIT181"};

void RADIO20_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT157", std::to_string(kOriginalBasis));
    enable(f, kForm, kTextbookEntries, false);
}

void RADIO21_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kForm, "EDIT157", std::to_string(kTextbookBasis));
    enable(f, kForm, kTextbookEntries, true);
}

void RADIO11_ON(Session& session) { chooseSide(session, kManualTube); }
void RADIO12_ON(Session& session) { chooseSide(session, kManualShell); }
void RADIO13_ON(Session& session) { chooseSide(session, kManualBoth); }

std::string_view coefficientCheckMessage(int setting, int side, float tubeCoefficient,
                                         float shellCoefficient) {
    if (setting != kByHand) return {};
    if ((side == kManualTube || side == kManualBoth) && tubeCoefficient == 0.0f)
        return " illegal setting of tube side value";
    if ((side == kManualShell || side == kManualBoth) && shellCoefficient == 0.0f)
        return " illegal setting of shell side value";
    return {};
}

void BUTTON45_ON(Session& session) {
    FormStore& f = session.forms;
    enable(f, kMain, {"BUTTON41", "BUTTON1"}, true);
    const std::string_view message =
        coefficientCheckMessage(code(f, kForm, "EDIT117"), code(f, kForm, "EDIT118"),
                                f.number(kForm, "EDIT115"), f.number(kForm, "EDIT116"));
    // A coefficient typed with text after its number, or one out of its
    // range (a negative one), is refused as a zero one is.
    std::optional<FieldRefusal> refusal = findPartlyReadField(f, kForm);
    if (!refusal && message.empty()) refusal = findEntryOutOfRange(readDesignCase(f), kForm);
    if (refusal || !message.empty()) {
        f.setText(kForm, "TEXT176", refusal ? refusal->message : std::string(message));
        f.setEnabled(kMain, "BUTTON1", false);
        session.console.halt();
        if (refusal) selectRefusedField(f, *refusal);  // after the notice: keeps the focus
        return;
    }
    f.setText(kForm, "TEXT176", "");
    f.hideForm(kForm);
}

}  // namespace hx
