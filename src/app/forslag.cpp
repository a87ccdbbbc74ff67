#include "app/forslag.h"

#include "core/formater.h"
#include "core/soemkatalog.h"
#include "core/taltekst.h"
#include "report/rapport.h"

#include <algorithm>
#include <tuple>

namespace taglo
{
namespace
{

// The nail connection's utilisation at one rafter: the design uplift `traek` (N) over the
// capacity of the nails the calculation counts there.
std::optional<double> SoemUdnyttelse(double traek, bool ok, std::int32_t soemantal,
                                     const TResultater& r)
{
    if (traek <= 0.0)
    {
        return 0.0;
    }
    const std::int32_t talte = ok ? soemantal : r.SoemPlads;
    const double baereevne = static_cast<double>(talte) * r.SoemBaereevne;
    if (baereevne <= 0.0)
    {
        return std::nullopt;
    }
    return traek / baereevne;
}

// The larger of two utilisations, where nothing (no capacity) is the largest.
std::optional<double> Stoerste(std::optional<double> a, std::optional<double> b)
{
    if (!a || !b)
    {
        return std::nullopt;
    }
    return std::max(*a, *b);
}

TKandidat KandidatAf(const TLaegtetvaersnit& tvaersnit, std::int32_t soem,
                     const TBeregningsresultat& beregning)
{
    const TResultater& r = beregning.Resultatdata;
    TKandidat k;
    k.Tvaersnit = tvaersnit;
    k.Soem = soem;
    k.Soemnavn = beregning.Inddata.NailData->Name;
    k.Anvendelig = beregning.Anvendelig;
    k.DirekteFastgoerelse = r.DirekteFastgoerelse;
    k.UdnLaegte = std::max(
        {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning});
    k.UdnSoem =
        Stoerste(SoemUdnyttelse(r.TraekNormalspaer, r.NormalspaerSoemOK, r.SoemantalNormalspaer, r),
                 SoemUdnyttelse(r.TraekGavlspaer, r.GavlspaerSoemOK, r.SoemantalGavlspaer, r));
    k.SoemantalNormalspaer = r.SoemantalNormalspaer;
    k.SoemNormalspaer = r.SoemNormalspaer;
    k.SoemGavlspaer = SoemGavlspaerTekst(beregning.Inddata, r);
    return k;
}

} // namespace

const TKandidat* TForslag::Bedste() const
{
    return !Kandidater.empty() && Kandidater.front().Anvendelig.Begge() ? &Kandidater.front()
                                                                        : nullptr;
}

std::variant<TForslag, TAfvisning> BeregnForslag(const TProjekt& projekt,
                                                 std::span<const TLaegtetvaersnit> tvaersnit)
{
    if (const auto afvisning = projekt.FoersteAfvisning())
    {
        return *afvisning;
    }
    TavseMeddelelser tavse;
    const Regionalindstillinger& regional = projekt.Regional();
    TProjekt proeve = projekt;
    TForslag forslag;
    forslag.Kandidater.reserve(tvaersnit.size() * kSoemKatalog.size());
    for (const auto& t : tvaersnit)
    {
        static_cast<void>(proeve.SaetFelt(
            Felt::EditLegteHojde, TalTilFelt(kFeltbredde, 0, t.LegteHojde, regional), tavse));
        static_cast<void>(proeve.SaetFelt(
            Felt::EditLegteBredde, TalTilFelt(kFeltbredde, 0, t.LegteBredde, regional), tavse));
        for (std::size_t soem = 0; soem < kSoemKatalog.size(); ++soem)
        {
            proeve.SaetSoem(static_cast<int>(soem));
            const auto udfald = proeve.Beregn(0, tavse);
            // A section of the list fails no check; should one ever, it is not a candidate.
            if (const auto* beregning = std::get_if<TBeregningsresultat>(&udfald))
            {
                forslag.Kandidater.push_back(
                    KandidatAf(t, static_cast<std::int32_t>(soem), *beregning));
            }
        }
    }
    const auto noegle = [](const TKandidat& k) {
        return std::tuple(!k.Anvendelig.Begge(), k.Tvaersnit.Areal(), k.SoemantalNormalspaer,
                          k.Soem);
    };
    std::stable_sort(forslag.Kandidater.begin(), forslag.Kandidater.end(),
                     [&](const TKandidat& a, const TKandidat& b) { return noegle(a) < noegle(b); });
    return forslag;
}

std::string ForslagTekst(const std::variant<TForslag, TAfvisning>& udfald,
                         const Regionalindstillinger& regional)
{
    if (const auto* afvisning = std::get_if<TAfvisning>(&udfald))
    {
        return std::string(afvisning->besked);
    }
    const TKandidat* bedste = std::get<TForslag>(udfald).Bedste();
    if (bedste == nullptr)
    {
        return "Ingen af de afprøvede lægter og søm kan anvendes";
    }
    return Formater(regional, "Letteste lægte der kan anvendes: %s med %s, %s fastgørelse",
                    TvaersnitTekst(bedste->Tvaersnit, regional), bedste->Soemnavn,
                    bedste->DirekteFastgoerelse ? "direkte" : "indirekte");
}

std::string TvaersnitTekst(const TLaegtetvaersnit& tvaersnit, const Regionalindstillinger& regional)
{
    return Formater(regional, "%.0f x %.0f mm", tvaersnit.LegteHojde, tvaersnit.LegteBredde);
}

std::string UdnyttelseTekst(std::optional<double> udnyttelse, const Regionalindstillinger& regional)
{
    return udnyttelse ? Formater(regional, "%.0f %%", 100.0 * *udnyttelse) : "ingen bæreevne";
}

std::string_view VurderingTekst(bool kanAnvendes)
{
    return kanAnvendes ? "OK" : "ikke OK";
}

std::vector<TFeltKontrol> BrugKandidat(TProjekt& projekt, const TKandidat& kandidat,
                                       Meddelelser& meddelelser)
{
    const Regionalindstillinger& regional = projekt.Regional();
    auto afviste = projekt.SaetFelt(
        Felt::EditLegteHojde, TalTilFelt(kFeltbredde, 0, kandidat.Tvaersnit.LegteHojde, regional),
        meddelelser);
    const auto bredde = projekt.SaetFelt(
        Felt::EditLegteBredde, TalTilFelt(kFeltbredde, 0, kandidat.Tvaersnit.LegteBredde, regional),
        meddelelser);
    afviste.insert(afviste.end(), bredde.begin(), bredde.end());
    projekt.SaetSoem(kandidat.Soem);
    return afviste;
}

} // namespace taglo
