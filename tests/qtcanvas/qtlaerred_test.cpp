#include "qtcanvas/qtlaerred.h"

#include "optagne_meddelelser.h"
#include "qt_miljoe.h"
#include "qtcanvas/eksport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

namespace taglo
{
namespace
{

constexpr QRgb kHvidPixel = 0xFFFFFFFF;

// A white picture painted by `tegn` through a Qt canvas in the drawings' font.
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

// A 1-pixel line in the pen's colour leaves out its end pixel; a 3-pixel line covers three
// rows. Two 20 x 20 squares outlined in timber colour with a red brush: the solid one is red
// inside, the cross-hatched one partly red.
TEST(QtLaerred, PenOgPenselMedDeresFarver)
{
    const QImage b = Mal(60, 45, [](QtLaerred& l) {
        l.SaetPenFarve(Farve(kTraefarve));
        l.FlytTil({2, 2});
        l.LinjeTil({8, 2});
        l.SaetFyldFarve({255, 0, 0});
        l.SaetFyldStil(TFyldStil::Fuld);
        const TPixel fuld[] = {{5, 10}, {25, 10}, {25, 30}, {5, 30}};
        l.Polygon(fuld);
        l.SaetFyldStil(TFyldStil::Krydsskraveret);
        const TPixel skraveret[] = {{35, 10}, {55, 10}, {55, 30}, {35, 30}};
        l.Polygon(skraveret);
        l.SaetPenBredde(3);
        l.FlytTil({5, 40});
        l.LinjeTil({50, 40});
    });
    const QRgb trae = qRgb(245, 219, 115);
    const QRgb roed = qRgb(255, 0, 0);
    EXPECT_EQ((std::vector{b.pixel(2, 2), b.pixel(7, 2), b.pixel(8, 2)}),
              (std::vector{trae, trae, kHvidPixel}));
    EXPECT_EQ((std::vector{b.pixel(15, 10), b.pixel(45, 30), b.pixel(15, 20)}),
              (std::vector{trae, trae, roed}));
    int roede = 0;
    for (int n = 0; n < 17 * 17; ++n)
    {
        roede += b.pixel(37 + n % 17, 12 + n / 17) == roed ? 1 : 0;
    }
    EXPECT_GT(roede, 0);
    EXPECT_LT(roede, 17 * 17);
    EXPECT_EQ((std::vector{b.pixel(20, 38), b.pixel(20, 39), b.pixel(20, 41), b.pixel(20, 42)}),
              (std::vector{kHvidPixel, trae, trae, kHvidPixel}));
}

// The box of the blue pixels of "Spærhoved" written at the anchor (100, 50) on a red field:
// only the glyphs are painted, never a background. Left-aligned text starts at the anchor,
// right-aligned ends there, centred is centred on it; top-aligned hangs below the anchor
// within a line height, bottom-aligned stands on it.
TEST(QtLaerred, TekstensJusteringOmAnkeret)
{
    const auto tekstboks = [](TVandretJustering vandret, TLodretJustering lodret) {
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

// A red line from (0, 0) to (18, 0) and a green text.
TTegning RoedLinje()
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, kPenFuld, 1, kRoed, kFyldIngen, kRoed, kArtLinje);
    f.Punkter = {{0, 0}, {18, 0}};
    TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, kJustCentreret, kJustMidt), "Husbredde", 9, 0);
    return t;
}

// A PNG file reads back as a picture of the asked size with the line on white, an SVG file
// has the asked size; a size outside 1..10000 pixels is refused with a message, the file kept.
TEST(EksporterTegning, PngOgSvgIDenBedteStoerrelse)
{
    test::SikrQtApplikation();
    const auto mappe = std::filesystem::temp_directory_path() / "taglo_eksport_test";
    std::filesystem::create_directories(mappe);
    test::OptagneMeddelelser meddelelser;
    const auto png = mappe / "figur.png";
    ASSERT_TRUE(EksporterTegning(RoedLinje(), png, TBilledformat::Png, 640, 480, meddelelser));
    QImage b;
    ASSERT_TRUE(b.load(QString::fromStdString(png.string()), "PNG"));
    EXPECT_EQ(b.size(), QSize(640, 480));
    EXPECT_EQ(b.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(b.pixel(40, 240), qRgb(255, 0, 0)); // the line spans columns 32..607

    const auto svg = mappe / "figur.svg";
    ASSERT_TRUE(EksporterTegning(RoedLinje(), svg, TBilledformat::Svg, 1000, 700, meddelelser));
    std::stringstream tekst;
    tekst << std::ifstream(svg).rdbuf();
    EXPECT_NE(tekst.str().find("viewBox=\"0 0 1000 700\""), std::string::npos);
    EXPECT_TRUE(meddelelser.liste.empty());

    EXPECT_FALSE(EksporterTegning(RoedLinje(), png, TBilledformat::Png, 0, 700, meddelelser));
    EXPECT_EQ(meddelelser.liste.at(0).tekst,
              "Billedets størrelse skal være mellem 1 og 10000 pixel på hver led, ikke 0 x 700.");
    EXPECT_TRUE(b.load(QString::fromStdString(png.string()), "PNG"));
    std::filesystem::remove_all(mappe);
}

// A paint box of zero or negative size paints nothing.
TEST(TegnPaaMaler, NulStorMalefladeTegnerIntet)
{
    test::SikrQtApplikation();
    QImage b(50, 50, QImage::Format_RGB32);
    b.fill(Qt::white);
    const QImage hvid = b.copy();
    QPainter maler(&b);
    TegnPaaMaler(maler, 0, 50, RoedLinje());
    TegnPaaMaler(maler, 50, -3, RoedLinje());
    maler.end();
    EXPECT_EQ(b, hvid);
}

} // namespace
} // namespace taglo
