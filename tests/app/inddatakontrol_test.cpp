#include "app/inddatakontrol.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace taglo
{
namespace
{
using test::PrintTo;

// Inputs of an ordinary house that pass every check.
TInddata GyldigtHus()
{
    TInddata d;
    d.HusBr = 8.0;
    d.FacHjd = 3.2;
    d.TagVink = 45.0;
    d.LegteAfst = 0.33;
    d.FacUdh = 0.5;
    d.HusLn = 15.0;
    d.NormalSpaerAfst = 0.9;
    d.GavlspaerAfst = 0.6;
    d.GavlspaerIndrykn = 0.4;
    d.GavlUdh = 0.3;
    d.LegteHojde = 38.0;
    d.LegteBredde = 73.0;
    d.AlisteTykkelse = 25.0;
    d.UtagTykkelse = 1.0;
    d.TagTyng = 0.45;
    d.AfstVesterhav = 25.0;
    d.NormSneFormFak = false;
    d.SneFormFakForhojet = 0.8;
    return d;
}

TEST(Feltkontrol, EtAlmindeligtHusAfvisesIkke)
{
    EXPECT_FALSE(FoersteAfvisning(GyldigtHus()).has_value());
    for (const auto& felt : kFelter)
    {
        EXPECT_TRUE(AfvisteKontroller(felt.felt, GyldigtHus()).empty()) << felt.navn;
    }
}

struct Afvisning
{
    const char* navn;
    Felt felt;
    std::function<void(TInddata&)> aendring;
    std::vector<std::string> beskeder;
};

class EnkeltAfvisning : public ::testing::TestWithParam<Afvisning>
{};

TEST_P(EnkeltAfvisning, GiverFeltetsBeskeder)
{
    TInddata d = GyldigtHus();
    GetParam().aendring(d);
    std::vector<std::string> beskeder;
    for (const auto& kontrol : AfvisteKontroller(GetParam().felt, d))
    {
        beskeder.emplace_back(kontrol.besked);
    }
    EXPECT_EQ(beskeder, GetParam().beskeder);
}

INSTANTIATE_TEST_SUITE_P(
    Feltkontrol, EnkeltAfvisning,
    ::testing::Values(
        Afvisning{"HusbreddeNul",
                  Felt::EditHusBr,
                  [](TInddata& d) { d.HusBr = 0.0; },
                  {"Huskropbredden skal være positiv"}},
        Afvisning{"FacadehoejdeNegativ",
                  Felt::EditFacHjd,
                  [](TInddata& d) { d.FacHjd = -1.0; },
                  {"Facadehøjden skal være positiv"}},
        Afvisning{"Tagvinkel76",
                  Felt::EditTagVink,
                  [](TInddata& d) { d.TagVink = 76.0; },
                  {"Tagvinklen skal være mellem 0 og 75 grader"}},
        Afvisning{
            "Tagvinkel75Godtages", Felt::EditTagVink, [](TInddata& d) { d.TagVink = 75.0; }, {}},
        Afvisning{
            "Tagvinkel0Godtages", Felt::EditTagVink, [](TInddata& d) { d.TagVink = 0.0; }, {}},
        Afvisning{"TagvinkelNegativ",
                  Felt::EditTagVink,
                  [](TInddata& d) { d.TagVink = -1.0; },
                  {"Tagvinklen skal være mellem 0 og 75 grader"}},
        Afvisning{"LaegteafstandLilleGiverKunAdvarsel",
                  Felt::EditLegteAfst,
                  [](TInddata& d) { d.LegteAfst = 0.05; },
                  {"Mener du det? Lægteafstanden skal normalt være større"}},
        Afvisning{"Laegteafstand01ErIOrden",
                  Felt::EditLegteAfst,
                  [](TInddata& d) { d.LegteAfst = 0.1; },
                  {}},
        Afvisning{"LaegteafstandNulGiverFejlOgAdvarsel",
                  Felt::EditLegteAfst,
                  [](TInddata& d) { d.LegteAfst = 0.0; },
                  {"Lægteafstanden skal være positiv",
                   "Mener du det? Lægteafstanden skal normalt være større"}},
        Afvisning{
            "FacadeudhaengNulErIOrden", Felt::EditFacUdh, [](TInddata& d) { d.FacUdh = 0.0; }, {}},
        Afvisning{"FacadeudhaengNegativt",
                  Felt::EditFacUdh,
                  [](TInddata& d) { d.FacUdh = -1.0; },
                  {"Facadeudhænget må ikke være negativt"}},
        Afvisning{"HuslaengdeNul",
                  Felt::EditHusLn,
                  [](TInddata& d) { d.HusLn = 0.0; },
                  {"Huskroplængden skal være positiv"}},
        Afvisning{"NormalspaerMindreEndGavlspaer",
                  Felt::EditNormalSpaerAfst,
                  [](TInddata& d) {
                      d.GavlspaerAfst = 1.2;
                      d.NormalSpaerAfst = 1.0;
                  },
                  {"Normalspærafstanden må ikke være mindre end gavlspærafstanden"}},
        Afvisning{"NormalspaerNulGiverAlleTre",
                  Felt::EditNormalSpaerAfst,
                  [](TInddata& d) { d.NormalSpaerAfst = 0.0; },
                  {"Normalspærafstanden skal være positiv",
                   "Normalspærafstanden må ikke være mindre end gavlspærafstanden",
                   "Normalspærafstanden må ikke være mindre end gavlspærindrykningen"}},
        Afvisning{"NormalspaerLigGavlspaerErIOrden",
                  Felt::EditNormalSpaerAfst,
                  [](TInddata& d) { d.NormalSpaerAfst = d.GavlspaerAfst; },
                  {}},
        Afvisning{"GavlspaerStoerreEndNormalspaer",
                  Felt::EditGavlSpaerAfst,
                  [](TInddata& d) { d.GavlspaerAfst = 1.0; },
                  {"Gavlspærafstanden må ikke være større end normalspærafstanden"}},
        Afvisning{"GavlspaerNul",
                  Felt::EditGavlSpaerAfst,
                  [](TInddata& d) { d.GavlspaerAfst = 0.0; },
                  {"Gavlspærafstanden skal være positiv"}},
        Afvisning{"IndrykningNegativ",
                  Felt::EditGavlspaerIndrykn,
                  [](TInddata& d) { d.GavlspaerIndrykn = -0.1; },
                  {"Gavlspærindrykningen må ikke være negativ"}},
        Afvisning{"IndrykningStoerreEndNormalspaer",
                  Felt::EditGavlspaerIndrykn,
                  [](TInddata& d) { d.GavlspaerIndrykn = 1.0; },
                  {"Gavlspærindrykningen må ikke være større end normalspærafstanden"}},
        Afvisning{"GavludhaengNegativt",
                  Felt::EditGavlUdh,
                  [](TInddata& d) { d.GavlUdh = -0.3; },
                  {"Gavludhænget må ikke være negativt"}},
        Afvisning{"LaegtehoejdeNul",
                  Felt::EditLegteHojde,
                  [](TInddata& d) { d.LegteHojde = 0.0; },
                  {"Lægtehøjden skal være positiv"}},
        Afvisning{"LaegtebreddeNul",
                  Felt::EditLegteBredde,
                  [](TInddata& d) { d.LegteBredde = 0.0; },
                  {"Lægtebredden skal være positiv"}},
        Afvisning{"AfstandslisteNulErIOrden",
                  Felt::EditAlisteTykkelse,
                  [](TInddata& d) { d.AlisteTykkelse = 0.0; },
                  {}},
        Afvisning{"AfstandslisteNegativ",
                  Felt::EditAlisteTykkelse,
                  [](TInddata& d) { d.AlisteTykkelse = -1.0; },
                  {"Afstandslistens tykkelse må ikke være negativ"}},
        Afvisning{"UndertagNegativt",
                  Felt::EditUtagtykkelse,
                  [](TInddata& d) { d.UtagTykkelse = -1.0; },
                  {"Undertagets tykkelse må ikke være negativ"}},
        Afvisning{"TagdaekningNegativ",
                  Felt::EditTagTyng,
                  [](TInddata& d) { d.TagTyng = -1.0; },
                  {"Tagdækningens egenvægt må ikke være negativ"}},
        Afvisning{"VesterhavNegativ",
                  Felt::EditAfstVesterhav,
                  [](TInddata& d) { d.AfstVesterhav = -1.0; },
                  {"Afstand fra Vesterhavet ell Ringk. Fjord må ikke være negativ"}},
        Afvisning{"SneformfaktorNul",
                  Felt::EditSneFormFak,
                  [](TInddata& d) { d.SneFormFakForhojet = 0.0; },
                  {"Formfaktoren for snelast må ikke være nul eller negativ"}}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(Feltkontrol, FoersteAfvisningFoelgerTabulatorraekkefoelgen)
{
    TInddata d = GyldigtHus();
    d.GavlUdh = -1.0;
    d.FacHjd = 0.0;
    const auto afvisning = FoersteAfvisning(d);
    ASSERT_TRUE(afvisning.has_value());
    EXPECT_EQ(afvisning->felt, Felt::EditFacHjd);
    EXPECT_EQ(afvisning->besked, "Facadehøjden skal være positiv");
}

TEST(Feltkontrol, AdvarslerStopperIkkeEnBeregning)
{
    TInddata d = GyldigtHus();
    d.LegteAfst = 0.05;
    EXPECT_FALSE(FoersteAfvisning(d).has_value());
}

TEST(Feltkontrol, ForhoejetSneformfaktorTaellerKunNaarDenBruges)
{
    TInddata d = GyldigtHus();
    d.SneFormFakForhojet = 0.0;
    d.NormSneFormFak = true;
    EXPECT_FALSE(FoersteAfvisning(d).has_value());
    d.NormSneFormFak = false;
    ASSERT_TRUE(FoersteAfvisning(d).has_value());
    EXPECT_EQ(FoersteAfvisning(d)->felt, Felt::EditSneFormFak);
}

TEST(GemFeltvaerdi, TagdaekningGemmesIKilonewton)
{
    TInddata d;
    GemFeltvaerdi(Felt::EditTagTyng, 250.0, d);
    EXPECT_DOUBLE_EQ(d.TagTyng, 2.5);
}

TEST(GemFeltvaerdi, ForhoejetSneformfaktorBrugesStraks)
{
    TInddata d;
    d.SneFormFak = 0.4;
    GemFeltvaerdi(Felt::EditSneFormFak, 1.6, d);
    EXPECT_DOUBLE_EQ(d.SneFormFakForhojet, 1.6);
    EXPECT_DOUBLE_EQ(d.SneFormFak, 1.6);
}

TEST(GemFeltvaerdi, HvertTalfeltHarSitEgetInddatafelt)
{
    struct Felthenvisning
    {
        Felt felt;
        double TInddata::*inddatafelt;
    };
    constexpr std::array<Felthenvisning, 15> kFelter{{
        {Felt::EditHusBr, &TInddata::HusBr},
        {Felt::EditFacHjd, &TInddata::FacHjd},
        {Felt::EditTagVink, &TInddata::TagVink},
        {Felt::EditLegteAfst, &TInddata::LegteAfst},
        {Felt::EditFacUdh, &TInddata::FacUdh},
        {Felt::EditHusLn, &TInddata::HusLn},
        {Felt::EditNormalSpaerAfst, &TInddata::NormalSpaerAfst},
        {Felt::EditGavlSpaerAfst, &TInddata::GavlspaerAfst},
        {Felt::EditGavlspaerIndrykn, &TInddata::GavlspaerIndrykn},
        {Felt::EditGavlUdh, &TInddata::GavlUdh},
        {Felt::EditLegteHojde, &TInddata::LegteHojde},
        {Felt::EditLegteBredde, &TInddata::LegteBredde},
        {Felt::EditAlisteTykkelse, &TInddata::AlisteTykkelse},
        {Felt::EditUtagtykkelse, &TInddata::UtagTykkelse},
        {Felt::EditAfstVesterhav, &TInddata::AfstVesterhav},
    }};
    for (const auto& [felt, inddatafelt] : kFelter)
    {
        TInddata d;
        GemFeltvaerdi(felt, 7.0, d);
        EXPECT_DOUBLE_EQ(d.*inddatafelt, 7.0) << Beskrivelse(felt).navn;
    }
}

} // namespace
} // namespace taglo
