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

// Lines of the file, counted from 1, that hold the three snow form factors of the inputs:
// the one in use (also shown in its field), the normal and the elevated one.
constexpr std::size_t kSneLinje = 24;
constexpr std::size_t kSneNormalLinje = 25;
constexpr std::size_t kSneForhojetLinje = 26;

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
    for (const FeltBeskrivelse& felt : kFelter)
    {
        if (felt.linje > 0)
        {
            linje(felt.linje) = felter.Tekst(felt.felt);
        }
    }
    for (const ValgBeskrivelse& valg : kValg)
    {
        linje(valg.linje) = Formater(regional, "%1d", felter.Indeks(valg.valg));
    }
    linje(kSoemliste.linje) = Formater(regional, "%2d", felter.ComboBoxNail);
    linje(kSneLinje) = Formater(regional, "%10.2f", inddata.SneFormFak);
    linje(kSneNormalLinje) = Formater(regional, "%10.2f", inddata.SneFormFakNormal);
    linje(kSneForhojetLinje) = Formater(regional, "%10.2f", inddata.SneFormFakForhojet);
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
    for (const auto& [nr, hvad] :
         {std::pair<std::size_t, const char*>{kSneNormalLinje, "normal sneformfaktor"},
          {kSneForhojetLinje, "forhøjet sneformfaktor"}})
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

namespace
{

// The nail that line 17 selects: a negative index warns and takes the first nail, an index
// beyond the last filled slot takes the last. Nothing, after the error message, when the
// nail table is empty.
std::optional<int> LaesSoem(const std::string& linje, const TNails& nails, Meddelelser& meddelelser)
{
    int indeks = LaesHeltal(linje).value_or(kSoemliste.standard);
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
    if (nails[static_cast<std::size_t>(indeks)] == nullptr)
    {
        meddelelser.fejl("Sømtabellen Nails er ikke oprettet." +
                         (support::kTelefon.empty()
                              ? std::string()
                              : " Ring " + std::string(support::kTelefon) + "."));
        return std::nullopt;
    }
    return indeks;
}

// The inputs of the choices read, and what the snow and the log choice enable or show.
void GemValgene(TInddatafelter& felter, TInddata& inddata)
{
    for (const ValgBeskrivelse& valg : kValg)
    {
        GemValgt(valg.valg, felter.Indeks(valg.valg), inddata);
    }
    felter.EditSneFormFakAktiv = felter.Indeks(Valg::RadioGroupNormSneFormFak) == 1;
    const bool logSynlig = inddata.Logfil != 0;
    felter.ResultatomfangSynlig = logSynlig;
    felter.RadioGroupLogfilSynlig = logSynlig;
    felter.RadioGroupLogfilAktiv = logSynlig;
}

template <class Tabel> const auto* MedLinje(const Tabel& tabel, std::size_t nr)
{
    const auto* fundet = std::find_if(tabel.begin(), tabel.end(),
                                      [&](const auto& raekke) { return raekke.linje == nr; });
    return fundet != tabel.end() ? fundet : nullptr;
}

} // namespace

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
    // A number line in the regional form, whichever decimal sign it was written with.
    const auto tal = [&](std::size_t nr) {
        return MedRegionaltDecimaltegn(linjer[nr - 1], regional);
    };
    for (std::size_t nr = 1; nr <= kProjektLinjer; ++nr)
    {
        const std::string& linje = linjer[nr - 1];
        if (const auto* felt = MedLinje(kFelter, nr); felt != nullptr && felt->gemTekst)
        {
            v.Tekst(felt->felt) = linje;
            felt->gemTekst(d, linje);
        }
        else if (felt != nullptr)
        {
            v.Tekst(felt->felt) = tal(nr);
            GemFeltvaerdi(felt->felt, TalFraFelt(tal(nr), regional, meddelelser), d);
        }
        else if (const auto* valg = MedLinje(kValg, nr))
        {
            v.Indeks(valg->valg) = Valgindeks(linje, valg->standard, valg->antalPunkter);
        }
        else if (nr == kSoemliste.linje)
        {
            const auto soem = LaesSoem(linje, nails, meddelelser);
            if (!soem)
            {
                return TLaesning::SoemtabelMangler;
            }
            d.Nail = *soem;
            d.NailData = nails[static_cast<std::size_t>(*soem)];
            v.ComboBoxNail = *soem;
        }
        else if (nr == kSneLinje)
        {
            v.Tekst(Felt::EditSneFormFak) = tal(nr);
            d.SneFormFak = TalFraFelt(tal(nr), regional, meddelelser);
        }
    }
    d.SneFormFakNormal = *LaesTal(tal(kSneNormalLinje), regional);
    d.SneFormFakForhojet = *LaesTal(tal(kSneForhojetLinje), regional);
    // The engineer's field shows the name as the inputs keep it, at most 30 characters.
    v.Tekst(Felt::EditMedarb) = d.Medarb.str();
    GemValgene(v, d);
    felter = std::move(v);
    inddata = std::move(d);
    return TLaesning::Laest;
}

} // namespace taglo
