// hxcalc: thermal design and rating of shell-and-tube and double-tube heat
// exchangers. Without arguments on a desktop (DISPLAY or WAYLAND_DISPLAY
// set) it opens the windows; otherwise the command line runs the program's
// scripted and checking modes, and without arguments it tells what it can do.
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "console/number_picture.h"
#include "console/scripted_console.h"
#include "model/session.h"
#include "program/demo.h"
#include "program/replay.h"
#include "program/startup.h"
#if HX_WITH_GUI
#include "gui/gui_app.h"
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
    "                                     the console transcript (exit 2: bad script line,\n"
    "                                     3: an answer was not queued, 4: program error)\n"
    "  hxcalc --replay FILE --screenshots DIR\n"
    "                                     the same with the real windows (offscreen), saving\n"
    "                                     DIR/LABEL-FORM.png of every visible form at each\n"
    "                                     `snap LABEL` line\n"
    "  hxcalc --replay FILE --pdf PATH   the same, every report and hard copy printed into\n"
    "                                     the PDF file PATH (no display needed)\n"
    "  hxcalc --picture PICTURE NUMBER... print NUMBERs through a number picture, as the\n"
    "                                     reports print them, e.g. --picture \"###.##\" 3.5\n";

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

#if HX_WITH_GUI
bool displayAvailable() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}
#endif

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
#if HX_WITH_GUI
        if (displayAvailable()) return hx::gui::runDesktop(argc, argv);
#endif
        std::cout << kUsage;
        return 0;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (command == "--demo") {
        if (args.size() != 1) return usageError("--demo takes no arguments");
        return hx::runDemo(std::cout);
    }
    if (command == "--picture") return runPicture({args.begin() + 1, args.end()});
    if (command == "--replay") {
        if (args.size() == 4 && args[2] == "--pdf") {
#if HX_WITH_GUI
            return hx::gui::runWindowReplay(argc, argv, args[1], {{}, args[3]});
#else
            return usageError("--pdf needs the desktop front end, not built here");
#endif
        }
        if (args.size() == 4 && args[2] == "--screenshots") {
#if HX_WITH_GUI
            return hx::gui::runScreenshotReplay(argc, argv, args[1], args[3]);
#else
            return usageError("--screenshots needs the desktop front end, not built here");
#endif
        }
        if (args.size() != 2) return usageError("--replay needs one script file");
        return runReplayFile(args[1]);
    }
    return usageError("unknown command " + command);
}
