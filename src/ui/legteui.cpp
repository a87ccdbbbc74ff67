// The behaviour of the main window: leaving fields, clicks, commands, tab changes and
// the mirroring of the application's state into the widgets.
#include "ui/legteui.h"

#include "ui/kontroller.h"

#include "drawing/optegning.h"
#include "qtcanvas/qtlaerred.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>

namespace taglo
{

namespace
{

QString QTekst(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// Focus changes that do not leave a control in the user's sense: another window or a
// menu takes the keyboard for a while and gives it back.
bool ForladerIkke(Qt::FocusReason aarsag)
{
    return aarsag == Qt::ActiveWindowFocusReason || aarsag == Qt::PopupFocusReason ||
           aarsag == Qt::MenuBarFocusReason;
}

// Restores a flag when a handler ends, however it ends.
class Markering
{
  public:
    explicit Markering(bool& flag) : flag_(flag), foer_(std::exchange(flag, true)) {}
    Markering(const Markering&) = delete;
    Markering& operator=(const Markering&) = delete;
    Markering(Markering&&) = delete;
    Markering& operator=(Markering&&) = delete;
    ~Markering() { flag_ = foer_; }

  private:
    bool& flag_;
    bool foer_;
};

} // namespace

void MaleMeddelelser::send(Art art, std::string_view tekst)
{
    if (maler_)
    {
        venter_.emplace_back(art, std::string(tekst));
        return;
    }
    vis(art, tekst);
}

void MaleMeddelelser::vis(Art art, std::string_view tekst)
{
    switch (art)
    {
    case Art::Fejl:
        ud_.fejl(tekst);
        break;
    case Art::Advarsel:
        ud_.advarsel(tekst);
        break;
    case Art::Besked:
        ud_.besked(tekst);
        break;
    case Art::Fejldialog:
        ud_.fejldialog(tekst);
        break;
    }
}

void MaleMeddelelser::slutMaling()
{
    maler_ = false;
}

void MaleMeddelelser::visVentende()
{
    auto ventende = std::exchange(venter_, {});
    if (ventende.empty() || ventende == vist_)
    {
        return;
    }
    vist_ = ventende;
    for (const auto& [art, tekst] : ventende)
    {
        vis(art, tekst);
    }
}

void TForm1::forbindHaendelser()
{
    for (const auto& navnOgFelt : edits_)
    {
        QLineEdit* e = navnOgFelt.second;
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this, [this, e] { skalForlades_.insert(e); });
    }
    ComboBoxNail_->installEventFilter(this);
    connect(ComboBoxNail_, &QComboBox::activated, this,
            [this] { skalForlades_.insert(ComboBoxNail_); });
    for (const auto& navnOgGruppe : radiogrupper_)
    {
        RadioGruppe* gruppe = navnOgGruppe.second;
        const auto valg = ValgMedNavn(navnOgGruppe.first.toStdString());
        if (valg)
        {
            connect(gruppe, &RadioGruppe::klikket, this,
                    [this, v = *valg](int indeks) { RadioGroupClick(v, indeks); });
        }
    }
    PageControl1_->tabBar()->installEventFilter(this);
    KontrolTversnitPaintBox_->saetTegnefunktion(
        [this](QPainter& maler, int b, int h) { TegnKontrol(maler, b, h, true); });
    KontrolLengdesnitPaintBox_->saetTegnefunktion(
        [this](QPainter& maler, int b, int h) { TegnKontrol(maler, b, h, false); });
    NailTegningsPaintBox_->saetTegnefunktion(
        [this](QPainter& maler, int b, int h) { TegnSoemforbindelse(maler, b, h); });
    connect(PageControl1_, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);

    const auto knap = [this](const char* navn, void (TForm1::*handler)()) {
        connect(knapper_.at(QString::fromLatin1(navn)), &QPushButton::clicked, this, handler);
    };
    knap("ButtonHentProjektdata", &TForm1::ButtonHentProjektdataClick);
    knap("ButtonGemProjektdata", &TForm1::ButtonGemProjektdataClick);
    knap("ButtonPrintResult", &TForm1::ButtonPrintResultClick);
    knap("ButtonSaveResult", &TForm1::ButtonGemResultClick);
    knap("ButtonVisBrugervejledn", &TForm1::ButtonVisBrugervejlednClick);
    knap("Lukkeknap", &TForm1::LukkeknapClick);
    connect(knapper_.at(QStringLiteral("ButtonHelpTver")), &QPushButton::clicked, this,
            [this] { VisFane(Fane::HjelpTversnitArk); });
    connect(knapper_.at(QStringLiteral("ButtonLengdeHelp")), &QPushButton::clicked, this,
            [this] { VisFane(Fane::HjelpLengdesnitArk); });

