// The batch commands over case files: one case solved and printed as the
// text window shows its summary or as JSON, and a sweep of a grid of
// inputs, solved on several threads, written as CSV or JSON.
#pragma once

#include <atomic>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

#include "calc/case/read_design_case.h"
#include "calc/case/run_inputs.h"
#include "calc/solver/solver_progress.h"
#include "program/batch/headless_run.h"
#include "program/session/case_file.h"
#include "report/screen/presentation.h"

namespace hx {

// Exit statuses of the batch commands.
enum BatchStatus : int {
    kBatchSolved = 0,
    kBatchRunEnded = 1,  // the run ended with a message (printed)
    kBatchBadInput = 2,  // bad command line or case file
};

// The case as the forms hold it once the dialogs have entered it, read as
// the start button reads it. Throws CaseFileError.
EnteredCase enteredCaseOf(const CaseValues& values, const std::string& fileName);

// The summary as the text window shows it after a run, line by line.
std::vector<std::string> summaryLines(const HeadlessOutcome& outcome, Presentation p);

// The JSON of a solve: every input with its unit, every result quantity
// in the units of p, the warnings, the message and the passes.
std::string solveJson(const CaseValues& values, const HeadlessOutcome& outcome, Presentation p);

// The message a run ended with, followed by why and what to change where
// the message itself does not say it (an answer to a console question, an
// overflow), in the language of p.
std::vector<std::string> endedLines(const HeadlessOutcome& outcome, Presentation p);

// One varied input: its catalogue key and the values it takes.
struct Variation {
    std::string key;
    std::vector<float> values;
};

// "KEY=FROM:TO:STEPS" (STEPS values from FROM to TO, both included) or
// "KEY=v1,v2,...", every number read whole and in the key's range. Throws
// CaseFileError naming the problem.
Variation parseVariation(const std::string& spec, const CaseValues& base);

// Refuses a varied input the case does not use (a fin thickness on plain
// tubes), as solve refuses it in a case file. Throws CaseFileError.
void checkVariationsApply(const std::vector<Variation>& variations, const CaseValues& base,
                          const std::string& fileName);

// Sets one input of an entered case as typing its value into its field
// would.
void setEnteredInput(EnteredCase& entered, const std::string& key, float value);

struct SweepRow {
    std::vector<float> varied;  // one value per variation
    bool solved = false;
    std::string status;          // "solved" or the message, lines joined by " / "
    std::vector<float> results;  // one per result quantity, in the units of p
};

// The case fields each varied input is typed into, looked up once for a
// sweep (a field may feed two members of the case).
using VariedFields = std::vector<std::vector<const CaseField*>>;
VariedFields variedFieldsOf(const std::vector<Variation>& variations);

// Case `index` of the grid (the first variation outermost, the last
// running fastest), solved.
SweepRow solveSweepCase(const EnteredCase& base, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, std::size_t index,
                        LimitPolicy policy, Presentation p);
SweepRow solveSweepCase(const EnteredCase& base, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, const VariedFields& fields,
                        std::size_t index, LimitPolicy policy, Presentation p);

// The full grid (the first variation outermost), solved on `jobs` threads;
// rows in grid order. `done` counts finished cases as they finish.
std::vector<SweepRow> runSweep(const EnteredCase& base, const ConsoleAnswers& answers,
                               const std::vector<Variation>& variations, int jobs,
                               LimitPolicy policy, Presentation p, std::atomic<std::size_t>* done);

}  // namespace hx
