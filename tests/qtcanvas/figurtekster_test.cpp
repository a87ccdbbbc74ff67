// The texts of the three figures stay legible: painted in the drawings' font on a picture of
// the export's size, no text lies on another, on a part of the construction or over the
// edge, and a line that passes behind a text is hidden by the text's background.
#include "app/applikation.h"
#include "drawing/optegning.h"
#include "optagne_meddelelser.h"
#include "qt_miljoe.h"
#include "qtcanvas/eksport.h"
#include "qtcanvas/qtlaerred.h"
#include "reference.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace taglo
{
namespace
{

// Where a filled figure's number is 0: the page.
constexpr QRgb kSiden = 0;

// The pixels a text takes by the canvas's alignment, its advance by a full line of the font,
// less the outermost pixel on every side: the background the renderer paints.
QRect Tekstboks(const QFontMetrics& maal, TPixel anker, TVandretJustering vandret,
                TLodretJustering lodret, const QString& tekst)
{
    const int bredde = maal.horizontalAdvance(tekst);
    int venstre = anker.X;
    if (vandret == TVandretJustering::Centreret)
    {
        venstre -= bredde / 2;
    }
    else if (vandret == TVandretJustering::Hoejre)
    {
        venstre -= bredde;
    }
    const int top = lodret == TLodretJustering::Top ? anker.Y : anker.Y - maal.height();
    return QRect(venstre, top, bredde, maal.height()).adjusted(1, 1, -1, -1);
}

struct PlaceretTekst
{
    std::string tekst;
    QRect boks;
};

// A canvas that finds where the renderer puts a drawing's texts and filled figures on a paint
// box: every filled figure is painted as the Qt canvas paints it, in a colour that is its
// number (from 1), so that the map shows which figure is seen at each pixel; every text is
// kept with its box in the drawings' font. Lines are left out.
class Placeringer final : public Laerred
{
  public:
    Placeringer(int bredde, int hoejde)
        : kort(bredde, hoejde, QImage::Format_RGB32), maler_(&kort), qt_(maler_),
          maal_(TegningensSkrift(), &kort)
    {
        kort.fill(kSiden);
        maler_.setFont(TegningensSkrift());
        qt_.SaetFyldStil(TFyldStil::Fuld);
    }

    QImage kort;
    std::vector<TFarve> fyld; // the fill colour of figure number n at n - 1
    std::vector<PlaceretTekst> tekster;

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
        const auto nummer = static_cast<QRgb>(fyld.size());
        const TFarve farve{static_cast<std::uint8_t>(qRed(nummer)),
                           static_cast<std::uint8_t>(qGreen(nummer)),
                           static_cast<std::uint8_t>(qBlue(nummer))};
        qt_.SaetPenFarve(farve);
        qt_.SaetFyldFarve(farve);
        qt_.Polygon(punkter);
    }
    void SaetPixel(TPixel /*p*/, TFarve /*farve*/) override {}
    int TekstHoejde(std::string_view tekst) override { return qt_.TekstHoejde(tekst); }
    int TekstBredde(std::string_view tekst) override { return qt_.TekstBredde(tekst); }
    void SletRektangel(TPixel /*fra*/, TPixel /*til*/) override {}
    void SaetTekstJustering(TVandretJustering vandret, TLodretJustering lodret) override
    {
        vandret_ = vandret;
        lodret_ = lodret;
    }
    void SaetTekstFarve(TFarve /*farve*/) override {}
    void SkrivTekst(TPixel p, std::string_view tekst) override
    {
        const QString q = QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
        tekster.push_back({std::string(tekst), Tekstboks(maal_, p, vandret_, lodret_, q)});
    }

  private:
    QPainter maler_;
    QtLaerred qt_;
    QFontMetrics maal_;
    TFarve fyldfarve_;
    TVandretJustering vandret_ = TVandretJustering::Venstre;
    TLodretJustering lodret_ = TLodretJustering::Top;
};

// The numbers of the filled figures seen inside the box, kSiden for the page.
std::vector<QRgb> SeteFigurer(const QImage& kort, const QRect& boks)
{
    std::vector<QRgb> sete;
    const QRect inde = boks & kort.rect();
    for (int y = inde.top(); y <= inde.bottom(); ++y)
    {
        for (int x = inde.left(); x <= inde.right(); ++x)
        {
            const QRgb nummer = kort.pixel(x, y) & RGB_MASK;
            if (std::find(sete.begin(), sete.end(), nummer) == sete.end())
            {
                sete.push_back(nummer);
            }
        }
    }
    return sete;
}

std::string Farvetekst(TFarve f)
{
    return std::to_string(f.R) + "," + std::to_string(f.G) + "," + std::to_string(f.B);
}

// What makes the texts of one figure illegible on the exported picture, one line each: two
// texts whose boxes share a pixel, a text over the picture's edge, and a text on a filled
// figure. Only the man, drawn for scale and no part of the construction, may stand behind a
// text; and where the figure's bands carry texts (`paaBaand`), a text written wholly on one
// band, like a caption on the band it names or a capacity on the rafter its nail holds in.
std::vector<std::string> Ulaeselige(const std::string& figur, const TTegning& tegning,
                                    bool paaBaand)
{
    Placeringer p(kEksportBredde, kEksportHoejde);
    TegnTegning(p, kEksportBredde, kEksportHoejde, tegning, true);
    std::vector<std::string> fund;
    for (std::size_t i = 0; i < p.tekster.size(); ++i)
    {
        const PlaceretTekst& a = p.tekster[i];
        const std::string navn = figur + ": \"" + a.tekst + "\"";
        for (std::size_t j = i + 1; j < p.tekster.size(); ++j)
        {
            if (a.boks.intersects(p.tekster[j].boks))
            {
                fund.push_back(navn + " ligger over \"" + p.tekster[j].tekst + "\"");
            }
        }
        if (!p.kort.rect().contains(a.boks))
        {
            fund.push_back(navn + " går ud over billedets kant");
        }
        const std::vector<QRgb> sete = SeteFigurer(p.kort, a.boks);
        const bool paaEtBaand = paaBaand && sete.size() == 1;
        std::string fyldt;
        for (const QRgb nummer : sete)
        {
            if (paaEtBaand || nummer == kSiden || p.fyld[nummer - 1] == Farve(kBlaa))
            {
                continue;
            }
            const std::string farve = " " + Farvetekst(p.fyld[nummer - 1]);
            if (fyldt.find(farve) == std::string::npos)
            {
                fyldt += farve;
            }
        }
        if (!fyldt.empty())
        {
            fund.push_back(navn + " ligger på figurer fyldt med" + fyldt);
        }
    }
    return fund;
}

// File dialogs of a run without a user: the log file is not saved.
struct IngenDialoger final : Dialoger
{
    std::optional<std::string> aabnFil(const FilDialog& /*d*/) override { return std::nullopt; }
    std::optional<std::string> gemFil(const FilDialog& /*d*/) override { return std::nullopt; }
    std::optional<std::string> indtast(const Tekstdialog& /*d*/) override { return std::nullopt; }
    TSvar spoerg(const std::string& /*spoergsmaal*/) override { return TSvar::Annuller; }
};

// The shipped default project and the eight reference projects, each calculated as the
// window does it, with its three figures painted as they are exported. The bands of the nail
// connection carry their captions and the nails' capacities; the sections carry no text on
// any part.
TEST(Figurtekster, IngenTekstLiggerPaaEnAndenEllerPaaKonstruktionen)
{
    test::SikrQtApplikation();
    std::vector<std::string> projekter{TAGLO_STANDARDFIL};
    for (int nr = 1; nr <= 8; ++nr)
    {
        projekter.push_back(test::ReferenceMappe() + "/projekt0" + std::to_string(nr) + ".tgl");
    }
    std::string fund;
    for (const std::string& sti : projekter)
    {
        SCOPED_TRACE(sti);
        test::OptagneMeddelelser meddelelser;
        IngenDialoger dialoger;
        TApplikation app(meddelelser, dialoger, Regionalindstillinger::Dansk(), "Eksempel ApS");
        ASSERT_TRUE(app.HentProjektdata(sti));
        const TTegning* soem = app.OptegnNail();
        ASSERT_NE(soem, nullptr);
        const std::string navn = std::filesystem::path(sti).stem().string();
        struct Figur
        {
            const char* navn;
            TTegning tegning;
            bool paaBaand;
        };
        for (const Figur& figur : {Figur{"tværsnit", app.ButtonTegnTversnitClick(), false},
                                   Figur{"længdesnit", app.ButtonTegnLengdesnitClick(), false},
                                   Figur{"sømforbindelse", *soem, true}})
        {
            for (const std::string& f :
                 Ulaeselige(navn + " " + figur.navn, figur.tegning, figur.paaBaand))
            {
                fund += f + "\n";
            }
        }
    }
    EXPECT_TRUE(fund.empty()) << fund;
}

// A red line through the middle of a text centred on it, as a dimension line through its
// value: behind the text the line is covered by the page, beside it the line is there. The
// line runs along row 350 from column 50 to column 950 (50 pixels a unit).
TEST(Figurtekster, EnLinjeBagEnTekstSkjulesAfTekstensBaggrund)
{
    test::SikrQtApplikation();
    TTegning t;
    NyFigur(t.Figurer, kPenFuld, 1, kRoed, kFyldIngen, kRoed, kArtLinje).Punkter = {{0, 0},
                                                                                    {18, 0}};
    TilfoejTekst(NyTekstGruppe(t.Tekster, kSort, kJustCentreret, kJustMidt), "Husbredde", 9, 0);
    const QImage b = TegningSomBillede(t, kEksportBredde, kEksportHoejde);
    const QRgb roed = qRgb(255, 0, 0);
    const int halv = QFontMetrics(TegningensSkrift()).horizontalAdvance("Husbredde") / 2;
    int roedeBagTeksten = 0;
    int moerke = 0;
    for (int x = 500 - halv + 2; x <= 500 + halv - 2; ++x)
    {
        roedeBagTeksten += b.pixel(x, 350) == roed ? 1 : 0;
        for (int y = 343; y <= 357; ++y)
        {
            moerke += qGray(b.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_EQ(roedeBagTeksten, 0);
    EXPECT_GT(moerke, 0); // the text itself is written
    EXPECT_EQ(b.pixel(60, 350), roed);
    EXPECT_EQ(b.pixel(940, 350), roed);
}

} // namespace
} // namespace taglo
