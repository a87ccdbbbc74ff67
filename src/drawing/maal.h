// Engineering dimension lines: a line between two extension ticks, arrowheads at its ends,
// a caption above and the measured value below.
#pragma once

#include "core/regional.h"
#include "drawing/tegning.h"

#include <string_view>

namespace taglo
{

// Every dimension is black, solid, 1 pixel wide and unfilled; its texts are vertically
// centred on their anchors. D is the size unit in world units: the half-length of each tick
// and the offset of the texts from the line. The value is the measured length written with
// "%*.*f" at width 2 and `decimaler` decimals and the regional decimal separator; the caption
// is drawn unchanged. The arrowheads are markers and keep their size in pixels.

// MaalVandret: horizontal dimension from x = A to x = B at height Y0 (either order), with
// arrowheads inside at both ends. Text mode 0 writes the caption and the value starting at
// A + D/2, 1 centred on the middle, 2 ending at B - D/2; any other mode writes no texts.
void MaalVandret(TTegning& tegning, int tekstmode, double A, double B, double Y0, double D,
                 int decimaler, std::string_view tekst, const Regionalindstillinger& regional);

// MaalVandretVenstre: a short horizontal distance at the left edge of a figure: an arrowhead
// coming from the left onto the left end (with a tick and a leader of length 2D) and a plus
// sign at the right end; caption and value end just left of the tick.
void MaalVandretVenstre(TTegning& tegning, int decimaler, double A, double B, double Y0, double D,
                        std::string_view tekst, const Regionalindstillinger& regional);

// MaalVandretHoejre: the mirror image: an arrowhead coming from the right onto the right end
// and a plus sign at the left end; caption and value start just right of the tick.
void MaalVandretHoejre(TTegning& tegning, int decimaler, double A, double B, double Y0, double D,
                       std::string_view tekst, const Regionalindstillinger& regional);

// MaalLodret: vertical dimension from y = A to y = B at x = X0 (either order), arrowheads
// inside at both ends; the texts stand at the middle height, placed by the text mode as for
// MaalVandret (0 starting at X0 + D/2, 1 centred on X0, 2 ending at X0 - D/2).
void MaalLodret(TTegning& tegning, int tekstmode, double A, double B, double X0, double D,
                int decimaler, std::string_view tekst, const Regionalindstillinger& regional);

} // namespace taglo
