#include "app/projekt.h"

#include "app/projektfil.h"
#include "core/support.h"
#include "core/taltekst.h"
#include "drawing/laengdesnit.h"
#include "drawing/soemforbindelse.h"
#include "drawing/tvaersnit.h"
#include "engine/laegter.h"
#include "report/logfil.h"
#include "report/rapport.h"

#include <filesystem>

namespace taglo
{
namespace
{

// The load command's message for a file that cannot be loaded. When the file itself could
// not be read, the reason says all; when its content is wrong, it may come from another
// version of the program, and support would like to see it.
std::string HentefejlBesked(const std::string& sti, const TProjektfil& fil,
                            const support::TKontakt& kontakt)
{
    std::string besked =
        "Uventet fejl: Programmet kan ikke hente inddata fra " + sti + "." + "\r\n" + fil.fejl;
    if (fil.laesefejl)
    {
        return besked;
    }
    besked += "\r\nDet kan måske skyldes at denne fil er dannet af en tidligere version af "
              "Taglo.";
    const std::string telefon(kontakt.telefon);
    if (!kontakt.email.empty())
    {
        besked += "\r\nEllers send filen til " + std::string(kontakt.email) + "\r\n" +
                  "med en kort beskrivelse af problemets art" +
                  (telefon.empty() ? "." : ", eller ring " + telefon + ".");
    }
    else if (!telefon.empty())
    {
        besked += "\r\nEllers ring " + telefon + ".";
    }
    return besked;
}

// `foer` and the telephone number as the end of a message: nothing without a number.
std::string Ring(std::string_view foer, const support::TKontakt& kontakt)
{
    return kontakt.telefon.empty()
               ? std::string()
               : "\r\n" + std::string(foer) + std::string(kontakt.telefon) + ".";
}

TTilfaeldeoversigt Oversigt(const TBeregning& beregning)
{
    TTilfaeldeoversigt oversigt;
    for (const auto& t : beregning.Tilfaeldeliste)
    {
        oversigt.Tilfaelde.push_back({t.Lastkomb, t.Vindtilf, t.kmod, t.Noegle});
    }
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        const auto& rangliste = beregning.Rangliste[k];
        oversigt.Hoveder[k] = rangliste.empty()
                                  ? std::nullopt
                                  : std::optional<std::size_t>(rangliste.front().Tilfaelde);
    }
    return oversigt;
}

} // namespace

TProjekt::TProjekt(Regionalindstillinger regional, std::string_view firmanavn, Ur ur,
                   support::TKontakt kontakt)
    : regional_(std::move(regional)), ur_(std::move(ur)), kontakt_(kontakt),
      soemnavne_(FyldSoemliste(nails_))
{
    SaetFirmanavn(firmanavn);
}

void TProjekt::SaetFirmanavn(std::string_view firmanavn)
{
    felter_.Tekst(Felt::EditFirmanavn) = std::string(firmanavn);
}

std::vector<std::string> TProjekt::Projektdata() const
{
    return SkrivProjektdata(felter_, inddata_, regional_);
}

bool TProjekt::HentStandard(const std::string& programmappe, Meddelelser& meddelelser)
{
    const auto sti = (std::filesystem::path(programmappe) / kStandardfil).string();
    const auto fil = LaesProjektfil(sti, regional_);
    if (fil.laesefejl == TLaesefejl::FindesIkke)
    {
        meddelelser.fejl("Programmet kunne ikke finde inddatafilen Standard.tgl." +
                         Ring("Ring evt. til support, ", kontakt_));
        return false;
    }
    if (!fil.fejl.empty())
    {
        meddelelser.fejldialog("Uventet fejl i inddatafilen Standard.tgl.\r\n" + fil.fejl +
                               Ring("Ring evt. ", kontakt_));
        return false;
    }
    return LaesProjektdata(fil.linjer, nails_, felter_, inddata_, regional_, meddelelser) ==
           TLaesning::Laest;
}

bool TProjekt::Hent(const std::string& sti, Meddelelser& meddelelser)
{
    const auto fil = LaesProjektfil(sti, regional_);
    if (!fil.fejl.empty())
    {
        meddelelser.fejldialog(HentefejlBesked(sti, fil, kontakt_));
        return false;
    }
    // Only an empty nail table stops a readable file, after its own message.
    return LaesProjektdata(fil.linjer, nails_, felter_, inddata_, regional_, meddelelser) ==
           TLaesning::Laest;
}

std::optional<Gemmefejl> TProjekt::Gem(const std::string& sti) const
{
    return GemTekstfil(sti, SkrivProjektdata(felter_, inddata_, regional_));
}

