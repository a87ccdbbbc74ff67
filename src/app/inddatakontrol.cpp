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

void GemFeltvaerdi(Felt felt, double vaerdi, TInddata& inddata)
{
    switch (felt)
    {
    case Felt::EditHusBr:
        inddata.HusBr = vaerdi;
        break;
    case Felt::EditFacHjd:
        inddata.FacHjd = vaerdi;
        break;
    case Felt::EditTagVink:
        inddata.TagVink = vaerdi;
        break;
    case Felt::EditLegteAfst:
        inddata.LegteAfst = vaerdi;
        break;
    case Felt::EditFacUdh:
        inddata.FacUdh = vaerdi;
        break;
    case Felt::EditHusLn:
        inddata.HusLn = vaerdi;
        break;
    case Felt::EditNormalSpaerAfst:
        inddata.NormalSpaerAfst = vaerdi;
        break;
    case Felt::EditGavlSpaerAfst:
        inddata.GavlspaerAfst = vaerdi;
        break;
    case Felt::EditGavlspaerIndrykn:
        inddata.GavlspaerIndrykn = vaerdi;
        break;
    case Felt::EditGavlUdh:
        inddata.GavlUdh = vaerdi;
        break;
    case Felt::EditLegteHojde:
        inddata.LegteHojde = vaerdi;
        break;
    case Felt::EditLegteBredde:
        inddata.LegteBredde = vaerdi;
        break;
    case Felt::EditAlisteTykkelse:
        inddata.AlisteTykkelse = vaerdi;
        break;
    case Felt::EditUtagtykkelse:
        inddata.UtagTykkelse = vaerdi;
        break;
    case Felt::EditTagTyng:
        inddata.TagTyng = vaerdi / 100.0;
        break;
    case Felt::EditAfstVesterhav:
        inddata.AfstVesterhav = vaerdi;
        break;
    case Felt::EditSneFormFak:
        inddata.SneFormFakForhojet = vaerdi;
        inddata.SneFormFak = vaerdi;
        break;
    case Felt::EditFirmanavn:
    case Felt::EditProjektnavn:
    case Felt::EditBygningsdel:
    case Felt::EditMedarb:
        break;
    }
}

} // namespace taglo
