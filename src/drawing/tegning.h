// The drawing list: figures (polylines or marker sets) and text groups in world
// coordinates, the colour codes, and the bounding box the renderer fits to the paint box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taglo
{

// One point of a figure, in world units (m, or mm for the nail connection figure).
struct TTegnPunkt
{
    double X = 0.0; // increasing to the right
    double Y = 0.0; // increasing upwards
};

// Pen style codes of a figure.
inline constexpr std::uint16_t kPenFuld = 0;
inline constexpr std::uint16_t kPenPrikket = 1;
inline constexpr std::uint16_t kPenStregPrik = 2;
inline constexpr std::uint16_t kPenStiplet = 3;

// Fill codes of a figure: no fill (clear brush), solid, cross-hatched. Any other non-zero
// code fills with the brush style left as it was.
inline constexpr std::uint16_t kFyldIngen = 0;
inline constexpr std::uint16_t kFyldFuld = 1;
inline constexpr std::uint16_t kFyldKryds = 12;

// Kinds of a figure: 0 an open polyline through the points in order; 1..9 a marker at
// every point (dot, plus, plus with diagonal cross, small circle, diagonal cross, arrowheads
// up, down, left, right); 10 and above no outline.
inline constexpr std::uint8_t kArtLinje = 0;
inline constexpr std::uint8_t kArtPunkt = 1;
inline constexpr std::uint8_t kArtPlus = 2;
inline constexpr std::uint8_t kArtStjerne = 3;
inline constexpr std::uint8_t kArtCirkel = 4;
inline constexpr std::uint8_t kArtKryds = 5;
inline constexpr std::uint8_t kArtPilOp = 6;
inline constexpr std::uint8_t kArtPilNed = 7;
inline constexpr std::uint8_t kArtPilVenstre = 8;
inline constexpr std::uint8_t kArtPilHoejre = 9;

// One polyline or one set of markers with its own pen and brush.
struct TTegnFigur
{
    std::uint16_t PenStil = kPenFuld;    // 0 solid, 1 dotted, 2 dash-dot, 3 dashed
    std::uint16_t PenBredde = 1;         // pixels: 1 or 3
    std::uint16_t PenFarve = 0;          // colour code of the pen
    std::uint16_t FyldStil = kFyldIngen; // 0 none, 1 solid, 12 cross-hatched
    std::uint16_t FyldFarve = 0;         // colour code of the brush
    std::uint8_t Art = kArtLinje;        // see the kinds above
    std::vector<TTegnPunkt> Punkter;     // in the order they were added
};

// Horizontal alignment of a text against its anchor: 0 starts there, 1 centred, 2 ends
// there; any other value centres.
inline constexpr std::uint16_t kJustVenstre = 0;
inline constexpr std::uint16_t kJustCentreret = 1;
inline constexpr std::uint16_t kJustHoejre = 2;
// Vertical alignment: 0 the bottom of the text at the anchor, 1 centred on it, 2 the top
// at the anchor; any other value puts the top at the anchor.
inline constexpr std::uint16_t kJustBund = 0;
inline constexpr std::uint16_t kJustMidt = 1;
inline constexpr std::uint16_t kJustTop = 2;

// One text at its anchor point, in world units.
struct TTegnTekst
{
    double X = 0.0;
    double Y = 0.0;
    std::string Tekst; // UTF-8
};

// Texts drawn with one colour and one alignment, in the current font of the surface.
struct TTekstGruppe
{
    std::uint16_t TekstFarve = 0;  // colour code
    std::uint16_t VandretJust = 0; // see kJustVenstre..kJustHoejre
    std::uint16_t LodretJust = 0;  // see kJustBund..kJustTop
    std::vector<TTegnTekst> Tekster;
};

// A drawing: its figures and its text groups, each list in the order of creation. The
// renderer paints the figures in that order (later ones cover earlier ones), then the texts.
struct TTegning
{
    std::vector<TTegnFigur> Figurer;
    std::vector<TTekstGruppe> Tekster;
};

// NyFigur: appends a figure without points to `Figurer` and returns it. A pen style above 3
// is stored as 0 (solid), a pen width other than 3 as 1. The reference stays valid until
// the next figure is added to the same list.
TTegnFigur& NyFigur(std::vector<TTegnFigur>& Figurer, std::uint16_t PenStil,
                    std::uint16_t PenBredde, std::uint16_t PenFarve, std::uint16_t FyldStil,
                    std::uint16_t FyldFarve, std::uint8_t Art);

// NyTekstGruppe: appends an empty text group with the values unchanged and returns it. The
// reference stays valid until the next group is added to the same list.
TTekstGruppe& NyTekstGruppe(std::vector<TTekstGruppe>& Tekster, std::uint16_t TekstFarve,
                            std::uint16_t VandretJust, std::uint16_t LodretJust);

// TilfoejPunkt: appends the point (x, y) after the figure's last point.
void TilfoejPunkt(TTegnFigur& figur, double x, double y);

// TilfoejTekst: appends a copy of `tekst` anchored at (x, y) after the group's last text.
void TilfoejTekst(TTekstGruppe& gruppe, std::string_view tekst, double x, double y);

// FrigivFigurer / FrigivTekster: empties the list. Harmless on an empty list.
void FrigivFigurer(std::vector<TTegnFigur>& Figurer);
void FrigivTekster(std::vector<TTekstGruppe>& Tekster);

// The world box that a drawing's figures occupy.
struct TGraenser
{
    double MinX = 0.0;
    double MinY = 0.0;
    double MaxX = 1.0;
    double MaxY = 1.0;
};

// FindGraenser: the bounding box of every point of every figure; texts do not count.
// Without any point an axis spans 0 to 1; an axis on which all points share one value is
// widened by 1 on each side, so the box is never empty or degenerate. A point with a
// coordinate that is not a finite number is left out, so the box is always finite.
[[nodiscard]] TGraenser FindGraenser(const std::vector<TTegnFigur>& Figurer);

// Ombyt: exchanges the two values.
void Ombyt(double& a, double& b);

// An RGB colour.
struct TFarve
{
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
    bool operator==(const TFarve&) const = default;
};

// Colour codes of the drawings: black, blue, green, teal, red, purple, maroon, silver,
// grey, aqua, lime, dark aqua, pale rose, violet, yellow, white, timber, medium grey,
// light blue.
inline constexpr std::uint16_t kSort = 0;
inline constexpr std::uint16_t kBlaa = 1;
inline constexpr std::uint16_t kGroen = 2;
inline constexpr std::uint16_t kRoed = 4;
inline constexpr std::uint16_t kSoelv = 7;
inline constexpr std::uint16_t kAkva = 9;
inline constexpr std::uint16_t kHvid = 15;
inline constexpr std::uint16_t kTraefarve = 16;
inline constexpr std::uint16_t kMellemgraa = 17;
inline constexpr std::uint16_t kAntalFarver = 19;

// Farve: the RGB colour of a colour code; a code of 19 or more gives black.
[[nodiscard]] TFarve Farve(std::uint16_t kode);

} // namespace taglo
