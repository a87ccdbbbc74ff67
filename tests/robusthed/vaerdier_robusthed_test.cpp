// Hostile values in a project file: numbers with exponents, "nan" and "inf" texts,
// negative and enormous indices, and enormous or vanishing lengths and loads. Each line
// is read to a defined value or gives the program's message, and the calculation then
// either refuses the inputs with its message or writes a report with finite numbers only.
#include "fjendtlig_fil.h"

#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace taglo::test
{
namespace
{
using test::PrintTo;

// ---- Numbers with exponents, in the house width (line 4).

struct EksponentTilfaelde
{
    const char* navn;
    const char* tekst;
    double vaerdi;     // HusBr after reading
    bool konvertering; // the conversion message is shown
};

class TalMedEksponent : public FjendtligFil,
                        public ::testing::WithParamInterface<EksponentTilfaelde>
{};

TEST_P(TalMedEksponent, LaesesTilTalletEllerGiverKonverteringsbeskeden)
{
    const auto& t = GetParam();
    ASSERT_TRUE(HentMedLinje(4, t.tekst));
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, t.vaerdi);
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), t.tekst) << "the field keeps the line's text";
    ForventKonverteringsbesked(t.konvertering, t.tekst);
    EXPECT_EQ(meddelelser.liste.size(), t.konvertering ? 1U : 0U);

    meddelelser.liste.clear();
    EXPECT_EQ(BeregnOgKontroller(), t.vaerdi > 0.0);
    const std::vector<std::string> afvisning{"Huskropbredden skal være positiv"};
    EXPECT_EQ(Beskeder("fejl"), t.vaerdi > 0.0 ? std::vector<std::string>{} : afvisning);
}

INSTANTIATE_TEST_SUITE_P(
    Husbredde, TalMedEksponent,
    ::testing::Values(EksponentTilfaelde{"StortE", "8E0", 8.0, false},
                      EksponentTilfaelde{"LilleEEfterKomma", "0,8e1", 8.0, false},
                      EksponentTilfaelde{"NegativEksponentMellemBlanke", "  80e-1  ", 8.0, false},
                      EksponentTilfaelde{"FortegnOgNuller", "+8e+00", 8.0, false},
                      EksponentTilfaelde{"Hundrededel", "1E-2", 0.01, false},
                      EksponentTilfaelde{"UdOverEnDouble", "1e400", 0.0, true},
                      EksponentTilfaelde{"UnderEnDoubleErNul", "1e-400", 0.0, false},
                      EksponentTilfaelde{"EnormEksponent", "1e99999999999999999999", 0.0, true},
                      EksponentTilfaelde{"EnormNegativEksponentErNul", "1e-99999999999999999999",
                                         0.0, false},
                      EksponentTilfaelde{"EksponentUdenCifre", "8e", 0.0, true},
                      EksponentTilfaelde{"EksponentMedKomma", "8,00E2,0", 0.0, true},
                      EksponentTilfaelde{"PunktumErIkkeDecimaltegn", "8.0e0", 0.0, true},
                      EksponentTilfaelde{"EksponentUdenTal", "e5", 0.0, true},
                      EksponentTilfaelde{"Sekstentalsnotation", "0x1p3", 0.0, true}),
    [](const auto& info) { return std::string(info.param.navn); });

// ---- "nan" and "inf" texts: never a number.

struct IkkeTalTilfaelde
{
    const char* navn;
    const char* tekst;
};

class NanOgInf : public FjendtligFil, public ::testing::WithParamInterface<IkkeTalTilfaelde>
{};

// The facade overhang may be 0, so the calculation runs on the value the text became.
TEST_P(NanOgInf, IEtFeltGiverKonverteringsbeskedenNulOgEnEndeligRapport)
{
    const auto& t = GetParam();
    ASSERT_TRUE(HentMedLinje(9, t.tekst));
    EXPECT_EQ(Beskeder("besked"), std::vector<std::string>{Konverteringsbesked(t.tekst)});
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditFacUdh), t.tekst);
    EXPECT_DOUBLE_EQ(app.Inddata().FacUdh, 0.0);
    EXPECT_TRUE(BeregnOgKontroller());
}

