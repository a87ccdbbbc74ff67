#include "qtcanvas/qtlaerred.h"

#include "qt_miljoe.h"
#include "qtcanvas/eksport.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace taglo
{
namespace
{

constexpr QRgb kHvidPixel = 0xFFFFFFFF;

// A white picture of the given size painted by `tegn` through a Qt canvas in the drawings'
// font.
QImage Mal(int bredde, int hoejde, const std::function<void(QtLaerred&)>& tegn)
{
    test::SikrQtApplikation();
    QImage billede(bredde, hoejde, QImage::Format_RGB32);
    billede.fill(Qt::white);
    QPainter maler(&billede);
    maler.setFont(TegningensSkrift());
    QtLaerred laerred(maler);
    tegn(laerred);
    maler.end();
    return billede;
}

// The pixels of row y from x0 to x1 inclusive, painted as '#' and white as '.'.
std::string Raekke(const QImage& b, int y, int x0, int x1)
{
    std::string r;
    for (int x = x0; x <= x1; ++x)
    {
        r.push_back(b.pixel(x, y) == kHvidPixel ? '.' : '#');
    }
    return r;
}

// A 1-pixel line leaves out its end pixel, the next line goes on from the pen position, both
// in the pen's colour; a 3-pixel line covers three rows; a set pixel is just that pixel.
TEST(QtLaerred, LinjerIPennensFarveOgBredde)
{
    const QImage b = Mal(30, 20, [](QtLaerred& l) {
        l.SaetPenFarve(Farve(kTraefarve));
        l.FlytTil({2, 2});
        l.LinjeTil({12, 2});
        l.LinjeTil({12, 9});
        l.SaetPenBredde(3);
        l.FlytTil({5, 15});
        l.LinjeTil({25, 15});
        l.SaetPixel({22, 5}, {0, 128, 0});
    });
    EXPECT_EQ(Raekke(b, 2, 0, 13), "..###########.");
    EXPECT_EQ(b.pixel(8, 2), qRgb(245, 219, 115));
    EXPECT_EQ(b.pixel(12, 8), qRgb(245, 219, 115));
    EXPECT_EQ(b.pixel(12, 9), kHvidPixel);
    std::string soejle;
    for (int y = 12; y <= 18; ++y)
    {
        soejle.push_back(b.pixel(15, y) == kHvidPixel ? '.' : '#');
    }
    EXPECT_EQ(soejle, "..###..");
    EXPECT_EQ(b.pixel(22, 5), qRgb(0, 128, 0));
    // Row 5 around the pixel, then the rows above and below it.
    EXPECT_EQ(Raekke(b, 5, 20, 24) + Raekke(b, 4, 20, 24) + Raekke(b, 6, 20, 24),
              "..#............");
}

// Runs of painted pixels along a long horizontal line in the given style.
std::vector<int> Loeb(TPenStil stil)
{
    const QImage b = Mal(200, 5, [&](QtLaerred& l) {
        l.SaetPenStil(stil);
        l.FlytTil({0, 2});
        l.LinjeTil({200, 2});
    });
    std::vector<int> loeb;
    int n = 0;
    for (int x = 0; x < 200; ++x)
    {
        n += b.pixel(x, 2) != kHvidPixel ? 1 : 0;
        if ((b.pixel(x, 2) == kHvidPixel || x == 199) && n > 0)
        {
            loeb.push_back(n);
            n = 0;
        }
    }
    return loeb;
}

// Dots are short and all alike; dashes are longer; dash-dot alternates long and short.
TEST(QtLaerred, PenstileFuldPrikketStregPrikStiplet)
{
    EXPECT_EQ(Loeb(TPenStil::Fuld), std::vector<int>{200});
    const auto prikket = Loeb(TPenStil::Prikket);
    const auto stiplet = Loeb(TPenStil::Stiplet);
    const auto stregPrik = Loeb(TPenStil::StregPrik);
    ASSERT_GT(prikket.size(), 10U);
    ASSERT_GT(stiplet.size(), 3U);
    ASSERT_GT(stregPrik.size(), 3U);
    EXPECT_EQ(std::ranges::max(prikket), std::ranges::min(prikket));
    EXPECT_GT(*std::min_element(stiplet.begin(), stiplet.end() - 1), prikket[0]);
    EXPECT_GT(stregPrik[0], stregPrik[1]);
    EXPECT_LT(stregPrik[1], stregPrik[2]);
}

// A 20 x 20 square outlined in black and filled with a red brush: clear leaves the inside
// white, solid fills all of it, the cross hatching whole rows but not every pixel.
TEST(QtLaerred, PenselKlarFuldEllerKrydsskraveret)
{
    struct
    {
        const char* navn;
        TFyldStil stil;
        bool roedt, heltRoedt;
    } const tilfaelde[] = {{"Klar", TFyldStil::Klar, false, false},
                           {"Fuld", TFyldStil::Fuld, true, true},
                           {"Krydsskraveret", TFyldStil::Krydsskraveret, true, false}};
    for (const auto& c : tilfaelde)
    {
        SCOPED_TRACE(c.navn);
        const QImage b = Mal(40, 40, [&](QtLaerred& l) {
            l.SaetPenFarve({0, 0, 0});
            l.SaetFyldStil(c.stil);
            l.SaetFyldFarve({255, 0, 0});
            const TPixel hjoerner[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
            l.Polygon(hjoerner);
        });
        EXPECT_EQ(b.pixel(20, 10), qRgb(0, 0, 0));
        EXPECT_EQ(b.pixel(10, 20), qRgb(0, 0, 0));
        int roede = 0;
        int hvide = 0;
        bool helRaekke = false;
        for (int y = 12; y < 29; ++y)
        {
            for (int x = 12; x < 29; ++x)
            {
                roede += b.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
                hvide += b.pixel(x, y) == kHvidPixel ? 1 : 0;
            }
            helRaekke = helRaekke || Raekke(b, y, 12, 28) == std::string(17, '#');
        }
        EXPECT_EQ(roede > 0, c.roedt);
        EXPECT_EQ(hvide == 0, c.heltRoedt);
        EXPECT_EQ(helRaekke, c.roedt);
    }
}

// The box of the painted pixels of "Spærhoved" written at the anchor (100, 50) on a red
// field: only the glyphs are painted, never a background.
struct Boks
{
    int venstre = 1000, top = 1000, hoejre = -1, bund = -1;
};

Boks TekstBoks(TVandretJustering vandret, TLodretJustering lodret)
{
    const QImage b = Mal(200, 100, [&](QtLaerred& l) {
        l.SaetFyldStil(TFyldStil::Fuld);
        l.SaetPenFarve({255, 0, 0});
        l.SaetFyldFarve({255, 0, 0});
        const TPixel felt[] = {{0, 0}, {199, 0}, {199, 99}, {0, 99}};
        l.Polygon(felt);
        l.SaetTekstJustering(vandret, lodret);
        l.SaetTekstFarve({0, 0, 255});
        l.SkrivTekst({100, 50}, "Spærhoved");
    });
    Boks boks;
    for (int y = 0; y < 100; ++y)
    {
        for (int x = 0; x < 200; ++x)
        {
            EXPECT_NE(b.pixel(x, y), kHvidPixel);
            if (qRed(b.pixel(x, y)) < 128)
            {
                boks = {std::min(boks.venstre, x), std::min(boks.top, y), std::max(boks.hoejre, x),
                        std::max(boks.bund, y)};
            }
        }
    }
    return boks;
}

// Left-aligned text starts at the anchor, right-aligned ends there, centred is centred on
// it; top-aligned hangs below the anchor within a line height, bottom-aligned stands on it.
TEST(QtLaerred, TekstensJusteringOmAnkeret)
{
    const Boks venstre = TekstBoks(TVandretJustering::Venstre, TLodretJustering::Top);
    EXPECT_GE(venstre.venstre, 100);
    EXPECT_LE(venstre.venstre, 102);
    EXPECT_GE(venstre.top, 50);
    EXPECT_LE(venstre.bund - 50, 16);
    const Boks hoejre = TekstBoks(TVandretJustering::Hoejre, TLodretJustering::Bund);
    EXPECT_LE(hoejre.hoejre, 100);
    EXPECT_GE(hoejre.hoejre, 96);
    EXPECT_LT(hoejre.bund, 50);
    const Boks midt = TekstBoks(TVandretJustering::Centreret, TLodretJustering::Top);
    EXPECT_NEAR((midt.venstre + midt.hoejre) / 2.0, 100, 2);
}

// The drawings' font is a 12-pixel sans serif; a line of it a little more than 12 pixels.
TEST(TegningensSkrift, TolvPixelSansSerif)
{
    int hoejde = 0;
    Mal(10, 10, [&](QtLaerred& l) { hoejde = l.TekstHoejde("0"); });
    EXPECT_GE(hoejde, 12);
    EXPECT_LE(hoejde, 16);
    const QFontInfo info(TegningensSkrift());
    EXPECT_EQ(info.pixelSize(), 12);
    const QString familie = info.family();
    EXPECT_TRUE(familie == "MS Sans Serif" || familie == "Liberation Sans" ||
                familie == "DejaVu Sans")
        << familie.toStdString();
}

} // namespace
} // namespace taglo
