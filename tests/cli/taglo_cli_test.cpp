// taglo-cli: its arguments, and the program run as the README shows it.
#include "cli/kommandolinje.h"
#include "core/support.h"
#include "core/tekst.h"
#include "core/tekstfil.h"

#include "midlertidig_mappe.h"
#include "pdftekst.h"
#include "reference_json.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// What taglo-cli did when run as the user would.
struct Udfald
{
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string ud;   // standard output
    std::string fejl; // standard error
};

// Runs taglo-cli with `argumenter`, standard input empty, in an environment of only PATH,
// HOME, the user's configuration folder `mappe` and `miljoe` ("NAVN=VÆRDI"); the outputs
// go through files in `mappe`.
Udfald KoerTagloCli(const Args& argumenter, const Args& miljoe, const std::string& mappe)
{
    // The arguments, a null pointer, the environment and a null pointer, as exec takes them.
    std::vector<std::string> tekster{TAGLO_CLI};
    tekster.insert(tekster.end(), argumenter.begin(), argumenter.end());
    const std::size_t antalArgumenter = tekster.size();
    tekster.insert(tekster.end(), miljoe.begin(), miljoe.end());
    for (const char* navn : {"PATH", "HOME"})
    {
        if (const char* vaerdi = std::getenv(navn))
        {
            tekster.push_back(std::string(navn) + "=" + vaerdi);
        }
    }
    // The user's own settings (the firm's name) from the test's folder, not the user's.
    tekster.push_back("XDG_CONFIG_HOME=" + mappe);
    std::vector<char*> peger;
    for (auto& tekst : tekster)
    {
        peger.push_back(tekst.data());
    }
    peger.insert(peger.begin() + static_cast<std::ptrdiff_t>(antalArgumenter), nullptr);
    peger.push_back(nullptr);

    const std::string ud = mappe + "/stdout.txt";
    const std::string fejl = mappe + "/stderr.txt";
    posix_spawn_file_actions_t handlinger;
    posix_spawn_file_actions_init(&handlinger);
    posix_spawn_file_actions_addopen(&handlinger, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&handlinger, 1, ud.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&handlinger, 2, fejl.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    Udfald udfald;
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, TAGLO_CLI, &handlinger, nullptr, peger.data(),
                    peger.data() + antalArgumenter + 1) == 0 &&
        waitpid(pid, &status, 0) == pid && WIFEXITED(status))
    {
        udfald.status = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&handlinger);
    udfald.ud = test::LaesHeleFilen(ud);
    udfald.fejl = test::LaesHeleFilen(fejl);
    return udfald;
}

// Among them moments that are not in the calendar.
TEST(Kommandolinje, UbrugeligeArgumenterGiverEnBrugsfejl)
{
    const std::string fil = "a.tgl";
    // clang-format off
    const Args kUbrugelige[] = {
        {}, {"beregn", fil}, {"rapport", "--json"}, {"rapport", fil, "--hurtig"},
        {"rapport", fil, "--ud"}, {"rapport", fil, "--log", "0"}, {"rapport", fil, "--log", "3"},
        {"rapport", fil, "--tidspunkt", "2014-05-01 13:05:09"},
        {"rapport", fil, "--tidspunkt", "2014-02-29,12:00:00"},
        {"rapport", fil, "--tidspunkt", "1900-02-29,12:00:00"},
        {"rapport", fil, "--tidspunkt", "2014-05-01,24:00:00"},
        {"figur", "grundplan", fil, "ud.svg"}, {"figur", "tvaersnit", fil, "ud.bmp"},
        {"figur", "tvaersnit", fil, "ud.png", "--bredde", "0"},
        {"figur", "tvaersnit", fil, "ud.png", "--hoejde", "99999"},
        {"forslag"}, {"forslag", fil, "b.tgl"}, {"forslag", fil, "--ud", "x.txt"}};
    // clang-format on
    for (const Args& argumenter : kUbrugelige)
    {
        EXPECT_TRUE(std::holds_alternative<cli::Brugsfejl>(cli::FortolkArgumenter(argumenter)))
            << testing::PrintToString(argumenter);
    }
}

// A Windows-1252 file with CR LF as the screen shows it: UTF-8 with LF.
std::string SomUtf8(const std::string& windows1252)
{
    std::string tekst = FraWindows1252(windows1252);
    std::erase(tekst, '\r');
    return tekst;
}

