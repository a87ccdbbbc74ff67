// The report layer: the report's lines in cases the reference projects do not show (their
// reports and logs are compared byte for byte where taglo-cli writes them); saving the
// report ("Gem resultat").
#include "report/rapport.h"
#include "report/resultatfil.h"

#include "core/taltekst.h"
#include "core/tekstfil.h"

#include "beregnet.h"
#include "midlertidig_mappe.h"
#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"
#include "reference_json.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace taglo
{

namespace
{
namespace fs = std::filesystem;
using test::PrintTo;
using Linjer = std::vector<std::string>;

// The moment and the company every reference project was computed with.
constexpr Tidspunkt kReferenceTidspunkt{2014, 5, 1, 13, 5, 9};
const Rapportomgivelser kReferenceomgivelser{"Eksempel ApS", Regionalindstillinger::Dansk(),
                                             [] { return kReferenceTidspunkt; },
                                             "support@example.invalid"};

// Project 4 as computed: every check holds, direct nailing, doubled battens in the gable
// section.
const test::Beregnet& Projekt4()
{
    static const test::Beregnet projekt(test::ReferenceInddata(test::ReferenceJson(4)));
    return projekt;
}

// Nail rows on either side of the limit of 4,5 MPa between smooth and ringed nails.
const TNailData kGlat{"glat", 8.0, 3.0, 0.0, 80.0, 4.5, 9.0};
const TNailData kRinget{"ringet", 8.0, 3.0, 20.0, 45.0, 4.51, 9.0};

// The inputs and results a report is written from.
struct Udgave
{
    TInddata i;
    TResultater r;
};

struct Variant
{
    const char* navn;
    void (*juster)(Udgave&);
    Linjer linjer; // each once in the sections RESULTAT to ANDRE FORUDSÆTNINGER
};

class Rapportvariant : public ::testing::TestWithParam<Variant>
{};

TEST_P(Rapportvariant, GiverSineLinjer)
{
    Udgave u{Projekt4().inddata, Projekt4().laegter.Resultatdata};
    GetParam().juster(u);
    const auto dk = Regionalindstillinger::Dansk();
    Linjer afsnit;
    RapportResultat(afsnit, u.i, u.r, dk);
    RapportDetaljer(afsnit, u.i, u.r, dk, "hjaelp@taglo.invalid");
    RapportPrimaere(afsnit, u.i, Projekt4().laegter.Afledte, dk);
    RapportAndre(afsnit, u.i, dk);
    for (const auto& linje : GetParam().linjer)
    {
        EXPECT_EQ(std::count(afsnit.begin(), afsnit.end(), linje), 1) << linje;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rapport, Rapportvariant, ::testing::Values(
    Variant{"GavlfagForLille", [](Udgave& u) { u.r.GavlfagOK = false; },
            {"  (Det er for lille i gavlfag)",
             "  Send gerne dine indputdata til hjaelp@taglo.invalid"}},
    Variant{"GavludkragningForLilleNaevnerIkkeDubleringen",
            [](Udgave& u) { u.r.GavludkragningOK = false; },
            {"  (Det er for lille i gavlfag)", "  Lægtedimensionen er for lille."}},
    Variant{"GavludkragningOKUdenDublering", [](Udgave& u) { u.i.DublLegter = false; },
            {"  Lægtedimensionen er OK."}},
    Variant{"NormalfagForLilleSelvomLaegtetabellenDaekker",
            [](Udgave& u) { u.r.NormalfagOK = false; },
            {"  tabel 2005, og normmæssig eftervisning giver følgende resultat:"}},
    Variant{"NormalfagOKVedEftervisning", [](Udgave& u) { u.r.NormalfagTabel2005 = false; },
            {"  Lægtedimensionen er OK. Den er IKKE dækket af lægtetabel 2005."}},
    Variant{"LilleNegativtTraekUdenMinus", [](Udgave& u) { u.r.TraekNormalspaer = -0.4; },
            {"  Regningsmæssigt træk:    0 N   "}},
    Variant{"TerraenkategoriIkkeValgt", [](Udgave& u) { u.i.TerrKat = -1; },
            {"  Dublering af lægter:    ja     Terrænkategori:                   "}},
    Variant{"StyrkeklasseIkkeValgt", [](Udgave& u) { u.i.StyrkeKlasse = -1; },
            {"Styrkeklasse:                         Anvendelsesklasse 2; "}},
    // The load factors take every class but CC2 as CC1; so does the report.
    Variant{"KonsekvensklasseIkkeValgtErCC1", [](Udgave& u) { u.i.Sikkl = -1; },
            {"Konsekvensklasse: CC1 (medfører K_FI = 0,9); "}},
    Variant{"Udtraeksstyrke4komma5ErGlatSoem", [](Udgave& u) { u.i.NailData = &kGlat; },
            {"  Udtræksstyrke f_uk:             4,5 MPa (Glat søm)"}},
    Variant{"LigeOver4komma5ErRingetSoem", [](Udgave& u) { u.i.NailData = &kRinget; },
            {"  Udtræksstyrke f_uk:      4,5 MPa       Ringet længde:     45 mm"}}),
    [](const auto& info) { return std::string(info.param.navn); });
// clang-format on

// Long texts are cut at 89 characters, never inside a character; the time has leading
// zeros and the region's time separator.
TEST(RapportHoved, LangeLinjerKlippesOgTidenSkrivesHel)
{
    TInddata inddata = Projekt4().inddata;
    inddata.Medarb = "Åse";
    const std::string firma = std::string(60, 'a') + "æææææææææææææ";
    auto regional = Regionalindstillinger::Dansk();
    regional.tid = ".";
    const Linjer linjer = RapportHoved(inddata, firma, {987, 1, 2, 0, 4, 0}, regional);
    // 19 characters of label, then 70 of the company's 73: the tenth "æ" is the last one.
    EXPECT_EQ(linjer[4], "Firma:             " + std::string(60, 'a') + "ææææææææææ");
    EXPECT_EQ(linjer[7], "Beregnet:          0987-01-02,00.04.00 af Åse");
}

// The report is the same whatever the log's level; the clock is read once.
TEST(SkrivRapport, LoggenAendrerIkkeRapporten)
{
    const auto& p = Projekt4();
    int aflaesninger = 0;
    auto omgivelser = kReferenceomgivelser;
    omgivelser.ur = [&aflaesninger] {
        ++aflaesninger;
        return kReferenceTidspunkt;
    };
    std::vector<Linjer> rapporter;
    for (const int niveau : {0, 1, 2})
    {
        TLogliste log(niveau);
        rapporter.push_back(SkrivRapport(p.inddata, p.laegter.Afledte, p.laegter.Resultatdata,
                                         TBeregning{}, log, omgivelser));
        EXPECT_EQ(rapporter.back(), rapporter.front());
        EXPECT_EQ(aflaesninger, niveau + 1);
    }
}

// ---- Saving

const Linjer kRapport{StregLinie(2), "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.", "",
                      "\fSide 2", "  Tagvinkel:            25 °"};

// Every file under `mappe` with its bytes.
std::map<std::string, std::string> Indhold(const fs::path& mappe)
{
    std::map<std::string, std::string> filer;
    for (const auto& post : fs::recursive_directory_iterator(mappe))
    {
        filer[post.path().string()] =
            post.is_regular_file() ? test::LaesHeleFilen(post.path()) : "";
    }
    return filer;
}

struct Gemmefejl
{
    const char* navn;
    const char* fil;
    const char* aarsag; // the system's text ending the message
};

class GemResultatFejler : public ::testing::TestWithParam<Gemmefejl>
{};

// In a folder holding a file protected against writing (which the program never
// replaces, whoever runs it) and a sub-folder.
TEST_P(GemResultatFejler, MeddelelseMedFejlartOgAarsagOgIntetIMappenAendres)
{
    const test::MidlertidigMappe mappe;
    mappe.Skriv("beskyttet.txt", "gammelt indhold\r\n");
    fs::permissions(mappe / "beskyttet.txt", fs::perms::owner_read | fs::perms::group_read);
    fs::create_directory(mappe / "mappe.txt");
    mappe.Skriv("mappe.txt/noget", "x");
    const auto foer = Indhold(mappe.sti);
    const std::string sti = mappe / GetParam().fil;
    test::OptagneMeddelelser meddelelser;
    EXPECT_FALSE(GemResultat(sti, kRapport, meddelelser));
    EXPECT_EQ(Indhold(mappe.sti), foer);
    EXPECT_EQ(meddelelser.liste,
              (std::vector<test::OptagetMeddelelse>{
                  {"besked", "Kan ikke gemme resultatet under det anførte navn\r\nEFCreateError\r\n"
                             "Kan ikke oprette filen \"" +
                                 sti + "\": " + GetParam().aarsag}}));
}

INSTANTIATE_TEST_SUITE_P(
    Mappe, GemResultatFejler,
    ::testing::Values(Gemmefejl{"Skrivebeskyttet", "beskyttet.txt", "Permission denied"},
                      Gemmefejl{"MappeDerIkkeFindes", "findes-ikke/r.txt",
                                "No such file or directory"},
                      Gemmefejl{"EnMappeErstattesIkke", "mappe.txt", "Is a directory"}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo
