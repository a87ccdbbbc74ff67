// The renderer: fits a drawing into a paint box with a margin and paints its figures in
// list order and its texts after them, each on a background of the page's colour, on a
// canvas.
#pragma once

#include "drawing/laerred.h"
#include "drawing/tegning.h"

#include <cstdint>

namespace taglo
{

// The view: the world window that fills the paint box and the mapping onto its pixels.
struct TVisning
{
    int W = 0;         // width of the paint box in pixels
    int H = 0;         // height of the paint box in pixels
    double MinX = 0.0; // world window
    double MinY = 0.0;
    double MaxX = 1.0;
    double MaxY = 1.0;
    double SX = 0.0; // pixels per world unit in x
    double SY = 0.0; // pixels per world unit in y; negative, as rows grow downwards
    double OX = 0.0; // column of world x = 0
    double OY = 0.0; // row of world y = 0
    double TH = 0.0; // height in pixels of "0" in the surface's font
};

// True when the view maps onto a paint box of at least one pixel with finite, non-zero
// scales; nothing is painted with any other view.
[[nodiscard]] bool KanTegnes(const TVisning& visning);

// TegnTegning: fits the drawing's figures, widened by a margin of 1/18 of their extent on
// every side, into a paint box of W x H pixels and paints all elements. With `SammeSkala`
// both axes get one scale and the limiting axis just spans the widened box, the other being
// centred; otherwise each axis is stretched onto the box. Texts do not count for the fit.
// The surface is not cleared. A paint box of zero width or height paints nothing.
void TegnTegning(Laerred& laerred, int W, int H, const TTegning& tegning, bool SammeSkala);

// LaegMargen: widens the interval [lo, hi] so that it fills `procent` % of the result,
// centred; a percentage below 0.01 in magnitude counts as 0.01. With 90 each end moves out
// by 1/18 of the width.
void LaegMargen(double& lo, double& hi, double procent);

// SaetVindue: the view that stretches the world box onto the whole W x H paint box: MinX on
// column 0, MaxX on column W, MinY on row H, MaxY on row 0. An empty axis is taken as one
// unit long. TH is read from the canvas.
[[nodiscard]] TVisning SaetVindue(Laerred& laerred, int W, int H, double MinX, double MinY,
                                  double MaxX, double MaxY);

// SaetVindueSammeSkala: the view with one scale on both axes whose world window has the
// aspect of the paint box, centred on the world box, which it just spans on the limiting
// axis. A paint box of zero or negative width or height gives a view that paints nothing.
[[nodiscard]] TVisning SaetVindueSammeSkala(Laerred& laerred, int W, int H, double MinX,
                                            double MinY, double MaxX, double MaxY);

// SkaermX / SkaermY: world to screen column and row, rounded to the nearest integer with
// halves to the even neighbour. Far outside the paint box the result is held at
// +-kSkaermGraense pixels; a value that is not a number gives 0.
inline constexpr int kSkaermGraense = 1'000'000;
[[nodiscard]] int SkaermX(const TVisning& visning, double x);
[[nodiscard]] int SkaermY(const TVisning& visning, double y);

// The nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
[[nodiscard]] double RundTilLige(double v);

// TegnMaerke: paints the marker of kind 1..9 at the world point (x, y) with the current pen;
// a dot (kind 1) is one pixel in `penfarve`. Markers keep their pixel size at any scale.
// Other kinds paint nothing.
void TegnMaerke(Laerred& laerred, const TVisning& visning, std::uint8_t art, double x, double y,
                TFarve penfarve);

// TegnElementer: paints every figure in list order (pen and brush, outline or markers, then
// the fill), then every text group in list order. Each text stands on a background in the
// page's colour, the pixels it takes less one on every side, and all backgrounds are painted
// before the first text: no line runs through a text and no background covers another text.
// A text that would run over the edge of the paint box is moved in just so far that it does
// not (one wider than the box keeps its start in view). Points and texts with a coordinate
// that is not a finite number are skipped.
void TegnElementer(Laerred& laerred, const TVisning& visning, const TTegning& tegning);

} // namespace taglo
