// The result form, the flow figure and the weight table: units and captions
// by presentation, the phase-changing side without an efficiency, the
// finned area, the wet gas at the nozzles, whole-number fields of any size,
// the weight that cannot be right, and the P key of the results menu.
#include "report/screen/result_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "core/option_codes.h"
#include "model/inventory.h"
#include "model/session.h"
#include "report/screen/flow_figure.h"
#include "report/screen/results_menu.h"
#include "report/screen/weight_table.h"

namespace hx {
namespace {

constexpr Presentation kEE = Presentation::EnglishEngineering;
constexpr Presentation kESI = Presentation::EnglishSI;
constexpr Presentation kJE = Presentation::JapaneseEngineering;

// Water/water: 10 t/h on each side, 100 tubes, 2 m, shell 0.45 m; the
// tube water cooled from 80 to 70 ℃, the shell water heated from 20 to 30 ℃.
struct Case {
    RunInputs in;
    Solution r;
};

Case waterCase() {
    Case c;
    DesignCase& dc = c.in.dc;
    dc.exchangerType = kShellAndTube;
    dc.fluidMode = kSensible;
    dc.NT = 100.0f;
    dc.D0 = 0.019f;
    Solution& r = c.r;
    r.T1 = 20.0f, r.T2 = 30.0f, r.T3 = 80.0f, r.T4 = 70.0f;
    r.tubeMassFlowTonH = 10.0f;
    r.shellMassFlowTonH = 10.0f;
    r.shellDiameter = 0.45f;
    r.TL = 2.0f;
    r.DPt = 0.05f, r.DPs = 0.02f;
    r.Et = 0.25f, r.Es = 0.2f;
    r.Q = 100000.0f, r.KI = 500.0f, r.KO = 400.0f, r.TM = 50.0f;
    r.At = 10.0f, r.As = 12.0f, r.Asf = 30.0f;
    r.Xt = 2000.0f, r.Xs = 1500.0f;
    return c;
}

std::string field(const FormStore& f, const char* form, const char* name) {
    return f.text(form, name);
}

struct Forms {
    FormStore store;
    Forms() { buildInventory(store); }
};

TEST(ResultForm, UnitsFollowThePresentation) {
    const Case c = waterCase();
    // English engineering: ton/h as its label says; a liquid's drop in
    // kg/cm2 as the summary shows it, a gas's in mmAq = kgf/cm2 × 10000.
    const ResultFormValues ee = resultFormValues(kEE, c.in, c.r);
    EXPECT_FLOAT_EQ(ee.tubeInFlow, 10.0f);
    EXPECT_FLOAT_EQ(ee.DPt, 0.05f);
    EXPECT_FLOAT_EQ(ee.DS, 450.0f);
    EXPECT_FLOAT_EQ(ee.TL, 2000.0f);
    EXPECT_FLOAT_EQ(*ee.Et, 25.0f);
    // Japanese engineering: the same flow in kg/h.
    EXPECT_FLOAT_EQ(resultFormValues(kJE, c.in, c.r).tubeInFlow, 10000.0f);
    // SI: 10000 kg/h = 2.777778 kg/s; 0.05 kgf/cm2 = 0.0049 MPa = 4900 Pa;
    // 100000 kcal/h × 1.163 = 116300 W; 80 ℃ = 353 K; lengths stay mm.
    const ResultFormValues si = resultFormValues(kESI, c.in, c.r);
    EXPECT_NEAR(si.tubeInFlow, 2.777778f, 1e-5f);
    EXPECT_NEAR(si.DPt, 0.0049f, 1e-7f);
    EXPECT_NEAR(si.DPtHead, 4900.0f, 0.01f);
    EXPECT_NEAR(si.Q, 116300.0f, 0.5f);
    EXPECT_NEAR(si.KI, 581.5f, 0.01f);
    EXPECT_FLOAT_EQ(si.tubeIn, 353.0f);
    EXPECT_FLOAT_EQ(si.DS, 450.0f);
    EXPECT_FLOAT_EQ(si.TM, 50.0f);

    Forms f;
    fillResultForm(f.store, kESI, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "TEXT330"), "K");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT331"), "kg/s");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT338"), "MPa (Pa)");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT350"), "     W");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT351"), "   W/m2K");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT61"), "116300");
    fillResultForm(f.store, kJE, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "TEXT300"), "        項目");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT331"), "kg/h");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT351"), " kcal/m2h℃");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT61"), "100000");
}

