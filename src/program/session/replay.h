// Replay scripts: user actions run headless against the scripted console and
// platform, printing the console transcript. The form of every bug report
// and of the golden tests.
//
//   click NAME      press a button or option button (FORM.NAME or a unique
//                   NAME); a disabled or hidden control is an error
//   set NAME TEXT   type TEXT (the rest of the line, verbatim) into a field
//   answer TEXT     queue one console answer; bare `answer` queues an empty line
//   yes | no        queue the answer of the next Yes/No box
//   enable NAME     enable a control (a scripting aid for partial flows)
//   show NAME       FORM.NAME enabled|disabled visible|hidden "TEXT"
//                   (a form name alone: FORM visible|hidden)
//   show screen     the current console screen between ---- screen ---- and ---- end ----
//   save PATH       write the case file of the forms; after queued answers,
//                   when the program has taken them (at the results menu)
//   open PATH       open a case file into the forms
//   snap LABEL      with screenshots: save every visible form (front end only)
//   offer windows   the platform offers the result windows as the desktop
//                   does (results-menu keys "7" and "8"); each window asked
//                   for appears as a line "---- window: Calculation ----"
// Every report and hard copy sent to the print job appears in the
// transcript as a block "---- print job: text ----" … "---- end ----" or a
// line "---- print job: hard copy of FORM4 ----".
// `#` starts a comment.
#pragma once

#include <functional>
#include <istream>
#include <ostream>
#include <string>

#include "console/scripted_console.h"
#include "model/platform.h"
#include "model/session.h"

namespace hx {

// Exit statuses of a replay.
enum ReplayStatus : int {
    kReplayOk = 0,
    kReplayScriptError = 2,   // unknown command or control, bad use of one, unreadable file
    kReplayNoAnswer = 3,      // the program waited for an answer that was not queued
    kReplayProgramError = 4,  // the program itself failed (an internal error)
    kReplayOutputError = 5,   // a report could not be written to its file (--pdf)
};

struct ReplayEnvironment {
    Session& session;
    ScriptedConsole& console;
    ScriptedPlatform& platform;
    std::ostream& out;  // transcript and `show` lines
    std::ostream& err;  // the reason a replay stopped
    // Called at `snap LABEL`; without it the line is accepted and ignored.
    std::function<void(const std::string& label)> snap;
    // The real print job of the run (the PDF file of --pdf), or none: the
    // transcript shows every addition to the job either way.
    Printer* printJob = nullptr;
};

// Runs the script; the transcript goes to env.out as it is produced.
int runReplay(std::istream& script, const std::string& scriptName, ReplayEnvironment& env);

// One `show NAME` line, as the replay prints it.
std::string describeControl(const FormStore& forms, const std::string& name);

}  // namespace hx