TEST_P(NanOgInf, SomSnefaktorGoerFilenUlaeselig)
{
    const auto& t = GetParam();
    EXPECT_FALSE(HentMedLinje(25, t.tekst));
    ForventHentebeskedOgUaendret(projektfil);
}

INSTANTIATE_TEST_SUITE_P(
    Tekster, NanOgInf,
    ::testing::Values(IkkeTalTilfaelde{"nan", "nan"}, IkkeTalTilfaelde{"NaN", "NaN"},
                      IkkeTalTilfaelde{"NAN", "NAN"}, IkkeTalTilfaelde{"NanMedLast", "nan(0x7ff)"},
                      IkkeTalTilfaelde{"inf", "inf"}, IkkeTalTilfaelde{"MinusInf", "-inf"},
                      IkkeTalTilfaelde{"PlusINF", "+INF"}, IkkeTalTilfaelde{"Infinity", "Infinity"},
                      IkkeTalTilfaelde{"MinusInfinity", "  -Infinity  "},
                      IkkeTalTilfaelde{"Uendelig", "1e999"}),
    [](const auto& info) { return std::string(info.param.navn); });

// ---- Negative and enormous indices in the integer lines.

struct IndeksTilfaelde
{
    const char* navn;
    std::size_t linje;
    const char* tekst;
    int (*valgt)(const TApplikation&); // the item the line selected
    int forventet;
    bool advarsel; // the nail warning is shown
};

int Soem(const TApplikation& app)
{
    EXPECT_EQ(app.Vindue().ComboBoxNail, app.Inddata().Nail) << "the list shows the nail";
    EXPECT_EQ(app.Inddata().NailData,
              &kSoemKatalog.at(static_cast<std::size_t>(app.Inddata().Nail)));
    return app.Inddata().Nail;
}
int Dublering(const TApplikation& app)
{
    return app.Vindue().Indeks(Valg::RadioGroupDublLegter);
}
int Terraen(const TApplikation& app)
{
    EXPECT_EQ(app.Inddata().TerrKat, app.Vindue().Indeks(Valg::RadioGroupTerrKat));
    return app.Inddata().TerrKat;
}
int Styrkeklasse(const TApplikation& app)
{
    EXPECT_EQ(app.Inddata().StyrkeKlasse, app.Vindue().Indeks(Valg::RadioGroupStyrkeKlasse));
    return app.Inddata().StyrkeKlasse;
}
int Konsekvensklasse(const TApplikation& app)
{
    EXPECT_EQ(app.Inddata().Sikkl, app.Vindue().Indeks(Valg::RadioGroupSikkl));
    return app.Inddata().Sikkl;
}
int Logfil(const TApplikation& app)
{
    EXPECT_EQ(app.Inddata().Logfil, app.Vindue().Indeks(Valg::RadioGroupLogfil));
    EXPECT_EQ(app.Vindue().ResultatomfangSynlig, app.Inddata().Logfil > 0);
    return app.Inddata().Logfil;
}

class Indeks : public FjendtligFil, public ::testing::WithParamInterface<IndeksTilfaelde>
{};

TEST_P(Indeks, VaelgerEtPunktDerFindesOgRapportenErEndelig)
{
    const auto& t = GetParam();
    ASSERT_TRUE(HentMedLinje(t.linje, t.tekst));
    EXPECT_EQ(t.valgt(app), t.forventet);
    const std::vector<std::string> advarsel{
        "Sømtype er ikke valgt. Første søm på listen forudsættes"};
    EXPECT_EQ(Beskeder("advarsel"), t.advarsel ? advarsel : std::vector<std::string>{});
    EXPECT_EQ(meddelelser.liste.size(), t.advarsel ? 1U : 0U);
    EXPECT_TRUE(BeregnOgKontroller());
}

