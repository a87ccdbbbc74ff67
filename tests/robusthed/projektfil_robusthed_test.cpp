// Hostile project files through the load command and the calculation run: empty, short,
// garbage, binary noise, huge, long lines, the wrong character set and bare CR line ends.
// Each gives the program's message or a defined result, and never a crash, a hang, a
// value that is not finite in the report, or memory that grows with the file.
#include "allokering.h"
#include "fjendtlig_fil.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace taglo::test
{
namespace
{

// No single request for memory while reading a file may come near the size of a large
// file: reading is bounded by the 31 lines of 4096 bytes it looks at.
constexpr std::size_t kStoersteAllokeringVedLaesning = kMegabyte;

std::string TrediveLinjer()
{
    auto linjer = StandardLinjer();
    linjer.pop_back();
    return SomFil(linjer);
}

// Files that cannot be read give the load message, change nothing, and the default
// inputs can still be calculated.
TEST_F(FjendtligFil, UlaeseligFilGiverHentebeskedenOgAendrerIntet)
{
    const struct
    {
        const char* navn;
        std::string bytes;
    } kFiler[] = {{"tom", ""},
                  {"30 linjer", TrediveLinjer()},
                  {"31 linjer affald", SomFil(std::vector<std::string>(31, "#!%&/()=?` ,.;: <>"))},
                  {"binaert stoej", BinaertStoej(1, 64 * std::size_t{1024})}};
    for (const auto& fil : kFiler)
    {
        SCOPED_TRACE(fil.navn);
        meddelelser.liste.clear();
        EXPECT_FALSE(Hent(fil.bytes));
        ForventHentebeskedOgUaendret(projektfil);
    }
    for (unsigned froe = 2; froe <= 20; ++froe)
    {
        SCOPED_TRACE("noise seed " + std::to_string(froe));
        meddelelser.liste.clear();
        EXPECT_FALSE(Hent(BinaertStoej(froe, 64 * std::size_t{1024})));
        ForventHentebeskedOgUaendret(projektfil);
    }
    for (const auto& sti : {mappe.Sti(""), mappe.Sti("findes-ikke.tgl")})
    {
        meddelelser.liste.clear();
        EXPECT_FALSE(app.HentProjektdata(sti));
        ForventHentebeskedOgUaendret(sti);
    }
    meddelelser.liste.clear();
    EXPECT_TRUE(BeregnOgKontroller()) << "the default inputs are still there to calculate";
}

TEST_F(FjendtligFil, AffaldMedTalSomSnefaktorerGiverKonverteringsbeskederOgAfvistBeregning)
{
    std::vector<std::string> affald(31, "x#y");
    affald[24] = "      0,40";
    affald[25] = "      0,80";
    ASSERT_TRUE(Hent(SomFil(affald)));

    // Seventeen number lines go through an edit field; each shows the conversion message
    // once, keeps the text and holds 0. The integer lines take their defaults.
    EXPECT_EQ(Beskeder("besked"), std::vector<std::string>(17, Konverteringsbesked("x#y")));
    EXPECT_EQ(app.Vindue().Tekst(Felt::EditHusBr), "x#y");
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 0.0);
    EXPECT_EQ(app.Inddata().Nail, 5);
    EXPECT_EQ(app.Inddata().TerrKat, 1);

    meddelelser.liste.clear();
    EXPECT_FALSE(BeregnOgKontroller());
    EXPECT_EQ(meddelelser.liste[0].tekst, "Huskropbredden skal være positiv");
    EXPECT_EQ(app.Vindue().AktivFane, Fane::Inddataark);
}

TEST_F(FjendtligFil, FemtiMegabyteUdenLinjeskiftGiverHentebeskedenMedBegraensetHukommelse)
{
    const std::string sti = mappe.Sti("stor.tgl");
    SkrivStorFil(sti, "", '7', 50);
    NulstilStoersteAllokering();
    EXPECT_FALSE(app.HentProjektdata(sti));
    EXPECT_LT(StoersteAllokering(), kStoersteAllokeringVedLaesning);
    ForventHentebeskedOgUaendret(sti);
}

TEST_F(FjendtligFil, FemtiMegabyteEfterEtProjektIgnoreresOgProjektetHentes)
{
    auto linjer = StandardLinjer();
    linjer[3] = "     11,45";
    const std::string sti = mappe.Sti("stor.tgl");
    SkrivStorFil(sti, SomFil(linjer), '\n', 50);
    NulstilStoersteAllokering();
    EXPECT_TRUE(app.HentProjektdata(sti));
    EXPECT_LT(StoersteAllokering(), kStoersteAllokeringVedLaesning);
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.45);
    EXPECT_TRUE(BeregnOgKontroller());
}

