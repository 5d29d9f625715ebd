// A console for tests and the replay: it keeps the page and a transcript of
// every completed line, and takes its answers from a queue. When an answer
// is needed and none is queued it throws NoAnswer, so a script never hangs.
#pragma once

#include <deque>
#include <set>
#include <ostream>
#include <string>
#include <vector>

#include "console/text_console.h"

namespace hx {

class ScriptedConsole : public TextConsole {
public:
    static constexpr const char* kClearMark = "---- clear ----";

    // Queues one answer: a typed line for input(), a key for waitKey()/halt()
    // (the empty string is Enter).
    void queueAnswer(std::string answer) { answers_.push_back(std::move(answer)); }
    std::size_t pendingAnswers() const { return answers_.size(); }

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

    std::deque<std::string> answers_;
    std::vector<std::string> transcript_;
    std::string lastLine_;
    bool positioned_ = false;                   // a locate() since the last clear
    std::set<int> screenUpdates_;               // rows rewritten since the last flush
    std::ostream* echo_ = nullptr;
};

}  // namespace hx
