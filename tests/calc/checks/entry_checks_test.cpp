// The range checks apply to the quantities a case uses and to no other; a
// run that exchanges no heat ends naming the side that carries none.
#include "calc/checks/entry_checks.h"

#include <gtest/gtest.h>

#include "calc/checks/solution_checks.h"
#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "model/field_catalogue.h"

namespace hx {
namespace {

// A shell-and-tube case in English SI, sensible, coefficients by formula,
// every ranged quantity at a value inside its range.
DesignCase soundCase() {
    DesignCase dc;
    dc.unitCode = kEnglishSI;
    dc.exchangerType = kShellAndTube;
    dc.fluidMode = kSensible;
    dc.tubeMethod = kWaterCorrelation;
    dc.shellMethod = kWaterCorrelation;
    dc.coefficientSetting = kByFormula;
    dc.enteredTubeFactor = dc.enteredShellFactor = 1.0f;
    dc.CM = 45.0f;
    dc.Ft = dc.Fs = 0.0002f;
    dc.baffleCut = 0.25f;
    return dc;
}

std::string refusedControl(const DesignCase& dc, std::string_view form = "") {
    const std::optional<FieldRefusal> r = findEntryOutOfRange(dc, form);
    return r ? r->form + "." + r->control : "";
}

TEST(EntryChecks, RangesOfTheQuantitiesInUse) {
    EXPECT_EQ(refusedControl(soundCase()), "");

    DesignCase dc = soundCase();
    dc.Fs = 1e30f;  // fouling: always in use
    EXPECT_EQ(refusedControl(dc), "MAINFORM.EDIT18");
    EXPECT_EQ(refusedControl(dc, "FORM7"), "");  // FORM7's OK checks its own fields only

    // Film thickness: in use in the wet-gas mode only.
    dc = soundCase();
    dc.filmThickness = -1.0f;
    EXPECT_EQ(refusedControl(dc), "");
    dc.fluidMode = kTubeWetGas;
    EXPECT_EQ(refusedControl(dc), "MAINFORM.EDIT28");

    // A typed coefficient must lie above 0; only the side typed is checked.
    dc = soundCase();
    dc.coefficientSetting = kByHand;
    dc.manualSide = kManualShell;
    dc.manualXt = -16070.0f;
    dc.manualXs = 500.0f;
    EXPECT_EQ(refusedControl(dc), "");
    dc.manualSide = kManualBoth;
    EXPECT_EQ(refusedControl(dc), "FORM8.EDIT115");

    // The shell liquid inlet of shell-side evaporation: above absolute zero,
    // and a field that holds the gas pressure in other modes is not checked
    // as a temperature there.
    dc = soundCase();
    dc.fluidMode = kShellPhaseChange;
    dc.phaseChange = kEvaporation;
    dc.sigma = 0.004f;
    dc.Ps = 1.0f;
    dc.Pt = 0.0f;  // K
    const std::optional<FieldRefusal> r = findEntryOutOfRange(dc, "FORM7");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->control, "EDIT123");
    EXPECT_EQ(r->message, "    Shell side liq. inlet Temp. is below absolute zero");
    dc.Pt = 373.0f;
    EXPECT_EQ(refusedControl(dc), "");
    dc.unitCode = kJapaneseEngineering;  // ℃: -273 is absolute zero
    dc.Pt = -280.0f;
    EXPECT_EQ(refusedControl(dc), "FORM7.EDIT123");
}

// The red frame of the windows: a number outside every range of the field,
// or a number with text after it; a placeholder or an empty field is not
// marked. A field holding two quantities takes either range.
TEST(EntryChecks, FieldMarkWhileTyping) {
    EXPECT_TRUE(fieldMark("MAINFORM", "EDIT18", "2", kEnglishSI).outside);
    EXPECT_EQ(fieldMark("MAINFORM", "EDIT18", "2", kEnglishSI).range, "0 … 1 m2K/W");
    EXPECT_FALSE(fieldMark("MAINFORM", "EDIT18", "0.0002", kEnglishSI).outside);
    EXPECT_TRUE(fieldMark("MAINFORM", "EDIT18", "0x10", kEnglishSI).outside);
    EXPECT_FALSE(fieldMark("MAINFORM", "EDIT18", "   ━", kEnglishSI).outside);
    EXPECT_FALSE(fieldMark("MAINFORM", "EDIT18", "", kEnglishSI).outside);
    // EDIT84: a tube outlet temperature (K) or a surface tension (kgf/m).
    EXPECT_FALSE(fieldMark("FORM7", "EDIT84", "0.004", kEnglishSI).outside);
    EXPECT_FALSE(fieldMark("FORM7", "EDIT84", "330", kEnglishSI).outside);
    EXPECT_TRUE(fieldMark("FORM7", "EDIT84", "-5", kEnglishSI).outside);
}

std::vector<std::string> endedWith(const DesignCase& dc, const Solution& r) {
    ScriptedConsole console;
    console.queueAnswer("");
    try {
        checkHeatExchanged(dc, r, console);
    } catch (const RunEnded& e) {
        return {e.what()};
    }
    return {};
}

TEST(EntryChecks, NoHeatExchangedNamesTheSide) {
    DesignCase dc = soundCase();
    dc.Wt = dc.Ws = 10.0f;  // ton/h
    Solution r;
    r.T1 = 20.0f;
    r.T3 = 80.0f;
    r.Ct = r.Cs = 1.0f;
    r.Xt = 3000.0f;
    r.Xs = 2000.0f;
    r.At = r.As = 10.0f;
    r.KO = 800.0f;
    r.Q = 250000.0f;  // kcal/h
    EXPECT_TRUE(endedWith(dc, r).empty());

    // The shell film conducts nothing: the shell side carries no heat.
    r.Q = 0.5f;  // below a millionth of 10 t/h × 60 K
    dc.enteredShellFactor = 1e-30f;
    r.KO = 1e-27f;
    std::vector<std::string> ended = endedWith(dc, r);
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_NE(ended[0].find("the shell side carries no heat"), std::string::npos) << ended[0];

    // Both films conduct, the wall does not.
    dc.enteredShellFactor = 1.0f;
    r.KO = 0.0f;
    r.Q = 0.0f;
    ended = endedWith(dc, r);
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_NE(ended[0].find("wall conductivity or a fouling factor"), std::string::npos);
}

}  // namespace
}  // namespace hx
