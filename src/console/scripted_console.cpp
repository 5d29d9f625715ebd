#include "console/scripted_console.h"

#include <utility>

namespace hx {

void ScriptedConsole::flushOpenLine() {
    if (lineOpen()) lineCompleted(row());
    flushScreenUpdates();
}

void ScriptedConsole::lineCompleted(int row) {
    if (positioned_) {
        // The text is taken when the screen is shown: rows rewritten on
        // every pass cost nothing until then.
        screenUpdates_.insert(row);
        return;
    }
    lastLine_ = rowTextAt(row);
    record(lastLine_);
}

void ScriptedConsole::flushScreenUpdates() {
    for (int row : screenUpdates_) {
        lastLine_ = rowTextAt(row);
        record(lastLine_);
    }
    screenUpdates_.clear();
}

void ScriptedConsole::cleared() {
    positioned_ = false;
    record(kClearMark);
}

std::string ScriptedConsole::readLine(const std::string& prompt) {
    flushScreenUpdates();
    return nextAnswer(prompt);
}

std::string ScriptedConsole::readKey() {
    flushScreenUpdates();
    // A key wait has no prompt of its own: name it by what the user sees last.
    const std::string open = currentRowText();
    return nextAnswer(open.empty() ? lastLine_ : open);
}

void ScriptedConsole::record(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (echo_) *echo_ << line << '\n';
    transcript_.push_back(std::move(line));
}

std::string ScriptedConsole::nextAnswer(const std::string& prompt) {
    if (answers_.empty()) throw NoAnswer(prompt);
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace hx