std::vector<TFeltKontrol> TProjekt::SaetFelt(Felt felt, std::string_view tekst,
                                             Meddelelser& meddelelser)
{
    const auto& beskrivelse = Beskrivelse(felt);
    if (!beskrivelse.decimaler)
    {
        if (beskrivelse.gemTekst != nullptr) // the company name is not edited
        {
            beskrivelse.gemTekst(inddata_, tekst);
            felter_.Tekst(felt) = std::string(tekst);
        }
        return {};
    }
    if (felt == Felt::EditSneFormFak && !felter_.EditSneFormFakAktiv)
    {
        return {};
    }

    std::string formateret(tekst);
    const double vaerdi =
        OmformaterFelt(formateret, kFeltbredde, *beskrivelse.decimaler, regional_, meddelelser);
    felter_.Tekst(felt) = formateret;
    GemFeltvaerdi(felt, vaerdi, inddata_);
    auto afviste = AfvisteKontroller(felt, inddata_);

    if (felt == Felt::EditTagVink && afviste.empty())
    {
        inddata_.SneFormFakNormal = NormalSneFormFaktor(inddata_.TagVink);
        if (felter_.Indeks(Valg::RadioGroupNormSneFormFak) == 0)
        {
            auto& sneFelt = felter_.Tekst(Felt::EditSneFormFak);
            sneFelt = TalTilFelt(kFeltbredde, 2, inddata_.SneFormFakNormal, regional_);
            inddata_.SneFormFak = TalFraFelt(sneFelt, regional_, meddelelser);
            felter_.EditSneFormFakAktiv = false;
        }
    }
    return afviste;
}

bool TProjekt::SaetValg(Valg valg, int indeks)
{
    if (indeks < 0 || indeks >= Beskrivelse(valg).antalPunkter)
    {
        return false;
    }
    felter_.Indeks(valg) = indeks;
    GemValgt(valg, indeks, inddata_);
    if (valg == Valg::RadioGroupNormSneFormFak)
    {
        inddata_.SneFormFak =
            inddata_.NormSneFormFak ? inddata_.SneFormFakNormal : inddata_.SneFormFakForhojet;
        felter_.EditSneFormFakAktiv = !inddata_.NormSneFormFak;
        felter_.Tekst(Felt::EditSneFormFak) =
            TalTilFelt(kFeltbredde, 2, inddata_.SneFormFak, regional_);
    }
    return true;
}

void TProjekt::SaetSoem(int indeks)
{
    const bool iListen = indeks >= 0 && indeks < static_cast<int>(nails_.size()) &&
                         nails_[static_cast<std::size_t>(indeks)] != nullptr;
    if (iListen)
    {
        inddata_.Nail = indeks;
        inddata_.NailData = nails_[static_cast<std::size_t>(indeks)];
    }
    felter_.ComboBoxNail = inddata_.Nail;
}

std::optional<TAfvisning> TProjekt::FoersteAfvisning() const
{
    return taglo::FoersteAfvisning(inddata_);
}

std::variant<TBeregningsresultat, TAfvisning> TProjekt::Beregn(int logniveau,
                                                               Meddelelser& meddelelser) const
{
    if (const auto afvisning = FoersteAfvisning())
    {
        return *afvisning;
    }
    TBeregningsresultat r;
    r.Inddata = inddata_;
    r.Firmanavn = felter_.Tekst(Felt::EditFirmanavn);
    r.Logliste = TLogliste(logniveau);
    const TAfledte afledte = BeregnAfledte(inddata_, meddelelser);
    auto laegter = BeregnLaegter(inddata_, afledte, r.Logliste, regional_, meddelelser);
    r.Afledte = laegter.Afledte;
    r.Resultatdata = std::move(laegter.Resultatdata);
    r.Tilfaelde = Oversigt(laegter.Beregning);
    r.Anvendelig = Anvendelighed(r.Resultatdata);
    r.NailTegning = TegnSoemforbindelse(inddata_, r.Resultatdata, regional_);
    r.Beregnet = ur_ ? ur_() : LokalTidNu();
    const Rapportomgivelser omgivelser{r.Firmanavn, regional_, [t = r.Beregnet] { return t; },
                                       std::string(kontakt_.email)};
    r.Resultatliste = SkrivRapport(inddata_, r.Afledte, r.Resultatdata,
                                   std::move(laegter.Beregning), r.Logliste, omgivelser);
    return r;
}

TTegning TvaersnitAf(const TInddata& inddata, const Regionalindstillinger& regional,
                     Meddelelser& meddelelser)
{
    return TegnTversnit(inddata, BeregnAfledte(inddata, meddelelser), regional);
}

TTegning LaengdesnitAf(const TInddata& inddata, const Regionalindstillinger& regional,
                       Meddelelser& meddelelser)
{
    return TegnLengdesnit(inddata, BeregnAfledte(inddata, meddelelser), regional);
}

} // namespace taglo
