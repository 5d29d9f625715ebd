// A case solved without windows, as the batch commands run it: prepared and
// solved with a progress that draws nothing, the end-of-solution checks and
// the automatic area adjustment applied as in the windows, every console
// question answered from the case's answers or by its default, and every
// iteration limit answered by a policy.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "calc/case/run_inputs.h"
#include "calc/solver/solution.h"
#include "calc/solver/solver_progress.h"
#include "console/text_console.h"

namespace hx {

// Console answers by question key (window_tubes, window_rows,
// dew_point_choice, prandtl_force, excess_area). Unanswered questions take
// their defaults: Enter for the window counts and the Prandtl question, "1"
// for the dew-point choice (end the run) and for the excess area (shorten
// the tubes), so that no question repeats for ever.
using ConsoleAnswers = std::map<std::string, std::string>;

// A console that shows nothing, answers from ConsoleAnswers, and keeps the
// lines printed after record() was called.
class AnsweringConsole final : public TextConsole {
public:
    explicit AnsweringConsole(const ConsoleAnswers& answers) : answers_(answers) {}
    void record(bool on) { recording_ = on; }
    const std::vector<std::string>& lines() const { return lines_; }
    // The last question asked (its answers key, "limit" for an iteration
    // limit) and the lines on the screen when it was asked.
    const std::string& question() const { return question_; }
    const std::vector<std::string>& questionScreen() const { return questionScreen_; }

protected:
    void lineCompleted(int row) override;
    void cleared() override { screen_.clear(); }
    std::string readLine(const std::string& prompt) override;
    std::string readKey() override { return {}; }

private:
    const ConsoleAnswers& answers_;
    bool recording_ = false;
    int windowQuestions_ = 0;
    int questionsAsked_ = 0;
    std::vector<std::string> lines_;
    std::vector<std::string> screen_;  // the lines since the last clear
    std::string question_;
    std::vector<std::string> questionScreen_;
};

struct HeadlessOutcome {
    bool solved = false;
    std::vector<std::string> message;  // the lines of the message a run ended with
    // The console question whose answer ended the run (its answers key),
    // when the run ended by an answer rather than with a message.
    std::string endedBy;
    std::vector<std::string> warnings;  // lines the solve and its checks printed
    int passes = 0;                     // passes of the efficiency loop, all solves
    int loosened = 0;                   // iteration limits answered by loosening
    std::optional<RunInputs> inputs;    // the inputs of the last solve
    Solution solution;
};

// Solves one case. `keepLines` records the warnings (a sweep does not).
// With a trace the solve writes its calculation into it; a run that ends
// with a message leaves the steps up to that point and the message there.
HeadlessOutcome runHeadless(const EnteredCase& entered, const ConsoleAnswers& answers,
                            LimitPolicy policy, bool keepLines, CalcTrace* trace = nullptr);

}  // namespace hx
