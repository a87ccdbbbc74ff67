// The two input tabs, built from the control tables: "Inddata" with its six groups and
// "Specielle valg" with its choices and their information texts.
#include "ui/kontroller.h"
#include "ui/skrift.h"
#include "ui/vinduesdesign.h"
#include "ui/vinduestekster.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <initializer_list>
#include <vector>

namespace taglo
{
namespace
{

constexpr int kFeltbreddePixels = 76; // ten digits of the tab font
constexpr int kEtiketbredde = 170;    // pixels; the labels of the number fields

// A label's hint names the help tab by its caption.
QString LedetekstHint(const FeltBeskrivelse& felt)
{
    if (!felt.ledetekstHint.empty())
    {
        return QTekst(felt.ledetekstHint);
    }
    QString hint = QTekst(felt.hint);
    hint.replace(QStringLiteral("\"Hjælp, tværsnit\""), QStringLiteral("\"Hjælp, Tvær\""));
    hint.replace(QStringLiteral("\"Hjælp, længdesnit\""), QStringLiteral("\"Hjælp, Længde\""));
    return hint;
}

// A group box of the tab "Inddata" with its grid: label, field, unit, information text.
struct Gruppe
{
    QGroupBox* boks;
    QGridLayout* gitter;
    int raekke = 0; // the next free row

    Gruppe(const char* navn, const char* overskrift, QWidget* ark)
        : boks(Ny<QGroupBox>(QString::fromUtf8(overskrift), ark)), gitter(Ny<QGridLayout>(boks))
    {
        boks->setObjectName(QString::fromLatin1(navn));
        gitter->setContentsMargins(8, 6, 8, 6);
        gitter->setHorizontalSpacing(6);
        gitter->setVerticalSpacing(4);
        gitter->setColumnMinimumWidth(0, kEtiketbredde);
        gitter->setColumnMinimumWidth(2, 40);
        gitter->setColumnStretch(3, 1);
    }
};

// Builds the controls of the input tabs, keeping them in `dele` and in their tab order.
class Inddatabygger
{
  public:
    explicit Inddatabygger(Vinduesdele& dele) : dele_(dele) {}

    // A text field of the project identification over the full width: label and field.
    void Tekstfelt(Gruppe& g, Felt felt)
    {
        const FeltBeskrivelse& b = Beskrivelse(felt);
        QLabel* etiket = Etiket(QTekst(b.ledetekst), g.boks);
        auto* e = Ny<QLineEdit>(QTekst(b.designtekst), g.boks);
        e->setObjectName(QTekst(b.navn));
        e->setMaxLength(b.kapacitet);
        etiket->setBuddy(e);
        g.gitter->addWidget(etiket, g.raekke, 0);
        g.gitter->addWidget(e, g.raekke++, 1);
        Husk(felt, e);
    }

    // A number field as a row of its group: label, field, unit.
    void Talfelt(Gruppe& g, Felt felt)
    {
        const FeltBeskrivelse& b = Beskrivelse(felt);
        QLabel* etiket = Etiket(QTekst(b.ledetekst), g.boks);
        auto* e = Ny<QLineEdit>(QTekst(b.designtekst), g.boks);
        e->setObjectName(QTekst(b.navn));
        e->setFixedWidth(kFeltbreddePixels);
        e->setAlignment(Qt::AlignRight);
        e->setMaxLength(255);
        if (!b.hint.empty())
        {
            e->setToolTip(QTekst(b.hint));
            etiket->setToolTip(LedetekstHint(b));
        }
        etiket->setBuddy(e);
        g.gitter->addWidget(etiket, g.raekke, 0);
        g.gitter->addWidget(e, g.raekke, 1);
        g.gitter->addWidget(Etiket(QTekst(b.enhed), g.boks), g.raekke++, 2);
        Husk(felt, e);
    }

    void Talfelter(Gruppe& g, std::initializer_list<Felt> felter)
    {
        for (const Felt felt : felter)
        {
            Talfelt(g, felt);
        }
    }

    // A radio group with its caption and items, its design item selected.
    RadioGruppe* Valggruppe(Valg valg, QWidget* forfaelder)
    {
        const ValgBeskrivelse& b = Beskrivelse(valg);
        QStringList punkter;
        for (int i = 0; i < b.antalPunkter; ++i)
        {
            punkter.append(QTekst(b.punkter.at(static_cast<std::size_t>(i))));
        }
        auto* gruppe =
            Ny<RadioGruppe>(QTekst(b.navn), QTekst(b.overskrift), punkter, b.kolonner, forfaelder);
        gruppe->saetItemIndex(b.standard);
        if (!b.hint.empty())
        {
            gruppe->setToolTip(QTekst(b.hint));
        }
        dele_.radiogrupper[static_cast<std::size_t>(valg)] = gruppe;
        tabraekkefoelge_.push_back(gruppe);
        return gruppe;
    }

