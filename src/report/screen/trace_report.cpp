#include "report/screen/trace_report.h"

#include <charconv>

namespace hx {

namespace {

struct Texts {
    const char* title;
    const char* units;
    const char* inputs;
    const char* lookedUp;
    const char* outOfRange;
    const char* iterations;
    const char* message;
    const char* none;
};
constexpr Texts kEnglish{
    "Calculation trace",
    "Working units: ℃, m, kg/h, m3/h, kcal/h, kcal/m2h℃, kg/cm2 (drops also in Pa)",
    "inputs:",
    "looked up or chosen:",
    "** outside the range",
    "Iteration history (pass, Q kcal/h, T2, T4, KI, change of Q)",
    "The run ended:",
    "No calculation has been run yet."};
constexpr Texts kJapanese{
    "計算過程",
    "作業単位: ℃, m, kg/h, m3/h, kcal/h, kcal/m2h℃, kg/cm2 (圧力損失は Pa も併記)",
    "代入値:",
    "参照値または選択値:",
    "** 適用範囲外",
    "収束履歴 (回, Q kcal/h, T2, T4, KI, Q の変化)",
    "計算は終了しました:",
    "まだ計算していません。"};

// The shortest text that reads back as the same float.
std::string number(float v) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
}

// Appends `text` after `indent`, broken at blanks into lines of the width.
void wrapped(std::vector<std::string>& lines, const std::string& indent, const std::string& text) {
    std::string line = indent;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        if (line.size() > indent.size() && line.size() + 1 + word.size() > kTraceReportWidth) {
            lines.push_back(line);
            line = indent + "  ";
        }
        if (line.size() > indent.size() && line.back() != ' ') line += ' ';
        line += word;
        start = end + 1;
    }
    if (line.size() > indent.size()) lines.push_back(line);
}

}  // namespace

std::vector<std::string> printedTrace(const CalcTrace& trace, Presentation p) {
    const bool ja = isJapanese(p);
    const Texts& t = ja ? kJapanese : kEnglish;
    std::vector<std::string> lines{std::string("  ") + t.title, std::string("  ") + t.units, ""};
    const std::vector<TraceEntry> entries = trace.entries();
    if (entries.empty() && trace.message().empty()) lines.push_back(std::string("  ") + t.none);
    TraceStep step = TraceStep::Count;
    for (const TraceEntry& e : entries) {
        if (e.step != step) {
            step = e.step;
            lines.push_back("");
            lines.push_back(std::string("  ") + traceStepHeading(step, ja));
        }
        std::string head =
            e.symbol + "  " + (ja ? e.name.ja : e.name.en) + " = " + number(e.value) + " " + e.unit;
        if (e.inRange && !*e.inRange) head += std::string("  ") + t.outOfRange;
        wrapped(lines, "    ", head);
        if (!e.formula.empty()) wrapped(lines, "        ", e.formula);
        if (!e.vars.empty()) {
            std::string inputs = t.inputs;
            for (const TraceVar& v : e.vars)
                inputs += " " + v.name + " = " + number(v.value) + " " + v.unit + ";";
            wrapped(lines, "        ", inputs);
        }
        if (e.expr.empty() && !e.source.empty())
            wrapped(lines, "        ", std::string(t.lookedUp) + " " + e.source);
        if (!e.correlation.empty())
            wrapped(lines, "        ",
                    e.correlation + (e.range.empty() ? "" : " (" + e.range + ")"));
    }
    if (!trace.iterations().empty()) {
        lines.push_back("");
        lines.push_back(std::string("  ") + t.iterations);
        for (const TraceIteration& it : trace.iterations())
            lines.push_back("    " + std::to_string(it.pass) + "  " + number(it.Q) + "  " +
                            number(it.T2) + "  " + number(it.T4) + "  " + number(it.KI) + "  " +
                            number(it.change));
    }
    if (!trace.message().empty()) {
        lines.push_back("");
        lines.push_back(std::string("  ") + t.message);
        for (const std::string& m : trace.message()) lines.push_back("    " + m);
    }
    return lines;
}

}  // namespace hx
