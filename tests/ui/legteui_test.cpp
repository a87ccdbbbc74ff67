// The main window driven as a user drives it: typing, leaving fields, clicking tabs,
// menu items and buttons, with message boxes, dialogs and the printer recorded.
#include "optagne_dialoger.h"
#include "optagne_meddelelser.h"
#include "pdftekst.h"
#include "reference.h"

#include "app/udskrift.h"
#include "core/soemkatalog.h"
#include "core/tekstfil.h"
#include "qtcanvas/qtlaerred.h"
#include "qtcanvas/systemregional.h"
#include "ui/kontroller.h"
#include "ui/legteui.h"
#include "ui/qtdialoger.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSettings>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <span>

namespace taglo
{

namespace
{

const QString kDatamappe = QStringLiteral(TAGLO_DATAMAPPE "/");

// Reference project `nr`'s project file.
QString ReferenceFil(int nr)
{
    return QString::fromStdString(test::ReferenceFil(nr, "tgl"));
}

// Whether any pixel of the widget's picture has exactly the colour of the drawings' `farve`.
bool HarFarve(QWidget* flade, std::uint16_t farve)
{
    const QImage rgb = flade->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const std::span pixels(reinterpret_cast<const QRgb*>(rgb.constBits()),
                           static_cast<std::size_t>(rgb.sizeInBytes()) / sizeof(QRgb));
    return std::ranges::find(pixels, TilQColor(Farve(farve)).rgb()) != pixels.end();
}

int FaneIndeks(Fane fane)
{
    return static_cast<int>(fane);
}

// A printer that prints to the PDF file given through the window's own text channel; its
// print dialog is always confirmed.
struct PdfUdskrivning final : Udskrivning
{
    explicit PdfUdskrivning(const QString& fil)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fil);
    }
    std::optional<TSidemaal> VisPrintdialog() override
    {
        ++dialoger;
        return maal = Sidemaal(printer);
    }
    std::optional<std::string> Udskriv(const std::vector<TUdskriftside>& sider) override
    {
        return UdskrivSider(printer, sider);
    }

    QPrinter printer{QPrinter::HighResolution};
    int dialoger = 0;
    TSidemaal maal;
};

} // namespace

class LegteUITest : public QObject
{
    Q_OBJECT

  private:
    test::OptagneMeddelelser meddelelser_;
    test::OptagneDialoger dialoger_;
    std::unique_ptr<QTemporaryDir> mappe_;
    std::unique_ptr<PdfUdskrivning> printer_;
    std::unique_ptr<TForm1> vindue_;
    QStringList aabnedeDokumenter_;

    // A started window on the default project, shown and active, with no message yet.
    TForm1& StartetVindue(const Regionalindstillinger& regional = Regionalindstillinger::Dansk(),
                          const QString& programmappe = kDatamappe)
    {
        vindue_ = std::make_unique<TForm1>(Vinduestjenester{meddelelser_, dialoger_, *printer_},
                                           regional, programmappe);
        if (!vindue_->Init())
        {
            qFatal("Standard.tgl beside the program could not be read");
        }
        vindue_->show();
        vindue_->activateWindow();
        if (!QTest::qWaitForWindowActive(vindue_.get()))
        {
            qFatal("the window did not become active");
        }
        return *vindue_;
    }

