#include "gui/app/window_titles.h"

namespace hx::gui {

namespace {

struct Title {
    const char* window;
    const char* english;
    const char* japanese;
};

constexpr Title kTitles[] = {
    {"MAINFORM", "hxcalc — Exchanger and streams", "hxcalc — 熱交換器と流体"},
    {"FORM2", "hxcalc — Exchanger drawing", "hxcalc — 熱交換器詳細図"},
    {"FORM3", "hxcalc — Flow figure", "hxcalc — 流れ図"},
    {"FORM4", "hxcalc — Table of calclation datas", "hxcalc — 計算結果一覧表"},
    {"FORM6", "hxcalc — Unit system", "hxcalc — 単位系選択"},
    {"FORM7", "hxcalc — Main data", "hxcalc — 主データ"},
    {"FORM8", "hxcalc — Heat transfer coefficients", "hxcalc — 熱伝達率の設定"},
    {"FORM9", "hxcalc — Phase change", "hxcalc — 相変化の形態"},
    {"FORM10", "hxcalc — Wet gas saturation", "hxcalc — 湿りガスの飽和温度"},
    {"TEXT", "hxcalc — Text window", "hxcalc — テキスト画面"},
    {"HELP", "hxcalc — Quick start", "hxcalc — 入力の手順"},
    {"ABOUT", "About hxcalc", "hxcalc について"},
    {"WATER", "hxcalc — Water properties", "hxcalc — 水の物性値"},
    {"DESIGN", "hxcalc — Design search", "hxcalc — 設計探索"},
    {"CALC", "hxcalc — Calculation", "hxcalc — 計算過程"},
};

}  // namespace

QString windowTitle(std::string_view window, bool japanese) {
    for (const Title& t : kTitles)
        if (window == t.window) return QString::fromUtf8(japanese ? t.japanese : t.english);
    return QStringLiteral("hxcalc");
}

}  // namespace hx::gui
