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
#include <cmath>
#include <string>
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
    const TAfledte& afl = K().afledte;
    ForventNaer("TanTagVink", a.at("TanTagVink"), afl.TanTagVink);
    ForventNaer("CosTagVink", a.at("CosTagVink"), afl.CosTagVink);
    ForventNaer("SinTagVink", a.at("SinTagVink"), afl.SinTagVink);
    ForventNaer("TotalBr", a.at("TotalBr"), afl.TotalBr);
    ForventNaer("KipHjd", a.at("KipHjd"), afl.KipHjd);
    ForventNaer("TagfodHjd", a.at("TagfodHjd"), afl.TagfodHjd);
    ForventNaer("GavlAfst", a.at("GavlAfst"), afl.GavlAfst);
    ForventNaer("VaegTykkelse", a.at("VaegTykkelse"), afl.VaegTykkelse);
    ForventNaer("LegteMidtX", a.at("LegteMidtX"), afl.LegteMidtX);
    ForventNaer("LegteEgenlast", a.at("LegteEgenlast"), afl.LegteEgenlast);
    ForventNaer("WNormal", a.at("WNormal"), afl.WNormal);
    ForventNaer("WParallel", a.at("WParallel"), afl.WParallel);
    ForventNaer("StrimmelFra", a.at("StrimmelFra"), afl.StrimmelFra);
    ForventNaer("StrimmelTil", a.at("StrimmelTil"), afl.StrimmelTil);
    ForventNaer("Personlast", a.at("Personlast"), afl.Personlast);
    ForventNaer("QpKip", a.at("QpKip"), afl.QpKip);
    ForventNaer("QpKipN", a.at("QpKipN"), afl.QpKipN);
    ForventNaer("SneKarak", a.at("SneKarak"), afl.SneKarak);
    ForventNaer("SneLast", a.at("SneLast"), afl.SneLast);
    ForventNaer("FmkGammaM", a.at("FmkGammaM"), afl.FmkGammaM);
    ForventNaer("KmodSoem", a.at("KmodSoem"), afl.KmodSoem);
    ForventNaer("Kmod9", a.at("Kmod9"), afl.Kmod9);
    ForventNaer("GammaM", a.at("GammaM"), afl.GammaM);
    EXPECT_EQ(a.at("StyrkeKode").get<int>(), afl.StyrkeKode);
}

void SammenlignKapacitet(const char* navn, const json& j, const std::optional<TSoemKapacitet>& k)
{
    SCOPED_TRACE(navn);
    ASSERT_EQ(j.is_null(), !k.has_value());
    if (!k)
    {
        return;
    }
    ForventNaer("Fra1", j.at("Fra1"), k->Fra1);
    ForventNaer("Til1", j.at("Til1"), k->Til1);
    ForventNaer("Fra2", j.at("Fra2"), k->Fra2);
    ForventNaer("Til2", j.at("Til2"), k->Til2);
    ForventNaer("Lef", j.at("Lef"), k->Lef);
    ForventNaer("FaxPrMm", j.at("FaxPrMm"), k->FaxPrMm);
    ForventNaer("Fhead", j.at("Fhead"), k->Fhead);
    ForventNaer("Fax", j.at("Fax"), k->Fax);
    ForventNaer("Fd", j.at("Fd"), k->Fd);
}

