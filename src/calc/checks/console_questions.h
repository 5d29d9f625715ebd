// The questions a run asks in the text window, under the data-entry banner:
// one catalogue of their heading lines, prompts and answer kinds, and one
// function per question that applies its rule to the answer. Text answers
// are compared exactly with one-character literals; a number answer reads
// the typed number leniently (text that is not a number reads as 0).
#pragma once

#include <string_view>

#include "console/text_console.h"

namespace hx {

enum class QuestionId {
    WindowTubes,     // tubes in one baffle window (tubes-on-cut code 2)
    WindowRows,      // tube rows in one baffle window (tubes-on-cut code 2)
    DewPointChoice,  // saturation temperature of the wet gas too close to the shell inlet
    PrandtlForce,    // twisted tape with a tube Prandtl number below 0.5
    LimitJapanese,   // iteration-limit dialogs, Japanese wording
    LimitEnglish,    // iteration-limit dialogs, English wording
};

enum class AnswerKind { Number, Text };

struct ConsoleQuestion {
    QuestionId id;
    std::string_view heading;  // printed before the prompt; empty when the caller prints the dialog
    std::string_view prompt;   // printed before the cursor
    AnswerKind kind;
};

// The catalogue entry of a question.
const ConsoleQuestion& consoleQuestion(QuestionId id);

// The two window questions: prints the heading, asks, and returns the typed
// number; 0 (or text that is not a number) becomes 1e-06 so the window
// counts never divide by zero downstream.
float askWindowCount(TextConsole& console, QuestionId id);

// The dew-point question, after the driver's "too dry" line: prints the
// heading with the saturation temperature (as the driver computed it) and
// asks until the answer is "1" or "2". "1" ends the run (throws RunEnded,
// no halt); "2" returns, and the driver repeats its entry after the banner.
void askDewPointChoice(TextConsole& console, float saturationTemperature);

// The twisted-tape Prandtl question: prints the heading and asks once.
// "n" halts and ends the run (throws RunEnded); "y" returns true (continue,
// do not ask again in this run); anything else returns false (continue, and
// ask again next time).
bool askPrandtlForce(TextConsole& console);

// The Japanese iteration-limit prompt, after the caller printed its dialog
// lines. "2" ends the run (throws RunEnded).
enum class LimitChoice { Loosen, ShowEnglish };
LimitChoice askLimitJapanese(TextConsole& console);

// The English iteration-limit prompt: "2" ends the run (throws RunEnded);
// any other answer returns (loosen the tolerance and continue).
void askLimitEnglish(TextConsole& console);

}  // namespace hx
