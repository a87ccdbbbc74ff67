// The main window's wiring: its menu, the events of its controls, when a field is left,
// and the mirroring of the application's state into the widgets.
#include "ui/legteui.h"

#include "qtcanvas/indstillinger.h"
#include "ui/infoformular.h"
#include "ui/kontroller.h"
#include "ui/skrift.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <span>

namespace taglo
{
namespace
{

TFokusvagt::Aarsag Aarsag(Qt::FocusReason aarsag)
{
    switch (aarsag)
    {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return TFokusvagt::Aarsag::Bruger;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return TFokusvagt::Aarsag::Midlertidig;
    default:
        return TFokusvagt::Aarsag::Program;
    }
}

} // namespace

TForm1::TForm1(Vinduestjenester tjenester, Regionalindstillinger regional, QString programmappe,
               QWidget* forfaelder)
    : QMainWindow(forfaelder), tjenester_(tjenester), meddelelser_(tjenester.meddelelser),
      app_(meddelelser_, tjenester.dialoger, std::move(regional), GemtFirmanavn()),
      programmappe_(std::move(programmappe)),
      fokusvagt_([this] { return Inputkontrol(focusWidget()); },
                 [this](const std::string& kontrol) { return Forlad(kontrol); })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Taglo"));
    // The desktop matches the window to its entry and shows the entry's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("dk.taglo.Taglo"));
    setWindowIcon(QIcon(QStringLiteral(":/taglo/dk.taglo.Taglo.svg")));
    setFont(SansSkrift(10));
    bygMenu();
    // The content at its designed size; on a smaller screen the window is smaller and the
    // content scrolls, so every control can be reached.
    QWidget* indhold = BygVinduesindhold(programmappe_, dele_, this);
    indhold->setMinimumSize(indhold->sizeHint());
    auto* rulle = Ny<QScrollArea>(this);
    rulle->setObjectName(QStringLiteral("ScrollBoxVindue"));
    rulle->setFrameShape(QFrame::NoFrame);
    rulle->setWidgetResizable(true);
    rulle->setWidget(indhold);
    setCentralWidget(rulle);
    infoForm_ = Ny<TInfoForm>(programmappe_, this);
    forbindHaendelser();
    {
        const auto handling = fokusvagt_.ProgrammetHandler();
        Spejl();
    }
    setMinimumSize(QSize(320, 240));
    // The designed size where the screen has room for it; on a smaller screen the window
    // fills the screen, framed as the window manager frames it.
    const QSize design = indhold->sizeHint() + QSize(0, menuBar()->sizeHint().height());
    const QSize skaerm = screen() != nullptr ? screen()->availableGeometry().size() : design;
    resize(design.boundedTo(skaerm));
    if (design.width() > skaerm.width() || design.height() > skaerm.height())
    {
        setWindowState(Qt::WindowMaximized);
    }
}

