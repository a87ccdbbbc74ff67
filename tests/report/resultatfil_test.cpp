#include "report/resultatfil.h"

#include "core/taltekst.h"
#include "midlertidig_mappe.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

void SkrivBytes(const std::string& sti, const std::string& bytes)
{
    std::ofstream(sti, std::ios::binary) << bytes;
}

TEST(ResultatDialog, GemResultatSomTekstfil)
{
    const FilDialog dialog = ResultatDialog();
    EXPECT_EQ(dialog.titel, "Gem resultat");
    EXPECT_EQ(dialog.filter, "Tekstfil (*.txt)|*.txt");
    EXPECT_EQ(dialog.standardEndelse, "txt");
}

TEST(GemResultat, LinjerneSomDeErIWindows1252MedCrLf)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    const Linjer rapport{StregLinie(2),
                         "RESULTAT",
                         "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.",
                         "",
                         "\fSide 2",
                         "  Tagvinkel:            25 °",
                         ""};
    EXPECT_TRUE(GemResultat(mappe.sti("r.txt"), rapport, meddelelser));
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(
        test::LaesHeleFilen(mappe.sti("r.txt")),
        "\x97\x97\r\nRESULTAT\r\n  L\xE6gtetv\xE6rsnittet H x B = 38 x 73 mm kan anvendes.\r\n\r\n"
        "\fSide 2\r\n  Tagvinkel:            25 \xB0\r\n\r\n");
}

TEST(GemResultat, ErstatterEnEksisterendeFilHelt)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    SkrivBytes(mappe.sti("r.txt"), std::string(10000, 'x') + "\r\n");
    EXPECT_TRUE(GemResultat(mappe.sti("r.txt"), {"RESULTAT"}, meddelelser));
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("r.txt")), "RESULTAT\r\n");
    EXPECT_TRUE(meddelelser.liste.empty());
}

// A write-protected file in a read-only folder: refused for every user, root included
// (root may write into the folder, but the program never replaces a file that is
// protected against writing).
TEST(GemResultat, SkrivebeskyttetFilIReadOnlyMappeEfterladesUroert)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    const std::string sti = mappe.sti("r.txt");
    const std::string gammelt = "gammel rapport\r\nlinje 2\r\n";
    SkrivBytes(sti, gammelt);
    fs::permissions(sti, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(mappe.sti(), fs::perms::owner_read | fs::perms::owner_exec);

    EXPECT_FALSE(GemResultat(sti, {"RESULTAT", "ny"}, meddelelser));

    fs::permissions(mappe.sti(), fs::perms::owner_all);
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0],
              (test::OptagetMeddelelse{
                  "besked", kKanIkkeGemme + "\r\nEFCreateError\r\nKan ikke oprette filen \"" + sti +
                                "\": Permission denied"}));
    EXPECT_EQ(test::LaesHeleFilen(sti), gammelt);
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe.sti()), fs::directory_iterator()), 1);
}

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
    const std::vector<test::OptagetMeddelelse> ingen;
    const std::vector<test::OptagetMeddelelse> kanIkke{
        {"besked", kKanIkkeGemme + "\r\nEFCreateError\r\nKan ikke oprette filen \"" + sti +
                       "\": Permission denied"}};
    EXPECT_EQ(meddelelser.liste, rod ? ingen : kanIkke);
}

TEST(GemResultat, MappeDerIkkeFindesGiverBeskedMedFejlartOgFejltekst)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    const std::string sti = mappe.sti("findes-ikke/r.txt");
    EXPECT_FALSE(GemResultat(sti, {"RESULTAT"}, meddelelser));
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_EQ(meddelelser.liste[0],
              (test::OptagetMeddelelse{
                  "besked", kKanIkkeGemme + "\r\nEFCreateError\r\nKan ikke oprette filen \"" + sti +
                                "\": No such file or directory"}));
    EXPECT_FALSE(fs::exists(mappe.sti("findes-ikke")));
}

TEST(GemResultat, EnMappeKanIkkeErstattesAfResultatet)
{
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    fs::create_directory(mappe.sti("rapport.txt"));
    fs::path indeni = mappe.sti("rapport.txt");
    SkrivBytes((indeni / "noget").string(), "x");
    EXPECT_FALSE(GemResultat(mappe.sti("rapport.txt"), {"RESULTAT"}, meddelelser));
    ASSERT_EQ(meddelelser.liste.size(), 1U);
    EXPECT_TRUE(meddelelser.liste[0].tekst.starts_with(kKanIkkeGemme + "\r\n"));
    EXPECT_EQ(test::LaesHeleFilen((indeni / "noget").string()), "x");
}

} // namespace
} // namespace taglo
