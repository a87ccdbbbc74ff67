#include "engine/tilfaelde.h"

#include "core/formater.h"
#include "loads/lastkombination.h"

#include <cmath>
#include <limits>

namespace taglo
{
namespace
{

// The larger of two values; a value that is not a finite number wins.
double StoersteAf(double a, double b)
{
    if (!std::isfinite(a))
    {
        return a;
    }
    if (!std::isfinite(b))
    {
        return b;
    }
    return a < b ? b : a;
}

// The place of a key in a ranking: the key itself, or above every number when it is not
// a finite number (all such keys level with each other).
double Rang(double noegle)
{
    return std::isfinite(noegle) ? noegle : std::numeric_limits<double>::infinity();
}

// Moves the last element of the ranking forward to its place: right after the keys at or
// above its own. Walking from the back passes only the keys below it.
void FlytSidstePaaPlads(std::vector<TRangElement>& rangliste)
{
    std::size_t plads = rangliste.size() - 1;
    const TRangElement element = rangliste[plads];
    const double rang = Rang(element.Noegle);
    while (plads > 0 && Rang(rangliste[plads - 1].Noegle) < rang)
    {
        rangliste[plads] = rangliste[plads - 1];
        --plads;
    }
    rangliste[plads] = element;
}

} // namespace

void BeregnNoegler(TLasttilfaelde& t)
{
    const bool punktlast = t.Lastkomb == 8;
    const double felt = StoersteAf(StoersteAf(t.UF, t.UG), t.UH);
    t.Noegle[kGavludkragning] = StoersteAf(t.UB1, t.UB2);
    t.Noegle[kGavlfag] = punktlast ? 0.0 : t.UC;
    t.Noegle[kGavlfagPkt] = punktlast ? t.UC : 0.0;
    t.Noegle[kNormalfag] = punktlast ? 0.0 : felt;
    t.Noegle[kNormalfagPkt] = punktlast ? felt : 0.0;
    t.Noegle[kTraekGavlspaer] = t.RB1zz;
    t.Noegle[kKraftGavlspaer] = std::abs(t.RB1yy);
    t.Noegle[kTraekForsteNormalspaer] = t.RDEzz;
    t.Noegle[kKraftForsteNormalspaer] = std::abs(t.RDEyy);
    t.Noegle[kTraekAndetNormalspaer] = t.RGzz;
    t.Noegle[kKraftAndetNormalspaer] = std::abs(t.RGyy);
}

void IndsaetSorteret(std::vector<TRangElement>& rangliste, TRangElement element)
{
    rangliste.push_back(element);
    FlytSidstePaaPlads(rangliste);
}

void SorterKategori(TBeregning& beregning, std::size_t k)
{
    auto& rangliste = beregning.Rangliste[k];
    const auto& tilfaelde = beregning.Tilfaeldeliste;
    rangliste.reserve(rangliste.size() + tilfaelde.size());
    for (std::size_t i = 0; i < tilfaelde.size(); ++i)
    {
        IndsaetSorteret(rangliste, TRangElement{i, tilfaelde[i].Noegle[k]});
    }
}

std::string TilfaeldeTekst(std::string_view format, const TLasttilfaelde& t,
                           const Regionalindstillinger& regional)
{
    std::string tekst = Formater(regional, format, t.Lastkomb, LastKombinationTekst(t.Lastkomb));
    if (t.Lastkomb == 5 || t.Lastkomb == 6 || t.Lastkomb == 9)
    {
        tekst += Formater(regional, ", vindtilfælde %1s", t.Vindtilf);
    }
    return tekst;
}

} // namespace taglo
