// The report layer: the eight reference projects through the whole calculation run,
// against the report and log files computed independently, byte for byte; the report's
// lines in cases they do not show; saving the report ("Gem resultat") and completing and
// saving the log ("Gem logfil").
#include "report/logfil.h"
#include "report/rapport.h"
#include "report/resultatfil.h"

#include "core/dialoger.h"
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
#include <optional>
#include <string>
#include <vector>

namespace taglo
{

namespace
{
namespace fs = std::filesystem;
using test::PrintTo;
using Linjer = std::vector<std::string>;

// Answers with the names it was given, in order (nothing: the user cancels; when they run
// out, every further dialog is cancelled), and notes every dialog shown as "gem <titel>"
// or "aabn <titel>".
struct OptagneDialoger final : Dialoger
{
    explicit OptagneDialoger(std::vector<std::optional<std::string>> svar = {})
        : svar(std::move(svar))
    {}
    std::optional<std::string> aabnFil(const FilDialog& d) override { return Svar("aabn ", d); }
    std::optional<std::string> gemFil(const FilDialog& d) override { return Svar("gem ", d); }
    std::optional<std::string> Svar(const std::string& art, const FilDialog& dialog)
    {
        viste.push_back(art + dialog.titel);
        return viste.size() <= svar.size() ? svar[viste.size() - 1] : std::nullopt;
    }

    std::vector<std::optional<std::string>> svar;
    std::vector<std::string> viste;
};

// The moment and the company every reference project was computed with.
constexpr Tidspunkt kReferenceTidspunkt{2014, 5, 1, 13, 5, 9};
const Rapportomgivelser kReferenceomgivelser{"Eksempel ApS", Regionalindstillinger::Dansk(),
                                             [] { return kReferenceTidspunkt; },
                                             "support@example.invalid"};

class Referenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(Referenceprojekt, RapportResultatfilOgDetaljeretLogErReferencens)
{
    const int nr = GetParam();
    const test::MidlertidigMappe mappe;
    test::Beregnet k(test::ReferenceInddata(test::ReferenceJson(nr)), 2);
    ASSERT_EQ(k.inddata.Logfil, 2);
    const auto rapport = SkrivRapport(k.inddata, k.laegter.Afledte, k.laegter.Resultatdata,
                                      std::move(k.laegter.Beregning), k.log, kReferenceomgivelser);
    ASSERT_TRUE(GemResultat(mappe / "r.txt", rapport, k.meddelelser));
    ASSERT_TRUE(GemLogfil(mappe / "projekt.log", k.log, k.meddelelser));

