#include "program/session/sample_cases.h"

#include <string>

#include "core/option_codes.h"
#include "model/geometry_column.h"
#include "model/inventory.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";

// The mark of a field that does not apply (reads as 0): an ideographic
// space, a blank and a heavy horizontal bar.
constexpr const char* kNotApplicable = "\u3000 ━";

// The baffle fields of the shell side; they do not apply to a double tube.
constexpr const char* kBaffleFields[] = {"EDIT45", "EDIT29", "EDIT46", "EDIT47", "EDIT48",
                                         "EDIT49", "EDIT50", "EDIT51", "EDIT52"};

struct SampleField {
    const char* field;
    const char* shellAndTube;  // nullptr: set by a rule of its own
    const char* doubleTube;
};

// The worked examples. Shell-and-tube: 10 ton/h on both sides through
// 27/25 mm plain tubes at pitch ratio 1.25, one pass, baffles 250 mm apart
// cut at 0.4 of the shell radius. Double tube: 500 kg/h on both sides, a
// 16/14 mm inner tube in a 20 mm outer tube, no baffles.
constexpr SampleField kSample[] = {
    {"EDIT75", "   10", "  500"},               // tube-side flow, ton/h | kg/h
    {"EDIT76", "   10", "  500"},               // shell-side flow, ton/h | kg/h
    {"EDIT2", "   27", "   16"},                // tube outside diameter, mm
    {"EDIT1", "   25", "   14"},                // tube inside diameter, mm
    {"EDIT3", "  1.25", "   20"},               // pitch ratio | outer tube diameter, mm
    {"EDIT25", "    1", "    1"},               // plain tube
    {"EDIT4", kNotApplicable, kNotApplicable},  // no fins
    {"EDIT5", kNotApplicable, kNotApplicable},
    {"EDIT6", kNotApplicable, kNotApplicable},
    {"EDIT16", "   ━", kNotApplicable},
    {"EDIT15", nullptr, "  340"},      // tube conductivity, by the unit code
    {"EDIT73", "    2", "    2"},      // no twisted tape
    {"EDIT17", " 0.0005", " 0.0005"},  // fouling factors
    {"EDIT18", " 0.0005", " 0.0005"},
    {"EDIT53", "    1", "    1"},          // counter-current cross flow
    {"EDIT19", "    1", "    1"},          // one tube pass
    {"EDIT45", "   250", kNotApplicable},  // baffle spacing, mm
    {"EDIT29", "    1", kNotApplicable},   // no tubes on the cut line
    {"EDIT46", "   0.4", kNotApplicable},  // baffle cut level
    {"EDIT47", "    0", kNotApplicable},
    {"EDIT52", "    0", kNotApplicable},
    {"EDIT48", "    0", kNotApplicable},
    {"EDIT50", "   15", kNotApplicable},   // shell / bundle gap, mm
    {"EDIT49", "   0.5", kNotApplicable},  // shell / baffle gap, mm
    {"EDIT51", "   0.2", kNotApplicable},  // baffle hole / tube gap, mm
    {"EDIT22", nullptr, "    1"},          // H2O content in percent
};

// Copper tubes: 395 W/mK, or 340 kcal/mh℃ in engineering units.
const char* shellAndTubeConductivity(int unitCode) { return isSI(unitCode) ? "   395" : "   340"; }

void loadShellAndTube(Session& s, int unitCode, int fluidMode, int wetGasBasis) {
    FormStore& f = s.forms;
    captionGeometry(f, kShellAndTube, unitCode);

    // The condensate film applies only to a wet gas in the tubes.
    f.setText(kMain, "EDIT28", "    0.1");
    f.setEnabled(kMain, "EDIT28", true);
    if (fluidMode == kSensible || fluidMode == kTubePhaseChange || fluidMode == kShellPhaseChange) {
        f.setText(kMain, "EDIT22", kNotApplicable);
        f.setText(kMain, "EDIT28", kNotApplicable);
    }
    if (wetGasBasis == kFromDewPoint) f.setText(kMain, "EDIT22", kNotApplicable);
    f.setEnabled(kMain, "EDIT22", true);

    f.setText(kMain, "TEXT33", "    ↓Sample data");
    s.console.clear();
    for (const SampleField& field : kSample)
        if (field.shellAndTube) f.setText(kMain, field.field, field.shellAndTube);
    f.setText(kMain, "EDIT15", shellAndTubeConductivity(unitCode));
    f.setText(kMain, "EDIT77", "0");

    f.setText(kMain, "RADIO7", isJapanese(unitCode) ? " S/T" : " Sample data");
    f.hideForm("FORM6");
}

void loadDoubleTube(Session& s, int unitCode) {
    FormStore& f = s.forms;
    captionGeometry(f, kDoubleTube, unitCode);
    f.setText(kMain, "TEXT33", "    ↓Sample data");
    s.console.clear();
    for (const SampleField& field : kSample) f.setText(kMain, field.field, field.doubleTube);
    f.setText(kMain, "EDIT77", "1");
    f.setText(kMain, "RADIO7", " S/T");
    f.setText(kMain, "RADIO8", isJapanese(unitCode) ? " 二重管式" : " Double Tube");
    f.hideForm("FORM6");
}

}  // namespace

void BUTTON35_ON(Session& session) {
    const FormStore& f = session.forms;
    const int fluidMode = static_cast<int>(f.number(kMain, "EDIT39"));
    const int unitCode = static_cast<int>(f.number(kMain, "EDIT74"));
    const int exchangerType = static_cast<int>(f.number(kMain, "EDIT114"));
    const int wetGasBasis = static_cast<int>(f.number("FORM10", "EDIT125"));
    if (exchangerType == kDoubleTube)
        loadDoubleTube(session, unitCode);
    else
        loadShellAndTube(session, unitCode, fluidMode, wetGasBasis);
}

void BUTTON23_ON(Session& session) {
    FormStore& f = session.forms;
    if (static_cast<int>(f.number(kMain, "EDIT77")) == 1) {
        // Double-tube sample: the baffle and fin fields go back to "does not apply".
        for (const char* field : {"EDIT25", "EDIT77", "EDIT53"}) f.setText(kMain, field, "");
        session.console.clear();
        for (const char* field : {"EDIT28", "EDIT22", "EDIT75", "EDIT76", "EDIT2", "EDIT1",
                                  "EDIT15", "EDIT19", "EDIT73", "EDIT17"})
            f.setText(kMain, field, "");
        for (const char* field : {"EDIT3", "EDIT16", "EDIT4", "EDIT5", "EDIT6", "EDIT18"})
            f.setText(kMain, field, kNotApplicable);
        for (const char* field : kBaffleFields) f.setText(kMain, field, kNotApplicable);
    } else {
        for (const char* field : {"EDIT28", "EDIT22", "EDIT25", "EDIT53"})
            f.setText(kMain, field, "");
        session.console.clear();
        for (const char* field : geometryColumnFields()) f.setText(kMain, field, "");
    }
    f.setEnabled(kMain, "RADIO7", true);
    f.setText(kMain, "TEXT33", "");
}

void registerSampleCaseHandlers(DispatchTable& table) {
    table.add(kMain, "BUTTON35", BUTTON35_ON);
    table.add(kMain, "BUTTON23", BUTTON23_ON);
}

}  // namespace hx
