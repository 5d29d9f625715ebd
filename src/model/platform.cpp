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

}  // namespace hx
