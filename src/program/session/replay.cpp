#include "program/session/replay.h"

#include <sstream>

#include "program/session/case_file.h"

namespace hx {

namespace {

// A fault of the script itself, reported with its line number.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string trimmed(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Splits "command rest": the command word, and the rest after one blank,
// kept verbatim (a `set` may type leading blanks).
std::pair<std::string, std::string> splitCommand(const std::string& line) {
    std::size_t b = line.find_first_not_of(" \t");
    std::size_t e = line.find_first_of(" \t", b);
    if (e == std::string::npos) return {line.substr(b), {}};
    std::string rest = line.substr(e + 1);
    if (!rest.empty() && rest.back() == '\r') rest.pop_back();
    return {line.substr(b, e - b), rest};
}

bool isCommentOrBlank(const std::string& line) {
    const std::string t = trimmed(line);
    return t.empty() || t[0] == '#';
}

const char* kindWord(bool flag, const char* yes, const char* no) { return flag ? yes : no; }

// A control the user can reach: enabled, visible, on a visible form.
void requireUsable(const FormStore& forms, const std::string& form, const std::string& control) {
    if (!forms.formVisible(form)) throw ScriptError(form + " is hidden");
    if (!forms.visible(form, control)) throw ScriptError(form + "." + control + " is hidden");
    if (!forms.enabled(form, control)) throw ScriptError(form + "." + control + " is disabled");
}

std::pair<std::string, std::string> resolveControl(const FormStore& forms,
                                                   const std::string& name) {
    try {
        return forms.resolve(trimmed(name));
    } catch (const UnknownControl& e) {
        throw ScriptError(e.what());
    }
}

// Writes every addition to the print job into the transcript, as a block,
// and passes it on to the real job of the run when there is one.
class TranscriptPrinter : public Printer {
public:
    TranscriptPrinter(std::ostream& out, Printer* next) : out_(out), next_(next) {}

