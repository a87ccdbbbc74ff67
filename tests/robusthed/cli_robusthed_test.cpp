// Hostile project files given to "taglo-cli rapport", run as a program: an unreadable or
// rejected file ends with exit status 2 and the program's message on standard error;
// a file that loads gives a report without a value that is not finite; and the program
// always ends by itself.
#include "fjendtlig_fil.h"

#include "proces.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace taglo::test
{
namespace
{

constexpr int kKanAnvendes = 0;
constexpr int kKanIkkeAnvendes = 1;
constexpr int kFejl = 2;

class CliRapport : public ::testing::Test
{
  protected:
    // Writes the bytes as a project file in the temporary folder; returns its path.
    std::string Skriv(std::string_view navn, std::string_view bytes)
    {
        std::string sti = mappe.Sti(navn);
        std::ofstream fil(sti, std::ios::binary | std::ios::trunc);
        fil.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(fil.good());
        return sti;
    }

    // "taglo-cli rapport --dansk --tidspunkt ... <projekter>".
    Udfald Rapport(const std::vector<std::string>& projekter)
    {
        std::vector<std::string> argumenter{"rapport", "--dansk", "--tidspunkt",
                                            "2014-05-01,13:05:09"};
        argumenter.insert(argumenter.end(), projekter.begin(), projekter.end());
        return KoerProgram(TAGLO_CLI, argumenter, {"QT_QPA_PLATFORM=offscreen"}, mappe.Sti(""));
    }

    [[nodiscard]] std::string Sti(std::string_view navn) const { return mappe.Sti(navn); }

  private:
    MidlertidigMappe mappe;
};

TEST_F(CliRapport, UlaeseligFilGiverStatus2OgHentebeskeden)
{
    auto linjer = StandardLinjer();
    linjer.pop_back();
    SkrivStorFil(Sti("stor.tgl"), "", '7', 50);
    for (const auto& sti :
         {Skriv("tom.tgl", ""), Sti("findes-ikke.tgl"), Skriv("30.tgl", SomFil(linjer)),
          Skriv("stoej.tgl", BinaertStoej(7, 64 * std::size_t{1024})), Sti("stor.tgl")})
    {
        const auto udfald = Rapport({sti});
        EXPECT_EQ(udfald.status, kFejl) << sti;
        EXPECT_NE(udfald.fejl.find("Fejl: Uventet fejl: Programmet kan ikke hente inddata fra " +
                                   sti + "."),
                  std::string::npos)
            << udfald.fejl;
        EXPECT_TRUE(udfald.ud.empty()) << "no report";
    }
}

TEST_F(CliRapport, AffaldMedTalSomSnefaktorerAfvisesMedStatus2)
{
    std::vector<std::string> affald(31, "x#y");
    affald[24] = "      0,40";
    affald[25] = "      0,80";
    const auto udfald = Rapport({Skriv("affald.tgl", SomFil(affald))});
    EXPECT_EQ(udfald.status, kFejl);
    EXPECT_NE(udfald.fejl.find("Besked: Det indtastede er ugyldigt som tal"), std::string::npos);
    EXPECT_NE(udfald.fejl.find("Fejl: Huskropbredden skal være positiv"), std::string::npos)
        << udfald.fejl;
    EXPECT_TRUE(udfald.ud.empty());
}

TEST_F(CliRapport, NanInfOgEnormeVaerdierGiverKonverteringsbeskedOgEnEndeligRapport)
{
    auto linjer = StandardLinjer();
    linjer[8] = "nan";    // facade overhang
    linjer[13] = "inf";   // gable overhang
    linjer[3] = "1e300";  // house width
    linjer[9] = "1e300";  // house length
    linjer[19] = "1e300"; // roofing weight
    linjer[16] = "-2147483648";
    linjer[30] = "2147483647";
    const auto udfald = Rapport({Skriv("nan.tgl", SomFil(linjer))});
    EXPECT_NE(udfald.fejl.find("'nan' is not a valid floating point value"), std::string::npos);
    EXPECT_NE(udfald.fejl.find("'inf' is not a valid floating point value"), std::string::npos);
    EXPECT_TRUE(udfald.status == kKanAnvendes || udfald.status == kKanIkkeAnvendes)
        << "status " << udfald.status << ": " << udfald.fejl;
    EXPECT_NE(udfald.ud.find("RESULTAT"), std::string::npos);
    EXPECT_FALSE(ViserIkkeEndeligtTal(udfald.ud)) << udfald.ud;
}

TEST_F(CliRapport, EnUlaeseligFilBlandtGodeGiverStatus2OgDeGodesRapporter)
{
    const std::string god = Skriv("god.tgl", SomFil(StandardLinjer()));
    const std::string tom = Skriv("tom.tgl", "");
    const auto udfald = Rapport({god, tom, god});
    EXPECT_EQ(udfald.status, kFejl);
    EXPECT_NE(udfald.fejl.find(tom + ": Fejl: Uventet fejl: Programmet kan ikke hente inddata"),
              std::string::npos)
        << udfald.fejl;
    std::size_t rapporter = 0;
    for (auto pos = udfald.ud.find("TAGLO  *"); pos != std::string::npos;
         pos = udfald.ud.find("TAGLO  *", pos + 1))
    {
        ++rapporter;
    }
    EXPECT_EQ(rapporter, 2U);
}

} // namespace
} // namespace taglo::test
