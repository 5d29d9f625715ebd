#include "calc/checks/console_questions.h"

#include <string>

#include "core/lenient_number.h"
#include "core/run_ended.h"

namespace hx {

namespace {

constexpr std::string_view kBlanks46 = "                                              ";
constexpr std::string_view kBlanks34 = "                                  ";
constexpr std::string_view kBlanks19 = "                   ";

constexpr ConsoleQuestion kCatalogue[] = {
    {QuestionId::WindowTubes, "     1◆ ﾊﾞｯﾌﾙ１枚の切欠内管本数（切欠線に非接触の管）", kBlanks46,
     AnswerKind::Number},
    {QuestionId::WindowRows, "  　 2◆ ﾊﾞｯﾌﾙ１枚の切欠内管列数（切欠線に直角方向最大管列）",
     kBlanks46, AnswerKind::Number},
    {QuestionId::DewPointChoice, "　( 飽和温度が####.#(℃)、ｼｪﾙ入側温度に極めて近く顕熱条件です。 )",
     "  15選択･･･ <1> 再設定(顕熱計算)、 <2> 飽和湿り度の見直し", AnswerKind::Text},
    {QuestionId::PrandtlForce, "  /// { Pr<0.5 } Prandtl number out of range ///",
     "                                      強行　y/n ", AnswerKind::Text},
    {QuestionId::LimitJapanese, "", kBlanks34, AnswerKind::Text},
    {QuestionId::LimitEnglish, "", kBlanks19, AnswerKind::Text},
};

// A window count of 0 would divide the window corrections by zero.
constexpr float kSmallestWindowCount = 1e-06f;

}  // namespace

const ConsoleQuestion& consoleQuestion(QuestionId id) {
    for (const ConsoleQuestion& q : kCatalogue) {
        if (q.id == id) return q;
    }
    return kCatalogue[0];  // unreachable: every id has its entry
}

float askWindowCount(TextConsole& console, QuestionId id) {
    const ConsoleQuestion& q = consoleQuestion(id);
    console.print(q.heading);
    const float value = readNumber(console.input(q.prompt));
    return value == 0.0f ? kSmallestWindowCount : value;
}

void askDewPointChoice(TextConsole& console, float saturationTemperature) {
    const ConsoleQuestion& q = consoleQuestion(QuestionId::DewPointChoice);
    console.printUsing(q.heading, {saturationTemperature});
    for (;;) {
        const std::string answer = console.input(q.prompt);
        if (answer == "1") throw RunEnded();
        if (answer == "2") return;
    }
}

bool askPrandtlForce(TextConsole& console) {
    const ConsoleQuestion& q = consoleQuestion(QuestionId::PrandtlForce);
    console.print(q.heading);
    const std::string answer = console.input(q.prompt);
    if (answer == "n") {
        console.halt();
        throw RunEnded();
    }
    return answer == "y";
}

LimitChoice askLimitJapanese(TextConsole& console) {
    const std::string answer = console.input(consoleQuestion(QuestionId::LimitJapanese).prompt);
    if (answer == "2") throw RunEnded();
    return answer == "1" ? LimitChoice::Loosen : LimitChoice::ShowEnglish;
}

void askLimitEnglish(TextConsole& console) {
    if (console.input(consoleQuestion(QuestionId::LimitEnglish).prompt) == "2") throw RunEnded();
}

}  // namespace hx
