// The batten as a beam: closed-form reactions and moments of uniform line loads on the
// gable part (a simple span with a cantilever) and on the normal section (three equal
// continuous spans), and the point load on the normal section.
//
// Signs: a line load w is negative when it acts downward (towards the roof); a reaction is
// the force the batten exerts on its support, positive upward; a moment is positive when
// hogging. Positions y in m along the batten from its end at the gable.
#pragma once

#include "engine/tilfaelde.h"

namespace taglo
{

// ReaktionVenstre: reaction at the left support x of a span x .. x + L (L > 0) from the
// load w on the interval between a and b, where the beam runs from 0 (a cantilever back
// from x) to x + L. Both ends are clamped to [0, x + L] and ordered first.
[[nodiscard]] double ReaktionVenstre(double a, double b, double w, double x, double L);

// ReaktionHoejre: reaction at the right support x + L of the same beam.
[[nodiscard]] double ReaktionHoejre(double a, double b, double w, double x, double L);

// MomentKonsol: moment at x from the part of the load that lies left of x (between the
// batten's end at 0 and x). The ends are ordered, not clamped.
[[nodiscard]] double MomentKonsol(double a, double b, double w, double x);

// MomentFelt: moment at the field section x + 0.55 L of the span x .. x + L from the load
// between a and b.
[[nodiscard]] double MomentFelt(double a, double b, double w, double x, double L);

// The gable part of the batten, m: the gable wall B2, the anchored gable rafter B1 and
// the first normal rafter D, and the doubling factor k (0.5 when two battens share the
// gable section).
struct TGavlGeometri
{
    double GavlUdh = 0.0;          // y of the gable wall B2
    double GavlspaerIndrykn = 0.0; // B2 to B1
    double GavlspaerAfst = 0.0;    // B1 to D
    double GavlAfst = 0.0;         // y of B1
    double k = 1.0;

    // y of the first normal rafter D.
    [[nodiscard]] double D() const { return GavlAfst + GavlspaerAfst; }
};

// What one load adds to the gable models: RB2 and MB2 from model 2 (span B2 .. D), RB1,
// RD, MB1 and MC from model 1 (span B1 .. D), each times k. kN and kNm per kN/m of w.
struct TGavlBidrag
{
    double RB2 = 0.0;
    double RB1 = 0.0;
    double RD = 0.0;
    double MB1 = 0.0;
    double MB2 = 0.0;
    double MC = 0.0;
};

// GavlBidrag: the gable set of a uniform load w on the interval between a and b. Needs
// positive spans B1 .. D and B2 .. D.
[[nodiscard]] TGavlBidrag GavlBidrag(double a, double b, double w, const TGavlGeometri& geometri);

// What one load adds to the normal section at its end support E, its first interior
// support G, the end-span field F, G itself and the middle-span field H.
struct TNormalBidrag
{
    double RE = 0.0;
    double RG = 0.0;
    double MF = 0.0;
    double MG = 0.0;
    double MH = 0.0;
};

// NormalBidrag: a uniform load w on all three spans of length L of a continuous beam:
// reactions 0.4 wL and 1.1 wL, moments 0.08 wL2, -0.1 wL2 and 0.025 wL2.
[[nodiscard]] TNormalBidrag NormalBidrag(double w, double L);

// PunktlastBidrag: the point load P (kN, negative downward) at its position in the end
// span: reactions 0.51 P and 0.602 P, moments 0.204 PL, -0.09 PL and -0.034 PL.
[[nodiscard]] TNormalBidrag PunktlastBidrag(double P, double L);

// The components of a case that a load goes into: zz reactions with xx moments, or yy
// reactions with zz moments.
enum class Retning
{
    zz,
    yy
};

// LaegGavlBidragTil / LaegNormalBidragTil: add the contributions to the case record's
// sums of the given component.
void LaegGavlBidragTil(TLasttilfaelde& tilfaelde, const TGavlBidrag& bidrag, Retning retning);
void LaegNormalBidragTil(TLasttilfaelde& tilfaelde, const TNormalBidrag& bidrag, Retning retning);

// JusterForGavlvaeg: the gable wall bears only in compression. When the batten presses on
// it (RB2zz < 0) and the gable rafter stands more than 0.15 m inside the wall, the part
// f RB2 of the wall reaction, f = min(2 GavlUdh / (GavlspaerAfst + GavlspaerIndrykn), 1),
// is credited to model 1 as a support at B2: RB2Just := f RB2, and RB1, RD, MB1 and MC
// change as a force RB2Just at B2 changes them. Both components; RB2 keeps its value.
void JusterForGavlvaeg(TLasttilfaelde& tilfaelde, const TGavlGeometri& geometri);

} // namespace taglo
