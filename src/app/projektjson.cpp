#include "app/projektjson.h"

#include <array>
#include <string_view>

namespace taglo
{
namespace
{

// The result categories by their index into the key values.
constexpr std::array<std::string_view, kAntalKategorier> kKategorier{
    "Gavludkragning",
    "Gavlfag",
    "GavlfagPkt",
    "Normalfag",
    "NormalfagPkt",
    "TraekGavlspaer",
    "KraftGavlspaer",
    "TraekForsteNormalspaer",
    "KraftForsteNormalspaer",
    "TraekAndetNormalspaer",
    "KraftAndetNormalspaer",
};

} // namespace

std::string TilfaeldeNavn(const TTilfaeldeNoegle& tilfaelde)
{
    return std::to_string(tilfaelde.Lastkomb) + std::string(1, tilfaelde.Vindtilf);
}

nlohmann::json BeregningSomJson(const TBeregningsresultat& beregning)
{
    const auto& oversigt = beregning.Tilfaelde;
    auto tilfaelde = nlohmann::json::array();
    for (const auto& t : oversigt.Tilfaelde)
    {
        tilfaelde.push_back({{"Id", TilfaeldeNavn(t)},
                             {"Lastkomb", t.Lastkomb},
                             {"Vindtilf", std::string(1, t.Vindtilf)},
                             {"kmod", t.kmod},
                             {"Noegle", t.Noegle}});
    }
    auto rangliste = nlohmann::json::array();
    for (const auto& hoved : oversigt.Hoveder)
    {
        rangliste.push_back(hoved ? nlohmann::json(TilfaeldeNavn(oversigt.Tilfaelde[*hoved]))
                                  : nlohmann::json());
    }
    const TInddata& d = beregning.Inddata;
    nlohmann::json inddata = d;
    inddata["Projektnavn"] = d.Projektnavn.str();
    inddata["Bygningsdel"] = d.Bygningsdel.str();
    inddata["Medarb"] = d.Medarb.str();
    inddata["NailData"] = std::string(d.NailData->Name);
    return {{"Inddata", inddata},
            {"Afledte", beregning.Afledte},
            {"Resultatdata", beregning.Resultatdata},
            {"Kategorier", kKategorier},
            {"Tilfaeldeliste", tilfaelde},
            {"Rangliste", rangliste}};
}

void to_json(nlohmann::json& json, const TKandidat& k)
{
    json = {{"LegteHojde", k.Tvaersnit.LegteHojde},
            {"LegteBredde", k.Tvaersnit.LegteBredde},
            {"Soem", k.Soem},
            {"Soemnavn", std::string(k.Soemnavn)},
            {"KanAnvendes", {{"Laegte", k.Anvendelig.Laegte}, {"Soem", k.Anvendelig.Soem}}},
            {"DirekteFastgoerelse", k.DirekteFastgoerelse},
            {"UdnLaegte", k.UdnLaegte},
            {"UdnSoem", k.UdnSoem ? nlohmann::json(*k.UdnSoem) : nlohmann::json()},
            {"SoemantalNormalspaer", k.SoemantalNormalspaer},
            {"SoemNormalspaer", k.SoemNormalspaer},
            {"SoemGavlspaer", k.SoemGavlspaer}};
}

nlohmann::json ForslagSomJson(const TForslag& forslag)
{
    const TKandidat* bedste = forslag.Bedste();
    return {{"Forslag", bedste != nullptr ? nlohmann::json(*bedste) : nlohmann::json()},
            {"Kandidater", forslag.Kandidater}};
}

} // namespace taglo
