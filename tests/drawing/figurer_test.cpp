// The three figures built from the inputs, read the way a reader of the drawing would: the
// battens on the roof surface, the free gable triangle, the parts and nails of the connection.
#include "drawing/laengdesnit.h"
#include "drawing/soemforbindelse.h"
#include "drawing/tvaersnit.h"

#include "eksempeltag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

namespace taglo::test
{
namespace
{
const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();
const double kTan30 = std::tan(std::numbers::pi / 6);
const double kCos30 = std::cos(std::numbers::pi / 6);

// Whether the drawing holds a text of this wording.
bool HarTekst(const TTegning& t, std::string_view ordlyd)
{
    return std::ranges::any_of(t.Tekster, [&](const TTekstGruppe& g) {
        return std::ranges::any_of(g.Tekster,
                                   [&](const TTegnTekst& x) { return x.Tekst == ordlyd; });
    });
}

// The figures filled solid with the given colour.
std::vector<const TTegnFigur*> FyldteFigurer(const TTegning& t, std::uint16_t fyldfarve)
{
    std::vector<const TTegnFigur*> r;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.FyldStil == kFyldFuld && f.FyldFarve == fyldfarve)
        {
            r.push_back(&f);
        }
    }
    return r;
}

// The top and bottom of each figure filled solid with the given colour.
std::vector<std::pair<double, double>> Hoejder(const TTegning& t, std::uint16_t fyldfarve)
{
    std::vector<std::pair<double, double>> r;
    for (const TTegnFigur* f : FyldteFigurer(t, fyldfarve))
    {
        const auto [lav, hoej] = std::ranges::minmax(f->Punkter, {}, &TTegnPunkt::Y);
        r.emplace_back(hoej.Y, lav.Y);
    }
    return r;
}

// The battens of the cross-section, timber-coloured figures of four corners, as the middle
// of their upper face.
std::vector<TTegnPunkt> LegteToppe(const TTegning& t)
{
    std::vector<TTegnPunkt> r;
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        if (f->Punkter.size() == 4)
        {
            r.push_back(
                {(f->Punkter[0].X + f->Punkter[3].X) / 2, (f->Punkter[0].Y + f->Punkter[3].Y) / 2});
        }
    }
    return r;
}

// The example roof's 30 degree slopes on a house of the given width without overhang: the
// roof surface rises from 3 m at the facades by tan 30 per metre, and every batten has its top
// on it, from 0.1 m beside the ridge outwards, each 0.4 cos 30 = 0.3464 m further along, while
// more than 0.1 m from the eaves: 10.8 m wide, the 16th of a slope at 5.3 - 15 x 0.3464 = 0.104
// m, the 17th beyond. A spacing longer than the slope leaves one batten a slope; a roof of 0.4 m
// or less has no room for one; a spacing that is not a positive finite length draws none, and
// the rest of the figure is still drawn. A tiny spacing on a huge roof stops at the largest
// number of battens per slope.
TEST(Tvaersnit, LegterPaaTagfladenFra01MeterVedKippenTil01MeterFraTagfoden)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct
    {
        const char* navn;
        double bredde, legteAfst;
        std::size_t legter;
    } const tilfaelde[] = {{"Eksempeltag", 10.8, 0.4, 32},
                           {"AfstandStoerreEndFladen", 11, 8.0, 2},
                           {"Tag040", 0.40, 0.3, 0},
                           {"Tag042", 0.42, 0.3, 2},
                           {"AfstandNul", 11, 0.0, 0},
                           {"AfstandNaN", 11, nan, 0},
                           {"KaempeTag", 1e6, 1e-6, 2 * kFlestLegterPrFlade}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        TInddata i = Eksempeltag();
        i.FacUdh = 0.0;
        i.HusBr = c.bredde;
        i.LegteAfst = c.legteAfst;
        TavseMeddelelser m;
        const TTegning t = TegnTversnit(i, BeregnAfledte(i, m), kDansk);
        const auto toppe = LegteToppe(t);
        ASSERT_EQ(toppe.size(), c.legter);
        for (std::size_t n = 0; n < toppe.size(); ++n)
        {
            const double fraKip =
                c.bredde / 2 - 0.1 - static_cast<double>(n % (c.legter / 2)) * c.legteAfst * kCos30;
            EXPECT_NEAR(toppe[n].X, n < c.legter / 2 ? fraKip : c.bredde - fraKip, 1e-6);
            EXPECT_NEAR(toppe[n].Y, 3 + std::min(toppe[n].X, c.bredde - toppe[n].X) * kTan30, 1e-6);
        }
        EXPECT_TRUE(HarTekst(t, "Husbredde"));
    }
}

