#include "app/applikation.h"

#include "app/inddatakontrol.h"
#include "app/projektfil.h"
#include "core/support.h"
#include "core/taltekst.h"
#include "core/tekstfil.h"
#include "drawing/lengdesnit.h"
#include "drawing/soemforbindelse.h"
#include "drawing/tversnit.h"
#include "engine/laegter.h"
#include "report/resultatfil.h"

#include <filesystem>
#include <memory>

namespace taglo
{
namespace
{

std::string Telefon()
{
    return std::string(support::kTelefon);
}

// The load command's message for a file that cannot be loaded. When the file itself could
// not be read, the reason says all; when its content is wrong, it may come from another
// version of the program, and support would like to see it.
std::string HentefejlBesked(const std::string& sti, const TProjektfil& fil)
{
    std::string besked =
        "Uventet fejl: Programmet kan ikke hente inddata fra " + sti + "." + "\r\n" + fil.fejl;
    if (!fil.laesefejl)
    {
        besked += "\r\nDet kan måske skyldes at denne fil er dannet af en tidligere version af "
                  "Taglo.\r\nEllers send filen til " +
                  std::string(support::kEmail) + "\r\n" +
                  "med en kort beskrivelse af problemets art, eller ring " + Telefon() + ".";
    }
    return besked;
}

} // namespace

TApplikation::TApplikation(Meddelelser& meddelelser, Dialoger& dialoger,
                           Regionalindstillinger regional, std::string_view firmanavn, Ur ur)
    : meddelelser_(meddelelser), dialoger_(dialoger), regional_(std::move(regional)),
      soemnavne_(FyldSoemliste(Nails_)), ur_(std::move(ur))
{
    vindue_.Tekst(Felt::EditFirmanavn) = std::string(firmanavn);
    NulstilBeregning();
}

bool TApplikation::Init(const std::string& programmappe)
{
    programmappe_ = programmappe;
    const auto sti = (std::filesystem::path(programmappe) / kStandardfil).string();
    const auto fil = LaesProjektfil(sti, regional_);
    if (fil.laesefejl == TLaesefejl::FindesIkke)
    {
        meddelelser_.fejl(
            "Programmet kunne ikke finde inddatafilen Standard.tgl.\r\nRing evt. til support, " +
            Telefon() + ".");
        return false;
    }
    if (!fil.fejl.empty())
    {
        meddelelser_.fejldialog("Uventet fejl i inddatafilen Standard.tgl.\r\n" + fil.fejl +
                                "\r\nRing evt. " + Telefon() + ".");
        return false;
    }
    return LaesProjektdata(fil.linjer, Nails_, vindue_, Inddata_, regional_, meddelelser_) ==
           TLaesning::Laest;
}

void TApplikation::VisAfvisning(Felt felt, std::string_view besked)
{
    meddelelser_.fejl(besked);
    vindue_.AktivFane = Fane::Inddataark;
    vindue_.Fokus = std::string(Beskrivelse(felt).navn);
}

void TApplikation::FeltForladt(Felt felt, std::string_view tekst)
{
    const auto& beskrivelse = Beskrivelse(felt);
    if (!beskrivelse.decimaler)
    {
        switch (felt)
        {
        case Felt::EditProjektnavn:
            Inddata_.Projektnavn = tekst;
            break;
        case Felt::EditBygningsdel:
            Inddata_.Bygningsdel = tekst;
            break;
        case Felt::EditMedarb:
            Inddata_.Medarb = tekst;
            break;
        default:
            return; // the company name is not edited
        }
        vindue_.Tekst(felt) = std::string(tekst);
        NulstilBeregning();
        return;
    }
    if (felt == Felt::EditSneFormFak && !vindue_.EditSneFormFakAktiv)
    {
        return;
    }

    std::string formateret(tekst);
    const double vaerdi =
        OmformaterFelt(formateret, kFeltbredde, *beskrivelse.decimaler, regional_, meddelelser_);
    vindue_.Tekst(felt) = formateret;
    GemFeltvaerdi(felt, vaerdi, Inddata_);
    NulstilBeregning();

    const auto afviste = AfvisteKontroller(felt, Inddata_);
    for (const auto& kontrol : afviste)
    {
        if (kontrol.advarsel)
        {
            meddelelser_.advarsel(kontrol.besked);
        }
        else
        {
            VisAfvisning(felt, kontrol.besked);
        }
    }

    if (felt == Felt::EditTagVink && afviste.empty())
    {
        Inddata_.SneFormFakNormal = NormalSneFormFaktor(Inddata_.TagVink);
        if (vindue_.Indeks(Valg::RadioGroupNormSneFormFak) == 0)
        {
            auto& sneFelt = vindue_.Tekst(Felt::EditSneFormFak);
            sneFelt = TalTilFelt(kFeltbredde, 2, Inddata_.SneFormFakNormal, regional_);
            Inddata_.SneFormFak = TalFraFelt(sneFelt, regional_, meddelelser_);
            vindue_.EditSneFormFakAktiv = false;
        }
    }
}

void TApplikation::RadioGroupClick(Valg valg, int indeks)
{
    if (indeks < 0 || indeks >= Beskrivelse(valg).antalPunkter)
    {
        return;
    }
    vindue_.Indeks(valg) = indeks;
    switch (valg)
    {
    case Valg::RadioGroupDublLegter:
        Inddata_.DublLegter = indeks == 0;
        break;
    case Valg::RadioGroupTerrKat:
        Inddata_.TerrKat = indeks;
        break;
    case Valg::RadioGroupNormSneFormFak:
        Inddata_.NormSneFormFak = indeks == 0;
        Inddata_.SneFormFak =
            Inddata_.NormSneFormFak ? Inddata_.SneFormFakNormal : Inddata_.SneFormFakForhojet;
        vindue_.EditSneFormFakAktiv = !Inddata_.NormSneFormFak;
        vindue_.Tekst(Felt::EditSneFormFak) =
            TalTilFelt(kFeltbredde, 2, Inddata_.SneFormFak, regional_);
        break;
    case Valg::RadioGroupCvAreal:
        Inddata_.CvAreal = indeks == 0;
        break;
    case Valg::RadioGroupStyrkeKlasse:
        Inddata_.StyrkeKlasse = indeks;
        break;
    case Valg::RadioGroupSikkl:
        Inddata_.Sikkl = indeks;
        break;
    case Valg::RadioGroupForklaringMed:
        Inddata_.ForklaringMed = indeks == 0;
        break;
    case Valg::RadioGroupLogfil:
        Inddata_.Logfil = indeks;
        break;
    }
    NulstilBeregning();
}

void TApplikation::ComboBoxNailExit(int indeks)
{
    const bool iListen = indeks >= 0 && indeks < static_cast<int>(Nails_.size()) &&
                         Nails_[static_cast<std::size_t>(indeks)] != nullptr;
    if (iListen)
    {
        Inddata_.Nail = indeks;
        Inddata_.NailData = Nails_[static_cast<std::size_t>(indeks)];
    }
    vindue_.ComboBoxNail = Inddata_.Nail;
    NulstilBeregning();
}

void TApplikation::ButtonHentProjektdataClick()
{
    if (const auto sti = dialoger_.aabnFil(kHentProjektdataDialog))
    {
        HentProjektdata(*sti);
    }
}

bool TApplikation::HentProjektdata(const std::string& sti)
{
    const auto fil = LaesProjektfil(sti, regional_);
    if (!fil.fejl.empty())
    {
        meddelelser_.fejldialog(HentefejlBesked(sti, fil));
        return false;
    }
    if (LaesProjektdata(fil.linjer, Nails_, vindue_, Inddata_, regional_, meddelelser_) !=
        TLaesning::Laest)
    {
        return false; // the nail table is missing: its message has been shown
    }
    NulstilBeregning();
    vindue_.AktivFane = Fane::Inddataark;
    return true;
}

void TApplikation::ButtonGemProjektdataClick()
{
    const auto sti = dialoger_.gemFil(kGemProjektdataDialog);
    if (!sti)
    {
        return;
    }
    if (GemTekstfil(*sti, SkrivProjektdata(vindue_, Inddata_, regional_)))
    {
        meddelelser_.fejldialog("Inddata-sættet kunne ikke gemmes som " + *sti + ".\n\r" +
                                "Måske findes denne fil allerede og er skrivebeskyttet.");
    }
}

void TApplikation::NulstilBeregning()
{
    Beregnet_ = false;
    vindue_.MemoAdvarLgtSynlig = false;
    vindue_.MemoAdvarForbSynlig = false;
    vindue_.Resultat.clear();
    FrigivFigurer(NailTegning_.Figurer);
    FrigivTekster(NailTegning_.Tekster);
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
    if (const auto afvisning = FoersteAfvisning(Inddata_))
    {
        VisAfvisning(afvisning->felt, afvisning->besked);
        return false;
    }
    iGang_ = true;
    // The flag falls again however the run ends.
    const std::unique_ptr<bool, void (*)(bool*)> afslutning(&iGang_,
                                                            [](bool* iGang) { *iGang = false; });
    NulstilResultater(Resultatdata_);
    Afledte_ = BeregnAfledte(Inddata_, meddelelser_);
    Logliste_ = TLogliste(Inddata_.Logfil);
    auto beregning =
        BeregnLaegter(Inddata_, Afledte_, Resultatdata_, Logliste_, regional_, meddelelser_);
    GemTilfaelde(beregning);
    const auto& r = Resultatdata_;
    vindue_.MemoAdvarLgtSynlig = !(r.NormalfagOK && r.GavlfagOK && r.GavludkragningOK);
    vindue_.MemoAdvarForbSynlig = !r.SoemtypeOK;
    NailTegning_ = TegnSoemforbindelse(Inddata_, Resultatdata_, regional_);
    const Rapportomgivelser omgivelser{vindue_.Tekst(Felt::EditFirmanavn), regional_, ur_};
    Resultatliste_ = SkrivRapport(Inddata_, Afledte_, Resultatdata_, std::move(beregning),
                                  Logliste_, omgivelser, dialoger_, meddelelser_);
    vindue_.Resultat = Resultatliste_;
    Beregnet_ = true;
    return true;
}

void TApplikation::GemTilfaelde(const TBeregning& beregning)
{
    tilfaelde_.Tilfaelde.clear();
    for (const auto& t : beregning.Tilfaeldeliste)
    {
        tilfaelde_.Tilfaelde.push_back({t.Lastkomb, t.Vindtilf, t.kmod, t.Noegle});
    }
    for (std::size_t k = 0; k < kAntalKategorier; ++k)
    {
        const auto& rangliste = beregning.Rangliste[k];
        tilfaelde_.Hoveder[k] = rangliste.empty()
                                    ? std::nullopt
                                    : std::optional<std::size_t>(rangliste.front().Tilfaelde);
    }
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
    return &NailTegning_;
}

TTegning TApplikation::ButtonTegnTversnitClick()
{
    const TAfledte afledte = BeregnAfledte(Inddata_, meddelelser_);
    vindue_.AktivFane = Fane::KontrolTversnitArk;
    return TegnTversnit(Inddata_, afledte, regional_);
}

TTegning TApplikation::ButtonTegnLengdesnitClick()
{
    const TAfledte afledte = BeregnAfledte(Inddata_, meddelelser_);
    vindue_.AktivFane = Fane::KontrolLengdesnitArk;
    return TegnLengdesnit(Inddata_, afledte, regional_);
}

void TApplikation::ButtonPrintResultClick(Udskrivning& printer)
{
    if (Resultatliste_.empty())
    {
        meddelelser_.fejldialog("Resultatet er endnu ikke beregnet");
        return;
    }
    const auto maal = printer.VisPrintdialog();
    if (!maal)
    {
        return;
    }
    if (const auto fejl = printer.Udskriv(OpdelISider(Resultatliste_, *maal)))
    {
        meddelelser_.fejldialog(*fejl);
    }
}

void TApplikation::ButtonGemResultClick()
{
    if (Resultatliste_.empty())
    {
        meddelelser_.besked("Resultatet er endnu ikke beregnet");
        return;
    }
    if (const auto sti = dialoger_.gemFil(ResultatDialog()))
    {
        GemResultat(*sti, Resultatliste_, meddelelser_);
    }
}

void TApplikation::VisFane(Fane fane)
{
    vindue_.AktivFane = fane;
}

} // namespace taglo
