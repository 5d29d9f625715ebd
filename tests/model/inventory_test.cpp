#include "model/inventory.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace hx {
namespace {

TEST(Inventory, FormsInOrder) {
    const char* expected[] = {"MAINFORM", "FORM2", "FORM3", "FORM4", "FORM6",
                              "FORM7",    "FORM8", "FORM9", "FORM10"};
    const auto forms = formInventory();
    ASSERT_EQ(forms.size(), std::size(expected));
    for (std::size_t i = 0; i < forms.size(); ++i) EXPECT_STREQ(forms[i].name, expected[i]);
    EXPECT_EQ(findFormSpec("MAINFORM")->width, 856);
    EXPECT_EQ(findFormSpec("FORM9")->height, 169);
    EXPECT_EQ(findFormSpec("FORM5"), nullptr);
}

TEST(Inventory, NamesUniquePerFormAndWellFormed) {
    const std::regex name("(EDIT|TEXT|BUTTON|RADIO|GROUP|PICTURE)[1-9][0-9]*");
    for (const FormSpec& form : formInventory()) {
        std::set<std::string> seen;
        for (const ControlSpec& c : form.controls) {
            EXPECT_TRUE(std::regex_match(c.name, name)) << form.name << "." << c.name;
            EXPECT_TRUE(seen.insert(c.name).second) << "duplicate " << form.name << "." << c.name;
        }
    }
}

// A replay clicks a button by its bare name, so no push button or option
// button may exist on two forms (fields may: FORM4 repeats EDIT44..EDIT53).
TEST(Inventory, ClickableNamesUniqueAcrossForms) {
    std::map<std::string, std::string> owner;
    for (const FormSpec& form : formInventory())
        for (const ControlSpec& c : form.controls) {
            const ControlKind kind = kindFromName(c.name);
            if (kind != ControlKind::Button && kind != ControlKind::Radio) continue;
            auto [it, inserted] = owner.emplace(c.name, form.name);
            EXPECT_TRUE(inserted) << c.name << " on " << it->second << " and " << form.name;
        }
    ASSERT_NE(findControlSpec("FORM4", "EDIT47"), nullptr);
    ASSERT_NE(findControlSpec("MAINFORM", "EDIT47"), nullptr);
}

TEST(Inventory, BuiltKindFollowsNamePrefix) {
    const std::pair<const char*, ControlKind> prefixes[] = {
        {"EDIT", ControlKind::Edit},     {"TEXT", ControlKind::Text},
        {"BUTTON", ControlKind::Button}, {"RADIO", ControlKind::Radio},
        {"GROUP", ControlKind::Group},   {"PICTURE", ControlKind::Picture},
    };
    FormStore store;
    buildInventory(store);
    for (const FormSpec& form : formInventory())
        for (const ControlSpec& c : form.controls) {
            const std::string n = c.name;
            int matched = 0;
            for (const auto& [prefix, kind] : prefixes)
                if (n.rfind(prefix, 0) == 0) {
                    ++matched;
                    EXPECT_EQ(store.control(form.name, n).kind, kind) << form.name << "." << n;
                }
            EXPECT_EQ(matched, 1) << n;
        }
}

// Fields are never re-captioned by language (a unit button must not write
// a caption over a field's contents), and a code-4 caption only refines a
// Japanese one.
TEST(Inventory, CaptionRulesHoldForEveryControl) {
    for (const FormSpec& form : formInventory())
        for (const ControlSpec& c : form.controls) {
            ASSERT_NE(c.resource, nullptr) << c.name;
            if (kindFromName(c.name) == ControlKind::Edit) {
                EXPECT_FALSE(followsLanguage(c)) << form.name << "." << c.name;
            }
            if (c.code4) {
                EXPECT_NE(c.japanese, nullptr) << form.name << "." << c.name;
            }
        }
}

// Every unnamed caption stands beside a control of its own form.
TEST(Inventory, LabelsStandBesideControlsOfTheirForm) {
    for (const FormSpec& form : formInventory())
        for (const LabelSpec& label : form.labels) {
            EXPECT_TRUE(label.english || label.japanese);
            if (*label.beside) {
                EXPECT_NE(findControlSpec(form.name, label.beside), nullptr)
                    << form.name << " label beside " << label.beside;
            }
        }
}

struct CaptionRow {
    const char* form;
    const char* control;
    int code;
    const char* expected;
};

// Expected captions as the program must show them, byte for byte: leading
// blanks, ideographic spaces, half-width katakana and misspellings.
TEST(Inventory, ExactCaptionsPerLanguage) {
    const CaptionRow rows[] = {
        {"MAINFORM", "TEXT20", 1, " Tube side flowrate(ton/h)"},
        {"MAINFORM", "TEXT20", 3, " 管内側流量(ton/h)"},
        {"MAINFORM", "TEXT21", 4, " ｼｪﾙ側流量(ton/h)"},
        {"MAINFORM", "TEXT5", 1, " Fin hight(mm)"},
        {"MAINFORM", "TEXT8", 1, " Buffle cat line level from center(～.6)"},
        {"MAINFORM", "BUTTON6", 3, "【1】 平滑管    "},
        {"MAINFORM", "BUTTON6", 1, "【1】 Plane tube"},
        {"MAINFORM", "BUTTON28", 4, " ｼｪﾙ側 ：凝縮／蒸発　 "},
        {"MAINFORM", "BUTTON24", 1, " Fluid mode ON"},
        {"MAINFORM", "BUTTON24", 3, "流体条件選択ボタン■"},
        {"MAINFORM", "BUTTON1", 1, " CALC.ON "},
        {"MAINFORM", "BUTTON1", 4, " 計算開始"},
        {"MAINFORM", "RADIO7", 1, " Sample data"},
        {"MAINFORM", "RADIO7", 3, " S/T"},
        {"FORM7", "TEXT165", 1, "          Twist tape pitch               (neck to neck)"},
        {"FORM7", "TEXT166", 3, "　　　　   　捻りﾃｰﾌﾟ板厚"},
        {"FORM7", "TEXT132", 1, "Number of tubes.(-)"},
        {"FORM7", "TEXT132", 3, "伝熱管本数（－）"},
        {"FORM7", "RADIO4", 1, "Input the all components of gases "},
        {"FORM7", "BUTTON42", 4, "ウィンドウ　閉じる"},
        {"FORM8", "TEXT169", 3, "                       管内側熱伝達率"},
        {"FORM8", "TEXT169", 1, "Tube side heat transfer coefficient"},
        {"FORM8", "RADIO13", 4, "管内、管外側熱伝達率指定 "},
        {"FORM10", "RADIO16", 1, " Sat.TemP.at Pressure air"},
        {"FORM10", "RADIO17", 3, " 大気圧飽和温度選択"},
        {"FORM9", "RADIO15", 1, "Evaporation"},
        {"FORM6", "BUTTON33", 1, "旧工学単位系 "},  // the unit buttons keep one caption
        {"FORM6", "BUTTON33", 4, "旧工学単位系 "},
    };
    for (const CaptionRow& r : rows)
        EXPECT_EQ(captionFor(r.form, r.control, r.code), r.expected)
            << r.form << "." << r.control << " code " << r.code;
}

// Captions whose unit differs by code: code 4 (engineering units) has its
// own; code 2, English engineering, shows the English caption.
TEST(Inventory, CodeFourCaptions) {
    const CaptionRow rows[] = {
        {"MAINFORM", "BUTTON27", 1, "【2】 Pararel flow"},
        {"MAINFORM", "BUTTON27", 2, "【2】 Pararel flow"},
        {"MAINFORM", "BUTTON27", 3, "【2】  平行流   "},
        {"MAINFORM", "BUTTON27", 4, "【2】  並流ｸﾛｽ"},
        {"MAINFORM", "TEXT16", 1, " Fin thermal conductivity(W/mK)"},
        {"MAINFORM", "TEXT16", 3, " ﾌｨﾝの熱伝導率(W/mK)"},
        {"MAINFORM", "TEXT16", 4, " ﾌｨﾝの熱伝導率(kcal/mhc)"},
        {"MAINFORM", "TEXT15", 4, " 伝熱管の熱伝導率(kcal/mhc)"},
        {"MAINFORM", "TEXT17", 3, " 管内側汚れ係数(m2K/W)"},
        {"MAINFORM", "TEXT17", 4, " 管内側汚れ係数(m2hc/kcal)"},
        {"MAINFORM", "TEXT18", 4, " ｼｪﾙ側汚れ係数(m2hc/kcal)"},
        {"FORM8", "TEXT171", 1, "W/m2K"},
        {"FORM8", "TEXT171", 3, "W/m2K"},
        {"FORM8", "TEXT172", 4, "kcal/m2hC"},
        {"FORM7", "TEXT127", 3, "シェル入側温度(K)"},
        {"FORM7", "TEXT127", 4, "シェル入側温度(℃)"},
        {"FORM7", "TEXT154", 4, "  比　　熱 (kcal/kg℃) -------"},
        {"FORM7", "TEXT153", 4, "  密　　度 (kg/m3) ----------"},  // same in both unit systems
    };
    for (const CaptionRow& r : rows)
        EXPECT_EQ(captionFor(r.form, r.control, r.code), r.expected)
            << r.form << "." << r.control << " code " << r.code;
}

TEST(Inventory, ResourceTextWhereNoCaptionApplies) {
    EXPECT_EQ(captionFor("MAINFORM", "EDIT74", 1), "4");                  // a field keeps its text
    EXPECT_EQ(captionFor("FORM7", "TEXT127", 0), "シェル入側温度（℃）");  // no code chosen
    EXPECT_EQ(captionFor("FORM7", "TEXT127", 5), "シェル入側温度（℃）");
    EXPECT_EQ(captionFor("MAINFORM", "RADIO8", 1), " 二重管");  // no English caption
    EXPECT_THROW(captionFor("MAINFORM", "EDIT999", 1), UnknownControl);
    EXPECT_THROW(captionFor("FORM5", "EDIT1", 1), UnknownControl);
    EXPECT_EQ(findControlSpec("FORM6", "BUTTON1"), nullptr);
}

TEST(Inventory, UnnamedLabelFallsBackToItsOneLanguage) {
    const LabelSpec japaneseOnly{"", nullptr, "　　管板"};
    const LabelSpec englishOnly{"", "     Tubes", nullptr};
    const LabelSpec both{"", " Tube side", " 　管内側"};
    EXPECT_EQ(captionFor(japaneseOnly, 1), "　　管板");
    EXPECT_EQ(captionFor(englishOnly, 4), "     Tubes");
    EXPECT_EQ(captionFor(both, 2), " Tube side");
    EXPECT_EQ(captionFor(both, 3), " 　管内側");
}

struct StateRow {
    const char* form;
    const char* control;
    const char* text;
    bool enabled;
    bool visible;
};

TEST(Inventory, BuildPutsLaunchStateIntoStore) {
    FormStore store;
    buildInventory(store);
    for (const FormSpec& form : formInventory()) {
        EXPECT_FALSE(store.formVisible(form.name)) << form.name;
        ASSERT_EQ(store.controls(form.name).size(), form.controls.size());
        for (std::size_t i = 0; i < form.controls.size(); ++i)
            EXPECT_EQ(store.controls(form.name)[i], form.controls[i].name);
    }
    const StateRow rows[] = {
        // Hidden option codes with their resource texts.
        {"MAINFORM", "EDIT74", "4", false, false},
        {"MAINFORM", "EDIT114", "1", false, false},
        {"MAINFORM", "EDIT91", "4", false, false},
        {"MAINFORM", "EDIT92", "2", false, false},
        {"MAINFORM", "EDIT139", "1", false, false},
        {"MAINFORM", "EDIT39", "", false, false},
        {"FORM7", "EDIT122", "1", true, false},
        {"FORM8", "EDIT117", "1", true, false},
        {"FORM8", "EDIT118", "1", true, false},
        {"FORM9", "EDIT121", "", true, false},
        {"FORM10", "EDIT125", "", false, false},
        // Visible choice fields and markers.
        {"MAINFORM", "EDIT25", "", false, true},
        {"MAINFORM", "EDIT42", "", false, true},
        // Launch enabling: flows open, start and selection closed.
        {"MAINFORM", "EDIT75", "", true, true},
        {"MAINFORM", "EDIT76", "", true, true},
        {"MAINFORM", "EDIT2", "", false, true},
        {"MAINFORM", "BUTTON1", " 計算開始", false, true},
        {"MAINFORM", "BUTTON24", "流体条件選択ボタン■", false, true},
        {"MAINFORM", "TEXT225", "", true, false},
        {"MAINFORM", "TEXT220", "", true, false},
        {"FORM6", "BUTTON43", "O K", false, true},
        {"FORM6", "BUTTON32", "SI unit ENGLISH", true, true},
        {"FORM7", "EDIT102", "", false, true},
        {"FORM7", "BUTTON37", "CO2、O2固定、N2と調整", false, true},
        {"FORM8", "RADIO11", "管内側熱伝達率設定", false, true},
        {"FORM8", "TEXT171", "kcal/m2hC", false, true},
        // Resource texts of the data fields.
        {"FORM8", "EDIT115", "    ―", false, true},
        {"FORM8", "EDIT119", "1.0", true, true},
        {"FORM7", "EDIT87", "0.03", true, true},
        {"FORM7", "EDIT90", "79.02", true, true},
        {"MAINFORM", "EDIT150", "    10 ", true, true},
        {"MAINFORM", "EDIT126", " 10", true, true},
        {"FORM4", "EDIT138", "", true, true},
    };
    for (const StateRow& r : rows) {
        SCOPED_TRACE(std::string(r.form) + "." + r.control);
        EXPECT_EQ(store.text(r.form, r.control), r.text);
        EXPECT_EQ(store.enabled(r.form, r.control), r.enabled);
        EXPECT_EQ(store.visible(r.form, r.control), r.visible);
    }
    EXPECT_NEAR(store.number("FORM8", "EDIT119"), 1.0f, 0.0f);
    EXPECT_NEAR(store.number("FORM8", "EDIT115"), 0.0f, 0.0f);  // the dash reads as 0
}

}  // namespace
}  // namespace hx
