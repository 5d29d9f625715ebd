#include "gui/form_windows.h"

#include <QPixmap>

#include "model/inventory.h"

namespace hx::gui {

FormWindows::FormWindows(FormStore& store, ConsoleView* console) : store_(store) {
    for (const FormSpec& spec : formInventory()) {
        if (!store.hasForm(spec.name)) continue;
        const bool isMain = std::string_view(spec.name) == "MAINFORM";
        windows_.push_back(std::make_unique<FormWindow>(spec, store, isMain ? console : nullptr));
    }
    subscription_ = store_.subscribe([this](const FormChange& change) {
        for (auto& w : windows_) w->apply(change);
    });
}

FormWindows::~FormWindows() { store_.unsubscribe(subscription_); }

FormWindow* FormWindows::window(const std::string& form) const {
    for (const auto& w : windows_)
        if (w->formName() == form) return w.get();
    return nullptr;
}

void FormWindows::onClick(const FormWindow::ClickHandler& handler) {
    for (auto& w : windows_) w->onClick(handler);
}

void FormWindows::onClose(const FormWindow::CloseHandler& handler) {
    for (auto& w : windows_) w->onClose(handler);
}

void FormWindows::showVisible() {
    for (auto& w : windows_) w->setVisible(store_.formVisible(w->formName()));
}

std::string missingBitmapNotice(const std::string& fileName) {
    return "Drawing file not found: " + fileName;
}

bool FormWindows::showBitmap(const std::string& fileName, TextConsole& notices) {
    QLabel* picture = nullptr;
    for (const auto& w : windows_)
        if ((picture = w->pictureFor(fileName))) break;
    const std::string path = findBitmap(fileName);
    QPixmap pixmap;
    if (path.empty() || !pixmap.load(QString::fromStdString(path))) {
        if (picture) picture->clear();
        notices.print(missingBitmapNotice(fileName));
        return false;
    }
    if (!picture) return false;
    picture->setPixmap(pixmap);
    picture->setMinimumSize(pixmap.size());
    return true;
}

}  // namespace hx::gui