// The free gable triangle is a grey wall 0.11 m thick at the gable line (0.5 m in from the
// roof edge), reaching up to the underside of the battens at the ridge, with a leader dot and
// a label of its own; it stands free only when the inset exceeds 0.105 m.
TEST(Laengdesnit, FriGavltrekantNaarIndrykningenOverstiger105mm)
{
    for (const double indrykning : {0.105, 0.106})
    {
        SCOPED_TRACE(indrykning);
        TInddata i = Eksempeltag();
        i.GavlspaerIndrykn = indrykning;
        TavseMeddelelser m;
        const TTegning t = TegnLengdesnit(i, BeregnAfledte(i, m), kDansk);
        const bool fri = indrykning > 0.105;
        EXPECT_EQ(HarTekst(t, "Uforankret gavltrekant"), fri);
        EXPECT_EQ(FyldteFigurer(t, kSort).size(), fri ? 4U : 3U); // the leader dots
        const auto graa = FyldteFigurer(t, kMellemgraa); // the facade wall, then the triangle
        ASSERT_EQ(graa.size(), fri ? 2U : 1U);
        if (fri)
        {
            EXPECT_DOUBLE_EQ(graa[1]->Punkter[0].X, 0.5);
            EXPECT_DOUBLE_EQ(graa[1]->Punkter[2].X, 0.61);
            EXPECT_NEAR(Hoejder(t, kMellemgraa)[1].first, 3 + 5 * kTan30 - 0.038 / kCos30, 1e-9);
        }
    }
}

// The example roof's 38 x 73 mm batten nailed with "4,5 x 90 mm lægtesøm" (head 11 mm, shank
// 4.5 mm, profiled part from 35.25 mm for 48 mm), or with the 3,4 mm smooth nail (soem 7);
// indirect nailing needs a spacer batten, here 38 mm on a 4 mm underlay.
TInddata Forbindelse(double afstandsliste = 0, double undertag = 0, int soem = 4)
{
    TInddata i = Eksempeltag();
    i.AlisteTykkelse = afstandsliste;
    i.UtagTykkelse = undertag;
    VaelgSoem(i, soem);
    return i;
}

// Direct nailing without spacer or underlay: the nail anchors in the rafter from 38 mm below
// its head to the end of the profiled part at 83.25 mm, 45.25 mm at 20 N/mm = 905 N.
TResultater Direkte()
{
    TResultater r;
    r.DirekteFastgoerelse = true;
    r.SoemDirekte = TSoemKapacitet{38.0, 83.25, 83.25, 83.25, 45.25, 20.0, 1234.4, 905.0, 905.0};
    return r;
}

// Indirect nailing: spacer to rafter anchored below spacer and underlay (42..83.25 mm,
// 41.25 mm x 20 N/mm = 825 N), batten to spacer anchored in the spacer (38..76 mm, 760 N).
TResultater Indirekte()
{
    TResultater r;
    r.SoemAflisteSpaer =
        TSoemKapacitet{42.0, 83.25, 83.25, 83.25, 41.25, 20.0, 1000.0, 825.0, 825.0};
    r.SoemLaegteAfliste =
        TSoemKapacitet{38.0, 76.0, 83.25, 83.25, 38.0, 20.0, 1000.0, 760.0, 760.0};
    return r;
}

// The top and bottom of the parts, in mm from the top of the batten, by their colours: the
// batten section 38 mm deep, below it the spacer batten, the underlay and the rafter, 120 mm
// deep. A spacer batten that carries no nail (direct nailing) is aqua like every part that does
// not contribute; under indirect nailing it is timber-coloured, only the underlay is aqua, and
// the two nails stand 60 mm apart, the left one from the top of the spacer batten. A nail is
// found by its white outline: the x of its axis, the y of its head top. Grey is the ringed part,
// 35.25 to 83.25 mm below the head of the 4,5 x 90 mm nail; a smooth nail has none. Without
// capacity records there is no section and no nail.
TEST(Soemforbindelse, BaandLegtesnitOgSoemmenesPlads)
{
    using Par = std::vector<std::pair<double, double>>;
    const Par ringet{{-35.25, -83.25}};
    struct
    {
        const char* navn;
        TInddata inddata;
        TResultater resultater;
        Par trae, akva, hoveder, soelv;
    } const tilfaelde[] = {
        {"Direkte", Forbindelse(), Direkte(), {{-38, -158}, {0, -38}}, {}, {{0, 0}}, ringet},
        {"GlatSoem", Forbindelse(0, 0, 7), Direkte(), {{-38, -158}, {0, -38}}, {}, {{0, 0}}, {}},
        {"MedListe",
         Forbindelse(25),
         Direkte(),
         {{-63, -183}, {0, -38}},
         {{-38, -63}},
         {{0, 0}},
         ringet},
        {"Indirekte",
         Forbindelse(38, 4),
         Indirekte(),
         {{-38, -76}, {-80, -200}, {0, -38}},
         {{-76, -80}},
         {{-30, -38}, {30, 0}},
         {{-73.25, -121.25}, ringet[0]}},
        {"UdenKapacitetsposter", Forbindelse(), TResultater{}, {{-38, -158}}, {}, {}, {}}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        const TTegning t = TegnSoemforbindelse(c.inddata, c.resultater, kDansk);
        EXPECT_EQ(Hoejder(t, kTraefarve), c.trae);
        EXPECT_EQ(Hoejder(t, kAkva), c.akva);
        EXPECT_EQ(Hoejder(t, kSoelv), c.soelv);
        Par hoveder;
        for (const TTegnFigur* f : FyldteFigurer(t, kHvid))
        {
            hoveder.emplace_back((f->Punkter.front().X + f->Punkter.back().X) / 2, f->Punkter[0].Y);
        }
        EXPECT_EQ(hoveder, c.hoveder);
    }
}

} // namespace
} // namespace taglo::test
