// Hostile project files through the load command and the calculation run: each gives the
// load message or a defined verdict, and never a crash, a hang, a value that is not finite in
// the report, or memory that grows with the file. (taglo-cli reads them through the same
// project API; its exit statuses for an unreadable, a refused and a calculated file are in
// its own tests.)
#include "allokering.h"
#include "applikationsbaenk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace taglo::test
{
namespace
{

constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;

enum class Dom
{
    Ulaeselig,          // the load message; nothing changes
    Afvist,             // loaded; the calculation refuses the inputs with its message
    Beregnet,           // loaded and calculated
    AfvistEllerBeregnet // loaded; either, but never a value that is not finite
};

struct FjendtligFilTilfaelde
{
    const char* navn;
    Dom dom;
    std::string (*bytes)();  // the file
    const char* aarsag = ""; // an unreadable file's message names this fault (its start)
};

// Standard.tgl with line `nr` (1..31) replaced.
std::string MedLinje(std::size_t nr, std::string_view tekst)
{
    return SomFil(StandardLinjer(nr, tekst));
}

// 64 kB of noise, every byte value alike, the same for the same seed.
std::string BinaertStoej(unsigned froe)
{
    std::independent_bits_engine<std::mt19937, 8, unsigned> byte(froe);
    std::string stoej(64 * std::size_t{1024}, '\0');
    std::generate(stoej.begin(), stoej.end(), [&] { return static_cast<char>(byte()); });
    return stoej;
}

// The lines of Standard.tgl, four of them `laengde` bytes long: the project name, the
// house width with blanks after it, the facade height's digits and the nail's.
std::vector<std::string> LangeLinjer(std::size_t laengde)
{
    auto linjer = StandardLinjer(1, std::string(laengde, 'P'));
    linjer[3] = "      8,00" + std::string(laengde, ' ');
    linjer[4] = std::string(laengde, '3');
    linjer[16] = std::string(laengde, '1');
    return linjer;
}

using enum Dom;
const FjendtligFilTilfaelde kFjendtligeFiler[] = {
    {"Tom", Ulaeselig, [] { return std::string(); }, "fjendtlig.tgl er tom."},
    {"TrediveLinjer", Ulaeselig,
     [] {
         auto linjer = StandardLinjer();
         linjer.pop_back();
         return SomFil(linjer);
     },
     "fjendtlig.tgl har kun 30 linier; en projektfil har 31."},
    {"EnOgTrediveLinjerAffald", Ulaeselig,
     [] { return SomFil(std::vector<std::string>(31, "#!%&/()=?` ,.;: <>")); },
     "Linie 25 i fjendtlig.tgl (normal sneformfaktor) er ikke et tal: '#!%&/()=?` ,.;: <>'."},
    {"AffaldMedTalSomSnefaktorer", Afvist,
     [] {
         std::vector<std::string> linjer(31, "x#y");
         linjer[24] = "      0,40";
         linjer[25] = "      0,80";
         return SomFil(linjer);
     }},
    {"BinaertStoej", Ulaeselig, [] { return BinaertStoej(1); }, "Linie 25 i fjendtlig.tgl"},
    {"FemtiMegabyteUdenLinjeskift", Ulaeselig, [] { return std::string(50 * kMegabyte, '7'); },
     "fjendtlig.tgl er for stor til en projektfil: den har ikke 31 linier i sine første 64 KiB."},
    {"FemtiMegabyteEfterEtProjekt", Beregnet,
     [] { return SomFil(StandardLinjer()) + std::string(50 * kMegabyte, '\n'); }},
    {"LinjerPaa10000Bytes", AfvistEllerBeregnet, [] { return SomFil(LangeLinjer(10000)); }},
    {"LinjerPaaEnMegabyte", Ulaeselig, [] { return SomFil(LangeLinjer(kMegabyte)); },
     "fjendtlig.tgl er for stor til en projektfil"},
    {"Utf8", Afvist, [] { return MedLinje(4, "8,00\xC2\xA0"); }},
    {"KunCR", Beregnet, [] { return SomFil(StandardLinjer(), "\r"); }},
    {"EksponentStortE", Beregnet, [] { return MedLinje(4, "8E0"); }},
    {"EksponentUdOverEnDouble", Afvist, [] { return MedLinje(4, "1e400"); }},
    {"EnormEksponent", Afvist, [] { return MedLinje(4, "1e99999999999999999999"); }},
    {"NanIFacadeudhaeng", Beregnet, [] { return MedLinje(9, "nan"); }},
    {"MinusInfinityIFacadeudhaeng", Beregnet, [] { return MedLinje(9, "  -Infinity  "); }},
    {"NanSomNormalSneformfaktor", Ulaeselig, [] { return MedLinje(25, "nan"); },
     "Linie 25 i fjendtlig.tgl (normal sneformfaktor) er ikke et tal: 'nan'."},
    {"SneformfaktorMedPunktum", Beregnet, [] { return MedLinje(25, "0.40"); }},
    {"ForhoejetSneformfaktorTom", Ulaeselig, [] { return MedLinje(26, ""); },
     "Linie 26 i fjendtlig.tgl (forhøjet sneformfaktor) er ikke et tal: ''."},
    {"StoersteDoubleSomHusbredde", AfvistEllerBeregnet,
     [] { return MedLinje(4, "1,7976931348623157e308"); }},
    {"EnormFacadehoejde", AfvistEllerBeregnet, [] { return MedLinje(5, "1e300"); }},
    {"EnormLaegteafstand", AfvistEllerBeregnet, [] { return MedLinje(7, "1e300"); }},
    {"ForsvindendeLaegtehoejde", AfvistEllerBeregnet, [] { return MedLinje(15, "1e-300"); }},
    {"ForsvindendeLaegtebredde", AfvistEllerBeregnet, [] { return MedLinje(16, "1e-300"); }},
    {"EnormAfstandsliste", AfvistEllerBeregnet, [] { return MedLinje(18, "1e300"); }},
    {"EnormTagdaekning", AfvistEllerBeregnet, [] { return MedLinje(20, "1e300"); }},
    {"EnormAfstandTilVesterhavet", AfvistEllerBeregnet, [] { return MedLinje(22, "1e300"); }}};

// The program started from Standard.tgl, as the hostile inputs find it.
class FjendtligProjektfil : public Applikation,
                            public ::testing::WithParamInterface<FjendtligFilTilfaelde>
{
  protected:
    // Runs the calculation as the result tab does. A refused run shows exactly one error
    // and no report; a finished one writes a report and a log with finite numbers and
    // finite result values only. Returns whether it finished.
    bool BeregnOgKontroller()
    {
        Vist();
        if (!app.UdfoerBeregning())
        {
            const auto vist = Vist();
            EXPECT_TRUE(vist.size() == 1 && vist[0].art == "fejl")
                << "a refused run shows one error";
            EXPECT_TRUE(app.Vindue().Resultat.empty()) << "a refused run shows no verdict";
            return false;
        }
        for (const auto* liste : {&app.Resultatliste(), &app.Logliste().linjer()})
        {
            for (const auto& linje : *liste)
            {
                // The formatter writes these only for a value that is not finite.
                EXPECT_TRUE(linje.find("NAN") == std::string::npos &&
                            linje.find("INF") == std::string::npos)
                    << linje;
            }
        }
        const TResultater& r = app.Resultatdata();
        for (const double vaerdi :
             {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
              r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
        {
            EXPECT_TRUE(std::isfinite(vaerdi)) << "a result value is " << vaerdi;
        }
        return true;
    }
};

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
                         [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo::test
