// Helpers of the front-end tests: the text a widget shows, and a program
// started on scripted answers with its windows built.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <memory>
#include <string>

#include "console/scripted_console.h"
#include "gui/app/console_view.h"
#include "gui/forms/form_windows.h"
#include "model/session.h"
#include "program/session/startup.h"

namespace hx::gui::testing {

// The text or caption a widget shows, as the user reads it.
inline std::string shownText(const QWidget* w) {
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text().replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString();
    if (auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title().replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString();
    return {};
}

// The program right after launch, on the scripted console and platform,
// with every window built (none shown).
struct LaunchedProgram {
    ScriptedConsole console;
    ScriptedPlatform platform;
    Session session{console, platform};
    ConsoleView* view = new ConsoleView;  // owned by the main window
    std::unique_ptr<FormWindows> windows;

    LaunchedProgram() {
        startProgram(session);
        view->setSource(&console);
        windows = std::make_unique<FormWindows>(session.forms, view);
        windows->onClick([this](const std::string& form, const std::string& control) {
            session.click(form, control);
        });
    }
    ~LaunchedProgram() {
        view->setSource(nullptr);
        windows.reset();
    }
    QWidget* widget(const std::string& form, const std::string& control) const {
        FormWindow* window = windows->window(form);
        return window ? window->widget(control) : nullptr;
    }
};

}  // namespace hx::gui::testing
