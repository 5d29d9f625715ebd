#include "calc/case/shell_bundle.h"

#include <string_view>

#include "calc/case/calculation_basis.h"
#include "calc/case/tema_clearances.h"
#include "calc/case/tube_count.h"
#include "core/option_codes.h"
#include "core/run_ended.h"
#include "core/units.h"
#include "correlations/common/geometry.h"

namespace hx {

namespace {

constexpr std::string_view kOutsideShellEnglish =
    " The outer tube limit must lie inside the shell: Dotl < DS, and above the tube OD";
constexpr std::string_view kOutsideShellJapanese =
    " 管束外径(OTL)はシェル内径より小さく、管外径より大きくしてください。";
constexpr std::string_view kSpacingsEnglish =
    " The inlet and outlet baffle spacings leave no central baffle space in the tube length";
constexpr std::string_view kSpacingsJapanese =
    " 入口・出口バッフル間隔が管長さに対し大きすぎます。";
constexpr std::string_view kCountEnglish =
    " Tube count from the layout: enter the shell inside diameter or the outer tube limit,"
    " a layout of 30, 45, 60 or 90 deg and 1, 2, 4, 6 or 8 passes";
constexpr std::string_view kCountJapanese =
    " 管本数を配列から求めるには、シェル内径又は管束外径、配列角度(30,45,60,90°)、"
    "パス数(1,2,4,6,8)を入力してください。";

[[noreturn]] void endWith(TextConsole& console, int unitCode, std::string_view english,
                          std::string_view japanese) {
    endRun(console, isJapanese(unitCode) ? japanese : english);
}

// A FORM8 entry in mm, or nothing where it is blank (0).
float enteredMetres(float mm) { return mm > 0.0f ? mm * units::kMetresPerMm : 0.0f; }

HeadType headOf(const DesignCase& dc) {
    return isHeadType(dc.headType) ? static_cast<HeadType>(dc.headType) : HeadType::FixedOrUTube;
}

bool specifiedOnForm(const DesignCase& dc) { return onTextbookBasis(dc) && dc.bellMethod; }

// The shell diameter and the outer tube limit, from the entries where
// given: DS, then the limit from DS less the clearance (entered, or the
// head type's), else the bundle rule the shell was drawn around.
void shellAndLimit(const DesignCase& dc, ShellBundle& b, float P, float doubleTubeDS) {
    const bool entries = specifiedOnForm(dc);
    const float DS = entries ? enteredMetres(dc.enteredDS) : 0.0f;
    const float Dotl = entries ? enteredMetres(dc.enteredDotl) : 0.0f;
    const float Lbb = entries ? enteredMetres(dc.enteredLbb) : 0.0f;
    b.shellDiameterEntered = DS > 0.0f;
    if (!dc.bellMethod)
        b.DS = doubleTubeDS;
    else if (b.shellDiameterEntered)
        b.DS = DS;
    else if (Dotl > 0.0f && Lbb > 0.0f)
        b.DS = Dotl + Lbb;
    else
        b.DS = shellDiameter(b.ND, P);
    if (Dotl > 0.0f)
        b.Dotl = Dotl;
    else if (Lbb > 0.0f)
        b.Dotl = b.DS - Lbb;
    else if (b.shellDiameterEntered)
        b.Dotl = b.DS - bundleToShellClearance(b.DS, headOf(dc));
    else
        b.Dotl = (b.ND - 1.0f) * P + dc.D0;
    b.Lbb = b.DS - b.Dotl;
}

}  // namespace

ShellBundle shellBundle(const DesignCase& dc, float P, float doubleTubeDS, TextConsole& console) {
    ShellBundle b;
    const bool entries = specifiedOnForm(dc);
    b.NT = dc.NT;
    b.ND = tubesOnCentreLine(dc.NT);
    b.D0 = dc.D0;
    b.P = P;
    b.PN = dc.PN;
    b.layoutDeg = dc.tubeLayout;
    b.sealingStrips = dc.sealingStrips;
    shellAndLimit(dc, b, P, doubleTubeDS);
    if (entries && !(b.Dotl < b.DS && b.Dotl > dc.D0))
        endWith(console, dc.unitCode, kOutsideShellEnglish, kOutsideShellJapanese);

    // The gaps: entered diametral clearances, else the standards' for an
    // entered shell, else the main form's gaps.
    const float Lsb = entries ? enteredMetres(dc.enteredLsb) : 0.0f;
    const float Ltb = entries ? enteredMetres(dc.enteredLtb) : 0.0f;
    if (Lsb > 0.0f)
        b.shellBaffleGap = Lsb / 2.0f;
    else if (b.shellDiameterEntered)
        b.shellBaffleGap = temaBaffleToShellClearance(b.DS) / 2.0f;
    else
        b.shellBaffleGap = dc.shellBaffleGap;
    if (Ltb > 0.0f)
        b.baffleHoleGap = Ltb / 2.0f;
    else if (b.shellDiameterEntered)
        b.baffleHoleGap = temaTubeToHoleClearance(dc.D0, dc.B) / 2.0f;
    else
        b.baffleHoleGap = dc.baffleHoleGap;

    b.B = dc.B;
    const float Bin = entries ? enteredMetres(dc.enteredBin) : 0.0f;
    const float Bout = entries ? enteredMetres(dc.enteredBout) : 0.0f;
    b.Bin = Bin > 0.0f ? Bin : dc.B;
    b.Bout = Bout > 0.0f ? Bout : dc.B;
    // A given length must hold the end spaces and at least one central space.
    if (entries && dc.lengthGiven && (Bin > 0.0f || Bout > 0.0f) && b.Bin + b.Bout + b.B > dc.TL)
        endWith(console, dc.unitCode, kSpacingsEnglish, kSpacingsJapanese);
    return b;
}

float tubeCountOf(const DesignCase& dc, float P, TextConsole& console) {
    if (!specifiedOnForm(dc) || dc.tubeCountFromLayout != 2) return dc.NT;
    TubeCountInput in;
    const float DS = enteredMetres(dc.enteredDS);
    const float Dotl = enteredMetres(dc.enteredDotl);
    const float Lbb = enteredMetres(dc.enteredLbb);
    if (Dotl > 0.0f)
        in.Dotl = Dotl;
    else if (DS > 0.0f)
        in.Dotl = DS - (Lbb > 0.0f ? Lbb : bundleToShellClearance(DS, headOf(dc)));
    in.D0 = dc.D0;
    in.pitch = P;
    in.layoutDeg = dc.tubeLayout;
    in.passes = static_cast<int>(dc.PN);
    const int n = countTubes(in);
    if (n < 1 || static_cast<float>(in.passes) != dc.PN)
        endWith(console, dc.unitCode, kCountEnglish, kCountJapanese);
    return static_cast<float>(n);
}

}  // namespace hx
