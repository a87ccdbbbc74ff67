#include "opsaetning.h"

#include "kilde.h"
#include "qtcanvas/pdfdokument.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QScreen>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QTime>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace taglo::vejledning
{
namespace
{

// Coordinates of the PDF and of the laid-out documents: dots at this resolution.
constexpr int kOploesning = 600;

constexpr double Mm(double mm)
{
    return mm / 25.4 * kOploesning;
}
constexpr double Pt(double pt)
{
    return pt / 72.0 * kOploesning;
}

// Lengths in text formats (margins, padding, borders, indents, figure sizes) are in
// pixels of the screen and scaled to the PDF by the layout; the offscreen screen that the
// generator runs on has this resolution.
constexpr double kSkaermOploesning = 96.0;

constexpr double FormatMm(double mm)
{
    return mm / 25.4 * kSkaermOploesning;
}
constexpr double FormatPt(double pt)
{
    return pt / 72.0 * kSkaermOploesning;
}

// A4 with its margins, in mm: the text area lies between them, the running head above it
// and the foot below it.
constexpr double kSidebredde = 210.0;
constexpr double kSidehoejde = 297.0;
constexpr double kVenstre = 22.0;
constexpr double kHoejre = 22.0;
constexpr double kTop = 26.0;
constexpr double kBund = 24.0;
constexpr double kHovedlinje = 17.0; // the rule under the running head
constexpr double kFodlinje = 282.0;  // the baseline of the page number

constexpr double kTekstbredde = Mm(kSidebredde - kVenstre - kHoejre);
constexpr double kTeksthoejde = Mm(kSidehoejde - kTop - kBund);

// A heading of level 2 or 3 closer than this to the foot of its page moves to the next.
constexpr double kMindsteRestUnderOverskrift = Pt(70);

// Pictures have 150 dots per inch unless the text width makes them smaller; vector
// drawings are rasterised at three times their own size; no figure is higher than this, mm.
constexpr double kFigurOploesning = 150.0;
constexpr int kSvgForstoerrelse = 3;
constexpr double kHoejesteFigur = 150.0;

const QString kSkrift = QStringLiteral("Liberation Sans");
const QString kFastSkrift = QStringLiteral("Liberation Mono");
const QColor kAccent(0x1f, 0x4e, 0x79);
const QColor kStreg(0x9a, 0xa5, 0xb1);
const QColor kKodebaggrund(0xf2, 0xf2, 0xf2);
const QColor kNotebaggrund(0xfd, 0xf6, 0xe3);
const QColor kTabelhoved(0xe4, 0xea, 0xf1);

struct Overskrift
{
    int niveau = 0;
    QString nummer;
    QString titel;
    int side = 0; // page of the body, from 0
};

QFont Skrift(const QString& familie, double punkt, bool fed = false)
{
    QFont skrift(familie);
    skrift.setPointSizeF(punkt);
    skrift.setBold(fed);
    return skrift;
}

// A document laid out for the PDF, on pages of the text area. The pages are set before
// any content: setting them on a document with tables lays some blocks out without height.
std::unique_ptr<QTextDocument> NytDokument(QPdfWriter& pdf)
{
    auto dokument = std::make_unique<QTextDocument>();
    dokument->documentLayout()->setPaintDevice(&pdf);
    dokument->setDocumentMargin(0);
    dokument->setIndentWidth(FormatMm(6));
    dokument->setDefaultFont(Skrift(kSkrift, 10));
    dokument->setPageSize(QSizeF(kTekstbredde, kTeksthoejde));
    return dokument;
}

void SaetTegnformat(QTextDocument& dokument, int fra, int til, const QTextCharFormat& format)
{
    QTextCursor markering(&dokument);
    markering.setPosition(fra);
    markering.setPosition(til, QTextCursor::KeepAnchor);
    markering.mergeCharFormat(format);
}

void FormgivTabel(QTextDocument& dokument, QTextTable& tabel)
{
    QTextTableFormat format = tabel.format();
    format.setBorder(0);
    format.setBorderCollapse(true);
    format.setCellPadding(FormatPt(3));
    format.setCellSpacing(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setHeaderRowCount(1);
    format.setTopMargin(FormatPt(4));
    format.setBottomMargin(FormatPt(8));
    tabel.setFormat(format);

    QTextCharFormat celletekst;
    celletekst.setFontPointSize(9);
    for (int raekke = 0; raekke < tabel.rows(); ++raekke)
    {
        for (int soejle = 0; soejle < tabel.columns(); ++soejle)
        {
            QTextTableCell celle = tabel.cellAt(raekke, soejle);
            QTextCharFormat tegn = celletekst;
            // Rules between the rows only, no vertical lines.
            QTextTableCellFormat cellen = celle.format().toTableCellFormat();
            cellen.setTopBorder(FormatPt(0.5));
            cellen.setBottomBorder(FormatPt(0.5));
            cellen.setLeftBorder(0);
            cellen.setRightBorder(0);
            cellen.setTopBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            cellen.setBottomBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            cellen.setBorderBrush(kStreg);
            if (raekke == 0)
            {
                tegn.setFontWeight(QFont::Bold);
                cellen.setBackground(kTabelhoved);
            }
            celle.setFormat(cellen);
            SaetTegnformat(dokument, celle.firstPosition(), celle.lastPosition(), tegn);
        }
    }
}

void FormgivTabeller(QTextDocument& dokument, QTextFrame& ramme)
{
    for (QTextFrame* barn : ramme.childFrames())
    {
        if (auto* tabel = qobject_cast<QTextTable*>(barn))
        {
            FormgivTabel(dokument, *tabel);
        }
        FormgivTabeller(dokument, *barn);
    }
}

// A vector drawing as a picture fine enough for print: its own size times kSvgForstoerrelse.
QImage SomBillede(const QString& svg)
{
    QSvgRenderer tegning(svg);
    if (!tegning.isValid())
    {
        return {};
    }
    QImage billede(tegning.defaultSize() * kSvgForstoerrelse, QImage::Format_RGB32);
    billede.fill(Qt::white);
    QPainter maler(&billede);
    maler.setRenderHint(QPainter::Antialiasing);
    tegning.render(&maler);
    return billede;
}

// Sizes every figure to its resolution or the text width, whichever is smaller, and puts
// its picture into the document's resources, so nothing is looked up while painting.
void FormgivFigurer(QTextDocument& dokument, const QString& figurmappe)
{
    struct Figur
    {
        int position;
        int laengde;
        QTextImageFormat format;
    };
    std::vector<Figur> figurer;
    for (QTextBlock blok = dokument.begin(); blok.isValid(); blok = blok.next())
    {
        for (auto del = blok.begin(); !del.atEnd(); ++del)
        {
            const QTextFragment stykke = del.fragment();
            if (stykke.charFormat().isImageFormat())
            {
                figurer.push_back(
                    {stykke.position(), stykke.length(), stykke.charFormat().toImageFormat()});
            }
        }
    }
    for (Figur& figur : figurer)
    {
        const QString fil = figurmappe + QLatin1Char('/') + figur.format.name();
        const bool vektor = fil.endsWith(QStringLiteral(".svg"));
        const QImage billede = vektor ? SomBillede(fil) : QImage(fil);
        if (billede.isNull())
        {
            continue;
        }
        dokument.addResource(QTextDocument::ImageResource, QUrl(figur.format.name()), billede);
        // A drawing fills the text width, but stays clear of the page height; a picture keeps
        // its resolution when it is narrower than the text.
        const double tekstbredde = FormatMm(kSidebredde - kVenstre - kHoejre);
        const double hoejesteBredde = FormatMm(kHoejesteFigur) * billede.width() / billede.height();
        const double bredde = std::min(
            {tekstbredde, hoejesteBredde,
             vektor ? tekstbredde : billede.width() * kSkaermOploesning / kFigurOploesning});
        figur.format.setWidth(bredde);
        figur.format.setHeight(bredde * billede.height() / billede.width());
        QTextCursor markering(&dokument);
        markering.setPosition(figur.position);
        markering.setPosition(figur.position + figur.laengde, QTextCursor::KeepAnchor);
        markering.setCharFormat(figur.format);
        QTextBlockFormat midte = markering.blockFormat();
        midte.setAlignment(Qt::AlignHCenter);
        midte.setTopMargin(FormatPt(6));
        midte.setBottomMargin(FormatPt(2));
        markering.setBlockFormat(midte);
    }
}

void FormgivOverskrift(QTextCursor& markoer, int niveau, bool foersteKapitel)
{
    QTextBlockFormat blok = markoer.blockFormat();
    // The heading's size is set outright: a size adjustment left in the format would win.
    QTextCharFormat tegn = markoer.block().charFormat();
    tegn.clearProperty(QTextFormat::FontSizeAdjustment);
    tegn.setFontWeight(QFont::Bold);
    tegn.setForeground(kAccent);
    switch (niveau)
    {
    case 2:
        tegn.setFontPointSize(17);
        blok.setTopMargin(0);
        blok.setBottomMargin(FormatPt(12));
        if (!foersteKapitel)
        {
            blok.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        }
        break;
    case 3:
        tegn.setFontPointSize(12.5);
        blok.setTopMargin(FormatPt(14));
        blok.setBottomMargin(FormatPt(5));
        break;
    default:
        tegn.setFontPointSize(10.5);
        tegn.setForeground(QColor(Qt::black));
        blok.setTopMargin(FormatPt(9));
        blok.setBottomMargin(FormatPt(3));
        break;
    }
    markoer.setBlockFormat(blok);
    markoer.movePosition(QTextCursor::StartOfBlock);
    markoer.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    markoer.setCharFormat(tegn);
}

// A line of a report excerpt: the report's fixed-pitch font on grey, with air above the
// first line of the excerpt.
void FormgivKodelinje(QTextCursor& markoer, bool foerste)
{
    QTextBlockFormat linje = markoer.blockFormat();
    linje.setBackground(kKodebaggrund);
    linje.setTopMargin(foerste ? FormatPt(4) : 0);
    linje.setBottomMargin(0);
    linje.setLeftMargin(0);
    linje.setNonBreakableLines(true);
    markoer.setBlockFormat(linje);
    markoer.movePosition(QTextCursor::StartOfBlock);
    markoer.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat fast;
    fast.setFontFamilies({kFastSkrift});
    fast.setFontFixedPitch(true);
    fast.setFontPointSize(8.3);
    markoer.mergeCharFormat(fast);
}

// A paragraph or a list item outside tables, with air after it (less between the items of
// a list); a note on a light background.
void FormgivAfsnit(QTextCursor& markoer)
{
    const QTextBlock blok = markoer.block();
    QTextBlockFormat afsnit = blok.blockFormat();
    afsnit.setTopMargin(0);
    const bool listepunkt = blok.textList() != nullptr;
    const bool sidstePunkt = listepunkt && blok.next().textList() != blok.textList();
    afsnit.setBottomMargin(listepunkt && !sidstePunkt ? FormatPt(2.5) : FormatPt(6));
    afsnit.setLineHeight(112, QTextBlockFormat::ProportionalHeight);
    if (afsnit.property(QTextFormat::BlockQuoteLevel).toInt() > 0)
    {
        afsnit.setBackground(kNotebaggrund);
        afsnit.setLeftMargin(FormatMm(2));
        afsnit.setRightMargin(FormatMm(2));
        afsnit.setTopMargin(FormatPt(2));
    }
    markoer.setBlockFormat(afsnit);
}

// Gives the body its look: numbered headings, paragraphs with air between them, report
// excerpts in the report's fixed-pitch font on grey, notes on a light background, ruled
// tables and figures at their size. Returns the headings of level 2 and 3 in order.
std::vector<Overskrift> FormgivKrop(QTextDocument& dokument, const QString& figurmappe)
{
    // One edit block: the layout follows once at the end instead of after every change.
    QTextCursor redigering(&dokument);
    redigering.beginEditBlock();
    std::vector<Overskrift> overskrifter;
    Overskriftstaeller taeller;
    bool foersteKapitel = true;
    bool iKode = false;
    for (QTextBlock blok = dokument.begin(); blok.isValid(); blok = blok.next())
    {
        QTextCursor markoer(blok);
        const int niveau = blok.blockFormat().headingLevel();
        const bool kode = blok.blockFormat().hasProperty(QTextFormat::BlockCodeFence);
        if (iKode && !kode)
        {
            // Air after the last line of a report excerpt.
            QTextCursor sidste(blok.previous());
            QTextBlockFormat slut = sidste.blockFormat();
            slut.setBottomMargin(FormatPt(8));
            sidste.setBlockFormat(slut);
        }
        if (niveau > 0)
        {
            const QString titel = blok.text();
            const QString nummer =
                QString::fromStdString(taeller.Naeste(niveau, titel.toStdString()));
            if (!nummer.isEmpty())
            {
                markoer.movePosition(QTextCursor::StartOfBlock);
                markoer.insertText(nummer + QStringLiteral("   "));
            }
            FormgivOverskrift(markoer, niveau, foersteKapitel && niveau == 2);
            foersteKapitel = foersteKapitel && niveau != 2;
            if (niveau <= 3)
            {
                overskrifter.push_back({niveau, nummer, titel, 0});
            }
        }
        else if (kode)
        {
            FormgivKodelinje(markoer, !iKode);
        }
        else if (markoer.currentTable() == nullptr)
        {
            FormgivAfsnit(markoer);
        }
        iKode = kode;
    }
    FormgivTabeller(dokument, *dokument.rootFrame());
    FormgivFigurer(dokument, figurmappe);
    redigering.endEditBlock();
    return overskrifter;
}

int SideAf(QTextDocument& dokument, const QTextBlock& blok)
{
    const QRectF kasse = dokument.documentLayout()->blockBoundingRect(blok);
    return static_cast<int>(std::floor(kasse.top() / kTeksthoejde));
}

// Moves a heading that would stand alone at the foot of a page to the next page, one at a
// time because each move shifts everything after it, and then notes each heading's page.
void PlacerOverskrifter(QTextDocument& dokument, std::vector<Overskrift>& overskrifter)
{
    bool flyttet = true;
    while (flyttet)
    {
        flyttet = false;
        for (QTextBlock blok = dokument.begin(); blok.isValid() && !flyttet; blok = blok.next())
        {
            QTextBlockFormat format = blok.blockFormat();
            if (format.headingLevel() == 0 ||
                format.pageBreakPolicy() == QTextFormat::PageBreak_AlwaysBefore)
            {
                continue;
            }
            const QRectF kasse = dokument.documentLayout()->blockBoundingRect(blok);
            const double sideslut = (SideAf(dokument, blok) + 1) * kTeksthoejde;
            if (sideslut - kasse.bottom() < kMindsteRestUnderOverskrift)
            {
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
                QTextCursor(blok).setBlockFormat(format);
                flyttet = true;
            }
        }
    }
    auto naeste = overskrifter.begin();
    for (QTextBlock blok = dokument.begin(); blok.isValid() && naeste != overskrifter.end();
         blok = blok.next())
    {
        const int niveau = blok.blockFormat().headingLevel();
        if (niveau == 2 || niveau == 3)
        {
            naeste->side = SideAf(dokument, blok);
            ++naeste;
        }
    }
}

// The table of contents: every chapter and section with the number of the page it
// starts on, counted from the title page; the body starts after `foerKrop` pages.
std::unique_ptr<QTextDocument>
ByggIndhold(QPdfWriter& pdf, const std::vector<Overskrift>& overskrifter, int foerKrop)
{
    auto indhold = NytDokument(pdf);
    QTextCursor markoer(indhold.get());
    QTextBlockFormat titelblok;
    titelblok.setBottomMargin(FormatPt(12));
    QTextCharFormat titeltegn;
    titeltegn.setFont(Skrift(kSkrift, 17, true));
    titeltegn.setForeground(kAccent);
    markoer.setBlockFormat(titelblok);
    markoer.insertText(QStringLiteral("Indhold"), titeltegn);

    QTextTableFormat tabelformat;
    tabelformat.setBorder(0);
    tabelformat.setCellSpacing(0);
    tabelformat.setCellPadding(FormatPt(0.8));
    tabelformat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tabelformat.setColumnWidthConstraints({QTextLength(QTextLength::FixedLength, FormatMm(10)),
                                           QTextLength(QTextLength::VariableLength, 0),
                                           QTextLength(QTextLength::FixedLength, FormatMm(14))});
    markoer.insertBlock();
    QTextTable* tabel = markoer.insertTable(static_cast<int>(overskrifter.size()), 3, tabelformat);
    for (int raekke = 0; raekke < static_cast<int>(overskrifter.size()); ++raekke)
    {
        const Overskrift& overskrift = overskrifter[static_cast<std::size_t>(raekke)];
        const bool kapitel = overskrift.niveau == 2;
        QTextCharFormat tegn;
        tegn.setFont(Skrift(kSkrift, kapitel ? 10 : 9.5, kapitel));
        QTextBlockFormat luft;
        luft.setTopMargin(kapitel ? FormatPt(4) : 0);
        const auto skriv = [&](int soejle, const QString& tekst, Qt::Alignment justering) {
            QTextCursor celle = tabel->cellAt(raekke, soejle).firstCursorPosition();
            QTextBlockFormat blok = luft;
            blok.setAlignment(justering);
            celle.setBlockFormat(blok);
            celle.insertText(tekst, tegn);
        };
        skriv(0, kapitel ? overskrift.nummer : QString(), Qt::AlignLeft);
        skriv(1,
              kapitel || overskrift.nummer.isEmpty()
                  ? overskrift.titel
                  : overskrift.nummer + QStringLiteral("   ") + overskrift.titel,
              Qt::AlignLeft);
        skriv(2, QString::number(foerKrop + overskrift.side + 1), Qt::AlignRight);
    }
    return indhold;
}

// The title page: the icon, the title block of the source centred under it, and the
// edition at the foot.
void TegnForside(QPainter& maler, QTextDocument& forside, const Opsaetning& opsaetning)
{
    if (!opsaetning.ikon.isEmpty())
    {
        QSvgRenderer ikon(opsaetning.ikon);
        const double side = Mm(48);
        ikon.render(&maler, QRectF((Mm(kSidebredde) - side) / 2, Mm(48), side, side));
    }
    maler.save();
    maler.translate(Mm(kVenstre), Mm(112));
    forside.drawContents(&maler);
    maler.restore();

    maler.setFont(Skrift(kSkrift, 10));
    maler.setPen(kAccent);
    const QString udgave = QStringLiteral("Version %1  ·  Udgave %2")
                               .arg(opsaetning.version,
                                    QLocale(QLocale::Danish, QLocale::Denmark)
                                        .toString(opsaetning.dato, QStringLiteral("d. MMMM yyyy")));
    maler.drawText(QRectF(Mm(kVenstre), Mm(kFodlinje - 8), kTekstbredde, Mm(10)),
                   Qt::AlignHCenter | Qt::AlignBaseline, udgave);
}

void FormgivForside(QTextDocument& forside)
{
    struct Stykke
    {
        int fra;
        int til;
        QTextCharFormat format;
    };
    std::vector<Stykke> stykker;
    for (QTextBlock blok = forside.begin(); blok.isValid(); blok = blok.next())
    {
        QTextBlockFormat format = blok.blockFormat();
        const bool titel = format.headingLevel() == 1;
        format.setAlignment(Qt::AlignHCenter);
        format.setTopMargin(0);
        format.setBottomMargin(titel ? FormatPt(18) : FormatPt(10));
        QTextCursor(blok).setBlockFormat(format);
        for (auto del = blok.begin(); !del.atEnd(); ++del)
        {
            const QTextFragment stykke = del.fragment();
            QTextCharFormat tegn = stykke.charFormat();
            tegn.clearProperty(QTextFormat::FontSizeAdjustment);
            tegn.setFontPointSize(titel ? 30 : 14);
            tegn.setForeground(titel ? kAccent : QColor(Qt::black));
            stykker.push_back({stykke.position(), stykke.position() + stykke.length(), tegn});
        }
    }
    for (const Stykke& stykke : stykker)
    {
        QTextCursor markering(&forside);
        markering.setPosition(stykke.fra);
        markering.setPosition(stykke.til, QTextCursor::KeepAnchor);
        markering.setCharFormat(stykke.format);
    }
}

// Running head (the chapter and the guide's name over a thin rule) and foot (the page).
void TegnHovedOgFod(QPainter& maler, const QString& venstre, const QString& hoejre, int side,
                    int sider)
{
    maler.save();
    maler.setFont(Skrift(kSkrift, 8.5));
    maler.setPen(kAccent);
    const QRectF hoved(Mm(kVenstre), Mm(kHovedlinje - 6), kTekstbredde, Mm(5));
    maler.drawText(hoved, Qt::AlignLeft | Qt::AlignBottom, venstre);
    maler.drawText(hoved, Qt::AlignRight | Qt::AlignBottom, hoejre);
    maler.setPen(QPen(kStreg, Pt(0.5)));
    maler.drawLine(QPointF(Mm(kVenstre), Mm(kHovedlinje)),
                   QPointF(Mm(kSidebredde - kHoejre), Mm(kHovedlinje)));
    maler.setPen(kAccent);
    maler.drawText(QRectF(Mm(kVenstre), Mm(kFodlinje - 5), kTekstbredde, Mm(6)),
                   Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("Side %1 af %2").arg(side).arg(sider));
    maler.restore();
}

// Paints page `side` (from 0) of a paginated document into the text area.
void TegnSide(QPainter& maler, QTextDocument& dokument, int side)
{
    maler.save();
    maler.translate(Mm(kVenstre), Mm(kTop) - side * kTeksthoejde);
    const QRectF udsnit(0, side * kTeksthoejde, kTekstbredde, kTeksthoejde);
    maler.setClipRect(udsnit);
    QAbstractTextDocumentLayout::PaintContext sammenhaeng;
    sammenhaeng.clip = udsnit;
    sammenhaeng.palette.setColor(QPalette::Text, Qt::black);
    dokument.documentLayout()->draw(&maler, sammenhaeng);
    maler.restore();
}

QString Kapitel(const std::vector<Overskrift>& overskrifter, int side)
{
    QString kapitel;
    for (const Overskrift& overskrift : overskrifter)
    {
        if (overskrift.side > side)
        {
            break;
        }
        if (overskrift.niveau == 2)
        {
            kapitel = overskrift.nummer.isEmpty()
                          ? overskrift.titel
                          : overskrift.nummer + QStringLiteral("  ") + overskrift.titel;
        }
    }
    return kapitel;
}

} // namespace

QStringList SkrivVejledning(const Opsaetning& opsaetning)
{
    const QScreen* skaerm = QGuiApplication::primaryScreen();
    if (skaerm == nullptr || skaerm->logicalDotsPerInchY() != kSkaermOploesning)
    {
        return {QStringLiteral("Skærmens opløsning er ikke %1 dpi; kør med "
                               "QT_QPA_PLATFORM=offscreen")
                    .arg(kSkaermOploesning)};
    }
    QFile kildefil(opsaetning.kilde);
    if (!kildefil.open(QIODevice::ReadOnly))
    {
        return {QStringLiteral("Kan ikke læse kilden %1: %2")
                    .arg(opsaetning.kilde, kildefil.errorString())};
    }
    std::string markdown = kildefil.readAll().toStdString();
    markdown = IndsaetVed(markdown, "{{soemkatalog}}", SoemkatalogTabel());
    markdown = IndsaetVed(markdown, "{{laegtetvaersnit}}", LaegtetvaersnitLinje());
    markdown = IndsaetVed(markdown, "{{vindtilfaelde}}", VindtilfaeldeTabel());
    markdown = IndsaetVed(markdown, "{{lastkombinationer}}", LastkombinationTabel());

    const auto sti = [&](std::string_view fil) {
        return opsaetning.figurmappe + QLatin1Char('/') +
               QString::fromUtf8(fil.data(), static_cast<qsizetype>(fil.size()));
    };
    const auto findes = [&](std::string_view fil) { return QFileInfo::exists(sti(fil)); };
    const auto laes = [&](std::string_view fil) -> std::optional<std::string> {
        QFile indsat(sti(fil));
        if (!indsat.open(QIODevice::ReadOnly))
        {
            return std::nullopt;
        }
        return indsat.readAll().toStdString();
    };
    QStringList manglende;
    std::vector<std::string> filer = Figurer(markdown);
    const std::vector<std::string> indsatte = IndsatteFiler(markdown);
    filer.insert(filer.end(), indsatte.begin(), indsatte.end());
    for (const std::string& fil : filer)
    {
        if (!findes(fil) && !manglende.contains(sti(fil)))
        {
            manglende << sti(fil);
        }
    }
    if (opsaetning.kraevFigurer && !manglende.isEmpty())
    {
        QStringList fejl;
        for (const QString& fil : manglende)
        {
            fejl << QStringLiteral("%1 findes ikke").arg(fil);
        }
        return fejl;
    }
    markdown = MedIndsatteFiler(MedBetingelser(markdown, findes), laes);
    const DeltKilde delt = DelKilde(UdenManglendeFigurer(markdown, findes));

    QByteArray pdfdata;
    {
        QBuffer buffer(&pdfdata);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kOploesning);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        const QString titel = QStringLiteral("Taglo %1 – Brugervejledning").arg(opsaetning.version);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Taglo %1").arg(opsaetning.version));

        auto forside = NytDokument(pdf);
        forside->setMarkdown(QString::fromStdString(delt.forside));
        FormgivForside(*forside);

        auto krop = NytDokument(pdf);
        krop->setMarkdown(QString::fromStdString(delt.krop));
        std::vector<Overskrift> overskrifter = FormgivKrop(*krop, opsaetning.figurmappe);
        PlacerOverskrifter(*krop, overskrifter);

        const int indholdssider = ByggIndhold(pdf, overskrifter, 1)->pageCount();
        auto indhold = ByggIndhold(pdf, overskrifter, 1 + indholdssider);
        const int kropssider = krop->pageCount();
        const int sider = 1 + indholdssider + kropssider;

        QPainter maler(&pdf);
        TegnForside(maler, *forside, opsaetning);
        for (int side = 0; side < indholdssider; ++side)
        {
            pdf.newPage();
            TegnHovedOgFod(maler, QStringLiteral("Indhold"), titel, 2 + side, sider);
            TegnSide(maler, *indhold, side);
        }
        for (int side = 0; side < kropssider; ++side)
        {
            pdf.newPage();
            TegnHovedOgFod(maler, Kapitel(overskrifter, side), titel, 2 + indholdssider + side,
                           sider);
            TegnSide(maler, *krop, side);
        }
        maler.end();
    }

    std::string bytes = pdfdata.toStdString();
    // The edition's date at noon, so the guide of one edition always has the same bytes.
    const QDateTime udgivet(opsaetning.dato, QTime(12, 0), Qt::UTC);
    if (!FastsaetOprettelsesdato(bytes, udgivet.toSecsSinceEpoch()))
    {
        return {QStringLiteral("PDF'ens oprettelsesdato kunne ikke fastsættes")};
    }
    QSaveFile ud(opsaetning.ud);
    if (!ud.open(QIODevice::WriteOnly) ||
        ud.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !ud.commit())
    {
        return {QStringLiteral("Kan ikke skrive %1: %2").arg(opsaetning.ud, ud.errorString())};
    }
    for (const QString& fil : manglende)
    {
        qInfo("Udeladt, da filen mangler: %s", qPrintable(fil));
    }
    return {};
}

} // namespace taglo::vejledning
