#include "app/session.h"

namespace hx {

namespace {
// The program's forms: the main window and its secondary forms.
constexpr const char* kForms[] = {"MAINFORM", "FORM2", "FORM3", "FORM4", "FORM6",
                                  "FORM7",    "FORM8", "FORM9", "FORM10"};
}  // namespace

void startProgram(Session& session) {
    for (const char* form : kForms) session.forms.addForm(form, false);
    session.forms.showForm("MAINFORM");
}

}  // namespace hx
