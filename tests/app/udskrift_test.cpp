#include "app/udskrift.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taglo
{
namespace
{

std::string M(const std::string& tekst) // a report line after its margin of ten blanks
{
    return std::string(10, ' ') + tekst;
}

// Pages of 80 characters (800 pixels of 10); a text line takes 20 pixels, an empty line
// 18. A new page starts when the next line would begin below the height less 40: 960 on
// the large page, 60 on the small one.
constexpr TSidemaal kSide{1000, 800, 10, 18};
constexpr TSidemaal kLilleSide{100, 800, 10, 18};
const TSkriftlinje T0{0, ""}, T18{18, ""}; // the two empty lines that begin a page

struct Opdeling
{
    const char* navn;
    std::vector<std::string> rapport;
    TSidemaal maal;
    std::vector<std::vector<TSkriftlinje>> sider;
};

TEST(Udskrift, SiderneOpdelesEfterLinjerOgSideskift)
{
    // clang-format off
    const Opdeling kOpdelinger[] = {
        {"to tomme linjer og ti blanke foran hver linje", {"RESULTAT", ""}, kSide,
         {{T0, T18, {36, M("RESULTAT")}, {56, M("")}}}},
        {"sideskift foerst i linjen giver ny side", {"Side 1", "\fSide 2"}, kSide,
         {{T0, T18, {36, M("Side 1")}}, {T0, T18, {36, M("Side 2")}}}},
        {"efter 70 tegn, ikke bytes, fortsaetter linjen uden margen",
         {std::string(75, 'x'), std::string(70, '-'), "æøå"}, kSide,
         {{T0, T18, {36, M(std::string(70, 'x'))}, {56, "xxxxx"}, {76, M(std::string(70, '-'))},
           {96, M("æøå")}}}},
        {"tabulator til naeste multipel af otte tegn", {"\tx", "abcdefgh\ty"}, kSide,
         {{T0, T18, {36, M("      x")}, {56, M("abcdefgh      y")}}}},
        {"ny side naar naeste linje ville begynde under 60", {"a", "b", "c", "d", "e", "f", "g"},
         kLilleSide, {{T0, T18, {36, M("a")}, {56, M("b")}},
                      {{0, M("c")}, {20, M("d")}, {40, M("e")}, {60, M("f")}}, {{0, M("g")}}}},
        {"ingen tom side naar rapporten slutter ved sideskiftet", {"a", "b"}, kLilleSide,
         {{T0, T18, {36, M("a")}, {56, M("b")}}}},
        {"ingen tom side efter et automatisk sideskift", {"a", "b", "\fc"}, kLilleSide,
         {{T0, T18, {36, M("a")}, {56, M("b")}}, {T0, T18, {36, M("c")}}}}};
    // clang-format on
    for (const auto& t : kOpdelinger)
    {
        SCOPED_TRACE(t.navn);
        std::vector<std::vector<TSkriftlinje>> sider;
        for (const auto& side : OpdelISider(t.rapport, t.maal))
        {
            sider.push_back(side.linjer);
        }
        EXPECT_EQ(sider, t.sider);
    }
}

} // namespace
} // namespace taglo
