// The cross-section check figure: ground, house, rafter band, every batten at its real
// spacing, a 1.8 m man for scale, and the main measures of the building.
#pragma once

#include "core/inddata.h"
#include "core/regional.h"
#include "drawing/tegning.h"
#include "loads/afledte.h"

namespace taglo
{

// The most battens drawn on one slope. Far more than any real roof has (a 100 m wide roof
// at 0.1 m spacing has 500 per slope) and more than a slope has pixels on any screen, so
// the cap only bounds the work for a spacing that is absurdly small for the roof.
inline constexpr int kFlestLegterPrFlade = 1000;

// TegnTversnit: the cross-section of the building in metres, x across the building from
// the left eaves edge (x = 0) to the right one (x = TotalBr), y up from the ground. Reads
// no calculation result, so it can be drawn before any calculation. Battens are drawn from
// 0.1 m beside the ridge outwards at the spacing along the slope, none within 0.1 m of an
// eaves edge; a spacing that gives no positive finite horizontal step draws no battens, and
// at most kFlestLegterPrFlade are drawn per slope. Dimension values use `regional`.
[[nodiscard]] TTegning TegnTversnit(const TInddata& inddata, const TAfledte& afledte,
                                    const Regionalindstillinger& regional);

// TagHojde: height in m of the roof surface (the top of the battens) at the horizontal
// position x; 0 outside the roof (x < 0 or x > TotalBr).
[[nodiscard]] double TagHojde(const TAfledte& afledte, double x);

// TegnLegteprofil: one batten as a filled timber-coloured rectangle tilted with the slope,
// LegteBredde wide and LegteHojde deep, with the middle of its upper face at (x, y); left of
// the middle of the roof it follows the left slope, from the middle on the right slope.
void TegnLegteprofil(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte, double x,
                     double y);

// The underside of the ground band the figures stand on, in m.
inline constexpr double kJordBund = -0.1;

// TegnMand: a 1.8 m tall blue man standing on the ground (y = 0) with his centre line at
// x = c, the caption "Manden er 1,8 m høj." hanging half a unit h below `under`, the lowest
// height the figure reaches beside him (the underside of the ground, or what comes down
// past it), and an invisible anchor three units below the ground that keeps the caption
// inside the view.
void TegnMand(TTegning& tegning, double c, double h, double under);

} // namespace taglo