    // Types `tekst` into a field in place of what it holds, and leaves it with Tab.
    static void SkrivOgForlad(QLineEdit* felt, const QString& tekst)
    {
        Skriv(felt, tekst);
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

    // How many of the two warning panels, on the batten and on the nail, are shown.
    [[nodiscard]] int SynligePaneler() const
    {
        return static_cast<int>(vindue_->findChild<QLabel*>("MemoAdvarLgt")->isVisible()) +
               static_cast<int>(vindue_->findChild<QLabel*>("MemoAdvarForb")->isVisible());
    }

  public slots:
    // The desktop's handler of file URLs, in place of the document viewer.
    void AabnDokument(const QUrl& url) { aabnedeDokumenter_.append(url.toLocalFile()); }

  private slots:
    void init()
    {
        meddelelser_.liste.clear();
        aabnedeDokumenter_.clear();
        dialoger_ = test::OptagneDialoger{};
        mappe_ = std::make_unique<QTemporaryDir>();
        // The user's own settings (the firm's name) in a folder of the test's own.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, mappe_->path());
        printer_ = std::make_unique<PdfUdskrivning>(mappe_->filePath(QStringLiteral("r.pdf")));
    }

    void cleanup() { vindue_.reset(); }

    // The default project on the tab "Inddata"; the desktop matches the window to its entry
    // and shows the entry's icon.
    void StartMedStandardfilViserDensVaerdierPaaInddata()
    {
        TForm1& v = StartetVindue();
        QVERIFY(meddelelser_.liste.empty());
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        QVERIFY(!v.windowIcon().isNull());
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("dk.taglo.Taglo"));
        QCOMPARE(v.edit(QStringLiteral("EditHusBr"))->text(), QStringLiteral("      8,00"));
        QCOMPARE(v.ComboBoxNail()->currentIndex(), 5);
        // The system's settings; without any (the C locale) the program is Danish. A system
        // with a decimal point shows the shipped default project with points.
        QCOMPARE(RegionalindstillingerFra(QLocale::c()), Regionalindstillinger::Dansk());
        const Regionalindstillinger engelsk =
            RegionalindstillingerFra(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(engelsk.decimal, std::string("."));
        QCOMPARE(engelsk.tid, std::string(":"));
        QCOMPARE(StartetVindue(engelsk).edit(QStringLiteral("EditHusBr"))->text(),
                 QStringLiteral("      8.00"));
    }

    // A rejected value, left with Tab, a click on another tab or a menu command: one
    // message, the tab "Inddata" and the focus back in the field; nothing is calculated.
    void AfvistVaerdiGiverEnBeskedOgFokusTilbage()
    {
        const std::function<void()> forlad[] = {
            [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); },
            [this] { KlikFane(Fane::Resultatark); }, [this] { VaelgMenupunkt("MenuItemBeregn"); }};
        for (const auto& maade : forlad)
        {
            TForm1& v = StartetVindue();
            meddelelser_.liste.clear();
            QLineEdit* felt = v.edit(QStringLiteral("EditTagVink"));
            Skriv(felt, QStringLiteral("76"));
            maade();
            QTest::qWait(50);
            QCOMPARE(meddelelser_.liste,
                     (std::vector<test::OptagetMeddelelse>{
                         {"fejl", "Tagvinklen skal være mellem 0 og 75 grader"}}));
            QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
            QCOMPARE(QApplication::focusWidget(), felt);
            QCOMPARE(v.applikation().Inddata().TagVink, 76.0);
            QVERIFY(!v.applikation().Beregnet());
        }
    }

