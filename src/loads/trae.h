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
// class index 0..2. Reports nothing. An unknown class code gives the weakest values of the
// table (smallest f_m,k, f_v,k and E_0,mean, largest gamma_M), an unknown consequence
// class the largest gamma_M of the class code.
[[nodiscard]] TTraeVaerdier TraeVaerdier(int klassekode, int konsekvensklasse,
                                         Meddelelser& meddelelser);

// Kmod: k_mod for service-class index 0..2 (0-based) and load combination 1..12. Reports
// nothing. An unknown service class counts as service class 3, an unknown combination as
// permanent load, so the result is never larger than a valid one.
[[nodiscard]] double Kmod(int anvendelsesklasse, int lastkomb, Meddelelser& meddelelser);

} // namespace taglo
