#include "qtcanvas/qtlaerred.h"

#include "navngivne_tilfaelde.h"
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
using test::PrintTo;

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

QRgb Rgb(TFarve f) { return qRgb(f.R, f.G, f.B); }

// The painted (non-white) pixels of row y from x0 to x1 inclusive, as '#' and '.'.
std::string Raekke(const QImage& b, int y, int x0, int x1)
{
    std::string r;
    for (int x = x0; x <= x1; ++x)
    {
        r.push_back(b.pixel(x, y) == kHvidPixel ? '.' : '#');
    }
    return r;
}

class Pennefarve : public ::testing::TestWithParam<std::uint16_t>
{
};

TEST_P(Pennefarve, LinjenMalesIFarvetabellensFarve)
{
    const TFarve farve = Farve(GetParam());
    const QImage b = Mal(20, 5, [&](QtLaerred& l) {
        l.SaetPenFarve(farve);
        l.FlytTil({2, 2});
        l.LinjeTil({15, 2});
    });
    EXPECT_EQ(b.pixel(8, 2), Rgb(farve));
}

INSTANTIATE_TEST_SUITE_P(AlleNittenFarver, Pennefarve, ::testing::Range<std::uint16_t>(0, 19));

TEST(QtLaerred, LinjensSlutpixelMalesIkke)
{
    const QImage vandret = Mal(20, 5, [](QtLaerred& l) {
        l.FlytTil({2, 2});
        l.LinjeTil({12, 2});
    });
    EXPECT_EQ(Raekke(vandret, 2, 0, 13), "..##########..");
    const QImage lodret = Mal(5, 20, [](QtLaerred& l) {
        l.FlytTil({2, 2});
        l.LinjeTil({2, 9});
    });
    for (int y = 0; y < 12; ++y)
    {
        EXPECT_EQ(lodret.pixel(2, y) != kHvidPixel, y >= 2 && y < 9) << y;
    }
}

TEST(QtLaerred, LinjeTilFortsaetterFraPennensPosition)
{
    const QImage b = Mal(20, 12, [](QtLaerred& l) {
        l.FlytTil({2, 2});
        l.LinjeTil({12, 2});
        l.LinjeTil({12, 9});
    });
    // The second line starts where the first ended and paints that pixel.
    for (int y = 2; y < 9; ++y)
    {
        EXPECT_NE(b.pixel(12, y), kHvidPixel) << y;
    }
    EXPECT_EQ(b.pixel(12, 9), kHvidPixel);
}

TEST(QtLaerred, TrePixelBredLinjeDaekkerTreRaekker)
{
    const QImage b = Mal(30, 12, [](QtLaerred& l) {
        l.SaetPenBredde(3);
        l.FlytTil({5, 6});
        l.LinjeTil({25, 6});
    });
    EXPECT_NE(b.pixel(15, 5), kHvidPixel);
    EXPECT_NE(b.pixel(15, 6), kHvidPixel);
    EXPECT_NE(b.pixel(15, 7), kHvidPixel);
    EXPECT_EQ(b.pixel(15, 4), kHvidPixel);
    EXPECT_EQ(b.pixel(15, 8), kHvidPixel);
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
        if (b.pixel(x, 2) != kHvidPixel)
        {
            ++n;
        }
        else if (n > 0)
        {
            loeb.push_back(n);
            n = 0;
        }
    }
    if (n > 0)
    {
        loeb.push_back(n);
    }
    return loeb;
}

