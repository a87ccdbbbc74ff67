#include "drawing/figurdele.h"

namespace taglo
{

void FyldtFigur(TTegning& tegning, std::uint16_t pen, std::uint16_t fyld,
                std::initializer_list<TTegnPunkt> punkter)
{
    TTegnFigur& figur = NyFigur(tegning.Figurer, kPenFuld, 1, pen, kFyldFuld, fyld, kArtLinje);
    for (const TTegnPunkt& p : punkter)
    {
        TilfoejPunkt(figur, p.X, p.Y);
    }
}

void Linje(TTegning& tegning, std::uint16_t pen, std::initializer_list<TTegnPunkt> punkter,
           std::uint16_t bredde, std::uint16_t stil)
{
    TTegnFigur& figur = NyFigur(tegning.Figurer, stil, bredde, pen, kFyldIngen, pen, kArtLinje);
    for (const TTegnPunkt& p : punkter)
    {
        TilfoejPunkt(figur, p.X, p.Y);
    }
}

void Maerke(TTegning& tegning, std::uint8_t art, double x, double y)
{
    TTegnFigur& figur = NyFigur(tegning.Figurer, kPenFuld, 1, kSort, kFyldIngen, kSort, art);
    TilfoejPunkt(figur, x, y);
}

void Anker(TTegning& tegning, double x, double y)
{
    TTegnFigur& figur = NyFigur(tegning.Figurer, kPenFuld, 1, kHvid, kFyldIngen, kHvid, kArtLinje);
    TilfoejPunkt(figur, x, y);
}

} // namespace taglo
