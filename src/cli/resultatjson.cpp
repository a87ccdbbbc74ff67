#include "cli/resultatjson.h"

#include <array>
#include <string_view>

namespace taglo::cli
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

nlohmann::json Kapacitet(const std::optional<TSoemKapacitet>& k)
{
    if (!k)
    {
        return nullptr;
    }
    return {{"Fra1", k->Fra1},   {"Til1", k->Til1}, {"Fra2", k->Fra2},
            {"Til2", k->Til2},   {"Lef", k->Lef},   {"FaxPrMm", k->FaxPrMm},
            {"Fhead", k->Fhead}, {"Fax", k->Fax},   {"Fd", k->Fd}};
}

nlohmann::json Inddata(const TInddata& d)
{
    return {{"Projektnavn", d.Projektnavn.str()},
            {"Bygningsdel", d.Bygningsdel.str()},
            {"Medarb", d.Medarb.str()},
            {"HusBr", d.HusBr},
            {"FacHjd", d.FacHjd},
            {"TagVink", d.TagVink},
            {"LegteAfst", d.LegteAfst},
            {"DublLegter", d.DublLegter},
            {"FacUdh", d.FacUdh},
            {"HusLn", d.HusLn},
            {"NormalSpaerAfst", d.NormalSpaerAfst},
            {"GavlspaerAfst", d.GavlspaerAfst},
            {"GavlspaerIndrykn", d.GavlspaerIndrykn},
            {"GavlUdh", d.GavlUdh},
            {"LegteHojde", d.LegteHojde},
            {"LegteBredde", d.LegteBredde},
            {"Nail", d.Nail},
            {"NailData", std::string(d.NailData->Name)},
            {"AlisteTykkelse", d.AlisteTykkelse},
            {"UtagTykkelse", d.UtagTykkelse},
            {"TagTyng", d.TagTyng},
            {"TerrKat", d.TerrKat},
            {"AfstVesterhav", d.AfstVesterhav},
            {"CvAreal", d.CvAreal},
            {"NormSneFormFak", d.NormSneFormFak},
            {"SneFormFak", d.SneFormFak},
            {"SneFormFakNormal", d.SneFormFakNormal},
            {"SneFormFakForhojet", d.SneFormFakForhojet},
            {"StyrkeKlasse", d.StyrkeKlasse},
            {"Sikkl", d.Sikkl},
            {"ForklaringMed", d.ForklaringMed},
            {"Logfil", d.Logfil}};
}

nlohmann::json Afledte(const TAfledte& a)
{
    return {{"TanTagVink", a.TanTagVink},   {"CosTagVink", a.CosTagVink},
            {"SinTagVink", a.SinTagVink},   {"TotalBr", a.TotalBr},
            {"KipHjd", a.KipHjd},           {"TagfodHjd", a.TagfodHjd},
            {"GavlAfst", a.GavlAfst},       {"VaegTykkelse", a.VaegTykkelse},
            {"LegteMidtX", a.LegteMidtX},   {"LegteEgenlast", a.LegteEgenlast},
            {"WNormal", a.WNormal},         {"WParallel", a.WParallel},
            {"StrimmelFra", a.StrimmelFra}, {"StrimmelTil", a.StrimmelTil},
            {"Personlast", a.Personlast},   {"QpKip", a.QpKip},
            {"QpKipN", a.QpKipN},           {"SneKarak", a.SneKarak},
            {"SneLast", a.SneLast},         {"FmkGammaM", a.FmkGammaM},
            {"KmodSoem", a.KmodSoem},       {"Kmod9", a.Kmod9},
            {"GammaM", a.GammaM},           {"StyrkeKode", a.StyrkeKode}};
}

nlohmann::json Resultatdata(const TResultater& r)
{
    return {{"NormalfagOK", r.NormalfagOK},
            {"GavlfagOK", r.GavlfagOK},
            {"GavludkragningOK", r.GavludkragningOK},
            {"DirekteFastgoerelse", r.DirekteFastgoerelse},
            {"NormalspaerSoemOK", r.NormalspaerSoemOK},
            {"GavlspaerSoemOK", r.GavlspaerSoemOK},
            {"SoemtypeOK", r.SoemtypeOK},
            {"NormalfagTabel2005", r.NormalfagTabel2005},
            {"GavlfagTabel2005", r.GavlfagTabel2005},
            {"UdnNormalfag", r.UdnNormalfag},
            {"UdnNormalfagPkt", r.UdnNormalfagPkt},
            {"UdnGavlfag", r.UdnGavlfag},
            {"UdnGavlfagPkt", r.UdnGavlfagPkt},
            {"UdnGavludkragning", r.UdnGavludkragning},
            {"TraekNormalspaer", r.TraekNormalspaer},
            {"TraekGavlspaer", r.TraekGavlspaer},
            {"SoemantalNormalspaer", r.SoemantalNormalspaer},
            {"SoemantalGavlspaer", r.SoemantalGavlspaer},
            {"SoemPlads", r.SoemPlads},
            {"SoemBaereevne", r.SoemBaereevne},
            {"TekstNormalfag", r.TekstNormalfag},
            {"TekstNormalfagPkt", r.TekstNormalfagPkt},
            {"TekstGavlfag", r.TekstGavlfag},
            {"TekstGavlfagPkt", r.TekstGavlfagPkt},
            {"TekstGavludkragning", r.TekstGavludkragning},
            {"TekstTraekNormalspaer", r.TekstTraekNormalspaer},
            {"TekstTraekGavlspaer", r.TekstTraekGavlspaer},
            {"SoemNormalspaer", r.SoemNormalspaer},
            {"SoemGavlspaer", r.SoemGavlspaer},
            {"BaereevneNormalspaer", r.BaereevneNormalspaer},
            {"BaereevneGavlspaer", r.BaereevneGavlspaer},
            {"SoemDirekte", Kapacitet(r.SoemDirekte)},
            {"SoemAflisteSpaer", Kapacitet(r.SoemAflisteSpaer)},
            {"SoemLaegteAfliste", Kapacitet(r.SoemLaegteAfliste)}};
}

} // namespace

std::string TilfaeldeNavn(const TTilfaeldeNoegle& tilfaelde)
{
    return std::to_string(tilfaelde.Lastkomb) + std::string(1, tilfaelde.Vindtilf);
}

nlohmann::json ResultatSomJson(const TApplikation& app)
{
    const auto& oversigt = app.Tilfaelde();
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
    return {{"Inddata", Inddata(app.Inddata())},
            {"Afledte", Afledte(app.Afledte())},
            {"Resultatdata", Resultatdata(app.Resultatdata())},
            {"Kategorier", kKategorier},
            {"Tilfaeldeliste", tilfaelde},
            {"Rangliste", rangliste}};
}

} // namespace taglo::cli
