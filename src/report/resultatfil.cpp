#include "report/resultatfil.h"

#include "core/tekstfil.h"

#include <optional>

namespace taglo
{
namespace
{

// Shows why the result could not be saved; true when it was.
bool Gemt(const std::optional<Gemmefejl>& fejl, Meddelelser& meddelelser)
{
    if (fejl.has_value())
    {
        meddelelser.besked("Kan ikke gemme resultatet under det anførte navn\r\n" + fejl->art +
                           "\r\n" + fejl->besked);
        return false;
    }
    return true;
}

} // namespace

FilDialog ResultatDialog()
{
    return {"Gem resultat", "Tekstfil (*.txt)|*.txt", "txt"};
}

bool GemResultat(const std::string& sti, const std::vector<std::string>& rapport,
                 Meddelelser& meddelelser)
{
    return Gemt(GemTekstfil(sti, rapport), meddelelser);
}

FilDialog PdfDialog()
{
    return {"Gem som PDF", "PDF-dokument (*.pdf)|*.pdf", "pdf"};
}

bool GemPdf(const std::string& sti, std::string_view pdf, Meddelelser& meddelelser)
{
    return Gemt(GemFil(sti, pdf), meddelelser);
}

} // namespace taglo