    const auto menu = [this](const char* navn, const std::function<void()>& handler) {
        connect(menupunkter_.at(QString::fromLatin1(navn)), &QAction::triggered, this, handler);
    };
    menu("MenuItemHentProjektdata", [this] { ButtonHentProjektdataClick(); });
    menu("MenuItemGemProjektdata", [this] { ButtonGemProjektdataClick(); });
    menu("MenuItemPrintResult", [this] { ButtonPrintResultClick(); });
    menu("MenuItemGemResult", [this] { ButtonGemResultClick(); });
    menu("MenuItemAfslut", [this] { LukkeknapClick(); });
    menu("MenuItemInddata", [this] { VisFane(Fane::Inddataark); });
    menu("MenuItemSpecValg", [this] { VisFane(Fane::Opsetningsark); });
    menu("MenuItemHjelpTver", [this] { VisFane(Fane::HjelpTversnitArk); });
    menu("MenuItemHjelpLen", [this] { VisFane(Fane::HjelpLengdesnitArk); });
    menu("MenuItemKontrolTver", [this] { VisFane(Fane::KontrolTversnitArk); });
    menu("MenuItemKontrolLen", [this] { VisFane(Fane::KontrolLengdesnitArk); });
    menu("MenuItemBeregn", [this] { MenuBeregnClick(); });
    menu("MenuItemNailConnection", [this] { OptegnNail(); });
    menu("MenuItemOmTaglo", [this] { VisInfoFormular(); });
}

bool TForm1::Init()
{
    const Markering haandtering(iHaandtering_);
    const bool ok = app_.Init(programmappe_.toStdString());
    Spejl();
    return ok;
}

bool TForm1::erInputkontrol(const QWidget* kontrol) const
{
    if (kontrol == nullptr)
    {
        return false;
    }
    if (kontrol == ComboBoxNail_)
    {
        return true;
    }
    const auto* e = qobject_cast<const QLineEdit*>(kontrol);
    return e != nullptr && edits_.contains(e->objectName());
}

bool TForm1::eventFilter(QObject* objekt, QEvent* haendelse)
{
    if (objekt == PageControl1_->tabBar() && haendelse->type() == QEvent::MouseButtonPress)
    {
        // A click on another tab leaves the field being edited first; a rejected value
        // keeps the tab "Inddata".
        const auto* mus = dynamic_cast<QMouseEvent*>(haendelse);
        const int fane = PageControl1_->tabBar()->tabAt(mus->position().toPoint());
        if (mus->button() == Qt::LeftButton && fane >= 0 && fane != PageControl1_->currentIndex())
        {
            return !ForladFelt();
        }
        return false;
    }
    auto* kontrol = qobject_cast<QWidget*>(objekt);
    if (!erInputkontrol(kontrol))
    {
        return false;
    }
    if (haendelse->type() == QEvent::FocusIn)
    {
        // The user enters a control with the mouse or the keyboard. A focus that the
        // program or a tab change moves there is no entry: leaving it again changes
        // nothing, unless the user types (textEdited) or chooses (activated) meanwhile.
        const auto aarsag = dynamic_cast<QFocusEvent*>(haendelse)->reason();
        if (!iHaandtering_ &&
            (aarsag == Qt::MouseFocusReason || aarsag == Qt::TabFocusReason ||
             aarsag == Qt::BacktabFocusReason || aarsag == Qt::ShortcutFocusReason))
        {
            skalForlades_.insert(kontrol);
        }
        std::erase(ventende_, QPointer<QWidget>(kontrol));
    }
    else if (haendelse->type() == QEvent::FocusOut)
    {
        const auto* fokus = dynamic_cast<QFocusEvent*>(haendelse);
        if (!iHaandtering_ && !ForladerIkke(fokus->reason()) && skalForlades_.contains(kontrol))
        {
            // The exit runs once the focus change is complete, so that its message box
            // and its return of the focus are not undone by the change still under way.
            ventende_.emplace_back(kontrol);
            QTimer::singleShot(0, this, &TForm1::BehandlVentende);
        }
    }
    return false;
}

void TForm1::BehandlVentende()
{
    if (iHaandtering_ || ventende_.empty())
    {
        return;
    }
    ForladFelt();
}

bool TForm1::Forlad(QWidget* kontrol)
{
    meddelelser_.glemVist();
    skalForlades_.erase(kontrol);
    std::erase(ventende_, QPointer<QWidget>(kontrol));
    {
        const Markering haandtering(iHaandtering_);
        if (kontrol == ComboBoxNail_)
        {
            app_.ComboBoxNailExit(ComboBoxNail_->currentIndex());
        }
        else if (const auto felt = FeltMedNavn(kontrol->objectName().toStdString()))
        {
            const auto* e = qobject_cast<QLineEdit*>(kontrol);
            app_.FeltForladt(*felt, e->text().toStdString());
        }
    }
    const bool fokusTilbage = app_.Vindue().Fokus.has_value();
    {
        const Markering haandtering(iHaandtering_);
        Spejl();
    }
    return !fokusTilbage;
}

bool TForm1::ForladFelt()
{
    if (iHaandtering_)
    {
        return false;
    }
    while (!ventende_.empty())
    {
        QPointer<QWidget> kontrol = ventende_.front();
        ventende_.erase(ventende_.begin());
        if (kontrol.isNull() || !skalForlades_.contains(kontrol) || kontrol == focusWidget())
        {
            continue;
        }
        if (!Forlad(kontrol))
        {
            ventende_.clear();
            return false;
        }
    }
    QWidget* fokus = focusWidget();
    if (erInputkontrol(fokus) && skalForlades_.contains(fokus))
    {
        return Forlad(fokus);
    }
    return true;
}

void TForm1::Kommando(const std::function<void()>& kommando)
{
    if (!ForladFelt())
    {
        return;
    }
    const Markering haandtering(iHaandtering_);
    meddelelser_.glemVist();
    kommando();
    Spejl();
}

void TForm1::RadioGroupClick(Valg valg, int indeks)
{
    // The field left by this click comes first; a rejected value undoes the click.
    if (!ForladFelt())
    {
        Spejl();
        return;
    }
    const Markering haandtering(iHaandtering_);
    meddelelser_.glemVist();
    app_.RadioGroupClick(valg, indeks);
    Spejl();
}

void TForm1::PageControl1Change(int indeks)
{
    if (spejler_)
    {
        return;
    }
    if (!ForladFelt())
    {
        return;
    }
    const auto fane = static_cast<Fane>(indeks);
    const Markering haandtering(iHaandtering_);
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
    if (QFileInfo::exists(sti) && dokumentaabner_)
    {
        dokumentaabner_(sti);
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

void TForm1::Spejl()
{
    const Markering spejling(spejler_);
    const TVindue& v = app_.Vindue();
    for (const FeltBeskrivelse& felt : kFelter)
    {
        QLineEdit* e = edit(QTekst(felt.navn));
        const QString tekst = QString::fromStdString(v.Tekst(felt.felt));
        if (e->text() != tekst)
        {
            e->setText(tekst);
        }
    }
    edit(QStringLiteral("EditSneFormFak"))->setEnabled(v.EditSneFormFakAktiv);
    for (const ValgBeskrivelse& valg : kValg)
    {
        RadioGruppe* gruppe = radiogruppe(QTekst(valg.navn));
        if (gruppe->itemIndex() != v.Indeks(valg.valg))
        {
            gruppe->saetItemIndex(v.Indeks(valg.valg));
        }
    }
    RadioGruppe* logfil = radiogruppe(QStringLiteral("RadioGroupLogfil"));
    GroupBoxResultatomfang_->setVisible(v.ResultatomfangSynlig);
    logfil->setVisible(v.RadioGroupLogfilSynlig);
    logfil->setEnabled(v.RadioGroupLogfilAktiv);

    if (ComboBoxNail_->count() == 0)
    {
        for (const std::string& navn : app_.Soemnavne())
        {
            ComboBoxNail_->addItem(QString::fromStdString(navn));
        }
    }
    if (ComboBoxNail_->currentIndex() != v.ComboBoxNail)
    {
        ComboBoxNail_->setCurrentIndex(v.ComboBoxNail);
    }

    MemoAdvarLgt_->setVisible(v.MemoAdvarLgtSynlig);
    MemoAdvarForb_->setVisible(v.MemoAdvarForbSynlig);
    if (vistResultat_ != v.Resultat)
    {
        vistResultat_ = v.Resultat;
        QStringList linjer;
        linjer.reserve(static_cast<qsizetype>(v.Resultat.size()));
        for (const std::string& linje : v.Resultat)
        {
            linjer.append(QString::fromStdString(linje));
        }
        Resultat_->setPlainText(linjer.join(QLatin1Char('\n')));
    }

    const int fane = static_cast<int>(v.AktivFane);
    if (PageControl1_->currentIndex() != fane)
    {
        PageControl1_->setCurrentIndex(fane);
    }

    if (const auto fokus = app_.TagFokus())
    {
        const QString navn = QString::fromStdString(*fokus);
        QWidget* maal = nullptr;
        if (navn == QTekst(kComboBoxNail))
        {
            maal = ComboBoxNail_;
        }
        else if (navn == QTekst(kMemoResultat))
        {
            maal = Resultat_;
        }
        else if (QLineEdit* e = edit(navn))
        {
            maal = e;
        }
        else if (RadioGruppe* gruppe = radiogruppe(navn))
        {
            maal = gruppe->punkt(std::max(gruppe->itemIndex(), 0));
        }
        if (maal != nullptr)
        {
            // A field the focus is put back into is being edited again; a control that
            // had the focus for a moment meanwhile was never entered.
            if (erInputkontrol(maal))
            {
                skalForlades_.clear();
                skalForlades_.insert(maal);
            }
            maal->setFocus(Qt::OtherFocusReason);
        }
    }
}

} // namespace taglo
