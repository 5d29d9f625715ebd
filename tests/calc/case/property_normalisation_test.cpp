// Hand-entered properties from SI to engineering units. Expected values are
// computed by hand: kJ ÷ 4.186 (÷ 4.18 for a condensate), m2/s × 3600,
// W/mK ÷ 1.163, densities unchanged.
#include "calc/case/property_normalisation.h"

#include <gtest/gtest.h>

#include "console/scripted_console.h"
#include "core/option_codes.h"

namespace hx {
namespace {

TEST(PropertyNormalisation, ConversionFactors) {
    struct Row {
        float (*convert)(float);
        float in, expected, tol;
    };
    const Row rows[] = {
        {kilojouleToKcal, 4.186f, 1.0f, 0.0f},
        {kilojouleToKcal, 2260.0f, 539.89489f, 1e-3f},
        {condensateKilojouleToKcal, 4.18f, 1.0f, 0.0f},
        {condensateKilojouleToKcal, 4.215f, 1.0083732f, 1e-6f},
        {perSecondToPerHour, 2.77e-5f, 0.09972f, 1e-7f},
        {wattToKcalPerHour, 0.654f, 0.5623388f, 1e-6f},
        {wattToKcalPerHour, 1.163f, 1.0f, 0.0f},
    };
    for (const Row& r : rows) EXPECT_NEAR(r.convert(r.in), r.expected, r.tol) << r.in;
}

TEST(PropertyNormalisation, GroupsByMethodAndMode) {
    EXPECT_EQ(tubeGroup(2, 3), PropertyGroup::TubeVapourAndCondensate);
    EXPECT_EQ(tubeGroup(2, 1), PropertyGroup::TubeGas);
    EXPECT_EQ(tubeGroup(2, 4), PropertyGroup::TubeGas);
    EXPECT_EQ(tubeGroup(1, 4), PropertyGroup::TubeLiquid);
    EXPECT_EQ(tubeGroup(3, 1), PropertyGroup::None);
    EXPECT_EQ(tubeGroup(4, 2), PropertyGroup::None);
    EXPECT_EQ(shellGroup(1, 4), PropertyGroup::ShellVapourAndCondensate);
    EXPECT_EQ(shellGroup(2, 3), PropertyGroup::ShellFluid);
    EXPECT_EQ(shellGroup(3, 4), PropertyGroup::None);
}

DesignCase saturatedCase(int unitCode) {
    DesignCase dc;
    dc.unitCode = unitCode;
    dc.fluidMode = kTubePhaseChange;
    dc.tubeMethod = kGasByHand;
    dc.shellMethod = kLiquidByHand;
    dc.Ltv = 2260.0f, dc.Dt = 0.578f, dc.Ct = 4.186f, dc.Vt = 2.17e-5f, dc.Kt = 0.021f;
    dc.Dtlv = 958.4f, dc.Ctlv = 4.18f, dc.Vtl = 2.97e-7f, dc.Ktl = 0.67f;
    dc.Ds = 983.0f, dc.Cs = 4.186f, dc.Vs = 4.72e-7f, dc.KS = 0.654f;
    dc.Cslv = 4.18f;  // not a shell group in this mode: stays
    return dc;
}

TEST(PropertyNormalisation, SITubeVapourAndShellLiquid) {
    ScriptedConsole console;
    DesignCase dc = saturatedCase(kJapaneseSI);
    normaliseManualProperties(dc, console);
    EXPECT_NEAR(dc.Ltv, 539.89489f, 1e-3f);
    EXPECT_FLOAT_EQ(dc.Ct, 1.0f);
    EXPECT_FLOAT_EQ(dc.Ctlv, 1.0f);  // ÷ 4.18
    EXPECT_NEAR(dc.Vt, 0.07812f, 1e-7f);
    EXPECT_NEAR(dc.Vtl, 0.0010692f, 1e-9f);
    EXPECT_NEAR(dc.Ktl, 0.5760963f, 1e-6f);
    EXPECT_FLOAT_EQ(dc.Dt, 0.578f);
    EXPECT_FLOAT_EQ(dc.Dtlv, 958.4f);
    EXPECT_FLOAT_EQ(dc.Cs, 1.0f);
    EXPECT_NEAR(dc.Vs, 0.0016992f, 1e-9f);
    EXPECT_FLOAT_EQ(dc.Ds, 983.0f);
    EXPECT_FLOAT_EQ(dc.Cslv, 4.18f);
    EXPECT_FLOAT_EQ(dc.tubeCorrectionViscosity, dc.Vt);
    EXPECT_FLOAT_EQ(dc.shellBulkViscosity, dc.Vs);
    EXPECT_FLOAT_EQ(dc.shellWallViscosity, dc.Vs);
    EXPECT_FLOAT_EQ(dc.shellReferenceViscosity, dc.Vs);
    EXPECT_EQ(console.transcript().size(), 2u);  // one clear per side
}

TEST(PropertyNormalisation, EngineeringCodesPassUnchanged) {
    for (int code : {kEnglishEngineering, kJapaneseEngineering}) {
        ScriptedConsole console;
        DesignCase dc = saturatedCase(code);
        normaliseManualProperties(dc, console);
        EXPECT_FLOAT_EQ(dc.Ltv, 2260.0f);
        EXPECT_FLOAT_EQ(dc.Vs, 4.72e-7f);
        EXPECT_FLOAT_EQ(dc.shellWallViscosity, dc.Vs);
        // Code 2 only clears the window; code 4 does nothing.
        EXPECT_EQ(console.transcript().size(), code == kEnglishEngineering ? 2u : 0u);
    }
}

TEST(PropertyNormalisation, ShellCondensateAndWetGasFromItsDewPoint) {
    ScriptedConsole console;
    DesignCase dc;
    dc.unitCode = kEnglishSI;
    dc.fluidMode = kShellPhaseChange;
    dc.shellMethod = kGasByHand;
    dc.tubeMethod = kWaterCorrelation;
    dc.Lsv = 4.186f, dc.Cs = 2.093f, dc.Cslv = 4.18f, dc.Ksl = 1.163f, dc.Vt = 5.0f;
    normaliseManualProperties(dc, console);
    EXPECT_FLOAT_EQ(dc.Lsv, 1.0f);
    EXPECT_FLOAT_EQ(dc.Cs, 0.5f);
    EXPECT_FLOAT_EQ(dc.Cslv, 1.0f);
    EXPECT_FLOAT_EQ(dc.Ksl, 1.0f);
    EXPECT_FLOAT_EQ(dc.Vt, 5.0f);  // water by correlation: untouched
    EXPECT_FLOAT_EQ(dc.tubeCorrectionViscosity, 0.0f);

    DesignCase wet;
    wet.unitCode = kJapaneseSI;
    wet.fluidMode = kTubeWetGas;
    wet.tubeMethod = kGasCorrelation;
    wet.humidityBasis = kFromDewPoint;
    wet.shellMethod = kWaterCorrelation;
    wet.Ct = 1.005f, wet.Vt = 2.77e-5f, wet.Kt = 0.035f;
    normaliseManualProperties(wet, console);
    EXPECT_NEAR(wet.Ct, 0.2400860f, 1e-6f);
    EXPECT_NEAR(wet.Vt, 0.09972f, 1e-7f);
    EXPECT_NEAR(wet.Kt, 0.0300946f, 1e-6f);
    EXPECT_FLOAT_EQ(wet.tubeCorrectionViscosity, wet.Vt);
}

}  // namespace
}  // namespace hx
