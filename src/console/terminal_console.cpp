#include "console/terminal_console.h"

#include <string>

namespace hx {

void TerminalConsole::lineCompleted(const std::string& rowText) {
    if (answerEchoed_) {
        answerEchoed_ = false;
        return;
    }
    out_ << rowText << '\n' << std::flush;
}

void TerminalConsole::cleared() { out_ << "\n" << std::flush; }

std::string TerminalConsole::readLine(const std::string& prompt) {
    out_ << currentRowText() << std::flush;
    std::string line;
    if (!std::getline(in_, line)) throw NoAnswer(prompt);
    answerEchoed_ = true;
    return line;
}

std::string TerminalConsole::readKey() {
    std::string line;
    if (!std::getline(in_, line)) throw NoAnswer("(key)");
    return line.empty() ? std::string() : line.substr(0, 1);
}

}  // namespace hx
