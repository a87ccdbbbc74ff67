// The texts of the input tabs that belong to no control: the guidance lines and the grey
// information texts. The controls' own texts are in their tables (app/kontroltabeller.h).
#pragma once

#include <string_view>

namespace taglo::vindue
{

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
