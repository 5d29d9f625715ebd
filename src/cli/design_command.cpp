#include "cli/design_command.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <iostream>
#include <memory>
#include <thread>

#include "cli/command_options.h"
#include "model/field_catalogue.h"
#include "program/batch/design_report.h"
#include "program/batch/design_search.h"
#include "program/session/case_file.h"
#include "program/session/replaced_file.h"
#if HX_WITH_GUI
#include "charts/chart_export.h"
#include "charts/offscreen_application.h"
#include "charts/pareto_chart.h"
#endif

namespace hx::cli {

namespace {

Objective objectiveOf(const std::string& name) {
    if (name == "weight") return Objective::Weight;
    if (name == "length") return Objective::Length;
    if (name == "shell-diameter") return Objective::ShellDiameter;
    return Objective::Area;
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string formatOf(const DesignOptions& options) {
    if (!options.format.empty()) return options.format;
    if (endsWith(options.out, ".json")) return "json";
    if (endsWith(options.out, ".csv")) return "csv";
    return "text";
}

// A bar on standard error while the search runs, when that is a terminal.
void showProgress(const std::atomic<std::size_t>& done, std::size_t total,
                  std::future<void>& finished) {
    const bool terminal = isatty(STDERR_FILENO) != 0;
    while (finished.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
        if (!terminal) continue;
        const std::size_t n = done.load(std::memory_order_relaxed);
        const std::size_t width = 40;
        const std::size_t filled = total == 0 ? width : n * width / total;
        std::cerr << "\r[" << std::string(filled, '#') << std::string(width - filled, ' ') << "] "
                  << n << "/" << total << std::flush;
    }
    if (terminal) std::cerr << "\r" << std::string(60, ' ') << "\r" << std::flush;
}

DesignSearchResult searchWithProgress(const DesignProblem& problem, const DesignOptions& options,
                                      Presentation p) {
    std::atomic<std::size_t> done{0};
    std::promise<void> finishedPromise;
    std::future<void> finished = finishedPromise.get_future();
    std::thread bar([&] { showProgress(done, problem.space.size(), finished); });
    try {
        DesignSearchResult result =
            searchDesigns(problem, static_cast<std::size_t>(options.top), options.jobs,
                          limitPolicyOf(options.onLimit), p, &done, nullptr);
        finishedPromise.set_value();
        bar.join();
        return result;
    } catch (...) {
        finishedPromise.set_value();
        bar.join();
        throw;
    }
}

// Refuses a --plot the build cannot draw, before the search runs.
void checkPlot(const DesignOptions& options) {
    if (options.plot.empty()) return;
#if HX_WITH_GUI
    if (!charts::isPicturePath(options.plot))
        throw CaseFileError("--plot " + options.plot + ": expected a .svg or a .png file");
#else
    throw CaseFileError("--plot: this build has no charts (built without Qt)");
#endif
}

void writePlot(const DesignOptions& options, const DesignSearchResult& result, Presentation p) {
#if HX_WITH_GUI
    if (options.plot.empty()) return;
    charts::OffscreenApplication application;
    charts::exportChart(charts::paretoCharts(result, p), options.plot);
#else
    (void)options, (void)result, (void)p;
#endif
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

// No output may replace the case file: the case would be lost to it.
void checkOutputs(const DesignOptions& options) {
    const std::pair<const char*, std::string> outputs[] = {
        {"--out", options.out},
        {"--plot", options.plot},
        {"--write-case", options.writeCase.size() == 2 ? options.writeCase[1] : std::string()}};
    for (const auto& [option, path] : outputs)
        if (!path.empty() && sameFile(path, options.caseFile))
            throw CaseFileError(std::string(option) + " " + path + ": is the case file itself");
}

std::size_t rankOf(const std::string& text, std::size_t listed) {
    char* end = nullptr;
    const long rank = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || rank < 1 || static_cast<std::size_t>(rank) > listed)
        throw CaseFileError("--write-case " + text + ": expected a rank from 1 to " +
                            std::to_string(listed) + " of the listed designs");
    return static_cast<std::size_t>(rank);
}

}  // namespace

CLI::App* addDesignCommand(CLI::App& app, DesignOptions& o) {
    CLI::App* c = app.add_subcommand("design");
    c->add_option("case", o.caseFile)->required();
    const auto limit = [&](const char* name, std::optional<float>& into) {
        c->add_option_function<float>(name, [&into](float v) {
             into = v;
         })->check(CLI::PositiveNumber);
    };
    limit("--max-dpt", o.maxDPt);
    limit("--max-dps", o.maxDPs);
    limit("--min-ut", o.minUt);
    limit("--max-ut", o.maxUt);
    limit("--min-us", o.minUs);
    limit("--max-us", o.maxUs);
    c->add_option("--min-f", o.minF)->check(CLI::Range(0.0f, 1.0f));
    c->add_option("--min-ld", o.minLengthRatio)->check(CLI::NonNegativeNumber);
    c->add_option("--max-ld", o.maxLengthRatio)->check(CLI::PositiveNumber);
    c->add_option("--objective", o.objective)
        ->check(CLI::IsMember({"area", "weight", "length", "shell-diameter"}));
    c->add_option("--vary", o.vary);
    c->add_option("--top", o.top)->check(CLI::Range(1, 100000));
    c->add_option("--jobs", o.jobs)->check(CLI::Range(1, 256));
    c->add_option("--format", o.format)->check(CLI::IsMember({"text", "csv", "json"}));
    c->add_option("--out", o.out);
    c->add_option("--plot", o.plot);
    c->add_option("--write-case", o.writeCase)->expected(2);
    c->add_option("--units", o.units)->check(CLI::IsMember({"eng", "si"}));
    c->add_option("--lang", o.language)->check(CLI::IsMember({"en", "ja"}));
    c->add_option("--on-limit", o.onLimit)->check(CLI::IsMember({"giveup", "loosen"}));
    return c;
}

int runDesign(const DesignOptions& options) {
    try {
        const CaseValues values = readCaseFile(options.caseFile);
        DesignLimits limits;
        limits.maxDPt = options.maxDPt;
        limits.maxDPs = options.maxDPs;
        limits.minUt = options.minUt;
        limits.maxUt = options.maxUt;
        limits.minUs = options.minUs;
        limits.maxUs = options.maxUs;
        limits.minF = options.minF;
        limits.minLengthRatio = options.minLengthRatio;
        limits.maxLengthRatio = options.maxLengthRatio;
        if (limits.minLengthRatio >= limits.maxLengthRatio)
            throw CaseFileError("--min-ld must be below --max-ld");
        const std::string format = formatOf(options);
        checkPlot(options);
        checkOutputs(options);
        std::unique_ptr<ReplacedFile> file;
        if (!options.out.empty()) file = std::make_unique<ReplacedFile>(options.out);
        const DesignProblem problem = designProblem(values, options.caseFile, options.vary, limits,
                                                    objectiveOf(options.objective));
        if (problem.space.size() > 100'000'000)
            throw CaseFileError("design: more than 100,000,000 candidates");
        // The tables in the case file's unit system unless --units says, so
        // that the listed drops read in the units the limits were given in.
        const Presentation p = tablePresentation(options.units, options.language, values.unitCode);
        const DesignSearchResult result = searchWithProgress(problem, options, p);

        std::ostream& out = file ? file->stream() : std::cout;
        if (format == "json")
            writeDesignJson(out, problem, result, p);
        else if (format == "csv")
            writeDesignCsv(out, problem, result, p);
        else
            writeDesignText(out, problem, result, p);
        if (file) {
            file->commit();
        } else if (!out.flush()) {
            throw OutputFileError("standard output", "write failed");
        }
        writePlot(options, result, p);
        if (!options.writeCase.empty()) {
            const std::size_t rank = rankOf(options.writeCase[0], result.ranked.size());
            writeCaseFile(options.writeCase[1],
                          candidateCase(problem, result.ranked[rank - 1].index));
        }
        return result.feasible > 0 ? 0 : 1;
    } catch (const CaseFileError& e) {
        std::cerr << "hxcalc: " << e.what() << '\n';
    } catch (const OutputFileError& e) {
        std::cerr << "hxcalc: " << e.what() << '\n';
#if HX_WITH_GUI
    } catch (const charts::ChartExportError& e) {
#endif
        std::cerr << "hxcalc: " << e.what() << '\n';
    } catch (const std::exception& e) {
        std::cerr << "hxcalc: " << options.caseFile << ": " << e.what() << '\n';
    }
    return 2;
}

}  // namespace hx::cli
