#include "gui/app/hard_copy_image.h"

namespace hx::gui {

QImage hardCopyImage(FormWindows& windows, ConsoleView& console, HardCopy which) {
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

}  // namespace hx::gui
