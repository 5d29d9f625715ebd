// Small helpers for the dialog handlers, which mostly switch groups of
// controls of one form on or off and write runs of field texts.
#pragma once

#include <initializer_list>
#include <span>
#include <string>

#include "model/form_store.h"

namespace hx::controls {

inline void enable(FormStore& f, const char* form, std::span<const char* const> names, bool on) {
    for (const char* n : names) f.setEnabled(form, n, on);
}
inline void enable(FormStore& f, const char* form, std::initializer_list<const char*> names,
                   bool on) {
    for (const char* n : names) f.setEnabled(form, n, on);
}

inline void write(FormStore& f, const char* form, std::span<const char* const> names,
                  const std::string& text) {
    for (const char* n : names) f.setText(form, n, text);
}
inline void write(FormStore& f, const char* form, std::initializer_list<const char*> names,
                  const std::string& text) {
    for (const char* n : names) f.setText(form, n, text);
}

// Writes a text and sets the enabled state in one step.
inline void put(FormStore& f, const char* form, const char* name, const std::string& text,
                bool on) {
    f.setText(form, name, text);
    f.setEnabled(form, name, on);
}

// An option code held as text in a field, read as a whole number.
inline int code(const FormStore& f, const char* form, const char* name) {
    return static_cast<int>(f.number(form, name));
}

}  // namespace hx::controls
