#include "cli/kommandolinje.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taglo::cli
{
namespace
{

std::variant<Kommando, Brugsfejl> Fortolk(std::vector<std::string> argumenter)
{
    return FortolkArgumenter(argumenter);
}

std::string Fejltekst(const std::variant<Kommando, Brugsfejl>& resultat)
{
    const auto* fejl = std::get_if<Brugsfejl>(&resultat);
    return fejl != nullptr ? fejl->tekst : std::string();
}

TEST(Kommandolinje, DobbeltBindestregAfslutterValgene)
{
    const auto resultat = Fortolk({"rapport", "--", "--json"});
    ASSERT_TRUE(std::holds_alternative<Kommando>(resultat));
    const auto& rapport = std::get<RapportKommando>(std::get<Kommando>(resultat));
    EXPECT_EQ(rapport.projekter, (std::vector<std::string>{"--json"}));
    EXPECT_FALSE(rapport.json);
}

TEST(Kommandolinje, FigurensStandardstoerrelseEr1000Gange700)
{
    const auto resultat = Fortolk({"figur", "laengdesnit", "p.tgl", "ud.svg"});
    ASSERT_TRUE(std::holds_alternative<Kommando>(resultat)) << Fejltekst(resultat);
    const auto& figur = std::get<FigurKommando>(std::get<Kommando>(resultat));
    EXPECT_EQ(figur.figur, Figur::Laengdesnit);
    EXPECT_EQ(figur.bredde, 1000);
    EXPECT_EQ(figur.hoejde, 700);
}

struct Fejlkald
{
    const char* navn;
    std::vector<std::string> argumenter;
};

class UbrugeligeArgumenter : public ::testing::TestWithParam<Fejlkald>
{};

TEST_P(UbrugeligeArgumenter, GiverEnBrugsfejl)
{
    const auto resultat = FortolkArgumenter(GetParam().argumenter);
    ASSERT_TRUE(std::holds_alternative<Brugsfejl>(resultat));
    EXPECT_FALSE(std::get<Brugsfejl>(resultat).tekst.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kommandolinje, UbrugeligeArgumenter,
    ::testing::Values(
        Fejlkald{"Tom", {}}, Fejlkald{"UkendtKommando", {"beregn", "a.tgl"}},
        Fejlkald{"RapportUdenFil", {"rapport", "--json"}},
        Fejlkald{"UkendtValg", {"rapport", "a.tgl", "--hurtig"}},
        Fejlkald{"ValgUdenVaerdi", {"rapport", "a.tgl", "--ud"}},
        Fejlkald{"LogNiveauNul", {"rapport", "a.tgl", "--log", "0"}},
        Fejlkald{"LogNiveauTre", {"rapport", "a.tgl", "--log", "3"}},
        Fejlkald{"TidspunktUdenKomma", {"rapport", "a.tgl", "--tidspunkt", "2014-05-01 13:05:09"}},
        Fejlkald{"UkendtFigur", {"figur", "grundplan", "a.tgl", "ud.svg"}},
        Fejlkald{"FigurUdenUdfil", {"figur", "tvaersnit", "a.tgl"}},
        Fejlkald{"FigurUkendtFormat", {"figur", "tvaersnit", "a.tgl", "ud.bmp"}},
        Fejlkald{"FigurBreddeNul", {"figur", "tvaersnit", "a.tgl", "ud.png", "--bredde", "0"}},
        Fejlkald{"FigurKaempestor", {"figur", "tvaersnit", "a.tgl", "ud.png", "--hoejde", "99999"}},
        Fejlkald{"FigurBreddeIkkeTal",
                 {"figur", "tvaersnit", "a.tgl", "ud.png", "--bredde", "stor"}}),
    [](const auto& info) { return std::string(info.param.navn); });

TEST(LaesTidspunkt, DatoOgKlokkeslaet)
{
    EXPECT_EQ(LaesTidspunkt("2014-05-01,13:05:09"), (Tidspunkt{2014, 5, 1, 13, 5, 9}));
    EXPECT_EQ(LaesTidspunkt("2014-05-01,13.05.09"), (Tidspunkt{2014, 5, 1, 13, 5, 9}));
    EXPECT_EQ(LaesTidspunkt("2016-02-29,00:00:00"), (Tidspunkt{2016, 2, 29, 0, 0, 0}))
        << "a leap day";
    EXPECT_EQ(LaesTidspunkt("2000-02-29,23:59:60"), (Tidspunkt{2000, 2, 29, 23, 59, 60}))
        << "a leap second";
    EXPECT_FALSE(LaesTidspunkt("2014-02-29,12:00:00")) << "2014 is no leap year";
    EXPECT_FALSE(LaesTidspunkt("1900-02-29,12:00:00"));
    EXPECT_FALSE(LaesTidspunkt("2014-04-31,12:00:00"));
    EXPECT_FALSE(LaesTidspunkt("2014-13-01,12:00:00"));
    EXPECT_FALSE(LaesTidspunkt("2014-00-01,12:00:00"));
    EXPECT_FALSE(LaesTidspunkt("2014-05-01,24:00:00"));
    EXPECT_FALSE(LaesTidspunkt("2014-05-01,13:60:00"));
    EXPECT_FALSE(LaesTidspunkt("2014-05-01,13:05.09")) << "one separator in the time";
    EXPECT_FALSE(LaesTidspunkt("2014-5-1,13:05:09"));
    EXPECT_FALSE(LaesTidspunkt(""));
}

} // namespace
} // namespace taglo::cli
