// Load combinations of EN 1990 with the Danish annex (April 2014): partial factors,
// K_FI, the combination texts and the load-duration groups.
#pragma once

#include "core/meddelelser.h"

#include <array>
#include <string_view>

namespace taglo
{

// Display texts of combinations 1..10, indexed by combination - 1; combinations 11..13
// have none.
inline constexpr std::array<std::string_view, 10> LastKombTekst{{
    "K_FI 1,2 g",
    "1,0 g",
    "K_FI(1,0 g + 1,5 s)",
    "K_FI(1,0 g + 0,45 s)",
    "K_FI(1,0 g + 1,5 s + 0,45 w)",
    "K_FI(1,0 g + 1,5 w)",
    "K_FI(1,0 g + 0,45 s + 0,45 w)",
    "K_FI(1,0 g + 1,5 Q)",
    "0,9 g + K_FI 1,5 w",
    "1,0 g + 0,2 w (brand)",
}};

// The text of a combination, or an empty text outside 1..10.
[[nodiscard]] std::string_view LastKombinationTekst(int lastkomb);

// Column of the factor table for a contribution code: 'V'..'Y' 0 (g), 'O', 'P' 1 (s),
// '1', '2', 'B'..'N' 2 (w), 'Q'..'U' 3 (q), 'A', 'Z' 4 (Q); 5 and a message otherwise.
[[nodiscard]] int FindLastbidrag(char kode, Meddelelser& meddelelser);

// Design factor of a contribution code in combination 1..13 for consequence class
// 0 (CC1, K_FI 0.9), 1 (CC2, 1.0) or 2 (CC3, 1.1).
[[nodiscard]] double LastFaktor09(char kode, int lastkomb, int konsekvensklasse,
                                  Meddelelser& meddelelser);

// Load-duration group 0..5 of a combination; 0 and a message outside 1..13.
[[nodiscard]] int LastGruppeNummer98(int lastkomb, Meddelelser& meddelelser);

// Letter of the load-duration group of a combination: "-", "P", "L", "M", "K", "Ø", or
// "?" (UTF-8).
[[nodiscard]] std::string_view LastGruppeBogstav(int lastkomb, Meddelelser& meddelelser);

} // namespace taglo
