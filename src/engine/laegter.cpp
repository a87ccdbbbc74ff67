#include "engine/laegter.h"

#include "engine/analyse.h"
#include "engine/laster.h"
#include "engine/soem.h"
#include "engine/spaendinger.h"

#include <array>
#include <string_view>

namespace taglo
{
namespace
{

// The wind cases (or point-load positions) analysed per load combination 1..9, each in
// alphabetical order.
constexpr std::array<std::string_view, 10> kAnalyseredeTilfaelde{
    "",         // no combination 0
    "",         // 1: K_FI 1,2 g
    "",         // 2: 1,0 g
    "a",        // 3: snow leading; the letter only labels the case
    "",         // 4
    "ademrv",   // 5: snow with wind pressure on a roof slope
    "ademrv",   // 6: wind pressure on a roof slope
    "",         // 7
    "f",        // 8: the point load at position f
    "bcinostw", // 9: wind suction on a roof slope
};

// Number of pairs that TilfaeldeGaelder admits.
constexpr std::size_t kAntalTilfaelde = 22;

} // namespace

bool TilfaeldeGaelder(int lastkomb, char vindtilf)
{
    if (lastkomb < 1 || lastkomb > 9)
    {
        return false;
    }
    return kAnalyseredeTilfaelde[static_cast<std::size_t>(lastkomb)].find(vindtilf) !=
           std::string_view::npos;
}

void BeregnTilfaelde(TBeregning& beregning, int lastkomb, char vindtilf, TKoersel& koersel)
{
    TLasttilfaelde& tilfaelde = beregning.Tilfaeldeliste.emplace_back();
    OpstilLaster(tilfaelde, lastkomb, vindtilf, koersel);
    AnalyserTilfaelde(tilfaelde, koersel);
}

void EvaluerResultater(const TBeregning& beregning, const TKoersel& koersel,
                       TResultater& resultater)
{
    EvaluerBoejning(beregning, koersel, resultater);
    EvaluerSoem(beregning, koersel, resultater);
}

TLaegteberegning BeregnLaegter(const TInddata& inddata, const TAfledte& afledte, TLogliste& log,
                               const Regionalindstillinger& regional, Meddelelser& meddelelser)
{
    TLaegteberegning resultat;
    resultat.Afledte = afledte;
    // The battens' own weight is not part of any load.
    resultat.Afledte.LegteEgenlast = 0.0;
    TEngangsMeddelelser engang(meddelelser);
    TKoersel koersel{inddata,  resultat.Afledte, log,
                     regional, engang,           VurderGyldighed(inddata, afledte)};

    TBeregning& beregning = resultat.Beregning;
    beregning.Tilfaeldeliste.reserve(kAntalTilfaelde);
    // Combination by combination, each in alphabetical order of its letters: the pairs
    // for which TilfaeldeGaelder holds.
    for (int lastkomb = 1; lastkomb <= 9; ++lastkomb)
    {
        for (const char vindtilf : kAnalyseredeTilfaelde[static_cast<std::size_t>(lastkomb)])
        {
            BeregnTilfaelde(beregning, lastkomb, vindtilf, koersel);
        }
    }
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        SorterKategori(beregning, k);
    }
    EvaluerResultater(beregning, koersel, resultat.Resultatdata);
    return resultat;
}

} // namespace taglo
