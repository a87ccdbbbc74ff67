#include "drawing/tegning.h"

#include <array>
#include <cmath>

namespace taglo
{
namespace
{

// The colour table, indexed by colour code.
constexpr std::array<TFarve, kAntalFarver> kFarvetabel{{
    {0, 0, 0},       // black
    {0, 0, 255},     // blue
    {0, 128, 0},     // green
    {0, 128, 128},   // teal
    {255, 0, 0},     // red
    {128, 0, 128},   // purple
    {128, 0, 0},     // maroon
    {192, 192, 192}, // silver
    {128, 128, 128}, // grey
    {0, 255, 255},   // aqua
    {0, 255, 0},     // lime
    {0, 192, 192},   // dark aqua
    {255, 204, 204}, // pale rose
    {192, 0, 192},   // violet
    {255, 255, 0},   // yellow
    {255, 255, 255}, // white
    {245, 219, 115}, // timber
    {155, 155, 155}, // medium grey
    {216, 228, 248}, // light blue
}};

// An empty box starts beyond every real coordinate.
constexpr double kTomStart = 1e38;
constexpr double kTomGraense = 1e37;

} // namespace

TTegnFigur& NyFigur(std::vector<TTegnFigur>& Figurer, std::uint16_t PenStil,
                    std::uint16_t PenBredde, std::uint16_t PenFarve, std::uint16_t FyldStil,
                    std::uint16_t FyldFarve, std::uint8_t Art)
{
    TTegnFigur& figur = Figurer.emplace_back();
    figur.PenStil = PenStil > kPenStiplet ? kPenFuld : PenStil;
    figur.PenBredde = PenBredde == 3 ? 3 : 1;
    figur.PenFarve = PenFarve;
    figur.FyldStil = FyldStil;
    figur.FyldFarve = FyldFarve;
    figur.Art = Art;
    return figur;
}

TTekstGruppe& NyTekstGruppe(std::vector<TTekstGruppe>& Tekster, std::uint16_t TekstFarve,
                            std::uint16_t VandretJust, std::uint16_t LodretJust)
{
    TTekstGruppe& gruppe = Tekster.emplace_back();
    gruppe.TekstFarve = TekstFarve;
    gruppe.VandretJust = VandretJust;
    gruppe.LodretJust = LodretJust;
    return gruppe;
}

void TilfoejPunkt(TTegnFigur& figur, double x, double y)
{
    figur.Punkter.push_back({x, y});
}

void TilfoejTekst(TTekstGruppe& gruppe, std::string_view tekst, double x, double y)
{
    gruppe.Tekster.push_back({x, y, std::string(tekst)});
}

void FrigivFigurer(std::vector<TTegnFigur>& Figurer)
{
    Figurer.clear();
}

void FrigivTekster(std::vector<TTekstGruppe>& Tekster)
{
    Tekster.clear();
}

TGraenser FindGraenser(const std::vector<TTegnFigur>& Figurer)
{
    TGraenser g{kTomStart, kTomStart, -kTomStart, -kTomStart};
    for (const TTegnFigur& figur : Figurer)
    {
        for (const TTegnPunkt& p : figur.Punkter)
        {
            if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            {
                continue;
            }
            if (p.X < g.MinX)
            {
                g.MinX = p.X;
            }
            if (p.X > g.MaxX)
            {
                g.MaxX = p.X;
            }
            if (p.Y < g.MinY)
            {
                g.MinY = p.Y;
            }
            if (p.Y > g.MaxY)
            {
                g.MaxY = p.Y;
            }
        }
    }
    if (g.MinX > kTomGraense)
    {
        g.MinX = 0.0;
        g.MaxX = 1.0;
    }
    if (g.MinY > kTomGraense)
    {
        g.MinY = 0.0;
        g.MaxY = 1.0;
    }
    if (g.MinX == g.MaxX)
    {
        g.MinX -= 1.0;
        g.MaxX += 1.0;
    }
    if (g.MinY == g.MaxY)
    {
        g.MinY -= 1.0;
        g.MaxY += 1.0;
    }
    return g;
}

void Ombyt(double& a, double& b)
{
    const double c = a;
    a = b;
    b = c;
}

TFarve Farve(std::uint16_t kode)
{
    return kode < kFarvetabel.size() ? kFarvetabel[kode] : TFarve{};
}

} // namespace taglo
