// A console for tests and the replay: it keeps the page and a transcript of
// every completed line, and takes its answers from a queue. When an answer
// is needed and none is queued it throws NoAnswer, so a script never hangs.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "console/text_console.h"

namespace hx {

class ScriptedConsole : public TextConsole {
public:
    static constexpr const char* kClearMark = "---- clear ----";

    // A solve alone writes a hundred lines or so: room for them from the start.
    ScriptedConsole() { transcript_.reserve(256); }

    // Queues one answer: a typed line for input(), a key for waitKey()/halt()
    // (the empty string is Enter).
    void queueAnswer(std::string answer) { answers_.push_back({std::move(answer), {}}); }
    // Queues something the user does between two answers (saving the case
    // while the results menu waits): run when the program asks for the
    // answer queued after it, or by runQueuedActions.
    void queueAction(std::function<void()> action) { answers_.push_back({{}, std::move(action)}); }
    std::size_t pendingAnswers() const { return answers_.size(); }
    // Runs the actions at the front of the queue, up to the next answer.
    void runQueuedActions();

    // Every completed line, trailing blanks dropped, and kClearMark at each
    // clear. Rows written after a locate() are screen updates (the solver
    // rewrites its progress rows on every pass): they are kept per row and
    // enter the transcript once, in row order, as the screen shows them at
    // the next clear, question or key wait.
    const std::vector<std::string>& transcript() const { return transcript_; }

    // Also write each transcript line to `out` as it is produced.
    void echoTo(std::ostream* out) { echo_ = out; }

    // Adds the line still open (printed but not ended), if any, to the
    // transcript: the end of a script shows what the user would see.
    void flushOpenLine();

protected:
    void lineCompleted(int row) override;
    void aboutToClear() override { flushScreenUpdates(); }
    void cleared() override;
    void located() override { positioned_ = true; }
    std::string readLine(const std::string& prompt) override;
    std::string readKey() override;

private:
    void record(std::string line);
    void flushScreenUpdates();
    std::string nextAnswer(const std::string& prompt);
    // The last line recorded other than a clear mark, or "".
    const std::string& lastLine() const;

    struct Queued {
        std::string answer;
        std::function<void()> action;  // set for an action, empty for an answer
    };
    std::deque<Queued> answers_;
    std::vector<std::string> transcript_;
    std::size_t lastLine_ = kNoLine;  // index in transcript_
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
    bool positioned_ = false;  // a locate() since the last clear
    // The rows rewritten since the last flush, one bit a row.
    std::vector<std::uint64_t> screenUpdates_;
    std::ostream* echo_ = nullptr;
};

}  // namespace hx
