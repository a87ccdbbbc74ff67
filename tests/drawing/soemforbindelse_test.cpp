#include "drawing/soemforbindelse.h"

#include "figursoegning.h"

#include <gtest/gtest.h>

namespace taglo
{
namespace
{
using test::FindTekst;
using test::FyldteFigurer;

const Regionalindstillinger kDansk = Regionalindstillinger::Dansk();

// A 38 x 73 mm batten nailed with "4,5 x 90 mm laegtesoem" (head 11 mm, shank 4.5 mm, profiled
// part from 35.25 mm for 48 mm).
TInddata Legte38()
{
    TInddata i;
    i.LegteHojde = 38.0;
    i.LegteBredde = 73.0;
    VaelgSoem(i, 4);
    return i;
}

// Indirect nailing needs a 38 mm spacer batten; here with a 4 mm underlay below it.
TInddata MedAfstandsliste()
{
    TInddata i = Legte38();
    i.AlisteTykkelse = 38.0;
    i.UtagTykkelse = 4.0;
    return i;
}

// Direct nailing without spacer or underlay: the nail anchors in the rafter from 38 mm below
// its head to the end of the profiled part at 83.25 mm, 45.25 mm at 20 N/mm = 905 N.
TResultater Direkte()
{
    TResultater r;
    r.DirekteFastgoerelse = true;
    r.NormalspaerSoemOK = true;
    r.SoemantalNormalspaer = 1;
    r.GavlspaerSoemOK = false;
    r.SoemantalGavlspaer = 3;
    r.SoemPlads = 2;
    r.SoemBaereevne = 905.0;
    r.SoemDirekte = TSoemKapacitet{38.0, 83.25, 83.25, 83.25, 45.25, 20.0, 1234.4, 905.0, 905.0};
    return r;
}

// Indirect nailing: spacer to rafter anchored below spacer and underlay (42..83.25 mm,
// 41.25 mm x 20 N/mm = 825 N), batten to spacer anchored in the spacer (38..76 mm, 760 N).
TResultater Indirekte()
{
    TResultater r;
    r.DirekteFastgoerelse = false;
    r.NormalspaerSoemOK = true;
    r.SoemantalNormalspaer = 2;
    r.GavlspaerSoemOK = true;
    r.SoemantalGavlspaer = 1;
    r.SoemPlads = 2;
    r.SoemBaereevne = 760.0;
    r.SoemAflisteSpaer =
        TSoemKapacitet{42.0, 83.25, 83.25, 83.25, 41.25, 20.0, 1000.0, 825.0, 825.0};
    r.SoemLaegteAfliste =
        TSoemKapacitet{38.0, 76.0, 83.25, 83.25, 38.0, 20.0, 1000.0, 760.0, 760.0};
    return r;
}

// The rafter: the timber-coloured band 120 mm deep across the figure.
const TTegnFigur* Spaer(const TTegning& t)
{
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        if (f->Punkter[0].X == -200.0 && test::StoersteY(*f) - test::MindsteY(*f) == 120.0)
        {
            return f;
        }
    }
    return nullptr;
}

// The batten section: the timber-filled figure with the 3-pixel outline.
const TTegnFigur* Legtesnit(const TTegning& t)
{
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.PenBredde == 3 && f.FyldStil == kFyldFuld)
        {
            return &f;
        }
    }
    return nullptr;
}

// Without spacer batten and underlay the rafter band starts directly under the 38 mm batten,
// edged by two 3-pixel lines, its caption 60 mm down; the batten section 73 mm wide sits
// centred on the nail.
TEST(Soemforbindelse, UdenAfstandslisteOgUndertagLiggerSpaeretLigeUnderLegten)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const TTegnFigur* spaer = Spaer(t);
    ASSERT_NE(spaer, nullptr);
    EXPECT_EQ(test::StoersteY(*spaer), -38.0);
    EXPECT_EQ(test::MindsteY(*spaer), -158.0);
    EXPECT_TRUE(FyldteFigurer(t, kAkva).empty());
    int kanter = 0;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.PenBredde == 3 && f.FyldStil == kFyldIngen)
        {
            EXPECT_TRUE(f.Punkter[0].Y == -38.0 || f.Punkter[0].Y == -158.0);
            ++kanter;
        }
    }
    EXPECT_EQ(kanter, 2);
    const auto spaerhoved = FindTekst(t, "Spærhoved");
    ASSERT_NE(spaerhoved.tekst, nullptr);
    EXPECT_EQ(spaerhoved.tekst->Y, -98.0);
    const TTegnFigur* snit = Legtesnit(t);
    ASSERT_NE(snit, nullptr);
    EXPECT_EQ(snit->FyldFarve, kTraefarve);
    EXPECT_EQ(snit->Punkter[0].X, -36.5);
    EXPECT_EQ(snit->Punkter[2].X, 36.5);
    EXPECT_EQ(snit->Punkter[0].Y, -38.0);
    EXPECT_EQ(snit->Punkter[1].Y, 0.0);
}

