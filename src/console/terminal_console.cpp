#include "console/terminal_console.h"

#include <string>

#include "console/display_width.h"

namespace hx {

void TerminalConsole::lineCompleted(int row) {
    if (answerEchoed_) {
        answerEchoed_ = false;
        return;
    }
    out_ << rowTextAt(row) << '\n' << std::flush;
}

void TerminalConsole::cleared() { out_ << "\n" << std::flush; }

std::string TerminalConsole::readLine(const std::string& prompt) {
    // The row up to the cursor, trailing blanks of the prompt included.
    std::string shown = currentRowText();
    const int pad = column() - displayWidth(shown);
    if (pad > 0) shown.append(static_cast<std::size_t>(pad), ' ');
    out_ << shown << std::flush;
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