void TForm1::bygMenu()
{
    // A menu item: its control name, its caption, its handler and its usual key; a
    // separator has no name.
    struct Punkt
    {
        const char* navn;
        const char* tekst;
        void (TForm1::*handler)();
        QKeySequence genvej = {};
    };
    const Punkt filer[] = {
        {"MenuItemHentProjektdata", "&Hent inddata ...", &TForm1::ButtonHentProjektdataClick,
         QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"MenuItemGemProjektdata", "Gem &inddata som ...", &TForm1::ButtonGemProjektdataClick,
         QKeySequence(Qt::CTRL | Qt::Key_S)},
        {nullptr, nullptr, nullptr},
        {"MenuItemPrintResult", "Udskriv resultat (&Print)", &TForm1::ButtonPrintResultClick,
         QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"MenuItemGemResult", "Gem &resultat som ...", &TForm1::ButtonGemResultClick},
        {"MenuItemGemPdf", "Gem som P&DF ...", &TForm1::ButtonGemPdfClick},
        {nullptr, nullptr, nullptr},
        {"MenuItemFirmaoplysninger", "&Firmaoplysninger ...",
         &TForm1::MenuItemFirmaoplysningerClick},
        {nullptr, nullptr, nullptr},
        {"MenuItemAfslut", "Afslut (E&xit)", &TForm1::LukkeknapClick,
         QKeySequence(Qt::CTRL | Qt::Key_Q)}};
    const Punkt funktioner[] = {
        {"MenuItemInddata", "&Inddata", &TForm1::MenuItemInddataClick},
        {"MenuItemSpecValg", "S&pecielle valg", &TForm1::MenuItemSpecValgClick},
        {"MenuItemHjelpTver", "Hjælp, &Tværsnit", &TForm1::MenuItemHjelpTverClick},
        {"MenuItemHjelpLen", "Hjælp, &Længdesnit", &TForm1::MenuItemHjelpLenClick},
        {nullptr, nullptr, nullptr},
        {"MenuItemKontrolTver", "&Visuel kontrol af tværsnit", &TForm1::ButtonTegnTversnitClick},
        {"MenuItemKontrolLen", "Visuel kontrol af længdesnit", &TForm1::ButtonTegnLengdesnitClick},
        {"MenuItemBeregn", "&Beregningsresultat", &TForm1::MenuBeregnClick},
        {"MenuItemNailConnection", "&Sømforbindelse", &TForm1::OptegnNail},
        {"MenuItemForslag", "&Forslag", &TForm1::MenuItemForslagClick}};

    QMenuBar* menulinje = menuBar();
    menulinje->setObjectName(QStringLiteral("MainMenu1"));
    const auto tilfoej = [this](QAction* punkt, const Punkt& p) {
        punkt->setObjectName(QString::fromLatin1(p.navn));
        punkt->setShortcut(p.genvej);
        menupunkter_[punkt->objectName()] = punkt;
        connect(punkt, &QAction::triggered, this, p.handler);
    };
    const auto menu = [&](const char* navn, const char* tekst, std::span<const Punkt> punkter) {
        QMenu* m = menulinje->addMenu(QString::fromUtf8(tekst));
        m->setObjectName(QString::fromLatin1(navn));
        for (const Punkt& p : punkter)
        {
            if (p.navn == nullptr)
            {
                m->addSeparator();
                continue;
            }
            tilfoej(m->addAction(QString::fromUtf8(p.tekst)), p);
        }
    };
    menu("MenuFiler", "&Filer", filer);
    menu("MenuFunktioner", "F&unktioner", funktioner);
    tilfoej(menulinje->addAction(QStringLiteral("&Om Taglo")),
            {"MenuItemOmTaglo", nullptr, &TForm1::VisInfoFormular});
    // F1 opens the user guide, as the button does, from anywhere in the window.
    auto* vejledning = Ny<QAction>(QStringLiteral("Vis Brugervejledning"), this);
    addAction(vejledning);
    tilfoej(vejledning, {"MenuItemVisBrugervejledning", nullptr,
                         &TForm1::ButtonVisBrugervejlednClick, QKeySequence(Qt::Key_F1)});
}

