// Hostile project files, one list run through the program and through taglo-cli: each
// gives the load message or a defined verdict, and never a crash, a hang, a value that is
// not finite in the report, or memory that grows with the file.
#pragma once

#include "applikationsbaenk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taglo::test
{

// The largest single request for memory since NulstilStoersteAllokering.
void NulstilStoersteAllokering();
[[nodiscard]] std::size_t StoersteAllokering();

inline constexpr std::size_t kMegabyte = std::size_t{1024} * 1024;

enum class Dom
{
    Ulaeselig,          // the load message; nothing changes
    Afvist,             // loaded; the calculation refuses the inputs with its message
    Beregnet,           // loaded and calculated
    AfvistEllerBeregnet // loaded; either, but never a value that is not finite
};

struct FjendtligFilTilfaelde
{
    const char* navn;
    Dom dom;
    std::vector<std::pair<std::size_t, std::string>> linjer{}; // replaced in Standard.tgl
    std::string (*bytes)() = nullptr;                          // or the whole file
};

inline std::string Bytes(const FjendtligFilTilfaelde& t)
{
    if (t.bytes != nullptr)
    {
        return t.bytes();
    }
    auto linjer = StandardLinjer();
    for (const auto& [nr, tekst] : t.linjer)
    {
        linjer.at(nr - 1) = tekst;
    }
    return SomFil(linjer);
}

// 64 kB of noise, every byte value alike, the same for the same seed.
inline std::string BinaertStoej(unsigned froe)
{
    std::mt19937 generator(froe);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string stoej(64 * std::size_t{1024}, '\0');
    for (char& c : stoej)
    {
        c = static_cast<char>(byte(generator));
    }
    return stoej;
}

// Every integer line (the nail and the radio groups) holding `tekst`.
inline std::vector<std::pair<std::size_t, std::string>> AlleHeltalslinjer(const char* tekst)
{
    std::vector<std::pair<std::size_t, std::string>> linjer;
    for (const std::size_t nr : {8, 17, 21, 23, 27, 28, 29, 30, 31})
    {
        linjer.emplace_back(nr, tekst);
    }
    return linjer;
}

using enum Dom;
inline const FjendtligFilTilfaelde kFjendtligeFiler[] = {
    {"Tom", Ulaeselig, {}, [] { return std::string(); }},
    {"TrediveLinjer",
     Ulaeselig,
     {},
     [] {
         auto linjer = StandardLinjer();
         linjer.pop_back();
         return SomFil(linjer);
     }},
    {"EnOgTrediveLinjerAffald",
     Ulaeselig,
     {},
     [] { return SomFil(std::vector<std::string>(31, "#!%&/()=?` ,.;: <>")); }},
    {"AffaldMedTalSomSnefaktorer",
     Afvist,
     {},
     [] {
         std::vector<std::string> linjer(31, "x#y");
         linjer[24] = "      0,40";
         linjer[25] = "      0,80";
         return SomFil(linjer);
     }},
    {"BinaertStoej1", Ulaeselig, {}, [] { return BinaertStoej(1); }},
    {"BinaertStoej2", Ulaeselig, {}, [] { return BinaertStoej(2); }},
    {"BinaertStoej3", Ulaeselig, {}, [] { return BinaertStoej(3); }},
    {"FemtiMegabyteUdenLinjeskift", Ulaeselig, {}, [] { return std::string(50 * kMegabyte, '7'); }},
    {"FemtiMegabyteEfterEtProjekt",
     Beregnet,
     {},
     [] { return SomFil(StandardLinjer()) + std::string(50 * kMegabyte, '\n'); }},
    {"LinjerPaaEnMegabyte",
     Afvist,
     {},
     [] {
         auto linjer = StandardLinjer(1, std::string(kMegabyte, 'P'));
         linjer[3] = "      8,00" + std::string(kMegabyte, ' '); // a number, then blanks
         linjer[4] = std::string(kMegabyte, '3');                // cut at 4 096 bytes: not a number
         linjer[16] = std::string(kMegabyte, '1');               // a nail index beyond 32 bits
         return SomFil(linjer);
     }},
    {"Utf8", Afvist, {{1, "T\xC3\xA5rnh\xC3\xB8j"}, {4, "8,00\xC2\xA0"}}},
    {"KunCR", Beregnet, {}, [] { return SomFil(StandardLinjer(), "\r"); }},
    {"EksponentStortE", Beregnet, {{4, "8E0"}}},
    {"EksponentUdOverEnDouble", Afvist, {{4, "1e400"}}},
    {"EnormEksponent", Afvist, {{4, "1e99999999999999999999"}}},
    {"NanIFacadeudhaeng", Beregnet, {{9, "nan"}}},
    {"InfIGavludhaeng", Beregnet, {{14, "inf"}}},
    {"MinusInfinityIFacadeudhaeng", Beregnet, {{9, "  -Infinity  "}}},
    {"NanSomNormalSneformfaktor", Ulaeselig, {{25, "nan"}}},
    {"SneformfaktorMedPunktum", Ulaeselig, {{25, "0.40"}}},
    {"ForhoejetSneformfaktorTom", Ulaeselig, {{26, ""}}},
    {"NegativeIndeks", Beregnet, AlleHeltalslinjer("-2147483648")},
    {"EnormeIndeks", Beregnet, AlleHeltalslinjer("99999999999999999999")},
    {"IndeksOver32Bit", Beregnet, AlleHeltalslinjer("4000000000")},
    {"StoersteDoubleSomHusbredde", AfvistEllerBeregnet, {{4, "1,7976931348623157e308"}}},
    {"EnormHusbredde", AfvistEllerBeregnet, {{4, "1e300"}}},
    {"EnormFacadehoejde", AfvistEllerBeregnet, {{5, "1e300"}}},
    {"ForsvindendeLaegteafstand", AfvistEllerBeregnet, {{7, "1e-300"}}},
    {"EnormLaegteafstand", AfvistEllerBeregnet, {{7, "1e300"}}},
    {"EnormtFacadeudhaeng", AfvistEllerBeregnet, {{9, "1e300"}}},
    {"EnormHuslaengde", AfvistEllerBeregnet, {{10, "1e300"}}},
    {"EnormtGavludhaeng", AfvistEllerBeregnet, {{14, "1e300"}}},
    {"EnormLaegtehoejde", AfvistEllerBeregnet, {{15, "1e300"}}},
    {"ForsvindendeLaegtehoejde", AfvistEllerBeregnet, {{15, "1e-300"}}},
    {"ForsvindendeLaegtebredde", AfvistEllerBeregnet, {{16, "1e-300"}}},
    {"EnormAfstandsliste", AfvistEllerBeregnet, {{18, "1e300"}}},
    {"EnormtUndertag", AfvistEllerBeregnet, {{19, "1e300"}}},
    {"EnormTagdaekning", AfvistEllerBeregnet, {{20, "1e300"}}},
    {"EnormAfstandTilVesterhavet", AfvistEllerBeregnet, {{22, "1e300"}}},
    {"EnormSneformfaktor", AfvistEllerBeregnet, {{24, "1e300"}}}};

inline std::string NavnPaa(const ::testing::TestParamInfo<FjendtligFilTilfaelde>& info)
{
    return info.param.navn;
}

// Whether a text shows a number the formatter writes only for a value that is not finite.
inline bool ViserIkkeEndeligtTal(std::string_view tekst)
{
    return tekst.find("NAN") != std::string_view::npos ||
           tekst.find("INF") != std::string_view::npos;
}

// The program started from Standard.tgl, as the hostile inputs find it.
class FjendtligFil : public Applikation
{
  protected:
    void SetUp() override
    {
        Applikation::SetUp();
        standardvindue = app.Vindue();
    }

    // Runs the calculation as the result tab does. A refused run shows exactly one error
    // and no report; a finished one writes a report and a log with finite numbers and
    // finite result values only. Returns whether it finished.
    bool BeregnOgKontroller()
    {
        Vist();
        if (!app.UdfoerBeregning())
        {
            const auto vist = Vist();
            EXPECT_EQ(vist.size(), 1U) << "a refused run shows one message";
            EXPECT_EQ(vist.empty() ? "" : vist[0].art, "fejl");
            EXPECT_TRUE(app.Vindue().Resultat.empty()) << "a refused run shows no verdict";
            return false;
        }
        for (const auto* liste : {&app.Resultatliste(), &app.Logliste().linjer()})
        {
            for (const auto& linje : *liste)
            {
                EXPECT_FALSE(ViserIkkeEndeligtTal(linje)) << linje;
            }
        }
        const TResultater& r = app.Resultatdata();
        for (const double vaerdi :
             {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
              r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
        {
            EXPECT_TRUE(std::isfinite(vaerdi)) << "a result value is " << vaerdi;
        }
        return true;
    }

    TVindue standardvindue; // the window after the start-up
};

} // namespace taglo::test
