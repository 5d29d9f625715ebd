// The File menu of case files on the main window: its entries, the title
// with the modified mark, and a case opened into the running windows.
#include "gui/forms/case_file_actions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui_test_support.h"
#include "program/session/case_file.h"
#include "program/session/starting_cases.h"

namespace hx::gui {
namespace {

using testing::LaunchedProgram;
using testing::shownText;

TEST(CaseFileActions, FileMenuCarriesTheCaseEntries) {
    LaunchedProgram program;
    FormWindow& main = *program.windows->window("MAINFORM");
    CaseFileActions actions(program.session, main, [] { return false; });
    QMenu* menu = fileMenuOf(main);
    addCaseFileActions(menu, actions);
    ASSERT_EQ(menu->actions().size(), 4);  // and Recent cases
    // The launch code is 4: Japanese captions.
    EXPECT_EQ(menu->actions()[1]->text().toStdString(), "ケースを保存(&S)");
    // A second request finds the same menu, as another part of the window
    // adding its entries would.
    EXPECT_EQ(fileMenuOf(main), menu);
    program.session.click("FORM6", "BUTTON32");  // English
    EXPECT_EQ(menu->actions()[0]->text().toStdString(), "&Open case…");
    EXPECT_EQ(menu->actions()[2]->text().toStdString(), "Save case &as…");
}

TEST(CaseFileActions, TypingIntoACaseFieldMarksTheTitle) {
    LaunchedProgram program;
    FormWindow& main = *program.windows->window("MAINFORM");
    CaseFileActions actions(program.session, main, [] { return false; });
    // The unit system of the start fills the forms: no change of the user's.
    program.session.click("FORM6", "BUTTON32");
    program.session.click("FORM6", "BUTTON43");
    const QString before = main.windowTitle();
    EXPECT_FALSE(before.endsWith(QStringLiteral(" *")));
    program.session.forms.setText("FORM6", "BUTTON32", "x");  // not a case field
    EXPECT_EQ(main.windowTitle(), before);
    program.session.forms.setText("MAINFORM", "EDIT45", "300");
    EXPECT_EQ(main.windowTitle(), before + QStringLiteral(" *"));
    // A new language recaptions the title and keeps the mark.
    program.session.click("FORM6", "BUTTON32");
    EXPECT_TRUE(main.windowTitle().endsWith(QStringLiteral(" *")));
}

// Only a case kept in a file asks before its changes are lost.
TEST(CaseFileActions, OnlyAChangedCaseFileAsksBeforeItIsLost) {
    LaunchedProgram program;
    FormWindow& main = *program.windows->window("MAINFORM");
    CaseFileActions actions(program.session, main, [] { return false; });
    program.session.forms.setText("MAINFORM", "EDIT45", "300");
    EXPECT_TRUE(actions.confirmDiscard());  // never saved: scratch work

    const std::string file = ::testing::TempDir() + "kept-case.json";
    openCase(program.session, *startingCase("double-tube"), file);
    writeCaseFile(file, caseFromForms(program.session.forms, file));
    actions.openFile(QString::fromStdString(file));
    program.session.forms.setText("MAINFORM", "EDIT75", "600");
    bool asked = false;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        asked = box != nullptr;
        if (box) box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_FALSE(actions.confirmDiscard());
    EXPECT_TRUE(asked);
}

// A case opened into the running program shows on its widgets.
TEST(CaseFileActions, OpenedCaseShowsOnTheWidgets) {
    LaunchedProgram program;
    openCase(program.session, *startingCase("double-tube"), "dt.json");
    EXPECT_EQ(shownText(program.widget("MAINFORM", "EDIT75")), "500");
    EXPECT_TRUE(program.widget("MAINFORM", "BUTTON1")->isEnabled());
}

}  // namespace
}  // namespace hx::gui
