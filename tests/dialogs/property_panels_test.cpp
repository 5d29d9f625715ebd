// The property block of FORM7: defaults per method and unit code, the rows
// each method enables, and the row labels. Expected texts are those of the
// requirements' tables.
#include "dialogs/property_panels.h"

#include <gtest/gtest.h>

#include <string>

#include "model/inventory.h"

namespace hx {
namespace {

class PropertyPanelsTest : public ::testing::Test {
protected:
    PropertyPanelsTest() { buildInventory(forms); }
    const std::string& text(const char* field) { return forms.text("FORM7", field); }
    bool enabled(const char* field) { return forms.enabled("FORM7", field); }
    FormStore forms;
};

// Defaults are inserted exactly as written: engineering for code 4, SI for
// codes 1 and 3; nullptr where the row does not apply.
TEST(PropertyDefault, ByMethodSideRowAndUnitCode) {
    struct Row {
        PanelSide side;
        PanelContent content;
        int row, unitCode;
        const char* expected;
    };
    const Row rows[] = {
        {PanelSide::Shell, PanelContent::Gas, kViscosityRow, 1, "2.77E-5"},
        {PanelSide::Tube, PanelContent::Gas, kViscosityRow, 1, "2.77E-5"},
        {PanelSide::Tube, PanelContent::Gas, kViscosityRow, 4, "0.1"},
        {PanelSide::Tube, PanelContent::Liquid, kSpecificHeatRow, 3, "4.186"},
        {PanelSide::Shell, PanelContent::Liquid, kViscosityRow, 4, "0.0017"},
        {PanelSide::Tube, PanelContent::Liquid, kLatentRow, 4, nullptr},
        {PanelSide::Tube, PanelContent::SaturatedVapour, kDensityRow, 4, ".578"},
        {PanelSide::Shell, PanelContent::SaturatedVapour, kDensityRow, 4, "0.578"},
        {PanelSide::Shell, PanelContent::SaturatedVapour, kLatentRow, 1, "2260"},
        {PanelSide::Tube, PanelContent::SaturatedVapour, kCondensateSpecificHeatRow, 3, "4.215"},
        {PanelSide::Tube, PanelContent::VapourRowsOnly, kConductivityRow, 4, "0.0207"},
        {PanelSide::Tube, PanelContent::VapourRowsOnly, kCondensateDensityRow, 4, nullptr},
        {PanelSide::Tube, PanelContent::Correlation, kDensityRow, 4, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "row " << r.row << " code " << r.unitCode);
        const char* got = propertyDefault(r.side, r.content, r.row, r.unitCode);
        if (r.expected == nullptr) {
            EXPECT_EQ(got, nullptr);
        } else {
            ASSERT_NE(got, nullptr);
            EXPECT_STREQ(got, r.expected);
        }
    }
}

TEST_F(PropertyPanelsTest, ByHandEnablesTheFourSinglePhaseRowsOnly) {
    preparePropertyColumn(forms, PanelSide::Shell, PanelContent::Gas, 1);
    EXPECT_EQ(text("EDIT105"), "2.77E-5");
    EXPECT_EQ(text("EDIT104"), "1.005");
    EXPECT_TRUE(enabled("EDIT103"));
    for (const char* f : {"EDIT102", "EDIT107", "EDIT108", "EDIT109", "EDIT110"}) {
        EXPECT_EQ(text(f), "      ― ") << f;
        EXPECT_FALSE(enabled(f)) << f;
    }
}

TEST_F(PropertyPanelsTest, CorrelationReplacesTypedValuesAndDisablesTheColumn) {
    preparePropertyColumn(forms, PanelSide::Tube, PanelContent::Liquid, 4);
    forms.setText("FORM7", "EDIT95", "0.99");
    preparePropertyColumn(forms, PanelSide::Tube, PanelContent::Correlation, 4);
    for (const char* f : {"EDIT94", "EDIT95", "EDIT96", "EDIT97"})
        EXPECT_EQ(text(f), "correlation");
    for (const char* f : propertyFields(PanelSide::Tube)) EXPECT_FALSE(enabled(f)) << f;
    EXPECT_EQ(text("EDIT101"), "      ― ");
}

TEST_F(PropertyPanelsTest, RowLabelsBySinglePhaseOrPhaseChange) {
    labelPropertyRows(forms, 1, false);
    EXPECT_EQ(forms.text("FORM7", "TEXT155"), "  Kinetic viscocity(m2/s) ----");
    EXPECT_EQ(forms.text("FORM7", "TEXT152"), "");
    EXPECT_EQ(forms.text("FORM7", "TEXT160"), "");
    labelPropertyRows(forms, 4, false);
    EXPECT_EQ(forms.text("FORM7", "TEXT154"), "      比　　熱 (kcal/kg℃) --");
    labelPropertyRows(forms, 3, true);
    EXPECT_EQ(forms.text("FORM7", "TEXT152"), "  飽和蒸気凝縮潜熱(kJ/kg) --");
    EXPECT_EQ(forms.text("FORM7", "TEXT160"), "  凝縮液熱伝導率 (W/mK) -----");
    labelPropertyRows(forms, 1, true);
    EXPECT_EQ(forms.text("FORM7", "TEXT158"), "Cond.Specific heat(kJ/kgK) --");
}

}  // namespace
}  // namespace hx
