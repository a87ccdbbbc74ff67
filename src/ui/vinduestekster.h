// The texts of the main window's input controls, as tables in tab order.
#pragma once

#include <array>
#include <string_view>

namespace taglo::vindue
{

// One number field: the edit control's name, its label (lines split by '\n'), the unit
// label, the text it shows before a project is read, and its hint. `ledetekstHint` is
// the label's own hint where it is not the field's hint with the help tab's caption.
struct Talfelt
{
    std::string_view navn;
    std::string_view ledetekst;
    std::string_view enhed;
    std::string_view designtekst;
    std::string_view hint;
    std::string_view ledetekstHint = {};
};

inline constexpr std::array<Talfelt, 5> kTvaersnitsmaal{{
    {"EditHusBr", "Husbredde", "m", "",
     "Afstanden mellem facadernes ydersider. Se evt. fanebladet \"Hjælp, tværsnit\""},
    {"EditFacHjd", "Facadehøjde", "m", "",
     "Målt fra terræn til tagets overside i facadeflugten. Se evt. fanebladet \"Hjælp, "
     "tværsnit\""},
    {"EditTagVink", "Tagvinkel", "grader", "",
     "Tagfladens vinkel med vandret. Se evt. fanebladet \"Hjælp, tværsnit\""},
    {"EditLegteAfst", "Normal lægteafstand (skrå)", "m", "",
     "Den indbyrdes afstand mellem lægterne, målt i tagfladens retning. Se evt. fanebladet "
     "\"Hjælp, tværsnit\""},
    // The doubling choice stands here in the tab order; see kDublLegterEfter.
    {"EditFacUdh", "Facadeudhæng", "m", "",
     "Målt vandret fra facadens yderside til tagkanten. Se evt. fanebladet \"Hjælp, "
     "tværsnit\""},
}};
// The doubling choice follows this many fields of the cross-section group.
inline constexpr int kDublLegterEfter = 4;

inline constexpr std::array<Talfelt, 5> kLaengdemaal{{
    {"EditHusLn", "Huslængde", "m", "",
     "Afstanden mellem gavlenes ydersider. Se evt. fanebladet \"Hjælp, længdesnit\""},
    {"EditNormalSpaerAfst", "Normalspærafstand nsa", "m", "",
     "Afstanden mellem normalspær = normal spændvidde for lægter. Se fanebladet \"Hjælp, "
     "længdesnit\""},
    {"EditGavlSpaerAfst", "Gavlspærafstand gsa", "m", "",
     "Afstanden fra gavlspær til første normalspær. Se fanebladet \"Hjælp, længdesnit\""},
    {"EditGavlspaerIndrykn", "Gavlspærindrykning gsi", "m", "",
     "Se fanebladet \"Hjælp, længdesnit\". For træbeklædt gavl: ofte 0. For muret gavl: ofte "
     "ca. 0,4 m.",
     "Se fanebladet \"Hjælp, Længde\". For træbeklædt gavl: ofte 0. For muret gavl: ofte ca. "
     "0,5 m."},
    {"EditGavlUdh", "Gavludhæng guh", "m", "",
     "Målt vandret fra gavlens yderside til vindskeden (lægteenden). Se fanebladet \"Hjælp, "
     "længdesnit\""},
}};

inline constexpr std::array<Talfelt, 2> kLaegtemaal{{
    {"EditLegteHojde", "Højde", "mm", "        38",
     "Lægtehøjden måles vinkelret på tagfladen. Se evt. fanebladet \"Hjælp, tværsnit\""},
    {"EditLegteBredde", "Bredde", "mm", "        73",
     "Lægtebredden måles parallelt med tagfladen. Se evt. fanebladet \"Hjælp, tværsnit\""},
}};

inline constexpr std::array<Talfelt, 2> kForbindelse{{
    {"EditAlisteTykkelse", "Tykkelse af afstandsliste", "mm", "",
     "Afstandslisten løfter lægterne fra undertaget, så vand og snavs kan løbe frit ned ad "
     "undertaget. Hvis der ikke er undertag og afstandslister, skrives \"0\""},
    {"EditUtagtykkelse", "Tykkelse af undertag", "mm", "",
     "Hvis der ikke er undertag og afstandslister, skrives \"0\""},
}};

inline constexpr Talfelt kTagTyng{"EditTagTyng", "Egenvægt tagdækning", "kg/m2", "",
                                  "Se evt. eksempler i brugervejledningen"};
inline constexpr Talfelt kAfstVesterhav{
    "EditAfstVesterhav", "Afstand Vesterhavet/Ringkøb. Fjord\n(Vindlast)", "km", "        25",
    "Hvis afstanden er større end 25 km kan der skrives et vilkårligt tal større end eller lig "
    "25"};
inline constexpr Talfelt kSneFormFak{"EditSneFormFak", "Karak. last", "kg/m2", "", ""};

// One text field of the project identification: name, label, design text, capacity.
struct Tekstfelt
{
    std::string_view navn;
    std::string_view ledetekst;
    std::string_view designtekst;
    int kapacitet = 0;
};

inline constexpr std::array<Tekstfelt, 4> kProjektIdentifikation{{
    {"EditFirmanavn", "Firmanavn", "Skriv firmanavn her", 70},
    {"EditProjektnavn", "Projektnavn", "Skriv projektnavn her", 70},
    {"EditBygningsdel", "Byggeafsnit, bygningsdel etc.", "Skriv bygningsdel her", 70},
    {"EditMedarb", "Medarbejder", "Skriv dit eget navn her", 30},
}};

inline constexpr std::string_view kVejledningInddata1 =
    R"(Vejledning: Udfyld "Inddata" og "Specielle valg". Tjek evt. i "Inddatakontrol" .)";
inline constexpr std::string_view kVejledningInddata2 =
    "Kig derefter i \"Beregningsresultat\" og evt. i \"Sømforbindelse\".";
inline constexpr std::string_view kVejledningSpecielle1 =
    "Vejledning: Normalt anbefales brug af standardværdierne (markeret med #).";
inline constexpr std::string_view kVejledningSpecielle2 =
    "Avancerede brugere kan dog her vælge alternative muligheder.";
inline constexpr std::string_view kTilbageTilInddata =
    "Klik på inddata-fanen eller menuen Funktioner / Inddata for at vende tilbage";

inline constexpr std::string_view kAfstandInfo = "Hvis afstanden er mindre end\n"
                                                 "25 km: skriv den aktuelle afstand.\n"
                                                 "Ellers: skriv \"25\" eller et større tal.";
inline constexpr std::string_view kSneInfo =
    "Normal værdi gælder for fritliggende bygning med den\n"
    "angivne tagvinkel og normale læforhold.\n"
    "Forhøjet værdi vælges når sneophobning og/eller \n"
    "nedglidning fra et højere tag kan forekomme.\n"
    "Værdien findes vha. NA til EN 1991-1-3 \n"
    "og indtastes i feltet \"Karak. last\".";
inline constexpr std::string_view kSikklInfo = "Taglægter kan normalt reg-\n"
                                               "nes i lav konsekvensklasse";
inline constexpr std::string_view kCvArealInfo = "Normalt anvendes 10 m2 -\n"
                                                 "værdier for lægter. \n"
                                                 "Det forudsætter at lægte-\n"
                                                 "enderne er forbundne \n"
                                                 "indbyrdes, så vindlastspidser \n"
                                                 "kan udjævnes.\n"
                                                 "Se SKRIFT 12, side 20.";
inline constexpr std::string_view kNormgrundlag =
    "Normgrundlag: Eurocodes med danske NA'er pr april 2014";
inline constexpr std::string_view kLogfilInfo =
    "Logfilen indeholder mellemresultater fra\n"
    "beregningen og tjener til kontrol af resultaterne.\n"
    "Den dannes, når resultatet beregnes, og du\n"
    "bliver da spurgt, hvor den skal gemmes.\n"
    "\"Begrænset\" giver nøgletallene for hvert\n"
    "lasttilfælde, \"Detaljeret\" desuden alle laster,\n"
    "reaktioner, momenter og spændinger.\n"
    "Logfilen er ikke beskrevet i brugervejledningen.\n"
    "Noterne i \"TagloModel.pdf\" er en hjælp til\n"
    "at læse den.";

} // namespace taglo::vindue
