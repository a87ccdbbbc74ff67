// The nailed connection: capacities worked by hand, room in the batten, nails needed and
// the verdicts.
#include "engine/soem.h"

#include "eksempeltag.h"
#include "navngivne_tilfaelde.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace taglo
{
namespace
{
using test::PrintTo;

struct Afrunding
{
    const char* navn;
    double vaerdi;
    std::int32_t forventet;
};

class NaermesteHeltalTest : public ::testing::TestWithParam<Afrunding>
{};

TEST_P(NaermesteHeltalTest, HalveGaarTilLigeTal)
{
    EXPECT_EQ(NaermesteHeltal(GetParam().vaerdi), GetParam().forventet);
}

INSTANTIATE_TEST_SUITE_P(
    Tal, NaermesteHeltalTest,
    ::testing::Values(Afrunding{"NulKommaFem", 0.5, 0}, Afrunding{"EnKommaFem", 1.5, 2},
                      Afrunding{"ToKommaFem", 2.5, 2}, Afrunding{"MinusEnKommaFem", -1.5, -2},
                      Afrunding{"IkkeEtTal", std::numeric_limits<double>::quiet_NaN(), 0},
                      Afrunding{"Kaempestort", 1e30, std::numeric_limits<std::int32_t>::max()},
                      Afrunding{"KaempestortNegativt", -1e30,
                                std::numeric_limits<std::int32_t>::min()}));

struct Soemantal
{
    const char* navn;
    double traek;     // N
    double baereevne; // N per nail
    std::int32_t antal;
};

class SoemantalTest : public ::testing::TestWithParam<Soemantal>
{};

TEST_P(SoemantalTest, RundesTilLigeVedHalve)
{
    const TSoemantal n = SoemantalFor(GetParam().traek, GetParam().baereevne);
    EXPECT_TRUE(n.gyldigt);
    EXPECT_EQ(n.antal, GetParam().antal);
}

// n = nearest(T / R + 0.5), halves to the even neighbour, at least 1.
INSTANTIATE_TEST_SUITE_P(Forhold, SoemantalTest,
                         ::testing::Values(Soemantal{"ForholdTo", 200.0, 100.0, 2},  // 2.5 -> 2
                                           Soemantal{"ForholdTre", 300.0, 100.0, 4}, // 3.5 -> 4
                                           Soemantal{"LilleTraek", 30.0, 100.0, 1},  // 0.8 -> 1
                                           Soemantal{"LaegtenTrykkesNed", -400.0, 100.0, 1},
                                           Soemantal{"BaereevneUnderEnHalvNewton", 30.0, 0.49, 10},
                                           Soemantal{"BaereevnePaaEnHalvNewton", 1.0, 0.5,
                                                     2})); // 2.5 -> 2

TEST(Soemantal, TalDerIkkeKanTaellesErUgyldigt)
{
    EXPECT_FALSE(SoemantalFor(std::numeric_limits<double>::quiet_NaN(), 100.0).gyldigt);
    EXPECT_FALSE(SoemantalFor(100.0, std::numeric_limits<double>::infinity()).gyldigt);
    EXPECT_FALSE(SoemantalFor(1e300, 1.0).gyldigt);
}

TEST(SoemPlads, FemDiametreMellemSoemOgTilKanten)
{
    EXPECT_EQ(SoemPladsI(73.0, 3.1), 3); // 73 / 15.5 - 1.5 = 3.21
    EXPECT_EQ(SoemPladsI(38.0, 3.8), 0); // 0.5 goes to the even 0
    EXPECT_EQ(SoemPladsI(56.0, 4.2), 1); // 1.17
    EXPECT_EQ(SoemPladsI(10.0, 3.1), 0); // -0.85 would be -1: no room, never negative
    EXPECT_EQ(SoemPladsI(-73.0, 3.1), 0);
}

struct Kapacitet
{
    const char* navn;
    int soem;            // index in the nail catalogue
    double laegtehoejde; // mm
    double afliste;      // spacer, mm
    double undertag;     // underlay, mm
    bool direkte;
    double Lef; // mm, of the batten's own nailing (direct, or batten to spacer)
    double Fd;  // N per nail, the governing nailing
};

class SoemKapacitet : public ::testing::TestWithParam<Kapacitet>
{};

TEST_P(SoemKapacitet, EfterForankringOgHovedgennemtraek)
{
    const Kapacitet& c = GetParam();
    TInddata ind;
    VaelgSoem(ind, c.soem);
    ind.LegteHojde = c.laegtehoejde;
    ind.AlisteTykkelse = c.afliste;
    ind.UtagTykkelse = c.undertag;
    TResultater r;
    BeregnSoemKapacitet(ind, 1.35, 1.1, r);
    ASSERT_EQ(r.DirekteFastgoerelse, c.direkte);
    const std::optional<TSoemKapacitet>& egen = c.direkte ? r.SoemDirekte : r.SoemLaegteAfliste;
    ASSERT_TRUE(egen.has_value());
    EXPECT_EQ(r.SoemAflisteSpaer.has_value(), !c.direkte);
    EXPECT_NEAR(egen->Lef, c.Lef, 1e-12);
    EXPECT_GE(egen->Til2, egen->Fra2); // never a negative interval
    EXPECT_NEAR(r.SoemBaereevne, c.Fd, 1e-3);
}

// f = 1.1 / 1.35, kmod for instantaneous load over gamma_M of structural timber.
INSTANTIATE_TEST_SUITE_P(
    Haandregnet, SoemKapacitet,
    ::testing::Values(
        // 3.1 x 90 ringed: profiled 35.35..85.35 mm. Batten 38 + spacer 25: anchoring 63 to
        // 85.35 = 22.35 mm >= 6 d = 18.6 mm; withdrawal 7 x 3.1 x f x 22.35 = 395.181 N,
        // pull-through 14 x 6.2^2 x f = 438.501 N.
        Kapacitet{"RingetSoemDirekteGennemAfstandsliste", 0, 38.0, 25.0, 0.0, true, 22.35, 395.181},
        // 3.4 x 90 square nail, smooth over 0..90 mm, batten 38 mm on the rafter: anchoring
        // 38..90 = 52 mm >= 12 d = 40.8 mm. Head side with the shank in the batten:
        // (8.6 x 8.5^2 + 2.45 x 3.4 x 38) x f = 764.207 N; withdrawal 2.45 x 3.4 x f x 52
        // = 352.945 N.
        Kapacitet{"GlatSoemFaarSkaftetIHovedsiden", 7, 38.0, 0.0, 0.0, true, 52.0, 352.945},
        // Spacer 20 mm: anchoring 58..90 = 32 mm < 12 d = 40.8 mm carries nothing.
        Kapacitet{"ForKortForankringBaererIntet", 7, 38.0, 20.0, 0.0, true, 0.0, 0.0},
        // 4.6 x 130 square nail on a 31.9 mm spacer: still direct, anchoring 69.9..130 =
        // 60.1 mm >= 12 d = 55.2 mm.
        Kapacitet{"AfstandslisteUnder32mmErDirekte", 9, 38.0, 31.9, 0.0, true, 60.1,
                  2.45 * 4.6 * 60.1 * 1.1 / 1.35},
        // From 32 mm the spacer is nailed on its own: batten to spacer 38..70 + 70..130 =
        // 92 mm, withdrawal 2.45 x 4.6 x f x 92 = 844.8 N (head side 1196.8 N); spacer to
        // rafter 98 mm, 899.9 N.
        Kapacitet{"AfstandslistePaa32mmErIndirekte", 9, 38.0, 32.0, 0.0, false, 92.0,
                  2.45 * 4.6 * 92.0 * 1.1 / 1.35},
        // 3.8 x 130 ringed: profiled 84.3..124.3 mm; batten 38, spacer 60 mm. Batten to
        // spacer: 13.7 mm in the spacer, 26.3 mm in the rafter; only the longer counts,
        // 26.3 >= 6 d = 22.8: 7 x 3.8 x f x 26.3 = 570.028 N. Spacer to rafter:
        // pull-through 14 x 7.6^2 x f = 658.892 N.
        Kapacitet{"RingetSoemTaellerKunDenLaengsteForankring", 2, 38.0, 60.0, 0.0, false, 26.3,
                  570.028},
        // 3.1 x 90 ringed (to 85.35 mm) through a 38 mm batten into a 60 mm spacer: the
        // spacer interval ends at the tip, the rafter interval is empty: 47.35 mm. Both
        // nailings are held by the pull-through 438.501 N.
        Kapacitet{"AfstandslisteDybereEndSoemmet", 0, 38.0, 60.0, 0.0, false, 47.35, 438.501}));

// Uplift cases for the nail verdicts: the key values in kN divided by kmod 1.1.
TLasttilfaelde Traek(int lastkomb, char vindtilf, double RB1zzN, double RDEzzN, double RGzzN)
{
    TLasttilfaelde t;
    t.Lastkomb = lastkomb;
    t.Vindtilf = vindtilf;
    t.kmod = 1.1;
    t.RB1zz = RB1zzN / 1100.0;
    t.RDEzz = RDEzzN / 1100.0;
    t.RGzz = RGzzN / 1100.0;
    return t;
}

struct Soemvurdering
{
    test::Trin trin;
    TBeregning beregning;
    TResultater r;

    Soemvurdering(const TInddata& ind, std::vector<TLasttilfaelde> tilfaelde) : trin(ind)
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
        NulstilResultater(r);
        EvaluerSoem(beregning, trin.koersel, r);
    }
};

TEST(EvaluerSoem, TraekOgSoemantalVedBeggeSpaer)
{
    // The example roof: 4.5 x 110 batten nail, profiled 55.25..103.25 mm, through the
    // 38 mm batten and the 25 mm spacer: anchoring 63..103.25 = 40.25 mm,
    // 7 x 4.5 x f x 40.25 = 1033.083 N (pull-through 14 x 11^2 x f = 1380.296 N).
    // Room: 73 / 22.5 - 1.5 = 1.74 -> 2 nails.
    // Normal rafter 1500 N: 1500 / 1033.083 + 0.5 = 1.95 -> 2 nails, OK.
    // Gable rafter 2500 N: 2.92 -> 3 nails > 2: insufficient.
    Soemvurdering v(test::Eksempeltag(),
                    {Traek(3, 'a', -300.0, -800.0, -900.0), Traek(9, 'b', 2500.0, 600.0, 1500.0),
                     Traek(9, 'w', 2000.0, 700.0, 1400.0)});
    const TResultater& r = v.r;
    EXPECT_NEAR(r.SoemBaereevne, 1033.083, 1e-3);
    EXPECT_EQ(r.SoemPlads, 2);
    EXPECT_NEAR(r.TraekNormalspaer, 1500.0, 1e-9);
    EXPECT_EQ(r.TekstTraekNormalspaer, "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde b");
    EXPECT_TRUE(r.NormalspaerSoemOK);
    EXPECT_EQ(r.SoemNormalspaer, "2 søm");
    EXPECT_EQ(r.BaereevneNormalspaer, "  Regningsmæssig bæreevne: 2.066 N");
    EXPECT_EQ(r.SoemantalGavlspaer, 3);
    EXPECT_FALSE(r.GavlspaerSoemOK);
    EXPECT_EQ(r.SoemGavlspaer, "Utilstrækkelig bæreevne. ");
    EXPECT_EQ(r.BaereevneGavlspaer, "  Regningsmæssig bæreevne ved max sømantal: 2.066 N");
    EXPECT_FALSE(r.SoemtypeOK);
}

TEST(EvaluerSoem, StoersteTraekVedAndetNormalspaerVinderKunNaarDetErStoerre)
{
    // Ranking 7 (first normal rafter) and ranking 9 (second) have equal heads: ranking 7.
    Soemvurdering lige(test::Eksempeltag(),
                       {Traek(9, 'b', 0.0, 800.0, 500.0), Traek(9, 'w', 0.0, 300.0, 800.0)});
    EXPECT_EQ(lige.r.TekstTraekNormalspaer,
              "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde b");
    Soemvurdering stoerre(test::Eksempeltag(),
                          {Traek(9, 'b', 0.0, 800.0, 500.0), Traek(9, 'w', 0.0, 300.0, 801.0)});
    EXPECT_EQ(stoerre.r.TekstTraekNormalspaer,
              "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde w");
    EXPECT_NEAR(stoerre.r.TraekNormalspaer, 801.0, 1e-9);
}

// A 300 mm wide batten (room for 12 nails of 4.5 mm) on a 31 mm spacer and 10 mm
// underlay: the nail's profiled part reaches only 24.25 mm into the rafter (< 6 d = 27),
// so a nail carries nothing.
TInddata SoemUdenBaereevne()
{
    TInddata ind = test::Eksempeltag();
    ind.LegteBredde = 300.0;
    ind.AlisteTykkelse = 31.0;
    ind.UtagTykkelse = 10.0;
    return ind;
}

TEST(EvaluerSoem, SoemUdenBaereevneHolderKunEnLaegteDerIkkeLoeftes)
{
    Soemvurdering loeftet(SoemUdenBaereevne(), {Traek(9, 'b', 100.0, 100.0, 100.0)});
    ASSERT_EQ(loeftet.r.SoemBaereevne, 0.0);
    ASSERT_EQ(loeftet.r.SoemPlads, 12);
    EXPECT_EQ(loeftet.r.SoemantalNormalspaer, 10);
    EXPECT_FALSE(loeftet.r.NormalspaerSoemOK);
    EXPECT_FALSE(loeftet.r.GavlspaerSoemOK);
    EXPECT_EQ(loeftet.r.SoemNormalspaer, "Utilstrækkelig bæreevne. ");
    // Pressed down only: ten nails, the most a count can give, and that holds.
    Soemvurdering trykket(SoemUdenBaereevne(), {Traek(3, 'a', -100.0, -100.0, -100.0)});
    EXPECT_EQ(trykket.r.SoemantalNormalspaer, 10);
    EXPECT_TRUE(trykket.r.NormalspaerSoemOK);
}

TEST(EvaluerSoem, TraekDerIkkeErEtTalDumper)
{
    TLasttilfaelde t = Traek(9, 'b', 100.0, 100.0, 100.0);
    t.RGzz = std::numeric_limits<double>::quiet_NaN();
    Soemvurdering v(test::Eksempeltag(), {Traek(9, 'w', 100.0, 900.0, 100.0), t});
    EXPECT_FALSE(v.r.NormalspaerSoemOK);
    EXPECT_EQ(v.r.TraekNormalspaer, 0.0);
    EXPECT_EQ(v.r.TekstTraekNormalspaer,
              "for lastkombination 9: 0,9 g + K_FI 1,5 w, vindtilfælde b");
    EXPECT_TRUE(v.r.GavlspaerSoemOK);
    EXPECT_FALSE(v.r.SoemtypeOK);
}

} // namespace
} // namespace taglo
