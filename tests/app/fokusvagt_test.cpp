// When the exit of an input control runs: sequences of focus events, typing and commands
// as the window reports them, and the exits they run.
#include "app/fokusvagt.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace taglo
{
namespace
{

using A = TFokusvagt::Aarsag;

struct Haendelse
{
    enum
    {
        Ind,       // the focus enters the control
        Ud,        // the focus leaves the control
        Skriv,     // the user types in it
        Timer,     // the focus change is complete: the waiting exits run
        Kommando,  // a command, a click or a tab change leaves the field being edited
        Programmet // the program moves the focus to the control while it acts
    } art;
    const char* kontrol = "";
    A aarsag = A::Bruger;
};

struct Forloeb
{
    const char* navn;
    std::vector<Haendelse> haendelser;
    std::vector<std::string> forladt;  // the exits run, in order
    std::set<std::string> afvist = {}; // controls whose value is rejected
    bool kommandoGaarVidere = true;    // what the last command learnt
};

// H = EditHusBr, F = EditFacHjd, T = EditTagVink.
const Forloeb kForloeb[] = {
    {"TabEfterIndtastning",
     {{Haendelse::Ind, "H"},
      {Haendelse::Skriv, "H"},
      {Haendelse::Ud, "H"},
      {Haendelse::Ind, "F"},
      {Haendelse::Timer}},
     {"H"}},
    {"UaendretFeltForladesOgsaa",
     {{Haendelse::Ind, "H"}, {Haendelse::Ud, "H"}, {Haendelse::Ind, "F"}, {Haendelse::Timer}},
     {"H"}},
    {"ProgrammetsFokusErIngenIndtraeden",
     {{Haendelse::Ind, "H", A::Program},
      {Haendelse::Ud, "H"},
      {Haendelse::Timer},
      {Haendelse::Kommando}},
     {}},
    {"IndtastningEfterProgrammetsFokus",
     {{Haendelse::Ind, "H", A::Program},
      {Haendelse::Skriv, "H"},
      {Haendelse::Ud, "H"},
      {Haendelse::Timer}},
     {"H"}},
    {"AndetVinduesFokusForladerIkke",
     {{Haendelse::Ind, "H"},
      {Haendelse::Ud, "H", A::Midlertidig},
      {Haendelse::Timer},
      {Haendelse::Ind, "H", A::Midlertidig},
      {Haendelse::Kommando}},
     {"H"}},
    {"KommandoForladerFeltetEnGang",
     {{Haendelse::Ind, "H"}, {Haendelse::Skriv, "H"}, {Haendelse::Kommando}, {Haendelse::Kommando}},
     {"H"}},
    {"FokusTilbageFoerTimerenVenterIkke",
     {{Haendelse::Ind, "H"},
      {Haendelse::Ud, "H"},
      {Haendelse::Ind, "H"},
      {Haendelse::Timer},
      {Haendelse::Kommando}},
     {"H"}},
    {"VentendeFoerFeltetMedFokus",
     {{Haendelse::Ind, "H"},
      {Haendelse::Ud, "H"},
      {Haendelse::Ind, "F"},
      {Haendelse::Skriv, "F"},
      {Haendelse::Kommando},
      {Haendelse::Timer}},
     {"H", "F"}},
    // The focus goes back to H; the exits of F and T are dropped, H's runs again.
    {"AfvistVaerdiStopperDeFoelgende",
     {{Haendelse::Ind, "H"},
      {Haendelse::Ud, "H"},
      {Haendelse::Ind, "F"},
      {Haendelse::Ud, "F"},
      {Haendelse::Ind, "T"},
      {Haendelse::Skriv, "T"},
      {Haendelse::Timer},
      {Haendelse::Kommando}},
     {"H", "H"},
     {"H"},
     false},
    {"ProgrammetsFokusflytningEfterladerIntet",
     {{Haendelse::Ind, "H"},
      {Haendelse::Programmet, "F"},
      {Haendelse::Timer},
      {Haendelse::Kommando}},
     {}},
};

class Fokusvagt : public ::testing::TestWithParam<Forloeb>
{};

TEST_P(Fokusvagt, KoererUdgangeneAfDeForladteFelter)
{
    const Forloeb& f = GetParam();
    std::string fokus;
    std::vector<std::string> forladt;
    std::optional<TFokusvagt> vagt;
    vagt.emplace([&] { return fokus; },
                 [&](const std::string& kontrol) {
                     forladt.push_back(kontrol);
                     if (!f.afvist.contains(kontrol))
                     {
                         return true;
                     }
                     fokus = kontrol; // the message box, then the focus back into the field
                     vagt->FokusLagtTilbage(kontrol);
                     return false;
                 });
    bool gaarVidere = true;
    for (const auto& [art, kontrol, aarsag] : f.haendelser)
    {
        switch (art)
        {
        case Haendelse::Ind:
            fokus = kontrol;
            vagt->FokusInd(kontrol, aarsag);
            break;
        case Haendelse::Ud:
            fokus.clear();
            static_cast<void>(vagt->FokusUd(kontrol, aarsag));
            break;
        case Haendelse::Skriv:
            vagt->Aendret(kontrol);
            break;
        case Haendelse::Timer:
            vagt->BehandlVentende();
            break;
        case Haendelse::Kommando:
            gaarVidere = vagt->ForladFelt();
            break;
        case Haendelse::Programmet:
        {
            const auto handling = vagt->ProgrammetHandler();
            EXPECT_FALSE(vagt->FokusUd(fokus, A::Bruger));
            fokus = kontrol;
            vagt->FokusInd(kontrol, A::Bruger);
            EXPECT_FALSE(vagt->ForladFelt()) << "no exit runs inside a handler";
            break;
        }
        }
    }
    EXPECT_EQ(forladt, f.forladt);
    EXPECT_EQ(gaarVidere, f.kommandoGaarVidere);
}

INSTANTIATE_TEST_SUITE_P(Forloeb, Fokusvagt, ::testing::ValuesIn(kForloeb),
                         [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo
