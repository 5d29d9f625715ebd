// Ending a run: a step that cannot go on prints its message, halts until the
// user acknowledges, and throws RunEnded; the start button catches it and
// performs the end-of-run reset. The exception carries the message, so a
// headless solve can tell why it stopped.
#pragma once

#include <exception>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "console/text_console.h"

namespace hx {

struct RunEnded : std::exception {
    RunEnded() = default;
    explicit RunEnded(std::string why) : message(std::move(why)) {}
    const char* what() const noexcept override {
        return message.empty() ? "run ended" : message.c_str();
    }
    std::string message;  // the lines shown before the halt, joined by newlines
};

// Prints the lines, halts, and throws RunEnded with them.
[[noreturn]] void endRun(TextConsole& console, std::span<const std::string_view> lines);
[[noreturn]] inline void endRun(TextConsole& console,
                                std::initializer_list<std::string_view> lines) {
    endRun(console, std::span<const std::string_view>(lines.begin(), lines.size()));
}
[[noreturn]] inline void endRun(TextConsole& console, std::string_view line) {
    endRun(console, {line});
}

}  // namespace hx
