// The console on standard input and output: completed lines are written as
// they end, prompts wait for a typed line. At the end of input it throws
// NoAnswer rather than waiting for ever.
#pragma once

#include <istream>
#include <ostream>

#include "console/text_console.h"

namespace hx {

class TerminalConsole : public TextConsole {
public:
    TerminalConsole(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

protected:
    void lineCompleted(int row) override;
    void cleared() override;
    std::string readLine(const std::string& prompt) override;
    std::string readKey() override;

private:
    std::istream& in_;
    std::ostream& out_;
    bool answerEchoed_ = false;  // the terminal already shows the typed line
};

}  // namespace hx
