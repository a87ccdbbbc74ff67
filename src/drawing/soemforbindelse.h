// The nail connection figure: a section through the connection of one batten to a rafter
// with the nails to scale, their contributing parts and capacities, the verdicts and a
// legend.
#pragma once

#include "core/inddata.h"
#include "core/regional.h"
#include "drawing/tegning.h"
#include "engine/resultater.h"

namespace taglo
{

// Which side of a nail its labels stand on.
enum class TSoemSide
{
    Venstre, // labels end left of the nail's axis
    Hoejre,  // labels start right of it
};

// TegnSoemforbindelse: the figure of the result's nail design in millimetres, x horizontal
// with the batten centred at x = 0 (direct nailing) or x = 30 (indirect), y upwards from the
// top of the batten. Reads the batten, spacer and underlay sizes and the chosen nail from
// `inddata` and the verdicts, nail counts and capacity records from `resultater`. Without any
// capacity record it shows the bands, header, verdicts and legend only. Numbers are written
// with `regional`.
[[nodiscard]] TTegning TegnSoemforbindelse(const TInddata& inddata, const TResultater& resultater,
                                           const Regionalindstillinger& regional);

// TegnLegtesnit: the batten cut across, centred on x: a timber-coloured rectangle with a
// 3-pixel black outline from the top (y = 0) down by LegteHojde, and its two diagonals.
void TegnLegtesnit(TTegning& tegning, const TInddata& inddata, double x);

// TegnSoem: the nail `soem` to scale with the top of its head at (X0, Y0): white smooth
// shank, grey profiled part (none on a smooth nail), green head and green anchoring intervals
// of `kapacitet`, and its head-side and withdrawal capacities in newtons as labels on `side`,
// 10 mm from the axis; the head-side label stands `hovedAfstand` mm from the axis (at least
// 10), clear of a batten section the head rests on. Adds three text groups of its own (green
// and red by the side, green centred), hanging below their anchors.
void TegnSoem(TTegning& tegning, const TNailData& soem, const TSoemKapacitet& kapacitet, double X0,
              double Y0, TSoemSide side, double hovedAfstand,
              const Regionalindstillinger& regional);

} // namespace taglo
