// The input record and the derived values as JSON, under the names of their fields in the
// reference projects' files.
#pragma once

#include "core/inddata.h"
#include "loads/afledte.h"

#include <nlohmann/json.hpp>

namespace taglo
{

NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TInddata, HusBr, FacHjd, TagVink, LegteAfst, DublLegter, FacUdh,
                                   HusLn, NormalSpaerAfst, GavlspaerAfst, GavlspaerIndrykn, GavlUdh,
                                   LegteHojde, LegteBredde, Nail, AlisteTykkelse, UtagTykkelse,
                                   TagTyng, TerrKat, AfstVesterhav, CvAreal, NormSneFormFak,
                                   SneFormFak, SneFormFakNormal, SneFormFakForhojet, StyrkeKlasse,
                                   Sikkl, ForklaringMed, Logfil)
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TAfledte, TanTagVink, CosTagVink, SinTagVink, TotalBr, KipHjd,
                                   TagfodHjd, GavlAfst, VaegTykkelse, LegteMidtX, LegteEgenlast,
                                   WNormal, WParallel, StrimmelFra, StrimmelTil, Personlast, QpKip,
                                   QpKipN, SneKarak, SneLast, FmkGammaM, KmodSoem, Kmod9, GammaM,
                                   StyrkeKode)

} // namespace taglo