// A spacer batten that carries no nail (direct nailing) is aqua like every part that does
// not contribute; under indirect nailing it is timber-coloured and only the underlay is aqua.
TEST(Soemforbindelse, AfstandslisteVedDirekteSoemningErAkvaOgVedIndirekteTraefarvet)
{
    TInddata i = Legte38();
    i.AlisteTykkelse = 25.0;
    const TTegning direkte = TegnSoemforbindelse(i, Direkte(), kDansk);
    ASSERT_EQ(FyldteFigurer(direkte, kAkva).size(), 1U);
    EXPECT_NE(FindTekst(direkte, "25 mm afstandsliste").tekst, nullptr);

    const TTegning indirekte = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    const auto akva = FyldteFigurer(indirekte, kAkva);
    ASSERT_EQ(akva.size(), 1U);
    EXPECT_EQ(test::StoersteY(*akva[0]), -76.0);
    EXPECT_EQ(test::MindsteY(*akva[0]), -80.0);
    const auto liste = FindTekst(indirekte, "38 mm afstandsliste");
    ASSERT_NE(liste.tekst, nullptr);
    EXPECT_EQ(liste.tekst->Y, -57.0);
    EXPECT_NE(FindTekst(indirekte, "4 mm undertag").tekst, nullptr);
    ASSERT_NE(Spaer(indirekte), nullptr);
    EXPECT_EQ(test::StoersteY(*Spaer(indirekte)), -80.0);
}

// The nails' white-filled outlines as the x of their axis and the y of their head top: the
// left nail starts at the top of the spacer batten, the right one at the top of the batten,
// 60 mm apart. The left nail's labels end 10 mm left of its axis and hang below their
// anchors; its Fu label stands 5 mm above the middle of the interval 42..83.25 below the head.
TEST(Soemforbindelse, IndirekteSoemningToSoem60mmFraHinanden)
{
    const TTegning t = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    std::vector<TTegnPunkt> hoveder;
    for (const TTegnFigur* f : FyldteFigurer(t, kHvid))
    {
        hoveder.push_back({(f->Punkter.front().X + f->Punkter.back().X) / 2, f->Punkter.front().Y});
    }
    ASSERT_EQ(hoveder.size(), 2U);
    EXPECT_DOUBLE_EQ(hoveder[0].X, -30.0);
    EXPECT_DOUBLE_EQ(hoveder[0].Y, -38.0);
    EXPECT_DOUBLE_EQ(hoveder[1].X, 30.0);
    EXPECT_DOUBLE_EQ(hoveder[1].Y, 0.0);

    const auto fg = FindTekst(t, " Fg = 1000 N ");
    ASSERT_NE(fg.tekst, nullptr);
    EXPECT_EQ(fg.gruppe->TekstFarve, kGroen);
    EXPECT_EQ(fg.gruppe->VandretJust, kJustHoejre);
    EXPECT_EQ(fg.gruppe->LodretJust, kJustTop);
    EXPECT_EQ(fg.tekst->X, -40.0);
    EXPECT_EQ(fg.tekst->Y, -39.0);
    const auto fu = FindTekst(t, " Fu = 825 N ");
    ASSERT_NE(fu.tekst, nullptr);
    EXPECT_EQ(fu.gruppe, fg.gruppe);
    EXPECT_DOUBLE_EQ(fu.tekst->Y, -38.0 - 62.625 + 5.0);
}

