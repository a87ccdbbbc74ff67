#include "engine/koersel.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace taglo
{
namespace
{

bool AlleEndelige(std::initializer_list<double> vaerdier)
{
    return std::all_of(vaerdier.begin(), vaerdier.end(), [](double v) { return std::isfinite(v); });
}

} // namespace

TGyldighed VurderGyldighed(const TInddata& ind, const TAfledte& afl)
{
    const bool endelige =
        AlleEndelige({ind.HusBr, ind.FacHjd, ind.TagVink, ind.LegteAfst, ind.FacUdh, ind.HusLn,
                      ind.NormalSpaerAfst, ind.GavlspaerAfst, ind.GavlspaerIndrykn, ind.GavlUdh,
                      ind.LegteHojde, ind.LegteBredde, ind.AlisteTykkelse, ind.UtagTykkelse,
                      ind.TagTyng, ind.AfstVesterhav, ind.SneFormFak}) &&
        AlleEndelige({afl.TanTagVink,  afl.CosTagVink,    afl.SinTagVink, afl.TotalBr,
                      afl.KipHjd,      afl.TagfodHjd,     afl.GavlAfst,   afl.VaegTykkelse,
                      afl.LegteMidtX,  afl.LegteEgenlast, afl.WNormal,    afl.WParallel,
                      afl.StrimmelFra, afl.StrimmelTil,   afl.Personlast, afl.QpKip,
                      afl.QpKipN,      afl.SneKarak,      afl.SneLast,    afl.FmkGammaM,
                      afl.KmodSoem,    afl.Kmod9,         afl.GammaM});

    TGyldighed g;
    g.Laster =
        endelige && ind.LegteAfst > 0.0 && ind.HusBr > 0.0 && ind.HusLn > 0.0 && afl.KipHjd > 0.0;
    g.Tvaersnit = ind.LegteHojde > 0.0 && ind.LegteBredde > 0.0 && afl.WNormal > 0.0 &&
                  afl.WParallel > 0.0 && afl.FmkGammaM > 0.0;
    g.Gavlfag = ind.GavlspaerAfst > 0.0 && ind.GavlspaerIndrykn + ind.GavlspaerAfst > 0.0;
    g.Normalfag = ind.NormalSpaerAfst > 0.0;
    g.Soem = ind.NailData != nullptr && ind.NailData->Diam > 0.0 && ind.LegteHojde > 0.0 &&
             ind.LegteBredde > 0.0 && afl.GammaM > 0.0 && afl.KmodSoem > 0.0;
    return g;
}

bool TEngangsMeddelelser::Ny(char art, std::string_view tekst)
{
    std::string noegle(1, art);
    noegle.append(tekst);
    if (std::find(vist_.begin(), vist_.end(), noegle) != vist_.end())
    {
        return false;
    }
    vist_.push_back(std::move(noegle));
    return true;
}

void TEngangsMeddelelser::fejl(std::string_view tekst)
{
    if (Ny('f', tekst))
    {
        videre_->fejl(tekst);
    }
}

void TEngangsMeddelelser::advarsel(std::string_view tekst)
{
    if (Ny('a', tekst))
    {
        videre_->advarsel(tekst);
    }
}

void TEngangsMeddelelser::besked(std::string_view tekst)
{
    if (Ny('b', tekst))
    {
        videre_->besked(tekst);
    }
}

void TEngangsMeddelelser::fejldialog(std::string_view tekst)
{
    if (Ny('d', tekst))
    {
        videre_->fejldialog(tekst);
    }
}

} // namespace taglo
