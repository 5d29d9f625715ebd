// How the thermal solver reports while it works: its passes, the balance
// lines of the design cases, the screens it starts, and its iteration
// limits. The console progress draws the progress screen and asks the user
// at a limit, as the desktop and the replay show it; the null progress
// draws nothing and answers a limit by a fixed policy, for batch runs and
// sweeps.
#pragma once

#include <algorithm>
#include <vector>

#include "calc/checks/limit_dialogs.h"
#include "calc/solver/progress_screen.h"
#include "calc/solver/progress_values.h"
#include "calc/wet_gas/wet_gas_balance.h"
#include "console/null_console.h"
#include "console/text_console.h"
#include "core/calc_trace.h"

namespace hx {

class SolverProgress {
public:
    virtual ~SolverProgress() = default;

    // Where the solver's warnings, questions and halts are shown.
    virtual TextConsole& console() = 0;

    // After each pass of the efficiency loop.
    virtual void pass(const ProgressValues& v) = 0;
    // The balance loop of a design case: the guess of the outlet being
    // found, its value from the heat balance, and K1.
    virtual void tubeOutletBalance(float guess, float balance, float K1) = 0;
    // The tube outlet given: the shell outlet from the tube heat against
    // the one the properties were taken at.
    virtual void shellOutletCheck(float T2X, float T2) = 0;
    // The solver starts a new screen (the window is cleared).
    virtual void newScreen() = 0;
    // An iteration limit of loop `loop`: returns to go on with a loosened
    // tolerance; giving up throws RunEnded.
    virtual void atLimit(LimitLoop loop, int unitCode) = 0;
    // The wet-gas balance: its pass counter (Calc. Limit 5) on every pass,
    // and its box after each adjustment of the gas outlet.
    virtual void wetGasLoopCount(int /*n5*/) {}
    virtual void wetGasBox(const WetGasProgressBox& /*box*/) {}

    // The correlations already warned of as out of range in this run: a run
    // that solves again (the area adjustment of a condenser) warns once.
    // The calculation trace the solve writes into: none (off) unless a
    // trace was attached.
    CalcTrace& trace() { return trace_ != nullptr ? *trace_ : off_; }
    void attachTrace(CalcTrace& trace) { trace_ = &trace; }

    bool warned(const void* card) const {
        return std::find(warned_.begin(), warned_.end(), card) != warned_.end();
    }
    void noteWarned(const void* card) { warned_.push_back(card); }

private:
    std::vector<const void*> warned_;
    CalcTrace off_;
    CalcTrace* trace_ = nullptr;
};

// The progress screen in the text window, with the limit dialogs.
class ConsoleProgress final : public SolverProgress {
public:
    explicit ConsoleProgress(TextConsole& console) : console_(console) {}

    TextConsole& console() override { return console_; }
    void pass(const ProgressValues& v) override { screen_.show(console_, v); }
    void tubeOutletBalance(float guess, float balance, float K1) override {
        showTubeOutletBalance(console_, guess, balance, K1);
    }
    void shellOutletCheck(float T2X, float T2) override { showShellOutletCheck(console_, T2X, T2); }
    void newScreen() override { console_.clear(); }
    void atLimit(LimitLoop loop, int unitCode) override {
        askAtIterationLimit(console_, unitCode, loop);
    }
    void wetGasLoopCount(int n5) override { showWetGasLoopCount(console_, n5); }
    void wetGasBox(const WetGasProgressBox& box) override { showWetGasProgressBox(console_, box); }

private:
    TextConsole& console_;
    ProgressScreen screen_;
};

// What a headless solve does at an iteration limit: go on with a loosened
// tolerance at most `loosenTimes` times in all, then give up.
struct LimitPolicy {
    int loosenTimes = 0;
};

// Nothing shown; the messages and warnings of the correlations go to a
// console that keeps no transcript, and every question there is answered
// with an empty line.
class NullProgress final : public SolverProgress {
public:
    explicit NullProgress(LimitPolicy policy = {}) : policy_(policy) {}

    TextConsole& console() override { return console_; }
    void pass(const ProgressValues&) override {}
    void tubeOutletBalance(float, float, float) override {}
    void shellOutletCheck(float, float) override {}
    void newScreen() override { console_.clear(); }
    void atLimit(LimitLoop loop, int unitCode) override;

    // How many times a limit was met and the tolerance loosened.
    int loosened() const { return loosened_; }

private:
    LimitPolicy policy_;
    int loosened_ = 0;
    NullConsole console_;
};

}  // namespace hx
