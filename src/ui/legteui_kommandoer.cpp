// The main window's commands: the buttons, the menu items, radio clicks and tab changes,
// each run after the field being edited is left, and the painting of the three figures.
#include "ui/legteui.h"

#include "app/dokument.h"
#include "drawing/optegning.h"
#include "qtcanvas/indstillinger.h"
#include "qtcanvas/pdfdokument.h"
#include "qtcanvas/qtlaerred.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QUrl>

namespace taglo
{

void TForm1::Kommando(const std::function<void()>& kommando, bool beregner)
{
    if (beregner ? !fokusvagt_.ForladFelt() : fokusvagt_.Handler())
    {
        return;
    }
    if (!beregner)
    {
        fokusvagt_.ForladFeltUdenGenkontrol();
    }
    const auto handling = fokusvagt_.ProgrammetHandler();
    meddelelser_.glemVist();
    kommando();
    Spejl();
}

void TForm1::RadioGroupClick(Valg valg, int indeks)
{
    // The field left by this click comes first; a rejected value undoes the click.
    const bool forladt = fokusvagt_.ForladFelt();
    const auto handling = fokusvagt_.ProgrammetHandler();
    if (forladt)
    {
        meddelelser_.glemVist();
        app_.RadioGroupClick(valg, indeks);
    }
    Spejl();
}

void TForm1::PageControl1Change(int indeks)
{
    // The program sets the tab while it acts; only the user's tab change is handled.
    const auto fane = static_cast<Fane>(indeks);
    if (fokusvagt_.Handler())
    {
        return;
    }
    if (!Beregner(fane))
    {
        fokusvagt_.ForladFeltUdenGenkontrol();
    }
    else if (!fokusvagt_.ForladFelt())
    {
        return;
    }
    const auto handling = fokusvagt_.ProgrammetHandler();
    app_.VisFane(fane);
    if (fane == Fane::Resultatark)
    {
        app_.ButtonBeregnClick();
    }
    else if (fane == Fane::NailTegningsArk)
    {
        // The figure is built before the tab paints; a paint only draws what is kept.
        app_.UdfoerBeregning();
    }
    Spejl();
}

void TForm1::VisFane(Fane fane)
{
    Kommando([this, fane] { app_.VisFane(fane); }, Beregner(fane));
}

void TForm1::ButtonHentProjektdataClick()
{
    Kommando([this] { app_.ButtonHentProjektdataClick(); });
}

void TForm1::HentProjekt(const QString& sti)
{
    Kommando([this, &sti] { app_.HentProjektdata(sti.toStdString()); });
}

void TForm1::ButtonGemProjektdataClick()
{
    Kommando([this] { app_.ButtonGemProjektdataClick(); });
}

void TForm1::ButtonPrintResultClick()
{
    Kommando([this] { app_.ButtonPrintResultClick(tjenester_.udskrivning); });
}

void TForm1::ButtonGemResultClick()
{
    Kommando([this] { app_.ButtonGemResultClick(); });
}

void TForm1::ButtonGemPdfClick()
{
    Kommando([this] {
        app_.ButtonGemPdfClick([this](const TBeregningsresultat& beregning) {
            return PdfDokument(DokumentAf(beregning, app_.Regional(), meddelelser_));
        });
    });
}

void TForm1::MenuItemFirmaoplysningerClick()
{
    Kommando([this] {
        if (const auto navn = app_.MenuItemFirmaoplysningerClick())
        {
            GemFirmanavn(*navn);
        }
    });
}

void TForm1::ButtonBrugForslagClick()
{
    const int raekke = dele_.ForslagTabel->currentRow();
    if (raekke < 0 || raekke >= static_cast<int>(viste_.size()))
    {
        return;
    }
    const TKandidat kandidat = viste_[static_cast<std::size_t>(raekke)];
    Kommando([this, &kandidat] { app_.ButtonBrugForslagClick(kandidat); });
}

void TForm1::MenuBeregnClick()
{
    Kommando([this] { app_.MenuBeregnClick(); }, true);
}

void TForm1::OptegnNail()
{
    // Runs the calculation when needed and shows the tab, whose paint draws the figure.
    Kommando([this] { static_cast<void>(app_.OptegnNail()); }, true);
}

void TForm1::ButtonVisBrugervejlednClick()
{
    // The user guide is a document beside the program; when it is missing or no viewer
    // takes it, nothing is said.
    const QString sti = programmappe_ + QStringLiteral("Taglo21_Brugervejledning.pdf");
    if (QFileInfo::exists(sti))
    {
        QDesktopServices::openUrl(QUrl::fromLocalFile(sti));
    }
}

void TForm1::LukkeknapClick()
{
    close();
}

void TForm1::closeEvent(QCloseEvent* haendelse)
{
    // A value being typed counts as a change to keep; a rejected one is not checked again.
    if (!fokusvagt_.Handler())
    {
        fokusvagt_.ForladFeltUdenGenkontrol();
    }
    bool forlad = false;
    {
        const auto handling = fokusvagt_.ProgrammetHandler();
        forlad = app_.BekraeftAtForlade();
        Spejl();
    }
    if (forlad)
    {
        haendelse->accept();
    }
    else
    {
        haendelse->ignore();
    }
}

void TForm1::VisInfoFormular()
{
    if (infoForm_.isNull())
    {
        return;
    }
    infoForm_->show();
    infoForm_->raise();
    infoForm_->activateWindow();
}

void TForm1::OpdaterForslag()
{
    if (dele_.PageControl1->currentIndex() != static_cast<int>(Fane::Forslagsark))
    {
        return;
    }
    auto linjer = app_.Projekt().Projektdata();
    if (linjer == forslagAfInddata_)
    {
        return;
    }
    forslagAfInddata_ = std::move(linjer);
    const auto udfald = app_.Forslag();
    const auto* forslag = std::get_if<TForslag>(&udfald);
    dele_.ForslagTekst->setText(QTekst(ForslagTekst(udfald, app_.Regional())));
    viste_ = forslag != nullptr ? forslag->Kandidater : std::vector<TKandidat>{};
    VisKandidater(*dele_.ForslagTabel, viste_, app_.Regional());
    dele_.knapper.at(QStringLiteral("ButtonBrugForslag"))->setEnabled(!viste_.empty());
}

void TForm1::TegnKontrol(QPainter& maler, int bredde, int hoejde, bool tvaersnit)
{
    // Built from the current inputs on every paint, calculated or not.
    meddelelser_.begyndMaling();
    const TTegning tegning =
        tvaersnit ? app_.ButtonTegnTversnitClick() : app_.ButtonTegnLengdesnitClick();
    meddelelser_.slutMaling();
    QtLaerred laerred(maler);
    TegnTegning(laerred, bredde, hoejde, tegning, true);
    QTimer::singleShot(0, this, [this] { meddelelser_.visVentende(); });
}

void TForm1::TegnSoemforbindelse(QPainter& maler, int bredde, int hoejde)
{
    // A paint only draws the figure the calculation keeps; the calculation itself runs
    // when the tab is shown or its menu item chosen.
    if (!app_.Beregnet())
    {
        return;
    }
    QtLaerred laerred(maler);
    TegnTegning(laerred, bredde, hoejde, app_.NailTegning(), true);
}

} // namespace taglo
