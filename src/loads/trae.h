// Timber material data: strength classes (EN 338, EN 14080) and kmod (EN 1995-1-1 with
// the Danish annex, 2014).
#pragma once

#include "core/meddelelser.h"

namespace taglo
{

// Values of a strength class for a consequence class, N/mm2.
struct TTraeVaerdier
{
    double fmk = 0.0;       // f_m,k
    double fmkGammaM = 0.0; // f_m,k / gamma_M
    double fvkGammaM = 0.0; // f_v,k / gamma_M
    double E0mean = 0.0;    // E_0,mean
    double GammaM = 0.0;    // gamma_M
};

// TraeVaerdier: class code 0..6 (C14, C18, C24, C30, GL24c, GL28c, GL32c) and consequence
// class index 0..2.
[[nodiscard]] TTraeVaerdier TraeVaerdier(int klassekode, int konsekvensklasse, Meddelelser& meddelelser);

// Kmod: k_mod for service-class index 0..2 (0-based) and load combination 1..12.
[[nodiscard]] double Kmod(int anvendelsesklasse, int lastkomb, Meddelelser& meddelelser);

} // namespace taglo
