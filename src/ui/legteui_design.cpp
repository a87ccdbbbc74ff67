// The design of the main window: every control with its name, texts, hints and fonts,
// the layout of the tabs and the right-hand column, the menu and the tab order.
#include "ui/kontroller.h"
#include "ui/legteui.h"
#include "ui/skrift.h"
#include "ui/vinduestekster.h"

#include "core/support.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <span>

namespace taglo
{

namespace
{

QString Tekst(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

// A label's hint names the help tab by its caption.
QString LedetekstHint(const vindue::Talfelt& felt)
{
    if (!felt.ledetekstHint.empty())
    {
        return Tekst(felt.ledetekstHint);
    }
    QString hint = Tekst(felt.hint);
    hint.replace(QStringLiteral("\"Hjælp, tværsnit\""), QStringLiteral("\"Hjælp, Tvær\""));
    hint.replace(QStringLiteral("\"Hjælp, længdesnit\""), QStringLiteral("\"Hjælp, Længde\""));
    return hint;
}

constexpr int kFeltbredde = 76;    // pixels; ten digits of the tab font
constexpr int kEtiketbredde = 170; // pixels; the labels of the number fields
constexpr QColor kGraaTekst{96, 96, 96};

QLabel* Etiket(const QString& tekst, QWidget* forfaelder)
{
    auto* etiket = Ny<QLabel>(tekst, forfaelder);
    etiket->setTextFormat(Qt::PlainText);
    return etiket;
}

QLabel* GraaTekst(std::string_view tekst, QWidget* forfaelder)
{
    QLabel* etiket = Etiket(Tekst(tekst), forfaelder);
    QPalette palet = etiket->palette();
    palet.setColor(QPalette::WindowText, kGraaTekst);
    etiket->setPalette(palet);
    etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etiket;
}

QLabel* FedLinje(std::string_view tekst, QWidget* forfaelder)
{
    QLabel* etiket = Etiket(Tekst(tekst), forfaelder);
    QFont skrift = etiket->font();
    skrift.setBold(true);
    etiket->setFont(skrift);
    return etiket;
}

QGridLayout* Gitter(QGroupBox* gruppe)
{
    auto* gitter = Ny<QGridLayout>(gruppe);
    gitter->setContentsMargins(8, 6, 8, 6);
    gitter->setHorizontalSpacing(6);
    gitter->setVerticalSpacing(4);
    gitter->setColumnMinimumWidth(0, kEtiketbredde);
    gitter->setColumnMinimumWidth(2, 40);
    gitter->setColumnStretch(3, 1);
    return gitter;
}

} // namespace

QLineEdit* TForm1::edit(const QString& navn) const
{
    const auto fundet = edits_.find(navn);
    return fundet != edits_.end() ? fundet->second : nullptr;
}

RadioGruppe* TForm1::radiogruppe(const QString& navn) const
{
    const auto fundet = radiogrupper_.find(navn);
    return fundet != radiogrupper_.end() ? fundet->second : nullptr;
}

QAction* TForm1::menupunkt(const QString& navn) const
{
    const auto fundet = menupunkter_.find(navn);
    return fundet != menupunkter_.end() ? fundet->second : nullptr;
}

QPushButton* TForm1::knap(const QString& navn) const
{
    const auto fundet = knapper_.find(navn);
    return fundet != knapper_.end() ? fundet->second : nullptr;
}

TForm1::TForm1(Vinduestjenester tjenester, Regionalindstillinger regional, QString programmappe,
               QWidget* forfaelder)
    : QMainWindow(forfaelder), tjenester_(tjenester), meddelelser_(tjenester.meddelelser),
      app_(meddelelser_, tjenester.dialoger, std::move(regional), support::kFirmanavn),
      programmappe_(std::move(programmappe))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Taglo"));
    setFont(SansSkrift(10));

    bygMenu();

    auto* midte = Ny<QWidget>(this);
    auto* raekke = Ny<QHBoxLayout>(midte);
    raekke->setContentsMargins(6, 6, 6, 6);
    raekke->setSpacing(8);

