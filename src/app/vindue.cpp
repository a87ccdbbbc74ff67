#include "app/vindue.h"

#include <utility>

namespace taglo
{

TInddatafelter::TInddatafelter()
{
    for (const FeltBeskrivelse& felt : kFelter)
    {
        Tekst(felt.felt) = std::string(felt.designtekst);
    }
    for (const ValgBeskrivelse& valg : kValg)
    {
        Indeks(valg.valg) = valg.standard;
    }
}

std::optional<std::string> TVindue::TagFokus()
{
    return std::exchange(Fokus, std::nullopt);
}

} // namespace taglo
