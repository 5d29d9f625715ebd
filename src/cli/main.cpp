// hxcalc: thermal design and rating of shell-and-tube and double-tube heat
// exchangers. Without arguments on a desktop (DISPLAY or WAYLAND_DISPLAY
// set) it opens the windows; otherwise the command line runs the program's
// scripted and checking modes, and without arguments it tells what it can do.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_commands.h"
#include "cli/design_command.h"
#include "cli/tube_count_command.h"
#include "console/number_picture.h"
#include "console/scripted_console.h"
#include "model/session.h"
#include "program/session/demo.h"
#include "program/session/replay.h"
#include "program/session/startup.h"
#if HX_WITH_GUI
#include "gui/app/gui_app.h"
#endif

namespace {

constexpr const char* kUsage =
    "hxcalc - thermal design and rating of shell-and-tube and double-tube heat exchangers\n"
    "\n"
    "Usage:\n"
    "  hxcalc                             open the windows (when a display is available)\n"
    "  hxcalc --help                      list these commands\n"
    "  hxcalc --demo                      solve the shell-and-tube sample headless (water on\n"
    "                                     both sides, 1000 mm tubes) and print its results\n"
    "                                     in English engineering and SI units\n"
    "  hxcalc --replay FILE               run a script of user actions headless and print\n"
    "                                     the console transcript (exit 2: a bad line or an\n"
    "                                     unreadable script, 3: an answer was not queued,\n"
    "                                     4: program error, 5: output not written)\n"
    "  hxcalc --replay FILE --screenshots DIR\n"
    "                                     the same with the real windows (offscreen), saving\n"
    "                                     DIR/LABEL-FORM.png of every visible form at each\n"
    "                                     `snap LABEL` line\n"
    "  hxcalc --replay FILE --pdf PATH    the same, every report and hard copy printed into\n"
    "                                     the PDF file PATH (no display needed; exit 5: a\n"
    "                                     report could not be written, the old file kept)\n"
    "  hxcalc --picture PICTURE NUMBER... print NUMBERs through a number picture, as the\n"
    "                                     reports print them, e.g. --picture \"###.##\" 3.5\n"
    "  hxcalc sample shell-and-tube|double-tube\n"
    "                                     print a starting case file\n"
    "  hxcalc solve CASE.json [--units eng|si] [--lang en|ja] [--format text|json]\n"
    "  hxcalc solve CASE.json --trace [--lang en|ja] [--format md|html|json]\n"
    "               [--on-limit giveup|loosen] [--profile FILE.svg|FILE.png|FILE.csv]\n"
    "                                     solve a case file and print its summary (exit 0:\n"
    "                                     solved, 1: the run ended with a message, 2: bad\n"
    "                                     command line or case file, or output not written);\n"
    "                                     --profile writes both streams' temperatures along\n"
    "                                     the exchanger and the heat transferred\n"
    "  hxcalc sweep CASE.json --vary KEY=FROM:TO:STEPS|KEY=v1,v2,... [--vary ...]\n"
    "               [--jobs N] [--out FILE.csv|FILE.json] [--units eng|si] [--names short|long]\n"
    "               [--on-limit ...]\n"
    "               [--plot FILE.svg|FILE.png [--x KEY] [--y Q1,Q2,...]] [--shard K/N]\n"
    "                                     solve every case of the grid, one row each, in the\n"
    "                                     case file's units unless --units (--names long: a\n"
    "                                     second header row of long names); with\n"
    "                                     --plot, draw the quantities (Q unless --y) against\n"
    "                                     a varied input, the flow regime shaded and the\n"
    "                                     cases that ended marked (the table then goes only\n"
    "                                     to --out); --shard K/N solves only the cases\n"
    "                                     K, K+N, K+2N, ... of the grid\n"
    "  hxcalc merge PART1 PART2 ... [--out FILE.csv|FILE.json]\n"
    "                                     put the parts of --shard 1/N .. N/N, in that\n"
    "                                     order, back into the table of one whole sweep (a\n"
    "                                     part missing, repeated or out of order is refused)\n"
    "  hxcalc design CASE.json [--max-dpt P] [--max-dps P] [--min-ut|--max-ut|--min-us|\n"
    "               --max-us M/S] [--min-f F] [--min-ld R] [--max-ld R] [--vary KEY=...]\n"
    "               [--objective area|weight|length|shell-diameter] [--top N] [--jobs N]\n"
    "               [--format text|csv|json] [--out FILE] [--plot FILE.svg]\n"
    "               [--write-case RANK FILE] [--units eng|si] [--lang en|ja]\n"
    "                                     search the standard tube sizes, counts or shells,\n"
    "                                     passes, pitches, cuts, spacings and lengths for\n"
    "                                     the designs that reach the case's outlet target\n"
    "                                     within the limits (pressure drops in the case's\n"
    "                                     units), best first (exit 1: nothing fits)\n"
    "  hxcalc catalogue [--markdown]      list the keys of a case file\n"
    "  hxcalc tubecount --shell-id MM|--otl MM --od MM --pitch MM [--layout 30|45|60|90]\n"
    "               [--passes 1|2|4|6|8] [--head fixed|split-ring|pull-through] [--lane MM]\n"
    "                                     the tubes a shell holds for the layout\n";

int usageError(const std::string& message) {
    std::cerr << "hxcalc: " << message << "\n\n" << kUsage;
    return 2;
}

// Reads a command-line number strictly: the whole argument must be a number.
bool parseNumber(const std::string& text, float& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end != nullptr && *end == '\0';
}

// args: the picture, then the numbers.
int runPicture(const std::vector<std::string>& args) {
    if (args.size() < 2) return usageError("--picture needs a picture and at least one number");
    std::vector<float> values;
    for (std::size_t i = 1; i < args.size(); ++i) {
        float v = 0.0f;
        if (!parseNumber(args[i], v)) return usageError("not a number: " + args[i]);
        values.push_back(v);
    }
    try {
        std::cout << hx::expandTabs(hx::formatUsing(args[0], values)) << '\n';
    } catch (const hx::PictureError& e) {
        std::cerr << "hxcalc: " << e.what() << '\n';
        return 2;
    }
    return 0;
}

// A folder opens as a stream on Linux and reads as an empty script, which
// would pass for a run that did nothing.
bool replayScriptReadable(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    return static_cast<bool>(std::ifstream(path));
}

int runReplayFile(const std::string& path) {
    std::ifstream script(path);
    if (!script) {
        std::cerr << "hxcalc: cannot read replay script " << path << '\n';
        return hx::kReplayScriptError;
    }
    hx::ScriptedConsole console;
    hx::ScriptedPlatform platform;
    hx::Session session(console, platform);
    hx::ReplayEnvironment env{session, console, platform, std::cout, std::cerr, {}};
    try {
        hx::startProgram(session);
    } catch (const std::exception& e) {
        std::cerr << "hxcalc: start-up failed: " << e.what() << '\n';
        return hx::kReplayProgramError;
    }
    return hx::runReplay(script, path, env);
}

// What a replay run is asked for; further options of a replay join here.
struct ReplayOptions {
    std::string script;
    std::string screenshots;  // with the real windows, offscreen
    std::string pdf;          // every report and hard copy into this PDF file
};

#if HX_WITH_GUI
bool displayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}
#endif

