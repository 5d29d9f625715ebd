#include "gui/app/gui_app.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QScreen>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "console/scripted_console.h"
#include "gui/app/desktop.h"
#include "gui/app/hard_copy_image.h"
#include "gui/app/menu_bar.h"
#include "gui/app/pdf_print_job.h"
#include "gui/app/qt_platform.h"
#include "gui/forms/form_windows.h"
#include "model/session.h"
#include "program/session/replay.h"
#include "program/session/startup.h"

namespace hx::gui {

namespace {

void useJapaneseFont(QApplication& app) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    app.setFont(font);
}

// Saves every visible form as DIR/LABEL-FORM.png, and the text window as
// DIR/LABEL-TEXT.png. On a real display (QT_QPA_PLATFORM=xcb, under a window
// manager) also the whole screen as DIR/LABEL-screen.png, as a user sees it.
// Returns the number of pictures that could not be written.
int saveScreenshots(FormWindows& windows, ConsoleView& console, const QString& dir,
                    const std::string& label) {
    int failed = 0;
    console.refreshNow();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const bool realScreen = QGuiApplication::platformName() != QStringLiteral("offscreen");
    if (realScreen) {
        // Give the window manager time to map and frame the windows.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 400) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        const QString file = QDir(dir).filePath(QString::fromStdString(label + "-screen.png"));
        if (QScreen* screen = QGuiApplication::primaryScreen();
            !screen || !screen->grabWindow(0).save(file)) {
            std::cerr << "hxcalc: cannot write " << file.toStdString() << '\n';
            ++failed;
        }
    }
    std::vector<QWidget*> shown;
    for (const auto& w : windows.all())
        if (w->isVisible()) shown.push_back(w.get());
    shown.push_back(&windows.textWindow());
    const auto save = [&](QWidget* w, const QString& suffix) {
        const QString file = QDir(dir).filePath(QString::fromStdString(label + "-") +
                                                w->objectName() + suffix + QStringLiteral(".png"));
        if (!w->grab().save(file)) {
            std::cerr << "hxcalc: cannot write " << file.toStdString() << '\n';
            ++failed;
        }
    };
    for (QWidget* w : shown) save(w, {});
    // The result form's profile tab as well, brought forward for the picture.
    FormWindow* result = windows.window("FORM4");
    if (result && result->isVisible() && result->tabs()) {
        QTabWidget* tabs = result->tabs();
        const int current = tabs->currentIndex();
        tabs->setCurrentIndex(1);
        QCoreApplication::processEvents();
        save(result, QStringLiteral("-profile"));
        tabs->setCurrentIndex(current);
    }
    return failed;
}

}  // namespace

int runDesktop(int argc, char** argv) {
    QApplication app(argc, argv);
    // The folder of the recovery file: ~/.local/share/hxcalc.
    QCoreApplication::setApplicationName(QStringLiteral("hxcalc"));
    useJapaneseFont(app);
    QApplication::setQuitOnLastWindowClosed(false);
    Desktop desktop;
    if (!desktop.start()) return kReplayProgramError;
    desktop.show();
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

    auto view = std::make_unique<ConsoleView>();  // handed to the text window below
    ScriptedConsole console;
    view->setSource(&console);
    ScreenshotPlatform platform(console);
    Session session(console, platform);
    try {
        startProgram(session);
    } catch (const std::exception& e) {
        std::cerr << "hxcalc: start-up failed: " << e.what() << '\n';
        return kReplayProgramError;
    }
    ConsoleView& consoleView = *view;
    FormWindows windows(session.forms, view.release());
    platform.setWindows(&windows);
    MenuBar menu(MenuCommands{}, session.forms);  // drawn as the desktop shows it
    windows.mainWindow().setMenuBar(menu.bar());
    windows.showVisible();

    const QString pdfPath = QString::fromStdString(options.pdfPath);
    PdfPrintJob printJob(
        console, [pdfPath] { return pdfPath; },
        [&](HardCopy which) { return hardCopyImage(windows, consoleView, which); });

    ReplayEnvironment env{session, console, platform, std::cout, std::cerr, nullptr};
    int failedPictures = 0;
    if (!outDir.isEmpty())
        env.snap = [&](const std::string& label) {
            failedPictures += saveScreenshots(windows, consoleView, outDir, label);
        };
    if (!pdfPath.isEmpty()) env.printJob = &printJob;
    const int status = runReplay(script, scriptPath, env);
    consoleView.setSource(nullptr);
    // A report that could not be written was told in the transcript; the
    // run as a whole did not do what was asked of it.
    if (status == kReplayOk && (printJob.failedWrites() > 0 || failedPictures > 0))
        return kReplayOutputError;
    return status;
}

int runScreenshotReplay(int argc, char** argv, const std::string& scriptPath,
                        const std::string& dir) {
    return runWindowReplay(argc, argv, scriptPath, {dir, {}});
}

}  // namespace hx::gui
