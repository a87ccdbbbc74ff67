#include "drawing/soemforbindelse.h"

#include "figurdata.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace taglo
{
namespace
{
using test::FindTekst;
using test::FyldteFigurer;

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

std::pair<double, double> Xy(TTegnPunkt p)
{
    return {p.X, p.Y};
}

// A 38 x 73 mm batten nailed with "4,5 x 90 mm laegtesoem" (head 11 mm, shank 4.5 mm,
// profiled part from 35.25 mm for 48 mm), or with the 3,4 mm smooth nail; indirect nailing
// needs a spacer batten, here 38 mm on a 4 mm underlay.
TInddata Legte38(double afstandsliste = 0, double undertag = 0, int soem = 4)
{
    TInddata i;
    i.LegteHojde = 38.0;
    i.LegteBredde = 73.0;
    i.AlisteTykkelse = afstandsliste;
    i.UtagTykkelse = undertag;
    VaelgSoem(i, soem);
    return i;
}

TResultater Resultater(bool direkte, bool gavlOK, int soemGavl, int soemNormal, double baereevne)
{
    TResultater r;
    r.DirekteFastgoerelse = direkte;
    r.GavlspaerSoemOK = gavlOK;
    r.SoemantalGavlspaer = soemGavl;
    r.NormalspaerSoemOK = true;
    r.SoemantalNormalspaer = soemNormal;
    r.SoemPlads = 2;
    r.SoemBaereevne = baereevne;
    return r;
}

// Direct nailing without spacer or underlay: the nail anchors in the rafter from 38 mm below
// its head to the end of the profiled part at 83.25 mm, 45.25 mm at 20 N/mm = 905 N; the
// gable rafter would need 3 nails.
TResultater Direkte()
{
    TResultater r = Resultater(true, false, 3, 1, 905.0);
    r.SoemDirekte = TSoemKapacitet{38.0, 83.25, 83.25, 83.25, 45.25, 20.0, 1234.4, 905.0, 905.0};
    return r;
}

// Indirect nailing: spacer to rafter anchored below spacer and underlay (42..83.25 mm,
// 41.25 mm x 20 N/mm = 825 N), batten to spacer anchored in the spacer (38..76 mm, 760 N).
TResultater Indirekte()
{
    TResultater r = Resultater(false, true, 1, 2, 760.0);
    r.SoemAflisteSpaer =
        TSoemKapacitet{42.0, 83.25, 83.25, 83.25, 41.25, 20.0, 1000.0, 825.0, 825.0};
    r.SoemLaegteAfliste =
        TSoemKapacitet{38.0, 76.0, 83.25, 83.25, 38.0, 20.0, 1000.0, 760.0, 760.0};
    return r;
}

// The top and bottom of each figure filled with the colour.
std::vector<std::pair<double, double>> Baand(const TTegning& t, std::uint16_t farve)
{
    std::vector<std::pair<double, double>> r;
    for (const TTegnFigur* f : FyldteFigurer(t, farve))
    {
        r.emplace_back(test::StoersteY(*f), test::MindsteY(*f));
    }
    return r;
}

// The bands and the nails of each kind of connection. Under the batten section (73 mm wide,
// from the top of the batten at 0 down 38 mm) lie the spacer batten, the underlay and the
// rafter, 120 mm deep and edged by two 3-pixel lines. A spacer batten that carries no nail
// (direct nailing) is aqua like every part that does not contribute; under indirect nailing
// it is timber-coloured, only the underlay is aqua, and the two nails stand 60 mm apart, the
// left one from the top of the spacer batten. A nail is found by its white outline: the x of
// its axis, the y of its head top. Without capacity records there is no section and no nail.
// Grey is the ringed part, 35.25 mm to 83.25 mm below the head of the 4,5 x 90 mm nail; a
// smooth nail has none, so its shank stays white.
TEST(Soemforbindelse, BaandLegtesnitOgSoemmenesPlads)
{
    struct
    {
        const char* navn;
        TInddata inddata;
        TResultater resultater;
        double spaerTop;
        std::vector<std::pair<double, double>> akva; // top and bottom of each aqua band
        std::vector<std::pair<double, double>> hoveder;
        std::vector<std::pair<double, double>> ringet; // top and bottom of the grey part
    } const tilfaelde[] = {{"Direkte", Legte38(), Direkte(), -38, {}, {{0, 0}}, {{-35.25, -83.25}}},
                           {"GlatSoem", Legte38(0, 0, 7), Direkte(), -38, {}, {{0, 0}}, {}},
                           {"DirekteMedListe",
                            Legte38(25),
                            Direkte(),
                            -63,
                            {{-38, -63}},
                            {{0, 0}},
                            {{-35.25, -83.25}}},
                           {"Indirekte",
                            Legte38(38, 4),
                            Indirekte(),
                            -80,
                            {{-76, -80}},
                            {{-30, -38}, {30, 0}},
                            {{-73.25, -121.25}, {-35.25, -83.25}}},
                           {"UdenKapacitetsposter", Legte38(), TResultater{}, -38, {}, {}, {}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        const TTegning t = TegnSoemforbindelse(c.inddata, c.resultater, kDansk);
        std::vector<double> kanter;
        const TTegnFigur* snit = nullptr;
        for (const TTegnFigur& f : t.Figurer)
        {
            if (f.PenBredde == 3)
            {
                if (f.FyldStil == kFyldIngen)
                {
                    kanter.push_back(f.Punkter[0].Y);
                }
                else
                {
                    snit = &f;
                }
            }
        }
        EXPECT_EQ(kanter, (std::vector<double>{c.spaerTop, c.spaerTop - 120}));
        EXPECT_EQ(Baand(t, kAkva), c.akva);
        EXPECT_EQ(Baand(t, kSoelv), c.ringet);
        std::vector<std::pair<double, double>> hoveder;
        for (const TTegnFigur* f : FyldteFigurer(t, kHvid))
        {
            hoveder.emplace_back((f->Punkter.front().X + f->Punkter.back().X) / 2, f->Punkter[0].Y);
        }
        EXPECT_EQ(hoveder, c.hoveder);
        if (c.hoveder.empty())
        {
            EXPECT_EQ(snit, nullptr);
            continue;
        }
        ASSERT_NE(snit, nullptr);
        EXPECT_EQ(snit->FyldFarve, kTraefarve);
        const double midte = c.hoveder.back().first;
        EXPECT_EQ(Xy(snit->Punkter[0]), std::pair(midte - 36.5, -38.0));
        EXPECT_EQ(Xy(snit->Punkter[2]), std::pair(midte + 36.5, 0.0));
    }
}

// Every text of the figure with its place, colour and alignment. Notes stand centred on
// their anchors: the header at y = 48 and 36, the verdicts at 24 (gable rafter starting at
// x = -200, normal rafter ending at 200), the capacities at 24 and 12, the band captions
// from x = -180 at the middle of their band, except that of an underlay thinner than a line
// of text (10 mm), which hangs 1 mm under it; the legend 12 mm apart from 12 mm below the
// rafter.
// Nail labels hang below their anchors, 10 mm beside the axis: Fg 1 mm below the head top,
// 2 mm right of a batten section the head rests on (73 mm wide), Fu 5 mm above the middle
// of its interval; a nail without capacity gets a red Fu of 0 20 mm below the end of its
// first interval, and a nail anchored in two intervals the sum 20 mm below its point (a
// 3,4 mm smooth nail: 90 mm shank + 1.5 d = 95.1 mm).
TEST(Soemforbindelse, TeksterneMedPladsFarveOgJustering)
{
    const TTegning direkte = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const TTegning indirekte = TegnSoemforbindelse(Legte38(38, 4), Indirekte(), kDansk);
    const TTegning tykUndertag = TegnSoemforbindelse(Legte38(0, 10), Direkte(), kDansk);
    TResultater udenBaereevne = Direkte();
    udenBaereevne.SoemDirekte = TSoemKapacitet{83.25, 83.25, 83.25, 83.25, 0, 20.0, 0, 0, 0};
    const TTegning nul = TegnSoemforbindelse(Legte38(), udenBaereevne, kDansk);
    TResultater toIntervaller = Indirekte();
    toIntervaller.SoemLaegteAfliste =
        TSoemKapacitet{38.0, 76.0, 80.0, 90.0, 48.0, 7.5, 1000.0, 360.0, 360.0};
    const TTegning glatSoem = TegnSoemforbindelse(Legte38(38, 4, 7), toIntervaller, kDansk);

    constexpr auto V = kJustVenstre;
    constexpr auto C = kJustCentreret;
    constexpr auto H = kJustHoejre;
    constexpr auto M = kJustMidt;
    constexpr auto T = kJustTop;
    struct
    {
        const TTegning& t;
        const char* tekst;
        double x, y;
        std::uint16_t farve, vandret, lodret;
    } const tekster[] = {
        {direkte, "Regningsmæssig trækbæreevne i lastklasse Ø (vind)", 0, 48, kSort, C, M},
        {direkte, "for direkte fastgørelse med 4,5 x 90 mm lægtesøm", 0, 36, kSort, C, M},
        {direkte, "Fastgørelse til gavlspær:", -200, 36, kSort, V, M},
        {direkte, "Utilstrækkelig bæreevne !", -200, 24, kRoed, V, M},
        {direkte, "Fastgørelse til normalspær:", 200, 36, kSort, H, M},
        {direkte, "1 søm - OK", 200, 24, kGroen, H, M},
        {direkte, "Min.", -60, 24, kSort, V, M},
        {direkte, "1 søm: 905 N", 0, 24, kSort, C, M},
        {direkte, "Max.", -60, 12, kSort, V, M},
        {direkte, "38 mm lægte", -180, -19, kSort, V, M},
        {direkte, "Spærhoved", -180, -98, kSort, V, M},
        {direkte, " Fg = 1234 N ", 36.5 + 2, -1, kGroen, V, T},
        {direkte, " Fu = 905 N ", 10, -(38 + 83.25) / 2 + 5, kGroen, V, T},
        {direkte,
         "De områder af sømmet, der medvirker til trækbæreevnen, er grønne. De øvrige er hvide "
         "(glat skaft) eller grå (ringet del)",
         0, -170, kSort, C, M},
        {direkte,
         "Hvis afstandslisten er mindst 32 mm tyk, kan den benyttes til indirekte sømning. Den "
         "er da markeret med gult",
         0, -182, kSort, C, M},
        {direkte, "Trædele der ikke medvirker er lyseblå", 0, -194, kSort, C, M},
        {direkte, "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke", 0, -206, kSort, C, M},
        {indirekte, "for indirekte fastgørelse med 4,5 x 90 mm lægtesøm", 0, 36, kSort, C, M},
        {indirekte, "2 x 2 søm - OK", 200, 24, kGroen, H, M},
        {indirekte, "2 x 2 søm: 1.520 N", 0, 12, kSort, C, M},
        {indirekte, "38 mm afstandsliste", -180, -57, kSort, V, M},
        {indirekte, "4 mm undertag", -180, -81, kSort, V, T},
        {tykUndertag, "10 mm undertag", -180, -43, kSort, V, M},
        {indirekte, " Fu = 825 N ", -40, -38 - (42 + 83.25) / 2 + 5, kGroen, H, T},
        {nul, " Fg =   0 N ", 36.5 + 2, -1, kRoed, V, T},
        {nul, " Fu = 0 N ", 10, -83.25 - 20, kRoed, V, T},
        {glatSoem, " Fu = 75 N ", 40, -(80 + 90) / 2 + 5, kGroen, V, T},
        {glatSoem, " (Fu = 48 mm x 7,5 N/mm) ", 30, -95.1 - 20, kGroen, C, T}};
    for (const auto& c : tekster)
    {
        SCOPED_TRACE(c.tekst);
        const auto fundet = FindTekst(c.t, c.tekst);
        ASSERT_NE(fundet.tekst, nullptr);
        EXPECT_DOUBLE_EQ(fundet.tekst->X, c.x);
        EXPECT_NEAR(fundet.tekst->Y, c.y, 1e-9);
        EXPECT_EQ(fundet.gruppe->TekstFarve, c.farve);
        EXPECT_EQ(fundet.gruppe->VandretJust, c.vandret);
        EXPECT_EQ(fundet.gruppe->LodretJust, c.lodret);
    }
}

} // namespace
} // namespace taglo
