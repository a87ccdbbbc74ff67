#include "loads/trae.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace taglo
{
namespace
{

// Characteristic values of a strength class, N/mm2 (EN 338, EN 14080).
struct TStyrkeklasse
{
    double E0mean;
    double fmk;
    double fvk;
};

// The strength classes by class code: C14, C18, C24, C30, GL24c, GL28c, GL32c.
constexpr std::array<TStyrkeklasse, 7> kStyrkeklasser{{
    {7000.0, 14.0, 3.0},  // 0 C14
    {9000.0, 18.0, 3.4},  // 1 C18
    {11000.0, 24.0, 4.0}, // 2 C24
    {12000.0, 30.0, 4.0}, // 3 C30
    {11600.0, 24.0, 2.2}, // 4 GL24c
    {12600.0, 28.0, 2.7}, // 5 GL28c
    {13700.0, 32.0, 3.2}, // 6 GL32c
}};

// gamma_M by consequence class (rows CC1, CC2, CC3) and class code: 1.35 for structural
// timber, 1.3 for glued laminated timber (DK NA to EN 1995-1-1, 2014).
constexpr std::array<std::array<double, 7>, 3> kGammaM{{
    {1.35, 1.35, 1.35, 1.35, 1.3, 1.3, 1.3},
    {1.35, 1.35, 1.35, 1.35, 1.3, 1.3, 1.3},
    {1.35, 1.35, 1.35, 1.35, 1.3, 1.3, 1.3},
}};

// k_mod by service-class group (0: service classes 1 and 2, 1: service class 3) and
// load-duration column P, L, M, K, instantaneous, column 6 (EN 1995-1-1, table 3.1).
constexpr std::array<std::array<double, 6>, 2> kKmod{{
    {0.6, 0.7, 0.8, 0.9, 1.1, 1.0},
    {0.5, 0.55, 0.65, 0.7, 0.9, 1.0},
}};

// Service-class group of the service-class index 0..2.
constexpr std::array<std::size_t, 3> kAnvendelsesgruppe{0, 0, 1};

// Load-duration column 1..6 of load combinations 1..12.
constexpr std::array<std::size_t, 12> kLastvarighedKolonne{1, 3, 4, 4, 5, 5, 5, 5, 5, 6, 6, 6};

// An unknown class code or consequence class gets the weakest values the tables hold:
// the smallest strengths and stiffness of all classes and the largest gamma_M, so an
// unreadable class can never make a batten look stronger than any real one.
constexpr TStyrkeklasse SvagesteStyrkeklasse()
{
    TStyrkeklasse svageste = kStyrkeklasser[0];
    for (const auto& klasse : kStyrkeklasser)
    {
        svageste.E0mean = std::min(svageste.E0mean, klasse.E0mean);
        svageste.fmk = std::min(svageste.fmk, klasse.fmk);
        svageste.fvk = std::min(svageste.fvk, klasse.fvk);
    }
    return svageste;
}

constexpr double StoersteGammaM()
{
    double stoerste = 0.0;
    for (const auto& raekke : kGammaM)
    {
        for (const double gammaM : raekke)
        {
            stoerste = std::max(stoerste, gammaM);
        }
    }
    return stoerste;
}

} // namespace

TTraeVaerdier TraeVaerdier(int klassekode, int konsekvensklasse, Meddelelser& /*meddelelser*/)
{
    const bool kodeKendt = klassekode >= 0 && klassekode < static_cast<int>(kStyrkeklasser.size());
    const bool klasseKendt =
        konsekvensklasse >= 0 && konsekvensklasse < static_cast<int>(kGammaM.size());

    const TStyrkeklasse klasse =
        kodeKendt ? kStyrkeklasser[static_cast<std::size_t>(klassekode)] : SvagesteStyrkeklasse();
    double gammaM = StoersteGammaM();
    if (kodeKendt && klasseKendt)
    {
        gammaM = kGammaM[static_cast<std::size_t>(konsekvensklasse)]
                        [static_cast<std::size_t>(klassekode)];
    }
    else if (kodeKendt)
    {
        gammaM = 0.0;
        for (const auto& raekke : kGammaM)
        {
            gammaM = std::max(gammaM, raekke[static_cast<std::size_t>(klassekode)]);
        }
    }

    TTraeVaerdier vaerdier;
    vaerdier.fmk = klasse.fmk;
    vaerdier.fmkGammaM = klasse.fmk / gammaM;
    vaerdier.fvkGammaM = klasse.fvk / gammaM;
    vaerdier.E0mean = klasse.E0mean;
    vaerdier.GammaM = gammaM;
    return vaerdier;
}

double Kmod(int anvendelsesklasse, int lastkomb, Meddelelser& /*meddelelser*/)
{
    // An unknown service class counts as service class 3 and an unknown combination as
    // permanent load: the smallest k_mod of the table, the one that credits the timber
    // least.
    const std::size_t gruppe =
        anvendelsesklasse >= 0 && anvendelsesklasse < static_cast<int>(kAnvendelsesgruppe.size())
            ? kAnvendelsesgruppe[static_cast<std::size_t>(anvendelsesklasse)]
            : kKmod.size() - 1;
    const std::size_t kolonne =
        lastkomb >= 1 && lastkomb <= static_cast<int>(kLastvarighedKolonne.size())
            ? kLastvarighedKolonne[static_cast<std::size_t>(lastkomb - 1)]
            : 1;
    return kKmod[gruppe][kolonne - 1];
}

} // namespace taglo
