// The property block of the main data form FORM7: nine rows (latent heat,
// density, specific heat, kinematic viscosity, conductivity, then the
// condensate's density, specific heat, kinematic viscosity, conductivity),
// one shared row label each, a tube column EDIT93-EDIT101 and a shell column
// EDIT102-EDIT110. The property-method buttons prepare a column: its heading,
// the rows the method needs (enabled, with default values the user may
// overwrite), the rows that do not apply ("      ― ", disabled) or the
// "correlation" notice of a column whose properties are computed.
//
// Units: engineering (kcal/kg, kcal/kg℃, m2/h, kcal/mh℃) for code 4 and the
// English engineering code 2, SI (kJ/kg, kJ/kgK, m2/s, W/mK) for codes 1
// and 3; densities in kg/m3 in both.
#pragma once

#include <array>
#include <span>

#include "model/form_store.h"

namespace hx {

enum class PanelSide { Tube, Shell };

// What a column shows.
enum class PanelContent {
    Liquid,           // liquid by hand: the four single-phase rows, liquid defaults
    Gas,              // gas by hand: the four single-phase rows, gas defaults
    SaturatedVapour,  // the phase-change side: all nine rows, saturated-steam defaults
    VapourRowsOnly,   // gas by hand beside a shell-side phase change: the saturated-steam
                      // values in the four vapour rows, latent and condensate not applicable
    Correlation,      // built-in correlation: "correlation" in the four rows, all disabled
    NotApplicable,    // every row "      ― ", disabled
};

// Row indices into a column.
enum PropertyRow : int {
    kLatentRow = 0,
    kDensityRow,
    kSpecificHeatRow,
    kViscosityRow,
    kConductivityRow,
    kCondensateDensityRow,
    kCondensateSpecificHeatRow,
    kCondensateViscosityRow,
    kCondensateConductivityRow,
    kPropertyRows
};

// The placeholder of a row that does not apply: six blanks, a dash, a blank.
inline constexpr const char* kNotApplicable = "      ― ";
// What a correlation column shows in its four single-phase rows.
inline constexpr const char* kCorrelation = "correlation";

// The FORM7 fields of a column, in row order.
std::span<const char* const, kPropertyRows> propertyFields(PanelSide side);

// The default text of one row for a content under a unit code; nullptr
// where the row does not apply (or the content has no defaults).
const char* propertyDefault(PanelSide side, PanelContent content, int row, int unitCode);

// The row labels TEXT152-TEXT160 for a unit code: with a phase change all
// nine two-phase captions, otherwise the four single-phase captions and the
// latent and condensate labels emptied.
void labelPropertyRows(FormStore& forms, int unitCode, bool phaseChange);

// The fluid a column heading names.
enum class PanelHeading { Liquid, Gas, Water, Vapour };

// The column heading TEXT161 or TEXT162: the Japanese heading of the fluid
// for the Japanese codes, the English heading of the side otherwise.
void headPropertyColumn(FormStore& forms, PanelSide side, PanelHeading heading, int unitCode);

// Fills, enables and disables the nine fields of a column for a content.
void preparePropertyColumn(FormStore& forms, PanelSide side, PanelContent content, int unitCode);

// The latent and condensate rows of a column "      ― " and disabled.
void closeTwoPhaseRows(FormStore& forms, PanelSide side);

}  // namespace hx
