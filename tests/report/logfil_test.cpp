#include "report/logfil.h"

#include "core/tekstfil.h"
#include "midlertidig_mappe.h"
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace taglo
{
namespace
{
namespace fs = std::filesystem;
using Linjer = std::vector<std::string>;

const Linjer kRapport{"RESULTAT", "  Lægtetværsnittet H x B = 38 x 73 mm kan anvendes.", ""};
const Linjer kMotorlinjer{"Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90", "",
                          "Egenlast  0,90"};

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

Linjer RapportTomLinjeDetaljerOgMotor()
{
    Linjer linjer = kRapport;
    linjer.emplace_back("");
    linjer.emplace_back("DETALJER");
    linjer.insert(linjer.end(), kMotorlinjer.begin(), kMotorlinjer.end());
    return linjer;
}

TEST(LogfilDialog, GemLogfilSomLogfil)
{
    const FilDialog dialog = LogfilDialog();
    EXPECT_EQ(dialog.titel, "Gem logfil");
    EXPECT_EQ(dialog.filter, "Tekstfil (*.log)|*.log");
    EXPECT_EQ(dialog.standardEndelse, "log");
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

TEST_P(FuldfoerLogPaaNiveau, AnnulleretDialogGemmerIntet)
{
    const test::MidlertidigMappe mappe;
    TLogliste log = LogMedMotorlinjer(GetParam());
    test::OptagneDialoger dialoger({std::nullopt});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(kRapport, log, dialoger, meddelelser);

    ASSERT_EQ(dialoger.viste().size(), 1U);
    EXPECT_EQ(dialoger.viste()[0].art, "gem");
    EXPECT_EQ(dialoger.viste()[0].dialog.titel, "Gem logfil");
    EXPECT_EQ(log.linjer(), RapportTomLinjeDetaljerOgMotor());
    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(std::distance(fs::directory_iterator(mappe.sti()), fs::directory_iterator()), 0);
}

TEST_P(FuldfoerLogPaaNiveau, RapportTomLinjeDetaljerOgMotorensLinjerGemmes)
{
    const test::MidlertidigMappe mappe;
    TLogliste log = LogMedMotorlinjer(GetParam());
    test::OptagneDialoger dialoger({mappe.sti("tag.log")});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(kRapport, log, dialoger, meddelelser);

    EXPECT_TRUE(meddelelser.liste.empty());
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("tag.log")),
              "RESULTAT\r\n  L\xE6gtetv\xE6rsnittet H x B = 38 x 73 mm kan anvendes.\r\n\r\n"
              "\r\nDETALJER\r\n"
              "Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90\r\n\r\nEgenlast  0,90\r\n");
}

INSTANTIATE_TEST_SUITE_P(BegraensetOgDetaljeret, FuldfoerLogPaaNiveau, ::testing::Values(1, 2));

class RapportAfNLinjer : public ::testing::TestWithParam<std::size_t>
{};

TEST_P(RapportAfNLinjer, DetaljerStaarILinjeNPlus2)
{
    const std::size_t n = GetParam();
    const test::MidlertidigMappe mappe;
    Linjer rapport;
    for (std::size_t i = 0; i < n; ++i)
    {
        rapport.push_back("rapportlinje " + std::to_string(i + 1));
    }
    TLogliste log = LogMedMotorlinjer(1);
    test::OptagneDialoger dialoger({mappe.sti("n.log")});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(rapport, log, dialoger, meddelelser);

    const Linjer fil = DelLinjer(test::LaesHeleFilen(mappe.sti("n.log")));
    ASSERT_EQ(fil.size(), n + 2 + kMotorlinjer.size());
    EXPECT_EQ(Linjer(fil.begin(), fil.begin() + static_cast<std::ptrdiff_t>(n)), rapport);
    EXPECT_EQ(fil[n], "");
    EXPECT_EQ(fil[n + 1], "DETALJER") << "line " << n + 2 << " counted from 1";
}

INSTANTIATE_TEST_SUITE_P(FuldfoerLog, RapportAfNLinjer, ::testing::Values(0U, 1U, 7U, 142U));

TEST(FuldfoerLog, ErstatterEnEksisterendeLogfilUdenAtSpoerge)
{
    const test::MidlertidigMappe mappe;
    std::ofstream(mappe.sti("tag.log"), std::ios::binary) << std::string(50000, 'l');
    TLogliste log = LogMedMotorlinjer(2);
    test::OptagneDialoger dialoger({mappe.sti("tag.log")});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(kRapport, log, dialoger, meddelelser);
    EXPECT_EQ(test::LaesHeleFilen(mappe.sti("tag.log")),
              SammenfoejLinjer(RapportTomLinjeDetaljerOgMotor()));
    EXPECT_EQ(dialoger.viste().size(), 1U);
}

TEST(FuldfoerLog, MislykketGemViserFejldialogOgLaderGammelFilUroert)
{
    const test::MidlertidigMappe mappe;
    const std::string sti = mappe.sti("beskyttet.log");
    std::ofstream(sti, std::ios::binary) << "gammel log\r\n";
    fs::permissions(sti, fs::perms::owner_read);
    TLogliste log = LogMedMotorlinjer(2);
    test::OptagneDialoger dialoger({sti});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(kRapport, log, dialoger, meddelelser);

    EXPECT_EQ(meddelelser.liste,
              (std::vector<test::OptagetMeddelelse>{
                  {"fejldialog", "Kan ikke gemme logfilen under det anførte navn"}}));
    EXPECT_EQ(test::LaesHeleFilen(sti), "gammel log\r\n");
    EXPECT_EQ(log.linjer(), RapportTomLinjeDetaljerOgMotor());
}

TEST(FuldfoerLog, MappeDerIkkeFindesViserFejldialog)
{
    const test::MidlertidigMappe mappe;
    TLogliste log = LogMedMotorlinjer(1);
    test::OptagneDialoger dialoger({mappe.sti("ingen/mappe/tag.log")});
    test::OptagneMeddelelser meddelelser;
    FuldfoerLog(kRapport, log, dialoger, meddelelser);
    EXPECT_EQ(meddelelser.liste,
              (std::vector<test::OptagetMeddelelse>{
                  {"fejldialog", "Kan ikke gemme logfilen under det anførte navn"}}));
}

} // namespace
} // namespace taglo
