// Bending stresses, utilisations, "lægtetabel 2005" and the bending verdicts.
#include "engine/spaendinger.h"

#include "eksempeltag.h"
#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace taglo
{
namespace
{
using test::PrintTo;

// Snow case of the example roof (38 x 73 mm C18): moments at G divided by kmod 0.9,
// MGxx = 0.1 x 1.038490 x 0.8^2 = 0.0664634 kNm and MGzz = 0.1 x 0.599572 x 0.8^2
// = 0.0383726 kNm.
TLasttilfaelde MomentIG(double Mxx, double Mzz)
{
    TLasttilfaelde t;
    t.kmod = 0.9;
    t.MGxx = Mxx;
    t.MGzz = Mzz;
    return t;
}

TEST(BeregnSpaendinger, BiaksialBoejningAfKonstruktionstrae)
{
    test::Trin trin(test::Eksempeltag());
    TLasttilfaelde t = MomentIG(0.06646336114854244, 0.03837263945035828);
    BeregnSpaendinger(t, trin.koersel);
    // W_normal = 73 x 38^2 / 6 = 17568.67 mm3, W_parallel = 73^2 x 38 / 6 = 33750.33 mm3.
    // k_h = (150 / 38)^0.2 = 1.316 -> 1.3; k_b = (150 / 73)^0.2 = 1.154925.
    // sigma_xx = 66463.36 / (17568.67 x 1.3) = 2.910048 N/mm2;
    // sigma_zz = 38372.64 / (33750.33 x 1.154925) = 0.984442 N/mm2.
    // U = max(2.910048 + 0.7 x 0.984442, 0.7 x 2.910048 + 0.984442) / (18 / 1.35)
    //   = 3.599157 / 13.333333 = 0.269937.
    EXPECT_NEAR(t.UG, 0.2699367766, 1e-9);
    EXPECT_EQ(t.UF, 0.0); // no moment elsewhere
}

TEST(BeregnSpaendinger, BredtKonstruktionstraeHarStoerrelsesfaktorUnder1)
{
    TInddata ind = test::Eksempeltag();
    ind.LegteBredde = 200.0;
    test::Trin trin(ind);
    TLasttilfaelde t = MomentIG(0.0, 0.1);
    BeregnSpaendinger(t, trin.koersel);
    // k_b = (150 / 200)^0.2 = 0.944088: no lower bound.
    const double Wp = 200.0 * 200.0 * 38.0 / 6.0;
    EXPECT_NEAR(t.UG, 100000.0 / (Wp * std::pow(0.75, 0.2)) / (18.0 / 1.35), 1e-12);
}

TEST(BeregnSpaendinger, LaegteUdenTvaersnitGiverIngenDivision)
{
    TInddata ind = test::Eksempeltag();
    ind.LegteHojde = 0.0;
    test::Trin trin(ind);
    TLasttilfaelde t = MomentIG(0.05, 0.02);
    BeregnSpaendinger(t, trin.koersel);
    EXPECT_EQ(t.UG, 0.0);
}

struct Tabelopslag
{
    const char* navn;
    double spaend;   // m; negative for the gable section
    double afstand;  // LegteAfst, m
    bool dubleret;   // DublLegter
    double tagvaegt; // TagTyng, kN/m2
    double Weq;      // equivalent section modulus, mm3
    bool daekket;
};

class Laegtetabel2005 : public ::testing::TestWithParam<Tabelopslag>
{};

TEST_P(Laegtetabel2005, DaekkerEfterSpaendAfstandOgTagvaegt)
{
    const Tabelopslag& c = GetParam();
    TInddata ind = test::Eksempeltag();
    ind.LegteAfst = c.afstand;
    ind.DublLegter = c.dubleret;
    ind.TagTyng = c.tagvaegt;
    TAfledte afl;
    // Equal moduli W give Weq = W / (sin 35 + cos 35).
    afl.WNormal = c.Weq * (SinGrad(35.0) + CosGrad(35.0));
    afl.WParallel = afl.WNormal;
    TResultater r;
    r.NormalfagTabel2005 = !c.daekket;
    r.GavlfagTabel2005 = !c.daekket;
    DaekketAfTabel2005(c.spaend, ind, afl, r);
    // A positive span is the normal section; the other section's flag is left alone.
    const bool normalfag = c.spaend > 0.0;
    EXPECT_EQ(r.NormalfagTabel2005, normalfag ? c.daekket : !c.daekket);
    EXPECT_EQ(r.GavlfagTabel2005, normalfag ? !c.daekket : c.daekket);
}

// Table: 10900, 14950, 19880, 21000, 29380 mm3 (index 0..4); index 5 never.
INSTANTIATE_TEST_SUITE_P(
    Klasser, Laegtetabel2005,
    ::testing::Values(
        Tabelopslag{"Spaend0751ErKlasse0", 0.751, 0.3, false, 0.05, 12000.0, true},
        Tabelopslag{"Spaend07511ErKlasse1", 0.7511, 0.3, false, 0.05, 12000.0, false},
        Tabelopslag{"KnapUnderTabelvaerdien", 0.7, 0.3, false, 0.05, 10899.99, false},
        Tabelopslag{"Spaend1002ErKlasse2", 1.002, 0.3, false, 0.05, 15000.0, false},
        Tabelopslag{"Spaend1301ErKlasse3Over", 1.301, 0.3, false, 0.05, 21001.0, true},
        Tabelopslag{"SpaendOver1301AldrigDaekket", 1.302, 0.3, false, 0.05, 1e8, false},
        Tabelopslag{"MellemtungtTagMedLilleAfstandErLet", 0.7, 0.3, false, 0.35, 11000.0, true},
        Tabelopslag{"Tagvaegt03011ErMellemtungVedStorAfstand", 0.7, 0.6, false, 0.3011, 15000.0,
                    false},
        Tabelopslag{"TagvaegtOver0601AldrigDaekket", 0.7, 0.3, false, 0.602, 1e8, false},
        Tabelopslag{"Afstand05511MedLetTagErIndeks1", 0.7, 0.5511, false, 0.05, 14000.0, false},
        Tabelopslag{"StorAfstandMedMellemtungtTagAldrig", 0.7, 0.6, false, 0.35, 1e8, false},
        Tabelopslag{"StorAfstandSpaendklasse1ErIndeks3", 0.9, 0.6, false, 0.05, 20000.0, false},
        Tabelopslag{"StorAfstandSpaendklasse3ErIndeks4", 1.3, 0.6, false, 0.05, 29400.0, true},
        Tabelopslag{"AfstandOver1101AldrigDaekket", 0.7, 1.2, false, 0.05, 1e8, false},
        Tabelopslag{"GavlfagMedDubleredeLaegterHalvAfstand", -0.7, 0.6, true, 0.05, 12000.0, true},
        Tabelopslag{"GavlfagUdenDubleringFuldAfstand", -0.7, 0.6, false, 0.05, 12000.0, false},
        Tabelopslag{"NormalfagHalveresIkke", 0.7, 0.6, true, 0.05, 12000.0, false}));

// A run whose rankings hold the given cases; the example roof with a heavy roof weight,
// so that neither section is covered by the table unless asked for.
struct Evaluering
{
    test::Trin trin;
    TBeregning beregning;
    TResultater r;

    Evaluering(const TInddata& ind, std::vector<TLasttilfaelde> tilfaelde) : trin(ind)
    {
        beregning.Tilfaeldeliste = std::move(tilfaelde);
        for (TLasttilfaelde& t : beregning.Tilfaeldeliste)
        {
            BeregnNoegler(t);
        }
        for (std::size_t k = 0; k < kAntalKategorier; ++k)
        {
            SorterKategori(beregning, k);
        }
        EvaluerBoejning(beregning, trin.koersel, r);
    }
};

TInddata TungtTag()
{
    TInddata ind = test::Eksempeltag();
    ind.TagTyng = 0.7;
    return ind;
}

TLasttilfaelde Udnyttelser(int lastkomb, char vindtilf, double U)
{
    TLasttilfaelde t;
    t.Lastkomb = lastkomb;
    t.Vindtilf = vindtilf;
    t.kmod = 1.1;
    t.UB1 = U;
    t.UC = U;
    t.UG = U;
    return t;
}

TEST(EvaluerBoejning, Udnyttelse10049HolderOg1005Dumper)
{
    Evaluering holder(TungtTag(), {Udnyttelser(3, 'a', 1.0049), Udnyttelser(9, 'w', 0.2)});
    EXPECT_TRUE(holder.r.NormalfagOK);
    EXPECT_TRUE(holder.r.GavlfagOK);
    EXPECT_TRUE(holder.r.GavludkragningOK);
    EXPECT_EQ(holder.r.TekstGavlfag, "for lastkomb. 3: K_FI(1,0 g + 1,5 s)");
    EXPECT_EQ(holder.r.TekstNormalfagPkt, "for karakteristisk last 1,50 kN");
    EXPECT_EQ(holder.r.UdnNormalfagPkt, 0.0); // no point-load case: the rule never fails
    Evaluering dumper(TungtTag(), {Udnyttelser(3, 'a', 0.5), Udnyttelser(9, 'w', 1.005)});
    EXPECT_FALSE(dumper.r.NormalfagTabel2005);
    EXPECT_FALSE(dumper.r.NormalfagOK);
    EXPECT_FALSE(dumper.r.GavlfagOK);
    EXPECT_FALSE(dumper.r.GavludkragningOK);
    EXPECT_EQ(dumper.r.TekstNormalfag, "for lastkomb. 9: 0,9 g + K_FI 1,5 w, vindtilfælde w");
}

TEST(EvaluerBoejning, TabeldaekketFagHolderTrodsUdnyttelse)
{
    // The example roof's own weight (0.10 kN/m2): both sections are covered by the table
    // (Weq = 15718 mm3 > 14950 for the normal section, > 10900 for the doubled gable).
    // The overhang is not covered.
    Evaluering e(test::Eksempeltag(), {Udnyttelser(3, 'a', 1.4), Udnyttelser(8, 'f', 1.3)});
    EXPECT_TRUE(e.r.NormalfagTabel2005);
    EXPECT_TRUE(e.r.GavlfagTabel2005);
    EXPECT_TRUE(e.r.NormalfagOK);
    EXPECT_TRUE(e.r.GavlfagOK);
    EXPECT_FALSE(e.r.GavludkragningOK);
}

TEST(EvaluerBoejning, PunktlastenKanFaeldeNormalfaget)
{
    Evaluering e(TungtTag(), {Udnyttelser(3, 'a', 0.4), Udnyttelser(8, 'f', 1.2)});
    EXPECT_FALSE(e.r.NormalfagOK);
    EXPECT_DOUBLE_EQ(e.r.UdnNormalfag, 0.4);
    EXPECT_DOUBLE_EQ(e.r.UdnNormalfagPkt, 1.2);
}

TEST(EvaluerBoejning, UdnyttelseDerIkkeErEtEndeligtTalDumper)
{
    // Covered by the table, but a NaN must never pass; it is kept as 0.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Evaluering e(test::Eksempeltag(), {Udnyttelser(3, 'a', 0.4), Udnyttelser(9, 'b', nan)});
    EXPECT_FALSE(e.r.NormalfagOK);
    EXPECT_FALSE(e.r.GavlfagOK);
    EXPECT_FALSE(e.r.GavludkragningOK);
    EXPECT_EQ(e.r.UdnNormalfag, 0.0);
    const double inf = std::numeric_limits<double>::infinity();
    Evaluering u(TungtTag(), {Udnyttelser(3, 'a', 0.4), Udnyttelser(5, 'd', inf)});
    EXPECT_FALSE(u.r.NormalfagOK);
    EXPECT_EQ(u.r.TekstNormalfag, "for lastkomb. 5: K_FI(1,0 g + 1,5 s + 0,45 w), vindtilfælde d");
}

} // namespace
} // namespace taglo
