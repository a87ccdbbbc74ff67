#include "engine/spaendinger.h"

#include "loads/afledte.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace taglo
{
namespace
{

constexpr std::size_t kAntalPunkter = 6;

// Log order of the check points: B2, B1, C, F, G, H (the record holds B1 before B2).
constexpr std::array<std::size_t, kAntalPunkter> kLogOrden{1, 0, 2, 3, 4, 5};

// Size factor k_h of solid timber for a batten dimension in mm (EN 1995-1-1, 3.2):
// (150 / h)^0.2, at most 1.3.
double Stoerrelsesfaktor(double maal)
{
    return std::min(std::pow(150.0 / maal, 0.2), 1.3);
}

// Span classes of "lægtetabel 2005" by the span in m: up to 0.751, 1.001, 1.251, 1.301, above.
std::size_t Spaendklasse(double spaend)
{
    const double s = std::abs(spaend);
    if (s <= 0.751)
    {
        return 0;
    }
    if (s <= 1.001)
    {
        return 1;
    }
    if (s <= 1.251)
    {
        return 2;
    }
    return s <= 1.301 ? 3 : 4;
}

// Batten spacing classes, m: up to 0.551, up to 1.101, above.
int Afstandsklasse(double afstand)
{
    return afstand > 1.101 ? 2 : (afstand > 0.551 ? 1 : 0);
}

// Roof weight classes, kN/m2: up to 0.301, up to 0.601, above.
int Vaegtklasse(double tagvaegt)
{
    return tagvaegt > 0.601 ? 2 : (tagvaegt > 0.301 ? 1 : 0);
}

// The table index that is never covered.
constexpr std::size_t kIkkeDaekket = 5;

// Table index by span class: for a light case (spacing class 0, roof weight class 0 or 1)
// and for a wide spacing (spacing class 1) under a light roof (weight class 0).
struct TTabelindeks
{
    std::size_t let;
    std::size_t tungAfstand;
};
constexpr std::array<TTabelindeks, 5> kTabelindeks{{{0, 1}, {1, 3}, {2, 4}, {3, 4}, {5, 5}}};

// The key value of ranking k's head, and whether a verdict may rest on it.
struct THoved
{
    const TLasttilfaelde* tilfaelde = nullptr;
    double vaerdi = 0.0;  // the key, or 0 when it is not a finite number
    bool endelig = false; // the head exists and its key is a finite number
};

THoved Hoved(const TBeregning& beregning, std::size_t k)
{
    THoved hoved;
    hoved.tilfaelde = beregning.Hoved(k);
    if (hoved.tilfaelde != nullptr)
    {
        const double noegle = beregning.Rangliste[k].front().Noegle;
        hoved.endelig = std::isfinite(noegle);
        hoved.vaerdi = hoved.endelig ? noegle : 0.0;
    }
    return hoved;
}

// Whether a governing utilisation fails: not a finite number, or 1.005 or more.
bool Overskredet(const THoved& hoved)
{
    return !hoved.endelig || hoved.vaerdi >= kUdnyttelsesgraense;
}

std::string TekstFor(const THoved& hoved, const TKoersel& koersel)
{
    return hoved.tilfaelde != nullptr
               ? TilfaeldeTekst("for lastkomb. %d: %s", *hoved.tilfaelde, koersel.regional)
               : std::string();
}

} // namespace

void BeregnSpaendinger(TLasttilfaelde& t, const TKoersel& koersel)
{
    if (!koersel.gyldighed.Tvaersnit)
    {
        return;
    }
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;

    double kH = 1.0;
    double kB = 1.0;
    if (afl.StyrkeKode < 4)
    {
        kH = Stoerrelsesfaktor(ind.LegteHojde);
        kB = Stoerrelsesfaktor(ind.LegteBredde);
    }
    else if (afl.StyrkeKode < 7)
    {
        kH = 1.1; // glued laminated timber, EN 1995-1-1, 3.3
        kB = 1.1;
    }

    const std::array<double, kAntalPunkter> Mxx{t.MB1xx, t.MB2xx, t.MCxx, t.MFxx, t.MGxx, t.MHxx};
    const std::array<double, kAntalPunkter> Mzz{t.MB1zz, t.MB2zz, t.MCzz, t.MFzz, t.MGzz, t.MHzz};
    const std::array<double*, kAntalPunkter> U{&t.UB1, &t.UB2, &t.UC, &t.UF, &t.UG, &t.UH};
    std::array<double, kAntalPunkter> sigmaxx{};
    std::array<double, kAntalPunkter> sigmazz{};
    for (std::size_t i = 0; i < kAntalPunkter; ++i)
    {
        sigmaxx[i] = std::abs(Mxx[i]) * 1.0e6 / (afl.WNormal * kH);
        sigmazz[i] = std::abs(Mzz[i]) * 1.0e6 / (afl.WParallel * kB);
        // Biaxial bending, EN 1995-1-1, 6.1.6 (km = 0.7).
        *U[i] =
            std::max(sigmaxx[i] + 0.7 * sigmazz[i], 0.7 * sigmaxx[i] + sigmazz[i]) / afl.FmkGammaM;
    }

    if (!koersel.Detaljeret())
    {
        return;
    }
    const auto i = [](std::size_t n) { return kLogOrden[n]; };
    const double kmod = t.kmod;
    koersel.log.LogLinie("");
    koersel.Log("bøjningsspændinger sigmaxx%27.2f%6.2f%6.2f%20.2f%6.2f%6.2f", sigmaxx[i(0)] * kmod,
                sigmaxx[i(1)] * kmod, sigmaxx[i(2)] * kmod, sigmaxx[i(3)] * kmod,
                sigmaxx[i(4)] * kmod, sigmaxx[i(5)] * kmod);
    koersel.Log("bøjningsspændinger sigmazz%27.2f%6.2f%6.2f%20.2f%6.2f%6.2f", sigmazz[i(0)] * kmod,
                sigmazz[i(1)] * kmod, sigmazz[i(2)] * kmod, sigmazz[i(3)] * kmod,
                sigmazz[i(4)] * kmod, sigmazz[i(5)] * kmod);
    koersel.log.LogLinie("");
    const double f = afl.FmkGammaM;
    koersel.Log("referencespændinger%34.1f%6.1f%6.1f%20.1f%6.1f%6.1f", f * *U[i(0)] * kmod,
                f * *U[i(1)] * kmod, f * *U[i(2)] * kmod, f * *U[i(3)] * kmod, f * *U[i(4)] * kmod,
                f * *U[i(5)] * kmod);
    const double styrke = f * kmod;
    koersel.Log("regningsmæssig styrke%32.1f%6.1f%6.1f%20.1f%6.1f%6.1f", styrke, styrke, styrke,
                styrke, styrke, styrke);
}

void DaekketAfTabel2005(double spaend, const TInddata& ind, const TAfledte& afl,
                        TResultater& resultater)
{
    // Two battens share a doubled gable section.
    const double a = (spaend < 0.0 && ind.DublLegter) ? ind.LegteAfst / 2.0 : ind.LegteAfst;
    const int afstand = Afstandsklasse(a);
    const int vaegt = Vaegtklasse(ind.TagTyng);

    std::size_t indeks = kIkkeDaekket;
    if (afstand == 0 && vaegt <= 1)
    {
        indeks = kTabelindeks[Spaendklasse(spaend)].let;
    }
    else if (afstand == 1 && vaegt == 0)
    {
        indeks = kTabelindeks[Spaendklasse(spaend)].tungAfstand;
    }

    // Equivalent section modulus for a load at 35 degrees to the roof normal.
    const double Weq = 1.0 / (SinGrad(35.0) / afl.WParallel + CosGrad(35.0) / afl.WNormal);
    const bool daekket = Weq > kLaegtetabel2005[indeks];
    if (spaend > 0.0)
    {
        resultater.NormalfagTabel2005 = daekket;
    }
    else
    {
        resultater.GavlfagTabel2005 = daekket;
    }
}

void EvaluerBoejning(const TBeregning& beregning, const TKoersel& koersel, TResultater& r)
{
    const TInddata& ind = koersel.inddata;
    const TGyldighed& g = koersel.gyldighed;
    const std::string pktTekst =
        Formater(koersel.regional, "for karakteristisk last %4.2f kN", koersel.afledte.Personlast);

    // Normal section.
    const bool normalfagGyldigt = g.Laster && g.Tvaersnit && g.Normalfag;
    r.NormalfagOK = normalfagGyldigt;
    r.NormalfagTabel2005 = false;
    if (normalfagGyldigt)
    {
        DaekketAfTabel2005(ind.NormalSpaerAfst, ind, koersel.afledte, r);
    }
    const THoved normal = Hoved(beregning, kNormalfag);
    r.UdnNormalfag = normal.vaerdi;
    if (!normal.endelig || (Overskredet(normal) && !r.NormalfagTabel2005))
    {
        r.NormalfagOK = false;
    }
    r.TekstNormalfag = TekstFor(normal, koersel);
    const THoved normalPkt = Hoved(beregning, kNormalfagPkt);
    r.UdnNormalfagPkt = normalPkt.vaerdi;
    if (!normalPkt.endelig || (Overskredet(normalPkt) && !r.NormalfagTabel2005))
    {
        r.NormalfagOK = false;
    }
    r.TekstNormalfagPkt = pktTekst;

    // Gable section.
    const bool gavlGyldig = g.Laster && g.Tvaersnit && g.Gavlfag;
    r.GavlfagOK = gavlGyldig;
    r.GavlfagTabel2005 = false;
    if (gavlGyldig)
    {
        DaekketAfTabel2005(-ind.GavlspaerAfst, ind, koersel.afledte, r);
    }
    const THoved gavl = Hoved(beregning, kGavlfag);
    r.UdnGavlfag = gavl.vaerdi;
    if (!gavl.endelig || (Overskredet(gavl) && !r.GavlfagTabel2005))
    {
        r.GavlfagOK = false;
    }
    r.TekstGavlfag = TekstFor(gavl, koersel);
    const THoved gavlPkt = Hoved(beregning, kGavlfagPkt);
    r.UdnGavlfagPkt = gavlPkt.vaerdi;
    if (!gavlPkt.endelig || (Overskredet(gavlPkt) && !r.GavlfagTabel2005))
    {
        r.GavlfagOK = false;
    }
    r.TekstGavlfagPkt = pktTekst;

    // Gable overhang: the table does not cover it.
    r.GavludkragningOK = gavlGyldig;
    const THoved udkragning = Hoved(beregning, kGavludkragning);
    r.UdnGavludkragning = udkragning.vaerdi;
    if (Overskredet(udkragning))
    {
        r.GavludkragningOK = false;
    }
    r.TekstGavludkragning = TekstFor(udkragning, koersel);
}

} // namespace taglo
