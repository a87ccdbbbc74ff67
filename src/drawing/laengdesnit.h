// The longitudinal-section check figure: the rafter positions at the gable end of the roof.
#pragma once

#include "core/inddata.h"
#include "core/regional.h"
#include "drawing/tegning.h"
#include "loads/afledte.h"

namespace taglo
{

// An inset of the gable rafter greater than this (m) leaves the gable triangle standing
// free of the rafter; it is then drawn on its own and labelled "Uforankret gavltrekant".
inline constexpr double kFriGavltrekant = 0.105;

// TegnLengdesnit: a piece of the roof along the house in metres, x from the end of the gable
// overhang (x = 0) to half-way between the second and a third normal rafter, y up from the
// ground: facade wall and ground, the free gable triangle, the gable rafter and two normal
// rafters, two battens seen from the side, the section line, the 1.8 m man, the rafter
// spacings and overhangs, and labelled leaders to the rafters. Reads no calculation result.
// Dimension values use `regional`.
[[nodiscard]] TTegning TegnLengdesnit(const TInddata& inddata, const TAfledte& afledte,
                                      const Regionalindstillinger& regional);

// TegnSpaer: one rafter 44 mm wide seen from the side at x, from its underside at the eaves
// to the underside of the battens at the ridge, with a line across it where its top meets
// the eaves.
void TegnSpaer(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte, double x);

// TegnLegteSide: one batten seen from the side, running from x = 0 to x = L, its lower edge
// at height y0: the vertical projection of its tilted section with a line between its two
// visible faces.
void TegnLegteSide(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte, double L,
                   double y0);

// TegnSnitlinje: the dash-dot section line at x = L, from 5 % of the ridge height below the
// ground to 5 % above the ridge.
void TegnSnitlinje(TTegning& tegning, const TAfledte& afledte, double L);

// TegnSpaerHenvisninger: leaders from the rafters (and the free gable triangle) to their
// labels right of the piece, stacked downwards by 2u below the facade top.
void TegnSpaerHenvisninger(TTegning& tegning, const TInddata& inddata, const TAfledte& afledte,
                           double u);

// TegnRombe: a filled black diamond, 0.03 m from its centre (x, y) to each corner.
void TegnRombe(TTegning& tegning, double x, double y);

} // namespace taglo
