// A console that shows nothing: for a solve without a window. Pages are
// still kept (the solver positions its rows), but no transcript; a question
// is answered with an empty line and a halt goes on at once.
#pragma once

#include <string>

#include "console/text_console.h"

namespace hx {

class NullConsole final : public TextConsole {
protected:
    void lineCompleted(int) override {}
    void cleared() override {}
    std::string readLine(const std::string&) override { return {}; }
    std::string readKey() override { return {}; }
};

}  // namespace hx
