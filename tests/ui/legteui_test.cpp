// The main window driven as a user drives it: typing, leaving fields, clicking tabs,
// menu items and buttons, with message boxes, dialogs and the printer recorded.
#include "testtjenester.h"

#include "optagne_meddelelser.h"
#include "reference.h"

#include "app/udskrift.h"
#include "core/soemkatalog.h"
#include "core/taltekst.h"
#include "core/tekstfil.h"
#include "qtcanvas/qtlaerred.h"
#include "qtcanvas/systemregional.h"
#include "ui/infoformular.h"
#include "ui/kontroller.h"
#include "ui/legteui.h"
#include "ui/opstart.h"
#include "ui/qtdialoger.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace taglo
{

namespace
{

const QString kDatamappe = QStringLiteral(TAGLO_DATAMAPPE "/");

QString ReferenceFil(const QString& navn)
{
    return QString::fromStdString(test::ReferenceMappe()) + QLatin1Char('/') + navn;
}

// Whether any pixel of the picture has exactly this colour.
bool HarFarve(const QImage& billede, const QColor& farve)
{
    const QImage rgb = billede.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
    {
        for (int x = 0; x < rgb.width(); ++x)
        {
            if (rgb.pixelColor(x, y).rgb() == farve.rgb())
            {
                return true;
            }
        }
    }
    return false;
}

int FaneIndeks(Fane fane)
{
    return static_cast<int>(fane);
}

} // namespace

class LegteUITest : public QObject
{
    Q_OBJECT

  private:
    test::OptagneMeddelelser meddelelser_;
    test::OptagneDialoger dialoger_;
    std::unique_ptr<QTemporaryDir> mappe_;
    std::unique_ptr<test::PdfUdskrivning> printer_;
    std::unique_ptr<TForm1> vindue_;

    // A started window on the default project, shown and active, with no message yet.
    TForm1& StartVindue(const QString& programmappe = kDatamappe,
                        const Regionalindstillinger& regional = Regionalindstillinger::Dansk())
    {
        vindue_ = std::make_unique<TForm1>(Vinduestjenester{meddelelser_, dialoger_, *printer_},
                                           regional, programmappe);
        return *vindue_;
    }

    TForm1& StartetVindue(const Regionalindstillinger& regional = Regionalindstillinger::Dansk())
    {
        TForm1& v = StartVindue(kDatamappe, regional);
        if (!v.Init())
        {
            qFatal("Standard.tgl beside the program could not be read");
        }
        v.show();
        v.activateWindow();
        if (!QTest::qWaitForWindowActive(&v))
        {
            qFatal("the window did not become active");
        }
        return v;
    }

    // Types `tekst` into a field in place of what it holds, and leaves it with Tab.
    static void SkrivOgForlad(QLineEdit* felt, const QString& tekst)
    {
        felt->setFocus(Qt::MouseFocusReason);
        felt->selectAll();
        QTest::keyClicks(felt, tekst);
        QTest::keyClick(felt, Qt::Key_Tab);
        QTest::qWait(20);
    }

    // Types into a field without leaving it.
    static void Skriv(QLineEdit* felt, const QString& tekst)
    {
        felt->setFocus(Qt::MouseFocusReason);
        felt->selectAll();
        QTest::keyClicks(felt, tekst);
    }

    void KlikFane(Fane fane)
    {
        QTabBar* bar = vindue_->faner()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(FaneIndeks(fane)).center());
        QTest::qWait(20);
    }

    void VaelgMenupunkt(const char* navn)
    {
        vindue_->menupunkt(QString::fromLatin1(navn))->trigger();
        QTest::qWait(20);
    }

    void HentProjekt(const QString& fil)
    {
        dialoger_.svarene.emplace_back(fil.toStdString());
        QTest::mouseClick(vindue_->knap(QStringLiteral("ButtonHentProjektdata")), Qt::LeftButton);
        QTest::qWait(20);
    }

    QLabel* Panel(const char* navn) const
    {
        return vindue_->findChild<QLabel*>(QString::fromLatin1(navn));
    }

    int AntalLogdialoger() const
    {
        return static_cast<int>(std::count(dialoger_.titler.begin(), dialoger_.titler.end(),
                                           std::string("Gem logfil")));
    }

  private slots:
    void init()
    {
        meddelelser_.liste.clear();
        dialoger_.titler.clear();
        dialoger_.svarene.clear();
        mappe_ = std::make_unique<QTemporaryDir>();
        printer_ =
            std::make_unique<test::PdfUdskrivning>(mappe_->filePath(QStringLiteral("r.pdf")));
    }

    void cleanup() { vindue_.reset(); }

    void StartUdenStandardfilGiverBeskedOgSlutter()
    {
        TForm1& v = StartVindue(mappe_->path() + QLatin1Char('/'));
        QVERIFY(!v.Init());
        QCOMPARE(meddelelser_.liste.size(), std::size_t{1});
        QCOMPARE(meddelelser_.liste[0].art, std::string("fejl"));
        QVERIFY(QString::fromStdString(meddelelser_.liste[0].tekst)
                    .startsWith(QStringLiteral(
                        "Programmet kunne ikke finde inddatafilen Standard.tgl.\r\n")));
    }

    void StartMedStandardfilViserDensVaerdierPaaInddata()
    {
        TForm1& v = StartetVindue();
        QVERIFY(meddelelser_.liste.empty());
        QCOMPARE(v.windowTitle(), QStringLiteral("Taglo"));
        QCOMPARE(v.minimumSize(), v.maximumSize()); // one fixed-size window
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        // Standard.tgl: an 8 m wide house with a 45 degree roof and 38 x 73 battens.
        QCOMPARE(v.edit(QStringLiteral("EditHusBr"))->text(), QStringLiteral("      8,00"));
        QCOMPARE(v.edit(QStringLiteral("EditTagVink"))->text(), QStringLiteral("        45"));
        QCOMPARE(v.edit(QStringLiteral("EditLegteHojde"))->text(), QStringLiteral("        38"));
        QVERIFY(!v.edit(QStringLiteral("EditFirmanavn"))->isEnabled());
        QVERIFY(!Panel("MemoAdvarLgt")->isVisible());
        QVERIFY(!Panel("MemoAdvarForb")->isVisible());
        QVERIFY(v.Resultat()->toPlainText().isEmpty());
    }

    // The shipped default project, saved with decimal commas, on a system whose numbers have
    // a decimal point: it reads, and the fields show the system's point.
    void StartPaaEngelskSystemViserStandardfilenMedPunktum()
    {
        TForm1& v = StartetVindue(RegionalindstillingerFra(QLocale(QStringLiteral("en_US"))));
        QVERIFY(meddelelser_.liste.empty());
        QCOMPARE(v.edit(QStringLiteral("EditHusBr"))->text(), QStringLiteral("      8.00"));
    }

    void ProjektfilFraKommandolinjenVisesUdenDialog()
    {
        // A project file double-clicked in the file manager: a 14.64 m wide extension.
        TForm1& v = StartetVindue();
        v.HentProjekt(ReferenceFil(QStringLiteral("projekt02.tgl")));
        QVERIFY(meddelelser_.liste.empty());
        QVERIFY(dialoger_.titler.empty());
        QCOMPARE(v.edit(QStringLiteral("EditHusBr"))->text(), QStringLiteral("     14,64"));
        QCOMPARE(v.applikation().Inddata().HusBr, 14.64);
    }

    void UlaeseligProjektfilFraKommandolinjenBeholderStandardprojektet()
    {
        TForm1& v = StartetVindue();
        v.HentProjekt(mappe_->filePath(QStringLiteral("findes-ikke.tgl")));
        QCOMPARE(meddelelser_.liste.size(), std::size_t{1});
        QCOMPARE(meddelelser_.liste[0].art, std::string("fejldialog"));
        QCOMPARE(v.edit(QStringLiteral("EditHusBr"))->text(), QStringLiteral("      8,00"));
        QCOMPARE(v.applikation().Inddata().HusBr, 8.0);
    }

    void FanerneStaarIDenFasteRaekkefoelge()
    {
        TForm1& v = StartetVindue();
        const QStringList forventet{QStringLiteral("Inddata"),
                                    QStringLiteral("Specielle valg"),
                                    QStringLiteral("Hjælp, Tvær"),
                                    QStringLiteral("Hjælp, Længde"),
                                    QStringLiteral("Kontrol, Tvær"),
                                    QStringLiteral("Kontrol, Længde"),
                                    QStringLiteral("Beregningsresultat"),
                                    QStringLiteral("Sømforbindelse")};
        QCOMPARE(v.faner()->count(), forventet.size());
        for (int i = 0; i < v.faner()->count(); ++i)
        {
            QCOMPARE(v.faner()->tabText(i), forventet[i]);
        }
    }

    void SoemlistenHarDeTiSoemIKatalogetsOrden()
    {
        TForm1& v = StartetVindue();
        QComboBox* liste = v.ComboBoxNail();
        QCOMPARE(liste->count(), 10);
        QCOMPARE(liste->itemText(0), QStringLiteral("3,1 x 90 mm ringet søm (som i SKRIFT 12)"));
        QCOMPARE(liste->itemText(2), QStringLiteral("3,8 x130 mm ringet søm (som i SKRIFT 12)"));
        QCOMPARE(liste->itemText(4), QStringLiteral("4,5 x 90 mm lægtesøm"));
        QCOMPARE(liste->itemText(9), QStringLiteral("4,6 x 130 mm firkantsøm"));
        // Standard.tgl chooses nail 5.
        QCOMPARE(liste->currentIndex(), 5);
    }

    void IndtastetHusbreddeRundesOgGemmes()
    {
        TForm1& v = StartetVindue();
        QLineEdit* felt = v.edit(QStringLiteral("EditHusBr"));
        SkrivOgForlad(felt, QStringLiteral("7,255"));
        QCOMPARE(felt->text(), QStringLiteral("      7,26"));
        QCOMPARE(v.applikation().Inddata().HusBr, 7.26);
        QVERIFY(meddelelser_.liste.empty());
        QCOMPARE(QApplication::focusWidget(), v.edit(QStringLiteral("EditFacHjd")));
    }

    void AfvistTagvinkelGiverEnBeskedOgFokusTilbage()
    {
        TForm1& v = StartetVindue();
        QLineEdit* felt = v.edit(QStringLiteral("EditTagVink"));
        SkrivOgForlad(felt, QStringLiteral("76"));
        QTest::qWait(50);
        const std::vector<test::OptagetMeddelelse> forventet{
            {"fejl", "Tagvinklen skal være mellem 0 og 75 grader"}};
        QCOMPARE(meddelelser_.liste, forventet);
        QCOMPARE(QApplication::focusWidget(), felt);
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        QCOMPARE(v.applikation().Inddata().TagVink, 76.0);
    }

    void AfvistVaerdiPaaAndenFaneBringerInddataFrem()
    {
        TForm1& v = StartetVindue();
        QLineEdit* felt = v.edit(QStringLiteral("EditTagVink"));
        Skriv(felt, QStringLiteral("76"));
        KlikFane(Fane::Resultatark);
        const std::vector<test::OptagetMeddelelse> forventet{
            {"fejl", "Tagvinklen skal være mellem 0 og 75 grader"}};
        QCOMPARE(meddelelser_.liste, forventet);
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        QCOMPARE(QApplication::focusWidget(), felt);
        QVERIFY(!v.applikation().Beregnet());
    }

    void AfvistVaerdiFoerMenupunktGiverEnBesked()
    {
        TForm1& v = StartetVindue();
        QLineEdit* felt = v.edit(QStringLiteral("EditHusBr"));
        Skriv(felt, QStringLiteral("-2"));
        VaelgMenupunkt("MenuItemBeregn");
        QTest::qWait(50);
        QCOMPARE(meddelelser_.liste.size(), std::size_t{1});
        QCOMPARE(meddelelser_.liste[0].tekst, std::string("Huskropbredden skal være positiv"));
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        QCOMPARE(QApplication::focusWidget(), felt);
    }

    void ResultatfanenBeregnerMedDenIndtastedeVaerdi()
    {
        TForm1& v = StartetVindue();
        Skriv(v.edit(QStringLiteral("EditHusBr")), QStringLiteral("9,5"));
        KlikFane(Fane::Resultatark);
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Resultatark));
        QVERIFY(v.applikation().Beregnet());
        QCOMPARE(v.applikation().Inddata().HusBr, 9.5);
        QVERIFY(v.Resultat()->toPlainText().contains(
            QStringLiteral("TAGLO  *  Dimensionering af taglægter og sømforbindelser")));
        QCOMPARE(QApplication::focusWidget(), v.Resultat());
        QVERIFY(meddelelser_.liste.empty());
    }

    void ResultatfanenBeregnerEnGangOgViserAdvarslerne()
    {
        // Project 7: neither the batten nor the nail type can be used; with a log chosen,
        // each run asks once where to save it.
        TForm1& v = StartetVindue();
        HentProjekt(ReferenceFil(QStringLiteral("projekt07.tgl")));
        QVERIFY(meddelelser_.liste.empty());
        KlikFane(Fane::Resultatark);
        KlikFane(Fane::Inddataark);
        KlikFane(Fane::Resultatark);
        VaelgMenupunkt("MenuItemBeregn");
        QCOMPARE(AntalLogdialoger(), 1);
        QVERIFY(Panel("MemoAdvarLgt")->isVisible());
        QVERIFY(Panel("MemoAdvarForb")->isVisible());
        QCOMPARE(static_cast<std::size_t>(v.Resultat()->document()->blockCount()),
                 v.applikation().Resultatliste().size());
    }

    void BrugbartProjektViserIngenAdvarsler()
    {
        TForm1& v = StartetVindue();
        HentProjekt(ReferenceFil(QStringLiteral("projekt04.tgl")));
        KlikFane(Fane::Resultatark);
        QVERIFY(v.applikation().Beregnet());
        QVERIFY(!Panel("MemoAdvarLgt")->isVisible());
        QVERIFY(!Panel("MemoAdvarForb")->isVisible());
    }

    void AendretInddataToemmerResultatetOgSkjulerAdvarslerne()
    {
        TForm1& v = StartetVindue();
        HentProjekt(ReferenceFil(QStringLiteral("projekt03.tgl")));
        KlikFane(Fane::Resultatark);
        QVERIFY(Panel("MemoAdvarLgt")->isVisible());
        KlikFane(Fane::Inddataark);
        // Leaving a field without changing it is an input change too.
        QLineEdit* felt = v.edit(QStringLiteral("EditFacHjd"));
        felt->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(felt, Qt::Key_Tab);
        QTest::qWait(20);
        QVERIFY(!v.applikation().Beregnet());
        QVERIFY(v.Resultat()->toPlainText().isEmpty());
        QVERIFY(!Panel("MemoAdvarLgt")->isVisible());
        QVERIFY(!Panel("MemoAdvarForb")->isVisible());
    }

    void RadioklikUgyldiggoerResultatet()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::Resultatark);
        QVERIFY(v.applikation().Beregnet());
        KlikFane(Fane::Opsetningsark);
        QRadioButton* cc2 = v.radiogruppe(QStringLiteral("RadioGroupSikkl"))->punkt(1);
        QTest::mouseClick(cc2, Qt::LeftButton, {}, QPoint(8, cc2->height() / 2));
        QCOMPARE(v.applikation().Inddata().Sikkl, 1);
        QVERIFY(!v.applikation().Beregnet());
        QVERIFY(v.Resultat()->toPlainText().isEmpty());
    }

    void KontrolTvaerRoererIkkeAdvarslerneEllerResultatet()
    {
        TForm1& v = StartetVindue();
        HentProjekt(ReferenceFil(QStringLiteral("projekt07.tgl")));
        KlikFane(Fane::KontrolTversnitArk);
        QVERIFY(!v.applikation().Beregnet());
        QVERIFY(!Panel("MemoAdvarLgt")->isVisible());
        QCOMPARE(AntalLogdialoger(), 0);

        KlikFane(Fane::Resultatark);
        QVERIFY(Panel("MemoAdvarLgt")->isVisible());
        KlikFane(Fane::KontrolTversnitArk);
        VaelgMenupunkt("MenuItemKontrolLen");
        QVERIFY(v.applikation().Beregnet());
        QVERIFY(Panel("MemoAdvarLgt")->isVisible());
        QVERIFY(Panel("MemoAdvarForb")->isVisible());
        QCOMPARE(AntalLogdialoger(), 1);
    }

    void UdskriftTilPdfHarRapportensSiderOgFoersteLinje()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::Resultatark);
        QTest::mouseClick(v.knap(QStringLiteral("ButtonPrintResult")), Qt::LeftButton);
        QCOMPARE(printer_->dialoger, 1);
        QVERIFY(meddelelser_.liste.empty());

        const QString pdf = mappe_->filePath(QStringLiteral("r.pdf"));
        QVERIFY(QFile::exists(pdf));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                         pdf, QStringLiteral("-")});
        QVERIFY(pdftotext.waitForFinished(20000));
        const QString tekst = QString::fromUtf8(pdftotext.readAllStandardOutput());
        // pdftotext ends every page with a form feed.
        const auto sider = tekst.count(QLatin1Char('\f'));
        const auto forventedeSider =
            OpdelISider(v.applikation().Resultatliste(), printer_->maal).size();
        QVERIFY(forventedeSider >= 2);
        QCOMPARE(static_cast<std::size_t>(sider), forventedeSider);
        QCOMPARE(printer_->sidetal, static_cast<int>(forventedeSider));

        QString foerste;
        for (const QString& linje : tekst.split(QLatin1Char('\n')))
        {
            if (!linje.trimmed().isEmpty())
            {
                foerste = linje.trimmed();
                break;
            }
        }
        const QString rapportensFoerste =
            QString::fromStdString(v.applikation().Resultatliste().front()).trimmed();
        QCOMPARE(foerste, rapportensFoerste);
    }

    void UdskriftEfterAendringUdskriverForrigeRapport()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::Resultatark);
        const auto rapport = v.applikation().Resultatliste();
        KlikFane(Fane::Inddataark);
        SkrivOgForlad(v.edit(QStringLiteral("EditHusBr")), QStringLiteral("9"));
        QVERIFY(v.Resultat()->toPlainText().isEmpty());
        VaelgMenupunkt("MenuItemPrintResult");
        QCOMPARE(printer_->dialoger, 1);
        QCOMPARE(printer_->sidetal, static_cast<int>(OpdelISider(rapport, printer_->maal).size()));
    }

    void UdskriftFoerBeregningSigerDetIkkeErBeregnet()
    {
        StartetVindue();
        VaelgMenupunkt("MenuItemPrintResult");
        VaelgMenupunkt("MenuItemGemResult");
        const std::vector<test::OptagetMeddelelse> forventet{
            {"fejldialog", "Resultatet er endnu ikke beregnet"},
            {"besked", "Resultatet er endnu ikke beregnet"}};
        QCOMPARE(meddelelser_.liste, forventet);
        QCOMPARE(printer_->dialoger, 0);
    }

    void GemtResultatErRapportensLinjer()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::Resultatark);
        const QString fil = mappe_->filePath(QStringLiteral("resultat.txt"));
        dialoger_.svarene.emplace_back(fil.toStdString());
        QTest::mouseClick(v.knap(QStringLiteral("ButtonSaveResult")), Qt::LeftButton);
        QCOMPARE(dialoger_.titler.back(), std::string("Gem resultat"));
        const auto linjer = LaesTekstfil(fil.toStdString(), {.linjer = 100000, .bytes = 1 << 24});
        QVERIFY(!linjer.fejl);
        QCOMPARE(linjer.linjer, v.applikation().Resultatliste());
    }

    void HentOgGemGiverSammeProjektfil()
    {
        TForm1& v = StartetVindue();
        const QString kilde = ReferenceFil(QStringLiteral("projekt02.tgl"));
        HentProjekt(kilde);
        QCOMPARE(dialoger_.titler, std::vector<std::string>{"Hent projektdata"});
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        // Line 31 of the file chooses a log, which shows the group "Resultatomfang".
        QVERIFY(v.findChild<QWidget*>(QStringLiteral("GroupBoxResultatomfang"))
                    ->isVisibleTo(v.faner()->widget(FaneIndeks(Fane::Opsetningsark))));

        const QString kopi = mappe_->filePath(QStringLiteral("kopi.tgl"));
        dialoger_.svarene.emplace_back(kopi.toStdString());
        VaelgMenupunkt("MenuItemGemProjektdata");
        QCOMPARE(dialoger_.titler.back(), std::string("Gem projektdata"));
        QCOMPARE(test::LaesHeleFilen(kopi.toStdString()), test::LaesHeleFilen(kilde.toStdString()));
        QVERIFY(meddelelser_.liste.empty());
    }

    void GemProjektGemmerDenIndtastedeTekst()
    {
        TForm1& v = StartetVindue();
        Skriv(v.edit(QStringLiteral("EditProjektnavn")), QStringLiteral("Carport, Ærø"));
        const QString fil = mappe_->filePath(QStringLiteral("p.tgl"));
        dialoger_.svarene.emplace_back(fil.toStdString());
        QTest::mouseClick(v.knap(QStringLiteral("ButtonGemProjektdata")), Qt::LeftButton);
        const auto linjer = LaesTekstfil(fil.toStdString()).linjer;
        QVERIFY(!linjer.empty());
        QCOMPARE(linjer.front(), std::string("Carport, Ærø"));
    }

    void HjaelpeknapperOgMenuViserDeresFane()
    {
        TForm1& v = StartetVindue();
        QTest::mouseClick(v.knap(QStringLiteral("ButtonHelpTver")), Qt::LeftButton);
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::HjelpTversnitArk));
        VaelgMenupunkt("MenuItemInddata");
        QTest::mouseClick(v.knap(QStringLiteral("ButtonLengdeHelp")), Qt::LeftButton);
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::HjelpLengdesnitArk));
        VaelgMenupunkt("MenuItemSpecValg");
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Opsetningsark));
        QVERIFY(!v.applikation().Beregnet());
    }

    void SoemforbindelsenBeregnerFoerDenTegnes()
    {
        TForm1& v = StartetVindue();
        VaelgMenupunkt("MenuItemNailConnection");
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::NailTegningsArk));
        QVERIFY(v.applikation().Beregnet());
        KlikFane(Fane::Inddataark);
        SkrivOgForlad(v.edit(QStringLiteral("EditHusBr")), QStringLiteral("9"));
        KlikFane(Fane::NailTegningsArk);
        QVERIFY(v.applikation().Beregnet());
    }

    void KontrolTvaerTegnerDeAktuelleInddata()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::KontrolTversnitArk);
        auto* flade = v.findChild<Tegneflade*>(QStringLiteral("KontrolTversnitPaintBox"));
        const QImage foer = flade->grab().toImage();
        // The battens and the rafters are timber-coloured, the ground green.
        QVERIFY(HarFarve(foer, TilQColor(Farve(kTraefarve))));
        QVERIFY(HarFarve(foer, TilQColor(Farve(kGroen))));

        KlikFane(Fane::Inddataark);
        SkrivOgForlad(v.edit(QStringLiteral("EditTagVink")), QStringLiteral("15"));
        KlikFane(Fane::KontrolTversnitArk);
        QVERIFY(flade->grab().toImage() != foer);
        QVERIFY(!v.applikation().Beregnet());
        QVERIFY(meddelelser_.liste.empty());
    }

    void SoemfanenTegnerKunDenBeregnedeFigur()
    {
        TForm1& v = StartetVindue();
        auto* flade = v.findChild<Tegneflade*>(QStringLiteral("NailTegningsPaintBox"));
        flade->resize(600, 400);
        // Painting without a valid result runs no calculation and draws nothing.
        QVERIFY(!HarFarve(flade->grab().toImage(), TilQColor(Farve(kTraefarve))));
        QVERIFY(!v.applikation().Beregnet());

        KlikFane(Fane::NailTegningsArk);
        QVERIFY(v.applikation().Beregnet());
        QVERIFY(HarFarve(flade->grab().toImage(), TilQColor(Farve(kTraefarve))));
    }

    void HjaelpebillederneHarDeresStoerrelse()
    {
        TForm1& v = StartetVindue();
        for (const char* navn : {"ImageHjelpTversnit", "ImageHjelpLengdesnit"})
        {
            const auto* billede = v.findChild<QLabel*>(QString::fromLatin1(navn));
            QVERIFY(billede != nullptr);
            QCOMPARE(billede->pixmap().size(), QSize(648, 464));
        }
    }

    void BrugervejledningUdenPdfSigerIngenting()
    {
        // A program folder with the default project but without the user guide.
        QVERIFY(QFile::copy(kDatamappe + QStringLiteral("Standard.tgl"),
                            mappe_->filePath(QStringLiteral("Standard.tgl"))));
        TForm1& v = StartVindue(mappe_->path() + QLatin1Char('/'));
        QVERIFY(v.Init());
        QStringList aabnede;
        v.saetDokumentaabner([&](const QString& sti) {
            aabnede.append(sti);
            return true;
        });
        QTest::mouseClick(v.knap(QStringLiteral("ButtonVisBrugervejledn")), Qt::LeftButton);
        QVERIFY(aabnede.isEmpty());
        QVERIFY(meddelelser_.liste.empty());
    }

    void BrugervejledningAabnesFraProgrammappen()
    {
        QFile::copy(kDatamappe + QStringLiteral("Standard.tgl"),
                    mappe_->filePath(QStringLiteral("Standard.tgl")));
        QFile pdf(mappe_->filePath(QStringLiteral("Taglo21_Brugervejledning.pdf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n");
        pdf.close();
        TForm1& v = StartVindue(mappe_->path() + QLatin1Char('/'));
        QVERIFY(v.Init());
        QStringList aabnede;
        v.saetDokumentaabner([&](const QString& sti) {
            aabnede.append(sti);
            return false; // no viewer: still no message
        });
        QTest::mouseClick(v.knap(QStringLiteral("ButtonVisBrugervejledn")), Qt::LeftButton);
        QCOMPARE(aabnede, QStringList{pdf.fileName()});
        QVERIFY(meddelelser_.liste.empty());
    }

    void OmTagloVisesOgBringesFrem()
    {
        TForm1& v = StartetVindue();
        TInfoForm info(kDatamappe);
        v.saetInfoForm(&info);
        QVERIFY(!info.isVisible());
        VaelgMenupunkt("MenuItemOmTaglo");
        QVERIFY(info.isVisible());
        QCOMPARE(info.windowTitle(), QStringLiteral("Om Taglo"));
        VaelgMenupunkt("MenuItemOmTaglo");
        QVERIFY(info.isVisible());
        QVERIFY(!info.findChild<QLabel*>(QStringLiteral("ImageOmTaglo"))->pixmap().isNull());
        // Not modal: the main window still takes commands.
        VaelgMenupunkt("MenuItemSpecValg");
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Opsetningsark));
    }

    void AfslutEfterAendringLukkerStraks()
    {
        TForm1& v = StartetVindue();
        Skriv(v.edit(QStringLiteral("EditHusBr")), QStringLiteral("12"));
        VaelgMenupunkt("MenuItemAfslut");
        QVERIFY(!v.isVisible());
        QVERIFY(meddelelser_.liste.empty());
    }

    void BeskedtekstensLinjeskiftVisesSomLinjeskift()
    {
        QCOMPARE(Beskedtekst("a\r\nb"), QStringLiteral("a\nb"));
        QCOMPARE(Beskedtekst("som x.tgl.\n\rMåske"), QStringLiteral("som x.tgl.\nMåske"));
        QCOMPARE(Beskedtekst("Det indtastede er ugyldigt som tal\r\nEConvertError"),
                 QStringLiteral("Det indtastede er ugyldigt som tal\nEConvertError"));
    }

    void DatafilerFindesVedProgrammetEllerIShareTaglo()
    {
        const QString rod = mappe_->path();
        QVERIFY(QDir(rod).mkpath(QStringLiteral("bin")));
        QVERIFY(QDir(rod).mkpath(QStringLiteral("share/taglo")));
        const QString bin = rod + QStringLiteral("/bin");
        QCOMPARE(FindProgrammappe(bin), bin + QLatin1Char('/'));
        QFile::copy(kDatamappe + QStringLiteral("Standard.tgl"),
                    rod + QStringLiteral("/share/taglo/Standard.tgl"));
        QCOMPARE(FindProgrammappe(bin), rod + QStringLiteral("/share/taglo/"));
        QFile::copy(kDatamappe + QStringLiteral("Standard.tgl"),
                    bin + QStringLiteral("/Standard.tgl"));
        QCOMPARE(FindProgrammappe(bin), bin + QLatin1Char('/'));
    }

    void RegionalindstillingerFraSystemet()
    {
        QCOMPARE(RegionalindstillingerFra(QLocale::c()), Regionalindstillinger::Dansk());
        const Regionalindstillinger dansk =
            RegionalindstillingerFra(QLocale(QLocale::Danish, QLocale::Denmark));
        QCOMPARE(dansk.decimal, std::string(","));
        QCOMPARE(dansk.tusinde, std::string("."));
        const Regionalindstillinger engelsk =
            RegionalindstillingerFra(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(engelsk.decimal, std::string("."));
        QCOMPARE(engelsk.tid, std::string(":"));
    }
};

} // namespace taglo

QTEST_MAIN(taglo::LegteUITest)
#include "legteui_test.moc"
