// The geometry column of the main window and its captions per exchanger type.
#include "model/geometry_column.h"

#include <string>

#include "core/option_codes.h"
#include "model/inventory.h"

namespace hx {

namespace {

constexpr const char* kMain = "MAINFORM";

constexpr const char* kGeometryColumn[] = {
    "EDIT75", "EDIT76", "EDIT22", "EDIT28", "EDIT2",  "EDIT1",  "EDIT3",  "EDIT25", "EDIT4",
    "EDIT5",  "EDIT16", "EDIT6",  "EDIT15", "EDIT73", "EDIT17", "EDIT18", "EDIT53", "EDIT19",
    "EDIT45", "EDIT29", "EDIT46", "EDIT47", "EDIT48", "EDIT49", "EDIT50", "EDIT51", "EDIT52",
};

// The labels of the geometry fields whose meaning changes with the exchanger type.
constexpr const char* kGeometryLabels[] = {"TEXT1",  "TEXT2", "TEXT3", "TEXT20",
                                           "TEXT21", "TEXT4", "TEXT5"};

// Their double-tube captions, in the order of kGeometryLabels: inner tube
// outside and inside diameter, outer tube diameter, the two flows in kg/h,
// fin thickness and height.
constexpr const char* kDoubleTubeJapanese[] = {
    " ★ 内管の伝熱管外径(mm)",
    " ★ 内管の伝熱管内径(mm)",
    " ★ 外管の内径(mm)",
    " 管内側流量(kg/h)",
    " ｼｪﾙ側流量(kg/h)",
    " ﾌｨﾝ肉厚(mm)",
    " ﾌｨﾝ高さ(mm)",
};
constexpr const char* kDoubleTubeEnglish[] = {
    " ★ Outside dia.of inter tube(mm)",
    " ★ Inside dia.of inter tube(mm)",
    " ★ Outside dia.of outer tube(mm)",
    " Inside fluid flowrate(kg/h)",
    " Outside fluid flowrate(kg/h)",
    " Fin thickness(mm)",
    " Fin height(mm)",
};

}  // namespace

std::span<const char* const> geometryColumnFields() { return kGeometryColumn; }

void captionGeometry(FormStore& forms, int exchangerType, int unitCode) {
    const auto& doubleTube = isJapanese(unitCode) ? kDoubleTubeJapanese : kDoubleTubeEnglish;
    for (std::size_t i = 0; i < std::size(kGeometryLabels); ++i) {
        const char* label = kGeometryLabels[i];
        forms.setText(kMain, label,
                      exchangerType == kDoubleTube ? std::string(doubleTube[i])
                                                   : captionFor(kMain, label, unitCode));
    }
}

}  // namespace hx
