// The image of a window for a hard copy in the print job: the result form,
// the figure window, the text window as it stands, or the chart of the
// result form's profile tab.
#pragma once

#include <QImage>

#include "gui/app/console_view.h"
#include "gui/forms/form_windows.h"
#include "model/platform.h"

namespace hx::gui {

QImage hardCopyImage(FormWindows& windows, ConsoleView& console, HardCopy which);

}  // namespace hx::gui
