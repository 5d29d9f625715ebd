#include "dialogs/option_dialogs.h"

#include <memory>

namespace hx {

void registerOptionDialogHandlers(DispatchTable& table) {
    table.add("FORM8", "RADIO9", RADIO9_ON);
    table.add("FORM8", "RADIO10", RADIO10_ON);
    table.add("FORM8", "RADIO11", RADIO11_ON);
    table.add("FORM8", "RADIO12", RADIO12_ON);
    table.add("FORM8", "RADIO13", RADIO13_ON);
    table.add("FORM8", "RADIO20", RADIO20_ON);
    table.add("FORM8", "RADIO21", RADIO21_ON);
    table.add("FORM8", "BUTTON45", BUTTON45_ON);

    table.add("FORM9", "RADIO14", RADIO14_ON);
    table.add("FORM9", "RADIO15", RADIO15_ON);
    table.add("FORM9", "BUTTON47", BUTTON47_ON);

    table.add("FORM10", "RADIO16", RADIO16_ON);
    table.add("FORM10", "RADIO17", RADIO17_ON);
    table.add("FORM10", "BUTTON48", BUTTON48_ON);

    table.add("MAINFORM", "RADIO7", RADIO7_ON);
    table.add("MAINFORM", "RADIO8", RADIO8_ON);
    table.add("MAINFORM", "BUTTON6", BUTTON6_ON);
    // The low-fin answer lives as long as the dispatch table, that is the program run.
    auto memory = std::make_shared<LowFinMemory>();
    table.add("MAINFORM", "BUTTON7", [memory](Session& s) { BUTTON7_ON(s, *memory); });
    table.add("MAINFORM", "BUTTON30", BUTTON30_ON);
    table.add("MAINFORM", "BUTTON31", BUTTON31_ON);
    table.add("MAINFORM", "BUTTON26", BUTTON26_ON);
    table.add("MAINFORM", "BUTTON27", BUTTON27_ON);
    table.add("MAINFORM", "RADIO18", RADIO18_ON);
    table.add("MAINFORM", "RADIO19", RADIO19_ON);
    table.add("MAINFORM", "BUTTON20", BUTTON20_ON);
    table.add("FORM2", "BUTTON3", FORM2_BUTTON3_ON);
}

}  // namespace hx
