#include "model/form_store.h"

#include "core/lenient_number.h"

namespace hx {

ControlKind kindFromName(std::string_view name) {
    auto starts = [&](std::string_view prefix) { return name.substr(0, prefix.size()) == prefix; };
    if (starts("EDIT")) return ControlKind::Edit;
    if (starts("TEXT")) return ControlKind::Text;
    if (starts("BUTTON")) return ControlKind::Button;
    if (starts("RADIO")) return ControlKind::Radio;
    if (starts("GROUP")) return ControlKind::Group;
    if (starts("PICTURE")) return ControlKind::Picture;
    throw UnknownControl("control name without a known kind prefix: " + std::string(name));
}

void FormStore::addForm(const std::string& name, bool visible) {
    auto [it, inserted] = forms_.try_emplace(name);
    if (inserted) formOrder_.push_back(name);
    it->second.visible = visible;
}

void FormStore::addControl(const std::string& formName, const std::string& name,
                           ControlState init) {
    Form& f = form(formName);
    if (f.controls.find(name) == f.controls.end()) f.order.push_back(name);
    f.controls[name] = std::move(init);
}

bool FormStore::hasForm(std::string_view name) const { return forms_.find(name) != forms_.end(); }

bool FormStore::hasControl(std::string_view formName, std::string_view name) const {
    auto it = forms_.find(formName);
    return it != forms_.end() && it->second.controls.find(name) != it->second.controls.end();
}

std::pair<std::string, std::string> FormStore::resolve(std::string_view name) const {
    if (auto dot = name.find('.'); dot != std::string_view::npos) {
        std::string formName(name.substr(0, dot));
        std::string control(name.substr(dot + 1));
        if (!hasControl(formName, control)) throw UnknownControl("no control " + std::string(name));
        return {formName, control};
    }
    std::pair<std::string, std::string> found;
    int count = 0;
    for (const auto& formName : formOrder_) {
        if (hasControl(formName, name)) {
            found = {formName, std::string(name)};
            ++count;
        }
    }
    if (count == 0) throw UnknownControl("no control " + std::string(name));
    if (count > 1)
        throw UnknownControl("control " + std::string(name) +
                             " exists on several forms: name the form (FORM.NAME)");
    return found;
}

const ControlState& FormStore::control(std::string_view formName, std::string_view name) const {
    const Form& f = form(formName);
    auto it = f.controls.find(name);
    if (it == f.controls.end())
        throw UnknownControl("no control " + std::string(formName) + "." + std::string(name));
    return it->second;
}

ControlState& FormStore::mutableControl(std::string_view formName, std::string_view name) {
    return const_cast<ControlState&>(std::as_const(*this).control(formName, name));
}

const std::string& FormStore::text(std::string_view f, std::string_view n) const {
    return control(f, n).text;
}
float FormStore::number(std::string_view f, std::string_view n) const {
    return readNumber(control(f, n).text);
}
bool FormStore::enabled(std::string_view f, std::string_view n) const {
    return control(f, n).enabled;
}
bool FormStore::visible(std::string_view f, std::string_view n) const {
    return control(f, n).visible;
}

void FormStore::setText(std::string_view f, std::string_view n, std::string text) {
    ControlState& c = mutableControl(f, n);
    if (c.text == text) return;
    c.text = std::move(text);
    notify(FormChange::What::Text, f, n);
}

void FormStore::setEnabled(std::string_view f, std::string_view n, bool enabled) {
    ControlState& c = mutableControl(f, n);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    notify(FormChange::What::Enabled, f, n);
}

void FormStore::setVisible(std::string_view f, std::string_view n, bool visible) {
    ControlState& c = mutableControl(f, n);
    if (c.visible == visible) return;
    c.visible = visible;
    notify(FormChange::What::Visible, f, n);
}

bool FormStore::formVisible(std::string_view name) const { return form(name).visible; }

void FormStore::showForm(std::string_view name) {
    Form& f = form(name);
    if (f.visible) return;
    f.visible = true;
    notify(FormChange::What::FormVisible, name, {});
}

void FormStore::hideForm(std::string_view name) {
    Form& f = form(name);
    if (!f.visible) return;
    f.visible = false;
    notify(FormChange::What::FormVisible, name, {});
}

std::vector<std::string> FormStore::controls(std::string_view name) const {
    return form(name).order;
}

int FormStore::subscribe(Listener listener) {
    const int handle = nextHandle_++;
    listeners_.emplace(handle, std::move(listener));
    return handle;
}

void FormStore::unsubscribe(int handle) { listeners_.erase(handle); }

FormStore::Form& FormStore::form(std::string_view name) {
    return const_cast<Form&>(std::as_const(*this).form(name));
}

const FormStore::Form& FormStore::form(std::string_view name) const {
    auto it = forms_.find(name);
    if (it == forms_.end()) throw UnknownControl("no form " + std::string(name));
    return it->second;
}

void FormStore::selectField(std::string_view f, std::string_view n) {
    control(f, n);  // throws for a name that is not in the model
    selected_ = {std::string(f), std::string(n)};
    notify(FormChange::What::Selected, f, n);
}

void FormStore::notify(FormChange::What what, std::string_view f, std::string_view c) {
    const FormChange change{what, std::string(f), std::string(c)};
    // Copy: a listener may subscribe or unsubscribe while being notified.
    const auto listeners = listeners_;
    for (const auto& [handle, listener] : listeners) listener(change);
}

}  // namespace hx
