// Saving the report ("Gem resultat") and completing and saving the log ("Gem logfil").
#include "report/logfil.h"
#include "report/resultatfil.h"

#include "core/taltekst.h"
#include "core/tekstfil.h"
#include "midlertidig_mappe.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using Linjer = std::vector<std::string>;

const std::string kKanIkkeGemme = "Kan ikke gemme resultatet under det anførte navn";
const std::vector<test::OptagetMeddelelse> kLogKanIkkeGemmes{
    {"fejldialog", "Kan ikke gemme logfilen under det anførte navn"}};

void SkrivBytes(const std::string& sti, const std::string& bytes)
{
    std::ofstream(sti, std::ios::binary) << bytes;
}

TEST(Gemmedialoger, TitelFilterOgEndelse)
{
    EXPECT_EQ(ResultatDialog().titel, "Gem resultat");
    EXPECT_EQ(ResultatDialog().filter, "Tekstfil (*.txt)|*.txt");
    EXPECT_EQ(ResultatDialog().standardEndelse, "txt");
    EXPECT_EQ(LogfilDialog().titel, "Gem logfil");
    EXPECT_EQ(LogfilDialog().filter, "Tekstfil (*.log)|*.log");
    EXPECT_EQ(LogfilDialog().standardEndelse, "log");
}

TEST(GemResultat, ErstatterFilenMedLinjerneIWindows1252MedCrLf)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    SkrivBytes(mappe.sti("r.txt"), std::string(10000, 'x') + "\r\n");
    const Linjer rapport{StregLinie(2),
                         "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.",
                         "",
                         "\fSide 2",
                         "  Tagvinkel:            25 °",
                         ""};
    EXPECT_TRUE(GemResultat(mappe.sti("r.txt"), rapport, meddelelser));
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("r.txt")),
              "\x97\x97\r\n  L\xE6gtetv\xE6rsnittet H x B = 38 x 73 mm kan anvendes.\r\n\r\n"
              "\fSide 2\r\n  Tagvinkel:            25 \xB0\r\n\r\n");
}

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
    void (*forbered)(const fs::path& mappe);
    const char* aarsag; // the system's text ending the message, or nothing to check
};

class GemResultatFejler : public ::testing::TestWithParam<Gemmefejl>
{};

TEST_P(GemResultatFejler, BeskedMedFejlartOgIntetIMappenAendres)
{
    const test::MidlertidigMappe mappe;
    GetParam().forbered(mappe.sti());
    const auto foer = Indhold(mappe.sti());
    const std::string sti = mappe.sti(GetParam().fil);
    test::OptagneMeddelelser meddelelser;

    EXPECT_FALSE(GemResultat(sti, {"RESULTAT", "ny"}, meddelelser));

    fs::permissions(mappe.sti(), fs::perms::owner_all);
    EXPECT_EQ(Indhold(mappe.sti()), foer);
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0].art, "besked");
    const std::string start = kKanIkkeGemme + "\r\nEFCreateError\r\n";
    EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(start)) << meddelelser.liste[0].tekst;
    if (GetParam().aarsag != nullptr)
    {
        EXPECT_EQ(meddelelser.liste[0].tekst,
                  start + "Kan ikke oprette filen \"" + sti + "\": " + GetParam().aarsag);
    }
}

INSTANTIATE_TEST_SUITE_P(
    GemResultat, GemResultatFejler,
    ::testing::Values(
        // Refused for every user, root included: root may write into a read-only folder,
        // but the program never replaces a file that is protected against writing.
        Gemmefejl{"SkrivebeskyttetFilIReadOnlyMappe", "r.txt",
                  [](const fs::path& m) {
                      SkrivBytes((m / "r.txt").string(), "gammel rapport\r\n");
                      fs::permissions(m / "r.txt", fs::perms::owner_read | fs::perms::group_read);
                      fs::permissions(m, fs::perms::owner_read | fs::perms::owner_exec);
                  },
                  "Permission denied"},
        Gemmefejl{"MappeDerIkkeFindes", "findes-ikke/r.txt", [](const fs::path&) {},
                  "No such file or directory"},
        Gemmefejl{"EnMappeKanIkkeErstattes", "rapport.txt",
                  [](const fs::path& m) {
                      fs::create_directory(m / "rapport.txt");
                      SkrivBytes((m / "rapport.txt/noget").string(), "x");
                  },
                  nullptr}),
    [](const auto& info) { return std::string(info.param.navn); });

