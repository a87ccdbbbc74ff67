// The drawing canvas on a QPainter: the window's paint boxes, the printer and picture files.
#pragma once

#include "drawing/laerred.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QPoint>

class QPainter;

namespace taglo
{

// Paints through a QPainter the caller owns and keeps active while the canvas is used.
// Lines are aliased; a 1-pixel line leaves out its end pixel, wider lines have round ends
// and joins. Texts use the painter's current font and never paint their background. The
// page is the painter's background: a widget's background colour, white on a picture.
class QtLaerred final : public Laerred
{
  public:
    explicit QtLaerred(QPainter& maler);

    void SaetPenStil(TPenStil stil) override;
    void SaetPenBredde(int pixels) override;
    void SaetPenFarve(TFarve farve) override;
    void SaetFyldStil(TFyldStil stil) override;
    void SaetFyldFarve(TFarve farve) override;
    void FlytTil(TPixel p) override;
    void LinjeTil(TPixel p) override;
    void Polygon(std::span<const TPixel> punkter) override;
    void SaetPixel(TPixel p, TFarve farve) override;
    [[nodiscard]] int TekstHoejde(std::string_view tekst) override;
    [[nodiscard]] int TekstBredde(std::string_view tekst) override;
    void SletRektangel(TPixel fra, TPixel til) override;
    void SaetTekstJustering(TVandretJustering vandret, TLodretJustering lodret) override;
    void SaetTekstFarve(TFarve farve) override;
    void SkrivTekst(TPixel p, std::string_view tekst) override;

  private:
    void OpdaterPen();

    QPainter& maler_;
    QPen pen_;
    QBrush pensel_;
    QPoint position_;
    QColor tekstFarve_;
    TVandretJustering vandret_ = TVandretJustering::Venstre;
    TLodretJustering lodret_ = TLodretJustering::Top;
};

// The Qt colour of a drawing colour.
[[nodiscard]] QColor TilQColor(TFarve farve);

} // namespace taglo