TEST(ResultForm, PhaseChangingSideHasNoEfficiencyAndLosesItsRate) {
    Case tube = waterCase();
    tube.in.dc.fluidMode = kTubePhaseChange;
    tube.in.dc.phaseChange = kEvaporation;
    tube.r.tubeCondensation = 400.0f;  // kg/h
    Forms f;
    fillResultForm(f.store, kJE, tube.in, tube.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT59"), "    ― ");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT60"), "20.00");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT54"), "400.0");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT53"), "9600.0");  // 10000 − 400 kg/h
    EXPECT_EQ(field(f.store, "FORM4", "TEXT314"), "管内側蒸発量");

    Case shell = waterCase();
    shell.in.dc.fluidMode = kShellPhaseChange;
    shell.in.dc.phaseChange = kCondensation;
    shell.r.shellCondensation = 250.0f;
    fillResultForm(f.store, kEE, shell.in, shell.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT59"), "25.00");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT60"), "    ― ");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT72"), "0.2500");  // ton/h
    EXPECT_EQ(field(f.store, "FORM4", "EDIT45"), "9.7500");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT315"), "Shell condensate");
}

TEST(ResultForm, LowFinTubesShowTheFinnedArea) {
    Case c = waterCase();
    EXPECT_FLOAT_EQ(resultFormValues(kEE, c.in, c.r).outsideArea, 12.0f);
    c.in.dc.lowFin = true;
    EXPECT_FLOAT_EQ(resultFormValues(kEE, c.in, c.r).outsideArea, 30.0f);
    // SI takes the finned area from the tube geometry, as the SI summary does:
    // it grows with the fins over the bare 3.14·D0·NT·TL = 11.932 m2.
    c.in.dc.FT = 0.0003f, c.in.dc.FH = 0.0014f, c.in.dc.FN = 19.0f;
    const float si = resultFormValues(kESI, c.in, c.r).outsideArea;
    EXPECT_GT(si, 11.932f * 1.5f);
}

// The digits of the summary's pictures (Tto=###.##, Wt=######.#, KI=####.#,
// DPs=##.#####), not the float's own; a drop too small for the MPa digits
// shows its Pa value beside them; a gas's tube drop in mmAq (Pa) alone.
TEST(ResultForm, ValuesHaveTheDigitsOfTheSummary) {
    Case c = waterCase();
    c.r.T2 = 29.89304f, c.r.KI = 251.3502f, c.r.DPt = 0.0000296f, c.r.DPs = 0.00109f;
    c.r.As = 8.478001f;
    Forms f;
    fillResultForm(f.store, kJE, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT44"), "29.89");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT48"), "10000.0");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT62"), "251.4");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT66"), "8.48");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT58"), "0.00003 (0.3)");  // mmAq in brackets
    EXPECT_EQ(field(f.store, "FORM4", "EDIT57"), "0.00109 (10.9)");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT338"), "kg/cm2 (mmAq)");
    // 0.00109 kgf/cm2 × 0.098 = 0.000107 MPa = 106.8 Pa.
    fillResultForm(f.store, kESI, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT57"), "0.0001 (106.8)");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT58"), "0.0000 (2.9)");
    c.in.dc.tubePhase = TubePhase::Gas;
    fillResultForm(f.store, kESI, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT58"), "2.9");
    EXPECT_EQ(field(f.store, "FORM4", "TEXT338"), "Pa, MPa (Pa)");
    fillResultForm(f.store, kEE, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT58"), "0.3");  // mmAq
    EXPECT_EQ(field(f.store, "FORM4", "TEXT338"), "mmAq, kg/cm2 (mmAq)");
}

TEST(FlowFigure, WetGasShowsSaturationDrainAndWater) {
    Case c = waterCase();
    c.in.dc.fluidMode = kTubeWetGas;
    c.in.dc.wetGas = true;
    c.in.dc.H2O = 0.05f;  // 5 vol %
    c.r.Tzi = 33.0f, c.r.TZo = 21.0f;
    c.r.Wcon = 40.0f, c.r.GWo = 9960.0f;
    c.r.Xi = 0.032f, c.r.Xo = 0.016f;
    Forms f;
    fillFlowFigure(f.store, kEE, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM3", "TEXT402"), "33");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT405"), "9960");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT430"), "Tube drain(kg/h)");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT408"), "40");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT409"), "5");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT419"), "2.5");  // half the humidity left
    fillFlowFigure(f.store, Presentation::JapaneseSI, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM3", "TEXT430"), "管内側凝縮量kg/s");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT405"), "2.766667");  // 9960 kg/h
    fillResultForm(f.store, kEE, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT47"), "33.00");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT53"), "9.9600");  // 10 − 0.04 ton/h

    // A dry run empties the wet-gas labels again.
    c.in.dc.wetGas = false;
    fillFlowFigure(f.store, kEE, c.in, c.r);
    EXPECT_EQ(field(f.store, "FORM3", "TEXT430"), "");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT409"), "");
    EXPECT_EQ(field(f.store, "FORM3", "TEXT402"), "80");
    c.in.dc.fluidMode = kTubePhaseChange;
    EXPECT_FALSE(hasFlowFigure(c.in.dc));
}

TEST(WeightTable, WholeNumbersOfAnySize) {
    const std::pair<float, const char*> rows[] = {
        {24.4f, "24"},       {24.5f, "25"},       {-2.5f, "-3"},         {-0.4f, "0"},
        {32767.5f, "32768"}, {40000.2f, "40000"}, {-40000.7f, "-40001"}, {1.0e9f, "1000000000"},
    };
    for (auto [value, text] : rows) EXPECT_EQ(wholeNumberText(value), text) << value;
}

