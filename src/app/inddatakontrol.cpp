#include "app/inddatakontrol.h"

namespace taglo
{

std::vector<TFeltKontrol> AfvisteKontroller(Felt felt, const TInddata& inddata)
{
    std::vector<TFeltKontrol> afviste;
    for (const auto& kontrol : kFeltKontroller)
    {
        if (kontrol.felt == felt && kontrol.afviser(inddata))
        {
            afviste.push_back(kontrol);
        }
    }
    return afviste;
}

std::optional<TFeltKontrol> FoersteAfvisning(const TInddata& inddata)
{
    for (const auto& kontrol : kFeltKontroller)
    {
        const bool iBrug = kontrol.felt != Felt::EditSneFormFak || !inddata.NormSneFormFak;
        if (!kontrol.advarsel && iBrug && kontrol.afviser(inddata))
        {
            return kontrol;
        }
    }
    return std::nullopt;
}

} // namespace taglo