// The direct nail is labelled on its right, starting 10 mm right of its axis: Fg 1 mm below
// the head top, Fu 5 mm above the middle of the interval 38..83.25.
TEST(Soemforbindelse, HoejreSoemsTeksterStarter10mmHoejreForAksen)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const auto fg = FindTekst(t, " Fg = 1234 N ");
    ASSERT_NE(fg.tekst, nullptr);
    EXPECT_EQ(fg.tekst->X, 10.0);
    EXPECT_EQ(fg.tekst->Y, -1.0);
    EXPECT_EQ(fg.gruppe->TekstFarve, kGroen);
    EXPECT_EQ(fg.gruppe->VandretJust, kJustVenstre);
    EXPECT_EQ(fg.gruppe->LodretJust, kJustTop);
    const auto fu = FindTekst(t, " Fu = 905 N ");
    ASSERT_NE(fu.tekst, nullptr);
    EXPECT_DOUBLE_EQ(fu.tekst->Y, -(38.0 + 83.25) / 2 + 5);
}

// The header, the verdicts (green OK at the normal rafter, ending at x = 200; red failure
// at the gable rafter, starting at x = -200) and the capacities of one nail and of the two
// that fit, with the thousands separator of the regional settings.
TEST(Soemforbindelse, OverskriftDomOgKapaciteterVedDirekteSoemning)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const auto overskrift = FindTekst(t, "Regningsmæssig trækbæreevne i lastklasse Ø (vind)");
    ASSERT_NE(overskrift.tekst, nullptr);
    EXPECT_EQ(overskrift.tekst->Y, 48.0);
    EXPECT_EQ(overskrift.gruppe->VandretJust, kJustCentreret);
    const auto normal = FindTekst(t, "1 søm - OK");
    ASSERT_NE(normal.tekst, nullptr);
    EXPECT_EQ(normal.gruppe->TekstFarve, kGroen);
    EXPECT_EQ(normal.gruppe->VandretJust, kJustHoejre);
    EXPECT_EQ(normal.tekst->X, 200.0);
    EXPECT_EQ(normal.tekst->Y, 24.0);
    const auto gavl = FindTekst(t, "Utilstrækkelig bæreevne !");
    ASSERT_NE(gavl.tekst, nullptr);
    EXPECT_EQ(gavl.gruppe->TekstFarve, kRoed);
    EXPECT_EQ(gavl.gruppe->VandretJust, kJustVenstre);
    EXPECT_EQ(gavl.tekst->X, -200.0);
    for (const char* tekst : {"Fastgørelse til gavlspær:", "Fastgørelse til normalspær:",
                              "for direkte fastgørelse med 4,5 x 90 mm lægtesøm", "Min.",
                              "1 søm: 905 N", "Max.", "2 søm: 1.810 N", "38 mm lægte"})
    {
        EXPECT_NE(FindTekst(t, tekst).tekst, nullptr) << tekst;
    }
}

TEST(Soemforbindelse, IndirekteSoemningSkrivesGangeTo)
{
    const TTegning t = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    for (const char* tekst :
         {"2 x 2 søm - OK", "1 x 2 søm - OK", "1 x 2 søm: 760 N", "2 x 2 søm: 1.520 N",
          "for indirekte fastgørelse med 4,5 x 90 mm lægtesøm"})
    {
        EXPECT_NE(FindTekst(t, tekst).tekst, nullptr) << tekst;
    }
    EXPECT_EQ(FindTekst(t, "1 søm - OK").tekst, nullptr);
}

// An anchoring interval of zero length is still drawn (head, profiled part and both
// intervals are the three green rectangles) but gets no Fu label; when the nail's capacity
// is 0 as well, a red Fu of 0 stands 20 mm below the end of its first interval and Fg is red.
TEST(Soemforbindelse, IntervalAfNulLaengdeOgSoemUdenBaereevne)
{
    TResultater r = Direkte();
    r.SoemDirekte->Fra1 = 83.25;
    const TTegning t = TegnSoemforbindelse(Legte38(), r, kDansk);
    EXPECT_EQ(FyldteFigurer(t, kGroen).size(), 3U);
    for (const TTekstGruppe& g : t.Tekster)
    {
        for (const TTegnTekst& x : g.Tekster)
        {
            EXPECT_NE(x.Tekst.rfind(" Fu =", 0), 0U) << x.Tekst;
        }
    }

    r.SoemDirekte->Lef = 0;
    r.SoemDirekte->Fax = 0;
    r.SoemDirekte->Fhead = 0;
    const TTegning nul = TegnSoemforbindelse(Legte38(), r, kDansk);
    const auto fu = FindTekst(nul, " Fu = 0 N ");
    ASSERT_NE(fu.tekst, nullptr);
    EXPECT_EQ(fu.gruppe->TekstFarve, kRoed);
    EXPECT_EQ(fu.tekst->X, 10.0);
    EXPECT_DOUBLE_EQ(fu.tekst->Y, -83.25 - 20);
    const auto fg = FindTekst(nul, " Fg =   0 N ");
    ASSERT_NE(fg.tekst, nullptr);
    EXPECT_EQ(fg.gruppe->TekstFarve, kRoed);
}