    // A report without the explanation ends with an empty line, and the saved file holds
    // one line per report line; the reference .txt files of those projects stop before
    // that last empty line while their .log files carry it ("DETALJER" at line n + 2 there
    // too), so one CR LF is added.
    const std::string txt = test::LaesHeleFilen(test::ReferenceFil(nr, "txt"));
    EXPECT_EQ(test::LaesHeleFilen(mappe / "r.txt"), k.inddata.ForklaringMed ? txt : txt + "\r\n");
    EXPECT_EQ(test::LaesHeleFilen(mappe / "projekt.log"),
              test::LaesHeleFilen(test::ReferenceFil(nr, "log")));
    EXPECT_TRUE(k.meddelelser.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(Projekter, Referenceprojekt, ::testing::Range(1, 9),
                         [](const auto& info) { return "projekt0" + std::to_string(info.param); });

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

struct Variant
{
    const char* navn;
    void (*juster)(TInddata&, TResultater&);
    Linjer linjer; // each once in the sections RESULTAT to ANDRE FORUDSÆTNINGER
};

class Rapportvariant : public ::testing::TestWithParam<Variant>
{};

TEST_P(Rapportvariant, GiverSineLinjer)
{
    TInddata i = Projekt4().inddata;
    TResultater r = Projekt4().laegter.Resultatdata;
    GetParam().juster(i, r);
    const auto dk = Regionalindstillinger::Dansk();
    Linjer afsnit;
    RapportResultat(afsnit, i, r, dk);
    RapportDetaljer(afsnit, i, r, dk, "hjaelp@taglo.invalid");
    RapportPrimaere(afsnit, i, Projekt4().laegter.Afledte, dk);
    RapportAndre(afsnit, i, dk);
    for (const auto& linje : GetParam().linjer)
    {
        EXPECT_EQ(std::count(afsnit.begin(), afsnit.end(), linje), 1) << linje;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, Rapportvariant,
    ::testing::Values(
        Variant{"GavlfagForLille",
                [](TInddata&, TResultater& r) { r.GavlfagOK = false; },
                {"  (Det er for lille i gavlfag)",
                 "  Send gerne dine indputdata til hjaelp@taglo.invalid"}},
        Variant{"GavludkragningForLilleNaevnerIkkeDubleringen",
                [](TInddata&, TResultater& r) { r.GavludkragningOK = false; },
                {"  (Det er for lille i gavlfag)", "  Lægtedimensionen er for lille."}},
        Variant{"GavludkragningOKUdenDublering",
                [](TInddata& i, TResultater&) { i.DublLegter = false; },
                {"  Lægtedimensionen er OK."}},
        Variant{"NormalfagForLilleSelvomLaegtetabellenDaekker",
                [](TInddata&, TResultater& r) { r.NormalfagOK = false; },
                {"  tabel 2005, og normmæssig eftervisning giver følgende resultat:"}},
        Variant{"NormalfagOKVedEftervisning",
                [](TInddata&, TResultater& r) { r.NormalfagTabel2005 = false; },
                {"  Lægtedimensionen er OK. Den er IKKE dækket af lægtetabel 2005."}},
        Variant{"LilleNegativtTraekUdenMinus",
                [](TInddata&, TResultater& r) { r.TraekNormalspaer = -0.4; },
                {"  Regningsmæssigt træk:    0 N   "}},
        Variant{"TerraenkategoriIkkeValgt",
                [](TInddata& i, TResultater&) { i.TerrKat = -1; },
                {"  Dublering af lægter:    ja     Terrænkategori:                   "}},
        Variant{"StyrkeklasseIkkeValgt",
                [](TInddata& i, TResultater&) { i.StyrkeKlasse = -1; },
                {"Styrkeklasse:                         Anvendelsesklasse 2; "}},
        // The load factors take every class but CC2 as CC1; so does the report.
        Variant{"KonsekvensklasseIkkeValgtErCC1",
                [](TInddata& i, TResultater&) { i.Sikkl = -1; },
                {"Konsekvensklasse: CC1 (medfører K_FI = 0,9); "}},
        Variant{"Udtraeksstyrke4komma5ErGlatSoem",
                [](TInddata& i, TResultater&) { i.NailData = &kGlat; },
                {"  Udtræksstyrke f_uk:             4,5 MPa (Glat søm)"}},
        Variant{"LigeOver4komma5ErRingetSoem",
                [](TInddata& i, TResultater&) { i.NailData = &kRinget; },
                {"  Udtræksstyrke f_uk:      4,5 MPa       Ringet længde:     45 mm"}}),
    [](const auto& info) { return std::string(info.param.navn); });

// Long texts are cut at 89 characters, never inside a character; the time has leading
// zeros and the region's time separator.
TEST(RapportHoved, LangeLinjerKlippesOgTidenSkrivesHel)
{
    TInddata inddata = Projekt4().inddata;
    inddata.Projektnavn = std::string(70, 'p');
    inddata.Medarb = "Åse";
    const std::string firma = std::string(60, 'a') + "æææææææææææææ";
    auto regional = Regionalindstillinger::Dansk();
    regional.tid = ".";
    const Linjer linjer = RapportHoved(inddata, firma, {987, 1, 2, 0, 4, 0}, regional);
    // 19 characters of label, then 70 of the company's 73: the tenth "æ" is the last one.
    EXPECT_EQ(linjer[4], "Firma:             " + std::string(60, 'a') + "ææææææææææ");
    EXPECT_EQ(linjer[5], "Sag/Projekt:       " + std::string(70, 'p'));
    EXPECT_EQ(linjer[7], "Beregnet:          0987-01-02,00.04.00 af Åse");
}

TEST(LokalTidNu, GiverEtGyldigtTidspunkt)
{
    const Tidspunkt n = LokalTidNu();
    EXPECT_GE(n.aar, 2024);
    EXPECT_TRUE(n.maaned >= 1 && n.maaned <= 12 && n.dag >= 1 && n.dag <= 31 && n.time >= 0 &&
                n.time <= 23 && n.minut >= 0 && n.minut <= 59 && n.sekund >= 0 && n.sekund <= 60);
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

TEST(Gemmedialoger, TitelFilterOgEndelse)
{
    const auto vist = [](const FilDialog& d) {
        return d.titel + "|" + d.filter + "|" + d.standardEndelse;
    };
    EXPECT_EQ(vist(ResultatDialog()), "Gem resultat|Tekstfil (*.txt)|*.txt|txt");
    EXPECT_EQ(vist(LogfilDialog()), "Gem logfil|Tekstfil (*.log)|*.log|log");
}

const Linjer kRapport{StregLinie(2), "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.", "",
                      "\fSide 2", "  Tagvinkel:            25 °"};
// The report saved: Windows-1252, CR LF after every line.
const std::string kResultatfil =
    "\x97\x97\r\n  L\xE6gtetv\xE6rsnittet H x B = 38 x 73 mm kan anvendes.\r\n\r\n"
    "\fSide 2\r\n  Tagvinkel:            25 \xB0\r\n";
// The report, an empty line, "DETALJER" and the engine's lines.
const std::string kLogfil =
    kResultatfil + std::string("\r\nDETALJER\r\nLastkombination 3: K_FI(1,0 g + "
                               "1,5 s) => kmod =  0,90\r\n\r\nEgenlast  0,90\r\n");

// A log of `niveau` into which the engine wrote its lines.
TLogliste LogMedMotorlinjer(int niveau)
{
    TLogliste log(niveau);
    for (const char* linje :
         {"Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90", "", "Egenlast  0,90"})
    {
        log.LogLinie(linje);
    }
    return log;
}

class FuldfoerLogPaaNiveau : public ::testing::TestWithParam<int>
{};

TEST_P(FuldfoerLogPaaNiveau, AnnulleretGemmerIntetGemtErstatterFilenUdenLogIntet)
{
    const bool findes = GetParam() > 0;
    const test::MidlertidigMappe mappe;
    const std::string gammel(50000, 'l');
    mappe.Skriv("tag.log", gammel);
    OptagneDialoger dialoger({std::nullopt, mappe / "tag.log"});
    test::OptagneMeddelelser meddelelser;

    TLogliste annulleret = LogMedMotorlinjer(GetParam());
    FuldfoerLog(kRapport, annulleret);
    GemLogfil(annulleret, dialoger, meddelelser);
    EXPECT_EQ(test::LaesHeleFilen(mappe / "tag.log"), gammel);
    TLogliste gemt = LogMedMotorlinjer(GetParam());
    FuldfoerLog(kRapport, gemt);
    GemLogfil(gemt, dialoger, meddelelser);
    EXPECT_EQ(test::LaesHeleFilen(mappe / "tag.log"), findes ? kLogfil : gammel);

    EXPECT_EQ(gemt.linjer(), findes ? DelLinjer(kLogfil) : Linjer{});
    EXPECT_EQ(annulleret.linjer(), gemt.linjer()) << "a cancelled log stays in memory";
    EXPECT_EQ(dialoger.viste, findes ? Linjer(2, "gem Gem logfil") : Linjer{});
    EXPECT_TRUE(meddelelser.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(IngenBegraensetOgDetaljeret, FuldfoerLogPaaNiveau,
                         ::testing::Values(0, 1, 2));

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
    bool log; // "Gem logfil", else "Gem resultat"
    const char* fil;
    const char* aarsag; // the system's text ending the result's message
};

class Gemmefejlene : public ::testing::TestWithParam<Gemmefejl>
{};

// In a folder holding a file protected against writing (which the program never
// replaces, whoever runs it) and a sub-folder.
TEST_P(Gemmefejlene, MeddelelseMedFejlartOgIntetIMappenAendres)
{
    const auto& c = GetParam();
    const test::MidlertidigMappe mappe;
    mappe.Skriv("beskyttet.txt", "gammelt indhold\r\n");
    fs::permissions(mappe / "beskyttet.txt", fs::perms::owner_read | fs::perms::group_read);
    fs::create_directory(mappe / "mappe.txt");
    mappe.Skriv("mappe.txt/noget", "x");
    const auto foer = Indhold(mappe.sti);
    const std::string sti = mappe / c.fil;
    test::OptagneMeddelelser meddelelser;
    TLogliste log = LogMedMotorlinjer(2);
    OptagneDialoger dialoger({sti});
    if (c.log)
    {
        FuldfoerLog(kRapport, log);
        GemLogfil(log, dialoger, meddelelser);
        EXPECT_EQ(log.linjer(), DelLinjer(kLogfil)) << "the log stays in memory";
    }
    else
    {
        EXPECT_FALSE(GemResultat(sti, kRapport, meddelelser));
    }
    EXPECT_EQ(Indhold(mappe.sti), foer);
    const std::string resultat = "Kan ikke gemme resultatet under det anførte navn\r\n"
                                 "EFCreateError\r\nKan ikke oprette filen \"" +
                                 sti + "\": " + c.aarsag;
    const test::OptagetMeddelelse forventet =
        c.log ? test::OptagetMeddelelse{"fejldialog",
                                        "Kan ikke gemme logfilen under det anførte navn"}
              : test::OptagetMeddelelse{"besked", resultat};
    EXPECT_EQ(meddelelser.liste, std::vector{forventet});
}

INSTANTIATE_TEST_SUITE_P(
    GemResultatOgLogfil, Gemmefejlene,
    ::testing::Values(
        Gemmefejl{"SkrivebeskyttetResultat", false, "beskyttet.txt", "Permission denied"},
        Gemmefejl{"ResultatIMappeDerIkkeFindes", false, "findes-ikke/r.txt",
                  "No such file or directory"},
        Gemmefejl{"EnMappeErstattesIkkeAfResultatet", false, "mappe.txt", "Is a directory"},
        Gemmefejl{"SkrivebeskyttetLogfil", true, "beskyttet.txt", ""}),
    [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo
