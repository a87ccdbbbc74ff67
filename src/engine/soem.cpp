#include "engine/soem.h"

#include "core/formater.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace taglo
{
namespace
{

// A nail with fax above this is profiled (ringed); at or below it smooth.
constexpr double kGlatGraense = 4.5;

// Below this capacity per nail (N) the nailing counts as carrying nothing.
constexpr double kMindsteBaereevne = 0.5;

// Nails needed when the nailing carries nothing.
constexpr std::int32_t kSoemUdenBaereevne = 10;

// The uplift of a connection, the case it comes from, and whether it can be trusted.
struct TTraek
{
    const TLasttilfaelde* tilfaelde = nullptr;
    double N = 0.0;       // design uplift in N, or 0 when it is not a finite number
    bool gyldigt = false; // it exists and is a finite number
};

TTraek TraekFra(const TLasttilfaelde* tilfaelde, double noegle)
{
    TTraek traek;
    traek.tilfaelde = tilfaelde;
    if (tilfaelde == nullptr)
    {
        return traek;
    }
    const double N = noegle * 1000.0 * tilfaelde->kmod;
    traek.gyldigt = std::isfinite(N);
    traek.N = traek.gyldigt ? N : 0.0;
    return traek;
}

// The key value at the head of ranking k (0 without a head).
double HovedNoegle(const TBeregning& beregning, std::size_t k)
{
    return beregning.Rangliste[k].empty() ? 0.0 : beregning.Rangliste[k].front().Noegle;
}

// One connection's verdict and texts.
struct TForbindelse
{
    std::int32_t antal = kSoemUdenBaereevne;
    bool ok = false;
    std::string soem;
    std::string baereevne;
};

TForbindelse VurderForbindelse(const TTraek& traek, bool gyldig, const TResultater& r,
                               const TKoersel& koersel)
{
    TForbindelse f;
    const TSoemantal n = SoemantalFor(traek.N, r.SoemBaereevne);
    f.antal = n.antal;
    const bool baerer = r.SoemBaereevne >= kMindsteBaereevne || traek.N <= 0.0;
    f.ok = gyldig && traek.gyldigt && n.gyldigt && baerer && n.antal <= r.SoemPlads;
    if (f.ok)
    {
        f.soem =
            Formater(koersel.regional, r.DirekteFastgoerelse ? "%d søm" : "%d x 2 søm", n.antal);
        f.baereevne = Formater(koersel.regional, "  Regningsmæssig bæreevne: %.0n N",
                               static_cast<double>(n.antal) * r.SoemBaereevne);
    }
    else
    {
        f.soem = "Utilstrækkelig bæreevne. ";
        f.baereevne =
            Formater(koersel.regional, "  Regningsmæssig bæreevne ved max sømantal: %.0n N",
                     static_cast<double>(r.SoemPlads) * r.SoemBaereevne);
    }
    return f;
}

} // namespace

std::int32_t NaermesteHeltal(double vaerdi)
{
    if (std::isnan(vaerdi))
    {
        return 0;
    }
    constexpr double mindst = std::numeric_limits<std::int32_t>::min();
    constexpr double stoerst = std::numeric_limits<std::int32_t>::max();
    const double v = std::clamp(vaerdi, mindst, stoerst);
    const double under = std::floor(v);
    const double rest = v - under;
    double rundet = under;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(under, 2.0) != 0.0))
    {
        rundet = under + 1.0; // halfway goes to the even neighbour
    }
    return static_cast<std::int32_t>(std::min(rundet, stoerst));
}

