// The window's content beside its menu: the tab control with its eight sheets and the
// command column with the warning panels.
#include "ui/vinduesdesign.h"

#include "ui/kontroller.h"
#include "ui/skrift.h"
#include "ui/vinduestekster.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>
#include <span>

namespace taglo
{

QString QTekst(std::string_view tekst)
{
    return QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
}

QLabel* Etiket(const QString& tekst, QWidget* forfaelder)
{
    auto* etiket = Ny<QLabel>(tekst, forfaelder);
    etiket->setTextFormat(Qt::PlainText);
    return etiket;
}

QLabel* GraaTekst(std::string_view tekst, QWidget* forfaelder)
{
    QLabel* etiket = Etiket(QTekst(tekst), forfaelder);
    QPalette palet = etiket->palette();
    palet.setColor(QPalette::WindowText, QColor(96, 96, 96));
    etiket->setPalette(palet);
    etiket->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return etiket;
}

QLabel* FedLinje(std::string_view tekst, QWidget* forfaelder)
{
    QLabel* etiket = Etiket(QTekst(tekst), forfaelder);
    QFont skrift = etiket->font();
    skrift.setBold(true);
    etiket->setFont(skrift);
    return etiket;
}

namespace
{

QWidget* NytArk(Fane fane, int margen)
{
    auto* ark = Ny<QWidget>();
    ark->setObjectName(QTekst(Beskrivelse(fane).navn));
    Ny<QVBoxLayout>(ark)->setContentsMargins(margen, margen, margen, margen);
    return ark;
}

QVBoxLayout* Lodret(QWidget* ark)
{
    return qobject_cast<QVBoxLayout*>(ark->layout());
}

// A help picture of 648 by 464 pixels, and under it the way back to the inputs.
QWidget* Hjaelpeark(Fane fane, const QString& billednavn, const QString& billedsti)
{
    QWidget* ark = NytArk(fane, 8);
    auto* billede = Ny<QLabel>(ark);
    billede->setObjectName(billednavn);
    billede->setFixedSize(648, 464);
    billede->setPixmap(QPixmap(billedsti));
    Lodret(ark)->addWidget(billede, 0, Qt::AlignLeft | Qt::AlignTop);
    QLabel* linje = Etiket(QTekst(vindue::kTilbageTilInddata), ark);
    linje->setFont(ArialFed(12));
    Lodret(ark)->addWidget(linje);
    Lodret(ark)->addStretch(1);
    return ark;
}

// A check drawing under its bold heading.
QWidget* Kontrolark(Fane fane, std::string_view overskrift, const QString& tegnefladenavn,
                    Tegneflade*& flade)
{
    QWidget* ark = NytArk(fane, 8);
    Lodret(ark)->addWidget(FedLinje(overskrift, ark));
    flade = Ny<Tegneflade>(tegnefladenavn, ark);
    Lodret(ark)->addWidget(flade, 1);
    return ark;
}

QWidget* Resultatark(Vinduesdele& dele)
{
    QWidget* ark = NytArk(Fane::Resultatark, 4);
    dele.Resultat = Ny<QPlainTextEdit>(ark);
    dele.Resultat->setObjectName(QTekst(kMemoResultat));
    dele.Resultat->setFont(FastBreddeSkrift(13));
    dele.Resultat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dele.Resultat->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Lodret(ark)->addWidget(dele.Resultat);
    return ark;
}

QWidget* Soemark(Vinduesdele& dele)
{
    QWidget* ark = NytArk(Fane::NailTegningsArk, 4);
    dele.NailTegningsPaintBox = Ny<Tegneflade>(QStringLiteral("NailTegningsPaintBox"), ark);
    Lodret(ark)->addWidget(dele.NailTegningsPaintBox);
    return ark;
}

// The design suggestion: its sentence, the table of every candidate and the button that
// puts the chosen one into the inputs.
QWidget* Forslagsark(Vinduesdele& dele)
{
    QWidget* ark = NytArk(Fane::Forslagsark, 8);
    dele.ForslagTekst = FedLinje("", ark);
    dele.ForslagTekst->setObjectName(QStringLiteral("ForslagTekst"));
    dele.ForslagTekst->setWordWrap(true);
    Lodret(ark)->addWidget(dele.ForslagTekst);
    auto* tabel = Ny<QTableWidget>(0, 7, ark);
    tabel->setObjectName(QStringLiteral("ForslagTabel"));
    tabel->setHorizontalHeaderLabels(
        {QStringLiteral("Tværsnit"), QStringLiteral("Sømtype"), QStringLiteral("Lægte"),
         QStringLiteral("Søm"), QStringLiteral("Normalspær"), QStringLiteral("Forankret gavlspær"),
         QStringLiteral("Vurdering")});
    tabel->verticalHeader()->setVisible(false);
    tabel->verticalHeader()->setDefaultSectionSize(tabel->fontMetrics().height() + 6);
    tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabel->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every column as wide as its texts; the nail's name takes what is left.
    tabel->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tabel->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    dele.ForslagTabel = tabel;
    Lodret(ark)->addWidget(tabel, 1);
    auto* knap = Ny<QPushButton>(QStringLiteral("&Brug forslaget"), ark);
    knap->setObjectName(QStringLiteral("ButtonBrugForslag"));
    dele.knapper[knap->objectName()] = knap;
    Lodret(ark)->addWidget(knap, 0, Qt::AlignLeft);
    Lodret(ark)->addWidget(
        GraaTekst("Kun de viste tværsnit og sømkatalogets søm er afprøvet. Ingeniøren afgør "
                  "valget.",
                  ark));
    return ark;
}

QTableWidgetItem* Celle(const std::string& tekst, std::optional<bool> ok = std::nullopt,
                        Qt::Alignment justering = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* celle = Ny<QTableWidgetItem>(QTekst(tekst));
    celle->setToolTip(celle->text()); // the whole text where the column cuts it
    celle->setTextAlignment(justering);
    if (ok)
    {
        celle->setForeground(*ok ? QColor(0, 128, 0) : QColor(200, 0, 0));
    }
    return celle;
}

} // namespace

void VisKandidater(QTableWidget& tabel, const std::vector<TKandidat>& kandidater,
                   const Regionalindstillinger& regional)
{
    tabel.clearContents();
    tabel.setRowCount(static_cast<int>(kandidater.size()));
    const Qt::Alignment hoejre = Qt::AlignRight | Qt::AlignVCenter;
    for (int r = 0; r < tabel.rowCount(); ++r)
    {
        const TKandidat& k = kandidater[static_cast<std::size_t>(r)];
        tabel.setItem(r, 0, Celle(TvaersnitTekst(k.Tvaersnit, regional)));
        tabel.setItem(r, 1, Celle(std::string(k.Soemnavn)));
        tabel.setItem(r, 2,
                      Celle(UdnyttelseTekst(k.UdnLaegte, regional), k.Anvendelig.Laegte, hoejre));
        tabel.setItem(r, 3, Celle(UdnyttelseTekst(k.UdnSoem, regional), k.Anvendelig.Soem, hoejre));
        tabel.setItem(r, 4, Celle(k.SoemNormalspaer));
        tabel.setItem(r, 5, Celle(k.SoemGavlspaer));
        tabel.setItem(
            r, 6, Celle(std::string(VurderingTekst(k.Anvendelig.Begge())), k.Anvendelig.Begge()));
    }
    if (!kandidater.empty() && kandidater.front().Anvendelig.Begge())
    {
        tabel.selectRow(0);
    }
}

namespace
{

QTabWidget* Faner(const QString& programmappe, Vinduesdele& dele, QWidget* forfaelder)
{
    auto* faner = Ny<QTabWidget>(forfaelder);
    faner->setObjectName(QStringLiteral("PageControl1"));
    faner->setFont(SansSkrift(12));
    faner->setUsesScrollButtons(false);
    const auto tilfoej = [&](Fane fane, QWidget* ark) {
        faner->addTab(ark, QTekst(Beskrivelse(fane).overskrift));
    };
    tilfoej(Fane::Inddataark, BygInddataark(dele));
    tilfoej(Fane::Opsetningsark, BygOpsetningsark(dele));
    tilfoej(Fane::HjelpTversnitArk,
            Hjaelpeark(Fane::HjelpTversnitArk, QStringLiteral("ImageHjelpTversnit"),
                       programmappe + QStringLiteral("HjaelpTvaersnit.jpg")));
    tilfoej(Fane::HjelpLengdesnitArk,
            Hjaelpeark(Fane::HjelpLengdesnitArk, QStringLiteral("ImageHjelpLengdesnit"),
                       programmappe + QStringLiteral("HjaelpLaengdesnit.jpg")));
    tilfoej(Fane::KontrolTversnitArk,
            Kontrolark(Fane::KontrolTversnitArk,
                       "Visuel kontrol af bygningens og lægternes tværsnitsmål",
                       QStringLiteral("KontrolTversnitPaintBox"), dele.KontrolTversnitPaintBox));
    tilfoej(Fane::KontrolLengdesnitArk,
            Kontrolark(Fane::KontrolLengdesnitArk, "Visuel kontrol af spærplaceringer",
                       QStringLiteral("KontrolLengdesnitPaintBox"),
                       dele.KontrolLengdesnitPaintBox));
    tilfoej(Fane::Resultatark, Resultatark(dele));
    tilfoej(Fane::NailTegningsArk, Soemark(dele));
    tilfoej(Fane::Forslagsark, Forslagsark(dele));
    faner->setCurrentIndex(0);
    dele.PageControl1 = faner;
    return faner;
}

// A command button. A click leaves the focus where it is, so the field being edited is
// left by the command itself, exactly once.
QPushButton* Kommandoknap(QWidget* forfaelder, const char* navn, const QString& tekst,
                          Vinduesdele& dele)
{
    auto* knap = Ny<QPushButton>(tekst, forfaelder);
    knap->setObjectName(QString::fromLatin1(navn));
    knap->setFocusPolicy(Qt::TabFocus);
    dele.knapper[knap->objectName()] = knap;
    return knap;
}

// A warning panel: bold red lines in a frame, hidden until a run shows it.
QLabel* Advarselspanel(const char* navn, std::span<const std::string_view> linjer,
                       QWidget* forfaelder)
{
    QStringList tekst;
    for (const std::string_view linje : linjer)
    {
        tekst.append(QTekst(linje));
    }
    auto* panel = Ny<QLabel>(tekst.join(QLatin1Char('\n')), forfaelder);
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
    return panel;
}

QWidget* Kommandosoejle(Vinduesdele& dele, QWidget* forfaelder)
{
    auto* soejle = Ny<QWidget>(forfaelder);
    soejle->setObjectName(QStringLiteral("PanelKommandoer"));
    soejle->setFixedWidth(136);
    auto* lodret = Ny<QVBoxLayout>(soejle);
    lodret->setContentsMargins(0, 22, 0, 0);
    lodret->setSpacing(8);
    const auto gruppe = [&](const char* navn, const QString& overskrift, const char* navn1,
                            const QString& tekst1, const char* navn2, const QString& tekst2) {
        auto* g = Ny<QGroupBox>(overskrift, soejle);
        g->setObjectName(QString::fromLatin1(navn));
        auto* indre = Ny<QVBoxLayout>(g);
        indre->setContentsMargins(6, 6, 6, 6);
        indre->setSpacing(6);
        indre->addWidget(Kommandoknap(g, navn1, tekst1, dele));
        indre->addWidget(Kommandoknap(g, navn2, tekst2, dele));
        lodret->addWidget(g);
    };
    gruppe("GroupBoxProjData", QStringLiteral("Inddata og spec. valg"), "ButtonHentProjektdata",
           QStringLiteral("&Hent ..."), "ButtonGemProjektdata", QStringLiteral("Gem &som ..."));
    gruppe("GroupBoxResultat", QStringLiteral("Beregningsresultat"), "ButtonPrintResult",
           QStringLiteral("Udskriv (&Print)"), "ButtonSaveResult", QStringLiteral("Gem &Resultat"));
    // The calculation document, below "Gem Resultat" in the same group.
    auto* resultat = soejle->findChild<QGroupBox*>(QStringLiteral("GroupBoxResultat"));
    resultat->layout()->addWidget(
        Kommandoknap(resultat, "ButtonGemPdf", QStringLiteral("Gem P&DF"), dele));
    lodret->addSpacing(4);
    lodret->addWidget(Kommandoknap(soejle, "ButtonVisBrugervejledn",
                                   QStringLiteral("Vis Brugervejledning"), dele));
    lodret->addWidget(
        Kommandoknap(soejle, "Lukkeknap", QStringLiteral("&Afslut programmet"), dele));
    lodret->addSpacing(12);
    dele.MemoAdvarLgt = Advarselspanel("MemoAdvarLgt", kMemoAdvarLgtLinjer, soejle);
    lodret->addWidget(dele.MemoAdvarLgt);
    dele.MemoAdvarForb = Advarselspanel("MemoAdvarForb", kMemoAdvarForbLinjer, soejle);
    lodret->addWidget(dele.MemoAdvarForb);
    lodret->addStretch(1);
    return soejle;
}

} // namespace

QWidget* BygVinduesindhold(const QString& programmappe, Vinduesdele& dele, QWidget* vindue)
{
    auto* midte = Ny<QWidget>(vindue);
    auto* raekke = Ny<QHBoxLayout>(midte);
    raekke->setContentsMargins(6, 6, 6, 6);
    raekke->setSpacing(8);
    raekke->addWidget(Faner(programmappe, dele, midte), 1);
    raekke->addWidget(Kommandosoejle(dele, midte), 0);
    return midte;
}

} // namespace taglo
