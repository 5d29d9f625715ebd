// The option dialogs: FORM8 coefficients and its check, FORM9 phase change,
// FORM10 wet-gas basis, exchanger type, the low-fin question and the figure.
// Expected texts are copied from the requirements' tables.
#include "dialogs/option_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/scripted_console.h"
#include "model/platform.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx {
namespace {

constexpr const char* kMain = "MAINFORM";
constexpr const char* kData = "FORM7";
constexpr const char* kTubeMessage = " illegal setting of tube side value";
constexpr const char* kShellMessage = " illegal setting of shell side value";

// A scripted platform that also records every Yes/No question it is asked.
class RecordingPlatform : public ScriptedPlatform {
public:
    bool askYesNo(const std::string& title, const std::string& question) override {
        asked.push_back(title + "|" + question);
        return ScriptedPlatform::askYesNo(title, question);
    }
    std::vector<std::string> asked;
};

struct CoefficientCase {
    int setting, side;
    float tube, shell;  // kcal/m2h℃ or W/m2K
    const char* message;
};

// By hand, every side entered must be non-zero; both sides report the tube first.
const CoefficientCase kCoefficientCases[] = {
    {1, 3, 0, 0, ""},
    {2, 1, 0, 500, kTubeMessage},
    {2, 1, 300, 0, ""},
    {2, 2, 0, 0, kShellMessage},
    {2, 2, 0, 500, ""},
    {2, 3, 0, 0, kTubeMessage},
    {2, 3, 300, 0, kShellMessage},
    {2, 3, 300, 500, ""},
};

TEST(CoefficientCheck, ManualSidesMustBeFilled) {
    for (const CoefficientCase& c : kCoefficientCases)
        EXPECT_EQ(std::string(coefficientCheckMessage(c.setting, c.side, c.tube, c.shell)),
                  c.message)
            << c.setting << " " << c.side << " " << c.tube << " " << c.shell;
}

class OptionDialogsTest : public ::testing::Test {
protected:
    OptionDialogsTest() : session(console, platform) { startProgram(session); }

    FormStore& f() { return session.forms; }
    const std::string& text(const char* form, const char* control) {
        return f().text(form, control);
    }
    void click(const char* form, const char* control) { session.click(form, control); }

