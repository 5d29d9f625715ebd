#include "gui/forms/form_windows.h"

#include <QPixmap>

#include "model/inventory.h"

namespace hx::gui {

FormWindows::FormWindows(FormStore& store, ConsoleView* console)
    : store_(store), text_(std::make_unique<TextWindow>(console)) {
    for (const FormSpec& spec : formInventory())
        if (store.hasForm(spec.name)) windows_.push_back(std::make_unique<FormWindow>(spec, store));
    // Every other form is owned by the main window, which opens it (the
    // start button opens the result forms): it stays above the main window
    // and goes with it, and the window manager never leaves it behind. A
    // dialog window, as X11 window managers keep only those of the
    // transient kinds above their owner.
    for (auto& w : windows_) {
        if (w.get() == &mainWindow()) continue;
        w->setParent(&mainWindow(), (w->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
        w->setAnchor(&mainWindow());
    }
    // The result form: its controls in a first tab, the solved case's
    // temperature profile in a second.
    profile_ = new ResultProfilePage;
    if (FormWindow* result = window("FORM4"))
        result->addPage(profile_, {"Results", "計算結果"}, {"Temperature profile", "温度分布"});
    const auto retitleText = [this] { text_->setJapanese(japanesePresentation(store_)); };
    retitleText();
    subscription_ = store_.subscribe([this, retitleText](const FormChange& change) {
        for (auto& w : windows_) w->apply(change);
        if (change.form == "MAINFORM" && change.control == "EDIT74") retitleText();
        if (change.form == "MAINFORM" && (change.control == "EDIT74" || change.control == "EDIT39"))
            updateStatus();
    });
}

FormWindows::~FormWindows() {
    store_.unsubscribe(subscription_);
    // The owned forms before their owner, which would delete them too.
    while (!windows_.empty()) windows_.pop_back();
}

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
    // The text window under the forms: on a small screen it overlaps the
    // main window, and the first thing to do is on the forms.
    FormWindow& main = mainWindow();
    main.showForm(store_.formVisible(main.formName()));
    text_->showBeside(main);
    main.raise();
    for (auto& w : windows_)
        if (w.get() != &main) w->showForm(store_.formVisible(w->formName()));
}

// Once a fluid mode is chosen its other choices are hidden: the main window
// says how to change a choice.
void FormWindows::updateStatus() {
    const bool chosen =
        store_.hasControl("MAINFORM", "EDIT39") && store_.number("MAINFORM", "EDIT39") > 0.0f;
    const bool japanese = japanesePresentation(store_);
    const char* text = !chosen ? ""
                       : japanese
                           ? "選んだ条件を変えるときは、その行のボタン（流体条件選択ボタン■、"
                             "管内流体選択ボタン■、ｼｪﾙ流体選択ボタン ■）をもう一度押して下さい。"
                           : "To change a choice, press the button of its row again: "
                             "\"Fluid mode ON\", \"Tube side physi.ON\" or "
                             "\"Shell side physi.ON\".";
    mainWindow().setStatusText(QString::fromUtf8(text));
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
