// The eight reference projects, computed independently of this code: every derived value,
// every result, every case record and every ranking's head must agree (their logs and
// reports are compared byte for byte where taglo-cli writes them).
#include "beregnet.h"
#include "reference_json.h"

#include <gtest/gtest.h>

#include <string>

namespace taglo
{

// The case record as JSON, under the names of its fields in the reference files.
NLOHMANN_DEFINE_TYPE_NON_INTRUSIVE(TLasttilfaelde, Lastkomb, kmod, FzzEgen, FyyEgen, FzzSne, FyySne,
                                   FzzPkt, FyyPkt, Pd, RB2zz, RB2yy, RB2Justzz, RB2Justyy, RB1zz,
                                   RB1yy, RDzz, RDyy, REzz, REyy, RGzz, RGyy, RDEzz, RDEyy, MB1xx,
                                   MB2xx, MCxx, MFxx, MGxx, MHxx, MB1zz, MB2zz, MCzz, MFzz, MGzz,
                                   MHzz, UB1, UB2, UC, UF, UG, UH, Noegle)

namespace
{

using nlohmann::json;

std::string Id(const TLasttilfaelde& t)
{
    return std::to_string(t.Lastkomb) + t.Vindtilf;
}

// One reference project run through the derived values and the engine at log level 2.
struct Koersel
{
    json reference;
    test::Beregnet run;

    explicit Koersel(int nr)
        : reference(test::ReferenceJson(nr)), run(test::ReferenceInddata(reference), 2)
    {
        EXPECT_EQ(run.inddata.NailData->Name,
                  reference.at("Inddata").at("NailData").get<std::string>());
        EXPECT_TRUE(run.meddelelser.liste.empty());
    }
};

class Referenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(Referenceprojekt, AfledteVaerdierOgResultatdataStemmer)
{
    const Koersel p(GetParam());
    test::ForventSomReferencen(p.reference.at("Afledte"), p.run.laegter.Afledte, "Afledte");
    test::ForventSomReferencen(p.reference.at("Resultatdata"), p.run.laegter.Resultatdata,
                               "Resultatdata");
}

TEST_P(Referenceprojekt, TilfaeldeOgRanglisternesHovederStemmer)
{
    const Koersel p(GetParam());
    const json& cases = p.reference.at("Cases");
    const TBeregning& beregning = p.run.laegter.Beregning;
    ASSERT_EQ(cases.size(), beregning.Tilfaeldeliste.size());
    for (std::size_t i = 0; i < cases.size(); ++i)
    {
        const std::string id = cases[i].at("Id").get<std::string>();
        EXPECT_EQ(id, Id(beregning.Tilfaeldeliste[i]));
        test::ForventSomReferencen(cases[i], beregning.Tilfaeldeliste[i], id);
    }
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        const TLasttilfaelde* hoved = beregning.Hoved(k);
        ASSERT_NE(hoved, nullptr);
        EXPECT_EQ(p.reference.at("Heads").at(std::to_string(k)).get<std::string>(), Id(*hoved))
            << "category " << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Projekter, Referenceprojekt, ::testing::Range(1, 9),
                         [](const auto& info) { return "Projekt" + std::to_string(info.param); });

} // namespace
} // namespace taglo