TEST(QtLaerred, PenstileFuldPrikketStregPrikStiplet)
{
    EXPECT_EQ(Loeb(TPenStil::Fuld), std::vector<int>{200});
    const auto prikket = Loeb(TPenStil::Prikket);
    const auto stiplet = Loeb(TPenStil::Stiplet);
    const auto stregPrik = Loeb(TPenStil::StregPrik);
    ASSERT_GT(prikket.size(), 10U);
    ASSERT_GT(stiplet.size(), 3U);
    // Dots are short and all alike; dashes are long; dash-dot alternates long and short.
    EXPECT_EQ(*std::max_element(prikket.begin(), prikket.end()),
              *std::min_element(prikket.begin(), prikket.end()));
    EXPECT_GT(*std::min_element(stiplet.begin(), stiplet.end() - 1), prikket[0]);
    EXPECT_GT(stregPrik[0], stregPrik[1]);
    EXPECT_LT(stregPrik[1], stregPrik[2]);
}

// A 20 x 20 square outlined in black and filled with the brush; the value at its middle and
// at a pixel off the hatching lines.
struct Fyld
{
    const char* navn;
    TFyldStil stil;
    bool midtenFarvet;
    bool alleIndrePixelFarvet;
};

class Pensel : public ::testing::TestWithParam<Fyld>
{
};

TEST_P(Pensel, KlarFuldEllerKrydsskraveret)
{
    const TFarve roed{255, 0, 0};
    const QImage b = Mal(40, 40, [&](QtLaerred& l) {
        l.SaetPenFarve({0, 0, 0});
        l.SaetFyldStil(GetParam().stil);
        l.SaetFyldFarve(roed);
        const TPixel hjoerner[] = {{10, 10}, {30, 10}, {30, 30}, {10, 30}};
        l.Polygon(hjoerner);
    });
    // The outline is the pen's.
    EXPECT_EQ(b.pixel(20, 10), qRgb(0, 0, 0));
    EXPECT_EQ(b.pixel(10, 20), qRgb(0, 0, 0));
    int roede = 0;
    int hvide = 0;
    for (int y = 12; y < 29; ++y)
    {
        for (int x = 12; x < 29; ++x)
        {
            roede += b.pixel(x, y) == Rgb(roed) ? 1 : 0;
            hvide += b.pixel(x, y) == kHvidPixel ? 1 : 0;
        }
    }
    EXPECT_EQ(roede > 0, GetParam().midtenFarvet);
    EXPECT_EQ(hvide == 0, GetParam().alleIndrePixelFarvet);
    if (GetParam().stil == TFyldStil::Krydsskraveret)
    {
        // Horizontal and vertical hatching: some whole rows and columns of the inside are red.
        bool helRaekke = false;
        for (int y = 12; y < 29 && !helRaekke; ++y)
        {
            helRaekke = Raekke(b, y, 12, 28) == std::string(17, '#');
        }
        EXPECT_TRUE(helRaekke);
    }
}

INSTANTIATE_TEST_SUITE_P(Stile, Pensel,
                         ::testing::Values(Fyld{"Klar", TFyldStil::Klar, false, false},
                                           Fyld{"Fuld", TFyldStil::Fuld, true, true},
                                           Fyld{"Krydsskraveret", TFyldStil::Krydsskraveret, true, false}),
                         [](const auto& info) { return std::string(info.param.navn); });

TEST(QtLaerred, PixelSaetterNetopEnPixel)
{
    const QImage b = Mal(10, 10, [](QtLaerred& l) { l.SaetPixel({4, 6}, {0, 128, 0}); });
    int farvede = 0;
    for (int y = 0; y < 10; ++y)
    {
        for (int x = 0; x < 10; ++x)
        {
            farvede += b.pixel(x, y) != kHvidPixel ? 1 : 0;
        }
    }
    EXPECT_EQ(farvede, 1);
    EXPECT_EQ(b.pixel(4, 6), qRgb(0, 128, 0));
}

// The box of the painted pixels of a text written at the anchor (100, 50).
struct Boks
{
    int venstre = 1000;
    int top = 1000;
    int hoejre = -1;
    int bund = -1;
};