// A smooth nail (3,4 x 90 mm) anchored in two intervals, 38..76 in the spacer and 80..90 in
// the rafter, at 7.5 N/mm: 285 N and 75 N, and the sum written below the point, which ends
// 1.5 d = 5.1 mm below the 90 mm shank.
TEST(Soemforbindelse, GlatSoemMedToIntervallerFaarSumUnderSpidsen)
{
    TInddata i = MedAfstandsliste();
    VaelgSoem(i, 7);
    TResultater r = Indirekte();
    r.SoemLaegteAfliste = TSoemKapacitet{38.0, 76.0, 80.0, 90.0, 48.0, 7.5, 1000.0, 360.0, 360.0};
    const TTegning t = TegnSoemforbindelse(i, r, kDansk);
    EXPECT_NE(FindTekst(t, " Fu = 285 N ").tekst, nullptr);
    EXPECT_NE(FindTekst(t, " Fu = 75 N ").tekst, nullptr);
    const auto sum = FindTekst(t, " (Fu = 48 mm x 7,5 N/mm) ");
    ASSERT_NE(sum.tekst, nullptr);
    EXPECT_EQ(sum.gruppe->VandretJust, kJustCentreret);
    EXPECT_EQ(sum.tekst->X, 30.0);
    EXPECT_NEAR(sum.tekst->Y, -95.1 - 20, 1e-9);
}

// Grey is the ringed part, 35.25 mm to 83.25 mm below the head of the 4,5 x 90 mm nail; a
// smooth nail has none, so its shank stays white.
TEST(Soemforbindelse, GraatRingetStykkeKunPaaRingetSoem)
{
    const TTegning ringet = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const auto graa = FyldteFigurer(ringet, kSoelv);
    ASSERT_EQ(graa.size(), 1U);
    EXPECT_EQ(test::StoersteY(*graa[0]), -35.25);
    EXPECT_EQ(test::MindsteY(*graa[0]), -83.25);
    TInddata glat = Legte38();
    VaelgSoem(glat, 7);
    EXPECT_TRUE(FyldteFigurer(TegnSoemforbindelse(glat, Direkte(), kDansk), kSoelv).empty());
}

// Without capacity records: the bands and the legend, but no batten section, nail or
// capacity lines.
TEST(Soemforbindelse, UdenKapacitetsposterIngenLegteIngenSoemOgIngenKapaciteter)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), TResultater{}, kDansk);
    EXPECT_TRUE(FyldteFigurer(t, kHvid).empty());
    EXPECT_EQ(Legtesnit(t), nullptr);
    EXPECT_EQ(FindTekst(t, "Min.").tekst, nullptr);
    EXPECT_NE(Spaer(t), nullptr);
    EXPECT_NE(FindTekst(t, "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke").tekst, nullptr);
}

// The four legend lines, 12 mm apart from 12 mm below the rafter (which ends at -158).
TEST(Soemforbindelse, FoerklaringTolvMillimeterUnderSpaeret)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const char* linjer[] = {
        "De områder af sømmet, der medvirker til trækbæreevnen, er grønne. De øvrige er hvide "
        "(glat skaft) eller grå (ringet del)",
        "Hvis afstandslisten er mindst 32 mm tyk, kan den benyttes til indirekte sømning. Den er "
        "da markeret med gult",
        "Trædele der ikke medvirker er lyseblå",
        "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke"};
    double y = -170.0;
    for (const char* linje : linjer)
    {
        const auto fundet = FindTekst(t, linje);
        ASSERT_NE(fundet.tekst, nullptr) << linje;
        EXPECT_EQ(fundet.tekst->X, 0.0);
        EXPECT_EQ(fundet.tekst->Y, y);
        y -= 12.0;
    }
    EXPECT_EQ(t.Figurer.back().Punkter[0].Y, -206.0);
}

} // namespace
} // namespace taglo
