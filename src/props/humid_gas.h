// Humid gas: water vapour in a dry gas. Absolute humidity X in kg of water
// per kg of dry gas, pressures in kgf/cm2 absolute (1 atm = 1.033),
// temperatures ℃, enthalpy kcal per kg of dry gas. MAW is the molar mass of
// water over that of the dry gas (0.622 for air).
#pragma once

namespace hx {

// Partial pressure of the vapour from the absolute humidity: X·P/(MAW + X).
float partialPressureFromHumidity(float X, float P, float MAW);

// Absolute humidity from the partial pressure p at total pressure P:
// MAW·p/(P − p).
float humidityFromPartialPressure(float p, float P, float MAW);

// Mole fraction of the vapour from the absolute humidity: X/(X + MAW).
float moleFractionFromHumidity(float X, float MAW);

// Absolute humidity from the mole fraction: MAW·x/(1 − x).
float humidityFromMoleFraction(float x, float MAW);

// Specific heat of the dry gas, kcal/(kg·℃), from its mole fractions: the
// volumetric heats 0.3907 (CO2), 0.311 (N2), 0.313 (O2) kcal/(Nm3·℃) over
// the normal densities 1.963, 1.25, 1.429 kg/Nm3.
float dryGasSpecificHeat(float xCO2, float xN2, float xO2);

// Enthalpy of a humid gas at 1 atm: Cpg·t + (597.3 + 0.441·t)·X, the latent
// heat 597.3 kcal/kg at 0 ℃ and 0.441 kcal/(kg·℃) for the vapour.
float humidEnthalpy(float Cpg, float t, float X);

// Enthalpy of a humid gas under pressure: the latent heat hv and the vapour
// heat cv fitted in s = (t − 7)/20 + 1: cv = 0.0002·s³ − 7e-05·s² +
// 0.0023·s + 0.4415, hv = −0.1763·s² + 9.467·s + 591.12; Cpg·t + (hv + cv·t)·X.
float humidEnthalpyUnderPressure(float Cpg, float t, float X);

}  // namespace hx
