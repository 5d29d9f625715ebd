#include "program/batch/headless_run.h"

#include <sstream>

#include "calc/case/prepare.h"
#include "calc/checks/console_questions.h"
#include "calc/checks/reportable_solution.h"
#include "calc/solver/area_adjustment.h"
#include "calc/solver/thermal_solver.h"
#include "core/run_ended.h"

namespace hx {

namespace {

// A run that keeps asking (an answer the question never accepts) ends
// after this many questions rather than hanging.
constexpr int kMostQuestions = 1000;

std::string answerOr(const ConsoleAnswers& answers, const char* key, const char* fallback) {
    const auto it = answers.find(key);
    return it == answers.end() ? fallback : it->second;
}

bool isPrompt(const std::string& prompt, QuestionId id) {
    return prompt == consoleQuestion(id).prompt;
}

// Progress that draws nothing, counts the passes and answers a limit by
// the policy.
class BatchProgress final : public SolverProgress {
public:
    BatchProgress(TextConsole& console, LimitPolicy policy) : console_(console), policy_(policy) {}
    TextConsole& console() override { return console_; }
    void pass(const ProgressValues&) override { ++passes; }
    void tubeOutletBalance(float, float, float) override {}
    void shellOutletCheck(float, float) override {}
    void newScreen() override { console_.clear(); }
    void atLimit(LimitLoop, int) override {
        if (loosened < policy_.loosenTimes) {
            ++loosened;
            return;
        }
        throw RunEnded("The run was given up at an iteration limit.");
    }
    int passes = 0;
    int loosened = 0;

private:
    TextConsole& console_;
    LimitPolicy policy_;
};

// The answers key of a question by its prompt.
std::string questionKey(const std::string& prompt) {
    if (isPrompt(prompt, QuestionId::WindowTubes)) return "window_tubes";
    if (isPrompt(prompt, QuestionId::DewPointChoice)) return "dew_point_choice";
    if (isPrompt(prompt, QuestionId::PrandtlForce)) return "prandtl_force";
    if (isPrompt(prompt, QuestionId::LimitJapanese) || isPrompt(prompt, QuestionId::LimitEnglish))
        return "limit";
    if (!prompt.empty() && prompt.find_first_not_of(" 　") == std::string::npos)
        return "excess_area";
    return "";
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

void AnsweringConsole::lineCompleted(int row) {
    std::string text = rowTextAt(row);
    if (text.find_first_not_of(" 　") == std::string::npos) return;
    screen_.push_back(text);
    if (recording_) lines_.push_back(std::move(text));
}

std::string AnsweringConsole::readLine(const std::string& prompt) {
    if (++questionsAsked_ > kMostQuestions)
        throw RunEnded("The run asked the same question again and again; it was ended.");
    question_ = questionKey(prompt);
    questionScreen_ = screen_;
    if (isPrompt(prompt, QuestionId::WindowTubes)) {
        // Both window questions show the same prompt: tubes first, then rows.
        const bool tubes = windowQuestions_++ % 2 == 0;
        return answerOr(answers_, tubes ? "window_tubes" : "window_rows", "");
    }
    if (isPrompt(prompt, QuestionId::DewPointChoice))
        return answerOr(answers_, "dew_point_choice", "1");
    if (isPrompt(prompt, QuestionId::PrandtlForce)) return answerOr(answers_, "prandtl_force", "");
    if (prompt.find_first_not_of(" 　") == std::string::npos && !prompt.empty() &&
        !isPrompt(prompt, QuestionId::LimitJapanese) && !isPrompt(prompt, QuestionId::LimitEnglish))
        return answerOr(answers_, "excess_area", "1");
    return {};
}

HeadlessOutcome runHeadless(const EnteredCase& entered, const ConsoleAnswers& answers,
                            LimitPolicy policy, bool keepLines, CalcTrace* trace) {
    HeadlessOutcome outcome;
    AnsweringConsole console(answers);
    BatchProgress progress(console, policy);
    if (trace != nullptr) progress.attachTrace(*trace);
    try {
        RunInputs inputs = prepare(entered, console);
        console.record(keepLines);
        AreaAdjustment adjustment;
        for (;;) {
            const Solution solution = solve(inputs, progress);
            if (std::optional<RunInputs> adjusted =
                    checkPhaseChangeSolution(inputs, solution, console, adjustment)) {
                inputs = std::move(*adjusted);
                continue;
            }
            checkSolution(inputs, solution, console);
            outcome.solved = true;
            outcome.inputs = std::move(inputs);
            outcome.solution = solution;
            break;
        }
    } catch (const RunEnded& e) {
        if (e.message.empty() && !console.question().empty()) {
            // Ended by an answer: the screen of the question tells why.
            outcome.endedBy = console.question();
            outcome.message = console.questionScreen();
        }
        if (outcome.message.empty()) outcome.message = splitLines(e.what());
        if (trace != nullptr) trace->endWith(outcome.message);
    }
    outcome.passes = progress.passes;
    outcome.loosened = progress.loosened;
    outcome.warnings = console.lines();
    return outcome;
}

}  // namespace hx