TEST_F(FjendtligFil, LinjerPaaEnMegabyteSkaeresOgGiverEtDefineretResultat)
{
    auto linjer = StandardLinjer();
    linjer[0] = std::string(kMegabyte, 'P');                // project name
    linjer[3] = "      8,00" + std::string(kMegabyte, ' '); // a number with trailing blanks
    linjer[4] = std::string(kMegabyte, '3');                // a number beyond any double
    linjer[16] = std::string(kMegabyte, '1');               // a nail index beyond 32 bits
    const std::string bytes = SomFil(linjer);
    NulstilStoersteAllokering();
    ASSERT_TRUE(Hent(bytes));
    EXPECT_LT(StoersteAllokering(), kStoersteAllokeringVedLaesning);

    EXPECT_EQ(app.Inddata().Projektnavn.str(), std::string(70, 'P'));
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 8.0);
    // The facade height is read from the line's first 4096 bytes: not a number.
    EXPECT_EQ(Beskeder("besked"),
              std::vector<std::string>{Konverteringsbesked(std::string(4096, '3'))});
    EXPECT_DOUBLE_EQ(app.Inddata().FacHjd, 0.0);
    EXPECT_EQ(app.Inddata().Nail, 5) << "the default nail";

    meddelelser.liste.clear();
    EXPECT_FALSE(BeregnOgKontroller());
    EXPECT_EQ(meddelelser.liste[0].tekst, "Facadehøjden skal være positiv");
}

TEST_F(FjendtligFil, Utf8TekstLaesesTegnForTegnSomWindows1252)
{
    auto linjer = StandardLinjer();
    linjer[0] = "T\xC3\xA5rnh\xC3\xB8j \xE2\x80\x94 sag 7"; // "Tårnhøj — sag 7" in UTF-8
    linjer[1] = "\x81\x8D\x8F\x90\x9D"; // bytes that Windows-1252 leaves undefined
    linjer[3] = "8,00\xC2\xA0";         // a UTF-8 no-break space after the number
    ASSERT_TRUE(Hent(SomFil(linjer)));

    // Each byte is one Windows-1252 character: Ã ¥ for å, Ã ¸ for ø, â € ” for the dash.
    EXPECT_EQ(app.Inddata().Projektnavn.str(),
              "T\u00C3\u00A5rnh\u00C3\u00B8j \u00E2\u20AC\u201D sag 7");
    EXPECT_EQ(app.Inddata().Bygningsdel.str(), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Beskeder("besked"),
              std::vector<std::string>{Konverteringsbesked("8,00\u00C2\u00A0")});
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 0.0);
}

TEST_F(FjendtligFil, KunCRSomLinjeskiftLaesesSomCRLF)
{
    auto linjer = StandardLinjer();
    linjer[3] = "     11,45";
    linjer[16] = " 3";
    linjer[30] = "1";
    ASSERT_TRUE(Hent(SomFil(linjer, "\r\n")));
    const TVindue medCRLF = app.Vindue();
    ASSERT_TRUE(BeregnOgKontroller());
    const auto rapportMedCRLF = app.Resultatliste();

    meddelelser.liste.clear();
    ASSERT_TRUE(Hent(SomFil(linjer, "\r")));
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_TRUE(app.Vindue() == medCRLF);
    EXPECT_DOUBLE_EQ(app.Inddata().HusBr, 11.45);
    EXPECT_EQ(app.Inddata().Nail, 3);
    ASSERT_TRUE(BeregnOgKontroller());
    EXPECT_EQ(app.Resultatliste(), rapportMedCRLF);
}

} // namespace
} // namespace taglo::test
