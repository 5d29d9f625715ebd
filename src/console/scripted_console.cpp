#include "console/scripted_console.h"

#include <bit>
#include <utility>

namespace hx {

namespace {
constexpr std::size_t kWordBits = 64;
}  // namespace

void ScriptedConsole::flushOpenLine() {
    if (lineOpen()) lineCompleted(row());
    flushScreenUpdates();
}

void ScriptedConsole::lineCompleted(int row) {
    if (positioned_) {
        // The text is taken when the screen is shown: rows rewritten on
        // every pass cost nothing until then.
        const auto r = static_cast<std::size_t>(row);
        if (r / kWordBits >= screenUpdates_.size()) screenUpdates_.resize(r / kWordBits + 1);
        screenUpdates_[r / kWordBits] |= std::uint64_t{1} << (r % kWordBits);
        return;
    }
    record(rowTextAt(row));
    lastLine_ = transcript_.size() - 1;
}

void ScriptedConsole::flushScreenUpdates() {
    for (std::size_t w = 0; w < screenUpdates_.size(); ++w) {
        for (std::uint64_t bits = screenUpdates_[w]; bits != 0; bits &= bits - 1) {
            const auto row = w * kWordBits + static_cast<std::size_t>(std::countr_zero(bits));
            record(rowTextAt(static_cast<int>(row)));
            lastLine_ = transcript_.size() - 1;
        }
        screenUpdates_[w] = 0;
    }
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
    return nextAnswer(open.empty() ? lastLine() : open);
}

const std::string& ScriptedConsole::lastLine() const {
    static const std::string kNone;
    return lastLine_ == kNoLine ? kNone : transcript_[lastLine_];
}

void ScriptedConsole::record(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    if (echo_) *echo_ << line << '\n';
    transcript_.push_back(std::move(line));
}

void ScriptedConsole::runQueuedActions() {
    while (!answers_.empty() && answers_.front().action) {
        const std::function<void()> action = std::move(answers_.front().action);
        answers_.pop_front();
        action();
    }
}

std::string ScriptedConsole::nextAnswer(const std::string& prompt) {
    runQueuedActions();
    if (answers_.empty()) throw NoAnswer(prompt);
    std::string answer = std::move(answers_.front().answer);
    answers_.pop_front();
    return answer;
}

}  // namespace hx
