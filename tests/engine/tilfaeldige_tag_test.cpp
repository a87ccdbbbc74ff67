// The engine over many random roofs, sensible and senseless: it never crashes, every
// number that a verdict rests on is finite, and a roof without meaning is never "OK".
#include "engine/laegter.h"
#include "loads/afledte.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace taglo
{
namespace
{

// Draws inputs: mostly from the range a user types, otherwise a value that the input
// checks reject or that no one types (0, negative, tiny, huge, not a number).
class Tilfaeldig
{
  public:
    explicit Tilfaeldig(std::uint64_t kim) : rng_(kim) {}

    double Tal(double fra, double til)
    {
        if (Chance(0.85))
        {
            return std::uniform_real_distribution<double>(fra, til)(rng_);
        }
        constexpr std::array<double, 14> skaeve{0.0,
                                                -0.0,
                                                -1.0,
                                                -0.3,
                                                1e-300,
                                                -1e-300,
                                                5e-324,
                                                1e12,
                                                -1e12,
                                                1e300,
                                                std::numeric_limits<double>::max(),
                                                std::numeric_limits<double>::lowest(),
                                                std::numeric_limits<double>::infinity(),
                                                std::numeric_limits<double>::quiet_NaN()};
        return skaeve[std::uniform_int_distribution<std::size_t>(0, skaeve.size() - 1)(rng_)];
    }

    int Heltal(int fra, int til) { return std::uniform_int_distribution<int>(fra, til)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

  private:
    std::mt19937_64 rng_;
};

TInddata TilfaeldigtTag(Tilfaeldig& t)
{
    TInddata ind;
    ind.HusBr = t.Tal(2.0, 70.0);
    ind.FacHjd = t.Tal(1.0, 30.0);
    ind.TagVink = t.Chance(0.2) ? std::round(t.Tal(0.0, 75.0)) : t.Tal(-10.0, 95.0);
    ind.LegteAfst = t.Tal(0.05, 1.3);
    ind.DublLegter = t.Chance(0.5);
    ind.FacUdh = t.Tal(0.0, 1.2);
    ind.HusLn = t.Tal(1.0, 80.0);
    ind.NormalSpaerAfst = t.Tal(0.3, 1.6);
    ind.GavlspaerAfst = t.Tal(0.05, 1.6);
    ind.GavlspaerIndrykn = t.Tal(0.0, 0.8);
    ind.GavlUdh = t.Tal(0.0, 1.5);
    ind.LegteHojde = t.Tal(5.0, 120.0);
    ind.LegteBredde = t.Tal(5.0, 320.0);
    VaelgSoem(ind, t.Heltal(-2, 12));
    ind.AlisteTykkelse = t.Tal(0.0, 70.0);
    ind.UtagTykkelse = t.Tal(0.0, 25.0);
    ind.TagTyng = t.Tal(0.0, 1.5);
    ind.TerrKat = t.Heltal(-1, 4);
    ind.AfstVesterhav = t.Tal(-5.0, 100.0);
    ind.CvAreal = t.Chance(0.5);
    ind.SneFormFak = t.Tal(0.0, 3.0);
    ind.StyrkeKlasse = t.Heltal(-1, 3);
    ind.Sikkl = t.Heltal(-1, 2);
    // A few runs with a log, so its numbers are formatted too.
    ind.Logfil = t.Chance(0.005) ? t.Heltal(1, 2) : 0;
    return ind;
}

bool Endelig(double v)
{
    return std::isfinite(v);
}

// Faults of the results whatever the inputs: numbers that are not finite, counts out of
// their bounds, verdicts that contradict their own numbers.
std::string FejlIResultatet(const TResultater& r, const TBeregning& b)
{
    if (b.Tilfaeldeliste.size() != 22)
    {
        return "not 22 cases";
    }
    for (const double v :
         {r.UdnNormalfag, r.UdnNormalfagPkt, r.UdnGavlfag, r.UdnGavlfagPkt, r.UdnGavludkragning,
          r.TraekNormalspaer, r.TraekGavlspaer, r.SoemBaereevne})
    {
        if (!Endelig(v))
        {
            return "a governing value is not finite";
        }
    }
    if (r.SoemPlads < 0 || r.SoemantalNormalspaer < 1 || r.SoemantalGavlspaer < 1)
    {
        return "a nail count below its bound";
    }
    if (r.SoemtypeOK != (r.NormalspaerSoemOK && r.GavlspaerSoemOK))
    {
        return "SoemtypeOK disagrees with the two connections";
    }
    if ((r.NormalspaerSoemOK && r.SoemantalNormalspaer > r.SoemPlads) ||
        (r.GavlspaerSoemOK && r.SoemantalGavlspaer > r.SoemPlads))
    {
        return "more nails than fit";
    }
    if (r.NormalfagOK && !r.NormalfagTabel2005 &&
        (r.UdnNormalfag >= 1.005 || r.UdnNormalfagPkt >= 1.005))
    {
        return "normal section OK over the limit";
    }
    if (r.GavludkragningOK && r.UdnGavludkragning >= 1.005)
    {
        return "gable overhang OK over the limit";
    }
    return {};
}

// Inputs that are not finite numbers, or a ridge or section that is not.
bool IkkeEndelige(const TInddata& ind, const TAfledte& afl)
{
    for (const double v : {ind.HusBr,           ind.FacHjd,        ind.TagVink,
                           ind.LegteAfst,       ind.FacUdh,        ind.HusLn,
                           ind.NormalSpaerAfst, ind.GavlspaerAfst, ind.GavlspaerIndrykn,
                           ind.GavlUdh,         ind.LegteHojde,    ind.LegteBredde,
                           ind.AlisteTykkelse,  ind.UtagTykkelse,  ind.TagTyng,
                           ind.AfstVesterhav,   ind.SneFormFak,    afl.QpKip,
                           afl.WNormal,         afl.WParallel})
    {
        if (!Endelig(v))
        {
            return true;
        }
    }
    return false;
}

// Verdicts that are OK although the inputs give their part of the roof no meaning.
std::string FejlUdenMening(const TInddata& ind, const TAfledte& afl, const TResultater& r)
{
    const bool intetTag = IkkeEndelige(ind, afl) || !(ind.LegteAfst > 0.0) || !(ind.HusBr > 0.0) ||
                          !(ind.HusLn > 0.0) || !(afl.KipHjd > 0.0);
    const bool ingenLaegte = !(ind.LegteHojde > 0.0) || !(ind.LegteBredde > 0.0);
    const bool intetGavlfag =
        !(ind.GavlspaerAfst > 0.0) || !(ind.GavlspaerAfst + ind.GavlspaerIndrykn > 0.0);
    const bool intetNormalfag = !(ind.NormalSpaerAfst > 0.0);
    const bool noget = r.NormalfagOK || r.GavlfagOK || r.GavludkragningOK || r.NormalspaerSoemOK ||
                       r.GavlspaerSoemOK || r.SoemtypeOK || r.NormalfagTabel2005 ||
                       r.GavlfagTabel2005;
    const bool gavl = r.GavlfagOK || r.GavludkragningOK || r.GavlspaerSoemOK ||
                      r.NormalspaerSoemOK || r.SoemtypeOK || r.GavlfagTabel2005;
    const bool normal =
        r.NormalfagOK || r.NormalspaerSoemOK || r.SoemtypeOK || r.NormalfagTabel2005;
    if ((intetTag || ingenLaegte) && noget)
    {
        return "a verdict is OK for a roof or batten without meaning";
    }
    if (intetGavlfag && gavl)
    {
        return "a gable verdict is OK without a gable span";
    }
    if (intetNormalfag && normal)
    {
        return "a normal-section verdict is OK without a normal span";
    }
    return {};
}

// Checks one run; returns a description of the first fault, or an empty text.
std::string Fejl(const TInddata& ind, const TAfledte& afledteFoer, const TResultater& r,
                 const TBeregning& b)
{
    const std::string fejl = FejlIResultatet(r, b);
    return fejl.empty() ? FejlUdenMening(ind, afledteFoer, r) : fejl;
}

// 100 000 roofs take about 3 s in an optimised build. Under AddressSanitizer without
// optimisation one run costs some 0.3 to 0.7 ms, so that build checks the first 5 000
// roofs of the same sequence.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kAntal = 5'000;
#else
constexpr int kAntal = 100'000;
#endif

TEST(TilfaeldigeTag, MotorenHolderOgSigerAldrigOKUdenMening)
{
    Tilfaeldig t(20140501);
    TavseMeddelelser meddelelser;
    const Regionalindstillinger regional = Regionalindstillinger::Dansk();
    int degenererede = 0;
    int godkendte = 0;
    int fejl = 0;
    for (int i = 0; i < kAntal && fejl < 10; ++i)
    {
        const TInddata ind = TilfaeldigtTag(t);
        TAfledte afledte = BeregnAfledte(ind, meddelelser);
        const TAfledte foer = afledte;
        TResultater r;
        NulstilResultater(r);
        TLogliste log(ind.Logfil);
        const TBeregning b = BeregnLaegter(ind, afledte, r, log, regional, meddelelser);
        const std::string fundet = Fejl(ind, foer, r, b);
        if (!fundet.empty())
        {
            ADD_FAILURE() << "roof " << i << ": " << fundet << " (HusBr " << ind.HusBr << ", HusLn "
                          << ind.HusLn << ", TagVink " << ind.TagVink << ", LegteAfst "
                          << ind.LegteAfst << ", LegteHojde " << ind.LegteHojde << ", LegteBredde "
                          << ind.LegteBredde << ", NormalSpaerAfst " << ind.NormalSpaerAfst
                          << ", GavlspaerAfst " << ind.GavlspaerAfst << ", GavlspaerIndrykn "
                          << ind.GavlspaerIndrykn << ", GavlUdh " << ind.GavlUdh << ")";
            ++fejl;
        }
        degenererede += (!(ind.GavlspaerAfst > 0.0) || !(ind.LegteBredde > 0.0)) ? 1 : 0;
        godkendte += r.SoemtypeOK && r.NormalfagOK && r.GavlfagOK && r.GavludkragningOK ? 1 : 0;
    }
    // Both kinds of roof were met.
    EXPECT_GT(degenererede, kAntal / 100);
    EXPECT_GT(godkendte, kAntal / 1000);
}

} // namespace
} // namespace taglo
