// The engine run: the analysed pairs, the whole run of one roof against a hand
// calculation, and the short log.
#include "engine/laegter.h"

#include "eksempeltag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace taglo
{
namespace
{

std::string Id(const TLasttilfaelde& t)
{
    return std::to_string(t.Lastkomb) + t.Vindtilf;
}

TEST(BeregnLaegter, EnNyKoerselBegynderForfra)
{
    test::Beregnet b(test::Eksempeltag());
    TResultater igen;
    NulstilResultater(igen);
    TLogliste log(0);
    const TBeregning anden = BeregnLaegter(b.inddata, b.afledte, igen, log,
                                           Regionalindstillinger::Dansk(), b.meddelelser);
    EXPECT_EQ(anden.Tilfaeldeliste.size(), 22U);
    EXPECT_EQ(igen.UdnNormalfag, b.resultater.UdnNormalfag);
    EXPECT_EQ(igen.TraekNormalspaer, b.resultater.TraekNormalspaer);
}

// The example roof worked by hand (values per kmod unless said otherwise).
//
// Derived values: cos 30 = 0.866025, strip b = 0.40 x 0.866025 = 0.346410 m.
// Ridge 3 + 5 x tan 30 = 5.887 m, terrain IV raises it to z = 10 m:
//   k_r = 0.19 (1 / 0.05)^0.07 = 0.234329, c_r = 0.234329 x ln 10 = 0.539562,
//   q_b = 0.36 kN/m2 (25 km or more inland), q_m = 0.36 x 0.539562^2 = 0.104806,
//   I_v = 1 / ln 10 = 0.434294, QpKip = (1 + 7 x 0.434294) x 0.104806 = 0.423422,
//   QpKipN = (1 + 3 x 0.434294) x 0.104806 = 0.241356 kN/m2.
//
// Normal section, snow case 3a (CC2, kmod 0.9), continuous over three 0.8 m spans:
//   zz: roofing 0.1 x 1.0 / 0.9 x 0.4 x 0.866025 = 0.038490, snow 2.0 x 1.5 / 0.9 x
//       0.346410 x 0.866025 = 1.0; w = -1.038490 kN/m.
//   yy: 0.044444 x 0.5 + 1.154701 x 0.5 = 0.599572 kN/m downslope.
//   At G: MGxx = 0.1 x 1.038490 x 0.64 = 0.066463 kNm, MGzz = 0.038373 kNm.
//   W_n = 73 x 38^2 / 6 = 17568.67 mm3 (k_h = 1.3), W_p = 73^2 x 38 / 6 = 33750.33 mm3
//   (k_b = (150/73)^0.2 = 1.154925): sigma_xx = 2.910048, sigma_zz = 0.984442 N/mm2;
//   U = (2.910048 + 0.7 x 0.984442) / (18 / 1.35) = 0.269937.
//   The other combinations carry less: 5x (1.0 g + 1.5 s)/1.1 plus 0.45 w of at most
//   0.7 x 0.423 kN/m2 is 0.82 x 1.038 + 0.05 = 0.90 kN/m; 6x and 9x far less.
//   The point-load case is ranked on its own.
//
// Uplift at a normal rafter, combination 9 (kmod 1.1, wind factor 1.5 / 1.1):
//   roofing 0.9 x 0.1 / 1.1 x 0.4 x 0.866025 = 0.028343 kN/m down.
//   Upper side and inside per wind case at the second normal rafter (coefficient x
//   QpKip + inside x QpKipN):
//     9b, 9c (W, corner zone K, -0.5; inside +0.2): 0.5 x 0.423422 + 0.2 x 0.241356 = 0.259982
//     9i (K -0.5, inside -0.3): 0.139304;  9n, 9o (E, zone I -0.4, +0.2): 0.217640
//     9s, 9t (I pressure 0, +0.2): 0.048271;  9w (S, zone H -0.8, +0.2): 0.387009
//   9w governs: w = 1.5 / 1.1 x 0.346410 x 0.387009 - 0.028343 = 0.154471 kN/m up;
//   RG = 1.1 x 0.154471 x 0.8 = 0.135935 kN, times 1000 x 1.1 = 149.53 N.
//   At the first normal rafter RDE = 0.4 w L + the gable part's share at D, which is small
//   or negative here (the gable rafter stands 0.8 m from the batten's end and the gable
//   part is only 0.6 m long): far below RG. The downward cases give negative reactions.
TEST(BeregnLaegter, EksempeltagetSomHaandregnet)
{
    const test::Beregnet b(test::Eksempeltag());
    const TResultater& r = b.resultater;
    EXPECT_NEAR(b.afledte.QpKip, 0.42342182733, 1e-9);
    EXPECT_NEAR(r.UdnNormalfag, 0.2699367766, 1e-9);
    EXPECT_EQ(r.TekstNormalfag, "for lastkomb. 3: K_FI(1,0 g + 1,5 s)");
    EXPECT_NEAR(r.TraekNormalspaer, 149.5283990, 1e-6);
    EXPECT_EQ(r.TekstTraekNormalspaer, "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde w");
    // 149.53 N against 1033.08 N per nail: one nail; room for two.
    EXPECT_EQ(r.SoemantalNormalspaer, 1);
    EXPECT_TRUE(r.NormalspaerSoemOK);
    EXPECT_TRUE(r.NormalfagOK);
}

// One case of a doubled gable section against the same case with single battens.
void ForventHalvtGavlparti(const TLasttilfaelde& dobbelt, const TLasttilfaelde& enkelt)
{
    SCOPED_TRACE(Id(dobbelt));
    EXPECT_NEAR(dobbelt.RB2zz, enkelt.RB2zz / 2.0, 1e-12);
    EXPECT_NEAR(dobbelt.RB1zz, enkelt.RB1zz / 2.0, 1e-12);
    EXPECT_NEAR(dobbelt.MB2xx, enkelt.MB2xx / 2.0, 1e-12);
    EXPECT_NEAR(dobbelt.MCzz, enkelt.MCzz / 2.0, 1e-12);
    EXPECT_EQ(dobbelt.REzz, enkelt.REzz);
    EXPECT_EQ(dobbelt.MGxx, enkelt.MGxx);
}

TEST(BeregnLaegter, DubleredeLaegterHalvererGavlpartietMenIkkeNormalfaget)
{
    TInddata enkelt = test::Eksempeltag();
    enkelt.DublLegter = false;
    const test::Beregnet dobbelt(test::Eksempeltag());
    const test::Beregnet ikke(enkelt);
    for (std::size_t i = 0; i < 22; ++i)
    {
        ForventHalvtGavlparti(dobbelt.beregning.Tilfaeldeliste[i],
                              ikke.beregning.Tilfaeldeliste[i]);
    }
}

TEST(Log, UdenLogFindesIngenLinjer)
{
    EXPECT_TRUE(test::Beregnet(test::Eksempeltag(), 0).log.linjer().empty());
}

TEST(Log, BegraensetLogHarKunHovedOgNoeglevaerdier)
{
    const test::Beregnet b(test::Eksempeltag(), 1);
    const std::vector<std::string>& linjer = b.log.linjer();
    // Per case: the load block (8 lines, 7 for combination 3 without a case line), the
    // table header (9 lines with doubled battens), the utilisations, an empty line and
    // the two key lines.
    EXPECT_EQ(linjer.size(), 22U * (8 + 9 + 4) - 1U);
    for (const std::string& linje : linjer)
    {
        EXPECT_NE(linje.rfind("g+s", 0), 0U);
        EXPECT_NE(linje.rfind("bøjningsspændinger", 0), 0U);
    }
    // The point-load case names its position in capitals.
    // "%-80s": the text padded to 80 characters.
    const std::string punkt = "Lasttilfælde f: Personlast i punkt F" + std::string(80 - 20, ' ');
    EXPECT_NE(std::find(linjer.begin(), linjer.end(), punkt), linjer.end());
}

} // namespace
} // namespace taglo
