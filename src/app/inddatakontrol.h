// The checks of the number fields against the values stored in the inputs.
#pragma once

#include "app/kontroltabeller.h"
#include "core/inddata.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace taglo
{

// One check of a number field against the value stored in the inputs. A failing error
// check shows its message in the error box, shows the tab "Inddata" and puts the focus
// back into the field; a failing warning shows the warning box and nothing more. A check
// that compares the field with another (`parvis`) shows its message but lets the user go
// on, so that the two fields can be changed in either order; a calculation checks both
// again first.
struct TFeltKontrol
{
    Felt felt;
    bool (*afviser)(const TInddata&); // true when the stored value fails the check
    std::string_view besked;
    bool advarsel = false;
    bool parvis = false;
};

// Every check, by field in tab order and within a field in the order they run.
// The rafter cross-checks compare with the other field's value stored at that moment.
inline constexpr std::array<TFeltKontrol, 22> kFeltKontroller{{
    {Felt::EditHusBr, [](const TInddata& d) { return d.HusBr <= 0.0; },
     "Huskropbredden skal være positiv"},
    {Felt::EditFacHjd, [](const TInddata& d) { return d.FacHjd <= 0.0; },
     "Facadehøjden skal være positiv"},
    {Felt::EditTagVink, [](const TInddata& d) { return d.TagVink < 0.0 || d.TagVink > 75.0; },
     "Tagvinklen skal være mellem 0 og 75 grader"},
    {Felt::EditLegteAfst, [](const TInddata& d) { return d.LegteAfst <= 0.0; },
     "Lægteafstanden skal være positiv"},
    {Felt::EditLegteAfst, [](const TInddata& d) { return d.LegteAfst < 0.1; },
     "Mener du det? Lægteafstanden skal normalt være større", true},
    {Felt::EditFacUdh, [](const TInddata& d) { return d.FacUdh < 0.0; },
     "Facadeudhænget må ikke være negativt"},
    {Felt::EditHusLn, [](const TInddata& d) { return d.HusLn <= 0.0; },
     "Huskroplængden skal være positiv"},
    {Felt::EditNormalSpaerAfst, [](const TInddata& d) { return d.NormalSpaerAfst <= 0.0; },
     "Normalspærafstanden skal være positiv"},
    {Felt::EditNormalSpaerAfst,
     [](const TInddata& d) { return d.NormalSpaerAfst < d.GavlspaerAfst; },
     "Normalspærafstanden må ikke være mindre end gavlspærafstanden", false, true},
    {Felt::EditNormalSpaerAfst,
     [](const TInddata& d) { return d.NormalSpaerAfst < d.GavlspaerIndrykn; },
     "Normalspærafstanden må ikke være mindre end gavlspærindrykningen", false, true},
    {Felt::EditGavlSpaerAfst, [](const TInddata& d) { return d.GavlspaerAfst <= 0.0; },
     "Gavlspærafstanden skal være positiv"},
    {Felt::EditGavlSpaerAfst, [](const TInddata& d) { return d.GavlspaerAfst > d.NormalSpaerAfst; },
     "Gavlspærafstanden må ikke være større end normalspærafstanden", false, true},
    {Felt::EditGavlspaerIndrykn, [](const TInddata& d) { return d.GavlspaerIndrykn < 0.0; },
     "Gavlspærindrykningen må ikke være negativ"},
    {Felt::EditGavlspaerIndrykn,
     [](const TInddata& d) { return d.GavlspaerIndrykn > d.NormalSpaerAfst; },
     "Gavlspærindrykningen må ikke være større end normalspærafstanden", false, true},
    {Felt::EditGavlUdh, [](const TInddata& d) { return d.GavlUdh < 0.0; },
     "Gavludhænget må ikke være negativt"},
    {Felt::EditLegteHojde, [](const TInddata& d) { return d.LegteHojde <= 0.0; },
     "Lægtehøjden skal være positiv"},
    {Felt::EditLegteBredde, [](const TInddata& d) { return d.LegteBredde <= 0.0; },
     "Lægtebredden skal være positiv"},
    {Felt::EditAlisteTykkelse, [](const TInddata& d) { return d.AlisteTykkelse < 0.0; },
     "Afstandslistens tykkelse må ikke være negativ"},
    {Felt::EditUtagtykkelse, [](const TInddata& d) { return d.UtagTykkelse < 0.0; },
     "Undertagets tykkelse må ikke være negativ"},
    {Felt::EditTagTyng, [](const TInddata& d) { return d.TagTyng < 0.0; },
     "Tagdækningens egenvægt må ikke være negativ"},
    {Felt::EditAfstVesterhav, [](const TInddata& d) { return d.AfstVesterhav < 0.0; },
     "Afstand fra Vesterhavet ell Ringk. Fjord må ikke være negativ"},
    {Felt::EditSneFormFak, [](const TInddata& d) { return d.SneFormFakForhojet <= 0.0; },
     "Formfaktoren for snelast må ikke være nul eller negativ"},
}};

// The checks of one field that the stored inputs fail, in the order they run; errors
// and warnings both.
[[nodiscard]] std::vector<TFeltKontrol> AfvisteKontroller(Felt felt, const TInddata& inddata);

// The first error check, over all number fields in tab order, that the stored inputs
// fail; warnings do not count. The elevated snow form factor is checked only while it is
// the one in use ("Forhøjet"), the only time its field can be edited. Nothing when every
// stored input is acceptable.
[[nodiscard]] std::optional<TFeltKontrol> FoersteAfvisning(const TInddata& inddata);

} // namespace taglo
