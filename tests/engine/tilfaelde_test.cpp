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

TEST(Noegler, EtMaksimumSkjulerIkkeEtUgyldigtTal)
{
    // The largest of UF, UG and UH ranks the normal section; a NaN among them must reach it.
    TLasttilfaelde t;
    t.Lastkomb = 5;
    t.UF = 0.2;
    t.UG = std::numeric_limits<double>::quiet_NaN();
    t.UH = 0.1;
    BeregnNoegler(t);
    EXPECT_TRUE(std::isnan(t.Noegle[kNormalfag]));
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
