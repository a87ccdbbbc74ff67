// taglo-cli: its arguments, and the program run as the README shows it.
#include "cli/kommandolinje.h"
#include "core/tekst.h"
#include "core/tekstfil.h"

#include "pdftekst.h"
#include "proces.h"
#include "reference.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// Among them moments that are not in the calendar.
TEST(Kommandolinje, UbrugeligeArgumenterGiverEnBrugsfejl)
{
    const auto brugsfejl = [](const Args& argumenter) {
        return std::holds_alternative<cli::Brugsfejl>(cli::FortolkArgumenter(argumenter));
    };
    EXPECT_TRUE(brugsfejl({}));
    EXPECT_TRUE(brugsfejl({"beregn", "a.tgl"}));
    EXPECT_TRUE(brugsfejl({"rapport", "--json"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--hurtig"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--ud"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--log", "0"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--log", "3"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--tidspunkt", "2014-05-01 13:05:09"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--tidspunkt", "2014-02-29,12:00:00"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--tidspunkt", "1900-02-29,12:00:00"}));
    EXPECT_TRUE(brugsfejl({"rapport", "a.tgl", "--tidspunkt", "2014-05-01,24:00:00"}));
    EXPECT_TRUE(brugsfejl({"figur", "grundplan", "a.tgl", "ud.svg"}));
    EXPECT_TRUE(brugsfejl({"figur", "tvaersnit", "a.tgl", "ud.bmp"}));
    EXPECT_TRUE(brugsfejl({"figur", "tvaersnit", "a.tgl", "ud.png", "--bredde", "0"}));
    EXPECT_TRUE(brugsfejl({"figur", "tvaersnit", "a.tgl", "ud.png", "--hoejde", "99999"}));
}

const std::string kReferencetid = "2014-05-01,13:05:09";

std::string Reference(int nr, const std::string& endelse)
{
    return test::ReferenceMappe() + "/projekt0" + std::to_string(nr) + "." + endelse;
}

// A reference project's report as saved: one CR LF more than the reference .txt file when
// the report ends with the empty line that follows a report without the explanation.
std::string ReferenceResultat(int nr)
{
    const std::string tekst = test::LaesHeleFilen(Reference(nr, "txt"));
    return nlohmann::json::parse(test::LaesHeleFilen(Reference(nr, "json")))
                   .at("Inddata")
                   .at("ForklaringMed")
                   .get<bool>()
               ? tekst
               : tekst + "\r\n";
}

// A Windows-1252 file with CR LF as the screen shows it: UTF-8 with LF.
std::string SomUtf8(const std::string& windows1252)
{
    std::string tekst = FraWindows1252(windows1252);
    std::erase(tekst, '\r');
    return tekst;
}

class TagloCli : public ::testing::Test
{
  protected:
    void SetUp() override { fs::create_directories(mappe); }
    void TearDown() override { fs::remove_all(mappe); }
    [[nodiscard]] std::string Sti(const std::string& navn) const { return (mappe / navn).string(); }

    // Runs taglo-cli under the C locale (no regional settings: Danish) unless told otherwise.
    [[nodiscard]] test::Udfald Koer(const Args& argumenter, const Args& miljoe = {"LANG=C"}) const
    {
        return test::KoerProgram(TAGLO_CLI, argumenter, miljoe, mappe.string());
    }

    // A copy of the standard project file with line `nr` replaced.
    std::string Projekt(const std::string& navn, std::size_t nr, const std::string& tekst) const
    {
        auto linjer = LaesTekstfil(TAGLO_STANDARDFIL).linjer;
        linjer[nr - 1] = tekst;
        std::ofstream(Sti(navn), std::ios::binary) << SammenfoejLinjer(linjer);
        return Sti(navn);
    }

    const fs::path mappe = fs::temp_directory_path() / ("taglo_cli_" + std::to_string(::getpid()));
};

// Numbers agree to a billionth of their size; objects by field, arrays by element number.
void ForventEns(const nlohmann::json& faktisk, const nlohmann::json& forventet,
                const std::string& navn)
{
    if (forventet.is_structured())
    {
        ASSERT_TRUE(!forventet.is_array() || faktisk.size() == forventet.size()) << navn;
        for (const auto& [felt, v] : forventet.items())
        {
            ForventEns(faktisk.is_array() ? faktisk.at(std::stoul(felt)) : faktisk.at(felt), v,
                       navn + "." + felt);
        }
    }
    else if (forventet.is_number())
    {
        const double b = forventet.get<double>();
        EXPECT_NEAR(faktisk.get<double>(), b, 1e-9 * std::max(1.0, std::abs(b))) << navn;
    }
    else
    {
        EXPECT_EQ(faktisk, forventet) << navn;
    }
}

class ReferenceRapport : public TagloCli, public ::testing::WithParamInterface<int>
{};

// The report on the screen, saved and as the detailed log; exit status 0 when battens and
// nails can be used, else 1. With --json the numbers of the reference.
TEST_P(ReferenceRapport, GivesSomGemtResultatPaaSkaermenSomDetaljeretLogfilOgSomJson)
{
    const int nr = GetParam();
    const auto udfald = Koer({"rapport", Reference(nr, "tgl"), "--tidspunkt", kReferencetid,
                              "--firma", "Eksempel ApS", "--ud", Sti("resultat.txt"), "--log", "2",
                              "--logfil", Sti("mellemresultater.log")});
    EXPECT_EQ(test::LaesHeleFilen(Sti("resultat.txt")), ReferenceResultat(nr));
    EXPECT_EQ(udfald.ud, SomUtf8(ReferenceResultat(nr)));
    EXPECT_EQ(test::LaesHeleFilen(Sti("mellemresultater.log")),
              test::LaesHeleFilen(Reference(nr, "log")));
    EXPECT_EQ(udfald.fejl, "");
    const auto reference = nlohmann::json::parse(test::LaesHeleFilen(Reference(nr, "json")));
    const auto& r = reference.at("Resultatdata");
    const bool laegte = r.at("NormalfagOK").get<bool>() && r.at("GavlfagOK").get<bool>() &&
                        r.at("GavludkragningOK").get<bool>();
    const bool soem = r.at("NormalspaerSoemOK").get<bool>() && r.at("GavlspaerSoemOK").get<bool>();
    EXPECT_EQ(udfald.status, laegte && soem ? 0 : 1);

    const auto json = Koer({"rapport", "--json", Reference(nr, "tgl")});
    ASSERT_EQ(json.status, udfald.status) << json.fejl;
    const auto tal = nlohmann::json::parse(json.ud);
    ForventEns(tal,
               {{"Afledte", reference.at("Afledte")},
                {"Resultatdata", r},
                {"Rangliste", reference.at("Heads")}, // the governing case of each category
                {"Fil", Reference(nr, "tgl")},
                {"KanAnvendes", {{"Laegte", laegte}, {"Soem", soem}}}},
               "json");
    // Each of the 22 cases in analysis order with every field the program writes of it.
    ForventEns(reference.at("Cases"), tal.at("Tilfaeldeliste"), "Tilfaeldeliste");
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceRapport, ::testing::Range(1, 9));

// Each report on the screen and in the out folder, in order; Danish on an English system
// when told so; the moment may have points between the parts of the time.
TEST_F(TagloCli, FlereFilerGiverEnRapportHver)
{
    fs::create_directories(Sti("ud"));
    const auto udfald =
        Koer({"rapport", "--dansk", "--tidspunkt", "2014-05-01,13.05.09", "--firma", "Eksempel ApS",
              "--ud", Sti("ud"), Reference(3, "tgl"), Reference(1, "tgl")},
             {"LC_ALL=en_US.UTF-8"});
    EXPECT_EQ(udfald.ud, SomUtf8(ReferenceResultat(3)) + "\n" + SomUtf8(ReferenceResultat(1)));
    EXPECT_EQ(test::LaesHeleFilen(Sti("ud/projekt03.txt")), ReferenceResultat(3));
    EXPECT_EQ(test::LaesHeleFilen(Sti("ud/projekt01.txt")), ReferenceResultat(1));
}

// A project file from a Danish colleague calculates on an English system, its numbers
// shown with the system's decimal point.
TEST_F(TagloCli, DanskProjektfilRegnesPaaEtEngelskSystem)
{
    const auto udfald = Koer({"rapport", TAGLO_STANDARDFIL}, {"LANG=en_US.UTF-8"});
    EXPECT_TRUE(udfald.status == 0 || udfald.status == 1) << udfald.fejl;
    EXPECT_EQ(udfald.fejl, "");
    EXPECT_NE(udfald.ud.find("karakteristisk last 1.50 kN"), std::string::npos) << udfald.ud;
}

struct Kald
{
    Kald(int s, std::string b, Args a, const char* i = "intet", Args m = {"LANG=C"})
        : status(s), besked(std::move(b)), argumenter(std::move(a)), ikkeGemt(i), miljoe(m)
    {}
    int status;
    std::string besked; // on standard error
    Args argumenter;
    const char* ikkeGemt; // in the test's folder
    Args miljoe;
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
    const std::vector<Kald> kald{
        Kald(2, afvisning, {"rapport", afvist}),
        Kald(2, afvisning, {"figur", "soemforbindelse", afvist, Sti("soem.json")}, "soem.json"),
        Kald(2, "Fejl: ", {"rapport", "--ud", Sti("samlet.txt"), p, p}, "samlet.txt"),
        Kald(2, "Fejl: Med flere projektfiler skal --ud, --pdf og --logfil være mapper",
             {"rapport", "--pdf", Sti("samlet.pdf"), p, p}, "samlet.pdf"),
        Kald(2, "Besked: Kan ikke gemme resultatet under det anførte navn\n",
             {"rapport", p, "--ud", Sti("ingen/r.txt")}, "ingen"),
        Kald(2, "Fejl: Kan ikke gemme logfilen under det anførte navn\n",
             {"rapport", p, "--log", "1", "--logfil", Sti("ingen/x.log")}, "ingen"),
        // Only a regular file is read: a device, a pipe without a writer and a folder each
        // end the call at once.
        Kald(2,
             "Fejl: Uventet fejl: Programmet kan ikke hente inddata fra /dev/zero.\n"
             "      zero er ikke en almindelig fil",
             {"rapport", "/dev/zero"}),
        Kald(2, "kanal.tgl er ikke en almindelig fil", {"rapport", kanal}),
        Kald(2, mappe.filename().string() + " er en mappe, ikke en fil.",
             {"rapport", mappe.string()}),
        Kald(2, "\nBrug:\n  taglo-cli rapport", {"rapport", "a.tgl", "--log", "7"}),
        Kald(0, "Advarsel: Sømtype er ikke valgt. Første søm på listen forudsættes\n",
             {"rapport", Projekt("soem.tgl", 17, "-1"), "--logfil", Sti("x.log")}, "x.log")};
    for (const auto& c : kald)
    {
        const auto udfald = Koer(c.argumenter, c.miljoe);
        EXPECT_EQ(udfald.status, c.status) << c.besked;
        EXPECT_NE(udfald.fejl.find(c.besked), std::string::npos) << udfald.fejl;
        EXPECT_FALSE(fs::exists(Sti(c.ikkeGemt))) << c.ikkeGemt;
    }
}

// What scripts read from taglo-cli, for the reference projects: the numbers (--json) and
// the three figures' drawing data, byte for byte as the tool wrote them before its
// commands were rebuilt on the project API. Their SHA-256 are kept in
// tests/data/cli/uddata.sha256; a deliberate change of an output changes its line there.
TEST_F(TagloCli, TalOgTegningsdataErSomFoer)
{
    std::ifstream liste(std::string(TAGLO_TESTDATA) + "/cli/uddata.sha256");
    std::string navn;
    std::string forventet;
    int antal = 0;
    while (liste >> navn >> forventet)
    {
        // "projekt04.json" or "projekt04-tvaersnit.json"
        const std::string projekt = navn.substr(0, 9);
        const auto bindestreg = navn.find('-');
        const std::string tgl = test::ReferenceMappe() + "/" + projekt + ".tgl";
        std::string ud;
        if (bindestreg == std::string::npos)
        {
            ud = Koer({"rapport", "--json", tgl}).ud;
            // The file is named as it was given; here by its name alone.
            const std::string fil = "\"Fil\": \"" + tgl + "\"";
            const auto pos = ud.find(fil);
            ASSERT_NE(pos, std::string::npos) << navn;
            ud.replace(pos, fil.size(), "\"Fil\": \"" + projekt + ".tgl\"");
        }
        else
        {
            const std::string figur = navn.substr(bindestreg + 1, navn.size() - bindestreg - 6);
            ASSERT_EQ(Koer({"figur", figur, tgl, Sti("figur.json")}).status, 0) << navn;
            ud = test::LaesHeleFilen(Sti("figur.json"));
        }
        const QByteArray sha =
            QCryptographicHash::hash(QByteArray::fromStdString(ud), QCryptographicHash::Sha256)
                .toHex();
        EXPECT_EQ(sha.toStdString(), forventet) << navn;
        ++antal;
    }
    EXPECT_EQ(antal, 32) << "8 projects, each with its numbers and three figures";
}

// With --pdf the calculation document of each project, named after it in the folder given,
// stamped with the moment given, in the same bytes each time; a document that cannot be
// saved leaves the file that was there as it was.
TEST_F(TagloCli, BeregningsdokumentForHvertProjekt)
{
    fs::create_directories(Sti("pdf"));
    const Args kald{"rapport",  "--tidspunkt",       kReferencetid,
                    "--firma",  "Eksempel ApS",      "--pdf",
                    Sti("pdf"), Reference(3, "tgl"), Reference(1, "tgl")};
    const Args utc{"LANG=C", "TZ=UTC"};
    const auto udfald = Koer(kald, utc);
    EXPECT_NE(udfald.status, 2) << udfald.fejl;
    const std::string dokument = test::LaesHeleFilen(Sti("pdf/projekt01.pdf"));
    EXPECT_TRUE(dokument.starts_with("%PDF-"));
    const std::string rapport = SomUtf8(ReferenceResultat(1));
    const std::string hoved = rapport.substr(0, rapport.find("\nRESULTAT"));
    EXPECT_NE(test::PdfSide(Sti("pdf/projekt01.pdf"), 1).find(test::Enkeltrum(hoved)),
              std::string::npos);
    EXPECT_NE(test::PdfInfo(Sti("pdf/projekt03.pdf")).find("CreationDate:    2014-05-01T13:05:09Z"),
              std::string::npos);
    EXPECT_EQ(Koer(kald, utc).status, udfald.status);
    EXPECT_EQ(test::LaesHeleFilen(Sti("pdf/projekt01.pdf")), dokument);

    std::ofstream(Sti("skrivebeskyttet.pdf")) << "forrige beregning";
    fs::permissions(Sti("skrivebeskyttet.pdf"), fs::perms::owner_read);
    const auto afvist =
        Koer({"rapport", Reference(1, "tgl"), "--pdf", Sti("skrivebeskyttet.pdf")}, utc);
    EXPECT_EQ(afvist.status, 2);
    EXPECT_NE(afvist.fejl.find("Besked: Kan ikke gemme resultatet under det anførte navn\n"
                               "        EFCreateError\n"
                               "        Kan ikke oprette filen \"" +
                               Sti("skrivebeskyttet.pdf") + "\""),
              std::string::npos)
        << afvist.fejl;
    EXPECT_EQ(test::LaesHeleFilen(Sti("skrivebeskyttet.pdf")), "forrige beregning");
}

TEST_F(TagloCli, FigurSomTegningsdataSvgOgPng)
{
    const std::string p = TAGLO_STANDARDFIL;
    ASSERT_EQ(Koer({"figur", "laengdesnit", p, Sti("l.json")}).status, 0);
    ASSERT_EQ(Koer({"figur", "tvaersnit", p, Sti("t.svg")}).status, 0);
    const auto png =
        Koer({"figur", "soemforbindelse", p, Sti("s.png"), "--bredde", "320", "--hoejde", "200"});
    ASSERT_EQ(png.status, 0) << png.fejl;
    EXPECT_FALSE(nlohmann::json::parse(test::LaesHeleFilen(Sti("l.json"))).at("figurer").empty());
    EXPECT_NE(test::LaesHeleFilen(Sti("t.svg")).find("<svg"), std::string::npos);
    // Width and height, four bytes each, most significant first: 320 = 0x140, 200 = 0xC8.
    const auto bytes = test::LaesHeleFilen(Sti("s.png"));
    EXPECT_EQ(bytes.substr(0, 4), "\x89PNG");
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x01\x40\0\0\0\xC8", 8));
}

} // namespace
} // namespace taglo
