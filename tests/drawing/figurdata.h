// Hand-made inputs and derived geometry for the figure tests.
#pragma once

#include "core/inddata.h"
#include "loads/afledte.h"

#include <cmath>
#include <numbers>

namespace taglo::test
{

// A house 10 m wide with a 45 degree roof: the ridge 5 m above the 3 m facade, the eaves
// edges 0.5 m outside the facades (TotalBr 11 m, eaves 2.5 m above the ground).
inline TInddata Hus45()
{
    TInddata i;
    i.HusBr = 10.0;
    i.FacHjd = 3.0;
    i.TagVink = 45.0;
    i.LegteAfst = 0.3;
    i.FacUdh = 0.5;
    i.HusLn = 12.0;
    i.NormalSpaerAfst = 0.9;
    i.GavlspaerAfst = 0.6;
    i.GavlspaerIndrykn = 0.2;
    i.GavlUdh = 0.5;
    i.LegteHojde = 38.0;
    i.LegteBredde = 73.0;
    return i;
}

// The geometric fields of the derived values, by the definitions of the roof geometry:
// TotalBr = HusBr + 2 FacUdh, KipHjd = FacHjd + HusBr/2 tan, TagfodHjd = KipHjd - TotalBr/2 tan.
inline TAfledte Geometri(const TInddata& i)
{
    TAfledte a;
    const double v = i.TagVink * std::numbers::pi / 180.0;
    a.SinTagVink = std::sin(v);
    a.CosTagVink = std::cos(v);
    a.TanTagVink = i.TagVink == 45.0 ? 1.0 : a.SinTagVink / a.CosTagVink;
    a.TotalBr = i.HusBr + 2 * i.FacUdh;
    a.KipHjd = i.FacHjd + 0.5 * i.HusBr * a.TanTagVink;
    a.TagfodHjd = a.KipHjd - a.TotalBr / 2 * a.TanTagVink;
    return a;
}

} // namespace taglo::test
