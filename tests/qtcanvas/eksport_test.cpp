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

// A red line across an otherwise empty drawing, from (0, 0) to (18, 0), and a text.
TTegning RoedLinje()
{
    TTegning t;
    TTegnFigur& f = NyFigur(t.Figurer, kPenFuld, 1, kRoed, kFyldIngen, kRoed, kArtLinje);
    TilfoejPunkt(f, 0, 0);
    TilfoejPunkt(f, 18, 0);
    TilfoejTekst(NyTekstGruppe(t.Tekster, kGroen, kJustCentreret, kJustMidt), "Husbredde", 9, 0);
    return t;
}

class Eksport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::SikrQtApplikation();
        mappe_ = std::filesystem::temp_directory_path() /
                 ("taglo_eksport_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(mappe_);
    }
    void TearDown() override { std::filesystem::remove_all(mappe_); }

    std::filesystem::path mappe_;
    test::OptagneMeddelelser meddelelser_;
};

// On 1000 x 700 the line (widened to -1..19) maps onto columns 50..950 at row 350.
TEST_F(Eksport, BilledetHarHvidBaggrundOgTegningenPaaSinPlads)
{
    const QImage b = TegningSomBillede(RoedLinje(), kEksportBredde, kEksportHoejde);
    ASSERT_EQ(b.width(), 1000);
    ASSERT_EQ(b.height(), 700);
    EXPECT_EQ(b.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(b.pixel(60, 350), qRgb(255, 0, 0));
    EXPECT_EQ(b.pixel(949, 350), qRgb(255, 0, 0));
    EXPECT_EQ(b.pixel(950, 350), qRgb(255, 255, 255));
    EXPECT_EQ(b.pixel(40, 350), qRgb(255, 255, 255));
}

TEST_F(Eksport, PngFilLaesesTilbageMedSammeBillede)
{
    const auto fil = mappe_ / "figur.png";
    ASSERT_TRUE(EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 640, 480, meddelelser_));
    EXPECT_TRUE(meddelelser_.liste.empty());
    QImage b;
    ASSERT_TRUE(b.load(QString::fromStdString(fil.string()), "PNG"));
    EXPECT_EQ(b.size(), QSize(640, 480));
    EXPECT_EQ(b.convertToFormat(QImage::Format_RGB32),
              TegningSomBillede(RoedLinje(), 640, 480).convertToFormat(QImage::Format_RGB32));
}

TEST_F(Eksport, SvgFilMedStoerrelseOgTekst)
{
    const auto fil = mappe_ / "figur.svg";
    ASSERT_TRUE(EksporterTegning(RoedLinje(), fil, TBilledformat::Svg, 1000, 700, meddelelser_));
    std::ifstream ind(fil);
    std::stringstream indhold;
    indhold << ind.rdbuf();
    const std::string svg = indhold.str();
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("viewBox=\"0 0 1000 700\""), std::string::npos);
    EXPECT_NE(svg.find("Husbredde"), std::string::npos);
    EXPECT_NE(svg.find("#ff0000"), std::string::npos);
}

TEST_F(Eksport, UskrivbarSti)
{
    const auto fil = mappe_ / "findes_ikke" / "figur.png";
    EXPECT_FALSE(EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 100, 100, meddelelser_));
    ASSERT_EQ(meddelelser_.liste.size(), 1U);
    EXPECT_EQ(meddelelser_.liste[0].art, "fejl");
    EXPECT_EQ(meddelelser_.liste[0].tekst.rfind("Figuren kunne ikke gemmes i \"" + fil.string() + "\": ", 0),
              0U);
    EXPECT_FALSE(std::filesystem::exists(fil));
}

TEST_F(Eksport, UrimeligStoerrelseAfvisesFoerNogetSkrives)
{
    const auto fil = mappe_ / "figur.png";
    {
        std::ofstream gammel(fil);
        gammel << "gammel";
    }
    EXPECT_FALSE(EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 0, 700, meddelelser_));
    EXPECT_FALSE(EksporterTegning(RoedLinje(), fil, TBilledformat::Png, 1000, 100000, meddelelser_));
    ASSERT_EQ(meddelelser_.liste.size(), 2U);
    EXPECT_EQ(meddelelser_.liste[0].tekst,
              "Billedets størrelse skal være mellem 1 og 10000 pixel på hver led, ikke 0 x 700.");
    std::ifstream ind(fil);
    std::string indhold;
    ind >> indhold;
    EXPECT_EQ(indhold, "gammel");
}

TEST(BilledformatAfFilnavn, EndelsenAfgoer)
{
    EXPECT_EQ(BilledformatAfFilnavn("a/figur.png"), TBilledformat::Png);
    EXPECT_EQ(BilledformatAfFilnavn("figur.PNG"), TBilledformat::Png);
    EXPECT_EQ(BilledformatAfFilnavn("figur.svg"), TBilledformat::Svg);
    EXPECT_EQ(BilledformatAfFilnavn("figur.jpg"), std::nullopt);
    EXPECT_EQ(BilledformatAfFilnavn("figur"), std::nullopt);
}

TEST(TegnPaaMaler, NulStorMalefladeTegnerIntet)
{
    test::SikrQtApplikation();
    QImage b(50, 50, QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter maler(&b);
    TegnPaaMaler(maler, 0, 50, RoedLinje());
    TegnPaaMaler(maler, 50, 0, RoedLinje());
    maler.end();
    for (int y = 0; y < 50; ++y)
    {
        for (int x = 0; x < 50; ++x)
        {
            ASSERT_EQ(b.pixel(x, y), qRgb(255, 255, 255));
        }
    }
}

} // namespace
} // namespace taglo