    void printText(const std::vector<std::string>& lines) override {
        out_ << "---- print job: text ----\n";
        for (const std::string& line : lines) out_ << line << '\n';
        out_ << "---- end ----\n";
        if (next_) next_->printText(lines);
    }
    void printHardCopy(HardCopy window) override {
        out_ << "---- print job: hard copy of " << hardCopyName(window) << " ----\n";
        if (next_) next_->printHardCopy(window);
    }
    std::string deliveredTo() const override { return next_ ? next_->deliveredTo() : ""; }

private:
    std::ostream& out_;
    Printer* next_;
};

void showScreen(ReplayEnvironment& env) {
    env.out << "---- screen ----\n";
    for (const auto& row : env.console.screen()) env.out << row << '\n';
    env.out << "---- end ----\n";
}

// Saves the case the forms describe; a refusal is a line of the transcript,
// as the desktop shows it in a box and goes on.
void saveCase(const std::string& path, ReplayEnvironment& env) {
    try {
        writeCaseFile(path, caseFromForms(env.session.forms, path));
    } catch (const CaseFileError& e) {
        env.out << "case file: " << e.what() << '\n';
    }
}

void openCaseFile(const std::string& path, ReplayEnvironment& env) {
    try {
        const std::string refused = openCase(env.session, readCaseFile(path), path);
        if (!refused.empty())
            env.out << "case file: " << path << ": opened at the form that refuses it: " << refused
                    << '\n';
    } catch (const CaseFileError& e) {
        env.out << "case file: " << e.what() << '\n';
    }
}

void runCommand(const std::string& command, const std::string& rest, ReplayEnvironment& env) {
    FormStore& forms = env.session.forms;
    if (command == "click") {
        auto [form, control] = resolveControl(forms, rest);
        const ControlKind kind = forms.control(form, control).kind;
        if (kind != ControlKind::Button && kind != ControlKind::Radio)
            throw ScriptError(form + "." + control + " is not a button");
        requireUsable(forms, form, control);
        env.session.click(form, control);
    } else if (command == "set") {
        const auto blank = rest.find(' ');
        const std::string name = rest.substr(0, blank);
        const std::string text =
            blank == std::string::npos ? std::string() : rest.substr(blank + 1);
        auto [form, control] = resolveControl(forms, name);
        if (forms.control(form, control).kind != ControlKind::Edit)
            throw ScriptError(form + "." + control + " is not a text field");
        requireUsable(forms, form, control);
        forms.setText(form, control, text);
    } else if (command == "answer") {
        env.console.queueAnswer(rest);
    } else if (command == "yes" || command == "no") {
        if (!trimmed(rest).empty()) throw ScriptError(command + " takes no argument");
        env.platform.queueYesNo(command == "yes");
    } else if (command == "enable") {
        auto [form, control] = resolveControl(forms, rest);
        forms.setEnabled(form, control, true);
    } else if (command == "show") {
        const std::string what = trimmed(rest);
        if (what == "screen") {
            showScreen(env);
        } else if (what == "selected") {
            // The field a refused entry left selected for retyping.
            const auto& [form, control] = forms.selectedField();
            env.out << "selected " << (form.empty() ? "none" : form + "." + control) << '\n';
        } else {
            env.out << describeControl(forms, what) << '\n';
        }
    } else if (command == "save") {
        const std::string path = trimmed(rest);
        if (path.empty()) throw ScriptError("save needs a file name");
        // Among queued answers, the save happens when the program has taken
        // the answers before it (at the results menu, say).
        if (env.console.pendingAnswers() > 0)
            env.console.queueAction([path, &env] { saveCase(path, env); });
        else
            saveCase(path, env);
    } else if (command == "open") {
        const std::string path = trimmed(rest);
        if (path.empty()) throw ScriptError("open needs a file name");
        openCaseFile(path, env);
    } else if (command == "offer") {
        if (trimmed(rest) != "windows") throw ScriptError("offer takes \"windows\"");
        env.platform.offerResultWindows(true);
    } else if (command == "snap") {
        if (trimmed(rest).empty()) throw ScriptError("snap needs a label");
        // Among queued answers, as a save: the windows as they stand when
        // the program has taken the answers before it.
        const std::string label = trimmed(rest);
        if (env.snap && env.console.pendingAnswers() > 0)
            env.console.queueAction([label, &env] { env.snap(label); });
        else if (env.snap)
            env.snap(label);
    } else {
        throw ScriptError("unknown command \"" + command + "\"");
    }
}

}  // namespace

std::string describeControl(const FormStore& forms, const std::string& name) {
    if (name.find('.') == std::string::npos && forms.hasForm(name))
        return name + " " + kindWord(forms.formVisible(name), "visible", "hidden");
    auto [form, control] = resolveControl(forms, name);
    const ControlState& c = forms.control(form, control);
    return form + "." + control + " " + kindWord(c.enabled, "enabled", "disabled") + " " +
           kindWord(c.visible, "visible", "hidden") + " \"" + c.text + "\"";
}

int runReplay(std::istream& script, const std::string& scriptName, ReplayEnvironment& env) {
    env.console.echoTo(&env.out);
    TranscriptPrinter transcript(env.out, env.printJob);
    env.platform.printer().forwardTo(&transcript);
    env.platform.onResultWindow([&env](ResultWindow window, bool japanese) {
        env.console.flushOpenLine();
        env.out << "---- window: " << resultWindowName(window) << (japanese ? ", Japanese" : "")
                << " ----\n";
    });
    std::string line;
    int lineNo = 0;
    int status = kReplayOk;
    while (std::getline(script, line)) {
        ++lineNo;
        if (isCommentOrBlank(line)) continue;
        auto [command, rest] = splitCommand(line);
        try {
            runCommand(command, rest, env);
            // A save queued after the last answer a click took.
            if (command == "click") env.console.runQueuedActions();
        } catch (const ScriptError& e) {
            env.err << scriptName << ":" << lineNo << ": " << e.what() << '\n';
            status = kReplayScriptError;
        } catch (const NoAnswer& e) {
            env.err << scriptName << ":" << lineNo
                    << ": waiting for an answer that was not queued: " << e.prompt() << '\n';
            status = kReplayNoAnswer;
        } catch (const ProgramExit&) {
            break;  // the program ended from a menu; the rest of the script is not run
        } catch (const std::exception& e) {
            env.err << scriptName << ":" << lineNo << ": program error: " << e.what() << '\n';
            status = kReplayProgramError;
        }
        if (status != kReplayOk) break;
    }
    env.platform.printer().forwardTo(nullptr);
    env.platform.onResultWindow(nullptr);
    env.console.flushOpenLine();
    env.out.flush();
    return status;
}

}  // namespace hx
