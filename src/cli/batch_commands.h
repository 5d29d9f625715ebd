// The commands over case files: sample, solve, sweep and catalogue.
#pragma once

#include <string>
#include <vector>

namespace hx::cli {

struct SolveOptions {
    std::string caseFile;
    std::string units = "eng";       // eng | si
    std::string language = "en";     // en | ja
    std::string format = "text";     // text | json; with the trace md | html | json
    bool trace = false;              // print the calculation trace instead of the summary
    std::string onLimit = "giveup";  // giveup | loosen
    std::string profile;             // FILE.svg|.png|.csv: the temperatures along the exchanger
};

struct SweepOptions {
    std::string caseFile;
    std::vector<std::string> vary;
    int jobs = 1;
    std::string out;    // FILE.csv or FILE.json; empty: CSV on standard output
    std::string units;  // eng | si; empty: the case file's unit system
    std::string language = "en";
    std::string onLimit = "giveup";
    std::string plot;            // FILE.svg or FILE.png: the chart of the sweep
    std::string x;               // the varied input along x; empty: the first
    std::vector<std::string> y;  // the quantities plotted; empty: Q
    bool longNames = false;      // --names long: a second header row of long names
    std::string shard;           // "K/N": every N-th case from the K-th; empty: all
};

struct MergeOptions {
    std::vector<std::string> parts;  // the shards 1/N .. N/N of one sweep, in order
    std::string out;                 // empty: standard output
};

// The exit status of a command whose output could not be written.
constexpr int kOutputFailed = 2;

// Each returns the exit status: 0 solved (or written), 1 the run ended with
// a message, 2 a bad case file or argument.
int runSample(const std::string& kind);
int runSolve(const SolveOptions& options);
int runSweep(const SweepOptions& options);
int runMerge(const MergeOptions& options);
int runCatalogue(bool markdown);

}  // namespace hx::cli
