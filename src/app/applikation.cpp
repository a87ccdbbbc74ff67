#include "app/applikation.h"

#include "report/logfil.h"
#include "report/resultatfil.h"

#include <memory>
#include <variant>

namespace taglo
{

const TBeregningsresultat TApplikation::kIngenBeregning{};
const TTegning TApplikation::kIngenTegning{};

TApplikation::TApplikation(Meddelelser& meddelelser, Dialoger& dialoger,
                           Regionalindstillinger regional, std::string_view firmanavn, Ur ur,
                           support::TKontakt kontakt)
    : meddelelser_(meddelelser), dialoger_(dialoger),
      projekt_(std::move(regional), firmanavn, std::move(ur), kontakt)
{
    VisFelter();
    NulstilBeregning();
}

void TApplikation::VisFelter()
{
    static_cast<TInddatafelter&>(vindue_) = projekt_.Felter();
}

bool TApplikation::Init(const std::string& programmappe)
{
    programmappe_ = programmappe;
    const bool hentet = projekt_.HentStandard(programmappe, meddelelser_);
    VisFelter();
    gemteLinjer_ = projekt_.Projektdata();
    return hentet;
}

bool TApplikation::InddataAendret() const
{
    return projekt_.Projektdata() != gemteLinjer_;
}

bool TApplikation::BekraeftAtForlade()
{
    if (!InddataAendret())
    {
        return true;
    }
    switch (dialoger_.spoerg("Gem ændringer i projektet?"))
    {
    case TSvar::Ja:
        return GemProjektdataSom();
    case TSvar::Nej:
        return true;
    case TSvar::Annuller:
        return false;
    }
    return false;
}

void TApplikation::VisAfvisning(Felt felt, std::string_view besked)
{
    meddelelser_.fejl(besked);
    vindue_.AktivFane = Fane::Inddataark;
    vindue_.Fokus = std::string(Beskrivelse(felt).navn);
}

void TApplikation::FeltForladt(Felt felt, std::string_view tekst)
{
    const bool kanRedigeres = felt != Felt::EditFirmanavn &&
                              (felt != Felt::EditSneFormFak || vindue_.EditSneFormFakAktiv);
    if (!kanRedigeres)
    {
        return;
    }
    const auto afviste = projekt_.SaetFelt(felt, tekst, meddelelser_);
    VisFelter();
    NulstilBeregning();
    VisAfviste(afviste);
}

void TApplikation::VisAfviste(const std::vector<TFeltKontrol>& afviste)
{
    for (const auto& kontrol : afviste)
    {
        if (kontrol.advarsel)
        {
            meddelelser_.advarsel(kontrol.besked);
        }
        else if (kontrol.parvis)
        {
            meddelelser_.fejl(kontrol.besked);
        }
        else
        {
            VisAfvisning(kontrol.felt, kontrol.besked);
        }
    }
}

void TApplikation::RadioGroupClick(Valg valg, int indeks)
{
    if (projekt_.SaetValg(valg, indeks))
    {
        VisFelter();
        NulstilBeregning();
    }
}

void TApplikation::ComboBoxNailExit(int indeks)
{
    projekt_.SaetSoem(indeks);
    VisFelter();
    NulstilBeregning();
}

void TApplikation::ButtonHentProjektdataClick()
{
    if (!BekraeftAtForlade())
    {
        return;
    }
    if (const auto sti = dialoger_.aabnFil(kHentProjektdataDialog))
    {
        HentProjektdata(*sti);
    }
}

bool TApplikation::HentProjektdata(const std::string& sti)
{
    if (!projekt_.Hent(sti, meddelelser_))
    {
        return false;
    }
    VisFelter();
    NulstilBeregning();
    vindue_.AktivFane = Fane::Inddataark;
    gemteLinjer_ = projekt_.Projektdata();
    return true;
}

void TApplikation::ButtonGemProjektdataClick()
{
    static_cast<void>(GemProjektdataSom());
}

bool TApplikation::GemProjektdataSom()
{
    const auto sti = dialoger_.gemFil(kGemProjektdataDialog);
    if (!sti)
    {
        return false;
    }
    if (projekt_.Gem(*sti))
    {
        meddelelser_.fejldialog("Inddata-sættet kunne ikke gemmes som " + *sti + ".\n\r" +
                                "Måske findes denne fil allerede og er skrivebeskyttet.");
        return false;
    }
    gemteLinjer_ = projekt_.Projektdata();
    return true;
}

std::optional<std::string> TApplikation::MenuItemFirmaoplysningerClick()
{
    auto navn = dialoger_.indtast({"Firmaoplysninger", "Firmaets navn i rapportens hoved:",
                                   vindue_.Tekst(Felt::EditFirmanavn)});
    if (!navn || *navn == vindue_.Tekst(Felt::EditFirmanavn))
    {
        return std::nullopt;
    }
    projekt_.SaetFirmanavn(*navn);
    VisFelter();
    NulstilBeregning();
    return navn;
}

void TApplikation::NulstilBeregning()
{
    Beregnet_ = false;
    vindue_.MemoAdvarLgtSynlig = false;
    vindue_.MemoAdvarForbSynlig = false;
    vindue_.Resultat.clear();
}

bool TApplikation::UdfoerBeregning()
{
    if (Beregnet_)
    {
        return true;
    }
    if (iGang_)
    {
        return false;
    }
    iGang_ = true;
    // The flag falls again however the run ends.
    const std::unique_ptr<bool, void (*)(bool*)> afslutning(&iGang_,
                                                            [](bool* iGang) { *iGang = false; });
    auto udfald = projekt_.Beregn(projekt_.Inddata().Logfil, meddelelser_);
    if (const auto* afvisning = std::get_if<TAfvisning>(&udfald))
    {
        VisAfvisning(afvisning->felt, afvisning->besked);
        return false;
    }
    resultat_ = std::move(std::get<TBeregningsresultat>(udfald));
    const auto& r = resultat_->Resultatdata;
    vindue_.MemoAdvarLgtSynlig = !resultat_->Anvendelig.Laegte;
    vindue_.MemoAdvarForbSynlig = !r.SoemtypeOK;
    GemLogfil(resultat_->Logliste, dialoger_, meddelelser_);
    vindue_.Resultat = resultat_->Resultatliste;
    Beregnet_ = true;
    return true;
}

void TApplikation::ButtonBeregnClick()
{
    if (UdfoerBeregning())
    {
        vindue_.Fokus = std::string(kMemoResultat);
    }
}

void TApplikation::MenuBeregnClick()
{
    if (UdfoerBeregning())
    {
        vindue_.AktivFane = Fane::Resultatark;
        vindue_.Fokus = std::string(kMemoResultat);
    }
}

const TTegning* TApplikation::OptegnNail()
{
    if (!UdfoerBeregning())
    {
        return nullptr;
    }
    vindue_.AktivFane = Fane::NailTegningsArk;
    return &resultat_->NailTegning;
}

TTegning TApplikation::ButtonTegnTversnitClick()
{
    vindue_.AktivFane = Fane::KontrolTversnitArk;
    return TvaersnitAf(projekt_.Inddata(), projekt_.Regional(), meddelelser_);
}

TTegning TApplikation::ButtonTegnLengdesnitClick()
{
    vindue_.AktivFane = Fane::KontrolLengdesnitArk;
    return LaengdesnitAf(projekt_.Inddata(), projekt_.Regional(), meddelelser_);
}

void TApplikation::ButtonPrintResultClick(Udskrivning& printer)
{
    if (Resultatliste().empty())
    {
        meddelelser_.fejldialog("Resultatet er endnu ikke beregnet");
        return;
    }
    const auto maal = printer.VisPrintdialog();
    if (!maal)
    {
        return;
    }
    if (const auto fejl = printer.Udskriv(OpdelISider(Resultatliste(), *maal)))
    {
        meddelelser_.fejldialog(*fejl);
    }
}

void TApplikation::ButtonGemResultClick()
{
    if (Resultatliste().empty())
    {
        meddelelser_.besked("Resultatet er endnu ikke beregnet");
        return;
    }
    if (const auto sti = dialoger_.gemFil(ResultatDialog()))
    {
        GemResultat(*sti, Resultatliste(), meddelelser_);
    }
}

void TApplikation::ButtonGemPdfClick(
    const std::function<std::string(const TBeregningsresultat&)>& dokument)
{
    if (resultat_ == std::nullopt)
    {
        meddelelser_.besked("Resultatet er endnu ikke beregnet");
        return;
    }
    if (const auto sti = dialoger_.gemFil(PdfDialog()))
    {
        GemPdf(*sti, dokument(*resultat_), meddelelser_);
    }
}

std::variant<TForslag, TAfvisning> TApplikation::Forslag() const
{
    return BeregnForslag(projekt_);
}

void TApplikation::ButtonBrugForslagClick(const TKandidat& kandidat)
{
    const auto afviste = BrugKandidat(projekt_, kandidat, meddelelser_);
    VisFelter();
    NulstilBeregning();
    VisAfviste(afviste);
}

void TApplikation::VisFane(Fane fane)
{
    vindue_.AktivFane = fane;
}

} // namespace taglo
