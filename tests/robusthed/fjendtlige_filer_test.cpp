// The hostile project files through the load command and the calculation run.
#include "fjendtlig_fil.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace taglo::test
{
namespace
{

class FjendtligProjektfil : public FjendtligFil,
                            public ::testing::WithParamInterface<FjendtligFilTilfaelde>
{};

// Reading takes memory bounded by the 31 lines of 4096 bytes it looks at; a failed load
// changes nothing; a loaded file gives choices that exist and a defined verdict.
TEST_P(FjendtligProjektfil, GiverHentebeskedenEllerEtDefineretResultat)
{
    const auto& t = GetParam();
    const std::string sti = SkrivFil("fjendtlig.tgl", t.bytes());
    const TVindue standardvindue = app.Vindue();
    NulstilStoersteAllokering();
    const bool hentet = app.HentProjektdata(sti);
    EXPECT_LT(StoersteAllokering(), kMegabyte);
    if (t.dom == Dom::Ulaeselig)
    {
        EXPECT_FALSE(hentet);
        const auto vist = Vist();
        ASSERT_EQ(vist.size(), 1U);
        EXPECT_EQ(vist[0].art, "fejldialog");
        EXPECT_TRUE(vist[0].tekst.starts_with(
            "Uventet fejl: Programmet kan ikke hente inddata fra " + sti + ".\r\n" + t.aarsag))
            << vist[0].tekst;
        EXPECT_EQ(app.Vindue(), standardvindue) << "a failed load changed the window";
        EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0) << "a failed load changed the inputs";
        EXPECT_TRUE(BeregnOgKontroller()) << "the default inputs are still there to calculate";
        return;
    }
    ASSERT_TRUE(hentet);
    for (const auto& valg : kValg)
    {
        EXPECT_GE(app.Vindue().Indeks(valg.valg), 0) << valg.navn;
        EXPECT_LT(app.Vindue().Indeks(valg.valg), valg.antalPunkter) << valg.navn;
    }
    EXPECT_EQ(app.Inddata().NailData,
              &kSoemKatalog.at(static_cast<std::size_t>(app.Inddata().Nail)));
    const bool beregnet = BeregnOgKontroller();
    if (t.dom != Dom::AfvistEllerBeregnet)
    {
        EXPECT_EQ(beregnet, t.dom == Dom::Beregnet);
    }
}

INSTANTIATE_TEST_SUITE_P(Filer, FjendtligProjektfil, ::testing::ValuesIn(kFjendtligeFiler),
                         NavnPaa);

// A line is read from its first 4096 bytes; a text is kept to its input's length.
TEST_F(FjendtligFil, LangeLinjerSkaeresVed4096Bytes)
{
    ASSERT_TRUE(Hent(SomFil(LangeLinjer(10000))));
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditProjektnavn).size(), 4096U);
    EXPECT_EQ(app.Inddata().Projektnavn.str(), std::string(70, 'P'));
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0);
    EXPECT_EQ(Vist(), Meddelelser{Konverteringsbesked(std::string(4096, '3'))});
    EXPECT_EQ(app.Inddata().Nail, 5) << "the default nail";
}

// Each byte is one Windows-1252 character: Ã ¥ for å, Ã ¸ for ø, â € ” for the dash.
TEST_F(FjendtligFil, Utf8TekstLaesesTegnForTegnSomWindows1252)
{
    auto linjer = StandardLinjer(1, "T\xC3\xA5rnh\xC3\xB8j \xE2\x80\x94 sag 7");
    linjer[1] = "\x81\x8D\x8F\x90\x9D"; // bytes that Windows-1252 leaves undefined
    linjer[3] = "8,00\xC2\xA0";         // a UTF-8 no-break space after the number
    ASSERT_TRUE(Hent(SomFil(linjer)));
    EXPECT_EQ(app.Inddata().Projektnavn.str(), "TÃ¥rnhÃ¸j â€” sag 7");
    EXPECT_EQ(app.Inddata().Bygningsdel.str(), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Vist(), Meddelelser{Konverteringsbesked("8,00Â\u00A0")});
}

TEST_F(FjendtligFil, KunCRSomLinjeskiftLaesesSomCRLF)
{
    auto linjer = StandardLinjer(4, "     11,45");
    linjer[16] = " 3";
    ASSERT_TRUE(Hent(SomFil(linjer, "\r\n")));
    const TVindue medCRLF = app.Vindue();
    ASSERT_TRUE(Hent(SomFil(linjer, "\r")));
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(app.Vindue(), medCRLF);
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.45);
    EXPECT_EQ(app.Inddata().Nail, 3);
}

TEST_F(FjendtligFil, TalMedEksponentLaesesTilTalletEllerGiverKonverteringsbeskeden)
{
    const std::tuple<const char*, double, bool> kTal[] = {
        {"8E0", 8.0, false},   {"  80e-1  ", 8.0, false}, {"+8e+00", 8.0, false},
        {"1e400", 0.0, true},  {"1e-400", 0.0, false},    {"8e", 0.0, true},
        {"8,0e0", 8.0, false}, {"0x1p3", 0.0, true}}; // the text, its value, no number
    for (const auto& [tekst, vaerdi, konvertering] : kTal)
    {
        ASSERT_TRUE(Hent(SomFil(StandardLinjer(4, tekst)))) << tekst;
        EXPECT_DOUBLE_EQ(app.Inddata().HusBr, vaerdi) << tekst;
        EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), tekst) << "the field keeps the line";
        EXPECT_EQ(Vist(), konvertering ? Meddelelser{Konverteringsbesked(tekst)} : Meddelelser{});
    }
}

} // namespace
} // namespace taglo::test
