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

// Direct nailing without spacer or underlay: the nail anchors in the rafter from 38 mm below
// its head to the end of the profiled part at 83.25 mm, at 20 N/mm.
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
    TSoemKapacitet k;
    k.Fra1 = 38.0;
    k.Til1 = 83.25;
    k.Fra2 = 83.25;
    k.Til2 = 83.25;
    k.Lef = 45.25;
    k.FaxPrMm = 20.0;
    k.Fhead = 1234.4;
    k.Fax = 905.0;
    k.Fd = 905.0;
    r.SoemDirekte = k;
    return r;
}

// Indirect nailing with a 38 mm spacer batten and a 4 mm underlay.
TInddata MedAfstandsliste()
{
    TInddata i = Legte38();
    i.AlisteTykkelse = 38.0;
    i.UtagTykkelse = 4.0;
    return i;
}

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
    TSoemKapacitet spaer; // spacer to rafter: anchored below spacer and underlay
    spaer.Fra1 = 42.0;
    spaer.Til1 = 83.25;
    spaer.Fra2 = 83.25;
    spaer.Til2 = 83.25;
    spaer.Lef = 41.25;
    spaer.FaxPrMm = 20.0;
    spaer.Fhead = 1000.0;
    spaer.Fax = 825.0;
    spaer.Fd = 825.0;
    TSoemKapacitet liste; // batten to spacer: anchored in the spacer
    liste.Fra1 = 38.0;
    liste.Til1 = 76.0;
    liste.Fra2 = 83.25;
    liste.Til2 = 83.25;
    liste.Lef = 38.0;
    liste.FaxPrMm = 20.0;
    liste.Fhead = 1000.0;
    liste.Fax = 760.0;
    liste.Fd = 760.0;
    r.SoemAflisteSpaer = spaer;
    r.SoemLaegteAfliste = liste;
    return r;
}

// The nails' white-filled outlines, as the x of their axis and the y of their head top.
std::vector<TTegnPunkt> Soemhoveder(const TTegning& t)
{
    std::vector<TTegnPunkt> r;
    for (const TTegnFigur* f : FyldteFigurer(t, kHvid))
    {
        r.push_back({(f->Punkter.front().X + f->Punkter.back().X) / 2, f->Punkter.front().Y});
    }
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

TEST(Soemforbindelse, UdenAfstandslisteOgUndertagLiggerSpaeretLigeUnderLegten)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const TTegnFigur* spaer = Spaer(t);
    ASSERT_NE(spaer, nullptr);
    EXPECT_EQ(test::StoersteY(*spaer), -38.0);
    EXPECT_EQ(test::MindsteY(*spaer), -158.0);
    EXPECT_EQ(FyldteFigurer(t, kAkva).size(), 0U);
    const auto spaerhoved = FindTekst(t, "Spærhoved");
    ASSERT_NE(spaerhoved.tekst, nullptr);
    EXPECT_EQ(spaerhoved.tekst->Y, -98.0);
    EXPECT_EQ(spaerhoved.tekst->X, -180.0);
}

TEST(Soemforbindelse, SpaeretsKanterTrePixelBrede)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
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
}

TEST(Soemforbindelse, AfstandslisteVedDirekteSoemningErAkvaOgVedIndirekteTraefarvet)
{
    TInddata i = Legte38();
    i.AlisteTykkelse = 25.0;
    const TTegning direkte = TegnSoemforbindelse(i, Direkte(), kDansk);
    ASSERT_EQ(FyldteFigurer(direkte, kAkva).size(), 1U);
    EXPECT_EQ(FyldteFigurer(direkte, kAkva)[0]->PenFarve, kAkva);
    EXPECT_NE(FindTekst(direkte, "25 mm afstandsliste").tekst, nullptr);

    const TTegning indirekte = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    // Only the underlay is aqua; the spacer is timber-coloured like the rafter.
    const auto akva = FyldteFigurer(indirekte, kAkva);
    ASSERT_EQ(akva.size(), 1U);
    EXPECT_EQ(test::StoersteY(*akva[0]), -76.0);
    EXPECT_EQ(test::MindsteY(*akva[0]), -80.0);
    const auto liste = FindTekst(indirekte, "38 mm afstandsliste");
    ASSERT_NE(liste.tekst, nullptr);
    EXPECT_EQ(liste.tekst->Y, -57.0);
    EXPECT_NE(FindTekst(indirekte, "4 mm undertag").tekst, nullptr);
    const TTegnFigur* spaer = Spaer(indirekte);
    ASSERT_NE(spaer, nullptr);
    EXPECT_EQ(test::StoersteY(*spaer), -80.0);
}