TEST_P(Referenceprojekt, ResultatdataStemmer)
{
    const json& j = K().reference.at("Resultatdata");
    const TResultater& r = K().resultater;
    EXPECT_EQ(j.at("NormalfagOK").get<bool>(), r.NormalfagOK);
    EXPECT_EQ(j.at("GavlfagOK").get<bool>(), r.GavlfagOK);
    EXPECT_EQ(j.at("GavludkragningOK").get<bool>(), r.GavludkragningOK);
    EXPECT_EQ(j.at("DirekteFastgoerelse").get<bool>(), r.DirekteFastgoerelse);
    EXPECT_EQ(j.at("NormalspaerSoemOK").get<bool>(), r.NormalspaerSoemOK);
    EXPECT_EQ(j.at("GavlspaerSoemOK").get<bool>(), r.GavlspaerSoemOK);
    EXPECT_EQ(j.at("SoemtypeOK").get<bool>(), r.SoemtypeOK);
    EXPECT_EQ(j.at("NormalfagTabel2005").get<bool>(), r.NormalfagTabel2005);
    EXPECT_EQ(j.at("GavlfagTabel2005").get<bool>(), r.GavlfagTabel2005);
    ForventNaer("UdnNormalfag", j.at("UdnNormalfag"), r.UdnNormalfag);
    ForventNaer("UdnNormalfagPkt", j.at("UdnNormalfagPkt"), r.UdnNormalfagPkt);
    ForventNaer("UdnGavlfag", j.at("UdnGavlfag"), r.UdnGavlfag);
    ForventNaer("UdnGavlfagPkt", j.at("UdnGavlfagPkt"), r.UdnGavlfagPkt);
    ForventNaer("UdnGavludkragning", j.at("UdnGavludkragning"), r.UdnGavludkragning);
    ForventNaer("TraekNormalspaer", j.at("TraekNormalspaer"), r.TraekNormalspaer);
    ForventNaer("TraekGavlspaer", j.at("TraekGavlspaer"), r.TraekGavlspaer);
    EXPECT_EQ(j.at("SoemantalNormalspaer").get<int>(), r.SoemantalNormalspaer);
    EXPECT_EQ(j.at("SoemantalGavlspaer").get<int>(), r.SoemantalGavlspaer);
    EXPECT_EQ(j.at("SoemPlads").get<int>(), r.SoemPlads);
    ForventNaer("SoemBaereevne", j.at("SoemBaereevne"), r.SoemBaereevne);
    EXPECT_EQ(j.at("TekstNormalfag").get<std::string>(), r.TekstNormalfag);
    EXPECT_EQ(j.at("TekstNormalfagPkt").get<std::string>(), r.TekstNormalfagPkt);
    EXPECT_EQ(j.at("TekstGavlfag").get<std::string>(), r.TekstGavlfag);
    EXPECT_EQ(j.at("TekstGavlfagPkt").get<std::string>(), r.TekstGavlfagPkt);
    EXPECT_EQ(j.at("TekstGavludkragning").get<std::string>(), r.TekstGavludkragning);
    EXPECT_EQ(j.at("TekstTraekNormalspaer").get<std::string>(), r.TekstTraekNormalspaer);
    EXPECT_EQ(j.at("TekstTraekGavlspaer").get<std::string>(), r.TekstTraekGavlspaer);
    EXPECT_EQ(j.at("SoemNormalspaer").get<std::string>(), r.SoemNormalspaer);
    EXPECT_EQ(j.at("SoemGavlspaer").get<std::string>(), r.SoemGavlspaer);
    EXPECT_EQ(j.at("BaereevneNormalspaer").get<std::string>(), r.BaereevneNormalspaer);
    EXPECT_EQ(j.at("BaereevneGavlspaer").get<std::string>(), r.BaereevneGavlspaer);
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
        ForventNaer("kmod", j.at("kmod"), t.kmod);
        ForventNaer("FzzEgen", j.at("FzzEgen"), t.FzzEgen);
        ForventNaer("FyyEgen", j.at("FyyEgen"), t.FyyEgen);
        ForventNaer("FzzSne", j.at("FzzSne"), t.FzzSne);
        ForventNaer("FyySne", j.at("FyySne"), t.FyySne);
        ForventNaer("FzzPkt", j.at("FzzPkt"), t.FzzPkt);
        ForventNaer("FyyPkt", j.at("FyyPkt"), t.FyyPkt);
        ForventNaer("Pd", j.at("Pd"), t.Pd);
        ForventNaer("RB2zz", j.at("RB2zz"), t.RB2zz);
        ForventNaer("RB2yy", j.at("RB2yy"), t.RB2yy);
        ForventNaer("RB2Justzz", j.at("RB2Justzz"), t.RB2Justzz);
        ForventNaer("RB2Justyy", j.at("RB2Justyy"), t.RB2Justyy);
        ForventNaer("RB1zz", j.at("RB1zz"), t.RB1zz);
        ForventNaer("RB1yy", j.at("RB1yy"), t.RB1yy);
        ForventNaer("RDzz", j.at("RDzz"), t.RDzz);
        ForventNaer("RDyy", j.at("RDyy"), t.RDyy);
        ForventNaer("REzz", j.at("REzz"), t.REzz);
        ForventNaer("REyy", j.at("REyy"), t.REyy);
        ForventNaer("RGzz", j.at("RGzz"), t.RGzz);
        ForventNaer("RGyy", j.at("RGyy"), t.RGyy);
        ForventNaer("RDEzz", j.at("RDEzz"), t.RDEzz);
        ForventNaer("RDEyy", j.at("RDEyy"), t.RDEyy);
        ForventNaer("MB1xx", j.at("MB1xx"), t.MB1xx);
        ForventNaer("MB2xx", j.at("MB2xx"), t.MB2xx);
        ForventNaer("MCxx", j.at("MCxx"), t.MCxx);
        ForventNaer("MFxx", j.at("MFxx"), t.MFxx);
        ForventNaer("MGxx", j.at("MGxx"), t.MGxx);
        ForventNaer("MHxx", j.at("MHxx"), t.MHxx);
        ForventNaer("MB1zz", j.at("MB1zz"), t.MB1zz);
        ForventNaer("MB2zz", j.at("MB2zz"), t.MB2zz);
        ForventNaer("MCzz", j.at("MCzz"), t.MCzz);
        ForventNaer("MFzz", j.at("MFzz"), t.MFzz);
        ForventNaer("MGzz", j.at("MGzz"), t.MGzz);
        ForventNaer("MHzz", j.at("MHzz"), t.MHzz);
        ForventNaer("UB1", j.at("UB1"), t.UB1);
        ForventNaer("UB2", j.at("UB2"), t.UB2);
        ForventNaer("UC", j.at("UC"), t.UC);
        ForventNaer("UF", j.at("UF"), t.UF);
        ForventNaer("UG", j.at("UG"), t.UG);
        ForventNaer("UH", j.at("UH"), t.UH);
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
