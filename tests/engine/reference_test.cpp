// The eight reference projects, computed independently of this code: every derived value,
// every result, every case record, every ranking's head and every engine log line must agree.
#include "core/inddata.h"
#include "core/meddelelser.h"
#include "core/regional.h"
#include "core/tekstfil.h"
#include "engine/laegter.h"
#include "loads/afledte.h"

#include "reference.h"
#include "reference_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

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

// Relative agreement of 1e-9; values that should be 0 may differ by 1e-12 (rounding of
// sums that cancel).
::testing::AssertionResult Naer(const std::string& navn, double forventet, double faktisk)
{
    const double forskel = std::abs(forventet - faktisk);
    if (forskel <= 1e-9 * std::max(std::abs(forventet), std::abs(faktisk)) || forskel <= 1e-12)
    {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << navn << ": reference " << forventet << ", engine "
                                         << faktisk << " (difference " << forskel << ")";
}

// Every field of the engine's record against the reference's field of the same name.
void ForventSom(const json& reference, const json& egen, const std::string& navn)
{
    if (egen.is_object())
    {
        for (const auto& [felt, vaerdi] : egen.items())
        {
            ForventSom(reference.at(felt), vaerdi, navn + "." + felt);
        }
    }
    else if (egen.is_array())
    {
        ASSERT_EQ(reference.size(), egen.size()) << navn;
        for (std::size_t i = 0; i < egen.size(); ++i)
        {
            ForventSom(reference[i], egen[i], navn + "[" + std::to_string(i) + "]");
        }
    }
    else if (egen.is_number_float())
    {
        EXPECT_TRUE(Naer(navn, reference.get<double>(), egen.get<double>()));
    }
    else
    {
        EXPECT_EQ(reference, egen) << navn;
    }
}

std::string Filnavn(int nr, const std::string& endelse)
{
    return test::ReferenceMappe() + "/projekt0" + std::to_string(nr) + "." + endelse;
}

std::string Id(const TLasttilfaelde& t)
{
    return std::to_string(t.Lastkomb) + t.Vindtilf;
}

// One reference project run through the derived values and the engine at log level 2.
struct Koersel
{
    json reference;
    TInddata inddata;
    TAfledte afledte;
    TResultater resultater;
    TLogliste log{2};
    TBeregning beregning;
    TavseMeddelelser meddelelser;

    explicit Koersel(int nr) : reference(json::parse(test::LaesHeleFilen(Filnavn(nr, "json"))))
    {
        inddata = reference.at("Inddata").get<TInddata>();
        VaelgSoem(inddata, inddata.Nail);
        EXPECT_EQ(inddata.NailData->Name,
                  reference.at("Inddata").at("NailData").get<std::string>());
        auto laegter = BeregnLaegter(inddata, BeregnAfledte(inddata, meddelelser), log,
                                     Regionalindstillinger::Dansk(), meddelelser);
        afledte = laegter.Afledte;
        resultater = std::move(laegter.Resultatdata);
        beregning = std::move(laegter.Beregning);
    }
};

class Referenceprojekt : public ::testing::TestWithParam<int>
{};

TEST_P(Referenceprojekt, AfledteVaerdierStemmer)
{
    const Koersel p(GetParam());
    ForventSom(p.reference.at("Afledte"), p.afledte, "Afledte");
}

TEST_P(Referenceprojekt, ResultatdataOgSoemkapaciteterStemmer)
{
    const Koersel p(GetParam());
    ForventSom(p.reference.at("Resultatdata"), json(p.resultater), "Resultatdata");
}

TEST_P(Referenceprojekt, TilfaeldeOgRanglisternesHovederStemmer)
{
    const Koersel p(GetParam());
    const json& cases = p.reference.at("Cases");
    const auto& liste = p.beregning.Tilfaeldeliste;
    ASSERT_EQ(cases.size(), liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
    {
        const std::string id = cases[i].at("Id").get<std::string>();
        EXPECT_EQ(id, Id(liste[i]));
        ForventSom(cases[i], liste[i], id);
    }
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        const TLasttilfaelde* hoved = p.beregning.Hoved(k);
        ASSERT_NE(hoved, nullptr);
        EXPECT_EQ(p.reference.at("Heads").at(std::to_string(k)).get<std::string>(), Id(*hoved))
            << "category " << k;
    }
}

TEST_P(Referenceprojekt, LoglinjerStemmerEfterDetaljer)
{
    const Koersel p(GetParam());
    const std::vector<std::string> fil = DelLinjer(test::LaesHeleFilen(Filnavn(GetParam(), "log")));
    const auto detaljer = std::find(fil.begin(), fil.end(), "DETALJER");
    ASSERT_NE(detaljer, fil.end());
    const std::vector<std::string> forventet(detaljer + 1, fil.end());
    const std::vector<std::string>& linjer = p.log.linjer();
    int fejl = 0;
    for (std::size_t i = 0; i < std::min(forventet.size(), linjer.size()) && fejl < 10; ++i)
    {
        if (forventet[i] != linjer[i])
        {
            ADD_FAILURE() << "log line " << i + 1 << "\n  reference: \"" << forventet[i]
                          << "\"\n  engine:    \"" << linjer[i] << "\"";
            ++fejl;
        }
    }
    EXPECT_EQ(forventet.size(), linjer.size());
}

INSTANTIATE_TEST_SUITE_P(Projekter, Referenceprojekt, ::testing::Range(1, 9),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Projekt" + std::to_string(info.param);
                         });

} // namespace
} // namespace taglo
