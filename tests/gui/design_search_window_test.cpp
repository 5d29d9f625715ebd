// The Design search window on the case in the forms: the defaults it
// offers, a search of the checked values listing what the headless search
// lists, and "Open as case" handing over the chosen design's case.
#include "gui/tools/design_search_window.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

#include "gui_test_support.h"
#include "program/session/case_file.h"
#include "program/session/starting_cases.h"

namespace hx::gui {
namespace {

using testing::LaunchedProgram;

QPushButton* button(QWidget& window, const char* caption) {
    for (QPushButton* b : window.findChildren<QPushButton*>())
        if (b->text() == QString::fromUtf8(caption)) return b;
    return nullptr;
}

// Leaves checked in the list of `key` only the values of `keep`.
void keepOnly(QTreeWidget& space, const std::string& key, const QStringList& keep) {
    for (int i = 0; i < space.topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = space.topLevelItem(i);
        if (item->data(0, Qt::UserRole).toString().toStdString() != key) continue;
        for (int c = 0; c < item->childCount(); ++c)
            item->child(c)->setCheckState(
                0, keep.contains(item->child(c)->text(0)) ? Qt::Checked : Qt::Unchecked);
    }
}

TEST(DesignSearchWindow, SearchesTheCheckedValuesAndOpensTheChosenDesign) {
    LaunchedProgram program;
    program.session.click("FORM6", "BUTTON32");  // English, SI
    CaseValues target = *startingCase("shell-and-tube");
    target.choices["solve_for"] = "shell_outlet_given";
    target.inputs.erase("tube_length_mm");
    target.inputs["shell_outlet_temperature"] = 313.0f;
    openCase(program.session, target, "target.json");

    std::optional<CaseValues> opened;
    DesignSearchWindow window(program.session, [&](const CaseValues& v, const std::string&) {
        opened = v;
        return true;
    });
    window.showForCase();
    // Water on both sides: the liquid velocity windows, to be changed.
    const QList<QLineEdit*> edits = window.findChildren<QLineEdit*>();
    QStringList texts;
    for (const QLineEdit* e : edits) texts << e->text();
    EXPECT_EQ(texts.join(QStringLiteral(" ")).toStdString(), "  1 4 0.3 1 0.75 3 15 20");

    QTreeWidget& space = *window.findChild<QTreeWidget*>();
    keepOnly(space, "tube_outside_diameter_mm", {QStringLiteral("19.05")});
    keepOnly(space, "tube_gauge_bwg", {QStringLiteral("16")});
    keepOnly(space, "tube_count", {QStringLiteral("52"), QStringLiteral("73")});
    keepOnly(space, "tube_passes", {QStringLiteral("4"), QStringLiteral("6")});
    keepOnly(space, "baffle_cut", {QStringLiteral("0.5")});
    window.runAndWait();

    const DesignProblem problem =
        designProblem(target, "t",
                      {"tube_outside_diameter_mm=19.05", "tube_gauge_bwg=16", "tube_count=52,73",
                       "tube_passes=4,6", "baffle_cut=0.5"},
                      DesignLimits{}, Objective::Area);
    const DesignSearchResult expected =
        searchDesigns(problem, 20, 1, LimitPolicy{}, Presentation::EnglishSI, nullptr, nullptr);
    ASSERT_FALSE(expected.ranked.empty());
    const QTableWidget& table = *window.findChild<QTableWidget*>();
    ASSERT_EQ(table.rowCount(), static_cast<int>(expected.ranked.size()));

    const_cast<QTableWidget&>(table).selectRow(1);
    QPushButton* open = button(window, "Open as case");
    ASSERT_TRUE(open && open->isEnabled());
    open->click();
    ASSERT_TRUE(opened);
    EXPECT_EQ(caseToJson(*opened), caseToJson(candidateCase(problem, expected.ranked[1].index)));
}

}  // namespace
}  // namespace hx::gui
