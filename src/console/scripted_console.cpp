#include "console/scripted_console.h"

namespace hx {

void ScriptedConsole::flushOpenLine() {
    if (lineOpen()) lineCompleted(currentRowText());
}

void ScriptedConsole::lineCompleted(const std::string& rowText) {
    record(rowText);
    lastLine_ = rowText;
}

void ScriptedConsole::cleared() { record(kClearMark); }

std::string ScriptedConsole::readLine(const std::string& prompt) { return nextAnswer(prompt); }

std::string ScriptedConsole::readKey() {
    // A key wait has no prompt of its own: name it by what the user sees last.
    const std::string open = currentRowText();
    return nextAnswer(open.empty() ? lastLine_ : open);
}

void ScriptedConsole::record(const std::string& line) {
    std::string text = line;
    while (!text.empty() && text.back() == ' ') text.pop_back();
    transcript_.push_back(text);
    if (echo_) *echo_ << text << '\n';
}

std::string ScriptedConsole::nextAnswer(const std::string& prompt) {
    if (answers_.empty()) throw NoAnswer(prompt);
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace hx
