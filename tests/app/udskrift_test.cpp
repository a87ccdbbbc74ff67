#include "app/udskrift.h"

#include "core/taltekst.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taglo
{
namespace
{

// A page of 1000 pixels with room for 80 characters; a line of text takes 20 pixels,
// an empty line 18. A new page starts when the next line would begin below 960.
constexpr TSidemaal kSide{1000, 800, 10, 18};

const std::string kMargen(10, ' ');

TEST(Udskrift, BegynderMedToTommeLinjerOgTiBlankeForanHverLinje)
{
    const auto sider = OpdelISider({"RESULTAT", ""}, kSide);
    ASSERT_EQ(sider.size(), 1U);
    EXPECT_EQ(sider[0].linjer, (std::vector<TSkriftlinje>{
                                   {0, ""}, {18, ""}, {36, kMargen + "RESULTAT"}, {56, kMargen}}));
}

TEST(Udskrift, HundredeLinjerFylderTreSider)
{
    std::vector<std::string> rapport;
    for (int i = 0; i < 100; ++i)
    {
        rapport.push_back("Linje " + std::to_string(i));
    }
    const auto sider = OpdelISider(rapport, kSide);
    // First page: the two empty lines end at 36; report line k then ends at 56 + 20 k,
    // which passes 960 at k = 46. The next pages hold 49 lines each (20 j > 960 at j = 49).
    ASSERT_EQ(sider.size(), 3U);
    ASSERT_EQ(sider[0].linjer.size(), 2U + 47U);
    EXPECT_EQ(sider[0].linjer.back().tekst, kMargen + "Linje 46");
    EXPECT_EQ(sider[0].linjer.back().y, 36 + 20 * 46);
    ASSERT_EQ(sider[1].linjer.size(), 49U);
    EXPECT_EQ(sider[1].linjer.front(), (TSkriftlinje{0, kMargen + "Linje 47"}));
    EXPECT_EQ(sider[1].linjer.back(), (TSkriftlinje{20 * 48, kMargen + "Linje 95"}));
    ASSERT_EQ(sider[2].linjer.size(), 4U);
    EXPECT_EQ(sider[2].linjer.back().tekst, kMargen + "Linje 99");
}

TEST(Udskrift, SideskiftFoerstILinjenGiverNySideMedToTommeLinjer)
{
    const auto sider = OpdelISider({"Side 1", "\fSide 2"}, kSide);
    ASSERT_EQ(sider.size(), 2U);
    EXPECT_EQ(sider[0].linjer.back().tekst, kMargen + "Side 1");
    EXPECT_EQ(sider[1].linjer,
              (std::vector<TSkriftlinje>{{0, ""}, {18, ""}, {36, kMargen + "Side 2"}}));
}

// A line wraps after 70 characters, counted as characters, not bytes; the rest of it
// continues on the next line without the margin.
TEST(Udskrift, ForLangLinjeFortsaetterPaaNaesteLinje)
{
    const auto sider = OpdelISider({std::string(75, 'x'), StregLinie(70), "æøå"}, kSide);
    ASSERT_EQ(sider.size(), 1U);
    EXPECT_EQ(sider[0].linjer, (std::vector<TSkriftlinje>{{0, ""},
                                                          {18, ""},
                                                          {36, kMargen + std::string(70, 'x')},
                                                          {56, std::string(5, 'x')},
                                                          {76, kMargen + StregLinie(70)},
                                                          {96, kMargen + "æøå"}}));
}

TEST(Udskrift, TabulatorFlytterTilNaesteMultipelAfOtteTegn)
{
    const auto sider = OpdelISider({"\tx", "abcdefgh\ty"}, kSide);
    EXPECT_EQ(sider[0].linjer[2].tekst, kMargen + std::string(6, ' ') + "x");
    EXPECT_EQ(sider[0].linjer[3].tekst, kMargen + "abcdefgh" + std::string(6, ' ') + "y");
}

// 47 lines end the first page exactly at its break: nothing follows, and a form feed
// right after that break starts one page, not an empty one as well.
TEST(Udskrift, IngenTomSideEfterEtAutomatiskSideskift)
{
    std::vector<std::string> rapport(47, "x");
    EXPECT_EQ(OpdelISider(rapport, kSide).size(), 1U);
    rapport.emplace_back("\fy");
    const auto sider = OpdelISider(rapport, kSide);
    ASSERT_EQ(sider.size(), 2U);
    EXPECT_EQ(sider[1].linjer, (std::vector<TSkriftlinje>{{0, ""}, {18, ""}, {36, kMargen + "y"}}));
}

TEST(Udskrift, UrimeligeMaalGiverStadigSider)
{
    const auto sider = OpdelISider({"abc"}, TSidemaal{0, 0, 0, 0});
    ASSERT_FALSE(sider.empty());
    std::string alt;
    for (const auto& side : sider)
    {
        for (const auto& linje : side.linjer)
        {
            alt += linje.tekst;
        }
    }
    EXPECT_EQ(alt, kMargen + "abc") << "nothing is lost, one character a line";
}

} // namespace
} // namespace taglo
