#include "engine/bjaelke.h"

#include <algorithm>
#include <utility>

namespace taglo
{
namespace
{

// The load interval clamped to the beam 0 .. ende and ordered so that a >= b.
void KlemOgOrdn(double& a, double& b, double ende)
{
    for (double* p : {&a, &b})
    {
        if (*p > ende)
        {
            *p = ende;
        }
        if (*p < 0.0)
        {
            *p = 0.0;
        }
    }
    if (a < b)
    {
        std::swap(a, b);
    }
}

} // namespace

double ReaktionVenstre(double a, double b, double w, double x, double L)
{
    KlemOgOrdn(a, b, x + L);
    return w * (a - b) * (2.0 * x + 2.0 * L - a - b) / (2.0 * L);
}

double ReaktionHoejre(double a, double b, double w, double x, double L)
{
    KlemOgOrdn(a, b, x + L);
    return w * (a - b) * (a + b - 2.0 * x) / (2.0 * L);
}

double MomentKonsol(double a, double b, double w, double x)
{
    if (a < b)
    {
        std::swap(a, b);
    }
    // Moment at x of the load from p to x.
    const auto g = [w, x](double p) {
        const double arm = std::max(x - std::max(p, 0.0), 0.0);
        return -w * arm * arm / 2.0;
    };
    return g(b) - g(a);
}

double MomentFelt(double a, double b, double w, double x, double L)
{
    if (a < b)
    {
        std::swap(a, b);
    }
    // Moment at x + 0.55 L of the load from p to the right support: that load's left
    // reaction w d^2 / (2L) times 0.55 L, less the load between p and the section.
    const auto h = [w, x, L](double p) {
        const double d = std::max(x + L - std::max(p, 0.0), 0.0);
        const double c = std::max(d - 0.45 * L, 0.0);
        return 0.55 * L * (w * d * d / (2.0 * L)) - w * c * c / 2.0;
    };
    return h(b) - h(a);
}

TGavlBidrag GavlBidrag(double a, double b, double w, const TGavlGeometri& g)
{
    TGavlBidrag bidrag;
    bidrag.RB2 = g.k * ReaktionVenstre(a, b, w, g.GavlUdh, g.GavlspaerIndrykn + g.GavlspaerAfst);
    bidrag.RB1 = g.k * ReaktionVenstre(a, b, w, g.GavlAfst, g.GavlspaerAfst);
    bidrag.RD = g.k * ReaktionHoejre(a, b, w, g.GavlAfst, g.GavlspaerAfst);
    bidrag.MB1 = g.k * MomentKonsol(a, b, w, g.GavlAfst);
    bidrag.MB2 = g.k * MomentKonsol(a, b, w, g.GavlUdh);
    bidrag.MC = g.k * MomentFelt(a, b, w, g.GavlAfst, g.GavlspaerAfst);
    return bidrag;
}

TNormalBidrag NormalBidrag(double w, double L)
{
    // Continuous beam over three equal spans under a uniform load.
    return {0.4 * w * L, 1.1 * w * L, 0.08 * w * L * L, -0.1 * w * L * L, 0.025 * w * L * L};
}

TNormalBidrag PunktlastBidrag(double P, double L)
{
    return {0.51 * P, 0.602 * P, 0.204 * P * L, -0.09 * P * L, -0.034 * P * L};
}

void LaegGavlBidragTil(TLasttilfaelde& t, const TGavlBidrag& bidrag, Retning retning)
{
    if (retning == Retning::zz)
    {
        t.RB2zz += bidrag.RB2;
        t.RB1zz += bidrag.RB1;
        t.RDzz += bidrag.RD;
        t.MB1xx += bidrag.MB1;
        t.MB2xx += bidrag.MB2;
        t.MCxx += bidrag.MC;
    }
    else
    {
        t.RB2yy += bidrag.RB2;
        t.RB1yy += bidrag.RB1;
        t.RDyy += bidrag.RD;
        t.MB1zz += bidrag.MB1;
        t.MB2zz += bidrag.MB2;
        t.MCzz += bidrag.MC;
    }
}

void LaegNormalBidragTil(TLasttilfaelde& t, const TNormalBidrag& bidrag, Retning retning)
{
    if (retning == Retning::zz)
    {
        t.REzz += bidrag.RE;
        t.RGzz += bidrag.RG;
        t.MFxx += bidrag.MF;
        t.MGxx += bidrag.MG;
        t.MHxx += bidrag.MH;
    }
    else
    {
        t.REyy += bidrag.RE;
        t.RGyy += bidrag.RG;
        t.MFzz += bidrag.MF;
        t.MGzz += bidrag.MG;
        t.MHzz += bidrag.MH;
    }
}

void JusterForGavlvaeg(TLasttilfaelde& t, const TGavlGeometri& g)
{
    const double A = g.GavlspaerAfst;
    const double I = g.GavlspaerIndrykn;
    double f = 0.0;
    if (t.RB2zz < 0.0 && I > 0.15)
    {
        // A wall that the batten does not reach (no gable overhang) carries nothing.
        f = std::max(std::min(2.0 * g.GavlUdh / (A + I), 1.0), 0.0);
    }
    t.RB2Justzz = f * t.RB2zz;
    t.RB2Justyy = f * t.RB2yy;
    t.RB1zz -= t.RB2Justzz * (A + I) / A;
    t.RB1yy -= t.RB2Justyy * (A + I) / A;
    t.RDzz += t.RB2Justzz * I / A;
    t.RDyy += t.RB2Justyy * I / A;
    t.MB1xx += t.RB2Justzz * I;
    t.MB1zz += t.RB2Justyy * I;
    t.MCxx += 0.45 * t.RB2Justzz * I;
    t.MCzz += 0.45 * t.RB2Justyy * I;
}

} // namespace taglo