INSTANTIATE_TEST_SUITE_P(
    Linjer, Indeks,
    ::testing::Values(
        IndeksTilfaelde{"SoemMinusEt", 17, "-1", Soem, 0, true},
        IndeksTilfaelde{"SoemMindsteHeltal", 17, "-2147483648", Soem, 0, true},
        IndeksTilfaelde{"SoemStoersteHeltal", 17, "2147483647", Soem, 9, false},
        IndeksTilfaelde{"SoemFyrre", 17, "40", Soem, 9, false},
        IndeksTilfaelde{"SoemUdOver32BitErStandard", 17, "2147483648", Soem, 5, false},
        IndeksTilfaelde{"SoemNegativtUdOver32BitErStandard", 17, "-99999999999999999999", Soem, 5,
                        false},
        IndeksTilfaelde{"DubleringStoersteHeltal", 8, "2147483647", Dublering, 1, false},
        IndeksTilfaelde{"TerraenMinusEtErStandard", 21, "-1", Terraen, 1, false},
        IndeksTilfaelde{"TerraenStoersteHeltal", 21, "2147483647", Terraen, 3, false},
        IndeksTilfaelde{"StyrkeklasseMindsteHeltalErStandard", 28, "-2147483648", Styrkeklasse, 0,
                        false},
        IndeksTilfaelde{"StyrkeklasseEnorm", 28, "  77777", Styrkeklasse, 2, false},
        IndeksTilfaelde{"KonsekvensklasseUdOver32BitErStandard", 29, "4000000000", Konsekvensklasse,
                        0, false},
        IndeksTilfaelde{"LogfilNegativErIngen", 31, "-7", Logfil, 0, false},
        IndeksTilfaelde{"LogfilEnormErDetaljeret", 31, "1000000", Logfil, 2, false}),
    [](const auto& info) { return std::string(info.param.navn); });

// ---- Enormous and vanishing values of the inputs that no check bounds from above.

struct VaerdiTilfaelde
{
    const char* navn;
    std::size_t linje;
    const char* tekst;
};

class EkstremVaerdi : public FjendtligFil, public ::testing::WithParamInterface<VaerdiTilfaelde>
{};

TEST_P(EkstremVaerdi, GiverAfvisningEllerEnRapportMedEndeligeTal)
{
    const auto& t = GetParam();
    ASSERT_TRUE(HentMedLinje(t.linje, t.tekst));
    EXPECT_TRUE(Beskeder("besked").empty()) << "the text is a number";
    meddelelser.liste.clear();
    static_cast<void>(BeregnOgKontroller());
}

INSTANTIATE_TEST_SUITE_P(
    Inddata, EkstremVaerdi,
    ::testing::Values(VaerdiTilfaelde{"EnormHusbredde", 4, "1e300"},
                      VaerdiTilfaelde{"StoersteDoubleSomHusbredde", 4, "1,7976931348623157e308"},
                      VaerdiTilfaelde{"EnormFacadehoejde", 5, "1e300"},
                      VaerdiTilfaelde{"ForsvindendeLaegteafstand", 7, "1e-300"},
                      VaerdiTilfaelde{"EnormLaegteafstand", 7, "1e300"},
                      VaerdiTilfaelde{"EnormtFacadeudhaeng", 9, "1e300"},
                      VaerdiTilfaelde{"EnormHuslaengde", 10, "1e300"},
                      VaerdiTilfaelde{"EnormGavludhaeng", 14, "1e300"},
                      VaerdiTilfaelde{"EnormLaegtehoejde", 15, "1e300"},
                      VaerdiTilfaelde{"ForsvindendeLaegtehoejde", 15, "1e-300"},
                      VaerdiTilfaelde{"EnormLaegtebredde", 16, "1e300"},
                      VaerdiTilfaelde{"ForsvindendeLaegtebredde", 16, "1e-300"},
                      VaerdiTilfaelde{"EnormAfstandsliste", 18, "1e300"},
                      VaerdiTilfaelde{"EnormtUndertag", 19, "1e300"},
                      VaerdiTilfaelde{"EnormTagvaegt", 20, "1e300"},
                      VaerdiTilfaelde{"EnormAfstandTilVesterhavet", 22, "1e300"},
                      VaerdiTilfaelde{"EnormSnefaktorIBrug", 24, "1e300"}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo::test
