#include "engine/tilfaelde.h"

#include "core/formater.h"
#include "loads/lastkombination.h"

#include <cmath>

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

// Whether key `a` ranks at or above key `b`: descending numbers, every value that is not a
// finite number above all numbers and level with the others like it.
bool RangererOverEllerLig(double a, double b)
{
    if (!std::isfinite(a))
    {
        return true;
    }
    if (!std::isfinite(b))
    {
        return false;
    }
    return a >= b;
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
    std::size_t efter = 0;
    while (efter < rangliste.size() && RangererOverEllerLig(rangliste[efter].Noegle, element.Noegle))
    {
        ++efter;
    }
    rangliste.insert(rangliste.begin() + static_cast<std::ptrdiff_t>(efter), element);
}

void SorterKategori(TBeregning& beregning, std::size_t k)
{
    auto& rangliste = beregning.Rangliste[k];
    rangliste.reserve(rangliste.size() + beregning.Tilfaeldeliste.size());
    for (std::size_t i = 0; i < beregning.Tilfaeldeliste.size(); ++i)
    {
        IndsaetSorteret(rangliste, TRangElement{i, beregning.Tilfaeldeliste[i].Noegle[k]});
    }
}

std::string TilfaeldeTekst(std::string_view format, const TLasttilfaelde& t, const Regionalindstillinger& regional)
{
    std::string tekst = Formater(regional, format, t.Lastkomb, LastKombinationTekst(t.Lastkomb));
    if (t.Lastkomb == 5 || t.Lastkomb == 6 || t.Lastkomb == 9)
    {
        tekst += Formater(regional, ", vindtilfælde %1s", t.Vindtilf);
    }
    return tekst;
}

} // namespace taglo