TEST(WeightTable, UnsoundEstimateShowsDashesNotWeights) {
    WeightEstimate w;
    w.tubes = {63.67919f, 1.0f, 7800.0f, 27.0f};
    w.tubeSheets = {-120.4f, 10.0f, 7800.0f, 200.0f};
    w.other = 22.0f;
    w.total = -34.7f;
    w.sound = false;
    Forms f;
    fillWeightTable(f.store, w);
    for (const char* weight : {"EDIT134", "EDIT135", "EDIT136", "EDIT137", "EDIT138"})
        EXPECT_EQ(field(f.store, "FORM4", weight), "    ― ") << weight;
    EXPECT_EQ(field(f.store, "FORM4", "EDIT151"), "200");
    w.sound = true;
    fillWeightTable(f.store, w);
    EXPECT_EQ(field(f.store, "FORM4", "EDIT134"), "63.67919");
    EXPECT_EQ(field(f.store, "FORM4", "EDIT138"), "-35");
}

// Through the results menu: the forms follow each summary; P closes them
// and shows them again; a weight that cannot be right leaves a line under
// the summary and the thermal results in place.
struct MenuRig {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    Case c = waterCase();
    MenuRig() { buildInventory(session.forms); }
    void run(std::initializer_list<const char*> keys) {
        for (const char* k : keys) console.queueAnswer(k);
        runResultsMenu(session, c.in, c.r);
    }
    bool printed(const std::string& text) const {
        const auto& t = console.transcript();
        return std::any_of(t.begin(), t.end(), [&](const std::string& line) {
            return line.find(text) != std::string::npos;
        });
    }
};

TEST(ResultsMenuForms, PClosesAndReopensTheForms) {
    MenuRig rig;
    rig.run({"P", "4"});
    EXPECT_FALSE(rig.session.forms.formVisible("FORM4"));
    EXPECT_FALSE(rig.session.forms.formVisible("FORM3"));
    MenuRig again;
    again.run({"P", "p", "2", "4"});
    EXPECT_TRUE(again.session.forms.formVisible("FORM4"));
    EXPECT_TRUE(again.session.forms.formVisible("FORM3"));
    EXPECT_EQ(again.session.forms.text("FORM4", "TEXT338"), "MPa (Pa)");
    const auto& loaded = again.platform.bitmapsLoaded();
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), "vorn2-4J.bmp"), 3);
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), "vornfig1.bmp"), 3);
}

TEST(ResultsMenuForms, WeightFailureLeavesTheThermalResults) {
    MenuRig rig;
    rig.c.in.dc.weightCalculation = 1;
    // Tube sheets of 100 mm: less than the holes of 100 tubes of 19 mm.
    rig.c.in.dc.weight = {10.0f, 7800.0f, 100.0f, 2.0f,    5.0f, 7800.0f,
                          5.0f,  7800.0f, 10.0f,  7800.0f, 22.0f};
    rig.run({"3", "4"});
    EXPECT_TRUE(rig.printed(weightFailedLine(kEE)));
    EXPECT_TRUE(rig.printed(weightFailedLine(kJE)));
    EXPECT_TRUE(rig.printed("SHELL AND TUBE HEAT EXCHANGER COMPUTER PROGRAM"));
    EXPECT_EQ(rig.session.forms.text("FORM4", "EDIT138"), "    ― ");
    EXPECT_EQ(rig.session.forms.text("FORM4", "EDIT61"), "100000");

    // The option off leaves the table as it was.
    MenuRig off;
    off.c.in.dc.weightCalculation = 2;
    off.run({"4"});
    EXPECT_EQ(off.session.forms.text("FORM4", "EDIT138"), "");
}

// One pass (or any odd number) leaves at the return head: the drawings
// with the tube outlet there; even passes come back to the channel head.
TEST(FlowFigure, SensibleShowsTheShellFlowsAndNozzlesFollowThePasses) {
    for (const float passes : {1.0f, 2.0f, 3.0f}) {
        MenuRig rig;
        rig.c.in.dc.PN = passes;
        rig.run({"4"});
        const bool odd = passes != 2.0f;
        EXPECT_EQ(rig.platform.bitmapsLoaded(),
                  (std::vector<std::string>{odd ? "vorn2-4J_odd.bmp" : "vorn2-4J.bmp",
                                            odd ? "vornfig1_odd.bmp" : "vornfig1.bmp"}));
        EXPECT_EQ(rig.session.forms.text("FORM3", "TEXT406"), "10000");  // Ws in, kg/h
        EXPECT_EQ(rig.session.forms.text("FORM3", "TEXT407"), "10000");
        EXPECT_EQ(rig.session.forms.text("FORM3", "TEXT427"), "kg/h");
    }
}

}  // namespace
}  // namespace hx
