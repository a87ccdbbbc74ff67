#include "report/rapport.h"

#include "core/formater.h"
#include "core/taltekst.h"
#include "core/tekst.h"
#include "report/logfil.h"

#include <array>
#include <cassert>
#include <string_view>
#include <utility>

namespace taglo
{
namespace
{

// Header lines with the project identification are cut at this many characters.
constexpr std::size_t kHovedlinjeBredde = 89;

// Lines of the longest report: all sections, the gable-section block and the explanation.
constexpr std::size_t kRapportLinjerHoejst = 160;

// Indent of the governing case under a utilisation, and under a design uplift.
constexpr std::string_view kIndrykUdnyttelse = "             ";
constexpr std::string_view kIndrykTraek = "         ";

// Terrain categories by TerrKat, as they stand right-aligned in eleven characters.
constexpr std::array<std::string_view, 4> kTerraenTekster{"   I Hede   ", "  II Land   ",
                                                          " III Forstad", "  IV By   "};

// Strength classes by StyrkeKlasse, as the timber data treats them.
constexpr std::array<std::string_view, 3> kStyrkeklasser{"C18", "GL24c", "GL28c"};

// A nail whose withdrawal parameter is at most this (N/mm2) is smooth.
constexpr double kGlatSoemFax = 4.5;

// The fixed explanation of the report, after its heading.
constexpr auto kForklaring = std::to_array<std::string_view>({
    "DEFINITIONER",
    "- Forankret gavlspær: Se fanebladet \"Hjælp, Længde\". Kan også være",
    "  forankret gavltrekant eller forankret kronekasse, ",
    "  se SKRIFT 12 Taglægter, figur 10 og 12.",
    "- Gavludkragning = gavludhæng + gavlspærindrykning.",
    "  Normalt = afstanden fra lægteende til forankret gavlspær.",
    "- Gavlsektion = gavludkragning + gavlspærafstand = afstanden fra ",
    "  udhængsspær til 1. normalspær, se SKRIFT 12 Taglægter, figur 14 - 18.",
    "- Normalfag er de områder af taglægten, der spænder fra normalspær",
    "  til normalspær.",
    "",
    "RESULTAT",
    "Det er angivet om valgt lægtetværsnit og sømtype kan anvendes.",
    "Det er endvidere angivet om der er valgt dublerede lægter i gavlsektionen.",
    "For søm er angivet om der er forudsat direkte eller indirekte fastgørelse.",
    "Hvis afstandslistens tykkelse er under 32 mm, er der forudsat direkte",
    "fastgørelse, og ellers indirekte fastgørelse.",
    "- Direkte fastgørelse: Lægten sømmes direkte til spæret gennem",
    "  afstandsliste og undertag.",
    "- Indirekte fastgørelse: Afstandsliste min 32x45 mm sømmes fast til spæret",
    "  gennem undertaget. Senere sømmes lægten fast til afstandslisten.",
    "Det er angivet hvor mange søm der skal anvendes i normalspær og",
    "i forankret gavlspær.",
    "Ved indirekte fastgørelse er det nødvendige antal søm angivet som",
    "n x 2 søm, hvilket betyder n søm i hver af samlingerne afstands-",
    "liste/spær og lægte/afstandsliste.",
    "Ved dublerede lægter i gavlsektionen gælder sømantallet hver af lægterne.",
    "",
    "DETALJEREDE RESULTATER",
    "For normalfag og gavludkragning er igen angivet om lægtedimensionen er OK",
    "eller for lille, samt grundlaget herfor. Desuden er udnyttelsesgraden",
    "angivet svarende til en normmæssig beregning for vind- og/eller snelast",
    "(plus naturligvis egenlast) i farligste kombination samt for punktlast",
    "på farligste sted af en lægte over 3 normalfag.",
    "  Det er forudsat at der ikke er færdsel på udhænget, hvorfor punktlast",
    "ved gavludkragning ikke er undersøgt.",
    "OK angiver at ingen udnyttelsesgrader er over 100 %, eller at tilfældet",
    "er omfattet af Lægtetabel 2005, således at der kan tillades en højere",
    "udnyttelsesgrad for punktlast. Lægtetabel 2005 findes i SKRIFT 12 Taglægter,",
    "der også beskriver baggrunden.",
    "  I brugervejledningen findes definitioner på de anvendte lastkombinationer,",
    "vindtilfælde og punkter.",
    "  Vedrørende lægtefastgørelsen er sømforbindelsens regningsmæssige",
    "trækbæreevne samt den største regningsmæssige trækpåvirkning angivet.",
    "Den tilhørende lastkombination er også angivet.",
    "(Se også fanebladet Sømforbindelse)",
    "",
    "PRIMÆRE FORUDSÆTNINGER",
    "Her er de væsentlige inputdata udskrevet. Se også \"Andre forudsætninger\".",
    "Definitioner fremgår af fanebladene \"Hjælp, Tvær\" og \"Hjælp, Længde\".",
    "",
    "ANDRE FORUDSÆTNINGER",
    "Her er angivet det anvendte normgrundlag, inddata fra fanebladet \"Specielle",
    "valg\", detaljer om sømmets egenskaber, samt enkelte andre faste data.",
    "",
    "TIP",
    "Er lægtedimensionen for lille har man bl.a. følgende muligheder:",
    "- Lægtedimensionen øges.",
    "- Spær- og/eller lægteafstanden reduceres.",
    "- Lægterne i gavlsektionen (gavlfag + gavludkragning) dubleres.",
    "Kan sømtypen ikke anvendes har man bl.a. følgende muligheder: ",
    "- Bruge et længere søm eller søm med større diameter",
    "- Bruge et søm med mindre diameter, så der er plads til flere",
    "- Bruge indirekte fastgørelse eller dublere lægter i udhæng.",
    "Hvis man ønsker at undersøge direkte fastgørelse med en afstandsliste ",
    "der er 32 mm eller tykkere kan man i beregningen reducere afstands-",
    "listetykkelsen og forøge undertagstykkelsen tilsvarende.",
});

// RapportLinie: appends one line to the report.
void RapportLinie(Resultatliste& liste, std::string linje)
{
    liste.push_back(std::move(linje));
}

void RapportStreg(Resultatliste& liste)
{
    RapportLinie(liste, StregLinie(kStregBredde));
}

// The text of an index into a table, or the empty text for an index the table lacks.
template <std::size_t N>
std::string_view TekstForIndeks(const std::array<std::string_view, N>& tabel, std::int32_t indeks)
{
    return indeks >= 0 && static_cast<std::size_t>(indeks) < N
               ? tabel[static_cast<std::size_t>(indeks)]
               : std::string_view();
}

const TNailData& ValgtSoem(const TInddata& inddata)
{
    assert(inddata.NailData != nullptr && "the chosen nail always refers to a catalogue row");
    return *inddata.NailData;
}

std::string TilString(std::string_view tekst)
{
    return std::string(tekst);
}

} // namespace

std::string SoemGavlspaerTekst(const TInddata& inddata, const TResultater& resultater)
{
    return resultater.SoemGavlspaer + (inddata.DublLegter ? "(i hver lægte)" : "");
}

Resultatliste RapportHoved(const TInddata& inddata, std::string_view firmanavn,
                           const Tidspunkt& beregnet, const Regionalindstillinger& regional)
{
    Resultatliste liste;
    liste.reserve(kRapportLinjerHoejst);
    RapportStreg(liste);
    RapportLinie(liste, "TAGLO  *  Dimensionering af taglægter og sømforbindelser");
    RapportLinie(liste, "");
    RapportStreg(liste);
    RapportLinie(liste,
                 ForsteTegn("Firma:             " + TilString(firmanavn), kHovedlinjeBredde));
    RapportLinie(liste,
                 ForsteTegn("Sag/Projekt:       " + inddata.Projektnavn.str(), kHovedlinjeBredde));
    RapportLinie(liste,
                 ForsteTegn("Afsnit/Delprojekt: " + inddata.Bygningsdel.str(), kHovedlinjeBredde));
    RapportLinie(liste, "Beregnet:          " + FormaterTidspunkt(beregnet, regional) + " af " +
                            inddata.Medarb.str());
    RapportStreg(liste);
    return liste;
}

void RapportResultat(Resultatliste& liste, const TInddata& inddata, const TResultater& resultater,
                     const Regionalindstillinger& regional)
{
    RapportLinie(liste, "RESULTAT");
    // The section can be used only where the normal section, the gable section and the
    // gable overhang all carry their loads; otherwise a line says where it is too small.
    const TAnvendelighed anvendelig = Anvendelighed(resultater);
    const bool normalfagOK = resultater.NormalfagOK;
    const bool gavlOK = resultater.GavlfagOK && resultater.GavludkragningOK;
    if (anvendelig.Laegte)
    {
        RapportLinie(liste,
                     Formater(regional, "  Lægtetværsnittet H x B = %2.0f x %2.0f mm kan anvendes.",
                              inddata.LegteHojde, inddata.LegteBredde));
    }
    else
    {
        RapportLinie(liste,
                     Formater(regional,
                              "  Lægtetværsnittet H x B = %2.0f x %2.0f mm kan ikke anvendes.",
                              inddata.LegteHojde, inddata.LegteBredde));
        RapportLinie(liste, normalfagOK ? "  (Det er for lille i gavlfag)"
                            : gavlOK    ? "  (Det er for lille i normalfag)"
                                        : "  (Det er for lille både i normalfag og i gavlfag)");
    }
    RapportLinie(liste, inddata.DublLegter
                            ? "  Lægterne er forudsat dublerede i gavlsektionen."
                            : "  Lægterne er ikke forudsat dublerede i gavlsektionen.");

    // The nail type can be used only where both connections hold; the report gives no
    // reason when it cannot.
    RapportLinie(liste, Formater(regional,
                                 anvendelig.Soem ? "  Sømtypen \"%s\" kan anvendes."
                                                 : "  Sømtypen \"%s\" kan ikke anvendes.",
                                 ValgtSoem(inddata).Name));
    RapportLinie(liste, resultater.DirekteFastgoerelse
                            ? "  Direkte fastgørelse i spær."
                            : "  Indirekte fastgørelse via min 32 mm afstandslister.");
    RapportLinie(liste, "  Normalspær:         " + resultater.SoemNormalspaer);
    RapportLinie(liste, "  Forankret gavlspær: " + SoemGavlspaerTekst(inddata, resultater));
}

namespace
{

std::string Indrykket(std::string_view indryk, const std::string& tekst)
{
    return TilString(indryk) + tekst;
}

void DetaljerNormalfag(Resultatliste& liste, const TResultater& resultater,
                       const Regionalindstillinger& regional)
{
    RapportLinie(liste, "Normalfag: ");
    if (!resultater.NormalfagOK)
    {
        RapportLinie(liste, "  Lægtedimensionen er for lille. Den er IKKE dækket af lægte-");
        RapportLinie(liste, "  tabel 2005, og normmæssig eftervisning giver følgende resultat:");
    }
    else if (resultater.NormalfagTabel2005)
    {
        RapportLinie(liste,
                     "  Lægtedimensionen er OK da normalfaget er dækket af lægtetabel 2005.");
        RapportLinie(liste, "  Normmæssig eftervisning giver til orientering følgende resultat:");
    }
    else
    {
        RapportLinie(liste, "  Lægtedimensionen er OK. Den er IKKE dækket af lægtetabel 2005.");
        RapportLinie(liste, "  Normmæssig eftervisning er afgørende og giver følgende resultat:");
    }
    RapportLinie(liste, Formater(regional, "  Vind/sne:  Største udnyttelsesgrad: %3.0f %%   ",
                                 100.0 * resultater.UdnNormalfag));
    RapportLinie(liste, Indrykket(kIndrykUdnyttelse, resultater.TekstNormalfag));
    RapportLinie(liste, "             (K_FI er angivet under \"ANDRE FORUDSÆTNINGER\")");
    RapportLinie(liste, Formater(regional, "  Punktlast: Største udnyttelsesgrad: %3.0f %%   ",
                                 100.0 * resultater.UdnNormalfagPkt));
    RapportLinie(liste, Indrykket(kIndrykUdnyttelse, resultater.TekstNormalfagPkt));
}

// The gable section is expected to hold whenever the normal section does; when it does
// not, the report asks for the inputs and shows one decimal.
void DetaljerGavlfag(Resultatliste& liste, const TResultater& resultater,
                     const Regionalindstillinger& regional, std::string_view supportEmail)
{
    RapportLinie(liste, "Gavlfag:");
    RapportLinie(liste, "  Uventet resultat, lægtedimensionen er muligvis for lille");
    if (!supportEmail.empty())
    {
        RapportLinie(liste, "  Send gerne dine indputdata til " + TilString(supportEmail));
    }
    RapportLinie(liste, "  Normmæssig eftervisning giver følgende resultat:");
    RapportLinie(liste, Formater(regional, "  Vind/sne:  Største udnyttelsesgrad: %5.1f %%   ",
                                 100.0 * resultater.UdnGavlfag));
    RapportLinie(liste, Indrykket(kIndrykUdnyttelse, resultater.TekstGavlfag));
    RapportLinie(liste, Formater(regional, "  Punktlast: Største udnyttelsesgrad: %5.1f %%   ",
                                 100.0 * resultater.UdnGavlfagPkt));
    RapportLinie(liste, Indrykket(kIndrykUdnyttelse, resultater.TekstGavlfagPkt));
    RapportLinie(liste, "");
}

void DetaljerGavludkragning(Resultatliste& liste, const TInddata& inddata,
                            const TResultater& resultater, const Regionalindstillinger& regional)
{
    RapportLinie(liste, "Gavludkragning:");
    if (!resultater.GavludkragningOK)
    {
        RapportLinie(liste, "  Lægtedimensionen er for lille.");
    }
    else
    {
        RapportLinie(liste, inddata.DublLegter
                                ? "  Lægtedimensionen er OK når lægterne dubleres i gavlsektionen."
                                : "  Lægtedimensionen er OK.");
    }
    RapportLinie(liste, "  Normmæssig eftervisning er afgørende og giver følgende resultat:");
    RapportLinie(liste, Formater(regional, "  Vind/sne:  Største udnyttelsesgrad: %3.0f %%   ",
                                 100.0 * resultater.UdnGavludkragning));
    RapportLinie(liste, Indrykket(kIndrykUdnyttelse, resultater.TekstGavludkragning));
    RapportLinie(liste, "             (Der ses bort fra punktlast på gavludhænget).");
}

void DetaljerFastgoerelse(Resultatliste& liste, const TInddata& inddata,
                          const TResultater& resultater, const Regionalindstillinger& regional)
{
    RapportLinie(liste, "Lægtefastgørelse:");
    RapportLinie(liste,
                 Formater(regional,
                          resultater.DirekteFastgoerelse
                              ? "  Direkte fastgørelse. Der er plads til %1d søm i hver lægte."
                              : "  Indirekte fastgørelse. Der er plads til %1d søm i hver lægte.",
                          resultater.SoemPlads));
    RapportLinie(liste, "  Fastgørelse til normalspær: " + resultater.SoemNormalspaer);
    RapportLinie(liste, resultater.BaereevneNormalspaer);
    RapportLinie(liste, Formater(regional, "  Regningsmæssigt træk:    %.0n N   ",
                                 resultater.TraekNormalspaer));
    RapportLinie(liste, Indrykket(kIndrykTraek, resultater.TekstTraekNormalspaer));
    RapportLinie(liste, "  Fastgørelse til forankret gavlspær: " +
                            SoemGavlspaerTekst(inddata, resultater));
    RapportLinie(liste, resultater.BaereevneGavlspaer);
    RapportLinie(liste, Formater(regional, "  Regningsmæssigt træk:    %.0n N   ",
                                 resultater.TraekGavlspaer));
    RapportLinie(liste, Indrykket(kIndrykTraek, resultater.TekstTraekGavlspaer));
}

} // namespace

void RapportDetaljer(Resultatliste& liste, const TInddata& inddata, const TResultater& resultater,
                     const Regionalindstillinger& regional, std::string_view supportEmail)
{
    RapportStreg(liste);
    RapportLinie(liste, "DETALJEREDE RESULTATER");
    DetaljerNormalfag(liste, resultater, regional);
    if (!resultater.GavlfagOK)
    {
        DetaljerGavlfag(liste, resultater, regional, supportEmail);
    }
    DetaljerGavludkragning(liste, inddata, resultater, regional);
    DetaljerFastgoerelse(liste, inddata, resultater, regional);
}

void RapportPrimaere(Resultatliste& liste, const TInddata& inddata, const TAfledte& afledte,
                     const Regionalindstillinger& regional)
{
    RapportStreg(liste);
    RapportLinie(liste, "PRIMÆRE FORUDSÆTNINGER");
    RapportLinie(liste, "Bygningningens geometri        Tagdækning");
    RapportLinie(liste,
                 Formater(regional,
                          "  Husbredde:         %5.2f m     Egenlast af tagdækning: %5.2f kN/m2",
                          inddata.HusBr, inddata.TagTyng));
    RapportLinie(liste,
                 Formater(regional,
                          "  Facadehøjde:       %5.2f m     Afstandslistetykkelse:  %5.0f mm",
                          inddata.FacHjd, inddata.AlisteTykkelse));
    RapportLinie(liste,
                 Formater(regional,
                          "  Tagvinkel:         %5.0f °     Undertagstykkelse:      %5.0f mm",
                          inddata.TagVink, inddata.UtagTykkelse));
    RapportLinie(liste,
                 Formater(regional, "  Lægteafstand (c-c):%5.2f m   Vindlast", inddata.LegteAfst));
    RapportLinie(liste,
                 Formater(regional, "  Dublering af lægter:   %3s     Terrænkategori:        %11s",
                          std::string_view(inddata.DublLegter ? " ja" : "nej"),
                          TekstForIndeks(kTerraenTekster, inddata.TerrKat)));
    RapportLinie(liste,
                 Formater(regional, "  Facadeudhæng:      %5.2f m     Afstand fra Vesterhavet",
                          inddata.FacUdh));
    RapportLinie(liste,
                 Formater(regional,
                          "  Kiphøjde:          %5.2f m       eller Ringkøbing Fjord: %3.0f km",
                          afledte.KipHjd, inddata.AfstVesterhav));
    // The ground snow load is 1.0 kN/m2, so the form factor is the characteristic snow load.
    RapportLinie(liste,
                 Formater(regional,
                          "  Huslængde:         %5.2f m   Karakteristisk snelast:   %5.2f kN/m2",
                          inddata.HusLn, inddata.SneFormFak));
    RapportLinie(liste, Formater(regional, "  Normalspærafstand: %5.2f m                      (%s)",
                                 inddata.NormalSpaerAfst,
                                 inddata.NormSneFormFak ? "Normal værdi" : "Forhøjet værdi"));
    RapportLinie(liste, Formater(regional, "  Gavlspærafstand:   %5.2f m", inddata.GavlspaerAfst));
    RapportLinie(liste,
                 Formater(regional, "  Gavlspærindrykning:%5.2f m", inddata.GavlspaerIndrykn));
    RapportLinie(liste, Formater(regional, "  Gavludhæng:        %5.2f m", inddata.GavlUdh));
}

void RapportAndre(Resultatliste& liste, const TInddata& inddata,
                  const Regionalindstillinger& regional)
{
    RapportStreg(liste);
    RapportLinie(liste, "ANDRE FORUDSÆTNINGER");
    RapportLinie(liste, "Normudgaver: Last: EN1990 & EN1991 m. danske NA pr. april 2014");
    RapportLinie(liste, "             Træ:  EN1995+A1 m. danske NA pr. april 2014");
    RapportLinie(liste, "Vindlast, formfaktorer:");
    if (inddata.CvAreal)
    {
        RapportLinie(liste, "  Der regnes med 10 m2-værdier, hvilket forudsætter at lægteenderne");
        RapportLinie(liste, "  i udhænget er forbundet indbyrdes, se SKRIFT 12, side 20");
    }
    else
    {
        RapportLinie(liste, "  Der regnes med 1 m2-værdier");
    }
    RapportLinie(liste, "");
    RapportLinie(liste,
                 Formater(regional, "Styrkeklasse: %s                        Anvendelsesklasse 2; ",
                          TekstForIndeks(kStyrkeklasser, inddata.StyrkeKlasse)));
    // The load factors use K_FI 1.0 for CC2 and 0.9 for every other class index.
    RapportLinie(liste,
                 Formater(regional, "Konsekvensklasse: %s; ",
                          std::string_view(inddata.Sikkl == 1 ? "CC2 (medfører K_FI = 1,0)"
                                                              : "CC1 (medfører K_FI = 0,9)")));
    RapportLinie(liste, "");
    RapportLinie(liste, "Sømegenskaber:");
    const TNailData& soem = ValgtSoem(inddata);
    if (soem.fax <= kGlatSoemFax)
    {
        RapportLinie(
            liste,
            Formater(regional, "  Udtræksstyrke f_uk:            %4.1f MPa (Glat søm)", soem.fax));
    }
    else
    {
        RapportLinie(
            liste, Formater(regional,
                            "  Udtræksstyrke f_uk:     %4.1f MPa       Ringet længde:    %3.0f mm",
                            soem.fax, soem.ProfileLength));
    }
    RapportLinie(liste,
                 Formater(regional,
                          "  Gennemtræksstyrke f_hk: %4.1f MPa       Hoveddiam:       %4.1f mm",
                          soem.fhead, soem.HeadDiam));
    RapportLinie(liste, "");
}

void RapportForklaring(Resultatliste& liste)
{
    RapportStreg(liste);
    RapportLinie(liste, "FORKLARING");
    RapportStreg(liste);
    for (const std::string_view linje : kForklaring)
    {
        RapportLinie(liste, TilString(linje));
    }
}

Resultatliste SkrivRapport(const TInddata& inddata, const TAfledte& afledte,
                           const TResultater& resultater, TBeregning&& beregning, TLogliste& log,
                           const Rapportomgivelser& omgivelser)
{
    const Regionalindstillinger& regional = omgivelser.regional;
    const Tidspunkt beregnet = omgivelser.ur ? omgivelser.ur() : LokalTidNu();

    Resultatliste liste = RapportHoved(inddata, omgivelser.firmanavn, beregnet, regional);
    RapportResultat(liste, inddata, resultater, regional);
    RapportDetaljer(liste, inddata, resultater, regional, omgivelser.supportEmail);
    RapportPrimaere(liste, inddata, afledte, regional);
    RapportAndre(liste, inddata, regional);
    if (inddata.ForklaringMed)
    {
        RapportForklaring(liste);
    }
    FuldfoerLog(liste, log);

    // FrigivTilfaelde and FrigivKategori: the case list and the rankings end with the report.
    beregning = TBeregning{};
    return liste;
}

} // namespace taglo