void SoemKapacitet(TSoemKapacitet& k, const TNailData& soem, double gammaM, double kmodSoem,
                   double t)
{
    const double e = soem.ProfileStart + soem.ProfileLength;
    const double f = kmodSoem / gammaM;
    const double d = soem.Diam;

    // An interval never has a negative length.
    if (k.Fra1 > k.Til1)
    {
        k.Fra1 = k.Til1;
    }
    if (k.Fra2 > k.Til2)
    {
        k.Fra2 = k.Til2;
    }

    double mindsteForankring = 0.0; // in nail diameters
    if (soem.fax <= kGlatGraense)
    {
        // Smooth nail: head pull-through plus the shank's withdrawal in the head-side member.
        k.Fhead = (soem.fhead * soem.HeadDiam * soem.HeadDiam + soem.fax * d * t) * f;
        mindsteForankring = 12.0;
    }
    else
    {
        // Profiled nail: only the longer of the two anchoring intervals counts.
        k.Fhead = soem.fhead * soem.HeadDiam * soem.HeadDiam * f;
        mindsteForankring = 6.0;
        if ((k.Til2 - k.Fra2) < (k.Til1 - k.Fra1))
        {
            k.Fra2 = e;
            k.Til2 = e;
        }
        else
        {
            k.Fra1 = e;
            k.Til1 = e;
        }
    }

    k.Lef = (k.Til1 - k.Fra1) + (k.Til2 - k.Fra2);
    // EN 1995-1-1, 8.3.2 (7) and (8): shorter anchoring carries nothing.
    if (mindsteForankring * d > k.Lef)
    {
        k.Lef = 0.0;
        k.Fra1 = e;
        k.Til1 = e;
        k.Fra2 = e;
        k.Til2 = e;
    }
    k.FaxPrMm = soem.fax * d * f;
    k.Fax = k.FaxPrMm * k.Lef;
    k.Fd = std::min(k.Fhead, k.Fax);
}

void BeregnSoemKapacitet(const TInddata& ind, double gammaM, double kmodSoem, TResultater& r)
{
    r.DirekteFastgoerelse = ind.AlisteTykkelse < kAflisteGraense;
    r.SoemDirekte.reset();
    r.SoemAflisteSpaer.reset();
    r.SoemLaegteAfliste.reset();
    r.SoemBaereevne = 0.0;

    const TNailData* soem = ind.NailData;
    if (r.DirekteFastgoerelse)
    {
        TSoemKapacitet& direkte = r.SoemDirekte.emplace();
        if (soem != nullptr)
        {
            const double s = soem->ProfileStart;
            const double e = soem->ProfileStart + soem->ProfileLength;
            direkte.Fra1 = std::max(s, ind.LegteHojde + ind.AlisteTykkelse + ind.UtagTykkelse);
            direkte.Til1 = e;
            direkte.Fra2 = e;
            direkte.Til2 = e;
            SoemKapacitet(direkte, *soem, gammaM, kmodSoem, ind.LegteHojde);
            r.SoemBaereevne = direkte.Fd;
        }
        return;
    }

    TSoemKapacitet& afliste = r.SoemAflisteSpaer.emplace();
    TSoemKapacitet& laegte = r.SoemLaegteAfliste.emplace();
    if (soem == nullptr)
    {
        return;
    }
    const double s = soem->ProfileStart;
    const double e = soem->ProfileStart + soem->ProfileLength;

    // The spacer batten to the rafter.
    afliste.Fra1 = std::max(s, ind.AlisteTykkelse + ind.UtagTykkelse);
    afliste.Til1 = e;
    afliste.Fra2 = e;
    afliste.Til2 = e;
    SoemKapacitet(afliste, *soem, gammaM, kmodSoem, ind.AlisteTykkelse);

    // The batten to the spacer batten: anchoring in the spacer, then in the rafter.
    laegte.Fra1 = std::max(s, ind.LegteHojde);
    laegte.Til1 = std::max(s, ind.LegteHojde + ind.AlisteTykkelse);
    laegte.Fra2 = std::max(s, ind.LegteHojde + ind.AlisteTykkelse + ind.UtagTykkelse);
    laegte.Til2 = e;
    if (laegte.Til1 > laegte.Til2)
    {
        laegte.Til1 = laegte.Til2;
    }
    SoemKapacitet(laegte, *soem, gammaM, kmodSoem, ind.LegteHojde);

    r.SoemBaereevne = std::min(afliste.Fd, laegte.Fd);
}