    PageControl1_ = Ny<QTabWidget>(midte);
    PageControl1_->setObjectName(QStringLiteral("PageControl1"));
    PageControl1_->setFont(SansSkrift(12));
    PageControl1_->setUsesScrollButtons(false);
    PageControl1_->addTab(bygInddataark(), QStringLiteral("Inddata"));
    PageControl1_->addTab(bygOpsetningsark(), QStringLiteral("Specielle valg"));
    PageControl1_->addTab(bygHjaelpeark(QStringLiteral("HjelpTversnitArk"),
                                        QStringLiteral("ImageHjelpTversnit"),
                                        QStringLiteral("HjaelpTvaersnit.jpg")),
                          QStringLiteral("Hjælp, Tvær"));
    PageControl1_->addTab(bygHjaelpeark(QStringLiteral("HjelpLengdesnitArk"),
                                        QStringLiteral("ImageHjelpLengdesnit"),
                                        QStringLiteral("HjaelpLaengdesnit.jpg")),
                          QStringLiteral("Hjælp, Længde"));
    PageControl1_->addTab(bygKontrolark(QStringLiteral("KontrolTversnitArk"),
                                        QStringLiteral("Visuel kontrol af bygningens og lægternes "
                                                       "tværsnitsmål"),
                                        QStringLiteral("KontrolTversnitPaintBox")),
                          QStringLiteral("Kontrol, Tvær"));
    PageControl1_->addTab(bygKontrolark(QStringLiteral("KontrolLengdesnitArk"),
                                        QStringLiteral("Visuel kontrol af spærplaceringer"),
                                        QStringLiteral("KontrolLengdesnitPaintBox")),
                          QStringLiteral("Kontrol, Længde"));
    PageControl1_->addTab(bygResultatark(), QStringLiteral("Beregningsresultat"));
    PageControl1_->addTab(bygSoemark(), QStringLiteral("Sømforbindelse"));
    PageControl1_->setCurrentIndex(0);
    KontrolTversnitPaintBox_ = findChild<Tegneflade*>(QStringLiteral("KontrolTversnitPaintBox"));
    KontrolLengdesnitPaintBox_ =
        findChild<Tegneflade*>(QStringLiteral("KontrolLengdesnitPaintBox"));