    // A radio group as a row of a group of the tab "Inddata".
    RadioGruppe* Valgraekke(Gruppe& g, Valg valg)
    {
        RadioGruppe* gruppe = Valggruppe(valg, g.boks);
        g.gitter->addWidget(gruppe, g.raekke++, 0, 1, 3);
        return gruppe;
    }

    // The button "Hjælp" under a group's fields.
    void Hjaelpeknap(Gruppe& g, const char* navn)
    {
        auto* knap = Ny<QPushButton>(QStringLiteral("Hjælp"), g.boks);
        knap->setObjectName(QString::fromLatin1(navn));
        g.gitter->addWidget(knap, g.raekke, 1, 1, 2, Qt::AlignLeft);
        dele_.knapper[knap->objectName()] = knap;
        tabraekkefoelge_.push_back(knap);
    }

    void Soemliste(Gruppe& g)
    {
        dele_.ComboBoxNail = Ny<QComboBox>(g.boks);
        dele_.ComboBoxNail->setObjectName(QTekst(kSoemliste.navn));
        dele_.ComboBoxNail->setEditable(false);
        dele_.ComboBoxNail->setToolTip(QTekst(kSoemliste.hint));
        g.gitter->addWidget(dele_.ComboBoxNail, g.raekke++, 0, 1, 4);
        tabraekkefoelge_.push_back(dele_.ComboBoxNail);
    }

    // Sets the tab order of the controls in the order they were built.
    void SaetTabraekkefoelge() const
    {
        for (std::size_t i = 1; i < tabraekkefoelge_.size(); ++i)
        {
            QWidget::setTabOrder(tabraekkefoelge_[i - 1], tabraekkefoelge_[i]);
        }
    }

  private:
    void Husk(Felt felt, QLineEdit* e)
    {
        dele_.edits[static_cast<std::size_t>(felt)] = e;
        tabraekkefoelge_.push_back(e);
    }

    Vinduesdele& dele_;
    std::vector<QWidget*> tabraekkefoelge_;
};

QGroupBox* ProjektIdentifikation(Inddatabygger& bygger, QWidget* ark)
{
    Gruppe g("GroupBoxProjekt", "Projekt-identifikation", ark);
    g.gitter->setColumnStretch(3, 0);
    g.gitter->setColumnStretch(1, 1);
    for (const Felt felt :
         {Felt::EditFirmanavn, Felt::EditProjektnavn, Felt::EditBygningsdel, Felt::EditMedarb})
    {
        bygger.Tekstfelt(g, felt);
    }
    return g.boks;
}

// The building's and the batten's measures: the left column.
void Maal(Inddatabygger& bygger, QWidget* ark, QVBoxLayout* kolonne)
{
    Gruppe tvaersnit("GroupBoxTvaersnit", "Bygningens tværsnitsmål", ark);
    bygger.Talfelter(tvaersnit,
                     {Felt::EditHusBr, Felt::EditFacHjd, Felt::EditTagVink, Felt::EditLegteAfst});
    bygger.Valgraekke(tvaersnit, Valg::RadioGroupDublLegter);
    bygger.Talfelt(tvaersnit, Felt::EditFacUdh);
    bygger.Hjaelpeknap(tvaersnit, "ButtonHelpTver");
    kolonne->addWidget(tvaersnit.boks);

    Gruppe laengde("GroupBoxLaengde", "Bygningens længdemål", ark);
    bygger.Talfelter(laengde, {Felt::EditHusLn, Felt::EditNormalSpaerAfst, Felt::EditGavlSpaerAfst,
                               Felt::EditGavlspaerIndrykn, Felt::EditGavlUdh});
    bygger.Hjaelpeknap(laengde, "ButtonLengdeHelp");
    kolonne->addWidget(laengde.boks);

    Gruppe laegte("GroupBoxLaegte", "Lægtens tværsnitsmål", ark);
    bygger.Talfelter(laegte, {Felt::EditLegteHojde, Felt::EditLegteBredde});
    kolonne->addWidget(laegte.boks);
    kolonne->addStretch(1);
}

// The connection and the loads: the right column. The snow controls use the small font.
void ForbindelseOgLaster(Inddatabygger& bygger, QWidget* ark, QVBoxLayout* kolonne)
{
    Gruppe forbindelse("GroupBoxForbindelse", "Forbindelse lægte/spær", ark);
    bygger.Soemliste(forbindelse);
    bygger.Talfelter(forbindelse, {Felt::EditAlisteTykkelse, Felt::EditUtagtykkelse});
    kolonne->addWidget(forbindelse.boks);

    Gruppe laster("GroupBoxLaster", "Laster", ark);
    bygger.Talfelt(laster, Felt::EditTagTyng);
    bygger.Valgraekke(laster, Valg::RadioGroupTerrKat);
    const int afstandRaekke = laster.raekke;
    bygger.Talfelt(laster, Felt::EditAfstVesterhav);
    laster.gitter->addWidget(GraaTekst(vindue::kAfstandInfo, laster.boks), afstandRaekke, 3);

    const QFont lille = SansSkrift(11);
    bygger.Valgraekke(laster, Valg::RadioGroupNormSneFormFak)->setFont(lille);
    QLabel* sneInfo = GraaTekst(vindue::kSneInfo, laster.boks);
    sneInfo->setFont(lille);
    laster.gitter->addWidget(sneInfo, laster.raekke++, 0, 1, 4);
    const int sneRaekke = laster.raekke;
    bygger.Talfelt(laster, Felt::EditSneFormFak);
    for (int kolonneNr = 0; kolonneNr < 3; ++kolonneNr)
    {
        laster.gitter->itemAtPosition(sneRaekke, kolonneNr)->widget()->setFont(lille);
    }
    kolonne->addWidget(laster.boks);
    kolonne->addStretch(1);
}

// The log level with its explanation; hidden in the design, a project file with a log
// level shows it.
QGroupBox* Resultatomfang(Inddatabygger& bygger, const QFont& lille, QWidget* ark)
{
    auto* omfang = Ny<QGroupBox>(QStringLiteral("Resultatomfang"), ark);
    omfang->setObjectName(QStringLiteral("GroupBoxResultatomfang"));
    auto* indre = Ny<QGridLayout>(omfang);
    indre->setHorizontalSpacing(12);
    RadioGruppe* logfil = bygger.Valggruppe(Valg::RadioGroupLogfil, omfang);
    logfil->setFont(lille);
    logfil->setEnabled(false);
    indre->addWidget(logfil, 0, 0, Qt::AlignTop);
    QLabel* memo = GraaTekst(vindue::kLogfilInfo, omfang);
    memo->setFont(lille);
    memo->setObjectName(QStringLiteral("MemoLogfil"));
    indre->addWidget(memo, 0, 1);
    indre->setColumnStretch(1, 1);
    omfang->setVisible(false);
    return omfang;
}

} // namespace

QWidget* BygInddataark(Vinduesdele& dele)
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QTekst(Beskrivelse(Fane::Inddataark).navn));
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(8, 8, 8, 8);
    lodret->setSpacing(6);
    lodret->addWidget(FedLinje(vindue::kVejledningInddata1, ark));
    lodret->addWidget(FedLinje(vindue::kVejledningInddata2, ark));

    Inddatabygger bygger(dele);
    lodret->addWidget(ProjektIdentifikation(bygger, ark));
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
    Maal(bygger, ark, venstre);
    ForbindelseOgLaster(bygger, ark, hoejre);
    dele.edit(Felt::EditFirmanavn)->setEnabled(false);
    dele.edit(Felt::EditSneFormFak)->setEnabled(false);
    bygger.SaetTabraekkefoelge();
    return ark;
}

