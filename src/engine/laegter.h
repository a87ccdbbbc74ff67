// The engine entry: analyses one batten for every case and fills the result record.
#pragma once

#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "engine/log.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"

namespace taglo
{

// BeregnLaegter: runs the 22 cases of the roof (3a; 5a, 5d, 5e, 5m, 5r, 5v; 6a, 6d, 6e,
// 6m, 6r, 6v; 8f; 9b, 9c, 9i, 9n, 9o, 9s, 9t, 9w), ranks them in the eleven categories
// and evaluates bending and nails into `resultater` (reset by the caller). Sets
// afledte.LegteEgenlast to 0. Writes log lines at the log's level with the regional
// settings' separators. Returns the case list and rankings, which live until the report
// is written.
[[nodiscard]] TBeregning BeregnLaegter(const TInddata& inddata, TAfledte& afledte, TResultater& resultater,
                                       TLogliste& log, const Regionalindstillinger& regional,
                                       Meddelelser& meddelelser);

} // namespace taglo
