#include "loads/lastkombination.h"

#include "core/formater.h"
#include "core/regional.h"
#include "core/tekst.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

namespace taglo
{
namespace
{

// To which contributions of a combination the consequence-class factor K_FI applies.
enum class KFI
{
    alle,
    alleUndtagenG,
    ingen,
};

// One load combination: the factors of g, s, w, q and Q before K_FI, where K_FI
// applies, and the load-duration group.
struct TLastkombination
{
    std::array<double, 5> faktor;
    KFI kfi;
    int lastgruppe;
};

// EN 1990 with the Danish annex (April 2014), combinations 1..13.
constexpr std::array<TLastkombination, 13> kLastkombinationer{{
    //   g     s     w     q     Q
    {{1.2, 0.0, 0.0, 0.0, 0.0}, KFI::alle, 1},          // 1
    {{1.0, 0.0, 0.0, 1.5, 0.0}, KFI::alle, 3},          // 2
    {{1.0, 1.5, 0.0, 0.75, 0.0}, KFI::alle, 4},         // 3
    {{1.0, 0.45, 0.0, 1.5, 0.0}, KFI::alle, 4},         // 4
    {{1.0, 1.5, 0.45, 0.75, 0.0}, KFI::alle, 5},        // 5
    {{1.0, 0.0, 1.5, 0.75, 0.0}, KFI::alle, 5},         // 6
    {{1.0, 0.45, 0.45, 1.5, 0.0}, KFI::alle, 5},        // 7
    {{1.0, 0.0, 0.0, 0.0, 1.5}, KFI::alle, 5},          // 8
    {{0.9, 0.0, 1.5, 0.0, 0.0}, KFI::alleUndtagenG, 5}, // 9
    {{1.0, 0.0, 0.2, 0.2, 0.0}, KFI::ingen, 0},         // 10, accidental (fire)
    {{1.0, 0.2, 0.0, 0.2, 0.0}, KFI::ingen, 0},         // 11
    {{1.0, 0.0, 0.0, 0.0, 0.0}, KFI::ingen, 0},         // 12
    {{0.0, 1.0, 0.0, 0.0, 0.0}, KFI::ingen, 0},         // 13
}};

// Letters of the load-duration groups 0..5 (UTF-8).
constexpr std::array<std::string_view, 6> kLastgruppeBogstav{"-", "P", "L", "M", "K", "Ø"};

// Columns of the factor table and the contribution codes that address them.
struct TLastbidrag
{
    std::string_view koder;
    int kolonne;
};
constexpr std::array<TLastbidrag, 5> kLastbidrag{{
    {"VWXY", 0},            // g, permanent load
    {"OP", 1},              // s, snow
    {"12BCDEFGHIJKLMN", 2}, // w, wind
    {"QRSTU", 3},           // q, imposed load
    {"AZ", 4},              // Q, point load
}};
constexpr int kUgyldigtLastbidrag = 5;

constexpr int kFoersteKomb = 1;
constexpr int kSidsteKomb = static_cast<int>(kLastkombinationer.size());

// K_FI by consequence class: 0 (CC1) 0.9, 2 (CC3) 1.1, otherwise 1.0.
constexpr double KFIFaktor(int konsekvensklasse)
{
    if (konsekvensklasse == 2)
    {
        return 1.1;
    }
    if (konsekvensklasse == 0)
    {
        return 0.9;
    }
    return 1.0;
}

// The design factor of column 0..4 in combination 1..13.
constexpr double Designfaktor(int lastkomb, int kolonne, double kFI)
{
    const TLastkombination& komb = kLastkombinationer[static_cast<std::size_t>(lastkomb - 1)];
    const double faktor = komb.faktor[static_cast<std::size_t>(kolonne)];
    const bool medKFI = komb.kfi == KFI::alle || (komb.kfi == KFI::alleUndtagenG && kolonne != 0);
    return medKFI ? faktor * kFI : faktor;
}

// A character of a code as UTF-8, whatever byte it is.
std::string TegnTekst(char tegn)
{
    return FraWindows1252(std::string_view(&tegn, 1));
}

} // namespace

std::string_view LastKombinationTekst(int lastkomb)
{
    if (lastkomb < 1 || lastkomb > static_cast<int>(LastKombTekst.size()))
    {
        return {};
    }
    return LastKombTekst[static_cast<std::size_t>(lastkomb - 1)];
}

int FindLastbidrag(char kode, Meddelelser& meddelelser)
{
    for (const auto& bidrag : kLastbidrag)
    {
        if (bidrag.koder.find(kode) != std::string_view::npos)
        {
            return bidrag.kolonne;
        }
    }
    meddelelser.fejl("function FindLastbidrag: Omraade " + TegnTekst(kode) + " er ugyldigt.");
    return kUgyldigtLastbidrag;
}

double LastFaktor09(char kode, int lastkomb, int konsekvensklasse, Meddelelser& meddelelser)
{
    const bool kombGyldig = lastkomb >= kFoersteKomb && lastkomb <= kSidsteKomb;
    if (!kombGyldig)
    {
        meddelelser.fejl(Formater(Regionalindstillinger::Engelsk(),
                                  "function LastFaktor09: Ugyldig lastkombination: %d. Skal være "
                                  "fra 1 til 13.",
                                  lastkomb));
    }
    const double kFI = KFIFaktor(konsekvensklasse);
    const int kolonne = FindLastbidrag(kode, meddelelser);
    const bool kolonneGyldig = kolonne != kUgyldigtLastbidrag;
    if (kombGyldig && kolonneGyldig)
    {
        return Designfaktor(lastkomb, kolonne, kFI);
    }

    // An unknown combination or contribution has no factor of its own: it gets the largest
    // factor among those it could be, so it is never taken lighter than any real
    // combination would take it (0 would drop the load).
    const int fraKomb = kombGyldig ? lastkomb : kFoersteKomb;
    const int tilKomb = kombGyldig ? lastkomb : kSidsteKomb;
    const int fraKolonne = kolonneGyldig ? kolonne : 0;
    const int tilKolonne = kolonneGyldig ? kolonne : kUgyldigtLastbidrag - 1;
    double stoerste = 0.0;
    for (int komb = fraKomb; komb <= tilKomb; ++komb)
    {
        for (int k = fraKolonne; k <= tilKolonne; ++k)
        {
            stoerste = std::max(stoerste, Designfaktor(komb, k, kFI));
        }
    }
    return stoerste;
}

int LastGruppeNummer98(int lastkomb, Meddelelser& meddelelser)
{
    if (lastkomb < kFoersteKomb || lastkomb > kSidsteKomb)
    {
        meddelelser.fejl(Formater(Regionalindstillinger::Engelsk(),
                                  "function LastGruppeNummer98: Ugyldig LastKomb: %d", lastkomb));
        return 0;
    }
    return kLastkombinationer[static_cast<std::size_t>(lastkomb - 1)].lastgruppe;
}

std::string_view LastGruppeBogstav(int lastkomb, Meddelelser& meddelelser)
{
    const int gruppe = LastGruppeNummer98(lastkomb, meddelelser);
    if (gruppe < 0 || gruppe >= static_cast<int>(kLastgruppeBogstav.size()))
    {
        return "?";
    }
    return kLastgruppeBogstav[static_cast<std::size_t>(gruppe)];
}

} // namespace taglo
