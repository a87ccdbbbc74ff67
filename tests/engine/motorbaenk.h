// The engine around a roof for a test: the surroundings of one step, and the evaluation of
// cases made up for the test.
#pragma once

#include "core/inddata.h"
#include "core/regional.h"
#include "engine/koersel.h"
#include "engine/laegter.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"

#include "beregnet.h"
#include "eksempeltag.h"
#include "optagne_meddelelser.h"

#include <utility>
#include <vector>

namespace taglo::test
{

// The surroundings of one step of the engine, for a roof, without running the engine.
struct Trin
{
    TInddata inddata;
    OptagneMeddelelser meddelelser;
    TAfledte afledte;
    TLogliste log;
    Regionalindstillinger regional = Regionalindstillinger::Dansk();
    TKoersel koersel;

    explicit Trin(const TInddata& ind, int logniveau = 0)
        : inddata(ind), afledte(BeregnAfledte(inddata, meddelelser)),
          log(logniveau), koersel{inddata,  afledte,     log,
                                  regional, meddelelser, VurderGyldighed(inddata, afledte)}
    {
        afledte.LegteEgenlast = 0.0; // as a run uses the derived values
    }
};

// The verdicts of a roof whose rankings hold exactly the given cases.
struct Vurderet
{
    Trin trin;
    TBeregning beregning;
    TResultater r;

    Vurderet(const TInddata& ind, std::vector<TLasttilfaelde> tilfaelde) : trin(ind)
    {
        beregning.Tilfaeldeliste = std::move(tilfaelde);
        for (TLasttilfaelde& t : beregning.Tilfaeldeliste)
        {
            BeregnNoegler(t);
        }
        for (std::size_t k = 0; k < kAntalKategorier; ++k)
        {
            SorterKategori(beregning, k);
        }
        NulstilResultater(r);
        EvaluerResultater(beregning, trin.koersel, r);
    }
};

// A case (kmod 1.1) with one utilisation for every check point and the uplift in N at the
// gable rafter, the first and the second normal rafter.
inline TLasttilfaelde Tilfaelde(int lastkomb, char vindtilf, double U, double RB1N = 0.0,
                                double RDEN = 0.0, double RGN = 0.0)
{
    TLasttilfaelde t;
    t.Lastkomb = lastkomb;
    t.Vindtilf = vindtilf;
    t.kmod = 1.1;
    t.UB1 = t.UB2 = t.UC = t.UF = t.UG = t.UH = U;
    t.RB1zz = RB1N / 1100.0;
    t.RDEzz = RDEN / 1100.0;
    t.RGzz = RGN / 1100.0; // reactions in kN divided by kmod
    return t;
}

} // namespace taglo::test