    // A value the check refuses holds only what calculates: the user can still load another
    // project, see the help and check tabs and close, and is not told again. A check
    // against the other field of a pair lets the user go on to change that one.
    void AfvistVaerdiSpaerrerIkkeAndreKommandoer()
    {
        TForm1& v = StartetVindue();
        SkrivOgForlad(v.edit(QStringLiteral("EditTagVink")), QStringLiteral("76"));
        QCOMPARE(meddelelser_.liste.size(), std::size_t{1});
        KlikFane(Fane::HjelpTversnitArk);
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::HjelpTversnitArk));
        HentProjekt(ReferenceFil(2));
        QCOMPARE(meddelelser_.liste.size(), std::size_t{1});
        QCOMPARE(dialoger_.spoergsmaal_, std::vector<std::string>{"Gem ændringer i projektet?"});
        QCOMPARE(v.edit(QStringLiteral("EditHusBr"))->text(), QStringLiteral("     14,64"));

        SkrivOgForlad(v.edit(QStringLiteral("EditGavlSpaerAfst")), QStringLiteral("9"));
        QCOMPARE(meddelelser_.liste.back().tekst,
                 std::string("Gavlspærafstanden må ikke være større end normalspærafstanden"));
        QCOMPARE(QApplication::focusWidget(), v.edit(QStringLiteral("EditGavlspaerIndrykn")));
        KlikFane(Fane::Resultatark); // both are checked again before a calculation
        QCOMPARE(v.faner()->currentIndex(), FaneIndeks(Fane::Inddataark));
        QVERIFY(!v.applikation().Beregnet());
    }

    // Closing with changed inputs asks first: "Annuller" keeps the window, "Ja" saves
    // before it closes; with the About box open, closing the window ends the program.
    void LukningSpoergerOmAendringerOgAfslutterProgrammet()
    {
        TForm1& v = StartetVindue();
        VaelgMenupunkt("MenuItemOmTaglo");
        Skriv(v.edit(QStringLiteral("EditHusBr")), QStringLiteral("12"));
        const QSignalSpy sidsteVindue(qApp, &QGuiApplication::lastWindowClosed);
        dialoger_.svarPaaSpoergsmaal = {TSvar::Annuller, TSvar::Ja};
        VaelgMenupunkt("MenuItemAfslut");
        QVERIFY(v.isVisible());
        const QString fil = mappe_->filePath(QStringLiteral("aendret.tgl"));
        dialoger_.svarene.emplace_back(fil.toStdString());
        // The program's own event loop decides whether the last window has closed.
        QTimer vagt;
        vagt.setSingleShot(true);
        connect(&vagt, &QTimer::timeout, qApp, &QCoreApplication::quit);
        vagt.start(5000);
        QTimer::singleShot(0, &v, [&v] { v.close(); });
        QApplication::exec();
        QVERIFY(!v.isVisible());
        QCOMPARE(dialoger_.spoergsmaal_.size(), std::size_t{2});
        QCOMPARE(LaesTekstfil(fil.toStdString()).linjer.at(3), std::string("     12,00"));
        QCOMPARE(sidsteVindue.count(), 1);
    }

    // The usual keys: Ctrl+O, Ctrl+S, Ctrl+P, Ctrl+Q on their menu items. F1 and the button
    // open the user guide beside the program as the shipped program opens it, through the
    // desktop; without the guide nothing happens and nothing is said.
    void GenvejstasterNaarDeresKommando()
    {
        TForm1& v = StartetVindue();
        const std::pair<const char*, QKeySequence> kGenveje[] = {
            {"MenuItemHentProjektdata", QKeySequence(Qt::CTRL | Qt::Key_O)},
            {"MenuItemGemProjektdata", QKeySequence(Qt::CTRL | Qt::Key_S)},
            {"MenuItemPrintResult", QKeySequence(Qt::CTRL | Qt::Key_P)},
            {"MenuItemAfslut", QKeySequence(Qt::CTRL | Qt::Key_Q)}};
        for (const auto& [navn, genvej] : kGenveje)
        {
            QCOMPARE(v.menupunkt(QString::fromLatin1(navn))->shortcut(), genvej);
        }
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "AabnDokument");
        QTest::keyClick(&v, Qt::Key_F1);
        QTest::mouseClick(v.knap(QStringLiteral("ButtonVisBrugervejledn")), Qt::LeftButton);
        QVERIFY(QFile::copy(kDatamappe + QStringLiteral("Standard.tgl"),
                            mappe_->filePath(QStringLiteral("Standard.tgl"))));
        TForm1& uden = StartetVindue(Regionalindstillinger::Dansk(), mappe_->path() + '/');
        QTest::mouseClick(uden.knap(QStringLiteral("ButtonVisBrugervejledn")), Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(aabnedeDokumenter_,
                 QStringList(2, kDatamappe + QStringLiteral("Taglo21_Brugervejledning.pdf")));
        QVERIFY(meddelelser_.liste.empty());
    }

    // The firm's name is the user's own, kept for the next start and printed in the report.
    // "Gem PDF" saves the document of the last calculation, which it does not start.
    void FirmaoplysningerHolderTilNaesteStartOgGemPdf()
    {
        TForm1& v = StartetVindue();
        dialoger_.tekster = {"Tømrerfirmaet Ærø ApS"};
        VaelgMenupunkt("MenuItemFirmaoplysninger");
        QCOMPARE(v.edit(QStringLiteral("EditFirmanavn"))->text(),
                 QStringLiteral("Tømrerfirmaet Ærø ApS"));
        TForm1& ny = StartetVindue();
        QCOMPARE(ny.edit(QStringLiteral("EditFirmanavn"))->text(),
                 QStringLiteral("Tømrerfirmaet Ærø ApS"));
        QTest::mouseClick(ny.knap(QStringLiteral("ButtonGemPdf")), Qt::LeftButton);
        QCOMPARE(meddelelser_.liste, (std::vector<test::OptagetMeddelelse>{
                                         {"besked", "Resultatet er endnu ikke beregnet"}}));
        KlikFane(Fane::Resultatark);
        QVERIFY(ny.Resultat()->toPlainText().contains(
            QStringLiteral("Firma:             Tømrerfirmaet Ærø ApS")));
        const std::string fil = mappe_->filePath(QStringLiteral("beregning.pdf")).toStdString();
        dialoger_.svarene.emplace_back(fil);
        VaelgMenupunkt("MenuItemGemPdf");
        QCOMPARE(dialoger_.titler.back(), std::string("Gem som PDF"));
        QVERIFY(test::PdfSide(fil, 1).find("Tømrerfirmaet Ærø ApS") != std::string::npos);
    }

    // The tab "Forslag" names the lightest section and nail that pass; "Brug forslaget"
    // puts them into the inputs, whose calculation then says both can be used. Inputs a
    // check refuses give the message in the tab and no dialog.
    void ForslagetVisesOgBruges()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::Forslagsark);
        auto* tekst = v.findChild<QLabel*>(QStringLiteral("ForslagTekst"));
        QVERIFY(tekst->text().startsWith(
            QStringLiteral("Letteste lægte der kan anvendes: 38 x 73 mm med ")));
        QTest::mouseClick(v.knap(QStringLiteral("ButtonBrugForslag")), Qt::LeftButton);
        QVERIFY(tekst->text().endsWith(
            QTekst(
                kSoemKatalog.at(static_cast<std::size_t>(v.ComboBoxNail()->currentIndex())).Name) +
            QStringLiteral(", direkte fastgørelse")));
        QVERIFY(!v.applikation().Beregnet());
        KlikFane(Fane::Resultatark);
        QVERIFY(v.applikation().SidsteBeregning()->Anvendelig.Begge());
        KlikFane(Fane::Inddataark);
        SkrivOgForlad(v.edit(QStringLiteral("EditLegteAfst")), QStringLiteral("0"));
        const std::size_t beskeder = meddelelser_.liste.size();
        KlikFane(Fane::Forslagsark);
        QCOMPARE(tekst->text(), QStringLiteral("Lægteafstanden skal være positiv"));
        QCOMPARE(v.findChild<QTableWidget*>(QStringLiteral("ForslagTabel"))->rowCount(), 0);
        QCOMPARE(meddelelser_.liste.size(), beskeder);
    }

    // On a screen smaller than the window's design, the window fits it and every control
    // of every tab can be scrolled into view (run on a 1366 x 768 laptop and on a
    // 1920 x 1080 screen at 150 %).
    void PasserSkaermen()
    {
        TForm1& v = StartetVindue();
        const QRect skaerm = v.screen()->availableGeometry();
        QVERIFY(skaerm.contains(v.frameGeometry()));
        auto* rulle = v.findChild<QScrollArea*>(QStringLiteral("ScrollBoxVindue"));
        for (int fane = 0; fane < v.faner()->count(); ++fane)
        {
            v.faner()->setCurrentIndex(fane);
            QTest::qWait(20); // the layout of the page shown
            for (QWidget* kontrol : rulle->widget()->findChildren<QWidget*>())
            {
                const bool input = qobject_cast<QLineEdit*>(kontrol) != nullptr ||
                                   qobject_cast<QAbstractButton*>(kontrol) != nullptr ||
                                   qobject_cast<QComboBox*>(kontrol) != nullptr;
                if (!input || !kontrol->isVisibleTo(&v))
                {
                    continue;
                }
                const QPoint hjoerne = kontrol->mapTo(rulle->widget(), QPoint(0, 0));
                rulle->ensureVisible(hjoerne.x() + kontrol->width() / 2,
                                     hjoerne.y() + kontrol->height() / 2,
                                     (kontrol->width() + 1) / 2, (kontrol->height() + 1) / 2);
                const QRect synlig(kontrol->mapTo(rulle->viewport(), QPoint(0, 0)),
                                   kontrol->size());
                QVERIFY2(rulle->viewport()->rect().contains(synlig),
                         qPrintable(kontrol->objectName()));
            }
        }
    }

    // Project 4 can be used; project 7 neither its batten nor its nail, and it asks for a
    // log at each run. A check tab hides nothing; leaving a field, even unchanged, or a
    // radio click empties the result and hides the panels.
    void AdvarselspanelerneFoelgerBeregningen()
    {
        TForm1& v = StartetVindue();
        HentProjekt(ReferenceFil(4));
        KlikFane(Fane::Resultatark);
        QVERIFY(v.applikation().Beregnet());
        QCOMPARE(SynligePaneler(), 0);
        HentProjekt(ReferenceFil(7));
        dialoger_.titler.clear();
        KlikFane(Fane::Resultatark);
        KlikFane(Fane::KontrolTversnitArk);
        VaelgMenupunkt("MenuItemBeregn");
        QCOMPARE(dialoger_.titler, std::vector<std::string>{"Gem logfil"});
        QCOMPARE(SynligePaneler(), 2);

        KlikFane(Fane::Inddataark);
        QLineEdit* felt = v.edit(QStringLiteral("EditFacHjd"));
        felt->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(felt, Qt::Key_Tab);
        QTest::qWait(20);
        QVERIFY(!v.applikation().Beregnet());
        QVERIFY(v.Resultat()->toPlainText().isEmpty());
        QCOMPARE(SynligePaneler(), 0);

        KlikFane(Fane::Resultatark);
        KlikFane(Fane::Opsetningsark);
        QRadioButton* cc2 = v.radiogruppe(QStringLiteral("RadioGroupSikkl"))->punkt(1);
        QTest::mouseClick(cc2, Qt::LeftButton, {}, QPoint(8, cc2->height() / 2));
        QCOMPARE(v.applikation().Inddata().Sikkl, 1);
        QVERIFY(!v.applikation().Beregnet());
    }

    // Every button and menu item that no other test uses reaches its command: the dialog it
    // opens or the tab it shows.
    void KnapperOgMenupunkterNaarDeresKommando()
    {
        struct Tilfaelde
        {
            const char* navn;
            const char* dialog;           // the title of the file dialog it opens, or nothing
            Fane fane = Fane::Inddataark; // else the tab it shows
        };
        // clang-format off
        const Tilfaelde kTilfaelde[] = {
            {"MenuItemHentProjektdata", "Hent projektdata"}, {"ButtonSaveResult", "Gem resultat"},
            {"MenuItemGemProjektdata", "Gem projektdata"}, {"MenuItemGemResult", "Gem resultat"},
            {"ButtonHelpTver", nullptr, Fane::HjelpTversnitArk},
            {"ButtonLengdeHelp", nullptr, Fane::HjelpLengdesnitArk},
            {"MenuItemSpecValg", nullptr, Fane::Opsetningsark},
            {"MenuItemHjelpTver", nullptr, Fane::HjelpTversnitArk},
            {"MenuItemHjelpLen", nullptr, Fane::HjelpLengdesnitArk},
            {"MenuItemKontrolTver", nullptr, Fane::KontrolTversnitArk},
            {"MenuItemKontrolLen", nullptr, Fane::KontrolLengdesnitArk},
            {"MenuItemNailConnection", nullptr, Fane::NailTegningsArk},
            {"MenuItemForslag", nullptr, Fane::Forslagsark}, {"MenuItemInddata", nullptr}};
        // clang-format on
        TForm1& v = StartetVindue();
        KlikFane(Fane::Resultatark); // a report to save
        KlikFane(Fane::Inddataark);
        for (const auto& t : kTilfaelde)
        {
            dialoger_.titler.clear();
            if (QPushButton* knap = v.knap(QString::fromLatin1(t.navn)))
            {
                QTest::mouseClick(knap, Qt::LeftButton);
            }
            else
            {
                VaelgMenupunkt(t.navn);
            }
            QCOMPARE(dialoger_.titler, t.dialog != nullptr ? std::vector<std::string>{t.dialog}
                                                           : std::vector<std::string>{});
            QCOMPARE(v.faner()->currentIndex(), FaneIndeks(t.fane));
        }
        QVERIFY(meddelelser_.liste.empty());
    }

    // Commands leave the field being edited first: the text typed is what is saved.
    void GemProjektGemmerDenIndtastedeTekst()
    {
        TForm1& v = StartetVindue();
        HentProjekt(ReferenceFil(2));
        // Line 31 of the file chooses a log, which shows the group "Resultatomfang".
        QVERIFY(v.findChild<QWidget*>(QStringLiteral("GroupBoxResultatomfang"))
                    ->isVisibleTo(v.faner()->widget(FaneIndeks(Fane::Opsetningsark))));
        Skriv(v.edit(QStringLiteral("EditProjektnavn")), QStringLiteral("Carport, Ærø"));
        const QString fil = mappe_->filePath(QStringLiteral("p.tgl"));
        dialoger_.svarene.emplace_back(fil.toStdString());
        QTest::mouseClick(v.knap(QStringLiteral("ButtonGemProjektdata")), Qt::LeftButton);
        auto forventet = LaesTekstfil(ReferenceFil(2).toStdString());
        forventet.linjer.front() = "Carport, Ærø";
        QCOMPARE(LaesTekstfil(fil.toStdString()).linjer, forventet.linjer);
    }

    // The report printed through the Qt printer channel into a PDF: its pages and its
    // first line.
    void UdskriftTilPdfHarRapportensSiderOgFoersteLinje()
    {
        TForm1& v = StartetVindue();
        KlikFane(Fane::Resultatark);
        QTest::mouseClick(v.knap(QStringLiteral("ButtonPrintResult")), Qt::LeftButton);
        QCOMPARE(printer_->dialoger, 1);
        QVERIFY(meddelelser_.liste.empty());
        const QString tekst = QString::fromStdString(test::KommandoUd(
            "pdftotext -layout -enc UTF-8 '" + mappe_->filePath("r.pdf").toStdString() + "' -"));
        const auto sider = OpdelISider(v.applikation().Resultatliste(), printer_->maal).size();
        QVERIFY(sider >= 2);
        QCOMPARE(static_cast<std::size_t>(tekst.count(QLatin1Char('\f'))), sider); // one a page
        QCOMPARE(tekst.trimmed().section(QLatin1Char('\n'), 0, 0).trimmed(),
                 QString::fromStdString(v.applikation().Resultatliste().front()).trimmed());
    }

    // The check tab paints the current inputs without calculating; the nail tab paints
    // only the figure of a calculation, which showing it runs.
    void FanerneTegnerDeresFigur()
    {
        TForm1& v = StartetVindue();
        auto* soem = v.findChild<Tegneflade*>(QStringLiteral("NailTegningsPaintBox"));
        soem->resize(600, 400);
        QVERIFY(!HarFarve(soem, kTraefarve));
        KlikFane(Fane::KontrolTversnitArk);
        auto* tvaer = v.findChild<Tegneflade*>(QStringLiteral("KontrolTversnitPaintBox"));
        const QImage foer = tvaer->grab().toImage();
        QVERIFY(HarFarve(tvaer, kTraefarve) && HarFarve(tvaer, kGroen));
        KlikFane(Fane::Inddataark);
        SkrivOgForlad(v.edit(QStringLiteral("EditTagVink")), QStringLiteral("15"));
        KlikFane(Fane::KontrolTversnitArk);
        QVERIFY(tvaer->grab().toImage() != foer);
        QVERIFY(!v.applikation().Beregnet());
        KlikFane(Fane::NailTegningsArk);
        QVERIFY(v.applikation().Beregnet());
        QVERIFY(HarFarve(soem, kTraefarve));
        QVERIFY(meddelelser_.liste.empty());
    }
};

} // namespace taglo

QTEST_MAIN(taglo::LegteUITest)
#include "legteui_test.moc"
