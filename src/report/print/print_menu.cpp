// The print menu: one key read after the menu, the printer question before
// a text report, and the reports and hard copies sent to the print job.
#include "report/print/print_menu.h"

#include <string>
#include <utility>
#include <vector>

#include "calc/solver/calculation_driver.h"
#include "report/print/printed_profile.h"
#include "report/print/printed_report.h"
#include "report/screen/check_table.h"
#include "report/screen/humidity_table.h"
#include "report/screen/results_summary.h"
#include "report/screen/trace_report.h"

namespace hx {

namespace {

struct PrintMenuTexts {
    const char* menu;
    const char* prompt;
    // The printer question: the lines before the prompt, then the prompt,
    // before a text detail and before a text summary. nullptr ends a list.
    const char* beforeDetail[3];
    const char* beforeSummary[3];
};

// Indexed by Presentation.
// clang-format off: the texts as the window shows them.
constexpr PrintMenuTexts kTexts[] = {
    // English, engineering units: an empty line before the detail question.
    {"   <1> Text summary,         <2> Text detail,   <3> Fig.hard copy",
     "   <4> CRT chart hard copy,  <5> Return                    ",
     {"", "     Setting printer is available for Windows pdf y/n  "},
     {"     setting printer is available for Windows pdf   y/n  "}},
    // English, SI units
    {"    <1> Text summary,         <2> Text detail,  <3> Fig.hard copy",
     "    <4> CRT chart hard copy,  <5> Return                ",
     {"     Setting printer is available for Windows pdf   y/n  "},
     {"     Setting printer is available for Windows pdf   y/n  "}},
    // Japanese, engineering units
    {"    <1> ﾃｷｽﾄｻﾏﾘｰ版,    <2> ﾃｷｽﾄ詳細版, <3> CRT図ﾊｰﾄﾞｺﾋﾟ-",
     "    <4> CRT表ﾊｰﾄﾞｺﾋﾟｰ, <5> 戻る        <6> 終了(ｼｬｯﾄﾀﾞｳﾝ) ",
     {"    ﾌﾟﾘﾝﾀｰ機種によって印刷がｽﾀｰﾄしない場合が有ります。 ",
      "    印刷するため一度ﾌﾟﾛｸﾞﾗﾑをｼｬｯﾄﾀﾞｳﾝする。OK y/n "},
     {"     ﾌﾟﾘﾝﾀｰ機種によって印刷がｽﾀｰﾄしない場合が有ります。 ",
      "     印刷するため一度ﾌﾟﾛｸﾞﾗﾑをｼｬｯﾄﾀﾞｳﾝする。OK y/n"}},
    // Japanese, SI units: the same three lines before both reports.
    {"    <1> ﾃｷｽﾄｻﾏﾘｰ版,    <2> ﾃｷｽﾄ詳細版, <3> CRT図ﾊｰﾄﾞｺﾋﾟ-",
     "    <4> CRT表ﾊｰﾄﾞｺﾋﾟｰ, <5> 戻る        <6> 終了(ｼｬｯﾄﾀﾞｳﾝ)",
     {" 　注）PCがpdfへの印刷になっていることを確認下さい｡ ",
      "  　   本ｿﾌﾄを立ち上げた状態での複数印刷は ",
      "       最初のファイル名に続けて格納されます。OK  y/n  "},
     {" 　注）PCがpdfへの印刷になっていることを確認下さい｡ ",
      "  　   本ｿﾌﾄを立ち上げた状態での複数印刷は ",
      "       最初のファイル名に続けて格納されます。OK  y/n  "}},
};
// clang-format on

// The line over the menu after a print: where the file went.
constexpr const char* kWrittenTo[] = {
    " The PDF file is written: ", " The PDF file is written: ", " PDFファイルに出力しました: ",
    " PDFファイルに出力しました: "};

// The choice of the calculation trace, on a line of its own below the menu.
constexpr const char* kTraceChoice[] = {
    "   <7> Calculation trace",
    "    <7> Calculation trace",
    "    <7> 計算過程",
    "    <7> 計算過程",
};

// The choice of the temperature profile, on a line of its own below the
// trace's.
constexpr const char* kProfileChoice[] = {
    "   <8> Temperature profile",
    "    <8> Temperature profile",
    "    <8> 温度分布",
    "    <8> 温度分布",
};

// English engineering: the menu stands below eleven empty lines.
constexpr int kEnglishBlankLines = 11;

const PrintMenuTexts& textsOf(Presentation p) { return kTexts[static_cast<int>(p)]; }

// Shows the menu on a clear window and reads the choice. After a print the
// line above the menu names the file it went into.
std::string readChoice(TextConsole& console, Presentation p, const std::string& writtenTo) {
    console.clear();
    if (p == Presentation::EnglishEngineering)
        for (int i = 0; i < kEnglishBlankLines; ++i) console.print("");
    if (!writtenTo.empty()) console.print(kWrittenTo[static_cast<int>(p)] + writtenTo);
    console.print(textsOf(p).menu);
    console.print(kTraceChoice[static_cast<int>(p)]);
    console.print(kProfileChoice[static_cast<int>(p)]);
    return console.input(textsOf(p).prompt);
}

// The printer question before a report; only "n" declines.
bool printerConfirmed(TextConsole& console, Presentation p, ReportContent content) {
    const auto& lines =
        content == ReportContent::Detail ? textsOf(p).beforeDetail : textsOf(p).beforeSummary;
    std::size_t count = 0;
    while (count < 3 && lines[count] != nullptr) ++count;
    for (std::size_t i = 0; i + 1 < count; ++i) console.print(lines[i]);
    return console.input(lines[count - 1]) != "n";
}

// The sections the report takes from the other tables: the humidity table
// of a wet-gas case (at the total pressure of the run) and the check table.
ReportSections reportSections(Presentation p, const RunInputs& in, const Solution& shown) {
    std::vector<std::string> humidity;
    if (in.dc.wetGas && in.humidity) humidity = humidityPrintedLines(p, in, shown, in.humidity->Pt);
    return {std::move(humidity), printedCheckTable(p, in, shown)};
}

void printReport(Session& session, Presentation p, ReportContent content, const RunInputs& in,
                 const Solution& shown) {
    session.platform.printer().printText(printedReport(
        p, content, in, shown, session.platform.dateText(), reportSections(p, in, shown)));
}

}  // namespace

void runPrintMenu(Session& session, Presentation p, const RunInputs& in, const Solution& shown) {
    TextConsole& console = session.console;
    Printer& printer = session.platform.printer();
    bool printed = false;
    for (;;) {
        const std::string choice = readChoice(console, p, printed ? printer.deliveredTo() : "");
        printed = false;
        if (choice == "1" || choice == "2") {
            const ReportContent content =
                choice == "1" ? ReportContent::Summary : ReportContent::Detail;
            if (printerConfirmed(console, p, content)) {
                printReport(session, p, content, in, shown);
                printed = true;
            }
        } else if (choice == "3") {
            printer.printHardCopy(HardCopy::ResultForm);
            printed = true;
        } else if (choice == "4") {
            // The presentation drawn again, the inputs given back, and the
            // window printed as it then stands.
            showResultsSummary(p, in, shown, console);
            enableInputs(session);
            printer.printHardCopy(HardCopy::TextWindow);
            printed = true;
        } else if (choice == "7") {
            printer.printText(printedTrace(session.lastTrace, p));
            printed = true;
        } else if (choice == "8") {
            // The table, then the chart of the result window's profile tab
            // where there is a profile to draw.
            bool drawn = false;
            printer.printText(printedProfile(in, shown, p, drawn));
            if (drawn) printer.printHardCopy(HardCopy::ProfileChart);
            printed = true;
        } else if (choice == "5") {
            return;
        } else if (choice == "6" && isJapanese(p)) {
            throw ProgramExit();
        }
    }
}

}  // namespace hx
