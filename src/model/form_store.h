// The form model: the dialog state of the program as records addressed by
// form and control name (MAINFORM.EDIT75, FORM7.EDIT80). Handlers read and
// write it; the front end mirrors it through the change notifications.
//
// Control names are unique per form, not across forms, so every lookup takes
// the form; resolve() accepts a bare name only where it is unique.
#pragma once

#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hx {

// Control kinds, by name prefix: EDIT text field, TEXT label, BUTTON push
// button, RADIO option button, GROUP frame, PICTURE bitmap.
enum class ControlKind { Edit, Text, Button, Radio, Group, Picture };

// The kind a control's name prefix gives (EDIT75 is an Edit). Throws
// UnknownControl for a name with no known prefix.
ControlKind kindFromName(std::string_view name);

// A name that is not in the form model: a programming error (or, in a
// replay script, a mistyped control), reported with the name.
class UnknownControl : public std::logic_error {
public:
    explicit UnknownControl(const std::string& what) : std::logic_error(what) {}
};

struct ControlState {
    ControlKind kind = ControlKind::Edit;
    std::string text;  // field text, or a label's or button's caption
    bool enabled = true;
    bool visible = true;
};

// What changed, for the front end.
struct FormChange {
    // Selected: a field refused by a check is to be selected (focus, text
    // marked) so that the user retypes it.
    enum class What { Text, Enabled, Visible, FormVisible, Selected };
    What what;
    std::string form;
    std::string control;  // empty for FormVisible
};

class FormStore {
public:
    using Listener = std::function<void(const FormChange&)>;

    void addForm(const std::string& form, bool visible = false);
    void addControl(const std::string& form, const std::string& control, ControlState init);

    bool hasForm(std::string_view form) const;
    bool hasControl(std::string_view form, std::string_view control) const;

    // "FORM.NAME", or a bare NAME that exists on exactly one form, to
    // {form, name}. Throws UnknownControl.
    std::pair<std::string, std::string> resolve(std::string_view name) const;

    const ControlState& control(std::string_view form, std::string_view name) const;

    const std::string& text(std::string_view form, std::string_view name) const;
    float number(std::string_view form, std::string_view name) const;
    bool enabled(std::string_view form, std::string_view name) const;
    bool visible(std::string_view form, std::string_view name) const;

    void setText(std::string_view form, std::string_view name, std::string text);
    void setEnabled(std::string_view form, std::string_view name, bool enabled);
    void setVisible(std::string_view form, std::string_view name, bool visible);

    bool formVisible(std::string_view form) const;

    // The field a refused entry left selected, {"", ""} when none: a check
    // that refuses a field selects it for the user to retype.
    void selectField(std::string_view form, std::string_view name);
    const std::pair<std::string, std::string>& selectedField() const { return selected_; }

    void showForm(std::string_view form);
    void hideForm(std::string_view form);

    // Forms in the order they were added, and the controls of one form in
    // the order they were added.
    const std::vector<std::string>& forms() const { return formOrder_; }
    std::vector<std::string> controls(std::string_view form) const;

    // Subscribes to changes; returns a handle for unsubscribe.
    int subscribe(Listener listener);
    void unsubscribe(int handle);

private:
    struct Form {
        bool visible = false;
        std::vector<std::string> order;
        std::map<std::string, ControlState, std::less<>> controls;
    };

    Form& form(std::string_view name);
    const Form& form(std::string_view name) const;
    ControlState& mutableControl(std::string_view form, std::string_view name);
    void notify(FormChange::What what, std::string_view form, std::string_view control);

    std::map<std::string, Form, std::less<>> forms_;
    std::vector<std::string> formOrder_;
    std::pair<std::string, std::string> selected_;
    std::map<int, Listener> listeners_;
    int nextHandle_ = 1;
};

}  // namespace hx
