// The results menu: one key at a time after the summary table. Each of the
// four presentations has its own wording and its own targets for the unit
// and language keys. Where the platform can open them, keys "7" and "8"
// open the Calculation window and the parameter study. The loop ends by
// closing the program ("0", "y") or by the restart key "4".
#include "report/screen/results_menu.h"

#include <optional>
#include <string>

#include "calc/case/weight_estimate.h"
#include "report/print/print_menu.h"
#include "report/screen/check_table.h"
#include "report/screen/flow_figure.h"
#include "report/screen/humidity_table.h"
#include "report/screen/presentation.h"
#include "report/screen/result_form.h"
#include "report/screen/result_profile.h"
#include "report/screen/results_summary.h"
#include "report/screen/results_view.h"
#include "report/screen/weight_table.h"

namespace hx {
namespace {

// The two lines of one menu: the first line, in the wording of the first
// menu of the program run and in the wording of every later one, then the
// prompt after which the key is typed.
struct MenuWording {
    const char* firstTime;
    const char* later;
    const char* prompt;
};

struct PresentationMenu {
    MenuWording wetGas;  // the wet-gas calculation offers key 5
    MenuWording dry;     // every other calculation
    const char* closePrompt;
};

// Indexed by Presentation. Where a presentation has a single first line,
// firstTime and later are the same text.
// clang-format off: the two wordings of a first line side by side.
constexpr PresentationMenu kMenus[] = {
    // English, engineering units
    {{" 【0】close,  【1】Print set,【2】SI Unit,【3】Japan",
      " 【0】close,  【1】Print set,【2】SI Unit,【3】Japan",
      " 【4】re-start【5】Wet data ,【6】Check!  << hit Key >> → "},
     {"  【0】close,    【1】Print set,【2】SI Unit,【3】Japan",
      "  【0】close,    【1】Print set,【2】SI Unit,【3】Japa",
      "  【4】re-start ,【6】Check!  <<< hit Key >>> → "},
     "   close  y/n ?"},
    // English, SI units
    {{"   select【0】close、 【1】Print set,【2】SI Unit,【3】Japan",
      "  【0】close,  【1】Print set,【2】SI Unit,【3】Japan",
      "  【4】re-start【5】Wet data ,【6】Check!  << hit Key  0～5 >> → "},
     {"  【0】close,   【1】Print set,【2】SI Unit, 【3】Japan",
      "  【0】close,   【1】Print set,【2】SI Unit, 【3】Japa",
      "  【4】re-start,【6】Check !      << hit Key  0～4 >> → "},
     "   close  y/n "},
    // Japanese, engineering units
    {{" 【0】計算終了, 【1】印刷選択, 【2】SI単位,【3】英文",
      " 【0】計算終了, 【1】印刷選択, 【2】SI単位,【3】英文",
      " 【4】再計算  , 【5】湿りﾃﾞｰﾀｰ,【6】精度ﾁｪｯｸ  No.ｷｰｲﾝ →"},
     {" 【0】計算終了,【1】印刷選択,  【2】SI単位", " 【0】計算終了,【1】印刷選択,  【2】SI単位",
      " 【3】英文,    【4】再計算,    【6】精度ﾁｪｯｸ!  No.ｷｰｲﾝ →"},
     "   close  y/n "},
    // Japanese, SI units
    {{" 【0】計算終了,  【1】印刷選択, 【2】旧単位へ,【3】英文",
      " 【0】計算終了, 【1】印刷選択,  【2】旧単位へ,【3】英文",
      " 【4】再計算,   【5】湿りﾃﾞｰﾀｰ ,【6】精度ﾁｪｯｸ　　ｷｰｲﾝ →"},
     {" 【0】計算終了,【1】印刷選択, 【2】旧単位へ変換",
      " 【0】計算終了,【1】印刷選択, 【2】旧単位へ変換",
      " 【3】英文,    【4】再計算,   【6】精度ﾁｪｯｸ　 ｷｰｲﾝ →"},
     "   close   y/n ?"},
};
// clang-format on

const PresentationMenu& menuOf(Presentation p) { return kMenus[static_cast<int>(p)]; }

// The result windows, on a line of their own between the menu's lines where
// the platform can open them.
constexpr const char* kWindowChoices[] = {
    " 【7】Calculation ,【8】Parameter study",
    "  【7】Calculation ,【8】Parameter study",
    " 【7】計算過程 ,【8】パラメータ検討",
    " 【7】計算過程 ,【8】パラメータ検討",
};

// Shows the menu of the active presentation and reads the key.
//
// The figure hint belongs to the first menu of the program run: while the
// figure-shown flag is still clear, this display sets it and (unless the
// key that led here was "4") puts "←FIG. CLOSE" and "■" on the main window.
// That same display prints the "first time" wording of the first line;
// every display after it, with the flag already set, prints the "later"
// wording. So the choice follows the flag as it stood before this display,
// not the number of menus of the current presentation.
std::string readMenuKey(Session& session, Presentation p, bool wetGas, const std::string& lastKey) {
    const MenuWording& w = wetGas ? menuOf(p).wetGas : menuOf(p).dry;
    bool firstTime = false;
    if (!session.figureShown) {
        session.figureShown = true;
        if (lastKey != "4") {
            firstTime = true;
            session.forms.setText("MAINFORM", "TEXT82", "←FIG. CLOSE");
            session.forms.setText("MAINFORM", "TEXT74", "■");
        }
    }
    session.console.print(firstTime ? w.firstTime : w.later);
    if (session.platform.offersResultWindows())
        session.console.print(kWindowChoices[static_cast<int>(p)]);
    std::string key = session.console.inputKey(w.prompt);
    if (p == Presentation::EnglishEngineering) session.console.print("");
    return key;
}

// The close question: "y" ends the program, "n" goes back to the menu; any
// other answer (upper case included) asks the same question again.
void confirmClose(TextConsole& console, Presentation p) {
    for (;;) {
        const std::string answer = console.inputKey(menuOf(p).closePrompt);
        if (answer == "y") throw ProgramExit();
        if (answer == "n") return;
    }
}

// The weight estimate of a run with the weight option on (EDIT139 = 1),
// written into the weight table of the result form once.
std::optional<WeightEstimate> weightEstimate(FormStore& forms, const RunInputs& in,
                                             const Solution& solution) {
    if (in.dc.weightCalculation != 1) return std::nullopt;
    const WeightEstimate w = estimateWeight(in, solution);
    fillWeightTable(forms, w);
    return w;
}

// Fills the result form (and its profile tab) and, in modes 1 and 2, the
// flow figure for presentation p, and shows them with their drawings.
void showResultForms(Session& session, Presentation p, const RunInputs& in, const Solution& shown) {
    fillResultForm(session.forms, p, in, shown);
    std::string whyNoProfile;
    const std::optional<CaseProfile> profile = resultProfile(in, shown, p, whyNoProfile);
    session.platform.showResultProfile(profile, whyNoProfile);
    showResultForm(session.forms, session.platform, in.dc);
    if (!hasFlowFigure(in.dc)) return;
    fillFlowFigure(session.forms, p, in, shown);
    showFlowFigure(session.forms, session.platform, in.dc);
}

bool resultFormsShown(const FormStore& forms) {
    return forms.formVisible("FORM4") || forms.formVisible("FORM3");
}

void hideResultForms(FormStore& forms) {
    forms.hideForm("FORM4");
    forms.hideForm("FORM3");
}

}  // namespace

void runResultsMenu(Session& session, const RunInputs& in, const Solution& solution) {
    TextConsole& console = session.console;
    const DesignCase& dc = in.dc;
    ResultsView view(solution);
    Presentation p = Presentation::EnglishEngineering;
    const std::optional<WeightEstimate> weight = weightEstimate(session.forms, in, solution);
    // Every screen of a presentation starts with its entry steps; the
    // result forms follow the summary in the same language and units.
    const auto show = [&] {
        view.enter(p, in);
        showResultsSummary(p, in, view.shown(), console);
        showResultForms(session, p, in, view.shown());
        if (weight && !weight->sound) console.print(weightFailedLine(p));
    };
    show();

    // The total gas pressure of the humidity table, kgf/cm2: entered on the
    // pressurised basis, else 1 atm (the Japanese table's 1.03 stays once shown).
    float totalPressure = in.humidity ? in.humidity->Pt : 0.0f;
    std::string lastKey;
    for (;;) {
        const std::string key = readMenuKey(session, p, dc.wetGas, lastKey);
        lastKey = key;
        // Keys are compared as typed text: " 2" is not "2".
        if (key == "0") {
            confirmClose(console, p);
        } else if (key == "1") {
            // The print menu comes back to the active presentation.
            runPrintMenu(session, p, in, view.shown());
            show();
        } else if (key == "2") {
            p = otherUnits(p);
            show();
        } else if (key == "3") {
            p = otherLanguage(p);
            show();
        } else if (key == "5") {
            // Accepted whatever the wet-gas flag; the humidity table returns
            // to the active presentation.
            showHumidityTable(p, in, view.shown(), totalPressure, console,
                              [&session](const std::vector<std::string>& lines) {
                                  session.platform.printer().printText(lines);
                              });
            show();
        } else if (key == "4") {
            // Restart: the caller performs the end-of-run reset (window
            // cleared, forms enabled, figure labels emptied).
            return;
        } else if (key == "P" || key == "p") {
            // Marks the figure as shown and closes the result forms, or
            // refills and shows them when they are closed; then back to
            // the menu rather than leaving the loop with no way back.
            session.figureShown = true;
            if (resultFormsShown(session.forms))
                hideResultForms(session.forms);
            else
                showResultForms(session, p, in, view.shown());
        } else if (key == "6") {
            // The heat-balance check table is shown on a clear window, then
            // the active presentation again. Its base heat for a wet gas is
            // QK, which the view has held as Q since the first summary.
            // "<2> printout" prints the check section of the active
            // presentation.
            console.clear();
            if (showCheckTable(in, view.shown(), console))
                session.platform.printer().printText(printedCheckTable(p, in, view.shown()));
            show();
        } else if ((key == "7" || key == "8") && session.platform.offersResultWindows()) {
            // The window opens beside the text window; the menu stays.
            session.platform.openResultWindow(
                key == "7" ? ResultWindow::Calculation : ResultWindow::ParameterStudy,
                isJapanese(p));
        }
        // Any other key: the menu again.
    }
}

}  // namespace hx