    raekke->addWidget(PageControl1_, 1);
    raekke->addWidget(bygKommandosoejle(), 0);
    setCentralWidget(midte);
    forbindHaendelser();
    Spejl();
    // One fixed-size window: its size is what the tabs' contents and the command column need.
    setFixedSize(sizeHint());
}

void TForm1::bygMenu()
{
    QMenuBar* menulinje = menuBar();
    menulinje->setObjectName(QStringLiteral("MainMenu1"));
    const auto tilfoej = [this](QMenu* menu, const char* navn, const QString& tekst) {
        QAction* punkt = menu->addAction(tekst);
        punkt->setObjectName(QString::fromLatin1(navn));
        menupunkter_[punkt->objectName()] = punkt;
        return punkt;
    };

    QMenu* filer = menulinje->addMenu(QStringLiteral("&Filer"));
    filer->setObjectName(QStringLiteral("MenuFiler"));
    tilfoej(filer, "MenuItemHentProjektdata", QStringLiteral("&Hent inddata ..."));
    tilfoej(filer, "MenuItemGemProjektdata", QStringLiteral("Gem &inddata som ..."));
    filer->addSeparator();
    tilfoej(filer, "MenuItemPrintResult", QStringLiteral("Udskriv resultat (&Print)"));
    tilfoej(filer, "MenuItemGemResult", QStringLiteral("Gem &resultat som ..."));
    filer->addSeparator();
    tilfoej(filer, "MenuItemAfslut", QStringLiteral("Afslut (E&xit)"));

    QMenu* funktioner = menulinje->addMenu(QStringLiteral("F&unktioner"));
    funktioner->setObjectName(QStringLiteral("MenuFunktioner"));
    tilfoej(funktioner, "MenuItemInddata", QStringLiteral("&Inddata"));
    tilfoej(funktioner, "MenuItemSpecValg", QStringLiteral("S&pecielle valg"));
    tilfoej(funktioner, "MenuItemHjelpTver", QStringLiteral("Hjælp, &Tværsnit"));
    tilfoej(funktioner, "MenuItemHjelpLen", QStringLiteral("Hjælp, &Længdesnit"));
    funktioner->addSeparator();
    tilfoej(funktioner, "MenuItemKontrolTver", QStringLiteral("&Visuel kontrol af tværsnit"));
    tilfoej(funktioner, "MenuItemKontrolLen", QStringLiteral("Visuel kontrol af længdesnit"));
    tilfoej(funktioner, "MenuItemBeregn", QStringLiteral("&Beregningsresultat"));
    tilfoej(funktioner, "MenuItemNailConnection", QStringLiteral("&Sømforbindelse"));

    QAction* om = menulinje->addAction(QStringLiteral("&Om Taglo"));
    om->setObjectName(QStringLiteral("MenuItemOmTaglo"));
    menupunkter_[om->objectName()] = om;
}

namespace
{

// Adds one number field as a row of a group's grid: label, edit, unit. Returns the edit.
QLineEdit* TilfoejTalfelt(const vindue::Talfelt& felt, QGroupBox* gruppe, QGridLayout* gitter,
                          int raekke)
{
    QLabel* etiket = Etiket(Tekst(felt.ledetekst), gruppe);
    auto* edit = Ny<QLineEdit>(Tekst(felt.designtekst), gruppe);
    edit->setObjectName(Tekst(felt.navn));
    edit->setFixedWidth(kFeltbredde);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaxLength(255);
    if (!felt.hint.empty())
    {
        edit->setToolTip(Tekst(felt.hint));
        etiket->setToolTip(LedetekstHint(felt));
    }
    etiket->setBuddy(edit);
    QLabel* enhed = Etiket(Tekst(felt.enhed), gruppe);
    gitter->addWidget(etiket, raekke, 0);
    gitter->addWidget(edit, raekke, 1);
    gitter->addWidget(enhed, raekke, 2);
    return edit;
}

} // namespace

QWidget* TForm1::bygInddataark()
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QStringLiteral("Inddataark"));
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(8, 8, 8, 8);
    lodret->setSpacing(6);
    lodret->addWidget(FedLinje(vindue::kVejledningInddata1, ark));
    lodret->addWidget(FedLinje(vindue::kVejledningInddata2, ark));

    std::vector<QWidget*> tabraekkefoelge;
    const auto talfelter = [&](std::span<const vindue::Talfelt> felter, QGroupBox* gruppe,
                               QGridLayout* gitter, int& raekke) {
        for (const vindue::Talfelt& felt : felter)
        {
            QLineEdit* e = TilfoejTalfelt(felt, gruppe, gitter, raekke++);
            edits_[e->objectName()] = e;
            tabraekkefoelge.push_back(e);
        }
    };

    // Project identification over the full width.
    auto* projekt = Ny<QGroupBox>(QStringLiteral("Projekt-identifikation"), ark);
    projekt->setObjectName(QStringLiteral("GroupBoxProjekt"));
    {
        QGridLayout* gitter = Gitter(projekt);
        gitter->setColumnStretch(3, 0);
        gitter->setColumnStretch(1, 1);
        int raekke = 0;
        for (const vindue::Tekstfelt& felt : vindue::kProjektIdentifikation)
        {
            QLabel* etiket = Etiket(Tekst(felt.ledetekst), projekt);
            auto* e = Ny<QLineEdit>(Tekst(felt.designtekst), projekt);
            e->setObjectName(Tekst(felt.navn));
            e->setMaxLength(felt.kapacitet);
            etiket->setBuddy(e);
            gitter->addWidget(etiket, raekke, 0);
            gitter->addWidget(e, raekke, 1);
            ++raekke;
            edits_[e->objectName()] = e;
            tabraekkefoelge.push_back(e);
        }
        edit(QStringLiteral("EditFirmanavn"))->setEnabled(false);
    }
    lodret->addWidget(projekt);

    auto* kolonner = Ny<QHBoxLayout>();
    kolonner->setSpacing(8);
    auto* venstre = Ny<QVBoxLayout>();
    auto* hoejre = Ny<QVBoxLayout>();
    venstre->setSpacing(6);
    hoejre->setSpacing(6);
    kolonner->addLayout(venstre, 0);
    kolonner->addLayout(hoejre, 1);
    lodret->addLayout(kolonner);
    lodret->addStretch(1);

    const auto hjaelpeknap = [&](const char* navn, QGroupBox* gruppe, QGridLayout* gitter,
                                 int raekke) {
        auto* knap = Ny<QPushButton>(QStringLiteral("Hjælp"), gruppe);
        knap->setObjectName(QString::fromLatin1(navn));
        gitter->addWidget(knap, raekke, 1, 1, 2, Qt::AlignLeft);
        knapper_[knap->objectName()] = knap;
        tabraekkefoelge.push_back(knap);
    };

    // Cross-section measures, with the doubling choice after the batten spacing.
    auto* tvaersnit = Ny<QGroupBox>(QStringLiteral("Bygningens tværsnitsmål"), ark);
    tvaersnit->setObjectName(QStringLiteral("GroupBoxTvaersnit"));
    {
        QGridLayout* gitter = Gitter(tvaersnit);
        int raekke = 0;
        const std::span<const vindue::Talfelt> felter(vindue::kTvaersnitsmaal);
        talfelter(felter.first(vindue::kDublLegterEfter), tvaersnit, gitter, raekke);
        auto* dubl =
            Ny<RadioGruppe>(QStringLiteral("RadioGroupDublLegter"),
                            QStringLiteral("Dublering af lægter i gavlsektion"),
                            QStringList{QStringLiteral("Ja"), QStringLiteral("Nej")}, 2, tvaersnit);
        dubl->saetItemIndex(0);
        radiogrupper_[dubl->objectName()] = dubl;
        gitter->addWidget(dubl, raekke++, 0, 1, 3);
        tabraekkefoelge.push_back(dubl);
        talfelter(felter.subspan(vindue::kDublLegterEfter), tvaersnit, gitter, raekke);
        hjaelpeknap("ButtonHelpTver", tvaersnit, gitter, raekke);
    }
    venstre->addWidget(tvaersnit);

    auto* laengde = Ny<QGroupBox>(QStringLiteral("Bygningens længdemål"), ark);
    laengde->setObjectName(QStringLiteral("GroupBoxLaengde"));
    {
        QGridLayout* gitter = Gitter(laengde);
        int raekke = 0;
        talfelter(vindue::kLaengdemaal, laengde, gitter, raekke);
        hjaelpeknap("ButtonLengdeHelp", laengde, gitter, raekke);
    }
    venstre->addWidget(laengde);

    auto* laegte = Ny<QGroupBox>(QStringLiteral("Lægtens tværsnitsmål"), ark);
    laegte->setObjectName(QStringLiteral("GroupBoxLaegte"));
    {
        QGridLayout* gitter = Gitter(laegte);
        int raekke = 0;
        talfelter(vindue::kLaegtemaal, laegte, gitter, raekke);
    }
    venstre->addWidget(laegte);
    venstre->addStretch(1);

    auto* forbindelse = Ny<QGroupBox>(QStringLiteral("Forbindelse lægte/spær"), ark);
    forbindelse->setObjectName(QStringLiteral("GroupBoxForbindelse"));
    {
        QGridLayout* gitter = Gitter(forbindelse);
        ComboBoxNail_ = Ny<QComboBox>(forbindelse);
        ComboBoxNail_->setObjectName(QStringLiteral("ComboBoxNail"));
        ComboBoxNail_->setEditable(false);
        ComboBoxNail_->setToolTip(
            QStringLiteral("Klik på knappen til højre i feltet for at se mulighederne"));
        gitter->addWidget(ComboBoxNail_, 0, 0, 1, 4);
        tabraekkefoelge.push_back(ComboBoxNail_);
        int raekke = 1;
        talfelter(vindue::kForbindelse, forbindelse, gitter, raekke);
    }
    hoejre->addWidget(forbindelse);

    auto* laster = Ny<QGroupBox>(QStringLiteral("Laster"), ark);
    laster->setObjectName(QStringLiteral("GroupBoxLaster"));
    {
        QGridLayout* gitter = Gitter(laster);
        int raekke = 0;
        talfelter(std::span(&vindue::kTagTyng, 1), laster, gitter, raekke);

        auto* terraen =
            Ny<RadioGruppe>(QStringLiteral("RadioGroupTerrKat"), QStringLiteral("Terrænkategori"),
                            QStringList{QStringLiteral("I   Hede"), QStringLiteral("II  Land"),
                                        QStringLiteral("III Forstad"), QStringLiteral("IV City")},
                            1, laster);
        terraen->saetItemIndex(1);
        terraen->setToolTip(QStringLiteral("Se brugervejledningen for detaljerede beskrivelser"));
        radiogrupper_[terraen->objectName()] = terraen;
        gitter->addWidget(terraen, raekke++, 0, 1, 3);
        tabraekkefoelge.push_back(terraen);

        const int afstandRaekke = raekke;
        talfelter(std::span(&vindue::kAfstVesterhav, 1), laster, gitter, raekke);
        gitter->addWidget(GraaTekst(vindue::kAfstandInfo, laster), afstandRaekke, 3);

        const QFont lille = SansSkrift(11);
        auto* sne = Ny<RadioGruppe>(
            QStringLiteral("RadioGroupNormSneFormFak"), QStringLiteral("Snelast"),
            QStringList{QStringLiteral("Normal"), QStringLiteral("Forhøjet")}, 2, laster);
        sne->setFont(lille);
        sne->saetItemIndex(0);
        radiogrupper_[sne->objectName()] = sne;
        gitter->addWidget(sne, raekke++, 0, 1, 3);
        tabraekkefoelge.push_back(sne);
        QLabel* sneInfo = GraaTekst(vindue::kSneInfo, laster);
        sneInfo->setFont(lille);
        gitter->addWidget(sneInfo, raekke++, 0, 1, 4);

        const int sneRaekke = raekke;
        talfelter(std::span(&vindue::kSneFormFak, 1), laster, gitter, raekke);
        for (int kolonne = 0; kolonne < 3; ++kolonne)
        {
            gitter->itemAtPosition(sneRaekke, kolonne)->widget()->setFont(lille);
        }
        edit(QStringLiteral("EditSneFormFak"))->setEnabled(false);
    }
    hoejre->addWidget(laster);
    hoejre->addStretch(1);

    for (std::size_t i = 1; i < tabraekkefoelge.size(); ++i)
    {
        setTabOrder(tabraekkefoelge[i - 1], tabraekkefoelge[i]);
    }
    return ark;
}