// A reference file as this build's taglo-cli writes it. The reference projects were
// computed with the support address "support@example.invalid"; a build with another
// address names that one, a build with none leaves the line out.
std::string MedBygningensKontakt(std::string tekst)
{
    const std::string linje = "  Send gerne dine indputdata til support@example.invalid\r\n";
    const std::string egen = support::kEmail.empty() ? std::string()
                                                     : "  Send gerne dine indputdata til " +
                                                           std::string(support::kEmail) + "\r\n";
    for (auto pos = tekst.find(linje); pos != std::string::npos; pos = tekst.find(linje, pos))
    {
        tekst.replace(pos, linje.size(), egen);
        pos += egen.size();
    }
    return tekst;
}

// Reference project `nr`'s report as taglo-cli saves it.
std::string Referencefil(int nr)
{
    return MedBygningensKontakt(test::ReferenceResultatfil(nr));
}

class TagloCli : public ::testing::Test
{
  protected:
    [[nodiscard]] std::string Sti(const std::string& navn) const { return mappe / navn; }

    // Runs taglo-cli under the C locale (no regional settings: Danish) unless told otherwise.
    [[nodiscard]] Udfald Koer(const Args& argumenter, const Args& miljoe = {"LANG=C"}) const
    {
        return KoerTagloCli(argumenter, miljoe, mappe.sti.string());
    }

    // A copy of the standard project file with line `nr` replaced.
    std::string Projekt(const std::string& navn, std::size_t nr, const std::string& tekst) const
    {
        auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).linjer;
        linjer[nr - 1] = tekst;
        return mappe.Skriv(navn, SammenfoejLinjer(linjer));
    }

    const test::MidlertidigMappe mappe;
};

class ReferenceRapport : public TagloCli, public ::testing::WithParamInterface<int>
{};

