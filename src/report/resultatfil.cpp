#include "report/resultatfil.h"

#include "core/tekstfil.h"

namespace taglo
{

FilDialog ResultatDialog()
{
    return {"Gem resultat", "Tekstfil (*.txt)|*.txt", "txt"};
}

bool GemResultat(const std::string& sti, const std::vector<std::string>& rapport,
                 Meddelelser& meddelelser)
{
    const auto fejl = GemTekstfil(sti, rapport);
    if (fejl.has_value())
    {
        meddelelser.besked("Kan ikke gemme resultatet under det anførte navn\r\n" + fejl->art +
                           "\r\n" + fejl->besked);
        return false;
    }
    return true;
}

} // namespace taglo
