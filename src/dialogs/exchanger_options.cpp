// The option buttons of the main window's geometry column: exchanger type,
// tube surface (with the sample low-fin dimensions), twisted tape, flow
// arrangement, the weight-estimate panel and the exchanger drawing.
#include <memory>
#include <string>

#include "core/option_codes.h"
#include "dialogs/control_groups.h"
#include "dialogs/option_dialogs.h"
#include "model/geometry_column.h"

namespace hx {

using controls::code;
using controls::enable;
using controls::put;

namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";

// The fin fields: thickness and height in mm, fins per inch, and the fin
// conductivity in W/mK (codes 1, 3) or kcal/mh℃ (code 4).
constexpr const char* kFinFields[] = {"EDIT4", "EDIT5", "EDIT6", "EDIT16"};
constexpr const char* kTapeControls[] = {"EDIT111", "EDIT112", "TEXT165", "TEXT166"};

void chooseExchanger(Session& session, int type) {
    FormStore& f = session.forms;
    f.setText(kMain, "EDIT114", std::to_string(type));
    captionGeometry(f, type, code(f, kMain, "EDIT74"));
    controls::write(f, kMain, geometryColumnFields(), "");
    session.console.clear();
}

void writeTape(FormStore& f, int tape) {
    f.setText(kMain, "EDIT73", "    " + std::to_string(tape));
    if (tape == kTapeUsed) {
        enable(f, kData, kTapeControls, true);
    } else {
        controls::write(f, kData, {"EDIT111", "EDIT112"}, "    ―");
        enable(f, kData, kTapeControls, false);
    }
}

// A typical copper low-fin tube: fins 0.3 mm thick and 1.4 mm high, 19 per
// inch, 395 W/mK (340 kcal/mh℃).
void restoreSampleFins(FormStore& f) {
    f.setText(kMain, "EDIT4", "   0.3");
    f.setText(kMain, "EDIT5", "   1.4");
    f.setText(kMain, "EDIT6", "   19");
    f.setText(kMain, "EDIT16", isSI(code(f, kMain, "EDIT74")) ? "   395" : "   340");
}

void eraseSampleFins(Session& session) {
    controls::write(session.forms, kMain, kFinFields, "");
    session.console.clear();
    session.console.print("     ﾛｰﾌｨﾝ寸法のｻﾝﾌﾟﾙ値を消去しました。");
    session.console.print("     伝熱管のローフィン寸法を登録してください。");
}

bool askRestore(Session& session, LowFinMemory& memory) {
    memory.restoredSample =
        session.platform.askYesNo(" ローフィン寸法サンプル値の復活", "サンプル値を復活しますか？");
    return memory.restoredSample;
}

}  // namespace

void RADIO7_ON(Session& session) {
    enable(session.forms, kMain, {"BUTTON7"}, true);
    session.forms.setEnabled(kData, "EDIT80", true);
    chooseExchanger(session, kShellAndTube);
}

void RADIO8_ON(Session& session) {
    // A double tube is one inner tube; its gas content is not asked for.
    enable(session.forms, kData, {"EDIT80", "EDIT89"}, false);
    chooseExchanger(session, kDoubleTube);
}

void BUTTON6_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kMain, "EDIT25", "    1");
    controls::write(f, kMain, {"EDIT4", "EDIT5", "EDIT6"}, "\u3000 ━");
    f.setText(kMain, "EDIT16", "   ━");
}

void BUTTON7_ON(Session& session, LowFinMemory& memory) {
    FormStore& f = session.forms;
    const int previous = code(f, kMain, "EDIT25");
    session.console.clear();
    f.setText(kMain, "EDIT25", "    2");

    bool restore = false;
    if (previous == kPlainTube) {
        controls::write(f, kMain, kFinFields, "");
        restore = askRestore(session, memory);
    } else if (previous == kLowFinTube) {
        // Pressed again after restoring the sample: take the sample away.
        restore = memory.restoredSample ? false : askRestore(session, memory);
    } else {
        controls::write(f, kMain, kFinFields, "");
        restore = memory.restoredSample;
    }
    if (restore) {
        restoreSampleFins(f);
    } else {
        eraseSampleFins(session);
    }
}

void BUTTON30_ON(Session& session) { writeTape(session.forms, kTapeUsed); }
void BUTTON31_ON(Session& session) { writeTape(session.forms, kTapeNotUsed); }

void BUTTON26_ON(Session& session) { session.forms.setText(kMain, "EDIT53", "    1"); }
void BUTTON27_ON(Session& session) { session.forms.setText(kMain, "EDIT53", "    2"); }

// TEXT225 is a blank cover as large as the weight panel, laid over it while
// the weight estimate is off.
void RADIO18_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kMain, "EDIT139", "1");
    f.setVisible(kMain, "TEXT225", false);
    f.setVisible(kMain, "TEXT220", false);
}

void RADIO19_ON(Session& session) {
    FormStore& f = session.forms;
    f.setText(kMain, "EDIT139", "2");
    f.setVisible(kMain, "TEXT225", true);
    f.setVisible(kMain, "TEXT220", true);
}

void BUTTON20_ON(Session& session) {
    FormStore& f = session.forms;
    // The figure window's print button adds a hard copy of the window to
    // the print job (BUTTON3_ON).
    f.setEnabled("FORM2", "BUTTON3", true);
    f.showForm("FORM2");
    if (!session.platform.loadBitmap(kExchangerDrawing)) {
        const bool japanese = isJapanese(code(f, kMain, "EDIT74"));
        session.console.print(
            japanese ? std::string(" 図ファイル ") + kExchangerDrawing + " が見つかりません。"
                     : std::string(" Figure file ") + kExchangerDrawing + " was not found.");
    }
    f.setEnabled(kMain, "BUTTON20", false);
}

void FORM2_BUTTON3_ON(Session& session) {
    session.platform.printer().printHardCopy(HardCopy::FigureWindow);
}

}  // namespace hx
