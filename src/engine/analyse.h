// The analysis of one case: reactions and moments of the gable part and the normal
// section of the batten, the gable-wall adjustment, the stresses and the key values.
#pragma once

#include "engine/bjaelke.h"
#include "engine/koersel.h"
#include "engine/tilfaelde.h"

namespace taglo
{

// GavlGeometri: the gable part of this roof's batten (positions in m from its end at the
// gable; k = 0.5 when the battens are doubled in the gable section).
[[nodiscard]] TGavlGeometri GavlGeometri(const TKoersel& koersel);

// AnalyserTilfaelde: fills the reactions, moments, utilisations and key values of a case
// whose loads are set up (OpstilLaster), and writes its table of contributions to the
// log (header and closing lines from level 1, the rows from level 2; forces in N, moments
// in Nm, line loads in kN/m, each times kmod). The gable models are left out when the
// gable section has no meaning (see TGyldighed), so nothing is divided by a span of 0.
void AnalyserTilfaelde(TLasttilfaelde& tilfaelde, TKoersel& koersel);

} // namespace taglo
