// The Qt canvas and the picture export, painted offscreen in the drawings' font; and the texts
// of the three figures, which stay legible: on a picture of the export's size no text lies on
// another, on a part of the construction or over the edge.
#include "qtcanvas/qtlaerred.h"

#include "app/projekt.h"
#include "drawing/optegning.h"
#include "midlertidig_mappe.h"
#include "optagne_meddelelser.h"
#include "qt_miljoe.h"
#include "qtcanvas/eksport.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace taglo
{
namespace
{

using test::SikrQtApplikation;

constexpr QRgb kHvidPixel = 0xFFFFFFFF;

// The box of the blue pixels of "Spærhoved" written at the anchor (100, 50) on a red field:
// only the glyphs are painted, never a background. Left-aligned text starts at the anchor,
// right-aligned ends there, centred is centred on it; top-aligned hangs below the anchor
// within a line height, bottom-aligned stands on it.
TEST(QtLaerred, TekstensJusteringOmAnkeret)
{
    SikrQtApplikation();
    const auto tekstboks = [](TVandretJustering vandret, TLodretJustering lodret) {
        QImage b(200, 100, QImage::Format_RGB32);
        b.fill(Qt::red);
        QPainter maler(&b);
        maler.setFont(TegningensSkrift());
        QtLaerred l(maler);
        l.SaetTekstJustering(vandret, lodret);
        l.SaetTekstFarve({0, 0, 255});
        l.SkrivTekst({100, 50}, "Spærhoved");
        maler.end();
        QRect boks;
        for (int y = 0; y < 100; ++y)
        {
            for (int x = 0; x < 200; ++x)
            {
                EXPECT_NE(b.pixel(x, y), kHvidPixel);
                if (qRed(b.pixel(x, y)) < 128)
                {
                    boks |= QRect(x, y, 1, 1);
                }
            }
        }
        return boks;
    };
    const QRect venstre = tekstboks(TVandretJustering::Venstre, TLodretJustering::Top);
    EXPECT_NEAR(venstre.left(), 101, 1);
    EXPECT_GE(venstre.top(), 50);
    EXPECT_LE(venstre.bottom(), 50 + 16);
    const QRect hoejre = tekstboks(TVandretJustering::Hoejre, TLodretJustering::Bund);
    EXPECT_NEAR(hoejre.right(), 98, 2);
    EXPECT_LT(hoejre.bottom(), 50);
    EXPECT_NEAR(tekstboks(TVandretJustering::Centreret, TLodretJustering::Top).center().x(), 100,
                2);
}

// A PNG file reads back as a picture of the asked size, white where nothing is drawn; at the
// export's size (50 pixels a unit) the line runs along row 350 from column 50 to 950, hidden
// behind the text by its background and there beside it.
TEST(EksporterTegning, PngIDenBedteStoerrelseMedTeksterPaaBaggrund)
{
    SikrQtApplikation();
    const test::MidlertidigMappe mappe;
    test::OptagneMeddelelser meddelelser;
    const std::string png = mappe / "figur.png";
    // A red line from (0, 0) to (18, 0) through the middle of a text centred on it, as a
    // dimension line through its value.
    TTegning t;
    NyFigur(t.Figurer, kPenFuld, 1, kRoed, kFyldIngen, kRoed, kArtLinje).Punkter = {{0, 0},
                                                                                    {18, 0}};
    TilfoejTekst(NyTekstGruppe(t.Tekster, kSort, kJustCentreret, kJustMidt), "Husbredde", 9, 0);
    ASSERT_TRUE(
        EksporterTegning(t, png, TBilledformat::Png, kEksportBredde, kEksportHoejde, meddelelser));
    QImage b;
    ASSERT_TRUE(b.load(QString::fromStdString(png), "PNG"));
    EXPECT_EQ(b.size(), QSize(kEksportBredde, kEksportHoejde));
    EXPECT_EQ(b.pixel(0, 0), kHvidPixel);
    const QRgb roed = qRgb(255, 0, 0);
    EXPECT_EQ(b.pixel(60, 350), roed);
    EXPECT_EQ(b.pixel(940, 350), roed);
    const int halv = QFontMetrics(TegningensSkrift()).horizontalAdvance("Husbredde") / 2;
    for (int x = 500 - halv + 2; x <= 500 + halv - 2; ++x)
    {
        EXPECT_NE(b.pixel(x, 350), roed) << x;
    }
    EXPECT_TRUE(meddelelser.liste.empty());
}

// A canvas that maps where the renderer puts a drawing's texts and filled figures on the
// export's paint box: each filled figure painted as the Qt canvas paints it in a colour that is
// its number (from 1; 0 is the page), each text with its background, the pixels it takes in
// the drawings' font less one on every side. Lines are left out.
class Placeringer final : public Laerred
{
  public:
    Placeringer() : maler_(&kort), qt_(maler_)
    {
        kort.fill(0);
        maler_.setFont(TegningensSkrift());
        qt_.SaetFyldStil(TFyldStil::Fuld);
    }

    QImage kort{kEksportBredde, kEksportHoejde, QImage::Format_RGB32};
    std::vector<TFarve> fyld; // the fill colour of figure number n at n - 1
    std::vector<QRect> baggrunde;
    std::vector<std::string> tekster;

    void SaetPenStil(TPenStil /*stil*/) override {}
    void SaetPenBredde(int pixels) override { qt_.SaetPenBredde(pixels); }
    void SaetPenFarve(TFarve /*farve*/) override {}
    void SaetFyldStil(TFyldStil /*stil*/) override {}
    void SaetFyldFarve(TFarve farve) override { fyldfarve_ = farve; }
    void FlytTil(TPixel /*p*/) override {}
    void LinjeTil(TPixel /*p*/) override {}
    void Polygon(std::span<const TPixel> punkter) override
    {
        fyld.push_back(fyldfarve_);
        const std::size_t n = fyld.size();
        const TFarve nummer{0, static_cast<std::uint8_t>(n >> 8U), static_cast<std::uint8_t>(n)};
        qt_.SaetPenFarve(nummer);
        qt_.SaetFyldFarve(nummer);
        qt_.Polygon(punkter);
    }
    void SaetPixel(TPixel /*p*/, TFarve /*farve*/) override {}
    int TekstHoejde(std::string_view tekst) override { return qt_.TekstHoejde(tekst); }
    int TekstBredde(std::string_view tekst) override { return qt_.TekstBredde(tekst); }
    void SletRektangel(TPixel fra, TPixel til) override
    {
        baggrunde.emplace_back(QPoint(fra.X, fra.Y), QPoint(til.X, til.Y));
    }
    void SaetTekstJustering(TVandretJustering /*v*/, TLodretJustering /*l*/) override {}
    void SaetTekstFarve(TFarve /*farve*/) override {}
    void SkrivTekst(TPixel /*p*/, std::string_view tekst) override { tekster.emplace_back(tekst); }

  private:
    QPainter maler_;
    QtLaerred qt_;
    TFarve fyldfarve_;
};

// What makes the texts of one figure illegible on the exported picture, one line each: two
// texts whose backgrounds share a pixel, a text over the picture's edge, a text on a filled
// figure. Only the man, drawn for scale and no part of the construction, may stand behind a
// text; and where the figure's bands carry texts (`paaBaand`), a text written wholly on one
// band, like a caption on the band it names or a capacity on the rafter its nail holds in.
std::string Ulaeselige(const std::string& figur, const TTegning& tegning, bool paaBaand)
{
    Placeringer p;
    TegnTegning(p, kEksportBredde, kEksportHoejde, tegning, true);
    EXPECT_EQ(p.baggrunde.size(), p.tekster.size()) << figur;
    // The map shows the filled figures by their numbers, or nothing could be found on them.
    QImage tom(p.kort.size(), p.kort.format());
    tom.fill(0);
    EXPECT_TRUE(p.fyld.empty() || p.kort != tom) << figur << ": no filled figure on the map";
    std::string fund;
    for (std::size_t i = 0; i < std::min(p.baggrunde.size(), p.tekster.size()); ++i)
    {
        const QRect& boks = p.baggrunde[i];
        const std::string navn = figur + ": \"" + p.tekster[i] + "\"";
        for (std::size_t j = i + 1; j < p.baggrunde.size(); ++j)
        {
            if (boks.intersects(p.baggrunde[j]))
            {
                fund += navn + " ligger over \"" + p.tekster.at(j) + "\"\n";
            }
        }
        if (!p.kort.rect().contains(boks))
        {
            fund += navn + " går ud over billedets kant\n";
        }
        std::set<QRgb> sete; // the numbers of what is seen behind the text, 0 for the page
        const QRect inde = boks & p.kort.rect();
        for (int y = inde.top(); y <= inde.bottom(); ++y)
        {
            for (int x = inde.left(); x <= inde.right(); ++x)
            {
                sete.insert(p.kort.pixel(x, y) & RGB_MASK);
            }
        }
        const bool paaEtBaand = paaBaand && sete.size() == 1;
        std::erase_if(sete, [&](QRgb n) { return n == 0 || p.fyld[n - 1] == Farve(kBlaa); });
        if (!sete.empty() && !paaEtBaand)
        {
            const TFarve f = p.fyld[*sete.begin() - 1];
            fund += navn + " ligger på en fyldt figur (" + std::to_string(f.R) + "," +
                    std::to_string(f.G) + "," + std::to_string(f.B) + ")\n";
        }
    }
    return fund;
}

// The shipped default project and the eight reference projects, each calculated, with their
// three figures painted as they are exported. The bands of the nail connection carry their
// captions and the nails' capacities; the sections carry no text on any part.
TEST(Figurtekster, IngenTekstLiggerPaaEnAndenEllerPaaKonstruktionen)
{
    SikrQtApplikation();
    std::vector<std::string> projekter{TAGLO_STANDARDFIL};
    for (int nr = 1; nr <= 8; ++nr)
    {
        projekter.push_back(test::ReferenceFil(nr, "tgl"));
    }
    std::string fund;
    for (const std::string& sti : projekter)
    {
        SCOPED_TRACE(sti);
        TavseMeddelelser meddelelser;
        TProjekt projekt(Regionalindstillinger::Dansk(), "Eksempel ApS");
        ASSERT_TRUE(projekt.Hent(sti, meddelelser));
        const auto udfald = projekt.Beregn(0, meddelelser);
        ASSERT_TRUE(std::holds_alternative<TBeregningsresultat>(udfald));
        const std::string navn = std::filesystem::path(sti).stem().string();
        const Regionalindstillinger& r = projekt.Regional();
        fund +=
            Ulaeselige(navn + " tværsnit", TvaersnitAf(projekt.Inddata(), r, meddelelser), false) +
            Ulaeselige(navn + " længdesnit", LaengdesnitAf(projekt.Inddata(), r, meddelelser),
                       false) +
            Ulaeselige(navn + " sømforbindelse", std::get<TBeregningsresultat>(udfald).NailTegning,
                       true);
    }
    EXPECT_TRUE(fund.empty()) << fund;
}

} // namespace
} // namespace taglo
