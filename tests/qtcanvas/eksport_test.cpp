#include "qtcanvas/eksport.h"

#include "optagne_meddelelser.h"
#include "qt_miljoe.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace taglo
{
namespace
{

// A red line across an otherwise empty drawing, from (0, 0) to (18, 0), and a green text.
TTegning RoedLinje()
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, kPenFuld, 1, kRoed, kFyldIngen, kRoed, kArtLinje);
    TilfoejPunkt(f, 0, 0);
    TilfoejPunkt(f, 18, 0);
    TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, kJustCentreret, kJustMidt), "Husbredde", 9, 0);
    return t;
}

std::string Indhold(const std::filesystem::path& fil)
{
    std::stringstream indhold;
    indhold << std::ifstream(fil).rdbuf();
    return indhold.str();
}

class Eksport : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        test::SikrQtApplikation();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        mappe_ =
            std::filesystem::temp_directory_path() / ("taglo_eksport_" + std::string(info->name()));
        std::filesystem::create_directories(mappe_);
    }
    void TearDown() override { std::filesystem::remove_all(mappe_); }

    std::filesystem::path mappe_;
    test::OptagneMeddelelser meddelelser_;
};

// On 1000 x 700 the line (widened to -1..19) maps onto columns 50..949 at row 350, on white.
TEST_F(Eksport, BilledetHarHvidBaggrundOgTegningenPaaSinPlads)
{
    const QImage b = TegningSomBillede(RoedLinje(), kEksportBredde, kEksportHoejde);
    ASSERT_EQ(b.size(), QSize(1000, 700));
    EXPECT_EQ(b.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(b.pixel(40, 350), qRgb(255, 255, 255));
    EXPECT_EQ(b.pixel(60, 350), qRgb(255, 0, 0));
    EXPECT_EQ(b.pixel(949, 350), qRgb(255, 0, 0));
    EXPECT_EQ(b.pixel(950, 350), qRgb(255, 255, 255));
}

// A PNG file reads back as the same picture; an SVG file has the size, the text and the
// line's colour.
TEST_F(Eksport, PngOgSvgFiler)
{
    const auto png = mappe_ / "figur.png";
    ASSERT_TRUE(EksporterTegning(RoedLinje(), png, TBilledformat::Png, 640, 480, meddelelser_));
    QImage b;
    ASSERT_TRUE(b.load(QString::fromStdString(png.string()), "PNG"));
    EXPECT_EQ(b.convertToFormat(QImage::Format_RGB32),
              TegningSomBillede(RoedLinje(), 640, 480).convertToFormat(QImage::Format_RGB32));

    const auto svg = mappe_ / "figur.svg";
    ASSERT_TRUE(EksporterTegning(RoedLinje(), svg, TBilledformat::Svg, 1000, 700, meddelelser_));
    const std::string tekst = Indhold(svg);
    for (const char* del : {"<svg", "viewBox=\"0 0 1000 700\"", "Husbredde", "#ff0000"})
    {
        EXPECT_NE(tekst.find(del), std::string::npos) << del;
    }
    EXPECT_TRUE(meddelelser_.liste.empty());
}

// A folder that does not exist gives an error that names the file, and no file.
TEST_F(Eksport, UskrivbarSti)
{
    const auto fil = mappe_ / "findes_ikke" / "figur.png";
    EXPECT_FALSE(EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 100, 100, meddelelser_));
    ASSERT_EQ(meddelelser_.liste.size(), 1U);
    EXPECT_EQ(meddelelser_.liste[0].art, "fejl");
    EXPECT_EQ(meddelelser_.liste[0].tekst.rfind(
                  "Figuren kunne ikke gemmes i \"" + fil.string() + "\": ", 0),
              0U);
    EXPECT_FALSE(std::filesystem::exists(fil));
}

// A size outside 1..10000 pixels is refused with a message before anything is written: an
// existing file is kept.
TEST_F(Eksport, UrimeligStoerrelseAfvisesFoerNogetSkrives)
{
    const auto fil = mappe_ / "figur.png";
    std::ofstream(fil) << "gammel";
    EXPECT_FALSE(EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 0, 700, meddelelser_));
    EXPECT_FALSE(
        EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 1000, 100000, meddelelser_));
    ASSERT_EQ(meddelelser_.liste.size(), 2U);
    EXPECT_EQ(meddelelser_.liste[0].tekst,
              "Billedets størrelse skal være mellem 1 og 10000 pixel på hver led, ikke 0 x 700.");
    EXPECT_EQ(Indhold(fil), "gammel");
}

TEST(BilledformatAfFilnavn, EndelsenAfgoer)
{
    EXPECT_EQ(BilledformatAfFilnavn("a/figur.png"), TBilledformat::Png);
    EXPECT_EQ(BilledformatAfFilnavn("figur.PNG"), TBilledformat::Png);
    EXPECT_EQ(BilledformatAfFilnavn("figur.svg"), TBilledformat::Svg);
    EXPECT_EQ(BilledformatAfFilnavn("figur.jpg"), std::nullopt);
    EXPECT_EQ(BilledformatAfFilnavn("figur"), std::nullopt);
}

// A paint box without width or height paints nothing.
TEST(TegnPaaMaler, NulStorMalefladeTegnerIntet)
{
    test::SikrQtApplikation();
    QImage b(50, 50, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter maler(&b);
    TegnPaaMaler(maler, 0, 50, RoedLinje());
    TegnPaaMaler(maler, 50, 0, RoedLinje());
    maler.end();
    QImage hvid(50, 50, QImage::Format_RGB32);
    hvid.fill(Qt::white);
    EXPECT_EQ(b, hvid);
}

} // namespace
} // namespace taglo
