// The main window's commands: the buttons, the menu items, radio clicks and tab changes,
// each run after the field being edited is left, and the painting of the three figures.
#include "ui/legteui.h"

#include "drawing/optegning.h"
#include "qtcanvas/qtlaerred.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>
#include <QUrl>

namespace taglo
{

void TForm1::Kommando(const std::function<void()>& kommando)
{
    if (!fokusvagt_.ForladFelt())
    {
        return;
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
    if (fokusvagt_.Handler() || !fokusvagt_.ForladFelt())
    {
        return;
    }
    const auto fane = static_cast<Fane>(indeks);
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
    Kommando([this, fane] { app_.VisFane(fane); });
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

void TForm1::MenuBeregnClick()
{
    Kommando([this] { app_.MenuBeregnClick(); });
}

void TForm1::OptegnNail()
{
    // Runs the calculation when needed and shows the tab, whose paint draws the figure.
    Kommando([this] { static_cast<void>(app_.OptegnNail()); });
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
