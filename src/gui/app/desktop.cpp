#include "gui/app/desktop.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

#include "gui/app/hard_copy_image.h"
#include "gui/app/help_pages.h"
#include "gui/app/window_titles.h"
#include "gui/tools/calculation_window.h"
#include "program/session/case_file.h"
#include "program/session/startup.h"

namespace hx::gui {

Desktop::Desktop()
    : view_(new ConsoleView),
      unownedView_(view_),
      console_(*view_),
      platform_(console_),
      session_(console_, platform_) {}

Desktop::~Desktop() {
    study_.reset();
    profile_.reset();
    caseFiles_.reset();
    platform_.setPrinter(nullptr);
    printJob_.reset();
    menu_.reset();
    view_->setSource(nullptr);
    windows_.reset();  // the text window deletes the view
}

bool Desktop::start() {
    try {
        startProgram(session_);
    } catch (const std::exception& e) {
        std::cerr << "hxcalc: start-up failed: " << e.what() << '\n';
        return false;
    }
    windows_ = std::make_unique<FormWindows>(session_.forms, unownedView_.release());
    platform_.setWindows(windows_.get());
    windows_->onClick(
        [this](const std::string& form, const std::string& control) { click(form, control); });
    windows_->onClose([this](FormWindow& window) {
        if (&window == &windows_->mainWindow())
            close();
        else
            session_.forms.hideForm(window.formName());
    });
    buildPrintJob();
    buildMenuBar();
    // Keys "7" and "8" of the results menu: the windows the View menu opens.
    platform_.setResultWindows([this](ResultWindow window, bool japanese) {
        if (window == ResultWindow::Calculation)
            showCalculationWindow(&windows_->mainWindow(), session_.lastTrace, japanese);
        else
            showStudy();
    });
    return true;
}

void Desktop::buildPrintJob() {
    // A print is asked for by a key in the text window: its file dialog and
    // its failure box are owned by the text window, and stay above it.
    TextWindow& text = windows_->textWindow();
    // The file is asked for at the first print, in the user's documents folder.
    const auto choosePath = [&text] {
        return QFileDialog::getSaveFileName(&text, QStringLiteral("hxcalc: print to PDF"),
                                            defaultReportPath(), QStringLiteral("PDF (*.pdf)"));
    };
    const auto grab = [this](HardCopy which) { return hardCopyImage(*windows_, *view_, which); };
    // The print menu clears the text window next: a failed write is also
    // shown in a box, so that it is seen.
    const auto alert = [&text](const QString& message) {
        QMessageBox::warning(&text, QStringLiteral("hxcalc"), message);
    };
    printJob_ = std::make_unique<PdfPrintJob>(console_, choosePath, grab, alert);
    platform_.setPrinter(printJob_.get());
}

void Desktop::close() {
    if (caseFiles_ && !caseFiles_->confirmDiscard()) return;
    requestExit();
}

void Desktop::buildMenuBar() {
    TextWindow& text = windows_->textWindow();
    FormWindow& main = windows_->mainWindow();
    const auto japanese = [this] { return japanesePresentation(session_.forms); };
    MenuCommands commands;
    commands.quit = [this] { close(); };
    commands.showTextWindow = [&text, &main] {
        text.showBeside(main);
        text.raise();
        text.activateWindow();
    };
    commands.designSearch = [this, &main] {
        if (!design_)
            design_ = std::make_unique<DesignSearchWindow>(
                session_,
                [this](const CaseValues& values, const std::string& name) {
                    return caseFiles_->openMadeCase(values, name);
                },
                &main);
        design_->showForCase();
    };
    commands.showCalculation = [this, &main, japanese] {
        showCalculationWindow(&main, session_.lastTrace, japanese());
    };
    commands.parameterStudy = [this] { showStudy(); };
    commands.temperatureProfile = [this] { showProfile(); };
    commands.changeFont = [&text](int steps) { text.changeFont(steps); };
    commands.resetFont = [&text] { text.resetFont(); };
    commands.quickStart = [&main, japanese] {
        const bool j = japanese();
        showHelpPage(&main, windowTitle("HELP", j), quickStartText(j));
    };
    commands.waterTable = [&main, japanese] {
        const bool j = japanese();
        showTablePage(&main, windowTitle("WATER", j), waterTableLines(j));
    };
    commands.about = [&main, japanese] {
        const bool j = japanese();
        showHelpPage(&main, windowTitle("ABOUT", j), aboutText(j));
    };
    menu_ = std::make_unique<MenuBar>(commands, session_.forms);
    main.setMenuBar(menu_->bar());
    caseFiles_ = std::make_unique<CaseFileActions>(session_, main, [this] { return busy_; });
    addCaseFileActions(menu_->fileMenu(), *caseFiles_);
}

StudyWindow& Desktop::showStudy() {
    if (!study_) {
        // "Open as case" enters a point's inputs into the forms as opening
        // a case file would, unless a calculation waits in the text window.
        const auto open = [this](const CaseValues& values) {
            if (busy_) return false;
            std::string refusal;
            try {
                refusal = openCase(session_, values, "study");
            } catch (const std::exception& e) {
                refusal = e.what();
            }
            if (!refusal.empty())
                QMessageBox::warning(&windows_->mainWindow(), QStringLiteral("hxcalc"),
                                     QString::fromStdString(refusal));
            windows_->mainWindow().raise();
            return true;
        };
        study_ = std::make_unique<StudyWindow>(session_, open);
    }
    study_->takeCaseFromForms();
    study_->show();
    study_->raise();
    study_->activateWindow();
    return *study_;
}

ProfileWindow& Desktop::showProfile() {
    if (!profile_) profile_ = std::make_unique<ProfileWindow>(session_);
    profile_->showCaseFromForms();
    profile_->show();
    profile_->raise();
    profile_->activateWindow();
    return *profile_;
}

void Desktop::show() {
    windows_->showVisible();
    // A case left unsaved by a run that was closed or killed is offered
    // back once the windows are up.
    QTimer::singleShot(0, caseFiles_.get(), [this] { caseFiles_->offerRecovery(); });
}

void Desktop::click(const std::string& form, const std::string& control) {
    // One handler at a time: while one waits for an answer in the text
    // window, further clicks are not taken.
    if (busy_ || exiting_ || !session_.forms.enabled(form, control)) return;
    busy_ = true;
    try {
        session_.click(form, control);
    } catch (const ProgramExit&) {
        requestExit();
    } catch (const NoAnswer&) {
        requestExit();  // the windows are closing
    } catch (const std::exception& e) {
        console_.print(std::string("internal error: ") + e.what());
    }
    busy_ = false;
}

void Desktop::requestExit() {
    if (caseFiles_) caseFiles_->flushRecovery();
    exiting_ = true;
    // exit(), not quit(): quit() first asks every window to close, and a
    // form asked to close hides itself instead of ending the program. exit()
    // ends every running event loop, the nested ones of a waiting
    // calculation included, which then throw ProgramExit up to the click.
    QCoreApplication::exit(0);
}

}  // namespace hx::gui
