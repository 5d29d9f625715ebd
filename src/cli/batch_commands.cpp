#include "cli/batch_commands.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iostream>
#include <memory>
#include <optional>
#include <thread>

#include "cli/command_options.h"
#include "model/field_catalogue.h"
#include "program/batch/batch_run.h"
#include "program/batch/case_profile.h"
#include "program/batch/shard_mark.h"
#include "program/batch/sweep_merge.h"
#include "program/batch/sweep_stream.h"
#include "program/batch/sweep_writers.h"
#include "program/session/case_file.h"
#include "program/session/replaced_file.h"
#include "program/session/starting_cases.h"
#if HX_WITH_GUI
#include "charts/chart_export.h"
#include "charts/offscreen_application.h"
#include "charts/profile_chart.h"
#include "charts/sweep_chart.h"
#endif
#include "program/batch/trace_output.h"

namespace hx::cli {

namespace {

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "1:05" or "12 s": a duration of whole seconds, as a bar shows it.
std::string durationText(double seconds) {
    const long whole = std::lround(seconds);
    if (whole < 60) return std::to_string(whole) + " s";
    const long minutes = whole / 60, rest = whole % 60;
    return std::to_string(minutes) + ":" + (rest < 10 ? "0" : "") + std::to_string(rest);
}

// A bar on standard error while the sweep runs, when that is a terminal:
// the cases done, the rate and the time left at that rate.
void showProgress(const std::atomic<std::size_t>& done, std::size_t total,
                  std::future<void>& finished) {
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const auto start = std::chrono::steady_clock::now();
    while (finished.wait_for(std::chrono::milliseconds(200)) != std::future_status::ready) {
        if (!terminal) continue;
        const std::size_t n = done.load(std::memory_order_relaxed);
        const std::size_t width = 30;
        const std::size_t filled = total == 0 ? width : std::min(width, n * width / total);
        const double elapsed =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double rate = elapsed > 0.0 ? static_cast<double>(n) / elapsed : 0.0;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(width - filled, ' ') << "] "
                  << n << "/" << total << "  " << std::lround(rate) << " cases/s";
        if (rate > 0.0 && n < total)
            std::cerr << "  " << durationText(static_cast<double>(total - n) / rate) << " left";
        std::cerr << "   " << std::flush;
    }
    if (terminal) std::cerr << "\r" << std::string(79, ' ') << "\r" << std::flush;
}

// The sweep streamed into `sink` with the bar running beside it.
void streamWithProgress(const EnteredCase& entered, const ConsoleAnswers& answers,
                        const std::vector<Variation>& variations, StreamSettings settings,
                        std::size_t total, const std::function<void(const SweepRow&)>& sink) {
    std::atomic<std::size_t> done{0};
    settings.done = &done;
    std::promise<void> finishedPromise;
    std::future<void> finished = finishedPromise.get_future();
    std::thread bar([&] { showProgress(done, total, finished); });
    try {
        streamSweep(entered, answers, variations, settings, sink);
    } catch (...) {
        finishedPromise.set_value();
        bar.join();
        throw;
    }
    finishedPromise.set_value();
    bar.join();
}

// A case file or argument that cannot be used: its message, exit 2. An
// error that is not a refusal (a case the program could not enter) names
// the file as well.
int refused(const std::string& caseFile, const std::exception& e) {
    if (dynamic_cast<const CaseFileError*>(&e) || dynamic_cast<const OutputFileError*>(&e)
#if HX_WITH_GUI
        || dynamic_cast<const charts::ChartExportError*>(&e)
#endif
    )
        std::cerr << "hxcalc: " << e.what() << '\n';
    else
        std::cerr << "hxcalc: " << caseFile << ": " << e.what() << '\n';
    return kBatchBadInput;
}

// The sweep's output may not be its own case file: the case would be lost
// to the table written over it.
bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// Refuses a --plot the build cannot draw or a file it cannot write, before
// the sweep runs.
void checkPlotOptions(const SweepOptions& options) {
    if (options.plot.empty()) {
        if (!options.x.empty() || !options.y.empty())
            throw CaseFileError("--x and --y choose what --plot draws; give --plot FILE.svg");
        return;
    }
#if HX_WITH_GUI
    if (!charts::isPicturePath(options.plot))
        throw CaseFileError("--plot " + options.plot + ": expected a .svg or a .png file");
    if (sameFile(options.plot, options.caseFile))
        throw CaseFileError("--plot " + options.plot + ": is the case file itself");
    if (!options.out.empty() && sameFile(options.plot, options.out))
        throw CaseFileError("--plot " + options.plot + ": is the --out file as well");
#else
    throw CaseFileError("--plot: this build has no charts (built without Qt)");
#endif
}

#if HX_WITH_GUI
charts::SweepChartRequest chartRequestOf(const SweepOptions& options, const CaseValues& values,
                                         const EnteredCase& entered) {
    charts::SweepChartRequest request;
    request.xKey = options.x;
    request.quantities = options.y;
    request.textbookBasis = entered.values.calculationBasis == 2;
    request.regime = charts::regimeSideFor(options.y, entered.values.exchangerType == 2);
    request.inputsInSI = isSICode(values.unitCode);
    return request;
}
#endif

void checkProfilePath(const SolveOptions& options) {
    if (options.profile.empty()) return;
    const bool csv = endsWith(options.profile, ".csv");
#if HX_WITH_GUI
    if (!csv && !charts::isPicturePath(options.profile))
        throw CaseFileError("--profile " + options.profile +
                            ": expected a .csv, .svg or .png file");
#else
    if (!csv)
        throw CaseFileError("--profile " + options.profile +
                            ": expected a .csv file (this build has no charts)");
#endif
    if (sameFile(options.profile, options.caseFile))
        throw CaseFileError("--profile " + options.profile + ": is the case file itself");
}

// The profile of a solved case as a table or a picture.
void writeProfile(const std::string& path, const HeadlessOutcome& outcome, Presentation p) {
    std::string why;
    const std::optional<CaseProfile> profile = caseProfile(outcome, p, why);
    if (!profile) throw CaseFileError("--profile: " + why);
    if (endsWith(path, ".csv")) {
        ReplacedFile file(path);
        writeProfileCsv(file.stream(), *profile);
        file.commit();
        return;
    }
#if HX_WITH_GUI
    charts::OffscreenApplication application;
    charts::exportChart({charts::profileChart(*profile)}, path);
#endif
}

}  // namespace

int runSample(const std::string& kind) {
    const std::optional<CaseValues> values = startingCase(kind);
    if (!values) {
        std::cerr << "hxcalc: sample: expected shell-and-tube or double-tube, not " << kind << '\n';
        return kBatchBadInput;
    }
    std::cout << caseToJson(*values);
    return kBatchSolved;
}

int runSolve(const SolveOptions& options) {
    if (!options.trace && (options.format == "md" || options.format == "html")) {
        std::cerr << "hxcalc: solve: --format " << options.format << " is a format of --trace\n";
        return kBatchBadInput;
    }
    try {
        checkProfilePath(options);
        const CaseValues values = readCaseFile(options.caseFile);
        const EnteredCase entered = enteredCaseOf(values, options.caseFile);
        CalcTrace trace(options.trace);
        const HeadlessOutcome outcome =
            runHeadless(entered, values.answers, limitPolicyOf(options.onLimit), true, &trace);
        const Presentation p = presentationOf(options.units, options.language);
        if (options.trace) {
            if (options.format == "json")
                std::cout << traceJson(trace, outcome, p);
            else if (options.format == "html")
                std::cout << traceHtml(trace, p);
            else
                std::cout << traceMarkdown(trace, p);
        } else if (options.format == "json") {
            std::cout << solveJson(values, outcome, p);
        } else if (outcome.solved) {
            for (const std::string& line : summaryLines(outcome, p)) std::cout << line << '\n';
        } else {
            for (const std::string& line : endedLines(outcome, p)) std::cout << line << '\n';
        }
        if (!options.profile.empty() && outcome.solved) writeProfile(options.profile, outcome, p);
        return outcome.solved ? kBatchSolved : kBatchRunEnded;
    } catch (const std::exception& e) {
        return refused(options.caseFile, e);
    }
}

int runSweep(const SweepOptions& options) {
    try {
        const CaseValues values = readCaseFile(options.caseFile);
        std::vector<Variation> variations;
        std::size_t total = 1;
        for (const std::string& spec : options.vary) {
            variations.push_back(parseVariation(spec, values));
            total *= variations.back().values.size();
            if (total > 10'000'000) throw CaseFileError("--vary: more than 10,000,000 cases");
        }
        const bool json = endsWith(options.out, ".json");
        if (!options.out.empty() && !json && !endsWith(options.out, ".csv"))
            throw CaseFileError("--out " + options.out + ": expected a .csv or a .json file");
        if (!options.out.empty() && sameFile(options.out, options.caseFile))
            throw CaseFileError("--out " + options.out + ": is the case file itself");
        checkPlotOptions(options);
        const Shard shard = options.shard.empty() ? Shard{} : parseShard(options.shard);
        // The output is opened first (a temporary file beside it, renamed
        // over it once the whole table is written), so an unwritable file
        // is named at once and a failed write leaves the old file whole.
        std::unique_ptr<ReplacedFile> file;
        if (!options.out.empty()) file = std::make_unique<ReplacedFile>(options.out);
        const EnteredCase entered = enteredCaseOf(values, options.caseFile);
        checkVariationsApply(variations, values, options.caseFile);
        // The table is in the case file's unit system unless --units says.
        const Presentation p = tablePresentation(options.units, options.language, values.unitCode);
#if HX_WITH_GUI
        // The chart's choices are checked on an empty sweep before the
        // cases are solved, so a wrong --x or --y costs nothing.
        if (!options.plot.empty()) {
            try {
                charts::sweepCharts(variations, {}, chartRequestOf(options, values, entered), p);
            } catch (const std::invalid_argument& e) {
                throw CaseFileError(e.what());
            }
        }
#endif
        StreamSettings settings;
        settings.jobs = options.jobs;
        settings.policy = limitPolicyOf(options.onLimit);
        settings.p = p;
        settings.shard = shard;
        // With a picture asked for, the table is written only to --out.
        const bool table = file || options.plot.empty();
        std::ostream& out = file ? file->stream() : std::cout;
        // A part of a sharded sweep says which part of which sweep it is,
        // so that the merge can refuse a part missing, repeated or out of
        // place.
        std::optional<ShardMark> mark;
        if (!options.shard.empty())
            mark = ShardMark{shard, gridCaseCount(variations),
                             sweepFingerprint(sweepIdentity(caseToJson(values), variations, p,
                                                            options.longNames, settings.policy))};
        const std::unique_ptr<SweepWriter> writer =
            json ? jsonSweepWriter(out, variations, p, options.longNames, mark)
                 : csvSweepWriter(out, variations, p, options.longNames, mark);
        std::vector<SweepRow> plotted;  // kept only for a picture
        if (table) writer->begin();
        streamWithProgress(entered, values.answers, variations, settings,
                           shardCaseCount(gridCaseCount(variations), shard),
                           [&](const SweepRow& row) {
                               if (table) {
                                   writer->row(row);
                                   // A full disk or a closed pipe stops the
                                   // sweep rather than solving on for nothing.
                                   if (!out)
                                       throw OutputFileError(file ? options.out : "standard output",
                                                             "write failed");
                               }
                               if (!options.plot.empty()) plotted.push_back(row);
                           });
        if (table) writer->end();
#if HX_WITH_GUI
        if (!options.plot.empty()) {
            charts::OffscreenApplication application;
            charts::exportChart(charts::sweepCharts(variations, plotted,
                                                    chartRequestOf(options, values, entered), p),
                                options.plot);
        }
#endif
        if (file) {
            file->commit();
        } else if (table && !out.flush()) {
            throw OutputFileError("standard output", "write failed");
        }
        return kBatchSolved;
    } catch (const std::exception& e) {
        return refused(options.caseFile, e);
    }
}

int runMerge(const MergeOptions& options) {
    try {
        for (const std::string& part : options.parts)
            if (!options.out.empty() && sameFile(part, options.out))
                throw CaseFileError("--out " + options.out + ": is one of the parts");
        std::unique_ptr<ReplacedFile> file;
        if (!options.out.empty()) file = std::make_unique<ReplacedFile>(options.out);
        std::ostream& out = file ? file->stream() : std::cout;
        mergeSweepParts(options.parts, out);
        if (file) {
            file->commit();
        } else if (!out.flush()) {
            throw OutputFileError("standard output", "write failed");
        }
        return kBatchSolved;
    } catch (const std::exception& e) {
        return refused("merge", e);
    }
}

int runCatalogue(bool markdown) {
    if (markdown) {
        std::cout << "# Case files\n\n"
                     "Generated by `hxcalc catalogue --markdown`; do not edit by hand.\n\n"
                     "A case file is JSON: `format` (\"hxcalc-case\"), `version` (1), "
                     "`unit_system`, `choices` (option names), `inputs` (numbers in the "
                     "units of the case's unit system; null for a field without a number, "
                     "which opens empty or keeps the dash the dialogs show where the input "
                     "does not apply) and optionally `answers` (the console questions: "
                     "`window_tubes`, `window_rows`, `dew_point_choice`, `prandtl_force`, "
                     "`excess_area`).\n\n"
                  << catalogueMarkdown();
        return 0;
    }
    for (const CatalogueField& f : fieldCatalogue()) {
        std::cout << f.key << '\t' << f.form << '.' << f.control << '\t' << f.english << '\n';
    }
    return 0;
}

}  // namespace hx::cli
