#include "calc/wet_gas/wet_gas_balance.h"

#include <cmath>

#include "console/number_picture.h"
#include "core/units.h"
#include "props/humid_gas.h"
#include "props/saturation_pressure.h"

namespace hx {

namespace {

constexpr float kLoosenFactor = 1.003f;  // widening per retry at the loop limit

struct GasBasis {
    float Cpg = 0.0f;      // dry gas specific heat, kcal/kg℃
    float density = 0.0f;  // density of the normal flow, kg/Nm3
    float P = 0.0f;        // total pressure of the humidities, kgf/cm2
};

GasBasis gasBasis(const WetGasBalanceInputs& in) {
    if (in.pressureBasis) return {in.manualCp, in.manualDensity, in.Pt};
    return {dryGasSpecificHeat(in.xCO2, in.xN2, in.xO2), in.Density, units::kAtmKgfCm2};
}

float enthalpy(const WetGasBalanceInputs& in, float Cpg, float t, float X) {
    return in.pressureBasis ? humidEnthalpyUnderPressure(Cpg, t, X) : humidEnthalpy(Cpg, t, X);
}

// Logarithmic mean of the two end differences of the gas step; their
// arithmetic mean where the logarithm has no value (equal or crossed ends).
float gasStepMeanDifference(float Tzi, float TZo, float Tsi, float Tso) {
    const float d1 = Tzi - Tso;
    const float d2 = TZo - Tsi;
    const float m = (d1 - d2) / std::log(std::fabs(d1 / d2));
    return std::isfinite(m) ? m : (d1 + d2) / 2.0f;
}

// Steps a to h of one pass at the current gas outlet TZo.
void gasOutletState(const WetGasBalanceInputs& in, const GasBasis& b, float Hi,
                    WetGasBalanceResult& r) {
    r.Po = saturationPressure(r.TZo);
    r.GN = in.gasFlow / b.density;
    r.Xo = humidityFromPartialPressure(r.Po, b.P, in.MAW);
    r.Ho = enthalpy(in, b.Cpg, r.TZo, r.Xo);
    // Humidities and enthalpies are per kg of dry gas: the dry-gas flow carries them.
    const float G = r.GN * b.density;
    const float Gda = G / (1.0f + in.Xi);
    r.Gda = Gda;
    r.Wti = Gda * in.Xi;
    r.Wcon = Gda * (in.Xi - r.Xo);
    r.Wto = r.Wti - r.Wcon;
    r.GWo = G - r.Wcon;
    r.QG = std::fabs(Hi - r.Ho) * Gda;
    r.dTm = gasStepMeanDifference(in.Tzi, r.TZo, in.Tsi, r.Tso);
    r.QKE = in.KI * in.area * r.dTm;
    r.QK = in.Cs * in.shellVolumeFlow * in.Ds * std::fabs(r.Tso - in.Tsi);
}

bool allFinite(const WetGasBalanceResult& r) {
    for (float v : {r.TZo, r.Tso, r.Xo, r.Ho, r.Wcon, r.QG, r.QK, r.GN})
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

bool wetGasOneShellPass(float PN) {
    const int passes = static_cast<int>(PN);
    return static_cast<float>(passes) == PN &&
           (passes == 2 || passes == 4 || passes == 6 || passes == 8);
}

float wetGasEffectiveness(float NTU, float R, float PN) {
    float eps = 0.0f;
    if (wetGasOneShellPass(PN)) {
        const float root = std::sqrt(1.0f + R * R);
        const float e = std::exp(-NTU * root);
        eps = 2.0f / (1.0f + R + root * (1.0f + e) / (1.0f - e));
    } else {
        const float e = std::exp(-NTU * (1.0f - R));
        eps = (1.0f - e) / (1.0f - R * e);
    }
    return eps >= 1.0f ? 0.9999f : eps;
}

float gasOutletStep(float q, float QG, float lower, float upper) {
    const float L = std::log(QG * QG) / 2.3f;
    if (q > 1.3f) return 0.1f * q;
    if (q > 1.2f) return 0.05f * q;
    if (q > 1.1f) return 0.01f * q;
    if (q > 1.05f) return 0.005f * L;
    if (q > 1.01f) return 0.001f * L;
    if (q > 1.005f) return 0.0005f * L;
    if (q > upper) return 0.0001f * L;
    if (q < 0.9f) return -0.1f;
    if (q < 0.95f) return -0.05f;
    if (q < 0.97f) return -0.001f * L;
    if (q < 0.98f) return -0.0005f * L;
    if (q < lower) return -0.0001f * L;
    return 0.0f;
}

WetGasBalanceResult WetGasBalance(const WetGasBalanceInputs& in, WetGasLoop& loop, float& widening,
                                  const WetGasBalanceHooks& hooks) {
    const GasBasis b = gasBasis(in);
    WetGasBalanceResult r;
    r.Cpg = b.Cpg;
    r.P = b.P;
    r.Hi = enthalpy(in, b.Cpg, in.Tzi, in.Xi);
    // The condensing gas behaves as a stream of larger capacity.
    const float Cg = in.gasRate * in.ratio;
    const float Cshell = in.shellRate;
    const float Cmin = std::fmin(Cg, Cshell);
    float R = Cmin / std::fmax(Cg, Cshell);
    if (R >= 1.0f) R = 0.9999f;
    r.Cmin = Cmin;
    r.R = R;
    r.eps = wetGasEffectiveness(in.KI * in.area / Cmin, R, in.PN);
    r.Tso = in.Tsi + r.eps * (Cmin / Cshell) * (in.Tzi - in.Tsi);
    r.TZo = in.Tzi - r.eps * (Cmin / Cg) * (in.Tzi - in.Tsi);
    r.QKK = r.eps * Cmin * std::fabs(in.Tzi - in.Tsi);
    for (;;) {
        gasOutletState(in, b, r.Hi, r);
        if (!allFinite(r)) hooks.failed();
        ++loop.n5;
        if (loop.n5 == kWetGasLoopLimit) {
            hooks.atLimit();
            loop.n5 = 0;
            widening *= kLoosenFactor;
            loop.lower /= widening;
            loop.upper *= widening;
        }
        hooks.loopCount(loop.n5);
        const float q = r.QG / r.QK;
        const float step = gasOutletStep(q, r.QG, loop.lower, loop.upper);
        if (!std::isfinite(step)) hooks.failed();
        if (step == 0.0f) {
            loop.n5 = 0;
            return r;
        }
        hooks.box({r.QG, r.QK, q, in.previousGasOutlet, r.TZo, in.Xt, in.hix});
        r.TZo += step;
    }
}

void showWetGasProgressBox(TextConsole& c, const WetGasProgressBox& b) {
    constexpr int kColumn = 32;
    const auto at = [&](int row, const std::string& text) {
        c.locate(row, kColumn);
        c.print(text);
    };
    at(5, "        STILL WORKING   !");
    at(6, "  ━━━━━━━━━━━━━━━");
    at(7, "  Exch. as heat QG=" + freeNumber(b.QG));
    at(8, "                QK=" + freeNumber(b.QK));
    at(9, formatUsing("             QG/QK=##.###", {b.q}));
    at(10, "  ------------------------------");
    at(11, "  Outlet temp. Tx =" + freeNumber(b.previousGasOutlet));
    at(12, "             　To =" + freeNumber(b.TZo));
    at(13, "  ------------------------------");
    at(14, formatUsing("  Heat tr.coeff. hi =###.#", {b.Xt}));
    at(15, formatUsing("                 hix=###.#", {b.hix}));
    at(16, "  ━━━━━━━━━━━━━━━");
}

void showWetGasLoopCount(TextConsole& c, int n5) {
    c.locate(11, 0);
    c.printUsing(" │ Calc. Limit 5(####/2000) │", {static_cast<float>(n5)});
}

}  // namespace hx
