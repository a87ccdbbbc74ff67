// The engine run: the analysed pairs, the whole run of one roof against a hand
// calculation, and the log of one case against lines written out from their formats.
#include "engine/laegter.h"

#include "core/taltekst.h"

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

TEST(TilfaeldeGaelder, AnalyserPrAnalyseredeParret)
{
    const std::vector<std::string> forventet{"3a", "5a", "5d", "5e", "5m", "5r", "5v", "6a",
                                             "6d", "6e", "6m", "6r", "6v", "8f", "9b", "9c",
                                             "9i", "9n", "9o", "9s", "9t", "9w"};
    std::vector<std::string> gaelder;
    for (int lastkomb = 0; lastkomb <= 13; ++lastkomb)
    {
        for (char vindtilf = 'a'; vindtilf <= 'z'; ++vindtilf)
        {
            if (TilfaeldeGaelder(lastkomb, vindtilf))
            {
                gaelder.push_back(std::to_string(lastkomb) + vindtilf);
            }
        }
    }
    EXPECT_EQ(gaelder, forventet);
    EXPECT_FALSE(TilfaeldeGaelder(9, '\0'));
}

TEST(BeregnLaegter, DeToOgTyveTilfaeldeIDenFasteOrden)
{
    const test::Beregnet b(test::Eksempeltag());
    std::vector<std::string> ids;
    for (const TLasttilfaelde& t : b.beregning.Tilfaeldeliste)
    {
        ids.push_back(Id(t));
    }
    EXPECT_EQ(ids, (std::vector<std::string>{"3a", "5a", "5d", "5e", "5m", "5r", "5v", "6a",
                                             "6d", "6e", "6m", "6r", "6v", "8f", "9b", "9c",
                                             "9i", "9n", "9o", "9s", "9t", "9w"}));
    for (const auto& rangliste : b.beregning.Rangliste)
    {
        EXPECT_EQ(rangliste.size(), 22U);
    }
    EXPECT_TRUE(b.meddelelser.liste.empty());
    EXPECT_EQ(b.afledte.LegteEgenlast, 0.0);
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

TEST(BeregnLaegter, PunktlasttilfaeldetLederNormalfagetsPunktlastkategori)
{
    const test::Beregnet b(test::Eksempeltag());
    ASSERT_NE(b.beregning.Hoved(kNormalfagPkt), nullptr);
    EXPECT_EQ(Id(*b.beregning.Hoved(kNormalfagPkt)), "8f");
    EXPECT_GT(b.resultater.UdnNormalfagPkt, 0.0);
    // The point load stands in the normal section only: the gable section's point-load
    // category holds zeros, and the first case analysed heads it.
    EXPECT_EQ(Id(*b.beregning.Hoved(kGavlfagPkt)), "3a");
    EXPECT_EQ(b.resultater.UdnGavlfagPkt, 0.0);
}

TEST(BeregnLaegter, FladtTagHarIngenKraefterITagfladen)
{
    TInddata ind = test::Eksempeltag();
    ind.TagVink = 0.0;
    const test::Beregnet b(ind);
    for (const TLasttilfaelde& t : b.beregning.Tilfaeldeliste)
    {
        EXPECT_EQ(t.RB1yy, 0.0) << Id(t);
        EXPECT_EQ(t.RDEyy, 0.0) << Id(t);
        EXPECT_EQ(t.MGzz, 0.0) << Id(t);
    }
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

TEST(BeregnLaegter, UdenLogFindesIngenLinjer)
{
    const test::Beregnet b(test::Eksempeltag(), 0);
    EXPECT_TRUE(b.log.linjer().empty());
}

// The lines of the snow case 3a of the example roof, written out from their formats.
// Values per kmod 0.9; forces shown in N and moments in Nm, times 1000 x 0.9.
//   Loads: roofing 1.00 x 0.10 = 0.10 kN/m2 of roof, 0.10 x 0.40 = 0.04 kN/m;
//     snow 1.50 x 2.00 = 3.00 kN/m2 of plan, 3.00 x 0.346410 = 1.04 kN/m; no point load.
//   Line load w = -1.038490 kN/m per kmod, shown -0.93 kN/m; D = 1.40 m, D + 3 L = 3.80 m.
//   Gable part (k = 0.5), w on 0..1.4 m:
//     RB2 = 0.5 w 1.4^2 / (2 x 0.9) = -0.565400 -> -509 N
//     RB1 = 0.5 w 1.4^2 / (2 x 0.6) = -0.848100 -> -763 N
//     RD  = 0.5 w 1.4 (1.4 - 1.6) / 1.2 = 0.121157 -> 109 N
//     MB2 = 0.5 x 1.038490 x 0.5^2 / 2 = 0.064906 -> 58 Nm
//     MB1 = 0.5 x 1.038490 x 0.8^2 / 2 = 0.166158 -> 150 Nm
//     MC  = 0.5 (0.33 x w 1.96 / 1.2 - w 1.13^2 / 2) = 0.051639 -> 46 Nm
//   Normal section, L = 0.8 m: RE = 0.4 w L = -0.332317 -> -299 N; RG = 1.1 w L -> -822 N;
//     MF = 0.08 w L^2 -> -48 Nm; MG = -0.1 w L^2 -> 60 Nm; MH = 0.025 w L^2 -> -15 Nm.
//   Gable wall: RB2zz < 0 and inset 0.3 > 0.15: f = min(1.0 / 0.9, 1) = 1, RB2Just = RB2;
//     RB1 = -0.848100 + 0.565400 x 1.5 = 0; RD = 0.121157 - 0.282700 = -0.161543 -> -145 N;
//     MB1 = 0.166158 - 0.169620 = -0.003462 -> -3 Nm; MC = 0.051639 - 0.076329 -> -22 Nm.
//   The same with the yy load -0.599572 kN/m gives MB2zz 0.037473, MB1zz -0.001999,
//   MCzz -0.014255, MFzz -0.030698, MGzz 0.038373, MHzz -0.009593 kNm.
//   Stresses x 0.9 (B2, B1, C, F, G, H): sigma_xx 2.558, 0.136, 0.973, 2.095, 2.619, 0.655;
//     sigma_zz 0.865, 0.046, 0.329, 0.709, 0.886, 0.221 N/mm2;
//     reference stress 3.16, 0.17, 1.20, 2.59, 3.24, 0.81; strength 13.333 x 0.9 = 12.0;
//     utilisations 26.4, 1.4, 10.0, 21.6, 27.0, 6.7 %.
//   Keys: RB1 0 N, RDE = -0.161543 - 0.332317 -> -444 N, overhang 26 %, gable 10 %,
//     RG -822 N, normal section 27 %.
TEST(Log, SnetilfaeldetLinjeForLinje)
{
    const test::Beregnet b(test::Eksempeltag(), 2);
    // clang-format off
    const std::vector<std::string> forventet{
        StregLinie(97),
        "Lastkombination 3: K_FI(1,0 g + 1,5 s) => kmod =  0,90",
        "",
        "        pkoeff  kar.last  rgnm last på tag  rgnm last på lægte",
        "Egenlast  1,00 x    0,10 = 0,10 kN/skrå m2 =>        0,04 kN/m",
        "Snelast   1,50 x    2,00 = 3,00 kN/hor. m2 =>        1,04 kN/m",
        "Pktlast   0,00 x    1,50 = 0,00 kN         =>        0,00 kN  ",
        "",
        "Regningsmæssige værdier:",
        "Linielast Fzz refererer til normal lægteafstand, men da lægterne er dubleret i gavlsektionen,",
        "refererer reaktioner og momenter i gavlsektionen til halv normal lægteafstand.",
        "Bidr   cv   Fzz   yst   ysl   Reaktioner & momenter i gavlsektion    Reak. & mom. i normalsektion",
        "      (pos opad)              RB2zz RB1zz  RDzz MB2xx MB1xx  MCxx    REzz  RGzz  MFxx  MGxx  MHxx",
        "           kN/m     m     m       N     N     N    Nm    Nm    Nm       N     N    Nm    Nm    Nm",
        "",
        "Før justering af RB2/RB1: RB2 iflg. model 2, øvrige reaktioner og momenter iflg. model 1:",
        "g+s       -0,93  0,00  1,40    -509  -763   109    58   150    46",
        "g+s       -0,93  1,40  3,80                                          -299  -822   -48    60   -15",
        "                            Samlede reaktioner og momenter:",
        "                               -509  -763   109    58   150    46    -299  -822   -48    60   -15",
        "Efter justering af RB2/RB1: Samlede reaktioner og momenter",
        "                               -509     0  -145    58    -3   -22",
        "",
        "bøjningsspændinger sigmaxx                       2,56  0,14  0,97                2,10  2,62  0,65",
        "bøjningsspændinger sigmazz                       0,87  0,05  0,33                0,71  0,89  0,22",
        "",
        "referencespændinger                               3,2   0,2   1,2                 2,6   3,2   0,8",
        "regningsmæssig styrke                            12,0  12,0  12,0                12,0  12,0  12,0",
        "Udnyttelsesgrader for momenter (pct):              26     1    10                  22    27     7",
        "",
        "Nøgleværdier Rzz [N] og momentudnyttelsesgrader [%]:",
        "                                        0  -444       26       10          -822          27",
    };
    // clang-format on
    const std::vector<std::string>& linjer = b.log.linjer();
    ASSERT_GE(linjer.size(), forventet.size());
    for (std::size_t i = 0; i < forventet.size(); ++i)
    {
        EXPECT_EQ(linjer[i], forventet[i]) << "line " << i + 1;
    }
    // The next case begins with its own rule line.
    EXPECT_EQ(linjer[forventet.size()], StregLinie(97));
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

TEST(Log, PunktlastlinjenKunIPunktlasttilfaeldet)
{
    const test::Beregnet b(test::Eksempeltag(), 2);
    int antal = 0;
    for (const std::string& linje : b.log.linjer())
    {
        if (linje.rfind(" Q ", 0) == 0)
        {
            ++antal;
        }
    }
    EXPECT_EQ(antal, 1);
    // Combination 8 carries no roofing: the design value is 0.00 beside TagTyng 0.10.
    const auto& l = b.log.linjer();
    EXPECT_NE(std::find(l.begin(), l.end(),
                        "Egenlast  1,00 x    0,10 = 0,00 kN/skrå m2 =>        0,00 kN/m"),
              l.end());
}

} // namespace
} // namespace taglo
