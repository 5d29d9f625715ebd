#include "core/run_ended.h"

namespace hx {

void endRun(TextConsole& console, std::span<const std::string_view> lines) {
    std::string message;
    for (std::string_view line : lines) {
        console.print(line);
        if (!message.empty()) message += '\n';
        message += line;
    }
    console.halt();
    throw RunEnded(std::move(message));
}

}  // namespace hx