TEST(Soemforbindelse, IndirekteSoemningToSoem60mmFraHinanden)
{
    const TTegning t = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    const auto hoveder = Soemhoveder(t);
    ASSERT_EQ(hoveder.size(), 2U);
    // The left nail starts at the top of the spacer batten, the right one at the top of the
    // batten.
    EXPECT_DOUBLE_EQ(hoveder[0].X, -30.0);
    EXPECT_DOUBLE_EQ(hoveder[0].Y, -38.0);
    EXPECT_DOUBLE_EQ(hoveder[1].X, 30.0);
    EXPECT_DOUBLE_EQ(hoveder[1].Y, 0.0);
    EXPECT_DOUBLE_EQ(hoveder[1].X - hoveder[0].X, 60.0);
}

TEST(Soemforbindelse, VenstreSoemsTeksterSlutter10mmVenstreForAksen)
{
    const TTegning t = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    // The left nail (spacer to rafter) is drawn first; its labels hang below their anchors.
    const TTekstGruppe* venstreGroen = nullptr;
    for (const TTekstGruppe& g : t.Tekster)
    {
        if (g.TekstFarve == kGroen && g.LodretJust == kJustTop && g.VandretJust == kJustHoejre)
        {
            venstreGroen = &g;
            break;
        }
    }
    ASSERT_NE(venstreGroen, nullptr);
    ASSERT_EQ(venstreGroen->Tekster.size(), 2U);
    EXPECT_EQ(venstreGroen->Tekster[0].Tekst, " Fg = 1000 N ");
    EXPECT_EQ(venstreGroen->Tekster[0].X, -40.0);
    EXPECT_EQ(venstreGroen->Tekster[0].Y, -39.0);
    // 41.25 mm at 20 N/mm, labelled 5 mm above the middle of the interval 42..83.25 below
    // the head at -38.
    EXPECT_EQ(venstreGroen->Tekster[1].Tekst, " Fu = 825 N ");
    EXPECT_DOUBLE_EQ(venstreGroen->Tekster[1].Y, -38.0 - 62.625 + 5.0);
}

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

TEST(Soemforbindelse, DomOgKapaciteterVedDirekteSoemning)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
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

    EXPECT_NE(FindTekst(t, "Fastgørelse til gavlspær:").tekst, nullptr);
    EXPECT_EQ(FindTekst(t, "Fastgørelse til normalspær:").gruppe->VandretJust, kJustHoejre);
    EXPECT_NE(FindTekst(t, "for direkte fastgørelse med 4,5 x 90 mm lægtesøm").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "1 søm: 905 N").tekst, nullptr);
    // Two nails of 905 N, with the thousands separator of the regional settings.
    EXPECT_NE(FindTekst(t, "2 søm: 1.810 N").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "Min.").tekst, nullptr);
    EXPECT_EQ(FindTekst(t, "Max.").tekst->Y, 12.0);
    EXPECT_NE(FindTekst(t, "38 mm lægte").tekst, nullptr);
}

TEST(Soemforbindelse, VindensLastklasseIOverskriften)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const auto overskrift = FindTekst(t, "Regningsmæssig trækbæreevne i lastklasse Ø (vind)");
    ASSERT_NE(overskrift.tekst, nullptr);
    EXPECT_EQ(overskrift.tekst->Y, 48.0);
    EXPECT_EQ(overskrift.gruppe->VandretJust, kJustCentreret);
}

TEST(Soemforbindelse, IndirekteSoemningSkrivesGangeTo)
{
    const TTegning t = TegnSoemforbindelse(MedAfstandsliste(), Indirekte(), kDansk);
    EXPECT_NE(FindTekst(t, "2 x 2 søm - OK").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "1 x 2 søm - OK").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "1 x 2 søm: 760 N").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "2 x 2 søm: 1.520 N").tekst, nullptr);
    EXPECT_NE(FindTekst(t, "for indirekte fastgørelse med 4,5 x 90 mm lægtesøm").tekst, nullptr);
    EXPECT_EQ(FindTekst(t, "1 søm - OK").tekst, nullptr);
}

TEST(Soemforbindelse, IntervalAfNulLaengdeTegnesMenFaarIngenFuTekst)
{
    TResultater r = Direkte();
    r.SoemDirekte->Fra1 = 83.25;
    const TTegning t = TegnSoemforbindelse(Legte38(), r, kDansk);
    // Head, profiled part and both intervals: the green rectangles are all there.
    EXPECT_EQ(FyldteFigurer(t, kGroen).size(), 3U);
    for (const TTekstGruppe& g : t.Tekster)
    {
        for (const TTegnTekst& x : g.Tekster)
        {
            EXPECT_NE(x.Tekst.rfind(" Fu =", 0), 0U) << x.Tekst;
        }
    }
}

