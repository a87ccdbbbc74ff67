#include "eksempler.h"

#include "core/formater.h"
#include "core/inddata.h"
#include "core/regional.h"
#include "core/soemkatalog.h"
#include "engine/bjaelke.h"
#include "engine/resultater.h"
#include "engine/soem.h"
#include "loads/afledte.h"
#include "loads/lastkombination.h"
#include "loads/vind.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace taglo::verifikation
{
namespace
{

constexpr std::array<std::string_view, 13> kKilder{
    "Steel Buildings in Europe: Single-Storey Steel Buildings, Part 3: Actions, bilag B "
    "\"Worked Example: Wind action on a single-storey building\". "
    "https://infosteel.be/images/Steel-Buildings-in-Europe/SSB03/57",
    "Samme vejledning, bilag A \"Worked Example: Snow load applied on a single-storey "
    "building\". https://infosteel.be/images/Steel-Buildings-in-Europe/SSB03/49",
    "Proektsoft: eksempelregneark til Calcpad efter EN 1991-1-4, \"Wind Load for Rectangular "
    "Building with Duopitch Roof\". https://studylib.net/doc/25969297/wind-load-ec2",
    "Regneark \"Duo Pitch Roof\" for vindlast på saddeltag, taghældning 6,84°. "
    "https://www.scribd.com/document/349286195/Duo-Pitch-Roof",
    "Piping Designer: \"Three Span Continuous Beam - Equal Spans, Uniformly Distributed "
    "Load\" (diagram cb4s 1A). https://piping-designer.com/disciplines/civil/structural/"
    "2403-three-span-continuous-beam-equal-spans-uniformly-distributed-load",
    "Piping Designer: \"Simple Beam - Uniformly Distributed Load\" (diagram sb 1EA). "
    "https://piping-designer.com/index.php/disciplines/civil/structural/"
    "2351-simple-beam-uniformaly-distributed-load",
    "\"Load Combination tables From the Eurocode\": uddrag af Eurocode 0 og det danske "
    "nationale anneks, lastkombinationer STR/GEO. "
    "https://www.scribd.com/document/634559613",
    "Svenskt Trä: TräGuiden, Beräkningsexempel, Bostadshus, \"Skråspikning\" (2003, "
    "opdateret 2019). https://traguiden.se/konstruktion/dimensionering/berakningsexempel/"
    "bostadshus/skraspikning",
    "P. Vasilev: \"Calculation of wind peak velocity pressure - Eurocode 1\", projekt "
    "Wienerberger (2021), beregningsudskrift efter EN 1991-1-4:2005+A1:2010 afsnit 4. "
    "https://www.scribd.com/document/538539973/"
    "Calculation-of-wind-peak-velocity-pressure-Eurocode-1",
    "Aalborg Universitet (it.civil.aau.dk): projektrapport, bilag K, afsnittet om vindtryk "
    "med tabel K.3.1. "
    "https://www.yumpu.com/da/document/view/31441706/"
    "indholdsfortegnelse-k1-indledning-itcivilaaudk/14",
    "Teknikhandboken for plåtslageri: \"Snöbelastning\", tabel 7:8 og 7:9. "
    "https://plat.teknikhandboken.se/handboken/infastning-av-plat-i-olika-underlag/"
    "dimensionering-av-forband/snolast-3/",
    "Simpson Strong-Tie Danmark: \"Bæreevner\" (regningsmæssig bæreevne af "
    "træforbindelser). https://www.strongtie.dk/da-DK/artikler/baereevner",
    "Svenskt Trä: TräGuiden, Projektering av limträkonstruktioner, \"2.3.2 "
    "Lastvaraktighetsklasser\" (2017). "
    "https://www.traguiden.se/konstruktion/limtrakonstruktioner/projektering-av-"
    "limtrakonstruktioner/dimensionering-av-tra--och-limtrakonstruktioner/"
    "sardrag-limtra-fanertra-konstruktionsvirke/lastvaraktighetsklasser/",
};

// The distance from the North Sea coast at which the Danish annex gives the basic wind
// velocity vb (m/s): 27 m/s at the coast falling to 24 m/s 25 km inland.
constexpr double KystafstandFor(double vb)
{
    return 25.0 - (vb - 24.0) / 0.12;
}

// The roof pitch of the "Duo Pitch Roof" sheet, degrees: between the tabulated 5 and 15.
constexpr double kTagvinkelRegneark = 6.84;

// The coefficient of a roof zone at that pitch. Wind case 'b' has the wind across the ridge
// and suction on both slopes, 'k' the wind along the ridge with suction.
double Formfaktor(char omraade, char vindtilf, bool tiKvadratmeter, Meddelelser& m)
{
    // A ridge 6 m high on a house 10 x 23.34 m: zones F, G and H do not depend on them.
    return VindFormfaktor(omraade, vindtilf, kTagvinkelRegneark, tiKvadratmeter, 6.0, 10.0, 23.34,
                          m);
}

// The derived values of a roof of structural timber C18 in consequence class CC2 with the
// normal snow form factor of its pitch (degrees): snow load, k_mod and gamma_M of the nails.
TAfledte AfledteFor(double tagvinkel, Meddelelser& m)
{
    TInddata inddata;
    inddata.TagVink = tagvinkel;
    inddata.NormSneFormFak = true;
    inddata.SneFormFak = NormalSneFormFaktor(tagvinkel);
    inddata.StyrkeKlasse = 0;
    inddata.Sikkl = 1;
    return BeregnAfledte(inddata, m);
}

// The three equal spans under a downward load of 1 kN/m on spans of 1 m.
TNormalBidrag TreFagEnhedslast()
{
    return NormalBidrag(-1.0, 1.0);
}

constexpr std::array<TEksempel, 23> kEksempler{{
    {"BasishastighedstrykVb26",
     "Basishastighedstryk q_b for v_b = 26 m/s (DK NA: 8,33 km fra Vesterhavet)", 0,
     "ark 2 af 11, s. 3-47", 422.5, 1, "N/m²",
     [](Meddelelser&) { return BasisVindtryk(KystafstandFor(26.0)) * 1000.0; }},
    {"BasishastighedstrykVb24",
     "Basishastighedstryk q_b for v_b = 24 m/s (DK NA: 25 km eller mere fra Vesterhavet); "
     "rapportens q_max bruger ældre terrænværdier og sammenlignes ikke",
     9, "bilag K, yumpu-side 14", 0.36, 2, "kN/m²",
     [](Meddelelser&) { return BasisVindtryk(KystafstandFor(24.0)); }},
    {"PeakhastighedstrykKategoriIVedKysten",
     "Peakhastighedstryk q_p(z), terrænkategori I, z = 3,5 m, v_b = 27 m/s (DK NA: ved "
     "Vesterhavet)",
     8, "s. 1, Wind peak velocity pressure", 0.989, 3, "kN/m²",
     [](Meddelelser&) { return PeakHastTryk(0, KystafstandFor(27.0), 3.5, 1.0, 3.5); }},
    {"PeakhastighedstrykKategoriIVUnderZmin",
     "Peakhastighedstryk q_p(z), terrænkategori IV, z = 9 m regnet i z_min = 10 m, v_b = 26 m/s "
     "(DK NA: 8,33 km fra Vesterhavet)",
     2, "s. 1, Peak velocity pressure", 0.497, 3, "kN/m²",
     [](Meddelelser&) { return PeakHastTryk(3, KystafstandFor(26.0), 9.0, 1.0, 3.5); }},
    {"FormfaktorFTvaersTiKvm",
     "c_pe,10 zone F, vind på tværs, 6,84° mellem tabellens 5° og 15° (sug)", 3,
     "s. 1, Wind Direction 0°", -1.553, 3, "",
     [](Meddelelser& m) { return Formfaktor('F', 'b', true, m); }},
    {"FormfaktorGTvaersTiKvm", "c_pe,10 zone G, vind på tværs, 6,84° (sug)", 3,
     "s. 1, Wind Direction 0°", -1.126, 3, "",
     [](Meddelelser& m) { return Formfaktor('G', 'b', true, m); }},
    {"FormfaktorHTvaersTiKvm", "c_pe,10 zone H, vind på tværs, 6,84° (sug)", 3,
     "s. 1, Wind Direction 0°", -0.545, 3, "",
     [](Meddelelser& m) { return Formfaktor('H', 'b', true, m); }},
    {"FormfaktorFTvaersEnKvm", "c_pe,1 zone F, vind på tværs, 6,84° (sug)", 3,
     "s. 1, Wind Direction 0°", -2.408, 3, "",
     [](Meddelelser& m) { return Formfaktor('F', 'b', false, m); }},
    {"FormfaktorFLangsTiKvm", "c_pe,10 zone F, vind langs kippen, 6,84° (sug)", 3,
     "s. 1, Wind Direction 90°", -1.545, 3, "",
     [](Meddelelser& m) { return Formfaktor('F', 'k', true, m); }},
    {"FormfaktorHLangsTiKvm",
     "c_pe,10 zone H, vind langs kippen, 6,84° (sug); regnearkets værdier for zone I og J følger "
     "ikke EN 1991-1-4 tabel 7.4 og sammenlignes ikke",
     3, "s. 1, Wind Direction 90°", -0.682, 3, "",
     [](Meddelelser& m) { return Formfaktor('H', 'k', true, m); }},
    {"SneformfaktorUnder30Grader",
     "Sneformfaktor μ1 for taghældning 5,7°; kilden har s_k = 0,65 kN/m², Taglo DK NA's 1,0 kN/m², "
     "så kun formfaktoren sammenlignes",
     1, "ark 4 af 8, s. 3-39", 0.8, 1, "", [](Meddelelser&) { return NormalSneFormFaktor(5.7); }},
    {"SnelastSaddeltagSk10",
     "Karakteristisk snelast på saddeltag med taghældning 25°, s = μ1 s_k med s_k = 1,0 kN/m² "
     "(svensk snezone 1 har DK NA's værdi); tabellen holder μ1 = 0,8 ved alle hældninger på grund "
     "af snefang, så der sammenlignes kun ved højst 30°",
     10, "tabel 7:9, snezone 1,0", 0.8, 1, "kN/m²",
     [](Meddelelser& m) { return AfledteFor(25.0, m).SneLast; }},
    {"TreFagEndereaktion", "Tre lige fag, jævnt fordelt last w: reaktion ved endeunderstøtning (E)",
     4, "R_1", 0.400, 3, "wL", [](Meddelelser&) { return -TreFagEnhedslast().RE; }},
    {"TreFagMellemreaktion", "Tre lige fag: reaktion ved første indre understøtning (G)", 4, "R_2",
     1.100, 3, "wL", [](Meddelelser&) { return -TreFagEnhedslast().RG; }},
    {"TreFagEndefagsmoment", "Tre lige fag: feltmoment i endefaget (F), største værdi i 0,4 L", 4,
     "M_1", 0.080, 3, "wL²", [](Meddelelser&) { return -TreFagEnhedslast().MF; }},
    {"TreFagStoettemoment",
     "Tre lige fag: støttemoment over første indre understøtning (G), hængende", 4, "M_2", 0.100, 3,
     "wL²", [](Meddelelser&) { return TreFagEnhedslast().MG; }},
    {"TreFagMidterfagsmoment", "Tre lige fag: feltmoment midt i midterfaget (H)", 4, "M_3", 0.025,
     3, "wL²", [](Meddelelser&) { return -TreFagEnhedslast().MH; }},
    {"GavlfagFeltmoment055",
     "Gavlfagets feltmoment (C) tages i 0,55 L; sammenlignet med udtrykket M_x = w x (L − x)/2 for "
     "den simpelt understøttede bjælke i x = 0,55 L",
     5, "M_x", 0.12375, 5, "wL²",
     [](Meddelelser&) { return -MomentFelt(1.0, 0.0, -1.0, 0.0, 1.0); }},
    {"PartialkoefficientEgenlast",
     "Partialkoefficient på egenlast i kombinationen med sne som dominerende last, "
     "CC2 (K_FI = 1,0)",
     6, "s. 1, STR/GEO", 1.0, 0, "", [](Meddelelser& m) { return LastFaktor09('Y', 3, 1, m); }},
    {"PartialkoefficientDominerendeSne",
     "Partialkoefficient på dominerende variabel last (sne), CC2 (K_FI = 1,0)", 6, "s. 1, STR/GEO",
     1.5, 1, "", [](Meddelelser& m) { return LastFaktor09('P', 3, 1, m); }},
    {"PartialkoefficientSoemforbindelse",
     "γ_M for træforbindelser efter kildens danske bæreevnetabeller, som sømmets regningsmæssige "
     "udtræksbæreevne divideres med; Taglo bruger konstruktionstræets γ_M (C18, CC2)",
     11, "afsnit Bæreevnetabeller", 1.35, 2, "",
     [](Meddelelser& m) { return AfledteFor(25.0, m).GammaM; }},
    {"KmodOejeblikkeligLast",
     "k_mod for øjeblikkelig last i anvendelsesklasse 1 og 2, som sømmets udtræksbæreevne ganges "
     "med (vindsug); kilden giver 1,1 som tabellens største værdi, der kun gælder øjeblikkelig "
     "last i tørt træ",
     12, "afsnit 2.3.2, teksten til tabel 2.4", 1.1, 1, "",
     [](Meddelelser& m) { return AfledteFor(25.0, m).KmodSoem; }},
    {"GlatSoemSpidslaengde",
     "Glat søm 2,8 × 75 mm med 32,3 mm i det første træ: længden i spidsdelen t_pen, over kravet "
     "12d (kilden er svensk; last og γ_d sammenlignes ikke)",
     7, "afsnit 2, Spikar", 42.7, 1, "mm",
     [](Meddelelser&) {
         const TNailData soem{"2,8 x 75 mm glat", 5.6, 2.8, 0.0, 75.0, 2.45, 8.6};
         TSoemKapacitet kapacitet{32.3, 75.0, 75.0, 75.0};
         SoemKapacitet(kapacitet, soem, 1.3, 1.1, 32.3);
         return kapacitet.Lef;
     }},
}};

// Listens to what a call reports; a published example should make Taglo report nothing.
class Lytter final : public Meddelelser
{
  public:
    void fejl(std::string_view) override { sagt = true; }
    void advarsel(std::string_view) override { sagt = true; }
    void besked(std::string_view) override { sagt = true; }
    void fejldialog(std::string_view) override { sagt = true; }
    bool sagt = false;
};

std::string Tal(double vaerdi, int decimaler)
{
    return Formater(Regionalindstillinger::Dansk(), "%.*f", decimaler, vaerdi);
}

std::string MedEnhed(const std::string& tal, std::string_view enhed)
{
    return enhed.empty() ? tal : tal + " " + std::string(enhed);
}

} // namespace

std::span<const TEksempel> Eksempler()
{
    return kEksempler;
}

double Tolerance(const TEksempel& eksempel)
{
    return 0.5 * std::pow(10.0, -eksempel.decimaler);
}

double TagloVaerdi(const TEksempel& eksempel)
{
    Lytter lytter;
    const double vaerdi = eksempel.taglo(lytter);
    return lytter.sagt ? std::numeric_limits<double>::quiet_NaN() : vaerdi;
}

std::string VerifikationTabel()
{
    std::string tabel = "| Kontrol | Kilde | Publiceret | Taglo | Forskel |\n"
                        "|---|---|---:|---:|---:|\n";
    for (const TEksempel& e : kEksempler)
    {
        const double taglo = TagloVaerdi(e);
        const int vist = e.decimaler + 2;
        const std::string forskel = Tal(taglo - e.publiceret, vist);
        const bool positiv = !forskel.starts_with('-') && forskel != Tal(0.0, vist);
        tabel += "| " + std::string(e.kontrol) + " | [" + std::to_string(e.kilde + 1) + "] " +
                 std::string(e.sted) + " | " + MedEnhed(Tal(e.publiceret, e.decimaler), e.enhed) +
                 " | " + MedEnhed(Tal(taglo, vist), e.enhed) + " | " + (positiv ? "+" : "") +
                 forskel + " |\n";
    }
    tabel += "\nKilder:\n\n";
    for (std::size_t i = 0; i < kKilder.size(); ++i)
    {
        tabel += std::to_string(i + 1) + ". " + std::string(kKilder[i]) + "\n";
    }
    return tabel;
}

} // namespace taglo::verifikation
