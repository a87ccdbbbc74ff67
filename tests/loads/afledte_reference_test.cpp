// BeregnAfledte against the derived values of the eight reference projects, computed
// independently of this code.
#include "loads/afledte.h"

#include "core/soemkatalog.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <string>

namespace taglo
{
namespace
{

using nlohmann::json;

constexpr double kRelativTol = 1e-12;

TInddata InddataFraJson(const json& j)
{
    TInddata ind;
    ind.Projektnavn = j.at("Projektnavn").get<std::string>();
    ind.Bygningsdel = j.at("Bygningsdel").get<std::string>();
    ind.Medarb = j.at("Medarb").get<std::string>();
    ind.HusBr = j.at("HusBr").get<double>();
    ind.FacHjd = j.at("FacHjd").get<double>();
    ind.TagVink = j.at("TagVink").get<double>();
    ind.LegteAfst = j.at("LegteAfst").get<double>();
    ind.DublLegter = j.at("DublLegter").get<bool>();
    ind.FacUdh = j.at("FacUdh").get<double>();
    ind.HusLn = j.at("HusLn").get<double>();
    ind.NormalSpaerAfst = j.at("NormalSpaerAfst").get<double>();
    ind.GavlspaerAfst = j.at("GavlspaerAfst").get<double>();
    ind.GavlspaerIndrykn = j.at("GavlspaerIndrykn").get<double>();
    ind.GavlUdh = j.at("GavlUdh").get<double>();
    ind.LegteHojde = j.at("LegteHojde").get<double>();
    ind.LegteBredde = j.at("LegteBredde").get<double>();
    const std::string soem = j.at("NailData").get<std::string>();
    int soemIndeks = -1;
    for (std::size_t i = 0; i < kSoemKatalog.size(); ++i)
    {
        if (kSoemKatalog.at(i).Name == soem)
        {
            soemIndeks = static_cast<int>(i);
        }
    }
    EXPECT_GE(soemIndeks, 0) << soem;
    EXPECT_EQ(soemIndeks, j.at("Nail").get<int>());
    VaelgSoem(ind, soemIndeks);
    ind.AlisteTykkelse = j.at("AlisteTykkelse").get<double>();
    ind.UtagTykkelse = j.at("UtagTykkelse").get<double>();
    ind.TagTyng = j.at("TagTyng").get<double>();
    ind.TerrKat = j.at("TerrKat").get<int>();
    ind.AfstVesterhav = j.at("AfstVesterhav").get<double>();
    ind.CvAreal = j.at("CvAreal").get<bool>();
    ind.NormSneFormFak = j.at("NormSneFormFak").get<bool>();
    ind.SneFormFak = j.at("SneFormFak").get<double>();
    ind.SneFormFakNormal = j.at("SneFormFakNormal").get<double>();
    ind.SneFormFakForhojet = j.at("SneFormFakForhojet").get<double>();
    ind.StyrkeKlasse = j.at("StyrkeKlasse").get<int>();
    ind.Sikkl = j.at("Sikkl").get<int>();
    ind.ForklaringMed = j.at("ForklaringMed").get<bool>();
    ind.Logfil = j.at("Logfil").get<int>();
    return ind;
}

// The derived values compared, by their names in the reference files.
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

void ForventTal(const json& forventet, const char* felt, double faktisk)
{
    const double f = forventet.at(felt).get<double>();
    EXPECT_NEAR(faktisk, f, kRelativTol * std::abs(f)) << felt;
}

class ReferenceProjekt : public ::testing::TestWithParam<int>
{};

TEST_P(ReferenceProjekt, AfledteSomDenUafhaengigeBeregning)
{
    const int nr = GetParam();
    const std::string navn =
        "/projekt" + std::string(nr < 10 ? "0" : "") + std::to_string(nr) + ".json";
    const std::string indhold = test::LaesHeleFilen(test::ReferenceMappe() + navn);
    ASSERT_FALSE(indhold.empty()) << navn;
    const json projekt = json::parse(indhold);

    test::OptagneMeddelelser m;
    const TAfledte a = BeregnAfledte(InddataFraJson(projekt.at("Inddata")), m);
    EXPECT_TRUE(m.liste.empty());

    const json& f = projekt.at("AfledteFromBeregnAfledte");
    const std::array<double, kAfledteTalNavne.size()> tal = AfledteTal(a);
    for (std::size_t i = 0; i < tal.size(); ++i)
    {
        ForventTal(f, kAfledteTalNavne.at(i), tal.at(i));
    }
    EXPECT_EQ(a.StyrkeKode, f.at("StyrkeKode").get<int>());
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceProjekt, ::testing::Range(1, 9));

} // namespace
} // namespace taglo
