#include "model/platform.h"

#include <algorithm>

#include "console/text_console.h"

namespace hx {

bool ScriptedPlatform::askYesNo(const std::string& title, const std::string& question) {
    if (answers_.empty()) throw NoAnswer(title + ": " + question);
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

bool ScriptedPlatform::loadBitmap(const std::string& fileName) {
    if (std::find(missing_.begin(), missing_.end(), fileName) != missing_.end()) return false;
    loaded_.push_back(fileName);
    return true;
}

void RecordingPrinter::printText(const std::vector<std::string>& lines) {
    items_.push_back({lines, std::nullopt});
    if (next_) next_->printText(lines);
}

void RecordingPrinter::printHardCopy(HardCopy window) {
    items_.push_back({{}, window});
    if (next_) next_->printHardCopy(window);
}

const char* hardCopyName(HardCopy window) {
    switch (window) {
        case HardCopy::ResultForm: return "FORM4";
        case HardCopy::FigureWindow: return "FORM2";
        case HardCopy::TextWindow: return "TEXT";
        case HardCopy::ProfileChart: return "PROFILE";
    }
    return "";
}

const char* resultWindowName(ResultWindow window) {
    switch (window) {
        case ResultWindow::Calculation: return "Calculation";
        case ResultWindow::ParameterStudy: break;
    }
    return "Parameter study";
}

void ScriptedPlatform::openResultWindow(ResultWindow window, bool japanese) {
    if (windowObserver_) windowObserver_(window, japanese);
}

}  // namespace hx
