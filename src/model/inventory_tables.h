// The per-form control tables of the inventory and the few constructors
// that keep their rows short. Private to the inventory sources.
#pragma once

#include <span>

#include "model/inventory.h"

namespace hx::inventory {

// A text field: what it holds (with its unit) and its text at launch.
constexpr ControlSpec field(const char* name, const char* role, const char* resource = "") {
    return ControlSpec{name, resource, nullptr, nullptr, true, true, role, nullptr};
}

// A label, button, option button or frame captioned by language. The
// resource caption is the one the form is drawn with for the launch code 4.
constexpr ControlSpec captioned(const char* name, const char* english, const char* japanese,
                                const char* code4 = nullptr) {
    return ControlSpec{name, code4 ? code4 : japanese, english, japanese, true, true, "", code4};
}

// A control whose caption does not follow the language (markers, message
// lines, fixed button captions).
constexpr ControlSpec fixed(const char* name, const char* resource, const char* role = "") {
    return ControlSpec{name, resource, nullptr, nullptr, true, true, role, nullptr};
}

constexpr ControlSpec disabled(ControlSpec spec) {
    spec.enabled = false;
    return spec;
}

constexpr ControlSpec hidden(ControlSpec spec) {
    spec.visible = false;
    return spec;
}

// A hidden option-code field of the dialog state: hidden, and at
// launch disabled unless it is one the user may reach through its form.
constexpr ControlSpec codeField(const char* name, const char* role, const char* resource = "",
                                bool enabled = false) {
    ControlSpec spec = hidden(field(name, role, resource));
    spec.enabled = enabled;
    return spec;
}

// A caption whose launch text differs from every caption a code gives it.
constexpr ControlSpec withResource(ControlSpec spec, const char* resource) {
    spec.resource = resource;
    return spec;
}

constexpr ControlSpec withRole(ControlSpec spec, const char* role) {
    spec.role = role;
    return spec;
}

std::span<const ControlSpec> mainFormControls();
std::span<const LabelSpec> mainFormLabels();
std::span<const ControlSpec> form7Controls();
std::span<const LabelSpec> form7Labels();
std::span<const ControlSpec> form2Controls();
std::span<const ControlSpec> form3Controls();
std::span<const LabelSpec> form3Labels();
std::span<const ControlSpec> form4Controls();
std::span<const LabelSpec> form4Labels();
std::span<const ControlSpec> form6Controls();
std::span<const ControlSpec> form8Controls();
std::span<const ControlSpec> form9Controls();
std::span<const ControlSpec> form10Controls();

}  // namespace hx::inventory
