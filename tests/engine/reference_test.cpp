// The eight reference projects, computed independently of this code: every derived value,
// every result, every case record and every engine log line must agree.
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "core/soemkatalog.h"
#include "core/tekstfil.h"
#include "engine/laegter.h"
#include "loads/afledte.h"

#include "navngivne_tilfaelde.h"
#include "reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace taglo
{
namespace
{

using nlohmann::json;

// Relative agreement of 1e-9; values that should be 0 may differ by 1e-12 (rounding of
// sums that cancel).
::testing::AssertionResult Naer(const std::string& navn, double forventet, double faktisk)
{
    const double forskel = std::abs(forventet - faktisk);
    const double skala = std::max(std::abs(forventet), std::abs(faktisk));
    if (forskel <= 1e-9 * skala || forskel <= 1e-12)
    {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << navn << ": reference " << forventet << ", engine "
                                         << faktisk << " (difference " << forskel << ")";
}

void ForventNaer(const std::string& navn, const json& forventet, double faktisk)
{
    EXPECT_TRUE(Naer(navn, forventet.get<double>(), faktisk));
}

std::string Filnavn(int nr, const std::string& endelse)
{
    return test::ReferenceMappe() + "/projekt" + (nr < 10 ? "0" : "") + std::to_string(nr) + "." +
           endelse;
}

TInddata InddataFra(const json& j)
{
    TInddata ind;
    ind.Projektnavn = j.at("Projektnavn").get<std::string>();
    ind.Bygningsdel = j.at("Bygningsdel").get<std::string>();
    ind.Medarb = j.at("Medarb").get<std::string>();
    ind.HusBr = j.at("HusBr");
    ind.FacHjd = j.at("FacHjd");
    ind.TagVink = j.at("TagVink");
    ind.LegteAfst = j.at("LegteAfst");
    ind.DublLegter = j.at("DublLegter");
    ind.FacUdh = j.at("FacUdh");
    ind.HusLn = j.at("HusLn");
    ind.NormalSpaerAfst = j.at("NormalSpaerAfst");
    ind.GavlspaerAfst = j.at("GavlspaerAfst");
    ind.GavlspaerIndrykn = j.at("GavlspaerIndrykn");
    ind.GavlUdh = j.at("GavlUdh");
    ind.LegteHojde = j.at("LegteHojde");
    ind.LegteBredde = j.at("LegteBredde");
    const std::string soem = j.at("NailData");
    const auto* const raekke = std::find_if(kSoemKatalog.begin(), kSoemKatalog.end(),
                                            [&](const TNailData& n) { return n.Name == soem; });
    EXPECT_NE(raekke, kSoemKatalog.end()) << soem;
    VaelgSoem(ind, static_cast<int>(raekke - kSoemKatalog.begin()));
    EXPECT_EQ(ind.Nail, j.at("Nail").get<int>());
    ind.AlisteTykkelse = j.at("AlisteTykkelse");
    ind.UtagTykkelse = j.at("UtagTykkelse");
    ind.TagTyng = j.at("TagTyng");
    ind.TerrKat = j.at("TerrKat");
    ind.AfstVesterhav = j.at("AfstVesterhav");
    ind.CvAreal = j.at("CvAreal");
    ind.NormSneFormFak = j.at("NormSneFormFak");
    ind.SneFormFak = j.at("SneFormFak");
    ind.SneFormFakNormal = j.at("SneFormFakNormal");
    ind.SneFormFakForhojet = j.at("SneFormFakForhojet");
    ind.StyrkeKlasse = j.at("StyrkeKlasse");
    ind.Sikkl = j.at("Sikkl");
    ind.ForklaringMed = j.at("ForklaringMed");
    ind.Logfil = j.at("Logfil");
    return ind;
}

// One reference project run through the derived values and the engine at log level 2.
struct Koersel
{
    json reference;
    TInddata inddata;
    TAfledte afledte;
    TResultater resultater;
    TLogliste log{2};
    TBeregning beregning;
    TavseMeddelelser meddelelser;

    explicit Koersel(int nr)
    {
        reference = json::parse(test::LaesHeleFilen(Filnavn(nr, "json")));
        inddata = InddataFra(reference.at("Inddata"));
        afledte = BeregnAfledte(inddata, meddelelser);
        NulstilResultater(resultater);
        beregning = BeregnLaegter(inddata, afledte, resultater, log, Regionalindstillinger::Dansk(),
                                  meddelelser);
    }
};

std::string Id(const TLasttilfaelde& t)
{
    return std::to_string(t.Lastkomb) + t.Vindtilf;
}

// The fields compared, by their names in the reference files.
constexpr std::array<const char*, 23> kAfledteTalNavne{
    "TanTagVink",  "CosTagVink",   "SinTagVink", "TotalBr",       "KipHjd",  "TagfodHjd",
    "GavlAfst",    "VaegTykkelse", "LegteMidtX", "LegteEgenlast", "WNormal", "WParallel",
    "StrimmelFra", "StrimmelTil",  "Personlast", "QpKip",         "QpKipN",  "SneKarak",
    "SneLast",     "FmkGammaM",    "KmodSoem",   "Kmod9",         "GammaM"};
std::array<double, 23> AfledteTal(const TAfledte& x)
{
    return {x.TanTagVink,  x.CosTagVink,   x.SinTagVink, x.TotalBr,       x.KipHjd,  x.TagfodHjd,
            x.GavlAfst,    x.VaegTykkelse, x.LegteMidtX, x.LegteEgenlast, x.WNormal, x.WParallel,
            x.StrimmelFra, x.StrimmelTil,  x.Personlast, x.QpKip,         x.QpKipN,  x.SneKarak,
            x.SneLast,     x.FmkGammaM,    x.KmodSoem,   x.Kmod9,         x.GammaM};
}
constexpr std::array<const char*, 9> kKapacitetTalNavne{"Fra1",    "Til1",  "Fra2", "Til2", "Lef",
                                                        "FaxPrMm", "Fhead", "Fax",  "Fd"};
std::array<double, 9> KapacitetTal(const TSoemKapacitet& x)
{
    return {x.Fra1, x.Til1, x.Fra2, x.Til2, x.Lef, x.FaxPrMm, x.Fhead, x.Fax, x.Fd};
}
constexpr std::array<const char*, 9> kResultatSandtNavne{
    "NormalfagOK",         "GavlfagOK",          "GavludkragningOK",
    "DirekteFastgoerelse", "NormalspaerSoemOK",  "GavlspaerSoemOK",
    "SoemtypeOK",          "NormalfagTabel2005", "GavlfagTabel2005"};
std::array<bool, 9> ResultatSandt(const TResultater& x)
{
    return {x.NormalfagOK,         x.GavlfagOK,          x.GavludkragningOK,
            x.DirekteFastgoerelse, x.NormalspaerSoemOK,  x.GavlspaerSoemOK,
            x.SoemtypeOK,          x.NormalfagTabel2005, x.GavlfagTabel2005};
}
constexpr std::array<const char*, 8> kResultatTalNavne{
    "UdnNormalfag",      "UdnNormalfagPkt",  "UdnGavlfag",     "UdnGavlfagPkt",
    "UdnGavludkragning", "TraekNormalspaer", "TraekGavlspaer", "SoemBaereevne"};
std::array<double, 8> ResultatTal(const TResultater& x)
{
    return {x.UdnNormalfag,      x.UdnNormalfagPkt,  x.UdnGavlfag,     x.UdnGavlfagPkt,
            x.UdnGavludkragning, x.TraekNormalspaer, x.TraekGavlspaer, x.SoemBaereevne};
}
constexpr std::array<const char*, 3> kResultatHeltalNavne{"SoemantalNormalspaer",
                                                          "SoemantalGavlspaer", "SoemPlads"};
std::array<std::int32_t, 3> ResultatHeltal(const TResultater& x)
{
    return {x.SoemantalNormalspaer, x.SoemantalGavlspaer, x.SoemPlads};
}
constexpr std::array<const char*, 11> kResultatTekstNavne{
    "TekstNormalfag",      "TekstNormalfagPkt",     "TekstGavlfag",        "TekstGavlfagPkt",
    "TekstGavludkragning", "TekstTraekNormalspaer", "TekstTraekGavlspaer", "SoemNormalspaer",
    "SoemGavlspaer",       "BaereevneNormalspaer",  "BaereevneGavlspaer"};
std::array<std::string, 11> ResultatTekst(const TResultater& x)
{
    return {x.TekstNormalfag,       x.TekstNormalfagPkt,   x.TekstGavlfag,
            x.TekstGavlfagPkt,      x.TekstGavludkragning, x.TekstTraekNormalspaer,
            x.TekstTraekGavlspaer,  x.SoemNormalspaer,     x.SoemGavlspaer,
            x.BaereevneNormalspaer, x.BaereevneGavlspaer};
}
constexpr std::array<const char*, 40> kTilfaeldeTalNavne{
    "kmod",  "FzzEgen", "FyyEgen",   "FzzSne",    "FyySne", "FzzPkt", "FyyPkt", "Pd",
    "RB2zz", "RB2yy",   "RB2Justzz", "RB2Justyy", "RB1zz",  "RB1yy",  "RDzz",   "RDyy",
    "REzz",  "REyy",    "RGzz",      "RGyy",      "RDEzz",  "RDEyy",  "MB1xx",  "MB2xx",
    "MCxx",  "MFxx",    "MGxx",      "MHxx",      "MB1zz",  "MB2zz",  "MCzz",   "MFzz",
    "MGzz",  "MHzz",    "UB1",       "UB2",       "UC",     "UF",     "UG",     "UH"};
std::array<double, 40> TilfaeldeTal(const TLasttilfaelde& x)
{
    return {x.kmod,  x.FzzEgen, x.FyyEgen,   x.FzzSne,    x.FyySne, x.FzzPkt, x.FyyPkt, x.Pd,
            x.RB2zz, x.RB2yy,   x.RB2Justzz, x.RB2Justyy, x.RB1zz,  x.RB1yy,  x.RDzz,   x.RDyy,
            x.REzz,  x.REyy,    x.RGzz,      x.RGyy,      x.RDEzz,  x.RDEyy,  x.MB1xx,  x.MB2xx,
            x.MCxx,  x.MFxx,    x.MGxx,      x.MHxx,      x.MB1zz,  x.MB2zz,  x.MCzz,   x.MFzz,
            x.MGzz,  x.MHzz,    x.UB1,       x.UB2,       x.UC,     x.UF,     x.UG,     x.UH};
}

// Each named field of a record against the reference's field of that name.
template <class T, std::size_t N>
void ForventFelter(const json& j, const std::array<const char*, N>& navne,
                   const std::array<T, N>& vaerdier)
{
    for (std::size_t i = 0; i < N; ++i)
    {
        if constexpr (std::is_same_v<T, double>)
        {
            ForventNaer(navne[i], j.at(navne[i]), vaerdier[i]);
        }
        else
        {
            EXPECT_EQ(j.at(navne[i]).template get<T>(), vaerdier[i]) << navne[i];
        }
    }
}

class Referenceprojekt : public ::testing::TestWithParam<int>
{
  protected:
    void SetUp() override { koersel_ = std::make_unique<Koersel>(GetParam()); }
    [[nodiscard]] const Koersel& K() const { return *koersel_; }

  private:
    std::unique_ptr<Koersel> koersel_;
};

TEST_P(Referenceprojekt, AfledteVaerdierStemmer)
{
    const json& a = K().reference.at("Afledte");
    ForventFelter(a, kAfledteTalNavne, AfledteTal(K().afledte));
    EXPECT_EQ(a.at("StyrkeKode").get<int>(), K().afledte.StyrkeKode);
}

void SammenlignKapacitet(const char* navn, const json& j, const std::optional<TSoemKapacitet>& k)
{
    SCOPED_TRACE(navn);
    ASSERT_EQ(j.is_null(), !k.has_value());
    if (!k)
    {
        return;
    }
    ForventFelter(j, kKapacitetTalNavne, KapacitetTal(*k));
}

TEST_P(Referenceprojekt, ResultatdataStemmer)
{
    const json& j = K().reference.at("Resultatdata");
    const TResultater& r = K().resultater;
    ForventFelter(j, kResultatSandtNavne, ResultatSandt(r));
    ForventFelter(j, kResultatTalNavne, ResultatTal(r));
    ForventFelter(j, kResultatHeltalNavne, ResultatHeltal(r));
    ForventFelter(j, kResultatTekstNavne, ResultatTekst(r));
    SammenlignKapacitet("SoemDirekte", j.at("SoemDirekte"), r.SoemDirekte);
    SammenlignKapacitet("SoemAflisteSpaer", j.at("SoemAflisteSpaer"), r.SoemAflisteSpaer);
    SammenlignKapacitet("SoemLaegteAfliste", j.at("SoemLaegteAfliste"), r.SoemLaegteAfliste);
}

TEST_P(Referenceprojekt, TilfaeldeStemmer)
{
    const json& cases = K().reference.at("Cases");
    const auto& liste = K().beregning.Tilfaeldeliste;
    ASSERT_EQ(cases.size(), liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
    {
        const json& j = cases[i];
        const TLasttilfaelde& t = liste[i];
        SCOPED_TRACE("case " + j.at("Id").get<std::string>());
        EXPECT_EQ(j.at("Id").get<std::string>(), Id(t));
        EXPECT_EQ(j.at("Lastkomb").get<int>(), t.Lastkomb);
        ForventFelter(j, kTilfaeldeTalNavne, TilfaeldeTal(t));
        const json& noegler = j.at("Noegle");
        ASSERT_EQ(noegler.size(), kAntalKategorier);
        for (std::size_t k = 0; k < kAntalKategorier; ++k)
        {
            ForventNaer("Noegle " + std::to_string(k), noegler[k], t.Noegle[k]);
        }
    }
}

TEST_P(Referenceprojekt, RanglisternesHovederStemmer)
{
    const json& hoveder = K().reference.at("Heads");
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        const TLasttilfaelde* hoved = K().beregning.Hoved(k);
        ASSERT_NE(hoved, nullptr);
        EXPECT_EQ(hoveder.at(std::to_string(k)).get<std::string>(), Id(*hoved)) << "category " << k;
    }
}

TEST_P(Referenceprojekt, LoglinjerStemmerEfterDetaljer)
{
    const std::vector<std::string> fil = DelLinjer(test::LaesHeleFilen(Filnavn(GetParam(), "log")));
    const auto detaljer = std::find(fil.begin(), fil.end(), "DETALJER");
    ASSERT_NE(detaljer, fil.end());
    const std::vector<std::string> forventet(detaljer + 1, fil.end());
    const std::vector<std::string>& linjer = K().log.linjer();
    const std::size_t n = std::min(forventet.size(), linjer.size());
    int fejl = 0;
    for (std::size_t i = 0; i < n && fejl < 10; ++i)
    {
        if (forventet[i] != linjer[i])
        {
            ADD_FAILURE() << "log line " << i + 1 << "\n  reference: \"" << forventet[i]
                          << "\"\n  engine:    \"" << linjer[i] << "\"";
            ++fejl;
        }
    }
    EXPECT_EQ(forventet.size(), linjer.size());
}

INSTANTIATE_TEST_SUITE_P(Projekter, Referenceprojekt, ::testing::Range(1, 9),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Projekt" + std::to_string(info.param);
                         });

} // namespace
} // namespace taglo
