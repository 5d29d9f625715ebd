// The menu bar of the main window: File (Quit), View (the text window and
// its font, the calculation trace), Help (the quick start, About). Its texts follow the language
// of the presentation.
#pragma once

#include <QMenu>
#include <QMenuBar>
#include <functional>
#include <utility>
#include <vector>

#include "model/form_store.h"

namespace hx::gui {

struct MenuCommands {
    std::function<void()> quit;
    std::function<void()> showTextWindow;
    std::function<void()> designSearch;
    std::function<void()> showCalculation;  // the trace of the last run
    std::function<void()> parameterStudy;
    std::function<void()> temperatureProfile;
    std::function<void(int steps)> changeFont;  // +1 larger, -1 smaller
    std::function<void()> resetFont;
    std::function<void()> quickStart;
    std::function<void()> waterTable;
    std::function<void()> about;
};

class MenuBar {
public:
    // The bar is handed to a window; its texts follow the unit-and-language
    // code of `forms`.
    MenuBar(const MenuCommands& commands, FormStore& forms);
    ~MenuBar();
    MenuBar(const MenuBar&) = delete;
    MenuBar& operator=(const MenuBar&) = delete;

    QMenuBar* bar() const { return bar_; }
    // Where the case files add their Open and Save, before Quit.
    QMenu* fileMenu() const { return file_; }
    QAction* quitAction() const { return quit_; }
    QMenu* helpMenu() const { return help_; }

    void setJapanese(bool japanese);

private:
    FormStore& forms_;
    int subscription_ = 0;
    QMenuBar* bar_;
    QMenu* file_;
    QMenu* help_;
    QAction* quit_ = nullptr;
    std::vector<std::pair<QObject*, int>> texts_;  // menu or action, index of its text
};

}  // namespace hx::gui
