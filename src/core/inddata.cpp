#include "core/inddata.h"

#include <algorithm>

namespace taglo
{

void VaelgSoem(TInddata& inddata, int indeks)
{
    const int raekke = std::clamp(indeks, 0, static_cast<int>(kSoemKatalog.size()) - 1);
    inddata.Nail = raekke;
    inddata.NailData = &kSoemKatalog[static_cast<std::size_t>(raekke)];
}

double NormalSneFormFaktor(double tagvinkel)
{
    if (tagvinkel >= 0.0 && tagvinkel <= 30.0)
    {
        return 0.8;
    }
    if (tagvinkel > 30.0 && tagvinkel <= 60.0)
    {
        return 0.8 * (60.0 - tagvinkel) / 30.0;
    }
    return 0.0;
}

} // namespace taglo
