// The clearances of a baffled bundle that the standards give by shell
// diameter, for an exchanger whose shell inside diameter is entered and
// whose clearances are left blank. Diametral clearances, m.
#pragma once

namespace hx {

// The bundle's head: what must pass through the shell decides how far the
// outer tube limit stays inside it.
enum class HeadType {
    FixedOrUTube = 1,  // fixed tube sheets or U-tubes
    SplitRing = 2,     // floating head with a split backing ring
    PullThrough = 3,   // pull-through floating head
};

bool isHeadType(int code);

// Shell ID minus baffle OD by the nominal shell diameter (the inside
// diameter to the nearest inch), TEMA Table RCB-4.3: 6–17 in 1/8 in,
// 18–39 in 3/16 in, 40–54 in 1/4 in, 55–69 in 5/16 in, 70–84 in 3/8 in,
// 85–100 in 7/16 in (the largest row beyond).
float temaBaffleToShellClearance(float DS);

// Baffle hole over the tube OD, TEMA RCB-4.2: 1/32 in (0.8 mm) where the
// longest unsupported tube span is 36 in (914 mm) or less or the tube is
// larger than 1 1/4 in OD, 1/64 in (0.4 mm) otherwise. With segmental
// baffles the tubes in the windows are held by every other baffle, so the
// span is twice the baffle spacing.
float temaTubeToHoleClearance(float D0, float baffleSpacing);

// Shell ID minus outer tube limit by shell ID and head type, the minimum
// bundle-to-shell clearances of Ray and Das, Process Equipment and Plant
// Design (Elsevier 2020), Table 4.11 (fixed tube sheet or U-tube and
// split-ring floating head; a pull-through floating head adds 100 mm to
// the split ring).
float bundleToShellClearance(float DS, HeadType head);

}  // namespace hx