QWidget* BygOpsetningsark(Vinduesdele& dele)
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QTekst(Beskrivelse(Fane::Opsetningsark).navn));
    auto* lodret = Ny<QVBoxLayout>(ark);
    lodret->setContentsMargins(8, 8, 8, 8);
    lodret->setSpacing(6);
    lodret->addWidget(FedLinje(vindue::kVejledningSpecielle1, ark));
    lodret->addWidget(FedLinje(vindue::kVejledningSpecielle2, ark));
    lodret->addSpacing(6);

    auto* gitter = Ny<QGridLayout>();
    gitter->setHorizontalSpacing(12);
    gitter->setVerticalSpacing(8);
    gitter->setColumnMinimumWidth(0, 260);
    gitter->setColumnStretch(2, 1);
    lodret->addLayout(gitter);

    // The special choices and their information texts use the small font, all but the
    // explanation's choice.
    const QFont lille = SansSkrift(11);
    Inddatabygger bygger(dele);
    const auto valg = [&](Valg v, QWidget* forfaelder) {
        RadioGruppe* gruppe = bygger.Valggruppe(v, forfaelder);
        gruppe->setFont(lille);
        return gruppe;
    };
    const auto info = [&](std::string_view tekst, QWidget* forfaelder) {
        QLabel* etiket = GraaTekst(tekst, forfaelder);
        etiket->setFont(lille);
        return etiket;
    };
    gitter->addWidget(valg(Valg::RadioGroupStyrkeKlasse, ark), 0, 0);
    gitter->addWidget(valg(Valg::RadioGroupSikkl, ark), 1, 0);
    gitter->addWidget(info(vindue::kSikklInfo, ark), 1, 1, Qt::AlignVCenter);
    gitter->addWidget(GraaTekst(vindue::kNormgrundlag, ark), 2, 0, 1, 3);
    gitter->addWidget(valg(Valg::RadioGroupCvAreal, ark), 3, 0);
    gitter->addWidget(info(vindue::kCvArealInfo, ark), 3, 1);
    gitter->addWidget(bygger.Valggruppe(Valg::RadioGroupForklaringMed, ark), 4, 0);

    dele.GroupBoxResultatomfang = Resultatomfang(bygger, lille, ark);
    gitter->addWidget(dele.GroupBoxResultatomfang, 5, 0, 1, 3);
    lodret->addStretch(1);

    bygger.SaetTabraekkefoelge();
    return ark;
}

} // namespace taglo
