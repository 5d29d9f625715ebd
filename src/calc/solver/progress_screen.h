// What the thermal solver shows while it iterates: the progress rows it
// rewrites at fixed positions on every pass of the efficiency loop, the
// balance lines of the design cases, and the two halts of the solver.
#pragma once

#include <initializer_list>

#include "calc/solver/progress_values.h"
#include "console/number_picture.h"
#include "console/text_console.h"

namespace hx {

// Rows 5 to 22 of the progress screen (column 0), rewritten on every pass.
// A row whose picture and values are those it already shows on the same
// page is left as it stands: the solver rewrites the screen thousands of
// times and most rows do not change from one pass to the next.
class ProgressScreen {
public:
    void show(TextConsole& console, const ProgressValues& v);

private:
    static constexpr int kRows = 23;
    static constexpr int kMaxValues = 4;
    struct Row {
        const char* picture = nullptr;
        float values[kMaxValues] = {};
        int count = 0;
    };
    void at(TextConsole& c, int row, const char* text);
    void at(TextConsole& c, int row, const char* picture, std::initializer_list<float> values);
    void limitBox(TextConsole& c, const ProgressValues& v);
    void fluidLines(TextConsole& c, const ProgressValues& v);
    Row rows_[kRows];
    long page_ = -1;
};

// The balance loop of a design case: the guess of the outlet being found,
// its value from the heat balance and K1, at row 10 (row 11 for K1 with the
// shell outlet guess).
void showTubeOutletBalance(TextConsole& console, float guess, float balance, float K1);
void showShellOutletBalance(TextConsole& console, float guess, float balance, float K1);

// The tube outlet given: the shell outlet from the tube heat T2X against the
// T2 of the pass, rows 10 and 11.
void showShellOutletCheck(TextConsole& console, float T2X, float T2);

// The mean temperature difference overflowed (above 1000 ℃): halt, RunEnded.
[[noreturn]] void haltOnOverflow(TextConsole& console);

// The total pass count reached its limit: halt, RunEnded.
[[noreturn]] void haltOnNoConvergence(TextConsole& console);

// A quantity the solver needs became infinite or not a number: one line in
// the run's language, halt, RunEnded.
[[noreturn]] void haltOnNonFinite(TextConsole& console, int unitCode);

inline constexpr const char* kCalculationFailedJapanese =
    "    計算不能：入力条件を見直してください。";
inline constexpr const char* kCalculationFailedEnglish =
    "    Calculation failed: check the input conditions.";

}  // namespace hx