// A folder without write permission stops everyone but root; either way the old file is
// never left half written: it is the old file or the new one, whole.
TEST(GemResultat, ReadOnlyMappeGiverGammelEllerNyFilAldrigEnBlanding)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    const std::string sti = mappe.sti("r.txt");
    const std::string gammelt = std::string(3000, 'g') + "\r\n";
    SkrivBytes(sti, gammelt);
    fs::permissions(mappe.sti(), fs::perms::owner_read | fs::perms::owner_exec);

    const bool gemt = GemResultat(sti, {"ny rapport"}, meddelelser);

    fs::permissions(mappe.sti(), fs::perms::owner_all);
    const bool rod = ::geteuid() == 0;
    EXPECT_EQ(gemt, rod);
    EXPECT_EQ(test::LaesHeleFilen(sti), rod ? "ny rapport\r\n" : gammelt);
    EXPECT_EQ(meddelelser.liste.size(), rod ? 0U : 1U);
}

// ---- The log file

const Linjer kRapport{"RESULTAT", "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.", ""};
const Linjer kMotorlinjer{"Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90", "",
                          "Egenlast  0,90"};
// The report, an empty line, "DETALJER" and the engine's lines.
const std::string kLogfil =
    "RESULTAT\r\n  L\xE6gtetv\xE6rsnittet H x B = 38 x 73 mm kan anvendes.\r\n\r\n\r\nDETALJER\r\n"
    "Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90\r\n\r\nEgenlast  0,90\r\n";

// A log of `niveau` into which the engine wrote its lines.
TLogliste LogMedMotorlinjer(int niveau)
{
    TLogliste log(niveau);
    for (const auto& linje : kMotorlinjer)
    {
        log.LogLinie(linje);
    }
    return log;
}

TEST(FuldfoerLog, UdenLogIngenDialogOgIngenLinjer)
{
    TLogliste log(0);
    log.LogLinie("ignoreres");
    test::OptagneDialoger dialoger({std::string("/tmp/skal-ikke-bruges.log")});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(kRapport, log, dialoger, meddelelser);
    EXPECT_TRUE(dialoger.viste().empty());
    EXPECT_TRUE(log.linjer().empty());
    EXPECT_TRUE(meddelelser.liste.empty());
}

class FuldfoerLogPaaNiveau : public ::testing::TestWithParam<int>
{};

TEST_P(FuldfoerLogPaaNiveau, AnnulleretGemmerIntetOgGemtErstatterFilenUdenAtSpoerge)
{
    const test::MidlertidigMappe mappe;
    const std::string gammel(50000, 'l');
    SkrivBytes(mappe.sti("tag.log"), gammel);
    test::OptagneDialoger dialoger({std::nullopt, mappe.sti("tag.log")});
    test::OptagneMeddelelser meddelelser;

    TLogliste annulleret = LogMedMotorlinjer(GetParam());
    FuldfoerLog(kRapport, annulleret, dialoger, meddelelser);
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("tag.log")), gammel);
    TLogliste gemt = LogMedMotorlinjer(GetParam());
    FuldfoerLog(kRapport, gemt, dialoger, meddelelser);
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("tag.log")), kLogfil);

    EXPECT_EQ(annulleret.linjer(), DelLinjer(kLogfil)) << "the log stays in memory";
    EXPECT_EQ(gemt.linjer(), DelLinjer(kLogfil));
    ASSERT_EQ(dialoger.viste().size(), 2U);
    EXPECT_EQ(dialoger.viste()[1].art, "gem");
    EXPECT_EQ(dialoger.viste()[1].dialog.titel, "Gem logfil");
    EXPECT_TRUE(meddelelser.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(BegraensetOgDetaljeret, FuldfoerLogPaaNiveau, ::testing::Values(1, 2));

TEST(FuldfoerLog, MislykketGemViserFejldialogOgLaderGammelFilUroert)
{
    const test::MidlertidigMappe mappe;
    const std::string sti = mappe.sti("beskyttet.log");
    SkrivBytes(sti, "gammel log\r\n");
    fs::permissions(sti, fs::perms::owner_read);
    for (const std::string& maal : {sti, mappe.sti("ingen/mappe/tag.log")})
    {
        TLogliste log = LogMedMotorlinjer(2);
        test::OptagneDialoger dialoger({maal});
        test::OptagneMeddelelser meddelelser;
        FuldfoerLog(kRapport, log, dialoger, meddelelser);
        EXPECT_EQ(meddelelser.liste, kLogKanIkkeGemmes) << maal;
        EXPECT_EQ(log.linjer(), DelLinjer(kLogfil));
    }
    EXPECT_EQ(test::LaesHeleFilen(sti), "gammel log\r\n");
}

} // namespace
} // namespace taglo
