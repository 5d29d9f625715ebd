#include "calc/checks/limit_dialogs.h"

#include "calc/checks/console_questions.h"
#include "core/option_codes.h"

namespace hx {

namespace {

constexpr const char* kJapaneseRule = "     cccccccccccccccccccccccccccccccccccccccccccccccccccc";
constexpr const char* kJapaneseReason1 = "       温度効率が100%に極めて近い条件、又はその他の";
constexpr const char* kJapaneseReason2 =
    "       条件で計算続行不可のため、以下の選択を行って下さい";
constexpr const char* kLoosenOneLine =
    "     <1> 計算精度変更(数回試し収束しない場は条件を見直しやり直して下さい)";
constexpr const char* kLoosenTwoLines1 = "     <1> 計算精度変更(数回試し収束しない場は条件を見直し";
constexpr const char* kLoosenTwoLines2 = "         やり直して下さい)";
constexpr const char* kRestartJapanese = "   　<2> 条件見直し再スタ－ト    ";

constexpr const char* kEnglishTitle = "      Roop restriction(5)";
constexpr const char* kWetGasEnglishTitle = "      110Roop restriction(5)";
constexpr const char* kEnglishRule = "     ccccccccccccccccccccccccccccccccccccccccc";
constexpr const char* kEnglishReason = "            !    NOT CONTINUATION    !";
constexpr const char* kRetry = "        <1> re-try";
constexpr const char* kReset = "   　   <2> re-set ";

const char* japaneseTitle(LimitLoop loop) {
    switch (loop) {
        case LimitLoop::Efficiency: return "      ﾙｰﾌﾟ制限(1)";
        case LimitLoop::OuterRestart: return "      ﾙｰﾌﾟ制限(3)";
        case LimitLoop::GasOutlet: return "      ﾙｰﾌﾟ制限(4)";
        case LimitLoop::WetGasBalance: return "      109ﾙｰﾌﾟ制限(5)";
    }
    return "";
}

void showJapaneseDialog(TextConsole& c, LimitLoop loop) {
    c.print(japaneseTitle(loop));
    c.print(kJapaneseRule);
    c.print(kJapaneseReason1);
    c.print(kJapaneseReason2);
    c.print(kJapaneseRule);
    c.print("");
    if (loop == LimitLoop::Efficiency) {
        c.print(kLoosenOneLine);
    } else {
        c.print(kLoosenTwoLines1);
        c.print(kLoosenTwoLines2);
    }
    c.print(kRestartJapanese);
}

void showEnglishDialog(TextConsole& c, LimitLoop loop) {
    c.print(loop == LimitLoop::WetGasBalance ? kWetGasEnglishTitle : kEnglishTitle);
    c.print(kEnglishRule);
    c.print(kEnglishReason);
    c.print(kEnglishRule);
    c.print("");
    c.print(kRetry);
    c.print(kReset);
}

}  // namespace

void askAtIterationLimit(TextConsole& console, int unitCode, LimitLoop loop) {
    console.clear();
    if (isJapanese(unitCode)) {
        showJapaneseDialog(console, loop);
        if (askLimitJapanese(console) == LimitChoice::Loosen) return;
    }
    showEnglishDialog(console, loop);
    askLimitEnglish(console);
}

}  // namespace hx
