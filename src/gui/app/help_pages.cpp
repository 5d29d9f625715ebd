#include "gui/app/help_pages.h"

#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "props/water_table.h"

namespace hx::gui {

namespace {

constexpr const char* kQuickStartEnglish =
    "A first calculation, on the sample exchanger\n"
    "\n"
    "1. Unit system window: \"SI unit ENGLISH\" (English, SI units), or\n"
    "   \"旧工学単位系\" / \"ＳＩ 単位系\" (Japanese, engineering or SI units).\n"
    "2. Main window: OPEN loads the shell-and-tube sample data.\n"
    "3. \"Fluid mode ON\", then the mode: \"Both side sensible\". After a choice the\n"
    "   other choices are hidden: press \"Fluid mode ON\" again to change the mode.\n"
    "4. \"Tube side physi.ON\", then how the tube-side properties are found\n"
    "   (\"Water physi.：Auto\"); the same for \"Shell side physi.ON\". These\n"
    "   buttons, pressed again, show their choices again.\n"
    "5. MAIN INPUT opens the main data: tube count, temperatures, tube length\n"
    "   and properties. Check them and press OK.\n"
    "6. The heat transfer coefficient window opens: OK (by formula).\n"
    "7. The flow arrangement on the main window: \"【1】 Cross flow\".\n"
    "8. CALC.ON: the calculation runs in the text window and shows its results.\n"
    "   At the results menu a key acts at once: 2 SI/engineering units,\n"
    "   3 Japanese/English, 6 heat-balance check, 4 new calculation, 0 close.\n"
    "9. A second calculation: key 4 gives the forms back, and the start button\n"
    "   now reads START. Change a field (MAIN INPUT, say the tube length, OK,\n"
    "   OK) and press START.\n"
    "\n"
    "Questions in the text window are answered by typing and Enter.\n"
    "The text window scrolls back over earlier screens (Page Up, the wheel).\n"
    "Closing the main window ends the program.";

constexpr const char* kQuickStartJapanese =
    "はじめての計算（サンプルの熱交換器）\n"
    "\n"
    "1. 単位系選択：「旧工学単位系」または「ＳＩ 単位系」（英文は「SI unit ENGLISH」）\n"
    "2. 主画面の OPEN でシェル＆チューブのサンプルデータを読み込みます。\n"
    "3. 「流体条件選択ボタン■」を押し、流体条件（「両流体相変化無し(顕熱)」など）を選びます。\n"
    "   選んだ後は他の選択肢が隠れます。変えるときは「流体条件選択ボタン■」をもう一度押します。\n"
    "4. 「管内流体選択ボタン■」を押して管内の物性の求め方（「水の物性　： 相関式」など）を、\n"
    "   「ｼｪﾙ流体選択ボタン ■」を押してシェル側の求め方を選びます（変えるときも同じボタン）。\n"
    "5. MAIN INPUT で主データ（本数、温度、管長、物性値）を開き、確かめて OK。\n"
    "6. 熱伝達率の設定が開きます：Ｏ Ｋ（計算式指定）。\n"
    "7. 主画面で流れの形（「【1】  向流ｸﾛｽ」など）を選びます。\n"
    "8. 「計算開始」でテキスト画面に計算と結果が出ます。結果のメニューでは\n"
    "   キーを押すだけで選べます（Enter は不要）。\n"
    "9. 続けて計算するとき：キー 4 で入力画面に戻ります（開始ボタンは「計算開始」のまま）。\n"
    "   値を変え（MAIN INPUT で管長など、OK、Ｏ Ｋ）、「計算開始」を押します。\n"
    "\n"
    "テキスト画面の質問には入力して Enter で答えます。\n"
    "テキスト画面は前の画面までさかのぼって読めます（Page Up、ホイール）。\n"
    "主画面を閉じるとプログラムが終わります。";

constexpr const char* kAboutEnglish =
    "hxcalc %1\n\n"
    "Thermal design and rating of shell-and-tube and double-tube heat exchangers.";
constexpr const char* kAboutJapanese =
    "hxcalc %1\n\n"
    "シェル＆チューブ式・二重管式熱交換器の伝熱設計と性能計算。";

}  // namespace

QString quickStartText(bool japanese) {
    return QString::fromUtf8(japanese ? kQuickStartJapanese : kQuickStartEnglish);
}

QString aboutText(bool japanese) {
    return QString::fromUtf8(japanese ? kAboutJapanese : kAboutEnglish)
        .arg(QStringLiteral(HX_VERSION));
}

QStringList waterTableLines(bool japanese) {
    // Measured by the validation suite (docs/VALIDATION.md), 1 to 99 ℃.
    const char* accuracy[] = {
        japanese
            ? "IAPWS-IF97 との差 (1～99 ℃): 密度 0.9 %、比熱 0.2 %、動粘度 3 %、熱伝導率 1.5 % 以内"
            : "Against IAPWS-IF97 (1 to 99 ℃): density within 0.9 %, specific heat 0.2 %,",
        japanese ? "" : "kinematic viscosity 3 %, conductivity 1.5 %.",
    };
    QStringList lines;
    for (const std::string& line : waterPropertyTable()) lines << QString::fromStdString(line);
    lines << QString();
    for (const char* line : accuracy)
        if (*line) lines << QString::fromUtf8(line);
    return lines;
}

void showTablePage(QWidget* parent, const QString& title, const QStringList& lines) {
    auto* page = new QDialog(parent);
    page->setWindowTitle(title);
    page->setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QPlainTextEdit(lines.join(QLatin1Char('\n')), page);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(text);
    const QFontMetrics metrics(text->font());
    int widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    page->resize(widest + 60, metrics.height() * (static_cast<int>(lines.size()) + 4));
    page->show();
}

void showHelpPage(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Close, parent);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

}  // namespace hx::gui
