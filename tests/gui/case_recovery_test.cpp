// Nothing entered is lost: the case being edited is kept in a recovery file
// that survives the program being killed, and is offered back at the next
// start; recent cases that no longer exist are dropped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "gui/forms/case_file_actions.h"
#include "gui_test_support.h"
#include "program/session/case_file.h"
#include "program/session/starting_cases.h"

namespace hx::gui {
namespace {

using testing::LaunchedProgram;

const char* kChildFolder = "HX_RECOVERY_CHILD_FOLDER";

// Answers the next message box with `button` once it is shown.
void answerNextBox(QMessageBox::StandardButton button, bool* asked = nullptr) {
    QTimer::singleShot(50, [button, asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (asked) *asked = box != nullptr;
        if (box) box->button(button)->click();
    });
}

// The program that is killed: a scratch case is entered and one field
// changed, then it waits to be killed. Run only as the child of the test
// below.
TEST(CaseRecovery, ChildEditsThenWaits) {
    const QString folder = qEnvironmentVariable(kChildFolder);
    if (folder.isEmpty()) GTEST_SKIP() << "the child of KilledProgramLeavesItsCase";
    LaunchedProgram program;
    FormWindow& main = *program.windows->window("MAINFORM");
    CaseFileActions actions(
        program.session, main, [] { return false; }, folder);
    openCase(program.session, *startingCase("double-tube"), "scratch");
    program.session.forms.setText("MAINFORM", "EDIT75", "612");
    for (;;) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(CaseRecovery, KilledProgramLeavesItsCase) {
    const QString folder = QDir(qEnvironmentVariable("HX_TEST_HOME")).filePath("recovery-kill");
    QDir(folder).removeRecursively();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kChildFolder, folder);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=CaseRecovery.ChildEditsThenWaits")});
    ASSERT_TRUE(child.waitForStarted());
    const QString file = QDir(folder).filePath("recovery.json");
    // The edit is in the file once the child's event loop has run.
    for (int i = 0; i < 200; ++i) {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains("612")) break;
        QThread::msleep(50);
    }
    child.kill();  // SIGKILL: no clean-up of any kind
    child.waitForFinished();
    const CaseValues left = readCaseFile(file.toStdString());
    EXPECT_EQ(left.inputs.at("tube_flow_kg_h"), 612.0f);
    EXPECT_EQ(left.choices.at("exchanger_type"), "double_tube");

    // The next start offers it; Yes restores the case, unsaved.
    LaunchedProgram next;
    FormWindow& main = *next.windows->window("MAINFORM");
    CaseFileActions actions(
        next.session, main, [] { return false; }, folder);
    bool asked = false;
    answerNextBox(QMessageBox::Yes, &asked);
    EXPECT_TRUE(actions.offerRecovery());
    EXPECT_TRUE(asked);
    EXPECT_EQ(next.session.forms.text("MAINFORM", "EDIT75"), "612");
    EXPECT_TRUE(main.windowTitle().endsWith(QStringLiteral(" *")));

    // Declined: the file is gone and nothing is offered again.
    answerNextBox(QMessageBox::No);
    EXPECT_FALSE(actions.offerRecovery());
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_FALSE(actions.offerRecovery());
}

// Save, Discard and Cancel for a changed case file; Save writes it.
TEST(CaseRecovery, CloseQuestionSavesTheCaseFile) {
    LaunchedProgram program;
    FormWindow& main = *program.windows->window("MAINFORM");
    const QString folder = QDir(qEnvironmentVariable("HX_TEST_HOME")).filePath("recovery-save");
    CaseFileActions actions(
        program.session, main, [] { return false; }, folder);
    const std::string file = ::testing::TempDir() + "close-question.json";
    writeCaseFile(file, *startingCase("double-tube"));
    actions.openFile(QString::fromStdString(file));
    program.session.forms.setText("MAINFORM", "EDIT75", "700");
    QCoreApplication::processEvents();
    EXPECT_TRUE(QFile::exists(actions.recoveryPath()));  // unsaved changes of a case file
    answerNextBox(QMessageBox::Save);
    EXPECT_TRUE(actions.confirmDiscard());
    EXPECT_EQ(readCaseFile(file).inputs.at("tube_flow_kg_h"), 700.0f);
    EXPECT_FALSE(QFile::exists(actions.recoveryPath()));
    EXPECT_EQ(actions.recentCases().value(0).toStdString(), file);

    // A recent case whose file is gone says so and leaves the list.
    std::remove(file.c_str());
    QMenu menu;
    QAction* open = menu.addAction(QString());
    QAction* save = menu.addAction(QString());
    QAction* saveAs = menu.addAction(QString());
    QMenu* recent = menu.addMenu(QString());
    actions.setMenuActions(open, save, saveAs, recent);
    emit recent->aboutToShow();
    ASSERT_FALSE(recent->actions().isEmpty());
    bool told = false;
    answerNextBox(QMessageBox::Ok, &told);
    recent->actions().first()->trigger();
    EXPECT_TRUE(told);
    EXPECT_FALSE(actions.recentCases().contains(QString::fromStdString(file)));
}

}  // namespace
}  // namespace hx::gui