QWidget* TForm1::bygOpsetningsark()
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QStringLiteral("Opsetningsark"));
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(8, 8, 8, 8);
    lodret->setSpacing(6);
    lodret->addWidget(FedLinje(vindue::kVejledningSpecielle1, ark));
    lodret->addWidget(FedLinje(vindue::kVejledningSpecielle2, ark));
    lodret->addSpacing(6);

    const QFont lille = SansSkrift(11);
    auto* gitter = Ny<QGridLayout>();
    gitter->setHorizontalSpacing(12);
    gitter->setVerticalSpacing(8);
    gitter->setColumnMinimumWidth(0, 260);
    gitter->setColumnStretch(2, 1);
    lodret->addLayout(gitter);

    const auto gruppe = [&](const char* navn, const char* overskrift, const QStringList& punkter,
                            int kolonner, bool lilleSkrift) {
        auto* g = Ny<RadioGruppe>(QString::fromLatin1(navn), QString::fromUtf8(overskrift), punkter,
                                  kolonner, ark);
        if (lilleSkrift)
        {
            g->setFont(lille);
        }
        g->saetItemIndex(0);
        radiogrupper_[g->objectName()] = g;
        return g;
    };
    const auto info = [&](std::string_view tekst) {
        QLabel* etiket = GraaTekst(tekst, ark);
        etiket->setFont(lille);
        return etiket;
    };

    RadioGruppe* styrke = gruppe("RadioGroupStyrkeKlasse", "Styrkeklasse",
                                 {QStringLiteral("Konstruktionstræ  C18 #"),
                                  QStringLiteral("Limtræ              GL28h"),
                                  QStringLiteral("Limtræ              GL32h")},
                                 1, true);
    gitter->addWidget(styrke, 0, 0);
    RadioGruppe* sikkl =
        gruppe("RadioGroupSikkl", "Konsekvensklasse CC",
               {QStringLiteral("1 (Lav) #"), QStringLiteral("2 (Normal)")}, 1, true);
    gitter->addWidget(sikkl, 1, 0);
    gitter->addWidget(info(vindue::kSikklInfo), 1, 1, Qt::AlignVCenter);
    QLabel* norm = GraaTekst(vindue::kNormgrundlag, ark);
    gitter->addWidget(norm, 2, 0, 1, 3);
    RadioGruppe* cv = gruppe("RadioGroupCvAreal", "Vindforrmfaktor",
                             {QStringLiteral("10 m2  #"), QStringLiteral("1 m2 ")}, 1, true);
    gitter->addWidget(cv, 3, 0);
    gitter->addWidget(info(vindue::kCvArealInfo), 3, 1);
    RadioGruppe* forklaring = gruppe(
        "RadioGroupForklaringMed", "Forklaring til resultater",
        {QStringLiteral("medtages i udskrift  #"), QStringLiteral("overspringes")}, 1, false);
    gitter->addWidget(forklaring, 4, 0);

    GroupBoxResultatomfang_ = Ny<QGroupBox>(QStringLiteral("Resultatomfang"), ark);
    GroupBoxResultatomfang_->setObjectName(QStringLiteral("GroupBoxResultatomfang"));
    {
        auto* indre = Ny<QGridLayout>(GroupBoxResultatomfang_);
        indre->setHorizontalSpacing(12);
        RadioGruppe* logfil = gruppe(
            "RadioGroupLogfil", "Mellemresultater (logfil) dannes",
            {QStringLiteral("Nej  #"), QStringLiteral("Begrænset"), QStringLiteral("Detaljeret")},
            3, true);
        logfil->setParent(GroupBoxResultatomfang_);
        logfil->setEnabled(false);
        indre->addWidget(logfil, 0, 0, Qt::AlignTop);
        QLabel* memo = info(vindue::kLogfilInfo);
        memo->setObjectName(QStringLiteral("MemoLogfil"));
        memo->setParent(GroupBoxResultatomfang_);
        indre->addWidget(memo, 0, 1);
        indre->setColumnStretch(1, 1);
    }
    GroupBoxResultatomfang_->setVisible(false);
    gitter->addWidget(GroupBoxResultatomfang_, 5, 0, 1, 3);
    lodret->addStretch(1);

    setTabOrder(styrke, sikkl);
    setTabOrder(sikkl, cv);
    setTabOrder(cv, forklaring);
    setTabOrder(forklaring, radiogruppe(QStringLiteral("RadioGroupLogfil")));
    return ark;
}

