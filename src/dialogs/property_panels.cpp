#include "dialogs/property_panels.h"

#include "core/option_codes.h"

namespace hx {

namespace {

constexpr const char* kData = "FORM7";

constexpr std::array<const char*, kPropertyRows> kTubeFields = {
    "EDIT93", "EDIT94", "EDIT95", "EDIT96", "EDIT97", "EDIT98", "EDIT99", "EDIT100", "EDIT101"};
constexpr std::array<const char*, kPropertyRows> kShellFields = {"EDIT102", "EDIT103", "EDIT104",
                                                                 "EDIT105", "EDIT106", "EDIT107",
                                                                 "EDIT108", "EDIT109", "EDIT110"};
constexpr std::array<const char*, kPropertyRows> kRowLabels = {"TEXT152", "TEXT153", "TEXT154",
                                                               "TEXT155", "TEXT156", "TEXT157",
                                                               "TEXT158", "TEXT159", "TEXT160"};

// Default texts of a column, engineering units and SI units, in row order;
// nullptr where the row does not apply. Inserted exactly as written.
struct DefaultSet {
    std::array<const char*, kPropertyRows> engineering;
    std::array<const char*, kPropertyRows> si;
};

// Water at about 60 ℃: 983 kg/m3, 1 kcal/kg℃ (4.186 kJ/kgK),
// 0.0017 m2/h (4.72E-7 m2/s), 0.562 kcal/mh℃ (0.654 W/mK).
constexpr DefaultSet kLiquid = {
    {nullptr, "983", "1", "0.0017", "0.562", nullptr, nullptr, nullptr, nullptr},
    {nullptr, "983", "4.186", "4.72E-7", "0.654", nullptr, nullptr, nullptr, nullptr},
};
// Air-like gas: 0.8 kg/m3, 0.24 kcal/kg℃ (1.005 kJ/kgK), 0.1 m2/h
// (2.77E-5 m2/s), 0.03 kcal/mh℃ (0.035 W/mK).
constexpr DefaultSet kGas = {
    {nullptr, "0.8", "0.24", "0.1", "0.03", nullptr, nullptr, nullptr, nullptr},
    {nullptr, "0.8", "1.005", "2.77E-5", "0.035", nullptr, nullptr, nullptr, nullptr},
};
// Saturated steam at 1 atm and its condensate: latent heat 540 kcal/kg
// (2260 kJ/kg), vapour 0.578 kg/m3, 0.501 kcal/kg℃, 0.078 m2/h,
// 0.0207 kcal/mh℃; condensate 958.4 kg/m3, 1.007 kcal/kg℃, 0.001 m2/h,
// 0.586 kcal/mh℃. The tube column has always been given ".578".
constexpr DefaultSet kTubeVapour = {
    {"540", ".578", "0.501", "0.078", "0.0207", "958.4", "1.007", "0.001", "0.586"},
    {"2260", "0.578", "2.016", "2.17E-5", "0.021", "958.4", "4.215", "2.97E-7", "0.67"},
};
constexpr DefaultSet kShellVapour = {
    {"540", "0.578", "0.501", "0.078", "0.0207", "958.4", "1.007", "0.001", "0.586"},
    {"2260", "0.578", "2.016", "2.17E-5", "0.021", "958.4", "4.215", "2.97E-7", "0.67"},
};

// Row labels per unit code: code 4 (Japanese, engineering), code 3
// (Japanese, SI), code 1 (English, SI). The English engineering code 2,
// which no input control sets, takes the English texts.
struct LabelTexts {
    const char* code4;
    const char* code3;
    const char* code1;
};

// The four single-phase rows: density, specific heat, viscosity, conductivity.
constexpr LabelTexts kSinglePhaseLabels[] = {
    {"      密　　度 (kg/m3) -----", "      密　　度 (kg/m3) -----",
     "  Density(kg/m3) ------------"},
    {"      比　　熱 (kcal/kg℃) --", "      比　　熱 (kJ/kgK) -----",
     "  Specific heat(kJ/kgK) ------"},
    {"      動粘性係数 (m2/h) ---", "      動粘性係数 (m2/s) ----",
     "  Kinetic viscocity(m2/s) ----"},
    {"      熱伝導率 (kcal/mh℃) -", "      熱伝導率 (W/mK) ----", "  Thermal conductivity(W/mK) -"},
};

// All nine rows of a phase-change side.
constexpr LabelTexts kTwoPhaseLabels[kPropertyRows] = {
    {"  飽和蒸気凝縮潜熱(kcal/kg)", "  飽和蒸気凝縮潜熱(kJ/kg) --", "Sat.Latent heat(kJ/kg) -----"},
    {"  密　　度 (kg/m3) ----------", "  密　　度 (kg/m3) ----------",
     "Density(kg/m3) --------------"},
    {"  比　　熱 (kcal/kg℃) -------", "  比　　熱 (kJ/kgK) ----------",
     "Specific heat(kJ/kgK) --------"},
    {"  動粘性係数 (m2/h) --------", "  動粘性係数 (m2/s) --------",
     "Kinetic viscocity(m2/s) ----"},
    {"  熱伝導率 (kcal/mh℃) -----", "  熱伝導率 (W/mK) ----------", "Thermal conductivity(W/mK) -"},
    {"  凝縮液密度 (kg/m3) -------", "  凝縮液密度 (kg/m3) -------",
     "Condensate density(kg/m3) --"},
    {"  凝縮液比熱 (kcal/kg℃) ----", "  凝縮液比熱 (kJ/kgK) -------",
     "Cond.Specific heat(kJ/kgK) --"},
    {"  凝縮液動粘性係数 (m2/h) --", "  凝縮液動粘性係数 (m2/s) --",
     "Cond.kinetic visc.(m2/s) ---"},
    {"  凝縮液熱伝導率 (kcal/mh℃)", "  凝縮液熱伝導率 (W/mK) -----",
     "Cond.thermal conduc.(W/mK) --"},
};

const char* labelFor(const LabelTexts& t, int unitCode) {
    if (unitCode == kJapaneseEngineering) return t.code4;
    if (unitCode == kJapaneseSI) return t.code3;
    return t.code1;
}

bool isTwoPhaseRow(int row) { return row == kLatentRow || row >= kCondensateDensityRow; }

const DefaultSet* defaultsOf(PanelSide side, PanelContent content) {
    switch (content) {
        case PanelContent::Liquid: return &kLiquid;
        case PanelContent::Gas: return &kGas;
        case PanelContent::SaturatedVapour:
        case PanelContent::VapourRowsOnly:
            return side == PanelSide::Tube ? &kTubeVapour : &kShellVapour;
        case PanelContent::Correlation:
        case PanelContent::NotApplicable: return nullptr;
    }
    return nullptr;
}

}  // namespace

std::span<const char* const, kPropertyRows> propertyFields(PanelSide side) {
    return side == PanelSide::Tube ? std::span<const char* const, kPropertyRows>(kTubeFields)
                                   : std::span<const char* const, kPropertyRows>(kShellFields);
}

const char* propertyDefault(PanelSide side, PanelContent content, int row, int unitCode) {
    if (row < 0 || row >= kPropertyRows) return nullptr;
    if (content == PanelContent::VapourRowsOnly && isTwoPhaseRow(row)) return nullptr;
    const DefaultSet* set = defaultsOf(side, content);
    if (set == nullptr) return nullptr;
    const auto& texts = isSI(unitCode) ? set->si : set->engineering;
    return texts[static_cast<std::size_t>(row)];
}

void labelPropertyRows(FormStore& forms, int unitCode, bool phaseChange) {
    for (int row = 0; row < kPropertyRows; ++row) {
        const char* label = kRowLabels[static_cast<std::size_t>(row)];
        if (phaseChange) {
            forms.setText(kData, label, labelFor(kTwoPhaseLabels[row], unitCode));
        } else if (isTwoPhaseRow(row)) {
            forms.setText(kData, label, "");
        } else {
            forms.setText(kData, label, labelFor(kSinglePhaseLabels[row - kDensityRow], unitCode));
        }
    }
}

void headPropertyColumn(FormStore& forms, PanelSide side, PanelHeading heading, int unitCode) {
    const bool tube = side == PanelSide::Tube;
    const char* label = tube ? "TEXT161" : "TEXT162";
    const char* text = nullptr;
    if (!isJapanese(unitCode)) {
        text = tube ? "Tube side physical prop." : "Shell side physical prop.";
    } else {
        switch (heading) {
            case PanelHeading::Liquid: text = tube ? "管内側液物性値" : "シェル側液物性値"; break;
            case PanelHeading::Gas: text = tube ? "管内側気体物性値" : "シェル側気体物性値"; break;
            case PanelHeading::Water: text = tube ? "管内側水物性値" : "シェル側水物性値"; break;
            case PanelHeading::Vapour:
                text = tube ? "管内側蒸気物性値" : "シェル側蒸気物性値";
                break;
        }
    }
    forms.setText(kData, label, text);
}

void preparePropertyColumn(FormStore& forms, PanelSide side, PanelContent content, int unitCode) {
    const auto fields = propertyFields(side);
    for (int row = 0; row < kPropertyRows; ++row) {
        const char* field = fields[static_cast<std::size_t>(row)];
        if (content == PanelContent::Correlation) {
            forms.setText(kData, field, isTwoPhaseRow(row) ? kNotApplicable : kCorrelation);
            forms.setEnabled(kData, field, false);
            continue;
        }
        const char* value = propertyDefault(side, content, row, unitCode);
        forms.setText(kData, field, value != nullptr ? value : kNotApplicable);
        forms.setEnabled(kData, field, value != nullptr);
    }
}

void closeTwoPhaseRows(FormStore& forms, PanelSide side) {
    const auto fields = propertyFields(side);
    for (int row = 0; row < kPropertyRows; ++row) {
        if (!isTwoPhaseRow(row)) continue;
        forms.setText(kData, fields[static_cast<std::size_t>(row)], kNotApplicable);
        forms.setEnabled(kData, fields[static_cast<std::size_t>(row)], false);
    }
}

}  // namespace hx
