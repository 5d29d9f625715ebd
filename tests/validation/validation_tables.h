// The numbers of the validation suite: the program's correlations and
// solutions measured against independent references (IAPWS-IF97 water,
// the closed forms of the 1-2N shell, a textbook Bell–Delaware calculation
// of the sample, the heat balance of solved cases). The tests compare them
// with their limits; validationDocument() writes them as docs/VALIDATION.md.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace hx::validation {

// A file of tests/validation/data.
std::string dataPath(const std::string& name);

// ---------------------------------------------------------------------------
// Water against IAPWS-IF97, relative errors in per cent (program − IF97).

struct WaterRow {
    double t = 0.0;  // ℃
    double density = 0.0, specificHeat = 0.0, kinematicViscosity = 0.0, conductivity = 0.0;
};
struct WaterComparison {
    std::vector<WaterRow> rows;
    WaterRow largest;  // the largest magnitude of each error (t unused)
};
// The rows of the reference table from fromC to toC inclusive.
WaterComparison compareWater(double fromC, double toC);

// The limits of the water correlations from 1 to 99 ℃, per cent.
inline constexpr WaterRow kWaterLimits{0.0, 0.9, 0.2, 3.0, 1.5};

// ---------------------------------------------------------------------------
// The 1-2N shell: the program's single-precision ε and Bowman F against the
// closed forms in double precision over a grid of R and NTU.

struct ShellFormRow {
    double R = 0.0, NTU = 0.0;
    double eps = 0.0;          // closed form
    double epsError = 0.0;     // program's relative error
    double F = 0.0;            // F the effectiveness implies: ε·ΔT_in/(NTU·ΔTlm)
    double bowmanError = 0.0;  // program's Bowman F relative to it
};
std::vector<ShellFormRow> compareShellForms();

// ---------------------------------------------------------------------------
// The sample's shell side on the textbook basis against the reference file.

struct SampleRow {
    std::string quantity;  // as the reference file names it
    double reference = 0.0;
    double program = 0.0;
};
// Case A of the reference (the program's property values) at the tube layout given.
std::vector<SampleRow> compareTextbookSample(float layoutDeg);
// The value of a row by its name.
double rowValue(const std::vector<SampleRow>& rows, const std::string& quantity, bool reference);
// The reference's coefficient (W/m2K) and drop (Pa) of the 90° layout.
std::map<std::string, double> squareLayoutReference();

// The sample solved on each basis, as the summary prints it.
struct PrintedSample {
    double originalXs = 0.0, originalDPs = 0.0;  // W/m2K, Pa
    double textbookXs = 0.0, textbookDPs = 0.0;
    double viscosityTerm = 0.0;  // (μ/μ_w)^0.14 of the textbook run
    // Case A's coefficient with the run's viscosity term in place of the
    // original ratio case A keeps, W/m2K.
    double referenceXs = 0.0;
};
PrintedSample printedSample();

// ---------------------------------------------------------------------------
// Heat balance of solved cases: Q, the tube heat, the shell heat and
// KI·At·TM, relative to Q.

struct ClosureCase {
    std::string label;
    int basis = 1;
    double tubeHeat = 0.0, shellHeat = 0.0, transfer = 0.0;  // relative deviations from Q
    double areaRatio = 0.0;  // At over the tube area of the length (ratings), − 1
    bool solved = false;
};
std::vector<ClosureCase> closureGrid();

// The two-pass sample at R = 1 and NTU 2 on the textbook basis: the duty
// solved and the 1-2N closed-form duty, kcal/h.
struct TwoPassDuty {
    double solved = 0.0;
    double closedForm = 0.0;
    double counterFlow = 0.0;  // what pure counter-flow would give
    double R = 0.0, NTU = 0.0;
};
TwoPassDuty twoPassAtEqualRates();

// The whole of docs/VALIDATION.md.
std::string validationDocument();

}  // namespace hx::validation
