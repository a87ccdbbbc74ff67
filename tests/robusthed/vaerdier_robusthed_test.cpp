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
    const std::vector<std::string> konvertering{Konverteringsbesked(t.tekst)};
    EXPECT_EQ(Beskeder("besked"), t.konvertering ? konvertering : std::vector<std::string>{});
    EXPECT_EQ(meddelelser.liste.size(), t.konvertering ? 1U : 0U);

    meddelelser.liste.clear();
    EXPECT_EQ(BeregnOgKontroller(), t.vaerdi > 0.0);
    const std::vector<std::string> afvisning{"Huskropbredden skal være positiv"};
    EXPECT_EQ(Beskeder("fejl"), t.vaerdi > 0.0 ? std::vector<std::string>{} : afvisning);
}

INSTANTIATE_TEST_SUITE_P(
    Husbredde, TalMedEksponent,
    ::testing::Values(EksponentTilfaelde{"StortE", "8E0", 8.0, false},
                      EksponentTilfaelde{"NegativEksponentMellemBlanke", "  80e-1  ", 8.0, false},
                      EksponentTilfaelde{"FortegnOgNuller", "+8e+00", 8.0, false},
                      EksponentTilfaelde{"UdOverEnDouble", "1e400", 0.0, true},
                      EksponentTilfaelde{"UnderEnDoubleErNul", "1e-400", 0.0, false},
                      EksponentTilfaelde{"EnormEksponent", "1e99999999999999999999", 0.0, true},
                      EksponentTilfaelde{"EksponentUdenCifre", "8e", 0.0, true},
                      EksponentTilfaelde{"PunktumErIkkeDecimaltegn", "8.0e0", 0.0, true},
                      EksponentTilfaelde{"Sekstentalsnotation", "0x1p3", 0.0, true}),
    [](const auto& info) { return std::string(info.param.navn); });

// ---- "nan" and "inf" texts: never a number. In the facade overhang, which may be 0, the
// calculation runs on the 0 the text became; as a snow form factor the file is unreadable.

class NanOgInf : public FjendtligFil, public ::testing::WithParamInterface<const char*>
{};

TEST_P(NanOgInf, GiverKonverteringsbeskedenNulOgEnEndeligRapport)
{
    const std::string tekst = GetParam();
    ASSERT_TRUE(HentMedLinje(9, tekst));
    EXPECT_EQ(Beskeder("besked"), std::vector<std::string>{Konverteringsbesked(tekst)});
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditFacUdh), tekst);
    EXPECT_DOUBLE_EQ(app.Inddata().FacUdh, 0.0);
    EXPECT_TRUE(BeregnOgKontroller());

    const TVindue foer = app.Vindue();
    meddelelser.liste.clear();
    EXPECT_FALSE(HentMedLinje(25, tekst));
    EXPECT_EQ(Beskeder("fejldialog").size(), 1U) << "the load message";
    EXPECT_TRUE(app.Vindue() == foer);
}

INSTANTIATE_TEST_SUITE_P(Tekster, NanOgInf,
                         ::testing::Values("nan", "NaN", "nan(0x7ff)", "inf", "-inf", "+INF",
                                           "  -Infinity  ", "1e999"));

// ---- Negative and enormous indices in the integer lines: every choice shows an item
// that exists, and the nail is one of the catalogue's.

TEST_F(FjendtligFil, NegativeOgEnormeIndeksVaelgerPunkterDerFindes)
{
    for (const std::size_t linje : {8, 17, 21, 23, 27, 28, 29, 30, 31})
    {
        for (const char* tekst :
             {"-1", "-2147483648", "2147483647", "4000000000", "-99999999999999999999"})
        {
            SCOPED_TRACE("line " + std::to_string(linje) + ": " + tekst);
            ASSERT_TRUE(HentMedLinje(linje, tekst));
            for (const auto& valg : kValg)
            {
                EXPECT_GE(app.Vindue().Indeks(valg.valg), 0) << valg.navn;
                EXPECT_LT(app.Vindue().Indeks(valg.valg), valg.antalPunkter) << valg.navn;
            }
            EXPECT_EQ(app.Inddata().NailData,
                      &kSoemKatalog.at(static_cast<std::size_t>(app.Inddata().Nail)));
            meddelelser.liste.clear();
            EXPECT_TRUE(BeregnOgKontroller());
        }
    }
}

// ---- Enormous and vanishing values of the inputs that no check bounds from above: the
// calculation refuses them with its message or writes a report with finite numbers.

TEST_F(FjendtligFil, EkstremeVaerdierGiverAfvisningEllerEnRapportMedEndeligeTal)
{
    const struct
    {
        std::size_t linje;
        const char* tekst;
    } kVaerdier[] = {{4, "1e300"},   {4, "1,7976931348623157e308"},
                     {5, "1e300"},   {7, "1e-300"},
                     {7, "1e300"},   {9, "1e300"},
                     {10, "1e300"},  {14, "1e300"},
                     {15, "1e300"},  {15, "1e-300"},
                     {16, "1e-300"}, {18, "1e300"},
                     {19, "1e300"},  {20, "1e300"},
                     {22, "1e300"},  {24, "1e300"}};
    for (const auto& t : kVaerdier)
    {
        SCOPED_TRACE("line " + std::to_string(t.linje) + ": " + t.tekst);
        meddelelser.liste.clear();
        ASSERT_TRUE(HentMedLinje(t.linje, t.tekst));
        EXPECT_TRUE(meddelelser.liste.empty()) << "the text is a number";
        static_cast<void>(BeregnOgKontroller());
    }
}

} // namespace
} // namespace taglo::test