// The SHA-256 of `bytes` in hexadecimal.
std::string Sha256(const std::string& bytes)
{
    return QCryptographicHash::hash(QByteArray::fromStdString(bytes), QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

// The report on the screen, saved and as the detailed log; exit status 0 when battens and
// nails can be used, else 1. What scripts read, the numbers (--json) and the three figures'
// drawing data, byte for byte as the tool wrote them before its commands were rebuilt on the
// project API: their SHA-256 are kept in tests/data/cli/uddata.sha256 ("projekt04.json",
// "projekt04-tvaersnit.json"); a deliberate change of an output changes its line there.
TEST_P(ReferenceRapport, GivesSomReferencenOgScripternesUddataErSomFoer)
{
    const int nr = GetParam();
    const std::string tgl = test::ReferenceFil(nr, "tgl");
    const auto udfald =
        Koer({"rapport", tgl, "--tidspunkt", "2014-05-01,13:05:09", "--firma", "Eksempel ApS",
              "--ud", Sti("resultat.txt"), "--log", "2", "--logfil", Sti("mellemresultater.log")});
    EXPECT_EQ(test::LaesHeleFilen(Sti("resultat.txt")), Referencefil(nr));
    EXPECT_EQ(udfald.ud, SomUtf8(Referencefil(nr)));
    EXPECT_EQ(test::LaesHeleFilen(Sti("mellemresultater.log")),
              MedBygningensKontakt(test::LaesHeleFilen(test::ReferenceFil(nr, "log"))));
    EXPECT_EQ(udfald.fejl, "");
    const auto r = test::ReferenceJson(nr).at("Resultatdata");
    const bool laegte = r.at("NormalfagOK").get<bool>() && r.at("GavlfagOK").get<bool>() &&
                        r.at("GavludkragningOK").get<bool>();
    const bool soem = r.at("NormalspaerSoemOK").get<bool>() && r.at("GavlspaerSoemOK").get<bool>();
    EXPECT_EQ(udfald.status, laegte && soem ? 0 : 1);

    std::map<std::string, std::string> foer;
    std::ifstream liste(std::string(TAGLO_TESTDATA) + "/cli/uddata.sha256");
    for (std::string navn, sha; liste >> navn >> sha;)
    {
        foer[navn] = sha;
    }
    const std::string projekt = "projekt0" + std::to_string(nr);
    auto json = Koer({"rapport", "--json", tgl});
    ASSERT_EQ(json.status, udfald.status) << json.fejl;
    EXPECT_EQ(nlohmann::json::parse(json.ud).at("KanAnvendes"),
              nlohmann::json({{"Laegte", laegte}, {"Soem", soem}}));
    // The file is named as it was given; the pin has it by its name alone.
    const std::string fil = "\"Fil\": \"" + tgl + "\"";
    const auto pos = json.ud.find(fil);
    ASSERT_NE(pos, std::string::npos);
    json.ud.replace(pos, fil.size(), "\"Fil\": \"" + projekt + ".tgl\"");
    EXPECT_EQ(Sha256(json.ud), foer.at(projekt + ".json"));
    for (const std::string figur : {"laengdesnit", "soemforbindelse", "tvaersnit"})
    {
        ASSERT_EQ(Koer({"figur", figur, tgl, Sti("figur.json")}).status, 0) << figur;
        EXPECT_EQ(Sha256(test::LaesHeleFilen(Sti("figur.json"))),
                  foer.at(projekt + "-" + figur + ".json"))
            << figur;
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceRapport, ::testing::Range(1, 9));

// A project file from a Danish colleague calculates on an English system, its numbers
// shown with the system's decimal point; without --firma the report names the firm the
// user gave in the window.
TEST_F(TagloCli, DanskProjektfilRegnesPaaEtEngelskSystemMedVinduetsFirma)
{
    fs::create_directories(Sti("taglo"));
    std::ofstream(Sti("taglo/taglo.ini")) << "[firma]\nnavn=Tømrer Hansen\n";
    const auto udfald = Koer({"rapport", TAGLO_STANDARDFIL}, {"LANG=en_US.UTF-8"});
    EXPECT_TRUE(udfald.status == 0 || udfald.status == 1) << udfald.fejl;
    EXPECT_EQ(udfald.fejl, "");
    EXPECT_NE(udfald.ud.find("karakteristisk last 1.50 kN"), std::string::npos) << udfald.ud;
    EXPECT_NE(udfald.ud.find("Firma:             Tømrer Hansen\n"), std::string::npos) << udfald.ud;
}

struct Kald
{
    int status;
    std::string besked; // on standard error
    Args argumenter;
    const char* ikkeGemt = "intet"; // in the test's folder
    Args miljoe = {"LANG=C"};
};

// Status 2 when a call cannot be carried out, with the reason on standard error, and
// nothing saved; warnings leave status 0.
TEST_F(TagloCli, KaldDerIkkeKanGennemfoeresEllerAdvarer)
{
    const std::string p = TAGLO_STANDARDFIL;
    const std::string afvist = Projekt("afvist.tgl", 7, "      0,00");
    const std::string afvisning = "Fejl: Lægteafstanden skal være positiv\n";
    const std::string kanal = Sti("kanal.tgl");
    ASSERT_EQ(::mkfifo(kanal.c_str(), 0600), 0);
    // clang-format off
    const Kald kKald[] = {
        {2, afvisning, {"rapport", afvist}},
        {2, afvisning, {"figur", "soemforbindelse", afvist, Sti("soem.json")}, "soem.json"},
        {2, "Fejl: ", {"rapport", "--ud", Sti("samlet.txt"), p, p}, "samlet.txt"},
        {2, "Fejl: Med flere projektfiler skal --ud, --pdf og --logfil være mapper",
         {"rapport", "--pdf", Sti("samlet.pdf"), p, p}, "samlet.pdf"},
        {2, "Besked: Kan ikke gemme resultatet under det anførte navn\n",
         {"rapport", p, "--ud", Sti("ingen/r.txt")}, "ingen"},
        {2, "Fejl: Kan ikke gemme logfilen under det anførte navn\n",
         {"rapport", p, "--log", "1", "--logfil", Sti("ingen/x.log")}, "ingen"},
        // Only a regular file is read: a device, a pipe without a writer and a folder each
        // end the call at once.
        {2, "Fejl: Uventet fejl: Programmet kan ikke hente inddata fra /dev/zero.\n"
            "      zero er ikke en almindelig fil", {"rapport", "/dev/zero"}},
        {2, "kanal.tgl er ikke en almindelig fil", {"rapport", kanal}},
        {2, mappe.sti.filename().string() + " er en mappe, ikke en fil.",
         {"rapport", mappe.sti.string()}},
        {2, "\nBrug:\n  taglo-cli rapport", {"rapport", "a.tgl", "--log", "7"}},
        {2, afvisning, {"forslag", afvist}},
        {2, "zero er ikke en almindelig fil", {"forslag", "/dev/zero", "--json"}},
        {0, "Advarsel: Sømtype er ikke valgt. Første søm på listen forudsættes\n",
         {"rapport", Projekt("soem.tgl", 17, "-1"), "--logfil", Sti("x.log")}, "x.log"}};
    // clang-format on
    for (const auto& c : kKald)
    {
        const auto udfald = Koer(c.argumenter, c.miljoe);
        EXPECT_EQ(udfald.status, c.status) << c.besked;
        EXPECT_NE(udfald.fejl.find(c.besked), std::string::npos) << udfald.fejl;
        EXPECT_FALSE(fs::exists(Sti(c.ikkeGemt))) << c.ikkeGemt;
    }
}

// "forslag" writes the suggestion, an empty line and the table of every listed section with
// every nail; status 0 with a suggestion, 1 without, 2 for inputs that fail a check, which
// give no table (the status and message of rejected inputs are in the table of calls
// above). The shipped roof (rafters 0.9 m apart) gets the standard T1 batten, the
// smallest section Lægtetabel 2005 covers at that span; rafters 3 m apart carry none.
TEST_F(TagloCli, ForslagGiverDenLettesteLaegteOgTabellen)
{
    const std::string p = TAGLO_STANDARDFIL;
    const auto tekst = Koer({"forslag", p});
    ASSERT_EQ(tekst.status, 0) << tekst.fejl;
    EXPECT_EQ(tekst.fejl, "");
    // The suggestion, an empty line, the table's head and its 60 rows, the first the suggestion.
    const std::string foerste = tekst.ud.substr(0, tekst.ud.find('\n'));
    EXPECT_TRUE(foerste.starts_with("Letteste lægte der kan anvendes: 38 x 73 mm med ")) << foerste;
    EXPECT_EQ(std::count(tekst.ud.begin(), tekst.ud.end(), '\n'), 3 + 6 * 10) << tekst.ud;
    EXPECT_EQ(tekst.ud.find("\n\nTværsnit"), foerste.size()) << tekst.ud;
    EXPECT_NE(tekst.ud.find("\n38 x 73 mm"), std::string::npos) << tekst.ud;

    const auto json = Koer({"forslag", "--json", p});
    ASSERT_EQ(json.status, 0) << json.fejl;
    const auto tal = nlohmann::json::parse(json.ud);
    EXPECT_EQ(tal.at("Tekst"), foerste);
    const auto& forslag = tal.at("Forslag");
    EXPECT_EQ(forslag.at("LegteHojde"), 38.0);
    EXPECT_EQ(forslag.at("LegteBredde"), 73.0);
    EXPECT_TRUE(forslag.at("Soem").is_number_integer());
    EXPECT_EQ(forslag.at("KanAnvendes"), nlohmann::json({{"Laegte", true}, {"Soem", true}}));
    EXPECT_LE(forslag.at("UdnSoem").get<double>(), 1.0);
    EXPECT_TRUE(
        foerste.ends_with(forslag.at("Soemnavn").get<std::string>() + ", direkte fastgørelse"));
    ASSERT_EQ(tal.at("Kandidater").size(), 60U);
    EXPECT_EQ(tal.at("Kandidater").front(), forslag);

    const std::string bred = Projekt("bred.tgl", 11, "      3,00");
    const auto ingen = Koer({"forslag", bred});
    EXPECT_EQ(ingen.status, 1) << ingen.fejl;
    EXPECT_TRUE(ingen.ud.starts_with("Ingen af de afprøvede lægter og søm kan anvendes\n\n"));
    const auto ingenJson = Koer({"forslag", bred, "--json"});
    EXPECT_EQ(ingenJson.status, 1);
    EXPECT_TRUE(nlohmann::json::parse(ingenJson.ud).at("Forslag").is_null());

    const auto afvistJson = Koer({"forslag", "--json", Projekt("afvist.tgl", 7, "      0,00")});
    EXPECT_EQ(afvistJson.status, 2);
    const auto intet = nlohmann::json::parse(afvistJson.ud);
    EXPECT_TRUE(intet.at("Forslag").is_null());
    EXPECT_TRUE(intet.at("Kandidater").empty());
    EXPECT_EQ(intet.at("Afvisning"), "Lægteafstanden skal være positiv");
}

// Several project files: each report on the screen and in the out folder, in order, and the
// calculation document of each in its folder, named after the file; Danish on an English
// system when told so; stamped with the moment given, which may have points between the
// parts of the time, and in the same bytes each time. A document that cannot be saved leaves
// the file that was there as it was.
TEST_F(TagloCli, FlereFilerGiverRapportOgBeregningsdokumentForHvert)
{
    fs::create_directories(Sti("ud"));
    fs::create_directories(Sti("pdf"));
    const std::string p1 = test::ReferenceFil(1, "tgl");
    // clang-format off
    const Args kald{"rapport", "--dansk", "--tidspunkt", "2014-05-01,13.05.09", "--firma",
                    "Eksempel ApS", "--ud", Sti("ud"), "--pdf", Sti("pdf"),
                    test::ReferenceFil(3, "tgl"), p1};
    // clang-format on
    const Args miljoe{"LC_ALL=en_US.UTF-8", "TZ=UTC"};
    const auto udfald = Koer(kald, miljoe);
    EXPECT_NE(udfald.status, 2) << udfald.fejl;
    EXPECT_EQ(udfald.ud, SomUtf8(Referencefil(3)) + "\n" + SomUtf8(Referencefil(1)));
    EXPECT_EQ(test::LaesHeleFilen(Sti("ud/projekt03.txt")), Referencefil(3));
    EXPECT_EQ(test::LaesHeleFilen(Sti("ud/projekt01.txt")), Referencefil(1));
    const std::string dokument = test::LaesHeleFilen(Sti("pdf/projekt01.pdf"));
    EXPECT_TRUE(dokument.starts_with("%PDF-"));
    const std::string rapport = SomUtf8(Referencefil(1));
    const std::string hoved = rapport.substr(0, rapport.find("\nRESULTAT"));
    EXPECT_NE(test::PdfSide(Sti("pdf/projekt01.pdf"), 1).find(test::Enkeltrum(hoved)),
              std::string::npos);
    EXPECT_NE(test::PdfInfo(Sti("pdf/projekt03.pdf")).find("CreationDate:    2014-05-01T13:05:09Z"),
              std::string::npos);
    EXPECT_EQ(Koer(kald, miljoe).status, udfald.status);
    EXPECT_EQ(test::LaesHeleFilen(Sti("pdf/projekt01.pdf")), dokument);

    const Args utc{"LANG=C", "TZ=UTC"};
    std::ofstream(Sti("skrivebeskyttet.pdf")) << "forrige beregning";
    fs::permissions(Sti("skrivebeskyttet.pdf"), fs::perms::owner_read);
    const auto afvist = Koer({"rapport", p1, "--pdf", Sti("skrivebeskyttet.pdf")}, utc);
    EXPECT_EQ(afvist.status, 2);
    EXPECT_NE(afvist.fejl.find("Besked: Kan ikke gemme resultatet under det anførte navn\n"
                               "        EFCreateError\n"
                               "        Kan ikke oprette filen \"" +
                               Sti("skrivebeskyttet.pdf") + "\""),
              std::string::npos)
        << afvist.fejl;
    EXPECT_EQ(test::LaesHeleFilen(Sti("skrivebeskyttet.pdf")), "forrige beregning");
}

// A figure as SVG or PNG by the file's ending, PNG in the size asked (the drawing data are
// pinned with the reference projects).
TEST_F(TagloCli, FigurSomSvgOgPng)
{
    const std::string p = TAGLO_STANDARDFIL;
    ASSERT_EQ(Koer({"figur", "tvaersnit", p, Sti("t.svg")}).status, 0);
    const auto png =
        Koer({"figur", "soemforbindelse", p, Sti("s.png"), "--bredde", "320", "--hoejde", "200"});
    ASSERT_EQ(png.status, 0) << png.fejl;
    EXPECT_NE(test::LaesHeleFilen(Sti("t.svg")).find("<svg"), std::string::npos);
    // Width and height, four bytes each, most significant first: 320 = 0x140, 200 = 0xC8.
    const auto bytes = test::LaesHeleFilen(Sti("s.png"));
    EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x01\x40\0\0\0\xC8", 8));
}

} // namespace
} // namespace taglo
