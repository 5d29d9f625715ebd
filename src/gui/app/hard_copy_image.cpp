#include "gui/app/hard_copy_image.h"

namespace hx::gui {

QImage hardCopyImage(FormWindows& windows, ConsoleView& console, HardCopy which) {
    QWidget* widget = nullptr;
    switch (which) {
        case HardCopy::ResultForm:
            // The form's controls, without the tab bar of its profile tab.
            if (FormWindow* form = windows.window("FORM4")) widget = form->formPage();
            break;
        case HardCopy::FigureWindow: widget = windows.window("FORM2"); break;
        case HardCopy::TextWindow:
            console.refreshNow();
            widget = &console;
            break;
        case HardCopy::ProfileChart: return windows.resultProfile().chartImage();
    }
    return widget ? widget->grab().toImage() : QImage();
}

}  // namespace hx::gui
