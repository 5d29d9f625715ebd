#include "model/field_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/inventory.h"

namespace hx {
namespace {

TEST(FieldCatalogue, KeysUniqueAndEveryFieldAndButtonExists) {
    std::set<std::string> keys;
    for (const CatalogueField& f : fieldCatalogue()) {
        EXPECT_TRUE(keys.insert(f.key).second) << "duplicate key " << f.key;
        EXPECT_NE(findControlSpec(f.form, f.control), nullptr) << f.key;
        EXPECT_LE(f.minSI, f.maxSI) << f.key;
        EXPECT_LE(f.minEngineering, f.maxEngineering) << f.key;
        for (const ChoiceOption& o : f.choices) {
            if (!o.button) continue;
            const std::string button = o.button;
            const auto dot = button.find('.');
            EXPECT_NE(findControlSpec(button.substr(0, dot), button.substr(dot + 1)), nullptr)
                << f.key << " " << o.name;
        }
    }
}

// Two keys share a field only where the field holds another quantity in
// another mode, and then their conditions exclude each other.
TEST(FieldCatalogue, SharedFieldsHaveExclusiveConditions) {
    for (const CatalogueField& a : fieldCatalogue()) {
        for (const CatalogueField& b : fieldCatalogue()) {
            if (&a >= &b || a.form != std::string(b.form) || a.control != std::string(b.control))
                continue;
            EXPECT_NE(a.applies, Applies::Always) << a.key << " / " << b.key;
            EXPECT_NE(b.applies, Applies::Always) << a.key << " / " << b.key;
        }
    }
}

TEST(FieldCatalogue, Lookups) {
    const CatalogueField* mode = findCatalogueField("fluid_mode");
    ASSERT_NE(mode, nullptr);
    ASSERT_NE(findChoiceByName(*mode, "wet_gas"), nullptr);
    EXPECT_STREQ(findChoiceByName(*mode, "wet_gas")->code, "2");
    EXPECT_STREQ(findChoiceByCode(*mode, 4)->name, "shell_phase_change");
    EXPECT_EQ(findChoiceByCode(*mode, 0), nullptr);
    EXPECT_EQ(findCatalogueField("no_such_key"), nullptr);
}

TEST(FieldCatalogue, TooltipsInBothLanguages) {
    EXPECT_EQ(fieldTooltip("MAINFORM", "EDIT45", false), "Baffle spacing B, mm");
    EXPECT_EQ(fieldTooltip("MAINFORM", "EDIT45", true), "バッフル間隔 B, mm");
    // Units that differ by system: the Japanese tip names both.
    EXPECT_EQ(fieldTooltip("MAINFORM", "EDIT15", false), "Tube wall thermal conductivity CM, W/mK");
    EXPECT_EQ(fieldTooltip("MAINFORM", "EDIT15", true),
              "伝熱管の熱伝導率 CM, W/mK（旧工学単位 kcal/mh℃）");
    // A pure number has no unit; a field without an entry has no tip.
    EXPECT_EQ(fieldTooltip("MAINFORM", "EDIT3", false),
              "Tube pitch over outside diameter TP / Inside diameter of the outer tube, mm");
    EXPECT_EQ(fieldTooltip("MAINFORM", "BUTTON1", false), "");
    EXPECT_EQ(fieldTooltip("FORM4", "EDIT45", false), "");
}

}  // namespace
}  // namespace hx