QWidget* TForm1::bygHjaelpeark(const QString& navn, const QString& billednavn,
                               const QString& billedfil)
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(navn);
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(8, 8, 8, 8);
    auto* billede = Ny<QLabel>(ark);
    billede->setObjectName(billednavn);
    billede->setFixedSize(648, 464);
    billede->setPixmap(QPixmap(programmappe_ + billedfil));
    lodret->addWidget(billede, 0, Qt::AlignLeft | Qt::AlignTop);
    QLabel* linje = Etiket(Tekst(vindue::kTilbageTilInddata), ark);
    linje->setFont(ArialFed(12));
    lodret->addWidget(linje);
    lodret->addStretch(1);
    return ark;
}

QWidget* TForm1::bygKontrolark(const QString& navn, const QString& overskrift,
                               const QString& tegnefladenavn)
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(navn);
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(8, 8, 8, 8);
    QLabel* linje = Etiket(overskrift, ark);
    QFont skrift = linje->font();
    skrift.setBold(true);
    linje->setFont(skrift);
    lodret->addWidget(linje);
    lodret->addWidget(Ny<Tegneflade>(tegnefladenavn, ark), 1);
    return ark;
}

QWidget* TForm1::bygResultatark()
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QStringLiteral("Resultatark"));
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(4, 4, 4, 4);
    Resultat_ = Ny<QPlainTextEdit>(ark);
    Resultat_->setObjectName(QStringLiteral("Resultat"));
    Resultat_->setFont(FastBreddeSkrift(13));
    Resultat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Resultat_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lodret->addWidget(Resultat_);
    return ark;
}

