// Case records, key values, rankings, the result record and the log list.
#include "engine/log.h"
#include "engine/resultater.h"
#include "engine/tilfaelde.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace taglo
{
namespace
{

// The order of the cases in a ranking, by their index in the case list.
std::vector<std::size_t> Orden(const std::vector<TRangElement>& rangliste)
{
    std::vector<std::size_t> orden;
    orden.reserve(rangliste.size());
    for (const TRangElement& e : rangliste)
    {
        orden.push_back(e.Tilfaelde);
    }
    return orden;
}

std::vector<TRangElement> Rangliste(const std::vector<double>& noegler)
{
    std::vector<TRangElement> rangliste;
    for (std::size_t i = 0; i < noegler.size(); ++i)
    {
        IndsaetSorteret(rangliste, TRangElement{i, noegler[i]});
    }
    return rangliste;
}

TEST(Rangliste, StoersteNoegleFoerst)
{
    EXPECT_EQ(Orden(Rangliste({0.2, 0.9, -0.4, 0.5})), (std::vector<std::size_t>{1, 3, 0, 2}));
}

TEST(Rangliste, LigeNoeglerBeholderDenTidligsteForrest)
{
    // Combination 5 analysed before combination 6 with the same utilisation wins.
    EXPECT_EQ(Orden(Rangliste({0.7, 0.7, 0.3, 0.7})), (std::vector<std::size_t>{0, 1, 3, 2}));
}

TEST(Rangliste, NoegleDerIkkeErEtTalStaarForrest)
{
    // A utilisation that is not a finite number must reach the verdict at the head.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Orden(Rangliste({0.5, -inf, 0.9, nan})), (std::vector<std::size_t>{1, 3, 2, 0}));
    EXPECT_EQ(Orden(Rangliste({inf, 1e300})), (std::vector<std::size_t>{0, 1}));
}

TLasttilfaelde Tilfaelde(int lastkomb, double UC, double UF, double UG, double UH)
{
    TLasttilfaelde t;
    t.Lastkomb = lastkomb;
    t.UB1 = 0.1;
    t.UB2 = 0.3;
    t.UC = UC;
    t.UF = UF;
    t.UG = UG;
    t.UH = UH;
    t.RB1zz = 0.2;
    t.RB1yy = -0.4;
    t.RDEzz = -1.5;
    t.RDEyy = -0.25;
    t.RGzz = 0.7;
    t.RGyy = -0.8;
    BeregnNoegler(t);
    return t;
}

TEST(Noegler, FoelgerKategorierne)
{
    const TLasttilfaelde t = Tilfaelde(5, 0.4, 0.2, 0.6, 0.1);
    EXPECT_EQ(t.Noegle[kGavludkragning], 0.3);
    EXPECT_EQ(t.Noegle[kGavlfag], 0.4);
    EXPECT_EQ(t.Noegle[kGavlfagPkt], 0.0);
    EXPECT_EQ(t.Noegle[kNormalfag], 0.6);
    EXPECT_EQ(t.Noegle[kNormalfagPkt], 0.0);
    EXPECT_EQ(t.Noegle[kTraekGavlspaer], 0.2);
    EXPECT_EQ(t.Noegle[kKraftGavlspaer], 0.4);
    EXPECT_EQ(t.Noegle[kTraekForsteNormalspaer], -1.5); // signed: a downward force ranks low
    EXPECT_EQ(t.Noegle[kKraftForsteNormalspaer], 0.25);
    EXPECT_EQ(t.Noegle[kTraekAndetNormalspaer], 0.7);
    EXPECT_EQ(t.Noegle[kKraftAndetNormalspaer], 0.8);
}

TEST(Noegler, PunktlastenHoererTilSineEgneKategorier)
{
    const TLasttilfaelde t = Tilfaelde(8, 0.4, 0.2, 0.6, 0.9);
    EXPECT_EQ(t.Noegle[kGavlfag], 0.0);
    EXPECT_EQ(t.Noegle[kGavlfagPkt], 0.4);
    EXPECT_EQ(t.Noegle[kNormalfag], 0.0);
    EXPECT_EQ(t.Noegle[kNormalfagPkt], 0.9);
}

TEST(Noegler, EtMaksimumSkjulerIkkeEtUgyldigtTal)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TLasttilfaelde t = Tilfaelde(5, 0.4, 0.2, nan, 0.1);
    EXPECT_TRUE(std::isnan(t.Noegle[kNormalfag]));
}

TEST(Noegler, PunktlasttilfaeldetLederKategori2Og4NaarDetsUdnyttelseErPositiv)
{
    TBeregning b;
    b.Tilfaeldeliste = {Tilfaelde(3, 0.5, 0.5, 0.9, 0.5), Tilfaelde(5, 0.6, 0.5, 0.8, 0.5),
                        Tilfaelde(8, 0.01, 0.01, 0.02, 0.01), Tilfaelde(9, 0.7, 0.5, 0.5, 0.5)};
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        SorterKategori(b, k);
    }
    EXPECT_EQ(b.Hoved(kGavlfagPkt)->Lastkomb, 8);
    EXPECT_EQ(b.Hoved(kNormalfagPkt)->Lastkomb, 8);
    EXPECT_EQ(b.Hoved(kGavlfag)->Lastkomb, 9);
    EXPECT_EQ(b.Hoved(kNormalfag)->Lastkomb, 3);
    // Every category holds every case.
    for (const auto& r : b.Rangliste)
    {
        EXPECT_EQ(r.size(), 4U);
    }
}

