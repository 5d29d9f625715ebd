#include "calc/solver/progress_screen.h"

#include <algorithm>

#include "console/number_picture.h"
#include "core/option_codes.h"
#include "core/run_ended.h"

namespace hx {

namespace {

constexpr const char* kHeads = "       【 Inlet 】 【 Outlet 】";
constexpr const char* kTubeRow = "【Tube 】T3=###.# → T4=###.#";
constexpr const char* kShellRow = "【Shell】T1=###.# → T2=###.#";
constexpr const char* kBoxTop = " ┌─────────────┐";
constexpr const char* kBoxLimit1 = " │ Calc. Limit 1(####/1000) │";
constexpr const char* kBoxLimit3 = " │ Calc. Limit 3(  ##/10  ) │";
constexpr const char* kBoxEmpty = " │                          │";
constexpr const char* kBoxBottom = " └─────────────┘";
constexpr const char* kCondensate = "   Condensate=####.##(kg/h)";
constexpr const char* kNormalDensity = "   N.Density=#.###(kg/Nm3)";
constexpr const char* kHeat = "   Q=######.#(kcal/h) ";
constexpr const char* kIncreaseRatio = "   H.tr.increased ratio=##.#(-)";

// Blanks enough to clear a row from any column to its end.
constexpr char kBlanks[TextConsole::kWidth + 1] =
    "                                                                                              "
    "      ";

struct FluidLines {
    const char* ruleTop;
    const char* fluidMeans;
    const char* propertyMeans;
    const char* wall;
    const char* tapeRatios;  // nullptr: no twisted-tape line in this language
    const char* viscosity;
    const char* ruleBottom;
};

constexpr FluidLines kJapanese = {
    "  ======================================================== ",
    "  【 流体平均温度 ⇒ 管内側=###.##℃  ｼｪﾙ側=###.##℃     】",
    "  【 物性平均温度 ⇒ 管内側=###.##℃  ｼｪﾙ側=###.##℃     】",
    "  【 管壁平均温度 = ###.##℃ TL=#.###  LT=#.###  NT=#### 】",
    "   * ｼｪﾙ側粘性項補正:η/η=#.##### *捻りﾃｰﾌﾟ温度補正:TZ/TB=#.###",
    "   * ｼｪﾙ側粘性項補正：η/η=#.#####",
    "  ======================================================== ",
};
constexpr FluidLines kEnglish = {
    "  ============================================================ ",
    " 【 Fluid av.temperature ⇒ Tube：###.##℃  Shell：###.##℃ 】",
    " 【 Phys.proper.av.temp. ⇒ Tube：###.##℃  Shell：###.##℃ 】",
    " 【 Av.wall temp. = ###.##℃　 TL=#.###  LT=#.###  NT=####  】",
    nullptr,
    "   * Shell side visc.correction：η/η=#.#####",
    "  ============================================================= ",
};

}  // namespace

void ProgressScreen::at(TextConsole& c, int row, const char* text) { at(c, row, text, {}); }

void ProgressScreen::at(TextConsole& c, int row, const char* picture,
                        std::initializer_list<float> values) {
    Row& shown = rows_[row];
    const int count = static_cast<int>(values.size());
    const bool same = shown.picture == picture && shown.count == count &&
                      std::equal(values.begin(), values.end(), shown.values);
    if (same) return;
    shown.picture = picture;
    shown.count = count;
    std::copy(values.begin(), values.end(), shown.values);
    // A shorter line leaves nothing of the one it replaces, nor of what
    // else the row held (the banner the screen was drawn over, a balance
    // line): the columns written beyond the new line are blanked.
    const int held = c.writtenColumns(row);
    c.locate(row, 0);
    if (count == 0) {
        c.printRepeated(picture);
    } else {
        c.printUsing(picture, values);
    }
    const int end = std::min(c.lastLineEnd(), TextConsole::kWidth);
    if (held > end) {
        c.locate(row, end);
        c.printRepeated(std::string_view(kBlanks).substr(0, static_cast<std::size_t>(held - end)));
    }
}

void ProgressScreen::limitBox(TextConsole& c, const ProgressValues& v) {
    const float limit1 = static_cast<float>(v.calcLimit1);
    if (!v.wetFlag) {
        at(c, 9, kBoxTop);
        at(c, 10, kBoxLimit1, {limit1});
        at(c, 11, kBoxBottom);
        return;
    }
    at(c, 8, kBoxTop);
    at(c, 9, kBoxLimit1, {limit1});
    at(c, 10, kBoxLimit3, {static_cast<float>(v.calcLimit3)});
    at(c, 11, kBoxEmpty);
    at(c, 12, kBoxBottom);
}

void ProgressScreen::fluidLines(TextConsole& c, const ProgressValues& v) {
    const bool japanese = isJapanese(v.unitCode);
    const FluidLines& t = japanese ? kJapanese : kEnglish;
    at(c, 17, t.ruleTop);
    at(c, 18, t.fluidMeans, {v.tubeFluidMean, v.shellFluidMean});
    at(c, 19, t.propertyMeans, {v.Ttav, v.Tsav});
    at(c, 20, t.wall, {v.Twav, v.TL, v.LT, v.NT});
    int row = 21;
    if (v.tapeUsed) {
        // The English screen has no twisted-tape line.
        if (t.tapeRatios != nullptr) {
            at(c, row++, t.tapeRatios, {v.viscosityRatio, v.tapeTemperatureRatio});
        }
    } else if (!japanese || v.fluidMode == kSensible || v.fluidMode == kTubeWetGas) {
        // Only the Japanese screen limits the viscosity line to fluid modes 1 and 2.
        at(c, row++, t.viscosity, {v.viscosityRatio});
    }
    at(c, row, t.ruleBottom);
}

void ProgressScreen::show(TextConsole& c, const ProgressValues& v) {
    if (c.pageCount() != page_) {
        // A new page: every row is written again.
        page_ = c.pageCount();
        for (Row& r : rows_) r = Row{};
    }
    at(c, 5, kHeads);
    at(c, 6, kTubeRow, {v.tubeInlet, v.tubeOutlet});
    at(c, 7, kShellRow, {v.shellInlet, v.shellOutlet});
    limitBox(c, v);
    if (v.wetFlag && v.gasTubeSide) {
        at(c, 13, kCondensate, {v.condensate});
        at(c, 14, kNormalDensity, {v.normalDensity});
        at(c, 15, kHeat, {v.Q});
    }
    at(c, 16, kIncreaseRatio, {v.heatTransferIncreaseRatio});
    fluidLines(c, v);
    // The cursor below the screen, where the next message belongs.
    c.locate(kRows, 0);
}

void showTubeOutletBalance(TextConsole& c, float guess, float balance, float K1) {
    c.locate(10, 10);
    c.print("      TGX/TG4=" + freeNumber(guess) + "/" + freeNumber(balance) +
            "           K1=" + freeNumber(K1));
}

void showShellOutletBalance(TextConsole& c, float guess, float balance, float K1) {
    c.locate(10, 10);
    c.print("    TWX/TWX1=" + freeNumber(guess) + "/" + freeNumber(balance));
    c.locate(11, 40);
    c.print("    K1=" + freeNumber(K1));
}

void showShellOutletCheck(TextConsole& c, float T2X, float T2) {
    c.locate(10, 0);
    c.printUsing(" T2X=###.#", {T2X});
    c.locate(11, 0);
    c.printUsing(" T2 =###.#", {T2});
}

void haltOnOverflow(TextConsole& c) { endRun(c, "  オーバーフロー"); }

void haltOnNoConvergence(TextConsole& c) { endRun(c, "    収束不可　リセットします。"); }

void haltOnNonFinite(TextConsole& c, int unitCode) {
    endRun(c, isJapanese(unitCode) ? kCalculationFailedJapanese : kCalculationFailedEnglish);
}

}  // namespace hx
