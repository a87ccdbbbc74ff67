// The engine entry: analyses one batten for every case and fills the result record.
#pragma once

#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "engine/koersel.h"
#include "engine/log.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"

namespace taglo
{

// What one engine run gives.
struct TLaegteberegning
{
    TResultater Resultatdata; // the verdicts, governing values and nail capacities
    TBeregning Beregning;     // the cases and rankings, which live until the report is written
    TAfledte Afledte;         // the derived values as the run used them: the battens' own
                              // weight set to 0, so it is part of no load
};

// BeregnLaegter: runs the 22 cases of the roof (3a; 5a, 5d, 5e, 5m, 5r, 5v; 6a, 6d, 6e,
// 6m, 6r, 6v; 8f; 9b, 9c, 9i, 9n, 9o, 9s, 9t, 9w), ranks them in the eleven categories
// and evaluates bending and nails into a fresh result record. Writes log lines at the
// log's level with the regional settings' separators.
//
// Messages of the load functions go to `meddelelser`, each distinct text once per run.
// Inputs that give a part of the roof no meaning (see TGyldighed: a batten, span or
// spacing of 0 or less, a house without width, length or height, numbers that are not
// finite) never crash the run: that part's verdicts are "not OK", and every number of
// `resultater` stays finite (0 where there is nothing to state).
[[nodiscard]] TLaegteberegning BeregnLaegter(const TInddata& inddata, const TAfledte& afledte,
                                             TLogliste& log, const Regionalindstillinger& regional,
                                             Meddelelser& meddelelser);

// TilfaeldeGaelder: whether the pair of load combination and wind case (or point-load
// position) is analysed: 3a; 5 and 6 with a, d, e, m, r, v (pressure on a roof slope);
// 8f (the point load); 9 with b, c, i, n, o, s, t, w (suction on a roof slope).
[[nodiscard]] bool TilfaeldeGaelder(int lastkomb, char vindtilf);

// BeregnTilfaelde: appends a new case for the pair to the case list, sets up its loads
// and analyses it.
void BeregnTilfaelde(TBeregning& beregning, int lastkomb, char vindtilf, TKoersel& koersel);

// EvaluerResultater: the final evaluation of a run whose rankings are built: first the
// bending verdicts, then the nails.
void EvaluerResultater(const TBeregning& beregning, const TKoersel& koersel,
                       TResultater& resultater);

} // namespace taglo
