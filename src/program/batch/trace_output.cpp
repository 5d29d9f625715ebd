#include "program/batch/trace_output.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "core/trace_units.h"
#include "program/session/case_file.h"

namespace hx {

namespace {

using nlohmann::ordered_json;

// The summary quantities a trace is checked against, in working units.
struct SummaryValue {
    const char* symbol;
    float Solution::*member;
};
constexpr SummaryValue kSummary[] = {
    {"Q", &Solution::Q},   {"KI", &Solution::KI},   {"Xs", &Solution::Xs},  {"Xt", &Solution::Xt},
    {"TM", &Solution::TM}, {"DPs", &Solution::DPs}, {"DPt", &Solution::DPt}};

const char* nameOf(const TraceEntry& e, Presentation p) {
    return isJapanese(p) ? e.name.ja : e.name.en;
}

std::string text(float v) { return numberText(v); }

// The value as shown: in an SI presentation the SI value first with the
// working value (the one the expression gives) in brackets.
std::string shownValue(const TraceEntry& e, Presentation p) {
    const std::string working = text(e.value) + ' ' + e.unit;
    if (!isSI(p)) return working;
    const std::optional<SiValue> si = siValueOf(e.value, e.unit, isTemperatureDifference(e.symbol));
    if (!si) return working;
    return text(si->value) + ' ' + si->unit + " (" + working + ")";
}

struct Texts {
    const char* title;
    const char* contents;
    const char* iterations;
    const char* message;
    const char* outOfRange;
    const char* inRange;
    const char* lookedUp;
    const char* byCorrelation;
    const char* units;
};
constexpr Texts kEnglish{
    "Calculation trace",
    "Contents",
    "Iteration history",
    "The run ended",
    "out of range",
    "in range",
    "looked up or chosen",
    "the correlation's value (its inner steps are not traced)",
    "Working units: ℃, m, kg/h, m3/h, kcal/h, kcal/m2h℃, kg/cm2 (drops also in Pa); the "
    "expressions and their inputs are in these units, an SI presentation shows each value in SI "
    "before it."};
constexpr Texts kJapanese{
    "計算過程",
    "目次",
    "収束履歴",
    "計算は終了しました",
    "適用範囲外",
    "適用範囲内",
    "参照値または選択値",
    "相関式の値(途中の計算は記録していません)",
    "作業単位: ℃, m, kg/h, m3/h, kcal/h, kcal/m2h℃, kg/cm2 (圧力損失は Pa も併記)。式と代入値は"
    "この単位で、SI 表示では各値の SI 換算値を先に示します"};
const Texts& textsOf(Presentation p) { return isJapanese(p) ? kJapanese : kEnglish; }

std::vector<TraceStep> stepsOf(const std::vector<TraceEntry>& entries) {
    std::vector<TraceStep> steps;
    for (const TraceEntry& e : entries)
        if (steps.empty() || steps.back() != e.step) steps.push_back(e.step);
    return steps;
}

std::string escapeHtml(const std::string& s) {
    std::string out;
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

// ---------------------------------------------------------------------------
// MathML of an expression: + - * / ^, parentheses, functions of one or two
// arguments, numbers and names.

class MathMlWriter {
public:
    explicit MathMlWriter(const std::string& s) : s_(s) {}

    std::optional<std::string> run() {
        std::string out = sum();
        skip();
        if (failed_ || pos_ != s_.size()) return std::nullopt;
        return out;
    }

private:
    const std::string& s_;
    std::size_t pos_ = 0;
    bool failed_ = false;

    void skip() {
        while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    }
    bool take(char c) {
        skip();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    std::string sum() {
        std::string out = product();
        for (;;) {
            if (take('+')) {
                out += "<mo>+</mo>" + product();
            } else if (take('-')) {
                out += "<mo>−</mo>" + product();
            } else {
                return out;
            }
        }
    }
    // A product keeps its factors; a division becomes a fraction of the
    // factors before it over the next factor.
    std::string product() {
        std::string out = power();
        for (;;) {
            if (take('*')) {
                out += "<mo>·</mo>" + power();
            } else if (take('/')) {
                out = "<mfrac><mrow>" + unwrapped(out) + "</mrow><mrow>" + unwrapped(power()) +
                      "</mrow></mfrac>";
            } else {
                return out;
            }
        }
    }
    // The parentheses around a whole numerator or denominator: the bar of
    // the fraction groups it already.
    static std::string unwrapped(const std::string& m) {
        static const std::string open = "<mo>(</mo>", close = "<mo>)</mo>";
        if (m.rfind(open, 0) != 0 || m.size() < open.size() + close.size() ||
            m.compare(m.size() - close.size(), close.size(), close) != 0)
            return m;
        int depth = 0;
        for (std::size_t i = 0; i < m.size();) {
            if (m.compare(i, open.size(), open) == 0) {
                ++depth;
                i += open.size();
            } else if (m.compare(i, close.size(), close) == 0) {
                --depth;
                i += close.size();
                if (depth == 0 && i != m.size()) return m;  // (a)·(b): two groups
            } else {
                ++i;
            }
        }
        return m.substr(open.size(), m.size() - open.size() - close.size());
    }
    std::string power() {
        const std::string base = unary();
        if (take('^')) return "<msup><mrow>" + base + "</mrow><mrow>" + power() + "</mrow></msup>";
        return base;
    }
    std::string unary() {
        if (take('-')) return "<mo>−</mo>" + unary();
        return atom();
    }
    std::string atom() {
        skip();
        if (pos_ >= s_.size()) return fail();
        if (take('(')) {
            // The parentheses stay visible unless they only group a
            // fraction's part, where the bar groups already.
            std::string inner = sum();
            if (!take(')')) return fail();
            return "<mo>(</mo>" + inner + "<mo>)</mo>";
        }
        const char c = s_[pos_];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') {
            const std::size_t start = pos_;
            while (pos_ < s_.size() &&
                   (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.' ||
                    ((s_[pos_] == '-' || s_[pos_] == '+') &&
                     (s_[pos_ - 1] == 'e' || s_[pos_ - 1] == 'E'))))
                ++pos_;
            return "<mn>" + s_.substr(start, pos_ - start) + "</mn>";
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            const std::size_t start = pos_;
            while (pos_ < s_.size() &&
                   (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
                ++pos_;
            const std::string name = s_.substr(start, pos_ - start);
            if (take('(')) return function(name);
            return identifier(name);
        }
        return fail();
    }
    std::string function(const std::string& name) {
        std::vector<std::string> args{sum()};
        while (take(',')) args.push_back(sum());
        if (!take(')')) return fail();
        if (name == "sqrt" && args.size() == 1) return "<msqrt>" + args[0] + "</msqrt>";
        if (name == "abs" && args.size() == 1) return "<mo>|</mo>" + args[0] + "<mo>|</mo>";
        if (name == "exp" && args.size() == 1)
            return "<msup><mi>e</mi><mrow>" + args[0] + "</mrow></msup>";
        std::string out = "<mi>" + name + "</mi><mo>(</mo>" + args[0];
        for (std::size_t i = 1; i < args.size(); ++i) out += "<mo>,</mo>" + args[i];
        return out + "<mo>)</mo>";
    }
    // A name with an underscore is written with its subscript.
    static std::string identifier(const std::string& name) {
        const auto u = name.find('_');
        if (u == std::string::npos || u == 0 || u + 1 == name.size())
            return "<mi>" + name + "</mi>";
        return "<msub><mi>" + name.substr(0, u) + "</mi><mi>" + name.substr(u + 1) + "</mi></msub>";
    }
    std::string fail() {
        failed_ = true;
        return {};
    }
};

}  // namespace

std::string expressionMathMl(const std::string& expr) {
    if (const std::optional<std::string> m = MathMlWriter(expr).run())
        return "<math display=\"inline\"><mrow>" + *m + "</mrow></math>";
    return "<code>" + escapeHtml(expr) + "</code>";
}

std::string traceJson(const CalcTrace& trace, const HeadlessOutcome& outcome, Presentation p) {
    const bool ja = isJapanese(p);
    ordered_json doc;
    doc["format"] = "hxcalc-trace";
    doc["version"] = 1;
    doc["status"] = outcome.solved ? "solved" : "ended";
    doc["unit_system"] = "engineering";  // of value, unit, expr and vars
    doc["shown_in"] = isSI(p) ? "si" : "engineering";
    doc["language"] = ja ? "ja" : "en";
    ordered_json entries = ordered_json::array();
    for (const TraceEntry& e : trace.entries()) {
        ordered_json j;
        j["step"] = traceStepKey(e.step);
        j["step_heading"] = traceStepHeading(e.step, ja);
        j["symbol"] = e.symbol;
        j["name"] = nameOf(e, p);
        j["value"] = jsonNumber(e.value);
        j["unit"] = e.unit;
        if (isSI(p)) {
            if (const std::optional<SiValue> si =
                    siValueOf(e.value, e.unit, isTemperatureDifference(e.symbol))) {
                j["si_value"] = jsonNumber(si->value);
                j["si_unit"] = si->unit;
            }
        }
        j["formula"] = e.formula;
        if (!e.expr.empty()) j["expr"] = e.expr;
        ordered_json vars = ordered_json::object();
        ordered_json units = ordered_json::object();
        for (const TraceVar& v : e.vars) {
            vars[v.name] = jsonNumber(v.value);
            units[v.name] = v.unit;
        }
        j["vars"] = vars;
        j["var_units"] = units;
        if (!e.source.empty()) j["source"] = e.source;
        if (!e.correlation.empty()) j["correlation"] = e.correlation;
        if (!e.range.empty()) j["range"] = e.range;
        j["in_range"] = e.inRange ? ordered_json(*e.inRange) : ordered_json(nullptr);
        entries.push_back(j);
    }
    doc["trace"] = entries;
    ordered_json history = ordered_json::array();
    for (const TraceIteration& it : trace.iterations())
        history.push_back({{"pass", it.pass},
                           {"Q", jsonNumber(it.Q)},
                           {"T2", jsonNumber(it.T2)},
                           {"T4", jsonNumber(it.T4)},
                           {"KI", jsonNumber(it.KI)},
                           {"change", jsonNumber(it.change)}});
    doc["iterations"] = history;
    ordered_json summary = ordered_json::object();
    if (outcome.solved)
        for (const SummaryValue& v : kSummary)
            summary[v.symbol] = jsonNumber(outcome.solution.*v.member);
    doc["summary"] = summary;
    doc["message"] = trace.message();
    return doc.dump(2) + "\n";
}

std::string traceMarkdown(const CalcTrace& trace, Presentation p) {
    const Texts& t = textsOf(p);
    const bool ja = isJapanese(p);
    std::ostringstream out;
    out << "# " << t.title << "\n\n" << t.units << "\n";
    const std::vector<TraceEntry> entries = trace.entries();
    bool first = true;
    TraceStep step = TraceStep::Count;
    for (const TraceEntry& e : entries) {
        if (first || e.step != step) {
            step = e.step;
            first = false;
            out << "\n## " << traceStepHeading(step, ja) << "\n\n";
        }
        out << "- **" << e.symbol << "** " << nameOf(e, p) << " = " << shownValue(e, p);
        if (e.inRange) out << (*e.inRange ? "" : std::string("  **") + t.outOfRange + "**");
        out << '\n';
        if (!e.formula.empty()) out << "  - `" << e.formula << "`\n";
        if (!e.vars.empty()) {
            out << "  -";
            for (const TraceVar& v : e.vars)
                out << ' ' << v.name << " = " << text(v.value) << ' ' << v.unit << ';';
            out << '\n';
        }
        if (!e.correlation.empty())
            out << "  - " << e.correlation << (e.range.empty() ? "" : " (" + e.range + ")") << '\n';
        if (!e.source.empty()) out << "  - " << e.source << '\n';
    }
    if (!trace.iterations().empty()) {
        out << "\n## " << t.iterations
            << "\n\n| pass | Q kcal/h | T2 ℃ | T4 ℃ | KI kcal/m2h℃ | ΔQ/Q "
               "|\n|---|---|---|---|---|---|\n";
        for (const TraceIteration& it : trace.iterations())
            out << "| " << it.pass << " | " << text(it.Q) << " | " << text(it.T2) << " | "
                << text(it.T4) << " | " << text(it.KI) << " | " << text(it.change) << " |\n";
    }
    if (!trace.message().empty()) {
        out << "\n## " << t.message << "\n\n";
        for (const std::string& line : trace.message()) out << "    " << line << '\n';
    }
    return out.str();
}

std::string traceHtml(const CalcTrace& trace, Presentation p) {
    const Texts& t = textsOf(p);
    const bool ja = isJapanese(p);
    const std::vector<TraceEntry> entries = trace.entries();
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"" << (ja ? "ja" : "en") << "\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n<title>" << t.title << "</title>\n<style>\n"
        << "body{font-family:sans-serif;margin:1.5em;max-width:70em;color:#222}\n"
        << "nav{border:1px solid #ccc;padding:.5em 1em;margin:0 0 1em;background:#fafafa}\n"
        << "nav ol{columns:2;margin:.3em 0}\n"
        << "table{border-collapse:collapse;width:100%;margin-bottom:1em}\n"
        << "th,td{border-bottom:1px solid #ddd;padding:.25em "
           ".5em;text-align:left;vertical-align:top}\n"
        << "td.v{text-align:right;white-space:nowrap;font-variant-numeric:tabular-nums}\n"
        << "tr.out{background:#fde8e8}\n.flag{color:#b00;font-weight:bold}\n"
        << ".vars{font-size:.85em;color:#555}\nmath{font-size:1.1em}\n"
        << "</style>\n</head>\n<body>\n<h1>" << t.title << "</h1>\n<p>" << t.units << "</p>\n";
    const std::vector<TraceStep> steps = stepsOf(entries);
    out << "<nav><b>" << t.contents << "</b><ol>\n";
    for (TraceStep s : steps)
        out << "<li><a href=\"#" << traceStepKey(s) << "\">" << traceStepHeading(s, ja)
            << "</a></li>\n";
    if (!trace.iterations().empty())
        out << "<li><a href=\"#iterations\">" << t.iterations << "</a></li>\n";
    if (!trace.message().empty()) out << "<li><a href=\"#message\">" << t.message << "</a></li>\n";
    out << "</ol></nav>\n";
    std::size_t i = 0;
    for (TraceStep s : steps) {
        out << "<h2 id=\"" << traceStepKey(s) << "\">" << traceStepHeading(s, ja)
            << "</h2>\n<table>\n";
        for (; i < entries.size() && entries[i].step == s; ++i) {
            const TraceEntry& e = entries[i];
            const bool outside = e.inRange && !*e.inRange;
            out << "<tr" << (outside ? " class=\"out\"" : "") << "><td><b>" << escapeHtml(e.symbol)
                << "</b><br>" << escapeHtml(nameOf(e, p)) << "</td><td class=\"v\">"
                << escapeHtml(shownValue(e, p)) << "</td><td>";
            if (!e.expr.empty()) {
                out << expressionMathMl(e.expr) << "<div class=\"vars\">";
                for (const TraceVar& v : e.vars)
                    out << escapeHtml(v.name) << " = " << text(v.value) << ' ' << escapeHtml(v.unit)
                        << "; ";
                out << "</div>";
            } else {
                out << "<i>" << (e.correlation.empty() ? t.lookedUp : t.byCorrelation) << "</i>";
            }
            if (!e.formula.empty())
                out << "<div class=\"vars\">" << escapeHtml(e.formula) << "</div>";
            out << "</td><td>";
            if (!e.correlation.empty()) out << escapeHtml(e.correlation) << "<br>";
            if (!e.range.empty())
                out << "<span class=\"vars\">" << escapeHtml(e.range) << "</span> "
                    << (outside ? std::string("<span class=\"flag\">") + t.outOfRange + "</span>"
                                : std::string(t.inRange))
                    << "<br>";
            if (!e.source.empty())
                out << "<span class=\"vars\">" << escapeHtml(e.source) << "</span>";
            out << "</td></tr>\n";
        }
        out << "</table>\n";
    }
    if (!trace.iterations().empty()) {
        out << "<h2 id=\"iterations\">" << t.iterations
            << "</h2>\n<table><tr><th>pass</th><th>Q kcal/h</th><th>T2 ℃</th><th>T4 ℃</th><th>KI "
               "kcal/m2h℃</th><th>ΔQ/Q</th></tr>\n";
        for (const TraceIteration& it : trace.iterations())
            out << "<tr><td>" << it.pass << "</td><td class=\"v\">" << text(it.Q)
                << "</td><td class=\"v\">" << text(it.T2) << "</td><td class=\"v\">" << text(it.T4)
                << "</td><td class=\"v\">" << text(it.KI) << "</td><td class=\"v\">"
                << text(it.change) << "</td></tr>\n";
        out << "</table>\n";
    }
    if (!trace.message().empty()) {
        out << "<h2 id=\"message\">" << t.message << "</h2>\n<pre>";
        for (const std::string& line : trace.message()) out << escapeHtml(line) << '\n';
        out << "</pre>\n";
    }
    out << "</body>\n</html>\n";
    return out.str();
}

}  // namespace hx
