// Wind: the pressure coefficients where no reference project reaches (the flat roof's
// limit, the walls of a tall house, a house without depth), and the wind zones' messages.
#include "loads/vind.h"

#include "navngivne_tilfaelde.h"
#include "optagne_meddelelser.h"

#include <gtest/gtest.h>

#include <vector>

namespace taglo
{
namespace
{
using test::OptagetMeddelelse;
using test::PrintTo;

// Ridge height h, house width and length of a roof 10 m wide and 20 m long.
struct CpeCase
{
    const char* navn;
    char zone;
    char tilf;
    double vinkel; // degrees
    bool tiM2;     // 10 m2 coefficients, otherwise 1 m2
    double h;      // m
    double bredde; // m, the depth for wind across the ridge
    double cpe;
};

class Formfaktor : public ::testing::TestWithParam<CpeCase>
{};

TEST_P(Formfaktor, EfterTabellenOgTilfaeldetsFortegn)
{
    const CpeCase& c = GetParam();
    test::OptagneMeddelelser m;
    EXPECT_NEAR(VindFormfaktor(c.zone, c.tilf, c.vinkel, c.tiM2, c.h, c.bredde, 20.0, m), c.cpe,
                1e-12);
    EXPECT_TRUE(m.liste.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Graenser, Formfaktor,
    ::testing::Values(
        // Below 5 degrees the flat-roof values apply (F -1.8 for 10 m2), from 5 degrees the
        // pitched-roof table (F -1.7).
        CpeCase{"FladtTagUnder5Grader", 'F', 'b', 4.9, true, 5.0, 10.0, -1.8},
        CpeCase{"Saddeltag5Grader", 'F', 'b', 5.0, true, 5.0, 10.0, -1.7},
        // Walls D and E, 10 m2: E -0.5 at h/d = 1 and -0.7 at h/d = 5; at h/d = 20 / 10 = 2
        // a quarter of the way: -0.5 - 0.25 x 0.2 = -0.55. 1 m2: zone D is 1.0.
        CpeCase{"VaegEVedHoejdeDybde2", 'E', 'a', 30.0, true, 20.0, 10.0, -0.55},
        CpeCase{"VaegDFor1m2", 'D', 'a', 30.0, false, 5.0, 10.0, 1.0},
        // A house without depth takes the end of the wall table, h/d = 5, instead of an
        // infinite ratio.
        CpeCase{"HusUdenDybdeSugerSomVedHoejdeDybde5", 'E', 'a', 30.0, true, 5.0, 0.0, -0.7},
        CpeCase{"HusUdenDybdeTrykkerSomVedHoejdeDybde5", 'D', 'a', 30.0, true, 5.0, 0.0, 0.8}),
    [](const auto& info) { return std::string(info.param.navn); });

// Numbers in the messages are written with a point and two decimals whatever the regional
// settings; an unknown zone covers nothing.
TEST(VindlastOmraade09, UgyldigeArgumenterMeldesIRaekkefoelge)
{
    test::OptagneMeddelelser m;
    const TOmraade o = VindlastOmraade09('A', 'y', -1.0, 0.0, -2.5, -0.3, -0.125, -1.0, m);
    const std::string p = "procedure VindlastOmraade09: ";
    EXPECT_EQ(
        m.liste,
        (std::vector<OptagetMeddelelse>{
            {"fejl", p + "Ugyldig tagkiphøjde: -1.00. Skal være større end 0."},
            {"fejl", p + "Ugyldig huskropbredde: 0.00. Skal være større end 0."},
            {"fejl", p + "Ugyldig huskroplængde: -2.50. Skal være større end 0."},
            {"fejl", p + "Ugyldigt facadeudhæng: -0.30. Skal være større end eller lig med 0."},
            {"fejl", p + "Ugyldigt gavludhæng: -0.13. Skal være større end eller lig med 0."},
            {"fejl", p + "Ugyldig vægtykkelse: -1.00. Skal være større end eller lig med 0."},
            {"fejl", p + "Ugyldigt område: A. Skal være i intervallet B til N."},
            {"fejl", p + "Ugyldigt vindtilfælde: y. Skal være i intervallet a til x."},
        }));
    EXPECT_EQ(o.x2 - o.x1, 0.0);
    EXPECT_EQ(o.y2 - o.y1, 0.0);
}

} // namespace
} // namespace taglo
