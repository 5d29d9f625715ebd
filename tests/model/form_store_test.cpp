#include "model/form_store.h"

#include <gtest/gtest.h>

#include "core/lenient_number.h"

namespace hx {
namespace {

TEST(ReadNumber, LenientNumericPrefix) {
    struct Row {
        const char* text;
        float value;
    };
    const Row rows[] = {
        {"   395", 395.0f},
        {"12.5mm", 12.5f},
        {"-0.25", -0.25f},
        {"+3", 3.0f},
        {".5", 0.5f},
        {"1e3", 1000.0f},
        {"2.5E-2x", 0.025f},
        {"7e", 7.0f},  // an exponent without digits is not part of the number
        {"4 5", 4.0f},
        {"", 0.0f},
        {"-", 0.0f},
        {".", 0.0f},
        {"━", 0.0f},
        {"　 ━", 0.0f},  // full-width blank is not a leading blank
        {"―", 0.0f},
        {"－", 0.0f},
        {"correlation", 0.0f},
        {" Sat.temp.", 0.0f},
        {"      ― ", 0.0f},
    };
    for (const auto& r : rows) EXPECT_FLOAT_EQ(readNumber(r.text), r.value) << '"' << r.text << '"';
}

// A number followed by anything but blanks is not read whole; blanks after
// it, an empty text and a placeholder are.
TEST(LenientNumber, WholeReadRefusesTrailingText) {
    struct Row {
        const char* text;
        bool whole;
        float value;
        const char* rest;
    };
    const Row rows[] = {
        {"  12 ", true, 12.0f, " "},  {"1e3", true, 1000.0f, ""},   {"-.5", true, -0.5f, ""},
        {"", true, 0.0f, ""},         {"━", true, 0.0f, ""},        {" Sat.temp.", true, 0.0f, ""},
        {"1x0", false, 1.0f, "x0"},   {"12,5", false, 12.0f, ",5"}, {"3..4", false, 3.0f, ".4"},
        {"0x10", false, 0.0f, "x10"}, {"1e", false, 1.0f, "e"},     {"7 8", false, 7.0f, " 8"},
    };
    for (const auto& r : rows) {
        const NumberText read = readWholeNumber(r.text);
        EXPECT_EQ(read.whole, r.whole) << '"' << r.text << '"';
        EXPECT_FLOAT_EQ(read.value, r.value) << '"' << r.text << '"';
        EXPECT_EQ(read.rest, r.rest) << '"' << r.text << '"';
    }
}

class FormStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms.addForm("MAINFORM", true);
        forms.addForm("FORM4");
        forms.addControl("MAINFORM", "EDIT75", {ControlKind::Edit, "  12", true, true});
        forms.addControl("MAINFORM", "EDIT44", {ControlKind::Edit, "", true, true});
        forms.addControl("FORM4", "EDIT44", {ControlKind::Edit, "x", true, true});
    }
    FormStore forms;
};

TEST_F(FormStoreTest, NamesAreUniquePerFormOnly) {
    EXPECT_EQ(forms.resolve("EDIT75"), (std::pair<std::string, std::string>{"MAINFORM", "EDIT75"}));
    EXPECT_EQ(forms.resolve("FORM4.EDIT44").first, "FORM4");
    EXPECT_THROW(forms.resolve("EDIT44"), UnknownControl);  // on two forms
    EXPECT_THROW(forms.resolve("EDIT999"), UnknownControl);
    EXPECT_THROW(forms.resolve("FORM4.EDIT75"), UnknownControl);
    EXPECT_THROW(forms.text("FORM99", "EDIT1"), UnknownControl);
}

TEST_F(FormStoreTest, ChangesAreNotifiedOnceAndOnlyWhenSomethingChanges) {
    std::vector<std::string> seen;
    const int h =
        forms.subscribe([&](const FormChange& c) { seen.push_back(c.form + "." + c.control); });
    forms.setText("MAINFORM", "EDIT75", "3");
    forms.setText("MAINFORM", "EDIT75", "3");
    forms.setEnabled("FORM4", "EDIT44", false);
    forms.showForm("FORM4");
    forms.unsubscribe(h);
    forms.setText("MAINFORM", "EDIT75", "4");
    EXPECT_EQ(seen, (std::vector<std::string>{"MAINFORM.EDIT75", "FORM4.EDIT44", "FORM4."}));
    EXPECT_FLOAT_EQ(forms.number("MAINFORM", "EDIT75"), 4.0f);
    EXPECT_TRUE(forms.formVisible("FORM4"));
}

TEST(ControlKind, FromNamePrefix) {
    EXPECT_EQ(kindFromName("EDIT75"), ControlKind::Edit);
    EXPECT_EQ(kindFromName("TEXT20"), ControlKind::Text);
    EXPECT_EQ(kindFromName("BUTTON1"), ControlKind::Button);
    EXPECT_EQ(kindFromName("RADIO7"), ControlKind::Radio);
    EXPECT_EQ(kindFromName("GROUP6"), ControlKind::Group);
    EXPECT_THROW(kindFromName("LABEL1"), UnknownControl);
}

}  // namespace
}  // namespace hx