TEST(Soemforbindelse, SoemUdenBaereevneFaarRoedFuTekst20mmUnderIntervallet)
{
    TResultater r = Direkte();
    r.SoemDirekte->Fra1 = 83.25;
    r.SoemDirekte->Lef = 0;
    r.SoemDirekte->Fax = 0;
    r.SoemDirekte->Fhead = 0;
    const TTegning t = TegnSoemforbindelse(Legte38(), r, kDansk);
    const auto fu = FindTekst(t, " Fu = 0 N ");
    ASSERT_NE(fu.tekst, nullptr);
    EXPECT_EQ(fu.gruppe->TekstFarve, kRoed);
    EXPECT_EQ(fu.tekst->X, 10.0);
    EXPECT_DOUBLE_EQ(fu.tekst->Y, -83.25 - 20);
    const auto fg = FindTekst(t, " Fg =   0 N ");
    ASSERT_NE(fg.tekst, nullptr);
    EXPECT_EQ(fg.gruppe->TekstFarve, kRoed);
}

// A smooth nail (3,4 x 90 mm) anchored in two intervals, 38..76 in the spacer and 80..90 in
// the rafter, at 7.5 N/mm: both get a label, and the sum is written below the point.
TEST(Soemforbindelse, GlatSoemMedToIntervallerFaarSumUnderSpidsen)
{
    TInddata i = MedAfstandsliste();
    VaelgSoem(i, 7);
    TResultater r = Indirekte();
    r.SoemLaegteAfliste->Fra1 = 38.0;
    r.SoemLaegteAfliste->Til1 = 76.0;
    r.SoemLaegteAfliste->Fra2 = 80.0;
    r.SoemLaegteAfliste->Til2 = 90.0;
    r.SoemLaegteAfliste->Lef = 48.0;
    r.SoemLaegteAfliste->FaxPrMm = 7.5;
    r.SoemLaegteAfliste->Fax = 360.0;
    const TTegning t = TegnSoemforbindelse(i, r, kDansk);
    EXPECT_NE(FindTekst(t, " Fu = 285 N ").tekst, nullptr);
    EXPECT_NE(FindTekst(t, " Fu = 75 N ").tekst, nullptr);
    const auto sum = FindTekst(t, " (Fu = 48 mm x 7,5 N/mm) ");
    ASSERT_NE(sum.tekst, nullptr);
    EXPECT_EQ(sum.gruppe->VandretJust, kJustCentreret);
    EXPECT_EQ(sum.tekst->X, 30.0);
    // The point ends 1.5 d = 5.1 mm below the 90 mm shank.
    EXPECT_NEAR(sum.tekst->Y, -95.1 - 20, 1e-9);
}

// The legend says grey is the ringed part; a smooth square nail has none, so its shank
// stays white (only the head and the anchoring intervals are coloured).
TEST(Soemforbindelse, GlatSoemHarIntetGraatRingetStykke)
{
    TInddata glat = Legte38();
    VaelgSoem(glat, 7);
    EXPECT_TRUE(FyldteFigurer(TegnSoemforbindelse(glat, Direkte(), kDansk), kSoelv).empty());
    const TTegning ringet = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const auto graa = FyldteFigurer(ringet, kSoelv);
    ASSERT_EQ(graa.size(), 1U);
    // The profiled part of the 4,5 x 90 mm nail: 35.25 mm to 83.25 mm below the head.
    EXPECT_EQ(test::StoersteY(*graa[0]), -35.25);
    EXPECT_EQ(test::MindsteY(*graa[0]), -83.25);
}

TEST(Soemforbindelse, UdenKapacitetsposterIngenLegteIngenSoemOgIngenKapaciteter)
{
    TResultater r;
    const TTegning t = TegnSoemforbindelse(Legte38(), r, kDansk);
    EXPECT_TRUE(Soemhoveder(t).empty());
    EXPECT_EQ(FindTekst(t, "Min.").tekst, nullptr);
    EXPECT_NE(Spaer(t), nullptr);
    EXPECT_NE(FindTekst(t, "Fg = gennemtrækningsstyrke; Fu = udtrækningsstyrke").tekst, nullptr);
    for (const TTegnFigur& f : t.Figurer)
    {
        EXPECT_NE(f.PenBredde == 3 && f.FyldStil == kFyldFuld, true) << "no batten section";
    }
}

TEST(Soemforbindelse, LegtesnitMedTykOmridsOgDiagonaler)
{
    const TTegning t = TegnSoemforbindelse(Legte38(), Direkte(), kDansk);
    const TTegnFigur* snit = nullptr;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.PenBredde == 3 && f.FyldStil == kFyldFuld)
        {
            snit = &f;
        }
    }
    ASSERT_NE(snit, nullptr);
    EXPECT_EQ(snit->FyldFarve, kTraefarve);
    EXPECT_EQ(snit->Punkter[0].X, -36.5);
    EXPECT_EQ(snit->Punkter[2].X, 36.5);
    EXPECT_EQ(snit->Punkter[0].Y, -38.0);
    EXPECT_EQ(snit->Punkter[1].Y, 0.0);
}

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
    // The last anchor keeps the legend inside the view.
    EXPECT_EQ(t.Figurer.back().Punkter[0].Y, -206.0);
}

} // namespace
} // namespace taglo
