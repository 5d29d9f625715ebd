// One form of the program as a window, built from its inventory entry:
// text fields, labels, push buttons, option buttons, frames and pictures in
// the inventory's row order. Every widget mirrors its FormStore record
// (text or caption, enabled, visible) and writes typed text back; a click
// is handed to the owner, which sends it through the dispatch table.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "model/form_store.h"
#include "model/inventory.h"

namespace hx::gui {

class FormWindow : public QWidget {
public:
    using ClickHandler = std::function<void(const std::string& form, const std::string& control)>;
    using CloseHandler = std::function<void(FormWindow& window)>;

    // `console`, when given, is laid out under the controls (the main window).
    FormWindow(const FormSpec& spec, FormStore& store, QWidget* console = nullptr);

    const std::string& formName() const { return name_; }
    void onClick(ClickHandler handler) { click_ = std::move(handler); }
    void onClose(CloseHandler handler) { close_ = std::move(handler); }

    // Mirrors one change of the form model; syncAll mirrors every record.
    void apply(const FormChange& change);
    void syncAll();

    // The widget of a control; nullptr when the form has none of that name.
    QWidget* widget(const std::string& control) const;

    // The picture control that shows a bitmap file, by the file named in its
    // inventory role; nullptr when the form has none.
    QLabel* pictureFor(const std::string& fileName) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build(QWidget* console);
    void fitSize();
    void applyText(const std::string& control);
    void recaptionLabels();

    const FormSpec& spec_;
    FormStore& store_;
    std::string name_;
    QWidget* content_ = nullptr;  // the controls, inside the scroll area
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, std::string, std::less<>> pictureRoles_;
    std::vector<std::pair<const LabelSpec*, QLabel*>> labels_;
    ClickHandler click_;
    CloseHandler close_;
    bool mirroring_ = false;  // a store change is being shown: do not write it back
};

// The bitmap files are read from the program's folder, then the current one.
// Returns the path found, or an empty string.
std::string findBitmap(const std::string& fileName);

}  // namespace hx::gui
