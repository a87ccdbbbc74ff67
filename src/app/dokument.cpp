#include "app/dokument.h"

#include "report/tidspunkt.h"

namespace taglo
{

TDokument DokumentAf(const TBeregningsresultat& beregning, const Regionalindstillinger& regional,
                     Meddelelser& meddelelser)
{
    const TInddata& inddata = beregning.Inddata;
    TDokument dokument;
    dokument.Titel = inddata.Projektnavn.str().empty() ? "Taglo" : inddata.Projektnavn.str();
    dokument.Firma = beregning.Firmanavn;
    dokument.Projekt = inddata.Projektnavn.str();
    dokument.Bygningsdel = inddata.Bygningsdel.str();
    dokument.Beregnet = FormaterTidspunkt(beregning.Beregnet, regional);
    dokument.Medarbejder = inddata.Medarb.str();
    dokument.Oprettet = SekunderSiden1970(beregning.Beregnet);
    dokument.Rapport = beregning.Resultatliste;
    dokument.Figurer = {
        {std::string(kSoemforbindelseOverskrift), beregning.NailTegning},
        {std::string(kTvaersnitOverskrift), TvaersnitAf(inddata, regional, meddelelser)},
        {std::string(kLaengdesnitOverskrift), LaengdesnitAf(inddata, regional, meddelelser)},
    };
    return dokument;
}

} // namespace taglo
