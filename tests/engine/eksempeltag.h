// The roof the hand calculations of the engine tests are worked on, a run around it, and
// the evaluation of cases made up for a test.
#pragma once

#include "core/inddata.h"
#include "core/regional.h"
#include "engine/koersel.h"
#include "engine/laegter.h"
#include "engine/tilfaelde.h"
#include "loads/afledte.h"

#include "optagne_meddelelser.h"

#include <utility>
#include <vector>

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

// One engine run of a roof, with its derived values, log, messages and result.
struct Beregnet
{
    TInddata inddata;
    TAfledte afledte;
    TLogliste log;
    OptagneMeddelelser meddelelser;
    TResultater resultater;
    TBeregning beregning;

    explicit Beregnet(const TInddata& ind, int logniveau = 0) : inddata(ind), log(logniveau)
    {
        auto laegter = BeregnLaegter(inddata, BeregnAfledte(inddata, meddelelser), log,
                                     Regionalindstillinger::Dansk(), meddelelser);
        afledte = laegter.Afledte;
        resultater = std::move(laegter.Resultatdata);
        beregning = std::move(laegter.Beregning);
    }
};

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