TEST(Beregning, TomRanglisteHarIntetHoved)
{
    const TBeregning b;
    EXPECT_EQ(b.Hoved(kNormalfag), nullptr);
}

TEST(Resultater, NulstillingGiverTiSoemOgIngenKapaciteter)
{
    TResultater r;
    r.SoemtypeOK = true;
    r.SoemantalGavlspaer = 0;
    r.SoemDirekte = TSoemKapacitet{};
    NulstilResultater(r);
    EXPECT_FALSE(r.SoemtypeOK);
    EXPECT_EQ(r.SoemantalNormalspaer, 10);
    EXPECT_EQ(r.SoemantalGavlspaer, 10);
    EXPECT_FALSE(r.SoemDirekte.has_value());
}

TEST(Log, LinjerTilfoejesIRaekkefoelgeOgKunMedNiveau)
{
    TLogliste uden(0);
    uden.LogLinie("ikke med");
    EXPECT_FALSE(uden.findes());
    EXPECT_TRUE(uden.linjer().empty());
    TLogliste log(1);
    log.LogLinie("første");
    log.LogLinie("");
    log.LogLinie("tredje");
    EXPECT_EQ(log.linjer(), (std::vector<std::string>{"første", "", "tredje"}));
}

TEST(Tilfaeldetekst, VindtilfaeldeKunForKombinationerMedVind)
{
    const Regionalindstillinger dk = Regionalindstillinger::Dansk();
    TLasttilfaelde t;
    t.Lastkomb = 9;
    t.Vindtilf = 'w';
    EXPECT_EQ(TilfaeldeTekst("for lastkomb. %d: %s", t, dk),
              "for lastkomb. 9: 0,9 g + K_FI 1,5 w, vindtilfælde w");
    t.Lastkomb = 3;
    t.Vindtilf = 'a';
    EXPECT_EQ(TilfaeldeTekst("for lastkomb. %d: %s", t, dk),
              "for lastkomb. 3: K_FI(1,0 g + 1,5 s)");
    t.Lastkomb = 8;
    t.Vindtilf = 'f';
    EXPECT_EQ(TilfaeldeTekst("for lastkomb. %d: %s", t, dk),
              "for lastkomb. 8: K_FI(1,0 g + 1,5 Q)");
}

} // namespace
} // namespace taglo
