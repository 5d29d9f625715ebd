// The two ways the desktop front end runs, callable from main() without Qt
// headers: the interactive program, and a replay that saves screenshots of
// the real windows.
#pragma once

#include <string>

namespace hx::gui {

// Opens the main window and the unit-system form and runs until the main
// window is closed. Returns the exit status.
int runDesktop(int argc, char** argv);

// Runs a replay script (as `--replay`) with the real windows on the
// offscreen platform (unless QT_QPA_PLATFORM names another), so that no
// display is needed. With a screenshot folder it saves DIR/LABEL-FORM.png of
// every visible form at each `snap LABEL`; with a PDF path every report and
// hard copy of the run goes into that file.
struct WindowReplayOptions {
    std::string screenshotDir;  // empty: `snap` lines are ignored
    std::string pdfPath;        // empty: printing shows in the transcript only
};
int runWindowReplay(int argc, char** argv, const std::string& script,
                    const WindowReplayOptions& options);

// The replay with screenshots alone.
int runScreenshotReplay(int argc, char** argv, const std::string& script, const std::string& dir);

}  // namespace hx::gui