Boks TekstBoks(TVandretJustering vandret, TLodretJustering lodret)
{
    const QImage b = Mal(200, 100, [&](QtLaerred& l) {
        l.SaetTekstJustering(vandret, lodret);
        l.SaetTekstFarve({0, 0, 255});
        l.SkrivTekst({100, 50}, "Spærhoved");
    });
    Boks boks;
    for (int y = 0; y < 100; ++y)
    {
        for (int x = 0; x < 200; ++x)
        {
            if (b.pixel(x, y) != kHvidPixel)
            {
                boks.venstre = std::min(boks.venstre, x);
                boks.hoejre = std::max(boks.hoejre, x);
                boks.top = std::min(boks.top, y);
                boks.bund = std::max(boks.bund, y);
            }
        }
    }
    return boks;
}

TEST(QtLaerred, TekstStarterVedCentreresPaaEllerSlutterVedAnkeret)
{
    const Boks venstre = TekstBoks(TVandretJustering::Venstre, TLodretJustering::Top);
    EXPECT_GE(venstre.venstre, 100);
    EXPECT_LE(venstre.venstre, 102);
    const Boks hoejre = TekstBoks(TVandretJustering::Hoejre, TLodretJustering::Top);
    EXPECT_LE(hoejre.hoejre, 100);
    EXPECT_GE(hoejre.hoejre, 96);
    const Boks midt = TekstBoks(TVandretJustering::Centreret, TLodretJustering::Top);
    EXPECT_NEAR((midt.venstre + midt.hoejre) / 2.0, 100, 2);
}

TEST(QtLaerred, TekstHaengerUnderEllerStaarPaaAnkeret)
{
    const Boks top = TekstBoks(TVandretJustering::Venstre, TLodretJustering::Top);
    EXPECT_GE(top.top, 50);
    const Boks bund = TekstBoks(TVandretJustering::Venstre, TLodretJustering::Bund);
    EXPECT_LT(bund.bund, 50);
    // The line is at most the text height high.
    EXPECT_LE(top.bund - 50, 16);
}

TEST(QtLaerred, TekstMalerKunGlyfferneIkkeBaggrunden)
{
    const QImage b = Mal(200, 40, [](QtLaerred& l) {
        l.SaetPenFarve({255, 0, 0});
        l.SaetFyldStil(TFyldStil::Fuld);
        l.SaetFyldFarve({255, 0, 0});
        const TPixel felt[] = {{0, 0}, {199, 0}, {199, 39}, {0, 39}};
        l.Polygon(felt);
        l.SaetTekstJustering(TVandretJustering::Venstre, TLodretJustering::Top);
        l.SaetTekstFarve({0, 0, 255});
        l.SkrivTekst({10, 10}, "Gavlspær");
    });
    int hvide = 0;
    int blaa = 0;
    for (int y = 1; y < 39; ++y)
    {
        for (int x = 1; x < 199; ++x)
        {
            hvide += b.pixel(x, y) == kHvidPixel ? 1 : 0;
            blaa += qBlue(b.pixel(x, y)) > 200 && qRed(b.pixel(x, y)) < 60 ? 1 : 0;
        }
    }
    EXPECT_EQ(hvide, 0);
    EXPECT_GT(blaa, 20);
}

TEST(QtLaerred, TekstHoejdenErEnLinjesHoejdeISkriften)
{
    int hoejde = 0;
    Mal(10, 10, [&](QtLaerred& l) { hoejde = l.TekstHoejde("0"); });
    // A 12-pixel font: ascent and descent together a little more than 12 pixels.
    EXPECT_GE(hoejde, 12);
    EXPECT_LE(hoejde, 16);
}

TEST(TegningensSkrift, TolvPixelSansSerif)
{
    test::SikrQtApplikation();
    const QFontInfo info(TegningensSkrift());
    EXPECT_EQ(info.pixelSize(), 12);
    const QString familie = info.family();
    EXPECT_TRUE(familie == "MS Sans Serif" || familie == "Liberation Sans" || familie == "DejaVu Sans")
        << familie.toStdString();
}

} // namespace
} // namespace taglo
