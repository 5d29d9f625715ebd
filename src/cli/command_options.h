// What the batch commands (solve, sweep, design) read alike from their
// options: the presentation of --units and --lang, and --on-limit.
#pragma once

#include <string>

#include "model/field_catalogue.h"
#include "program/batch/batch_run.h"
#include "report/screen/presentation.h"

namespace hx::cli {

// Loosening at a limit goes on this many times before a rating gives up, so
// a case that never settles still ends.
constexpr int kMostLoosenings = 100;

inline Presentation presentationOf(const std::string& units, const std::string& language) {
    const bool si = units == "si";
    if (language == "ja") return si ? Presentation::JapaneseSI : Presentation::JapaneseEngineering;
    return si ? Presentation::EnglishSI : Presentation::EnglishEngineering;
}

// The unit system of a table: --units when given, else the case file's own
// (the one its limits and inputs are read in).
inline Presentation tablePresentation(const std::string& units, const std::string& language,
                                      int caseUnitCode) {
    return presentationOf(units.empty() ? (isSICode(caseUnitCode) ? "si" : "eng") : units,
                          language);
}

inline LimitPolicy limitPolicyOf(const std::string& onLimit) {
    return LimitPolicy{onLimit == "loosen" ? kMostLoosenings : 0};
}

}  // namespace hx::cli
