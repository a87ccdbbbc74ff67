#include "app/malemeddelelser.h"

namespace taglo
{

void MaleMeddelelser::send(Art art, std::string_view tekst)
{
    if (maler_)
    {
        venter_.emplace_back(art, std::string(tekst));
        return;
    }
    vis(art, tekst);
}

void MaleMeddelelser::vis(Art art, std::string_view tekst)
{
    switch (art)
    {
    case Art::Fejl:
        ud_.fejl(tekst);
        break;
    case Art::Advarsel:
        ud_.advarsel(tekst);
        break;
    case Art::Besked:
        ud_.besked(tekst);
        break;
    case Art::Fejldialog:
        ud_.fejldialog(tekst);
        break;
    }
}

void MaleMeddelelser::visVentende()
{
    auto ventende = std::exchange(venter_, {});
    if (ventende.empty() || ventende == vist_)
    {
        return;
    }
    vist_ = ventende;
    for (const auto& [art, tekst] : ventende)
    {
        vis(art, tekst);
    }
}

} // namespace taglo
