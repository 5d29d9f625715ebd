// `hxcalc design`: the search for the exchangers that meet a case's target
// outlet within the pressure-drop, velocity and geometry limits, ranked by
// an objective.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace hx::cli {

struct DesignOptions {
    std::string caseFile;
    std::optional<float> maxDPt, maxDPs;  // in the case's units
    std::optional<float> minUt, maxUt, minUs, maxUs;
    float minF = 0.75f;
    float minLengthRatio = 3.0f;
    float maxLengthRatio = 15.0f;
    std::string objective = "area";  // area | weight | length | shell-diameter
    std::vector<std::string> vary;
    int top = 10;
    int jobs = 1;
    std::string format;  // text | csv | json; empty: by the --out file's extension, else text
    std::string out;
    std::string plot;                    // FILE.svg of the Pareto front
    std::vector<std::string> writeCase;  // RANK FILE
    std::string units;                   // eng or si; the case file's unit system when empty
    std::string language = "en";
    std::string onLimit = "giveup";
};

// Declares the command and its options on the application.
CLI::App* addDesignCommand(CLI::App& app, DesignOptions& options);

// Exit status: 0 designs found, 1 nothing fits, 2 a bad case file or
// argument, or output not written.
int runDesign(const DesignOptions& options);

}  // namespace hx::cli