// Output that could not be written (standard output redirected to a full
// disk) is a failure, never exit 0: the command's own status for a failed
// output when it had succeeded.
int withOutputChecked(int status, int failedOutput) {
    std::cout.flush();
    if (std::cout || status != 0) return status;
    std::cerr << "hxcalc: standard output: cannot be written\n";
    return failedOutput;
}

int runCommand(int argc, char** argv);

}  // namespace

int main(int argc, char** argv) {
    const bool replay = std::find(argv, argv + argc, std::string_view("--replay")) != argv + argc;
    return withOutputChecked(runCommand(argc, argv),
                             replay ? hx::kReplayOutputError : hx::cli::kOutputFailed);
}

namespace {

int runCommand(int argc, char** argv) {
    if (argc == 1) {
#if HX_WITH_GUI
        if (displayAvailable()) return hx::gui::runDesktop(argc, argv);
#endif
        std::cout << kUsage;
        return 0;
    }

    // Everything after --picture is its picture and numbers, taken as they
    // stand: a number such as -.5 would read as an option to the parser.
    if (std::string_view(argv[1]) == "--picture") return runPicture({argv + 2, argv + argc});

    CLI::App app{"hxcalc"};
    app.set_help_flag();  // the usage text below instead of CLI11's
    bool help = false;
    bool demo = false;
    std::vector<std::string> picture;
    ReplayOptions replay;
    app.add_flag("-h,--help", help);
    app.add_flag("--demo", demo);
    app.add_option("--picture", picture)->allow_extra_args();  // after another option
    app.add_option("--replay", replay.script);
    app.add_option("--screenshots", replay.screenshots);
    app.add_option("--pdf", replay.pdf);

    std::string sampleKind;
    CLI::App* sample = app.add_subcommand("sample");
    sample->add_option("kind", sampleKind)->required();

    hx::cli::SolveOptions solve;
    CLI::App* solveCommand = app.add_subcommand("solve");
    solveCommand->add_option("case", solve.caseFile)->required();
    solveCommand->add_option("--units", solve.units)->check(CLI::IsMember({"eng", "si"}));
    solveCommand->add_option("--lang", solve.language)->check(CLI::IsMember({"en", "ja"}));
    solveCommand->add_option("--format", solve.format)
        ->check(CLI::IsMember({"text", "json", "md", "html"}));
    solveCommand->add_flag("--trace", solve.trace,
                           "print how every quantity was computed (md by default, html, json)");
    solveCommand->add_option("--on-limit", solve.onLimit)
        ->check(CLI::IsMember({"giveup", "loosen"}));
    solveCommand->add_option("--profile", solve.profile);

    hx::cli::SweepOptions sweep;
    CLI::App* sweepCommand = app.add_subcommand("sweep");
    sweepCommand->add_option("case", sweep.caseFile)->required();
    sweepCommand->add_option("--vary", sweep.vary)->required()->take_all();
    sweepCommand->add_option("--jobs", sweep.jobs)->check(CLI::Range(1, 256));
    sweepCommand->add_option("--out", sweep.out);
    sweepCommand->add_option("--units", sweep.units)->check(CLI::IsMember({"eng", "si"}));
    sweepCommand->add_option("--lang", sweep.language)->check(CLI::IsMember({"en", "ja"}));
    sweepCommand->add_option("--on-limit", sweep.onLimit)
        ->check(CLI::IsMember({"giveup", "loosen"}));
    sweepCommand->add_option("--plot", sweep.plot);
    sweepCommand->add_option("--shard", sweep.shard);
    std::string names = "short";
    sweepCommand->add_option("--names", names)->check(CLI::IsMember({"short", "long"}));
    sweepCommand->add_option("--x", sweep.x);
    sweepCommand->add_option("--y", sweep.y)->delimiter(',');

    hx::cli::DesignOptions design;
    CLI::App* designCommand = hx::cli::addDesignCommand(app, design);
    hx::cli::MergeOptions merge;
    CLI::App* mergeCommand = app.add_subcommand("merge");
    mergeCommand->add_option("parts", merge.parts)->required();
    mergeCommand->add_option("--out", merge.out);

    bool markdown = false;
    CLI::App* catalogue = app.add_subcommand("catalogue");
    catalogue->add_flag("--markdown", markdown);

    hx::cli::TubeCountOptions count;
    CLI::App* tubeCount = app.add_subcommand("tubecount");
    tubeCount->add_option("--shell-id", count.shellId)->check(CLI::PositiveNumber);
    tubeCount->add_option("--otl", count.otl)->check(CLI::PositiveNumber);
    tubeCount->add_option("--od", count.od)->required()->check(CLI::PositiveNumber);
    tubeCount->add_option("--pitch", count.pitch)->required()->check(CLI::PositiveNumber);
    tubeCount->add_option("--layout", count.layout)->check(CLI::IsMember({30, 45, 60, 90}));
    tubeCount->add_option("--passes", count.passes)->check(CLI::IsMember({1, 2, 4, 6, 8}));
    tubeCount->add_option("--head", count.head)
        ->check(CLI::IsMember({"fixed", "split-ring", "pull-through"}));
    tubeCount->add_option("--lane", count.lane)->check(CLI::PositiveNumber);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }

