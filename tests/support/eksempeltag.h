// The example roof that the tests' hand calculations are worked on and the benchmarks time.
#pragma once

#include "core/inddata.h"

namespace taglo::test
{

// A 10 x 20 m house, facade height 3 m, 30 degree roof, battens 38 x 73 mm of C18 at
// 0.40 m on rafters at 0.80 m, doubled in the gable section (gable overhang 0.5 m, inset
// 0.3 m, gable rafter spacing 0.6 m), roofing 10 kg/m2, elevated snow form factor 2.0,
// terrain IV far from the North Sea, 10 m2 coefficients, CC2, the 4.5 x 110 mm batten
// nail through a 25 mm spacer (direct fastening).
inline TInddata Eksempeltag()
{
    TInddata ind;
    ind.HusBr = 10.0;
    ind.FacHjd = 3.0;
    ind.TagVink = 30.0;
    ind.LegteAfst = 0.4;
    ind.DublLegter = true;
    ind.FacUdh = 0.4;
    ind.HusLn = 20.0;
    ind.NormalSpaerAfst = 0.8;
    ind.GavlspaerAfst = 0.6;
    ind.GavlspaerIndrykn = 0.3;
    ind.GavlUdh = 0.5;
    ind.LegteHojde = 38.0;
    ind.LegteBredde = 73.0;
    VaelgSoem(ind, 5);
    ind.AlisteTykkelse = 25.0;
    ind.UtagTykkelse = 0.0;
    ind.TagTyng = 0.1;
    ind.TerrKat = 3;
    ind.AfstVesterhav = 25.0;
    ind.CvAreal = true;
    ind.NormSneFormFak = false;
    ind.SneFormFak = 2.0;
    ind.SneFormFakNormal = 0.8;
    ind.SneFormFakForhojet = 2.0;
    ind.StyrkeKlasse = 0;
    ind.Sikkl = 1;
    ind.Logfil = 0;
    return ind;
}

} // namespace taglo::test
