// The nailed connection of the batten to the rafters: the design withdrawal capacity of
// one nail (EN 1995-1-1, 8.3.2), how many nails fit in a batten, and how many are needed
// against the uplift at a normal rafter and at the anchored gable rafter.
#pragma once

#include "core/inddata.h"
#include "core/soemkatalog.h"
#include "engine/koersel.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"

#include <cstdint>

namespace taglo
{

// A spacer batten this thick or thicker is nailed to the rafter itself, and the batten to
// it (indirect fastening), mm.
inline constexpr double kAflisteGraense = 32.0;

// NaermesteHeltal: the nearest integer, a value exactly halfway between two integers going
// to the even one; values beyond the 32-bit range are held at its ends, NaN gives 0.
[[nodiscard]] std::int32_t NaermesteHeltal(double vaerdi);

// SoemKapacitet: completes a capacity record whose four interval bounds are set, for the
// nail `soem`, gamma_M, kmod and the head-side thickness t (mm): intervals never run
// backwards; a smooth nail (fax <= 4.5) adds the shank in the head-side member to the
// head pull-through and needs 12 d of anchoring, a profiled nail counts only its longer
// anchoring interval and needs 6 d; shorter anchoring counts as none. Capacities in N,
// each times kmod / gamma_M.
void SoemKapacitet(TSoemKapacitet& kapacitet, const TNailData& soem, double gammaM, double kmodSoem,
                   double t);

// BeregnSoemKapacitet: the capacity records of the chosen nail for this batten: direct
// fastening through spacer and underlay into the rafter when the spacer is thinner than
// 32 mm, else the spacer to the rafter and the batten to the spacer (and on into the
// rafter). Sets DirekteFastgoerelse and SoemBaereevne (N, the smaller of the two
// nailings when indirect). Without a nail row every capacity is 0.
void BeregnSoemKapacitet(const TInddata& inddata, double gammaM, double kmodSoem,
                         TResultater& resultater);

// SoemPladsI: nails that fit side by side in a batten of width `bredde` mm for a nail of
// diameter d mm: nearest(bredde / (5 d) - 1.5), never below 0.
[[nodiscard]] std::int32_t SoemPladsI(double bredde, double d);

// The number of nails a connection needs and whether the number can be trusted.
struct TSoemantal
{
    std::int32_t antal = 10;
    bool gyldigt =
        false; // false: the uplift or the capacity is not a finite number or beyond counting
};

// SoemantalFor: nails needed for the uplift `traek` (N) with `baereevne` N per nail:
// nearest(traek / baereevne + 0.5), at least 1; 10 when one nail carries less than 0.5 N.
[[nodiscard]] TSoemantal SoemantalFor(double traek, double baereevne);

// EvaluerSoem: the nail part of the evaluation. Capacities, the room in the batten, the
// governing uplift at a normal rafter (the larger of the heads of rankings 9 and 7, ties
// to 7) and at the anchored gable rafter (head of ranking 5), each times its case's kmod,
// the nails needed, the verdicts and their texts. A connection is not OK when its part of
// the roof has no meaning, when the uplift or the capacity is not a finite number, or
// when a nail carrying less than 0.5 N would have to hold a lifting batten.
void EvaluerSoem(const TBeregning& beregning, const TKoersel& koersel, TResultater& resultater);

} // namespace taglo