std::int32_t SoemPladsI(double bredde, double d)
{
    // Nail spacing and edge distances of 5 d across the batten.
    return std::max(NaermesteHeltal(bredde / (5.0 * d) - 1.5), 0);
}

TSoemantal SoemantalFor(double traek, double baereevne)
{
    TSoemantal n;
    if (!std::isfinite(traek) || !std::isfinite(baereevne))
    {
        return n;
    }
    if (baereevne >= kMindsteBaereevne)
    {
        const double forhold = traek / baereevne + 0.5;
        n.gyldigt = std::isfinite(forhold) &&
                    forhold < static_cast<double>(std::numeric_limits<std::int32_t>::max());
        n.antal = NaermesteHeltal(forhold);
    }
    else
    {
        n.gyldigt = true;
        n.antal = kSoemUdenBaereevne;
    }
    n.antal = std::max(n.antal, 1);
    return n;
}

void EvaluerSoem(const TBeregning& beregning, const TKoersel& koersel, TResultater& r)
{
    const TInddata& ind = koersel.inddata;
    const TAfledte& afl = koersel.afledte;
    const TGyldighed& g = koersel.gyldighed;

    r.SoemtypeOK = true;
    BeregnSoemKapacitet(ind, afl.GammaM, afl.KmodSoem, r);
    if (!std::isfinite(r.SoemBaereevne))
    {
        r.SoemBaereevne = 0.0;
    }
    r.SoemPlads = ind.NailData != nullptr ? SoemPladsI(ind.LegteBredde, ind.NailData->Diam) : 0;

    // Normal rafter: the second normal rafter governs when its uplift is larger than the
    // first's; an uplift that is not a finite number governs always.
    const double RG = HovedNoegle(beregning, kTraekAndetNormalspaer);
    const double RDE = HovedNoegle(beregning, kTraekForsteNormalspaer);
    const bool andet = !std::isfinite(RG) || (std::isfinite(RDE) && RG > RDE);
    const std::size_t kNormal = andet ? kTraekAndetNormalspaer : kTraekForsteNormalspaer;
    const TTraek normal = TraekFra(beregning.Hoved(kNormal), HovedNoegle(beregning, kNormal));
    r.TraekNormalspaer = normal.N;
    r.TekstTraekNormalspaer =
        normal.tilfaelde != nullptr
            ? TilfaeldeTekst("for lastkombination %d: %s", *normal.tilfaelde, koersel.regional)
            : std::string();
    const bool normalGyldig = g.Laster && g.Soem && g.Normalfag && g.Gavlfag;
    TForbindelse nf = VurderForbindelse(normal, normalGyldig, r, koersel);
    r.SoemantalNormalspaer = nf.antal;
    r.NormalspaerSoemOK = nf.ok;
    r.SoemNormalspaer = std::move(nf.soem);
    r.BaereevneNormalspaer = std::move(nf.baereevne);
    if (!r.NormalspaerSoemOK)
    {
        r.SoemtypeOK = false;
    }

    // Anchored gable rafter.
    const TTraek gavl =
        TraekFra(beregning.Hoved(kTraekGavlspaer), HovedNoegle(beregning, kTraekGavlspaer));
    r.TraekGavlspaer = gavl.N;
    r.TekstTraekGavlspaer =
        gavl.tilfaelde != nullptr
            ? TilfaeldeTekst("for lastkombination %d: %s", *gavl.tilfaelde, koersel.regional)
            : std::string();
    const bool gavlGyldig = g.Laster && g.Soem && g.Gavlfag;
    TForbindelse gf = VurderForbindelse(gavl, gavlGyldig, r, koersel);
    r.SoemantalGavlspaer = gf.antal;
    r.GavlspaerSoemOK = gf.ok;
    r.SoemGavlspaer = std::move(gf.soem);
    r.BaereevneGavlspaer = std::move(gf.baereevne);
    if (!r.GavlspaerSoemOK)
    {
        r.SoemtypeOK = false;
    }
}

} // namespace taglo
