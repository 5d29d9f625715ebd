// The title of each window: the program's name and what the window is for,
// in the language of the presentation.
#pragma once

#include <QString>
#include <string_view>

namespace hx::gui {

// The title of a form's window ("MAINFORM", "FORM7", ...), of the text
// window ("TEXT") or of a help page ("HELP", "ABOUT"); the program's name
// alone for a name it does not know.
QString windowTitle(std::string_view window, bool japanese);

}  // namespace hx::gui
