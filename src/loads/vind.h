// Wind: the 24 wind cases, the roof, overhang and internal zones as rectangles in plan,
// and the external pressure coefficients (EN 1991-1-4, 7.2 with the Danish annex).
#pragma once

#include "core/meddelelser.h"

#include <array>
#include <string_view>

namespace taglo
{

// The texts of the wind cases 'a'..'x', indexed by case - 'a' (UTF-8).
inline constexpr std::array<std::string_view, 24> VindTilfTekst{{
    "Vind fra V, tryk begge tagflader, sug indvendigt, sug begge gavludhæng",
    "Vind fra V, sug begge tagflader, tryk indvendigt, nul-tryk gavludhæng B",
    "Vind fra V, sug begge tagflader, tryk indvendigt, nul-tryk gavludhæng L",
    "Vind fra V, tryk vest-, sug øst-tagflade, tryk indv., nul-tryk gavludh. B",
    "Vind fra V, tryk vest-, sug øst-tagflade, tryk indv., nul-tryk gavludh. L",
    "Vind fra V, tryk vest-, sug øst-tagflade, sug indv., sug begge gavludhæng",
    "Vind fra V, sug vest-, tryk øst-tagflade, tryk indv., nul-tryk gavludh. B",
    "Vind fra V, sug vest-, tryk øst-tagflade, tryk indv., nul-tryk gavludh. L",
    "Vind fra V, sug vest-, tryk øst-tagflade, sug indv., sug begge gavludhæng",
    "Vind fra N, tryk begge tagflader, sug indvendigt, sug begge facadeudhæng",
    "Vind fra N, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng B",
    "Vind fra N, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng L",
    "Vind fra Ø, tryk begge tagflader, sug indvendigt, sug begge gavludhæng",
    "Vind fra Ø, sug begge tagflader, tryk indvendigt, nul-tryk gavludhæng B",
    "Vind fra Ø, sug begge tagflader, tryk indvendigt, nul-tryk gavludhæng L",
    "Vind fra Ø, tryk øst-, sug vest-tagflade, tryk indv., nul-tryk gavludh. B",
    "Vind fra Ø, tryk øst-, sug vest-tagflade, tryk indv., nul-tryk gavludh. L",
    "Vind fra Ø, tryk øst-, sug vest-tagflade, sug indv., sug begge gavludhæng",
    "Vind fra Ø, sug øst-, tryk vest-tagflade, tryk indv., nul-tryk gavludh. B",
    "Vind fra Ø, sug øst-, tryk vest-tagflade, tryk indv., nul-tryk gavludh. L",
    "Vind fra Ø, sug øst-, tryk vest-tagflade, sug indv., sug begge gavludhæng",
    "Vind fra S, tryk begge tagflader, sug indvendigt, sug begge facadeudhæng",
    "Vind fra S, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng B",
    "Vind fra S, sug begge tagflader, tryk indvendigt, nul-tryk facadeudhæng L",
}};

// The text of a wind case, or an empty text for a letter outside 'a'..'x'.
[[nodiscard]] std::string_view VindTilfaeldeTekst(char vindtilf);

// Direction group of a wind case: 'a'..'i' 1 (W), 'j'..'l' 0 (N), 'm'..'u' 3 (E),
// 'v'..'x' 2 (S); any other letter 1.
[[nodiscard]] int VindRetning(char vindtilf);

// 1 when the zone 'B'..'N' is loaded by suction in the wind case, 0 for pressure.
// Reports an invalid zone (result pressure) or case (the lookup goes on).
[[nodiscard]] int TrykSugTilf98(char omraade, char vindtilf, Meddelelser& meddelelser);

// A zone's rectangle in plan, m: x across the ridge from the west roof edge, y along it
// from the south roof edge. All zero when the zone does not exist for the case.
struct TOmraade
{
    double x1 = 0.0;
    double x2 = 0.0;
    double y1 = 0.0;
    double y2 = 0.0;
};

// VindlastOmraade09: the rectangle of zone 'B'..'N' in wind case 'a'..'x'. Reports
// invalid arguments in the order KipHjd, HusBr, HusLn, FacUdh, GavlUdh, VaegTykkelse,
// zone, case, and goes on.
[[nodiscard]] TOmraade VindlastOmraade09(char omraade, char vindtilf, double KipHjd, double HusBr,
                                         double HusLn, double FacUdh, double GavlUdh,
                                         double VaegTykkelse, Meddelelser& meddelelser);

// VindFormfaktor: the external pressure coefficient of a zone in a wind case; positive for
// pressure, negative for suction, 0 when the table's value has the wrong sign for the case.
// `cvAreal` true: coefficients for 10 m2, false: for 1 m2.
[[nodiscard]] double VindFormfaktor(char omraade, char vindtilf, double TagVink, bool cvAreal,
                                    double KipHjd, double HusBr, double HusLn,
                                    Meddelelser& meddelelser);

// Overlapning: the length common to [a1, a2] and [b1, b2] (each pair ordered first);
// 0 when they are disjoint or only touch.
[[nodiscard]] double Overlapning(double a1, double a2, double b1, double b2);

} // namespace taglo
