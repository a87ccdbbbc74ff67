// The canvas that the renderer paints on: pens, brushes, lines, polygons, pixels and
// aligned texts in whole pixels. The window, the printer and the picture export implement
// it on their painter; tests record the calls.
#pragma once

#include "drawing/tegning.h"

#include <span>
#include <string_view>

namespace taglo
{

// A pixel position on the surface: column to the right, row downwards.
struct TPixel
{
    int X = 0;
    int Y = 0;
    bool operator==(const TPixel&) const = default;
};

enum class TPenStil
{
    Fuld,      // solid
    Prikket,   // dotted
    StregPrik, // dash-dot
    Stiplet,   // dashed
};

enum class TFyldStil
{
    Klar,           // no fill
    Fuld,           // solid fill
    Krydsskraveret, // horizontal and vertical hatching
};

// Where the anchor point of a text lies on the text.
enum class TVandretJustering
{
    Venstre,   // the text starts at the anchor
    Centreret, // the text is centred on it
    Hoejre,    // the text ends at it
};

enum class TLodretJustering
{
    Top,  // the top of the text's line is at the anchor
    Bund, // the bottom of the text's line (below the descenders) is at the anchor
};

// The abstract canvas. The pen and brush settings stay until they are set again.
class Laerred
{
  public:
    Laerred() = default;
    Laerred(const Laerred&) = delete;
    Laerred(Laerred&&) = delete;
    Laerred& operator=(const Laerred&) = delete;
    Laerred& operator=(Laerred&&) = delete;
    virtual ~Laerred() = default;

    virtual void SaetPenStil(TPenStil stil) = 0;
    virtual void SaetPenBredde(int pixels) = 0;
    virtual void SaetPenFarve(TFarve farve) = 0;
    virtual void SaetFyldStil(TFyldStil stil) = 0;
    virtual void SaetFyldFarve(TFarve farve) = 0;

    // Moves the pen to `p` without painting.
    virtual void FlytTil(TPixel p) = 0;
    // Paints a line with the pen from its position to `p`, without the end pixel, and
    // leaves the pen at `p`.
    virtual void LinjeTil(TPixel p) = 0;
    // Paints the closed polygon through the points: filled with the brush, outlined with
    // the pen.
    virtual void Polygon(std::span<const TPixel> punkter) = 0;
    // Sets the one pixel `p` to `farve`.
    virtual void SaetPixel(TPixel p, TFarve farve) = 0;

    // Height in pixels of `tekst` in the current font (the full line: ascent and descent).
    [[nodiscard]] virtual int TekstHoejde(std::string_view tekst) = 0;
    // Width in pixels of `tekst` (UTF-8) in the current font: how far writing it advances.
    [[nodiscard]] virtual int TekstBredde(std::string_view tekst) = 0;
    // Paints the rectangle with the corners `fra` and `til` (both included) in the colour of
    // the page under the drawing, covering what was painted there. Pen and brush stay.
    virtual void SletRektangel(TPixel fra, TPixel til) = 0;
    virtual void SaetTekstJustering(TVandretJustering vandret, TLodretJustering lodret) = 0;
    virtual void SaetTekstFarve(TFarve farve) = 0;
    // Writes `tekst` (UTF-8) at the anchor `p` with the current alignment and text colour,
    // in the current font, on a transparent background: only the glyphs are painted.
    virtual void SkrivTekst(TPixel p, std::string_view tekst) = 0;
};

} // namespace taglo
