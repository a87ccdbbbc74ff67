// The design suggestion: which batten and nail it finds for roofs whose answer is known by
// hand, what its rows say against the reports of the reference projects, and what using
// it leaves in the inputs.
#include "app/forslag.h"
#include "app/projektjson.h"
#include "core/tekst.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"
#include "reference.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace taglo::test
{
namespace
{
using test::PrintTo;

using Indtastning = std::pair<Felt, const char*>;

// The project file with the fields typed and left as listed, under Danish settings; no
// field may give a message.
TProjekt Projekt(const std::vector<Indtastning>& indtastninger,
                 const std::string& fil = TAGLO_STANDARDFIL)
{
    OptagneMeddelelser meddelelser;
    TProjekt projekt(Regionalindstillinger::Dansk(), "Eksempel ApS");
    EXPECT_TRUE(projekt.Hent(fil, meddelelser)) << fil;
    for (const auto& [felt, tekst] : indtastninger)
    {
        static_cast<void>(projekt.SaetFelt(felt, tekst, meddelelser));
    }
    EXPECT_TRUE(meddelelser.liste.empty()) << meddelelser.liste.front().tekst;
    return projekt;
}

// Inputs whose suggestion is known by hand. Lægtetabel 2005 covers a section when its
// equivalent modulus Weq = 1 / (sin 35° / W_parallel + cos 35° / W_normal) is above its value
// for the span; under a light roof at batten spacings up to 0.55 m that is 10 900 mm3 up to
// 0.75 m and 19 880 mm3 up to 1.25 m. 25 x 50 (Weq 4 600) and 32 x 50 (7 200) are never
// covered and fail the point load on their own (1.5 kN on a 0.6 m span stresses 32 x 50 to
// about 1.6 times its strength); 38 x 56 (11 150) is covered up to 0.75 m, 38 x 73 (15 700)
// up to 1 m. The fastening follows the spacer batten as the calculation decides it: below 32
// mm the batten is nailed through it into the rafter, from 32 mm on to the spacer. Inputs that
// fail a check give no table, only the message of the first failing check in tab order, and
// no dialog (the search has nowhere to show one); a warning is no rejection.
struct Tag
{
    const char* navn;
    std::vector<Indtastning> indtastninger; // typed into the shipped project
    int terraenkategori = -1;               // 0 = I Hede .. 3 = IV By; -1 as shipped
    double ingenTil = 0.0;                  // mm2: no section this light passes the batten
    std::optional<TLaegtetvaersnit> forslag = std::nullopt;
    // The fastening of every candidate and of the suggestion.
    std::optional<bool> direkte = std::nullopt;
    const char* afvisning = nullptr; // the message instead of a table
};

using enum Felt;
// clang-format off
const Tag kTage[] = {
    {.navn = "LetTagILae",
     .indtastninger = {{EditFacHjd, "2,50"}, {EditTagVink, "25"}, {EditLegteAfst, "0,35"},
                       {EditNormalSpaerAfst, "0,60"}, {EditGavlSpaerAfst, "0,60"},
                       {EditGavlspaerIndrykn, "0,20"}, {EditGavlUdh, "0,20"}, {EditTagTyng, "15"},
                       {EditAfstVesterhav, "50"}},
     .terraenkategori = 3, .ingenTil = 32.0 * 50.0, .forslag = TLaegtetvaersnit{38.0, 56.0}},
    // Lægtetabel 2005 covers nothing up to 38 x 73 at a 1.2 m span, and the point load
    // alone stresses 38 x 73 to about 1.25 times its strength there.
    {.navn = "StejltTagVedKystenMedStorSpaerafstand",
     .indtastninger = {{EditFacHjd, "6,00"}, {EditTagVink, "60"}, {EditLegteAfst, "0,35"},
                       {EditNormalSpaerAfst, "1,20"}, {EditGavlSpaerAfst, "1,20"},
                       {EditTagTyng, "15"}, {EditAfstVesterhav, "0"}},
     .terraenkategori = 0, .ingenTil = 38.0 * 73.0},
    {.navn = "Afstandsliste31mm", .indtastninger = {{EditAlisteTykkelse, "31"}}, .direkte = true},
    {.navn = "Afstandsliste32mm", .indtastninger = {{EditAlisteTykkelse, "32"}}, .direkte = false},
    {.navn = "LaegtehoejdeNul", .indtastninger = {{EditLegteHojde, "0"}},
     .afvisning = "Lægtehøjden skal være positiv"},
    {.navn = "FoersteIFanernesRaekkefoelge", .indtastninger = {{EditTagVink, "80"}, {EditHusBr, "0"}},
     .afvisning = "Huskropbredden skal være positiv"},
    {.navn = "KunAdvarsel", .indtastninger = {{EditLegteAfst, "0,05"}}},
};
// clang-format on

class Forslagstag : public ::testing::TestWithParam<Tag>
{};

// Every listed section with every nail, those that pass first, lightest first, then fewest
// nails, then in catalogue order; the first is the suggestion.
TEST_P(Forslagstag, FaarDenLettesteLaegteDerKanAnvendes)
{
    const Tag& tag = GetParam();
    auto projekt = Projekt(tag.indtastninger);
    ASSERT_TRUE(tag.terraenkategori < 0 ||
                projekt.SaetValg(Valg::RadioGroupTerrKat, tag.terraenkategori));
    const auto udfald = BeregnForslag(projekt);
    const std::string tekst = ForslagTekst(udfald, projekt.Regional());
    ASSERT_EQ(std::holds_alternative<TAfvisning>(udfald), tag.afvisning != nullptr) << tekst;
    if (tag.afvisning != nullptr)
    {
        EXPECT_EQ(tekst, tag.afvisning);
        return;
    }
    const auto& kandidater = std::get<TForslag>(udfald).Kandidater;
    ASSERT_EQ(kandidater.size(), kLaegtetvaersnit.size() * kSoemKatalog.size());
    for (const TKandidat& k : kandidater)
    {
        EXPECT_TRUE(k.Tvaersnit.Areal() > tag.ingenTil || !k.Anvendelig.Laegte)
            << TvaersnitTekst(k.Tvaersnit, projekt.Regional());
        EXPECT_TRUE(!tag.direkte || k.DirekteFastgoerelse == *tag.direkte);
    }
    const auto orden = [](const TKandidat& k) {
        const bool ok = k.Anvendelig.Begge();
        return std::tuple(!ok, ok ? k.Tvaersnit.Areal() : 0.0, ok ? k.SoemantalNormalspaer : 0,
                          ok ? k.Soem : 0);
    };
    EXPECT_TRUE(std::ranges::is_sorted(kandidater, {}, orden));
    if (tag.forslag)
    {
        EXPECT_TRUE(kandidater.front().Anvendelig.Begge());
        EXPECT_EQ(kandidater.front().Tvaersnit, *tag.forslag);
    }
    if (tag.direkte)
    {
        EXPECT_TRUE(
            tekst.ends_with(*tag.direkte ? ", direkte fastgørelse" : ", indirekte fastgørelse"))
            << tekst;
    }
}

INSTANTIATE_TEST_SUITE_P(Forslag, Forslagstag, ::testing::ValuesIn(kTage),
                         [](const auto& info) { return std::string(info.param.navn); });

// The rest of the report's first line that starts with `foran`; empty when there is none.
std::string Efter(const std::string& rapport, const std::string& foran)
{
    const auto linje = rapport.find("\r\n" + foran);
    const auto fra = linje == std::string::npos ? rapport.size() : linje + 2 + foran.size();
    return rapport.substr(fra, rapport.find("\r\n", fra) - fra);
}

// The reference projects kept with the tests, by number.
class ReferenceprojektetsForslag : public ::testing::TestWithParam<int>
{
  protected:
    const int nr = GetParam();
    TProjekt projekt = Projekt({}, ReferenceFil(nr, "tgl"));
};

// The table's row for the project's own section and nail says what the project's report
// says: the verdicts for the batten and the nail, the fastening and the nails per rafter.
TEST_P(ReferenceprojektetsForslag, EgenLaegteOgSoemsRaekkeSigerHvadRapportenSiger)
{
    const TInddata& d = projekt.Inddata();
    const std::vector<TLaegtetvaersnit> egen{{d.LegteHojde, d.LegteBredde}};
    const auto udfald = BeregnForslag(projekt, egen);
    ASSERT_TRUE(std::holds_alternative<TForslag>(udfald));
    const auto& kandidater = std::get<TForslag>(udfald).Kandidater;
    const auto raekke = std::ranges::find(kandidater, d.Nail, &TKandidat::Soem);
    ASSERT_NE(raekke, kandidater.end());

    const std::string rapport = FraWindows1252(LaesHeleFilen(ReferenceFil(nr, "txt")));
    EXPECT_EQ(raekke->Anvendelig.Laegte,
              Efter(rapport, "  Lægtetværsnittet H x B = ").ends_with(" kan anvendes."));
    EXPECT_EQ(raekke->Anvendelig.Soem,
              Efter(rapport, "  Sømtypen \"").ends_with("\" kan anvendes."));
    EXPECT_EQ(raekke->SoemNormalspaer, Efter(rapport, "  Normalspær:         "));
    EXPECT_EQ(raekke->SoemGavlspaer, Efter(rapport, "  Forankret gavlspær: "));

    EXPECT_EQ(raekke->DirekteFastgoerelse,
              rapport.find("\r\n  Direkte fastgørelse i spær.\r\n") != std::string::npos);
}

// Using the suggestion types its section and chooses its nail as a user would, leaves every
// other input as it was, and the calculation then passes the batten and the nail (six of the
// projects have a suggestion, with either fastening).
TEST_P(ReferenceprojektetsForslag, BrugForslagetGiverInddataDerKanAnvendes)
{
    const auto udfald = BeregnForslag(projekt);
    ASSERT_TRUE(std::holds_alternative<TForslag>(udfald));
    const TKandidat* bedste = std::get<TForslag>(udfald).Bedste();
    if (bedste == nullptr)
    {
        return;
    }
    nlohmann::json foer = projekt.Inddata();
    OptagneMeddelelser meddelelser;
    EXPECT_TRUE(BrugKandidat(projekt, *bedste, meddelelser).empty());
    EXPECT_TRUE(meddelelser.liste.empty());
    foer["LegteHojde"] = bedste->Tvaersnit.LegteHojde;
    foer["LegteBredde"] = bedste->Tvaersnit.LegteBredde;
    foer["Nail"] = bedste->Soem;
    EXPECT_EQ(nlohmann::json(projekt.Inddata()), foer);
    const auto beregning = projekt.Beregn(0, meddelelser);
    ASSERT_TRUE(std::holds_alternative<TBeregningsresultat>(beregning));
    EXPECT_TRUE(std::get<TBeregningsresultat>(beregning).Anvendelig.Begge());
}

INSTANTIATE_TEST_SUITE_P(Forslag, ReferenceprojektetsForslag, ::testing::Range(1, 9),
                         [](const auto& info) { return "projekt0" + std::to_string(info.param); });

} // namespace
} // namespace taglo::test