    ScriptedConsole console;
    RecordingPlatform platform;
    Session session;
};

// The calculation basis: original at launch with the layout closed; the
// textbook button opens the layout, the original closes it again; the
// captions follow the language.
TEST_F(OptionDialogsTest, CalculationBasisOpensTheTubeLayout) {
    EXPECT_EQ(text("FORM8", "EDIT157"), "1");
    EXPECT_EQ(text("FORM8", "EDIT158"), "30");
    EXPECT_FALSE(f().enabled("FORM8", "EDIT158"));
    click("FORM6", "BUTTON33");
    EXPECT_EQ(text("FORM8", "RADIO21"), "教科書ベル・デラウェア法");
    click("FORM6", "BUTTON32");
    EXPECT_EQ(text("FORM8", "RADIO21"), "textbook Bell-Delaware");
    EXPECT_EQ(text("FORM8", "TEXT183"), "Tube layout (30,45,60,90 deg)");
    f().showForm("FORM8");
    click("FORM8", "RADIO21");
    EXPECT_EQ(text("FORM8", "EDIT157"), "2");
    EXPECT_TRUE(f().enabled("FORM8", "EDIT158"));
    EXPECT_TRUE(f().enabled("FORM8", "TEXT183"));
    click("FORM8", "RADIO20");
    EXPECT_EQ(text("FORM8", "EDIT157"), "1");
    EXPECT_FALSE(f().enabled("FORM8", "EDIT158"));
}

TEST_F(OptionDialogsTest, ManualCoefficientsOnBothSidesReportTheTubeSide) {
    click("FORM6", "BUTTON33");
    f().showForm("FORM8");
    click("FORM8", "RADIO10");
    EXPECT_FALSE(f().enabled("FORM8", "EDIT119"));
    EXPECT_TRUE(f().enabled("FORM8", "RADIO13"));
    click("FORM8", "RADIO13");
    EXPECT_EQ(text("FORM8", "EDIT118"), "3");
    EXPECT_TRUE(f().enabled("FORM8", "EDIT115"));
    EXPECT_TRUE(f().enabled("FORM8", "EDIT116"));
    console.queueAnswer("");
    click("FORM8", "BUTTON45");
    EXPECT_EQ(text("FORM8", "TEXT176"), kTubeMessage);
    EXPECT_TRUE(f().formVisible("FORM8"));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON1"));
    EXPECT_EQ(console.transcript().back(), "任意のキーを押してください");

    click("FORM8", "RADIO12");
    EXPECT_EQ(text("FORM8", "EDIT115"), "    ―");
    f().setText("FORM8", "EDIT116", "800");
    click("FORM8", "BUTTON45");
    EXPECT_EQ(text("FORM8", "TEXT176"), "");
    EXPECT_FALSE(f().formVisible("FORM8"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON1"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON41"));

    click("FORM8", "RADIO9");
    EXPECT_EQ(text("FORM8", "EDIT117"), "1");
    EXPECT_EQ(text("FORM8", "EDIT116"), "    ―");
    EXPECT_FALSE(f().enabled("FORM8", "RADIO11"));
    EXPECT_TRUE(f().enabled("FORM8", "EDIT120"));
}

TEST_F(OptionDialogsTest, LowFinSampleRestoredThenErasedWithoutAsking) {
    click("FORM6", "BUTTON32");
    f().setText(kMain, "EDIT25", "1");
    platform.queueYesNo(true);
    click(kMain, "BUTTON7");
    ASSERT_EQ(platform.asked.size(), 1u);
    EXPECT_EQ(platform.asked[0], " ローフィン寸法サンプル値の復活|サンプル値を復活しますか？");
    EXPECT_EQ(text(kMain, "EDIT25"), "    2");
    EXPECT_EQ(text(kMain, "EDIT4"), "   0.3");
    EXPECT_EQ(text(kMain, "EDIT5"), "   1.4");
    EXPECT_EQ(text(kMain, "EDIT6"), "   19");
    EXPECT_EQ(text(kMain, "EDIT16"), "   395");  // W/mK for code 1

    click(kMain, "BUTTON7");
    EXPECT_EQ(platform.asked.size(), 1u);
    EXPECT_EQ(text(kMain, "EDIT4"), "");
    EXPECT_EQ(text(kMain, "EDIT16"), "");
    const std::vector<std::string>& t = console.transcript();
    ASSERT_GE(t.size(), 3u);
    EXPECT_EQ(t[t.size() - 3], ScriptedConsole::kClearMark);
    EXPECT_EQ(t[t.size() - 2], "     ﾛｰﾌｨﾝ寸法のｻﾝﾌﾟﾙ値を消去しました。");
    EXPECT_EQ(t.back(), "     伝熱管のローフィン寸法を登録してください。");

    click(kMain, "BUTTON6");
    EXPECT_EQ(text(kMain, "EDIT4"), "\u3000 ━");
    EXPECT_EQ(text(kMain, "EDIT16"), "   ━");
}

TEST_F(OptionDialogsTest, LowFinAnsweredNoErasesAndAsksAgainNextTime) {
    click("FORM6", "BUTTON33");
    f().setText(kMain, "EDIT25", "1");
    platform.queueYesNo(false);
    click(kMain, "BUTTON7");
    EXPECT_EQ(console.transcript().back(), "     伝熱管のローフィン寸法を登録してください。");
    platform.queueYesNo(true);
    click(kMain, "BUTTON7");
    EXPECT_EQ(platform.asked.size(), 2u);
    EXPECT_EQ(text(kMain, "EDIT16"), "   340");  // kcal/mh℃ for code 4
}

TEST_F(OptionDialogsTest, ExchangerTypeButtonsRecaptionAndEmptyTheColumn) {
    click("FORM6", "BUTTON33");
    click(kMain, "BUTTON35");
    click(kMain, "RADIO8");
    EXPECT_EQ(text(kMain, "EDIT114"), "2");
    EXPECT_EQ(text(kMain, "TEXT1"), " ★ 内管の伝熱管外径(mm)");
    EXPECT_EQ(text(kMain, "TEXT21"), " ｼｪﾙ側流量(kg/h)");
    EXPECT_EQ(text(kMain, "EDIT2"), "");
    EXPECT_EQ(text(kMain, "EDIT45"), "");
    EXPECT_FALSE(f().enabled(kData, "EDIT80"));
    EXPECT_FALSE(f().enabled(kData, "EDIT89"));
    EXPECT_EQ(console.transcript().back(), ScriptedConsole::kClearMark);

    click(kMain, "RADIO7");
    EXPECT_EQ(text(kMain, "EDIT114"), "1");
    EXPECT_EQ(text(kMain, "TEXT1"), " 伝熱管外径(mm)");
    EXPECT_EQ(text(kMain, "TEXT21"), " ｼｪﾙ側流量(ton/h)");
    EXPECT_TRUE(f().enabled(kData, "EDIT80"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON7"));
}

TEST_F(OptionDialogsTest, PhaseChangeOkWithoutChoiceShowsTheFormAgain) {
    click("FORM6", "BUTTON33");
    f().setText(kMain, "EDIT39", "4");
    f().showForm("FORM9");
    click("FORM9", "BUTTON47");
    EXPECT_TRUE(f().formVisible("FORM9"));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON41"));

    click("FORM9", "RADIO15");
    EXPECT_EQ(text("FORM9", "EDIT121"), "2");
    click("FORM9", "BUTTON47");
    EXPECT_FALSE(f().formVisible("FORM9"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON41"));
    // Shell evaporation, code 4: saturated at 100 ℃, tube inlet 150 ℃.
    EXPECT_EQ(text(kData, "TEXT127"), "シェル側飽和温度(℃)");
    EXPECT_EQ(text(kData, "EDIT81"), "100");
    EXPECT_EQ(text(kData, "EDIT82"), "150");
    EXPECT_EQ(text(kData, "EDIT84"), ".004");
    EXPECT_EQ(text(kData, "EDIT85"), "1");
    EXPECT_EQ(text(kData, "TEXT131"), "飽和蒸気圧力(kgf/cm2)");
    EXPECT_EQ(text(kData, "EDIT123"), "100");
    EXPECT_EQ(text(kData, "TEXT178"), "シェル入側液温度(℃)");
    EXPECT_EQ(text(kData, "EDIT83"), "1000");
    EXPECT_EQ(text(kData, "TEXT141"), "→");
}

TEST_F(OptionDialogsTest, TubeCondensationClosesTheOutletsInKelvin) {
    click("FORM6", "BUTTON32");
    f().setText(kMain, "EDIT39", "3");
    f().showForm("FORM9");
    click("FORM9", "RADIO14");
    click("FORM9", "BUTTON47");
    EXPECT_EQ(text(kData, "TEXT128"), "Tube side sat.vap.Temp.(K)");
    EXPECT_EQ(text(kData, "EDIT81"), "293");
    EXPECT_EQ(text(kData, "EDIT82"), "373");
    for (const char* field : {"EDIT84", "EDIT85", "EDIT123"}) {
        EXPECT_EQ(text(kData, field), "  \u3000 ―") << field;
        EXPECT_FALSE(f().enabled(kData, field)) << field;
    }
}

TEST_F(OptionDialogsTest, WetGasBasisAtPressureThenAtOneAtmosphere) {
    click("FORM6", "BUTTON34");
    f().showForm("FORM10");
    click("FORM10", "RADIO16");
    EXPECT_EQ(text("FORM10", "EDIT125"), "1");
    EXPECT_EQ(text(kData, "TEXT180"), "大気圧露点温度(K)");
    EXPECT_EQ(text(kData, "TEXT178"), "管内気体圧力(MPa)");
    EXPECT_EQ(text(kData, "EDIT124"), "30 ");
    EXPECT_FALSE(f().visible(kData, "TEXT149"));
    EXPECT_EQ(text(kMain, "BUTTON15"), " 1at.気体物性相関式自動");
    EXPECT_FALSE(f().enabled(kMain, "BUTTON25"));
    EXPECT_FALSE(f().enabled(kData, "RADIO5"));

    click("FORM10", "RADIO17");
    EXPECT_EQ(text("FORM10", "EDIT125"), "2");
    EXPECT_EQ(text(kData, "EDIT124"), "\u3000  ― ");
    EXPECT_TRUE(f().enabled(kData, "RADIO5"));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON25"));
    click("FORM10", "BUTTON48");
    EXPECT_FALSE(f().formVisible("FORM10"));
    EXPECT_TRUE(f().enabled(kMain, "BUTTON25"));
    EXPECT_EQ(text(kMain, "EDIT22"), "");
}

TEST_F(OptionDialogsTest, FigureWithoutItsFilePrintsOneNotice) {
    click("FORM6", "BUTTON32");
    platform.markMissing(kExchangerDrawing);
    const std::size_t before = console.transcript().size();
    click(kMain, "BUTTON20");
    EXPECT_TRUE(f().formVisible("FORM2"));
    EXPECT_FALSE(f().enabled(kMain, "BUTTON20"));
    EXPECT_TRUE(f().enabled("FORM2", "BUTTON3"));
    EXPECT_EQ(console.transcript().size(), before + 1);
}

}  // namespace
}  // namespace hx
