// When the exit of an input control runs: sequences of focus events, typing and commands
// as the window reports them, and the exits they run.
#include "app/fokusvagt.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace taglo
{
namespace
{

using A = TFokusvagt::Aarsag;

// Events, separated by blanks, on the fields H, F and T (any control names): "H+" the
// user enters H, "H+p" the program moves the focus there, "H+m" it comes back from
// another window; "H-" the focus leaves H, "H-m" for another window; "Hs" the user types
// in H; "t" the focus change is complete; "k" a calculating command (or a click, a tab
// change); "o" any other command, which is never held by a rejected value;
// ">F" while the program acts (a message box, a mirrored tab) the focus moves to F.
struct Forloeb
{
    const char* navn;
    const char* haendelser;
    std::vector<std::string> forladt;  // the exits run, in order
    std::set<std::string> afvist = {}; // controls whose value is rejected
    bool kommandoGaarVidere = true;    // what the last command learnt
};

const Forloeb kForloeb[] = {
    {"TabEfterIndtastning", "H+ Hs H- F+ t", {"H"}},
    {"UaendretFeltForladesOgsaa", "H+ H- F+ t", {"H"}},
    {"FeltetDerLigeErIndtraadtForladesForstSenere", "H+ H- F+ t F- T+ t", {"H", "F"}},
    {"ProgrammetsFokusErIngenIndtraeden", "H+p H- t k", {}},
    {"IndtastningEfterProgrammetsFokus", "H+p Hs H- t", {"H"}},
    {"AndetVinduesFokusForladerIkke", "H+ H-m t H+m k", {"H"}},
    {"KommandoForladerFeltetEnGang", "H+ Hs k k", {"H"}},
    {"FokusTilbageFoerTimerenVenterIkke", "H+ H- H+ t k", {"H"}},
    {"VentendeFoerFeltetMedFokus", "H+ H- F+ Fs k t", {"H", "F"}},
    // The focus goes back into H; the exits of F and T are dropped, H's runs again.
    {"AfvistVaerdiStopperDeFoelgende", "H+ H- F+ F- T+ Ts t k", {"H", "H"}, {"H"}, false},
    {"ProgrammetsFokusflytningEfterladerIntet", "H+ >F t k", {}},
    // A rejected value put back is not checked again by another command, unless it changed;
    // a calculation checks it again.
    {"AndenKommandoKontrollererIkkeAfvistIgen", "H+ Hs k o o", {"H"}, {"H"}, false},
    {"BeregningKontrollererAfvistIgen", "H+ Hs k o k", {"H", "H"}, {"H"}, false},
    {"RettetVaerdiKontrolleresAfAndenKommando", "H+ Hs k Hs o", {"H", "H"}, {"H"}, false},
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
    std::istringstream haendelser(f.haendelser);
    for (std::string h; haendelser >> h;)
    {
        const std::string kontrol = h.substr(0, 1);
        const A aarsag = h.ends_with('p')   ? A::Program
                         : h.ends_with('m') ? A::Midlertidig
                                            : A::Bruger;
        if (h == "t")
        {
            vagt->BehandlVentende();
        }
        else if (h == "k")
        {
            gaarVidere = vagt->ForladFelt();
        }
        else if (h == "o")
        {
            vagt->ForladFeltUdenGenkontrol();
        }
        else if (h[0] == '>')
        {
            const auto handling = vagt->ProgrammetHandler();
            EXPECT_FALSE(vagt->FokusUd(fokus, A::Bruger));
            fokus = h.substr(1);
            vagt->FokusInd(fokus, A::Bruger);
            EXPECT_FALSE(vagt->ForladFelt()) << "no exit runs while the program acts";
        }
        else if (h[1] == '+')
        {
            fokus = kontrol;
            vagt->FokusInd(kontrol, aarsag);
        }
        else if (h[1] == '-')
        {
            fokus.clear();
            static_cast<void>(vagt->FokusUd(kontrol, aarsag));
        }
        else
        {
            vagt->Aendret(kontrol);
        }
    }
    EXPECT_EQ(forladt, f.forladt);
    EXPECT_EQ(gaarVidere, f.kommandoGaarVidere);
}

INSTANTIATE_TEST_SUITE_P(Forloeb, Fokusvagt, ::testing::ValuesIn(kForloeb),
                         [](const auto& info) { return std::string(info.param.navn); });

} // namespace
} // namespace taglo
