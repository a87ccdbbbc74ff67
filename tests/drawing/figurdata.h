// A hand-made house with its derived geometry, and looking things up in a built figure the
// way a reader of the drawing would: a text by its wording, the figures of a colour.
#pragma once

#include "core/inddata.h"
#include "drawing/tegning.h"
#include "loads/afledte.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace taglo::test
{

// A house 10 m wide with a 45 degree roof: the ridge 5 m above the 3 m facade, the eaves
// edges 0.5 m outside the facades (TotalBr 11 m, eaves 2.5 m above the ground).
inline TInddata Hus45()
{
    TInddata i;
    i.HusBr = 10.0;
    i.FacHjd = 3.0;
    i.TagVink = 45.0;
    i.LegteAfst = 0.3;
    i.FacUdh = 0.5;
    i.HusLn = 12.0;
    i.NormalSpaerAfst = 0.9;
    i.GavlspaerAfst = 0.6;
    i.GavlspaerIndrykn = 0.2;
    i.GavlUdh = 0.5;
    i.LegteHojde = 38.0;
    i.LegteBredde = 73.0;
    return i;
}

// The geometric fields of the derived values, by the definitions of the roof geometry:
// TotalBr = HusBr + 2 FacUdh, KipHjd = FacHjd + HusBr/2 tan, TagfodHjd = KipHjd - TotalBr/2 tan.
inline TAfledte Geometri(const TInddata& i)
{
    TAfledte a;
    const double v = i.TagVink * std::numbers::pi / 180.0;
    a.SinTagVink = std::sin(v);
    a.CosTagVink = std::cos(v);
    a.TanTagVink = i.TagVink == 45.0 ? 1.0 : a.SinTagVink / a.CosTagVink;
    a.TotalBr = i.HusBr + 2 * i.FacUdh;
    a.KipHjd = i.FacHjd + 0.5 * i.HusBr * a.TanTagVink;
    a.TagfodHjd = a.KipHjd - a.TotalBr / 2 * a.TanTagVink;
    return a;
}

// A text found in a drawing, with the group it belongs to; both null when there is none.
struct FundetTekst
{
    const TTegnTekst* tekst = nullptr;
    const TTekstGruppe* gruppe = nullptr;
};

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

inline double MindsteY(const TTegnFigur& f)
{
    return std::ranges::min(f.Punkter, {}, &TTegnPunkt::Y).Y;
}
inline double StoersteY(const TTegnFigur& f)
{
    return std::ranges::max(f.Punkter, {}, &TTegnPunkt::Y).Y;
}

} // namespace taglo::test
