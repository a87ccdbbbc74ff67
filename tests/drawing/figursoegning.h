// Looking things up in a built figure the way a reader of the drawing would: a text by its
// wording, the figures of a colour, the top middle of a batten.
#pragma once

#include "drawing/tegning.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace taglo::test
{

// A text found in a drawing, with the group it belongs to.
struct FundetTekst
{
    const TTegnTekst* tekst = nullptr;
    const TTekstGruppe* gruppe = nullptr;
};

// The first text with exactly this wording; both pointers null when there is none.
inline FundetTekst FindTekst(const TTegning& t, std::string_view ordlyd)
{
    for (const TTekstGruppe& g : t.Tekster)
    {
        for (const TTegnTekst& x : g.Tekster)
        {
            if (x.Tekst == ordlyd)
            {
                return {&x, &g};
            }
        }
    }
    return {};
}

// The figures filled solid with the given colour.
inline std::vector<const TTegnFigur*> FyldteFigurer(const TTegning& t, std::uint16_t fyldfarve)
{
    std::vector<const TTegnFigur*> r;
    for (const TTegnFigur& f : t.Figurer)
    {
        if (f.FyldStil == kFyldFuld && f.FyldFarve == fyldfarve)
        {
            r.push_back(&f);
        }
    }
    return r;
}

// The battens of the cross-section: timber-coloured figures of four corners, as the middle
// of their upper face (between the first and the last corner).
inline std::vector<TTegnPunkt> LegteToppe(const TTegning& t)
{
    std::vector<TTegnPunkt> r;
    for (const TTegnFigur* f : FyldteFigurer(t, kTraefarve))
    {
        if (f->Punkter.size() == 4)
        {
            r.push_back(
                {(f->Punkter[0].X + f->Punkter[3].X) / 2, (f->Punkter[0].Y + f->Punkter[3].Y) / 2});
        }
    }
    return r;
}

// The lowest and the highest point of a figure.
inline double MindsteY(const TTegnFigur& f)
{
    return std::ranges::min(f.Punkter, {}, &TTegnPunkt::Y).Y;
}
inline double StoersteY(const TTegnFigur& f)
{
    return std::ranges::max(f.Punkter, {}, &TTegnPunkt::Y).Y;
}

} // namespace taglo::test
