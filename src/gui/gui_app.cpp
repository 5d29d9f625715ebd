#include "gui/gui_app.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>
#include <fstream>
#include <iostream>
#include <memory>

#include "console/scripted_console.h"
#include "gui/case_file_actions.h"
#include "gui/form_windows.h"
#include "gui/pdf_print_job.h"
#include "gui/qt_console.h"
#include "gui/qt_platform.h"
#include "model/session.h"
#include "program/replay.h"
#include "program/startup.h"

namespace hx::gui {

namespace {

void useJapaneseFont(QApplication& app) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
}

// Saves every visible form as DIR/LABEL-FORM.png.
void saveScreenshots(FormWindows& windows, ConsoleView& console, const QString& dir,
                     const std::string& label) {
    console.refreshNow();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    for (const auto& w : windows.all()) {
        if (!w->isVisible()) continue;
        const QString file = QDir(dir).filePath(
            QString::fromStdString(label + "-" + w->formName()) + QStringLiteral(".png"));
        if (!w->grab().save(file))
            std::cerr << "hxcalc: cannot write " << file.toStdString() << '\n';
    }
}

// The image of a window for a hard copy.
QImage windowImage(FormWindows& windows, ConsoleView& console, HardCopy which) {
    QWidget* widget = nullptr;
    switch (which) {
        case HardCopy::ResultForm: widget = windows.window("FORM4"); break;
        case HardCopy::FigureWindow: widget = windows.window("FORM2"); break;
        case HardCopy::TextWindow:
            console.refreshNow();
            widget = &console;
            break;
    }
    return widget ? widget->grab().toImage() : QImage();
}

// The native save dialog of the first print, in the user's documents folder.
QString askReportPath(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("hxcalc: print to PDF"),
                                        defaultReportPath(), QStringLiteral("PDF (*.pdf)"));
}

// Runs the start-up sequence; a failure is reported and ends the program.
bool startUp(Session& session) {
    try {
        startProgram(session);
        return true;
    } catch (const std::exception& e) {
        std::cerr << "hxcalc: start-up failed: " << e.what() << '\n';
        return false;
    }
}

}  // namespace

int runDesktop(int argc, char** argv) {
    QApplication app(argc, argv);
    useJapaneseFont(app);
    QApplication::setQuitOnLastWindowClosed(false);

    auto view = std::make_unique<ConsoleView>();  // handed to the main window below
    QtConsole console(*view);
    QtPlatform platform(console);
    Session session(console, platform);
    if (!startUp(session)) return kReplayProgramError;
    ConsoleView& consoleView = *view;
    FormWindows windows(session.forms, view.release());
    platform.setWindows(&windows);
    PdfPrintJob printJob(
        console, [&] { return askReportPath(windows.window("MAINFORM")); },
        [&](HardCopy which) { return windowImage(windows, consoleView, which); },
        [&](const QString& message) {
            QMessageBox::warning(windows.window("MAINFORM"), QStringLiteral("hxcalc"), message);
        });
    platform.setPrinter(&printJob);

    // One handler at a time: while one waits for an answer in the text
    // window, further clicks are not taken.
    bool busy = false;
    CaseFileActions caseFiles(session, *windows.window("MAINFORM"), [&busy] { return busy; });
    addCaseFileActions(fileMenuOf(*windows.window("MAINFORM")), caseFiles);
    windows.onClick([&](const std::string& form, const std::string& control) {
        if (busy || !session.forms.enabled(form, control)) return;
        busy = true;
        try {
            session.click(form, control);
        } catch (const ProgramExit&) {
            QApplication::quit();
        } catch (const NoAnswer&) {
            QApplication::quit();  // the windows are closing
        } catch (const std::exception& e) {
            console.print(std::string("internal error: ") + e.what());
        }
        busy = false;
    });
    windows.onClose([&](FormWindow& window) {
        if (window.formName() == "MAINFORM") {
            if (!caseFiles.confirmDiscard()) return;
            // Closing the main window ends the program, also while a
            // calculation waits in the text window.
            console.abortWait();
            QApplication::quit();
        } else {
            session.forms.hideForm(window.formName());
        }
    });
    windows.showVisible();
    return QApplication::exec();
}

int runWindowReplay(int argc, char** argv, const std::string& scriptPath,
                    const WindowReplayOptions& options) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    useJapaneseFont(app);

    std::ifstream script(scriptPath);
    if (!script) {
        std::cerr << "hxcalc: cannot read replay script " << scriptPath << '\n';
        return kReplayScriptError;
    }
    const QString outDir = QString::fromStdString(options.screenshotDir);
    if (!outDir.isEmpty() && !QDir().mkpath(outDir)) {
        std::cerr << "hxcalc: cannot create " << options.screenshotDir << '\n';
        return kReplayScriptError;
    }

    auto view = std::make_unique<ConsoleView>();  // handed to the main window below
    ScriptedConsole console;
    view->setSource(&console);
    ScreenshotPlatform platform(console);
    Session session(console, platform);
    if (!startUp(session)) return kReplayProgramError;
    ConsoleView& consoleView = *view;
    FormWindows windows(session.forms, view.release());
    platform.setWindows(&windows);
    windows.showVisible();

    const QString pdfPath = QString::fromStdString(options.pdfPath);
    PdfPrintJob printJob(
        console, [pdfPath] { return pdfPath; },
        [&](HardCopy which) { return windowImage(windows, consoleView, which); });

    ReplayEnvironment env{session, console, platform, std::cout, std::cerr, nullptr};
    if (!outDir.isEmpty())
        env.snap = [&](const std::string& label) {
            saveScreenshots(windows, consoleView, outDir, label);
        };
    if (!pdfPath.isEmpty()) env.printJob = &printJob;
    const int status = runReplay(script, scriptPath, env);
    consoleView.setSource(nullptr);
    return status;
}

int runScreenshotReplay(int argc, char** argv, const std::string& scriptPath,
                        const std::string& dir) {
    return runWindowReplay(argc, argv, scriptPath, {dir, {}});
}

}  // namespace hx::gui
