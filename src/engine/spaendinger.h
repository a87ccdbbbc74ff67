// Bending stresses and utilisations of the batten (EN 1995-1-1, 6.1.6 with the size
// factor of 3.2 and 3.3), the exemption of sections covered by "lægtetabel 2005", and the
// bending verdicts of a run.
#pragma once

#include "core/inddata.h"
#include "engine/koersel.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"

#include <array>

namespace taglo
{

// Required section modulus of "lægtetabel 2005", mm3, by table index; index 5 is never
// covered.
inline constexpr std::array<double, 6> kLaegtetabel2005{10900.0, 14950.0, 19880.0,
                                                        21000.0, 29380.0, 1'000'000'000.0};

// The limit of a utilisation: 1.005 or more fails.
inline constexpr double kUdnyttelsesgraense = 1.005;

// BeregnSpaendinger: the utilisations UB1, UB2, UC, UF, UG, UH of the case (fractions, on
// the scale of the loads divided by kmod) from its moments, with biaxial interaction
// max(sxx + 0.7 szz, 0.7 sxx + szz) / (f_m,k / gamma_M). Writes the stress lines of the
// detailed log. When the batten section has no meaning (see TGyldighed) the utilisations
// stay 0 and nothing is divided.
void BeregnSpaendinger(TLasttilfaelde& tilfaelde, const TKoersel& koersel);

// DaekketAfTabel2005: whether a section of span `spaend` (m; positive: the normal rafter
// spacing; negative or zero: minus the gable rafter spacing) is covered by
// "lægtetabel 2005": its equivalent section modulus for a 35 degree load direction
// exceeds the table's value for its span, batten spacing (halved in a doubled gable
// section) and roof weight. Stores the answer in NormalfagTabel2005 for a positive span,
// else in GavlfagTabel2005.
void DaekketAfTabel2005(double spaend, const TInddata& inddata, const TAfledte& afledte,
                        TResultater& resultater);

// EvaluerBoejning: the bending part of the evaluation. Reads the heads of rankings 0 to 4
// into the governing utilisations and their texts and decides NormalfagOK, GavlfagOK and
// GavludkragningOK (1.005 or more fails; the table exemption holds for the two sections,
// not for the overhang). A section without meaning, or a utilisation that is not a finite
// number, is not OK; such a utilisation is stored as 0.
void EvaluerBoejning(const TBeregning& beregning, const TKoersel& koersel, TResultater& resultater);

} // namespace taglo
