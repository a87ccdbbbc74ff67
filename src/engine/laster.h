// The design loads on one batten for one pair of load combination and wind case:
// permanent load, snow and point load per case, and the wind line loads per roof zone.
// Every load is the design value divided by the case's kmod.
#pragma once

#include "engine/koersel.h"
#include "engine/tilfaelde.h"

namespace taglo
{

// OpstilLaster: fills Lastkomb, Vindtilf, kmod and the loads of a fresh case record for
// combination `lastkomb` and wind case `vindtilf`, zeroes its results, and writes the
// case's first log block (level 1 and up). The run's derived values carry no weight of
// the battens (BeregnLaegter sets it to 0), so it is part of no load.
//   FzzEgen, FyyEgen, FzzSne, FyySne: kN/m; FzzPkt, FyyPkt: kN; Pd: kN, times kmod.
void OpstilLaster(TLasttilfaelde& tilfaelde, int lastkomb, char vindtilf, TKoersel& koersel);

// VindzonerFor: the zones of the direction of wind case `vindtilf` where they meet the
// design batten: each zone's rectangle and its width on the batten's strip, and the roof
// zone of the normal section (at the second normal rafter on the batten's centre line,
// the last match in the order F..K, 'H' when none). Computed on the first call of the run
// for the direction and kept in `koersel`.
[[nodiscard]] const TVindretning& VindzonerFor(char vindtilf, TKoersel& koersel);

// VindkoefficienterFor: the pressure coefficients of wind case `vindtilf` for the zones
// that cover part of the batten's strip, for the roof zone of the normal section and for
// the inside N. Computed on the first call of the run for the case, kept in `koersel`.
[[nodiscard]] const TVindkoefficienter& VindkoefficienterFor(char vindtilf, TKoersel& koersel);

// VindFaktor: the wind load factor of the case's combination divided by its kmod.
[[nodiscard]] double VindFaktor(const TLasttilfaelde& tilfaelde, const TKoersel& koersel);

// The wind of one zone on the gable part of the batten.
struct TVindLinielast
{
    double Fzz = 0.0;    // kN/m / kmod, + outward
    double ystart = 0.0; // m, start of the loaded interval along the batten
    double yslut = 0.0;  // m, its end, cut at the first normal rafter D
    double cv = 0.0;     // pressure coefficient; for roof zones F..K + means downward
    double q = 0.0;      // kN/m2 / kmod, design velocity pressure
    double bredde = 0.0; // m, the part of the batten's strip that the zone covers
};

// VindLinielast: the zone's design line load on the batten (zone 'B'..'N') in the case's
// wind case: factor LastFaktor09('B') / kmod times the peak velocity pressure (QpKipN for
// the inside N, QpKip otherwise) times the coefficient (reversed for the roof zones F..K,
// so pressure on the roof acts downward) times the strip width inside the zone.
[[nodiscard]] TVindLinielast VindLinielast(const TLasttilfaelde& tilfaelde, char omraade,
                                           TKoersel& koersel);

// The same with the wind factor `w` = VindFaktor of the case already at hand.
[[nodiscard]] TVindLinielast VindLinielast(const TLasttilfaelde& tilfaelde, char omraade, double w,
                                           TKoersel& koersel);

// The wind on the normal section of the batten.
struct TVindNormalfag
{
    char Omraade = 'H'; // roof zone at the second normal rafter
    double cvO = 0.0;   // upper-side coefficient, + downward
    double FO = 0.0;    // kN/m / kmod, upper-side line load, + outward
    double cvU = 0.0;   // underside coefficient of the inside N
    double FU = 0.0;    // kN/m / kmod, underside line load, + outward
};

// VindNormalfag: the roof zone F..K that holds the point at the second normal rafter G
// and the batten's centre line (the last match in the order F..K; 'H' when none), and
// the upper-side and underside line loads of the normal section.
[[nodiscard]] TVindNormalfag VindNormalfag(const TLasttilfaelde& tilfaelde, TKoersel& koersel);

// The same with the wind factor `w` = VindFaktor of the case already at hand.
[[nodiscard]] TVindNormalfag VindNormalfag(const TLasttilfaelde& tilfaelde, double w,
                                           TKoersel& koersel);

} // namespace taglo
