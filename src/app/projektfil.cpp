#include "app/projektfil.h"

#include "app/inddatakontrol.h"
#include "core/formater.h"
#include "core/support.h"
#include "core/taltekst.h"
#include "core/tekst.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <system_error>

namespace taglo
{
namespace
{

// Lines of the file, counted from 1, that hold the text of a number field.
struct TalLinje
{
    std::size_t nr;
    Felt felt;
};
constexpr std::array<TalLinje, 16> kTalLinjer{{
    {4, Felt::EditHusBr},
    {5, Felt::EditFacHjd},
    {6, Felt::EditTagVink},
    {7, Felt::EditLegteAfst},
    {9, Felt::EditFacUdh},
    {10, Felt::EditHusLn},
    {11, Felt::EditNormalSpaerAfst},
    {12, Felt::EditGavlSpaerAfst},
    {13, Felt::EditGavlspaerIndrykn},
    {14, Felt::EditGavlUdh},
    {15, Felt::EditLegteHojde},
    {16, Felt::EditLegteBredde},
    {18, Felt::EditAlisteTykkelse},
    {19, Felt::EditUtagtykkelse},
    {20, Felt::EditTagTyng},
    {22, Felt::EditAfstVesterhav},
}};

// Lines that hold the item index of a radio group, with the index a line that is not an
// integer gives.
struct ValgLinje
{
    std::size_t nr;
    Valg valg;
    int standard;
};
constexpr std::array<ValgLinje, 8> kValgLinjer{{
    {8, Valg::RadioGroupDublLegter, 0},
    {21, Valg::RadioGroupTerrKat, 1},
    {23, Valg::RadioGroupNormSneFormFak, 0},
    {27, Valg::RadioGroupCvAreal, 0},
    {28, Valg::RadioGroupStyrkeKlasse, 0},
    {29, Valg::RadioGroupSikkl, 0},
    {30, Valg::RadioGroupForklaringMed, 0},
    {31, Valg::RadioGroupLogfil, 0},
}};

constexpr std::size_t kSoemLinje = 17;
constexpr int kSoemStandard = 5;

// A line as it can be written: a CR or LF inside it becomes a blank.
std::string UdenLinjeskift(std::string linje)
{
    std::replace_if(
        linje.begin(), linje.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return linje;
}

// The item of a radio group that an integer line selects.
int Valgindeks(std::string_view linje, int standard, int antalPunkter)
{
    const auto indeks = LaesHeltal(linje);
    if (!indeks || *indeks < 0)
    {
        return standard;
    }
    return std::min(*indeks, antalPunkter - 1);
}

} // namespace

std::vector<std::string> SkrivProjektdata(const TInddatafelter& felter, const TInddata& inddata,
                                          const Regionalindstillinger& regional)
{
    std::vector<std::string> linjer(kProjektLinjer);
    const auto linje = [&](std::size_t nr) -> std::string& { return linjer[nr - 1]; };
    linje(1) = felter.Tekst(Felt::EditProjektnavn);
    linje(2) = felter.Tekst(Felt::EditBygningsdel);
    linje(3) = felter.Tekst(Felt::EditMedarb);
    for (const auto& [nr, felt] : kTalLinjer)
    {
        linje(nr) = felter.Tekst(felt);
    }
    for (const auto& [nr, valg, standard] : kValgLinjer)
    {
        linje(nr) = Formater(regional, "%1d", felter.Indeks(valg));
    }
    linje(8).assign(1, felter.Indeks(Valg::RadioGroupDublLegter) == 0 ? '0' : '1');
    linje(kSoemLinje) = Formater(regional, "%2d", felter.ComboBoxNail);
    linje(24) = Formater(regional, "%10.2f", inddata.SneFormFak);
    linje(25) = Formater(regional, "%10.2f", inddata.SneFormFakNormal);
    linje(26) = Formater(regional, "%10.2f", inddata.SneFormFakForhojet);
    std::transform(linjer.begin(), linjer.end(), linjer.begin(), UdenLinjeskift);
    return linjer;
}

std::optional<std::int32_t> LaesHeltal(std::string_view linje)
{
    const auto start = linje.find_first_not_of(' ');
    if (start == std::string_view::npos)
    {
        return std::nullopt;
    }
    linje.remove_prefix(start);
    const bool plus = linje.starts_with('+');
    if (plus)
    {
        linje.remove_prefix(1);
        if (linje.starts_with('-'))
        {
            return std::nullopt;
        }
    }
    std::int32_t vaerdi = 0;
    const auto [slut, fejl] = std::from_chars(linje.data(), linje.data() + linje.size(), vaerdi);
    if (fejl != std::errc() || slut != linje.data() + linje.size())
    {
        return std::nullopt;
    }
    return vaerdi;
}

namespace
{

// The text of a line as a message quotes it: at most 40 characters.
std::string Citat(const std::string& linje)
{
    constexpr std::size_t kFlestTegn = 40;
    return "'" + (AntalTegn(linje) > kFlestTegn ? ForsteTegn(linje, kFlestTegn) + "…" : linje) +
           "'";
}

// Why lines read from the file `navn` cannot be loaded as a project; nothing when they can.
// `afkortet`: the reading stopped at its byte limit.
std::optional<std::string> Indholdsfejl(const std::vector<std::string>& linjer, bool afkortet,
                                        const std::string& navn,
                                        const Regionalindstillinger& regional)
{
    if (linjer.size() < kProjektLinjer)
    {
        if (afkortet)
        {
            return navn + " er for stor til en projektfil: den har ikke 31 linier i sine " +
                   "første 64 KiB.";
        }
        if (linjer.empty())
        {
            return navn + " er tom.";
        }
        return navn + " har kun " + std::to_string(linjer.size()) +
               (linjer.size() == 1 ? " linie" : " linier") + "; en projektfil har 31.";
    }
    for (const auto& [nr, hvad] : {std::pair<std::size_t, const char*>{25, "normal sneformfaktor"},
                                   {26, "forhøjet sneformfaktor"}})
    {
        if (!LaesTal(MedRegionaltDecimaltegn(linjer[nr - 1], regional), regional))
        {
            return "Linie " + std::to_string(nr) + " i " + navn + " (" + hvad +
                   ") er ikke et tal: " + Citat(linjer[nr - 1]) + ".";
        }
    }
    return std::nullopt;
}

} // namespace

TProjektfil LaesProjektfil(const std::string& sti, const Regionalindstillinger& regional)
{
    auto laest = LaesTekstfil(sti, {.linjer = kProjektLinjer});
    TProjektfil fil;
    if (laest.fejl)
    {
        fil.laesefejl = laest.fejl;
        fil.fejl = std::move(laest.besked);
        return fil;
    }
    if (auto fejl = Indholdsfejl(laest.linjer, laest.afkortet, Filnavn(sti), regional))
    {
        fil.fejl = std::move(*fejl);
        return fil;
    }
    fil.linjer = std::move(laest.linjer);
    return fil;
}

TLaesning LaesProjektdata(const std::vector<std::string>& linjer, const TNails& nails,
                          TInddatafelter& felter, TInddata& inddata,
                          const Regionalindstillinger& regional, Meddelelser& meddelelser)
{
    if (Indholdsfejl(linjer, false, "", regional))
    {
        return TLaesning::Ulaeselig;
    }
    // Read into copies, so that a reading that cannot end leaves everything as it was.
    TInddatafelter v = felter;
    TInddata d = inddata;
    const auto linje = [&](std::size_t nr) -> const std::string& { return linjer[nr - 1]; };
    // A number line in the regional form, whichever decimal sign it was written with.
    const auto tal = [&](std::size_t nr) { return MedRegionaltDecimaltegn(linje(nr), regional); };

    v.Tekst(Felt::EditProjektnavn) = linje(1);
    d.Projektnavn = linje(1);
    v.Tekst(Felt::EditBygningsdel) = linje(2);
    d.Bygningsdel = linje(2);
    d.Medarb = linje(3);
    v.Tekst(Felt::EditMedarb) = d.Medarb.str();

    for (std::size_t nr = 4; nr <= kProjektLinjer; ++nr)
    {
        const auto* talLinje = std::find_if(kTalLinjer.begin(), kTalLinjer.end(),
                                            [&](const auto& t) { return t.nr == nr; });
        if (talLinje != kTalLinjer.end())
        {
            v.Tekst(talLinje->felt) = tal(nr);
            GemFeltvaerdi(talLinje->felt, TalFraFelt(tal(nr), regional, meddelelser), d);
            continue;
        }
        const auto* valgLinje = std::find_if(kValgLinjer.begin(), kValgLinjer.end(),
                                             [&](const auto& l) { return l.nr == nr; });
        if (valgLinje != kValgLinjer.end())
        {
            v.Indeks(valgLinje->valg) = Valgindeks(linje(nr), valgLinje->standard,
                                                   Beskrivelse(valgLinje->valg).antalPunkter);
            continue;
        }
        if (nr == kSoemLinje)
        {
            int indeks = LaesHeltal(linje(nr)).value_or(kSoemStandard);
            if (indeks < 0)
            {
                meddelelser.advarsel("Sømtype er ikke valgt. Første søm på listen forudsættes");
                indeks = 0;
            }
            indeks = std::min(indeks, static_cast<int>(nails.size()) - 1);
            while (indeks > 0 && nails[static_cast<std::size_t>(indeks)] == nullptr)
            {
                --indeks;
            }
            const TNailData* soem = nails[static_cast<std::size_t>(indeks)];
            if (soem == nullptr)
            {
                meddelelser.fejl("Sømtabellen Nails er ikke oprettet. Ring " +
                                 std::string(support::kTelefon) + ".");
                return TLaesning::SoemtabelMangler;
            }
            d.Nail = indeks;
            d.NailData = soem;
            v.ComboBoxNail = indeks;
        }
        else if (nr == 24)
        {
            v.Tekst(Felt::EditSneFormFak) = tal(nr);
            d.SneFormFak = TalFraFelt(tal(nr), regional, meddelelser);
        }
        else if (nr == 25)
        {
            d.SneFormFakNormal = *LaesTal(tal(nr), regional);
        }
        else if (nr == 26)
        {
            d.SneFormFakForhojet = *LaesTal(tal(nr), regional);
        }
    }

    d.DublLegter = v.Indeks(Valg::RadioGroupDublLegter) == 0;
    d.TerrKat = v.Indeks(Valg::RadioGroupTerrKat);
    d.NormSneFormFak = v.Indeks(Valg::RadioGroupNormSneFormFak) == 0;
    v.EditSneFormFakAktiv = v.Indeks(Valg::RadioGroupNormSneFormFak) == 1;
    d.CvAreal = v.Indeks(Valg::RadioGroupCvAreal) == 0;
    d.StyrkeKlasse = v.Indeks(Valg::RadioGroupStyrkeKlasse);
    d.Sikkl = v.Indeks(Valg::RadioGroupSikkl);
    d.ForklaringMed = v.Indeks(Valg::RadioGroupForklaringMed) == 0;
    d.Logfil = v.Indeks(Valg::RadioGroupLogfil);
    const bool logSynlig = d.Logfil != 0;
    v.ResultatomfangSynlig = logSynlig;
    v.RadioGroupLogfilSynlig = logSynlig;
    v.RadioGroupLogfilAktiv = logSynlig;

    felter = std::move(v);
    inddata = std::move(d);
    return TLaesning::Laest;
}

} // namespace taglo
