// One form of the program as a window, built from its inventory entry:
// text fields, labels, push buttons, option buttons, frames and pictures in
// the inventory's row order. Every widget mirrors its FormStore record
// (text or caption, enabled, visible) and writes typed text back; an option
// button shows whether its option code is in force; a click is handed to
// the owner, which sends it through the dispatch table.
//
// The window is as large as its contents: it grows when a caption or a
// message does, and scrolls only where the screen is smaller than the form.
// It opens centred on its anchor (the main window) and, within the program
// run, comes back where the user last put it.
#pragma once

#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/form_store.h"
#include "model/inventory.h"

namespace hx::gui {

class FormWindow : public QWidget {
public:
    using ClickHandler = std::function<void(const std::string& form, const std::string& control)>;
    using CloseHandler = std::function<void(FormWindow& window)>;

    FormWindow(const FormSpec& spec, FormStore& store);

    const std::string& formName() const { return name_; }
    void onClick(ClickHandler handler) { click_ = std::move(handler); }
    void onClose(CloseHandler handler) { close_ = std::move(handler); }

    // Mirrors one change of the form model; syncAll mirrors every record.
    void apply(const FormChange& change);
    void syncAll();

    // The widget of a control; nullptr when the form has none of that name.
    QWidget* widget(const std::string& control) const;

    // The window the form opens centred on; none for the main window,
    // which opens centred on the screen.
    void setAnchor(QWidget* anchor) { anchor_ = anchor; }
    // A menu bar over the controls (the main window).
    void setMenuBar(QWidget* bar);
    // A line of guidance under the controls (the main window); empty hides it.
    void setStatusText(const QString& text);
    // Grows the window to hold its contents (done after every change once
    // the events are processed).
    void fitContents();
    // Whether the form's contents need the scroll bars at the current size.
    bool scrolls() const;
    // Shows the window where it belongs, or hides it remembering where it was.
    void showForm(bool visible);

    // A page beside the form's controls: the window becomes a tab widget
    // whose first tab holds the controls, as they were, and whose second
    // tab holds `page`. The captions follow the windows' language.
    struct PageCaption {
        const char* english;
        const char* japanese;
    };
    void addPage(QWidget* page, PageCaption formCaption, PageCaption pageCaption);
    // The form's controls without the tab bar: the whole window when it
    // has no pages (what a hard copy of the form shows).
    QWidget* formPage();
    QTabWidget* tabs() const { return tabs_; }

    // The picture control that shows a bitmap file, by the file named in its
    // inventory role; nullptr when the form has none.
    QLabel* pictureFor(const std::string& fileName) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void applyText(const std::string& control);
    void markRange(const std::string& control);
    void selectField(const std::string& control);
    void recaptionLabels();
    void syncOptionButtons();
    void placeOnShow();
    void scheduleFit();

    const FormSpec& spec_;
    FormStore& store_;
    std::string name_;
    QWidget* content_ = nullptr;  // the controls, inside the scroll area
    QScrollArea* scroll_ = nullptr;
    QLabel* status_ = nullptr;    // made by the first setStatusText
    QTabWidget* tabs_ = nullptr;  // made by the first addPage
    std::vector<std::pair<PageCaption, int>> pageCaptions_;
    QWidget* anchor_ = nullptr;
    std::optional<QPoint> lastPos_;  // where the user last had it
    bool fitPending_ = false;
    bool sized_ = false;
    std::map<std::string, QWidget*, std::less<>> widgets_;
    std::map<std::string, std::string, std::less<>> pictureRoles_;
    std::vector<std::pair<const LabelSpec*, QLabel*>> labels_;
    ClickHandler click_;
    CloseHandler close_;
    bool mirroring_ = false;  // a store change is being shown: do not write it back
};

// Whether the windows speak Japanese: under the Japanese codes, and before
// a unit system is chosen.
bool japanesePresentation(const FormStore& store);

// The bitmap files are read from the program's folder, then the current one.
// Returns the path found, or an empty string.
std::string findBitmap(const std::string& fileName);

}  // namespace hx::gui