QWidget* TForm1::bygSoemark()
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QStringLiteral("NailTegningsArk"));
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(4, 4, 4, 4);
    NailTegningsPaintBox_ = Ny<Tegneflade>(QStringLiteral("NailTegningsPaintBox"), ark);
    lodret->addWidget(NailTegningsPaintBox_);
    return ark;
}

QWidget* TForm1::bygKommandosoejle()
{
    auto* soejle = Ny<QWidget>(this);
    soejle->setObjectName(QStringLiteral("PanelKommandoer"));
    soejle->setFixedWidth(136);
    auto* lodret = Ny<QVBoxLayout>(soejle);
    lodret->setContentsMargins(0, 22, 0, 0);
    lodret->setSpacing(8);

    const auto knap = [&](QWidget* forfaelder, const char* navn, const QString& tekst) {
        auto* k = Ny<QPushButton>(tekst, forfaelder);
        k->setObjectName(QString::fromLatin1(navn));
        // A click leaves the focus where it is, so the field being edited is left by the
        // command itself, exactly once.
        k->setFocusPolicy(Qt::TabFocus);
        knapper_[k->objectName()] = k;
        return k;
    };
    const auto gruppe = [&](const char* navn, const QString& overskrift, const char* navn1,
                            const QString& tekst1, const char* navn2, const QString& tekst2) {
        auto* g = Ny<QGroupBox>(overskrift, soejle);
        g->setObjectName(QString::fromLatin1(navn));
        auto* indre = Ny<QVBoxLayout>(g);
        indre->setContentsMargins(6, 6, 6, 6);
        indre->setSpacing(6);
        indre->addWidget(knap(g, navn1, tekst1));
        indre->addWidget(knap(g, navn2, tekst2));
        lodret->addWidget(g);
    };
    gruppe("GroupBoxProjData", QStringLiteral("Inddata og spec. valg"), "ButtonHentProjektdata",
           QStringLiteral("&Hent ..."), "ButtonGemProjektdata", QStringLiteral("Gem &som ..."));
    gruppe("GroupBoxResultat", QStringLiteral("Beregningsresultat"), "ButtonPrintResult",
           QStringLiteral("Udskriv (&Print)"), "ButtonSaveResult", QStringLiteral("Gem &Resultat"));
    lodret->addSpacing(4);
    lodret->addWidget(
        knap(soejle, "ButtonVisBrugervejledn", QStringLiteral("Vis Brugervejledning")));
    lodret->addWidget(knap(soejle, "Lukkeknap", QStringLiteral("&Afslut programmet")));
    lodret->addSpacing(12);

    const auto advarsel = [&](const char* navn, const QString& tekst) {
        auto* panel = Ny<QLabel>(tekst, soejle);
        panel->setObjectName(QString::fromLatin1(navn));
        panel->setTextFormat(Qt::PlainText);
        panel->setFont(SansSkrift(15, true));
        panel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        panel->setFrameShape(QFrame::Box);
        panel->setMargin(6);
        QPalette palet = panel->palette();
        palet.setColor(QPalette::WindowText, QColor(200, 0, 0));
        panel->setPalette(palet);
        panel->setVisible(false);
        lodret->addWidget(panel);
        return panel;
    };
    MemoAdvarLgt_ = advarsel("MemoAdvarLgt",
                             QStringLiteral("Bemærk:\n\nLægte-\ndimensionen er\nutilstrækkelig"));
    MemoAdvarForb_ =
        advarsel("MemoAdvarForb",
                 QStringLiteral("Bemærk:\n\nDen\nspecificerede\nsømtype er\nutilstrækkelig"));
    lodret->addStretch(1);
    return soejle;
}

} // namespace taglo
