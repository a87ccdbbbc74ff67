#include "app/kontroltabeller.h"

#include <algorithm>
#include <cassert>

namespace taglo
{
namespace
{

template <class Tabel> auto MedNavn(const Tabel& tabel, std::string_view navn)
{
    const auto* fundet = std::find_if(tabel.begin(), tabel.end(),
                                      [&](const auto& raekke) { return raekke.navn == navn; });
    return fundet != tabel.end() ? fundet : nullptr;
}

} // namespace

std::optional<Felt> FeltMedNavn(std::string_view navn)
{
    const auto* raekke = MedNavn(kFelter, navn);
    return raekke != nullptr ? std::optional(raekke->felt) : std::nullopt;
}

std::optional<Valg> ValgMedNavn(std::string_view navn)
{
    const auto* raekke = MedNavn(kValg, navn);
    return raekke != nullptr ? std::optional(raekke->valg) : std::nullopt;
}

std::optional<Fane> FaneMedNavn(std::string_view navn)
{
    const auto* raekke = MedNavn(kFaner, navn);
    return raekke != nullptr ? std::optional(raekke->fane) : std::nullopt;
}

void GemFeltvaerdi(Felt felt, double vaerdi, TInddata& inddata)
{
    const FeltBeskrivelse& raekke = Beskrivelse(felt);
    // A number field has exactly one way into the inputs.
    assert(!raekke.decimaler || (raekke.gem != nullptr) != (raekke.tal != nullptr));
    if (raekke.gem != nullptr)
    {
        raekke.gem(inddata, vaerdi);
    }
    else if (raekke.tal != nullptr)
    {
        inddata.*raekke.tal = vaerdi;
    }
}

void GemValgt(Valg valg, int indeks, TInddata& inddata)
{
    const ValgBeskrivelse& raekke = Beskrivelse(valg);
    if (raekke.indeks != nullptr)
    {
        inddata.*raekke.indeks = indeks;
    }
    else
    {
        inddata.*raekke.foersteValgt = indeks == 0;
    }
}

} // namespace taglo