void TForm1::forbindHaendelser()
{
    for (QLineEdit* e : dele_.edits)
    {
        e->installEventFilter(this);
        connect(e, &QLineEdit::textEdited, this,
                [this, e] { fokusvagt_.Aendret(e->objectName().toStdString()); });
    }
    dele_.ComboBoxNail->installEventFilter(this);
    connect(dele_.ComboBoxNail, &QComboBox::activated, this,
            [this] { fokusvagt_.Aendret(std::string(kSoemliste.navn)); });
    for (const ValgBeskrivelse& valg : kValg)
    {
        connect(dele_.radiogruppe(valg.valg), &RadioGruppe::klikket, this,
                [this, v = valg.valg](int indeks) { RadioGroupClick(v, indeks); });
    }
    dele_.PageControl1->tabBar()->installEventFilter(this);
    connect(dele_.PageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    dele_.KontrolTversnitPaintBox->saetTegnefunktion(
        [this](QPainter& maler, int b, int h) { TegnKontrol(maler, b, h, true); });
    dele_.KontrolLengdesnitPaintBox->saetTegnefunktion(
        [this](QPainter& maler, int b, int h) { TegnKontrol(maler, b, h, false); });
    dele_.NailTegningsPaintBox->saetTegnefunktion(
        [this](QPainter& maler, int b, int h) { TegnSoemforbindelse(maler, b, h); });

    const std::pair<const char*, void (TForm1::*)()> knapper[] = {
        {"ButtonHentProjektdata", &TForm1::ButtonHentProjektdataClick},
        {"ButtonGemProjektdata", &TForm1::ButtonGemProjektdataClick},
        {"ButtonPrintResult", &TForm1::ButtonPrintResultClick},
        {"ButtonSaveResult", &TForm1::ButtonGemResultClick},
        {"ButtonVisBrugervejledn", &TForm1::ButtonVisBrugervejlednClick},
        {"Lukkeknap", &TForm1::LukkeknapClick},
        {"ButtonHelpTver", &TForm1::ButtonHelpTverClick},
        {"ButtonLengdeHelp", &TForm1::ButtonLengdeHelpClick},
        {"ButtonGemPdf", &TForm1::ButtonGemPdfClick},
        {"ButtonBrugForslag", &TForm1::ButtonBrugForslagClick}};
    for (const auto& [navn, handler] : knapper)
    {
        connect(dele_.knapper.at(QString::fromLatin1(navn)), &QPushButton::clicked, this, handler);
    }
    connect(dele_.ForslagTabel, &QTableWidget::cellDoubleClicked, this, [this](int raekke) {
        dele_.ForslagTabel->selectRow(raekke);
        ButtonBrugForslagClick();
    });
}

QLineEdit* TForm1::edit(const QString& navn) const
{
    const auto felt = FeltMedNavn(navn.toStdString());
    return felt ? dele_.edit(*felt) : nullptr;
}

RadioGruppe* TForm1::radiogruppe(const QString& navn) const
{
    const auto valg = ValgMedNavn(navn.toStdString());
    return valg ? dele_.radiogruppe(*valg) : nullptr;
}

QAction* TForm1::menupunkt(const QString& navn) const
{
    const auto fundet = menupunkter_.find(navn);
    return fundet != menupunkter_.end() ? fundet->second : nullptr;
}

QPushButton* TForm1::knap(const QString& navn) const
{
    const auto fundet = dele_.knapper.find(navn);
    return fundet != dele_.knapper.end() ? fundet->second : nullptr;
}

bool TForm1::Init()
{
    const auto handling = fokusvagt_.ProgrammetHandler();
    const bool ok = app_.Init(programmappe_.toStdString());
    Spejl();
    return ok;
}

std::string TForm1::Inputkontrol(const QWidget* kontrol) const
{
    if (kontrol != nullptr && kontrol == dele_.ComboBoxNail)
    {
        return std::string(kSoemliste.navn);
    }
    const auto felt =
        kontrol != nullptr ? FeltMedNavn(kontrol->objectName().toStdString()) : std::nullopt;
    return felt && dele_.edit(*felt) == kontrol ? std::string(Beskrivelse(*felt).navn) : "";
}

bool TForm1::eventFilter(QObject* objekt, QEvent* haendelse)
{
    QTabBar* fanebjaelke = dele_.PageControl1->tabBar();
    if (objekt == fanebjaelke && haendelse->type() == QEvent::MouseButtonPress)
    {
        // A click on another tab leaves the field being edited first; a rejected value
        // keeps the tab "Inddata" only when the tab would calculate.
        const auto* mus = dynamic_cast<QMouseEvent*>(haendelse);
        const int fane = fanebjaelke->tabAt(mus->position().toPoint());
        if (mus->button() == Qt::LeftButton && fane >= 0 &&
            fane != dele_.PageControl1->currentIndex())
        {
            if (Beregner(static_cast<Fane>(fane)))
            {
                return !fokusvagt_.ForladFelt();
            }
            fokusvagt_.ForladFeltUdenGenkontrol();
        }
        return false;
    }
    const std::string kontrol = Inputkontrol(qobject_cast<QWidget*>(objekt));
    if (kontrol.empty())
    {
        return false;
    }
    if (haendelse->type() == QEvent::FocusIn)
    {
        fokusvagt_.FokusInd(kontrol, Aarsag(dynamic_cast<QFocusEvent*>(haendelse)->reason()));
    }
    else if (haendelse->type() == QEvent::FocusOut &&
             fokusvagt_.FokusUd(kontrol, Aarsag(dynamic_cast<QFocusEvent*>(haendelse)->reason())))
    {
        QTimer::singleShot(0, this, [this] { fokusvagt_.BehandlVentende(); });
    }
    return false;
}

bool TForm1::Forlad(const std::string& kontrol)
{
    meddelelser_.glemVist();
    if (kontrol == kSoemliste.navn)
    {
        app_.ComboBoxNailExit(dele_.ComboBoxNail->currentIndex());
    }
    else if (const auto felt = FeltMedNavn(kontrol))
    {
        app_.FeltForladt(*felt, dele_.edit(*felt)->text().toStdString());
    }
    const bool fokusTilbage = app_.Vindue().Fokus.has_value();
    Spejl();
    return !fokusTilbage;
}

void TForm1::Spejl()
{
    const TVindue& v = app_.Vindue();
    for (const FeltBeskrivelse& felt : kFelter)
    {
        QLineEdit* e = dele_.edit(felt.felt);
        const QString tekst = QString::fromStdString(v.Tekst(felt.felt));
        if (e->text() != tekst)
        {
            e->setText(tekst);
        }
    }
    dele_.edit(Felt::EditSneFormFak)->setEnabled(v.EditSneFormFakAktiv);
    for (const ValgBeskrivelse& valg : kValg)
    {
        RadioGruppe* gruppe = dele_.radiogruppe(valg.valg);
        if (gruppe->itemIndex() != v.Indeks(valg.valg))
        {
            gruppe->saetItemIndex(v.Indeks(valg.valg));
        }
    }
    RadioGruppe* logfil = dele_.radiogruppe(Valg::RadioGroupLogfil);
    dele_.GroupBoxResultatomfang->setVisible(v.ResultatomfangSynlig);
    logfil->setVisible(v.RadioGroupLogfilSynlig);
    logfil->setEnabled(v.RadioGroupLogfilAktiv);

    if (dele_.ComboBoxNail->count() == 0)
    {
        for (const std::string& navn : app_.Soemnavne())
        {
            dele_.ComboBoxNail->addItem(QString::fromStdString(navn));
        }
    }
    if (dele_.ComboBoxNail->currentIndex() != v.ComboBoxNail)
    {
        dele_.ComboBoxNail->setCurrentIndex(v.ComboBoxNail);
    }

    dele_.MemoAdvarLgt->setVisible(v.MemoAdvarLgtSynlig);
    dele_.MemoAdvarForb->setVisible(v.MemoAdvarForbSynlig);
    if (vistResultat_ != v.Resultat)
    {
        vistResultat_ = v.Resultat;
        QStringList linjer;
        for (const std::string& linje : v.Resultat)
        {
            linjer.append(QString::fromStdString(linje));
        }
        dele_.Resultat->setPlainText(linjer.join(QLatin1Char('\n')));
    }
    if (const int fane = static_cast<int>(v.AktivFane); dele_.PageControl1->currentIndex() != fane)
    {
        dele_.PageControl1->setCurrentIndex(fane);
    }
    OpdaterForslag();
    SpejlFokus();
}

void TForm1::SpejlFokus()
{
    const auto fokus = app_.TagFokus();
    if (!fokus)
    {
        return;
    }
    QWidget* maal = nullptr;
    if (*fokus == kSoemliste.navn)
    {
        maal = dele_.ComboBoxNail;
    }
    else if (*fokus == kMemoResultat)
    {
        maal = dele_.Resultat;
    }
    else if (const auto felt = FeltMedNavn(*fokus))
    {
        maal = dele_.edit(*felt);
    }
    else if (const auto valg = ValgMedNavn(*fokus))
    {
        RadioGruppe* gruppe = dele_.radiogruppe(*valg);
        maal = gruppe->punkt(std::max(gruppe->itemIndex(), 0));
    }
    if (maal == nullptr)
    {
        return;
    }
    if (const std::string kontrol = Inputkontrol(maal); !kontrol.empty())
    {
        fokusvagt_.FokusLagtTilbage(kontrol);
    }
    maal->setFocus(Qt::OtherFocusReason);
}

} // namespace taglo
