#include "app/vindue.h"

#include <algorithm>
#include <utility>

namespace taglo
{

std::optional<Felt> FeltMedNavn(std::string_view navn)
{
    const auto* fundet =
        std::find_if(kFelter.begin(), kFelter.end(), [&](const auto& f) { return f.navn == navn; });
    return fundet != kFelter.end() ? std::optional(fundet->felt) : std::nullopt;
}

std::optional<Valg> ValgMedNavn(std::string_view navn)
{
    const auto* fundet =
        std::find_if(kValg.begin(), kValg.end(), [&](const auto& v) { return v.navn == navn; });
    return fundet != kValg.end() ? std::optional(fundet->valg) : std::nullopt;
}

std::optional<Fane> FaneMedNavn(std::string_view navn)
{
    const auto* fundet =
        std::find_if(kFaner.begin(), kFaner.end(), [&](const auto& f) { return f.navn == navn; });
    return fundet != kFaner.end() ? std::optional(fundet->fane) : std::nullopt;
}

TInddatafelter::TInddatafelter()
{
    Tekst(Felt::EditFirmanavn) = "Skriv firmanavn her";
    Tekst(Felt::EditProjektnavn) = "Skriv projektnavn her";
    Tekst(Felt::EditBygningsdel) = "Skriv bygningsdel her";
    Tekst(Felt::EditMedarb) = "Skriv dit eget navn her";
    Tekst(Felt::EditLegteHojde) = "        38";
    Tekst(Felt::EditLegteBredde) = "        73";
    Tekst(Felt::EditAfstVesterhav) = "        25";
    Indeks(Valg::RadioGroupTerrKat) = 1;
}

std::optional<std::string> TVindue::TagFokus()
{
    return std::exchange(Fokus, std::nullopt);
}

} // namespace taglo
