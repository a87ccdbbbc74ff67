#include "report/logfil.h"

#include "core/tekstfil.h"

#include <cstddef>

namespace taglo
{

FilDialog LogfilDialog()
{
    return {"Gem logfil", "Tekstfil (*.log)|*.log", "log"};
}

void FuldfoerLog(const std::vector<std::string>& rapport, TLogliste& log)
{
    if (!log.findes())
    {
        return;
    }
    auto& linjer = log.linjer();
    const auto n = static_cast<std::ptrdiff_t>(rapport.size());
    linjer.insert(linjer.begin(), rapport.begin(), rapport.end());
    linjer.insert(linjer.begin() + n, {std::string(), std::string("DETALJER")});
}

void GemLogfil(const TLogliste& log, Dialoger& dialoger, Meddelelser& meddelelser)
{
    if (!log.findes())
    {
        return;
    }
    if (const auto sti = dialoger.gemFil(LogfilDialog()))
    {
        GemLogfil(*sti, log, meddelelser);
    }
}

bool GemLogfil(const std::string& sti, const TLogliste& log, Meddelelser& meddelelser)
{
    if (GemTekstfil(sti, log.linjer()).has_value())
    {
        meddelelser.fejldialog("Kan ikke gemme logfilen under det anførte navn");
        return false;
    }
    return true;
}

} // namespace taglo