    if (help) {
        std::cout << kUsage;
        return 0;
    }
    if (*sample) return hx::cli::runSample(sampleKind);
    if (*solveCommand) return hx::cli::runSolve(solve);
    sweep.longNames = names == "long";
    if (*sweepCommand) return hx::cli::runSweep(sweep);
    if (*designCommand) return hx::cli::runDesign(design);
    if (*mergeCommand) return hx::cli::runMerge(merge);
    if (*catalogue) return hx::cli::runCatalogue(markdown);
    if (*tubeCount) {
        if (count.shellId <= 0.0f && count.otl <= 0.0f)
            return usageError("tubecount needs --shell-id or --otl");
        return hx::cli::runTubeCount(count);
    }

    const int modes = (demo ? 1 : 0) + (picture.empty() ? 0 : 1) + (replay.script.empty() ? 0 : 1);
    if (modes > 1) return usageError("--demo, --picture and --replay are used one at a time");
    if (demo) return hx::runDemo(std::cout);
    if (!picture.empty()) return runPicture(picture);
    if (!replay.script.empty()) {
        if (!replayScriptReadable(replay.script)) {
            std::cerr << "hxcalc: cannot read replay script " << replay.script << '\n';
            return hx::kReplayScriptError;
        }
        if (replay.screenshots.empty() && replay.pdf.empty()) return runReplayFile(replay.script);
#if HX_WITH_GUI
        return hx::gui::runWindowReplay(argc, argv, replay.script,
                                        {replay.screenshots, replay.pdf});
#else
        return usageError("--screenshots and --pdf need the desktop front end, not built here");
#endif
    }
    if (!replay.screenshots.empty() || !replay.pdf.empty())
        return usageError("--screenshots and --pdf go with --replay FILE");
    return usageError("nothing to do");
}

}  // namespace
