// Derived values of one roof: geometry, section moduli, wind pressures, snow, point load
// and timber design values, computed from the inputs before every calculation.
#pragma once

#include "core/inddata.h"
#include "core/meddelelser.h"

#include <cstdint>

namespace taglo
{

// Afledte: lengths in m, loads in kN and kN/m2, stresses in N/mm2, in this order.
struct TAfledte
{
    double TanTagVink = 0.0;
    double CosTagVink = 0.0;
    double SinTagVink = 0.0;
    double TotalBr = 0.0;       // m, horizontal roof width including both facade overhangs
    double KipHjd = 0.0;        // m, ridge above terrain; reference height of the wind
    double TagfodHjd = 0.0;     // m, roof edge at the outer end of the facade overhang
    double GavlAfst = 0.0;      // m, gable edge of the roof to the anchored gable rafter
    double VaegTykkelse = 0.0;  // m, wall thickness of the wind zone geometry; always 0
    double LegteMidtX = 0.0;    // m, eaves edge to the middle of the design batten's strip
    double LegteEgenlast = 0.0; // kN/m2 of roof, the battens' own weight (5 kN/m3)
    double WNormal = 0.0;       // mm3, section modulus for loads perpendicular to the roof
    double WParallel = 0.0;     // mm3, section modulus for loads parallel to the roof
    double StrimmelFra = 0.0;   // m, horizontal start of the design batten's load strip
    double StrimmelTil = 0.0;   // m, horizontal end of that strip
    double Personlast = 0.0;    // kN, characteristic point load (a person)
    double QpKip = 0.0;         // kN/m2, peak velocity pressure at ridge height, kp = 3.5
    double QpKipN = 0.0;        // kN/m2, the same with kp = 1.5 (internal pressure, zone N)
    double SneKarak = 0.0;      // kN/m2, characteristic snow load on the ground
    double SneLast = 0.0;       // kN/m2 of horizontal projection, snow load on the roof
    double FmkGammaM = 0.0;     // N/mm2, f_m,k / gamma_M of the strength class
    double KmodSoem = 0.0;      // kmod of the nail connection (= Kmod9)
    double Kmod9 = 0.0;         // kmod of load combination 9 (instantaneous), service class 2
    double GammaM = 0.0;        // gamma_M of the strength class
    // Code in the timber tables: StyrkeKlasse 0 -> 1, 1 -> 4, 2 -> 5, any other -> 100.
    std::int32_t StyrkeKode = 0;
};

// BeregnAfledte: every field of Afledte from the inputs. Reports nothing itself.
[[nodiscard]] TAfledte BeregnAfledte(const TInddata& inddata, Meddelelser& meddelelser);

// Trigonometry in degrees: sin and cos of pi v / 180.
[[nodiscard]] double SinGrad(double v);
[[nodiscard]] double CosGrad(double v);
// sin / cos, or 1 000 000 when |cos| is below 0.000001.
[[nodiscard]] double TanGrad(double v);

// Basic velocity pressure in kN/m2 at `afstand` km from the North Sea / Ringkoebing Fjord
// coast (DK NA to EN 1991-1-4): v_b = 24 + (25 - d) 0.12 m/s with d in 0..25,
// q_b = 0.625 v_b^2 / 1000.
[[nodiscard]] double BasisVindtryk(double afstand);

// Peak velocity pressure q_p(z) in kN/m2 (EN 1991-1-4, 4.5) for terrain index 0..3,
// coast distance d in km, height z in m, orography factor c0 and peak factor kp.
[[nodiscard]] double PeakHastTryk(int terraen, double afstand, double z, double c0, double kp);

// Characteristic point load in kN: 'A' 1.5, 'Z' 2.0. Any other code shows
// "Ugyldig punktlastplacering: <c>. Skal være A eller Z." and gives 1000.
[[nodiscard]] double Punktlast(char placering, Meddelelser& meddelelser);

[[nodiscard]] double MindsteReel(double a, double b);
[[nodiscard]] double StoersteReel(double a, double b);
[[nodiscard]] int MindsteHeltal(int a, int b);
void OmbytReelle(double& a, double& b);

} // namespace taglo
