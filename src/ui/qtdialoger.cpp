#include "ui/qtdialoger.h"

#include "ui/skrift.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>

namespace taglo
{

namespace
{

void VisBesked(QMessageBox::Icon ikon, const QString& overskrift, std::string_view tekst)
{
    QMessageBox boks(ikon, overskrift, Beskedtekst(tekst), QMessageBox::Ok,
                     QApplication::activeWindow());
    boks.setTextFormat(Qt::PlainText);
    boks.exec();
}

// "Lægtedata (*.tgl)|*.tgl" as Qt writes a filter: "Lægtedata (*.tgl)".
QString QtFilter(const std::string& filter)
{
    const QString tekst = QString::fromStdString(filter);
    return tekst.section(QLatin1Char('|'), 0, 0);
}

std::optional<std::string> VisFildialog(const FilDialog& beskrivelse, bool gem, QString& mappe)
{
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(beskrivelse.titel),
                       mappe, QtFilter(beskrivelse.filter));
    dialog.setAcceptMode(gem ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(gem ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(beskrivelse.standardEndelse));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    {
        return std::nullopt;
    }
    mappe = dialog.directory().absolutePath();
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

QString Beskedtekst(std::string_view tekst)
{
    QString resultat = QString::fromUtf8(tekst.data(), static_cast<qsizetype>(tekst.size()));
    resultat.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    resultat.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    resultat.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return resultat;
}

void QtMeddelelser::fejl(std::string_view tekst)
{
    VisBesked(QMessageBox::Critical, QStringLiteral("Fejl"), tekst);
}

void QtMeddelelser::advarsel(std::string_view tekst)
{
    VisBesked(QMessageBox::Warning, QStringLiteral("Advarsel"), tekst);
}

void QtMeddelelser::besked(std::string_view tekst)
{
    VisBesked(QMessageBox::NoIcon, QStringLiteral("Taglo"), tekst);
}

void QtMeddelelser::fejldialog(std::string_view tekst)
{
    VisBesked(QMessageBox::Critical, QStringLiteral("Error"), tekst);
}

std::optional<std::string> QtDialoger::aabnFil(const FilDialog& dialog)
{
    return VisFildialog(dialog, false, mappe_);
}

std::optional<std::string> QtDialoger::gemFil(const FilDialog& dialog)
{
    return VisFildialog(dialog, true, mappe_);
}

std::optional<std::string> QtDialoger::indtast(const Tekstdialog& dialog)
{
    bool ok = false;
    const QString tekst =
        QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(dialog.titel),
                              QString::fromStdString(dialog.ledetekst), QLineEdit::Normal,
                              QString::fromStdString(dialog.tekst), &ok);
    if (!ok)
    {
        return std::nullopt;
    }
    return tekst.toStdString();
}

TSvar QtDialoger::spoerg(const std::string& spoergsmaal)
{
    QMessageBox boks(QMessageBox::Question, QStringLiteral("Taglo"), Beskedtekst(spoergsmaal),
                     QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton* ja = boks.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nej = boks.addButton(QStringLiteral("&Nej"), QMessageBox::NoRole);
    QPushButton* annuller = boks.addButton(QStringLiteral("Annuller"), QMessageBox::RejectRole);
    boks.setDefaultButton(ja);
    boks.setEscapeButton(annuller);
    boks.exec();
    if (boks.clickedButton() == ja)
    {
        return TSvar::Ja;
    }
    return boks.clickedButton() == nej ? TSvar::Nej : TSvar::Annuller;
}

TSidemaal Sidemaal(QPrinter& printer)
{
    const QFont skrift(PrinterSkrift(kUdskriftPunkter), &printer);
    const QFontMetrics maal(skrift, &printer);
    const QRect side = printer.pageLayout().paintRectPixels(printer.resolution());
    return {side.height(), side.width(), std::max(maal.horizontalAdvance(QLatin1Char('0')), 1),
            std::max(maal.height(), 1)};
}

std::optional<std::string> UdskrivSider(QPrinter& printer, const std::vector<TUdskriftside>& sider)
{
    QPainter maler;
    if (!maler.begin(&printer))
    {
        return std::string("Printeren kunne ikke startes.");
    }
    maler.setFont(QFont(PrinterSkrift(kUdskriftPunkter), &printer));
    const QFontMetrics maal(maler.font(), &printer);
    bool foerste = true;
    for (const TUdskriftside& side : sider)
    {
        if (!foerste && !printer.newPage())
        {
            maler.end();
            return std::string("Printeren kunne ikke begynde en ny side.");
        }
        foerste = false;
        for (const TSkriftlinje& linje : side.linjer)
        {
            maler.drawText(QPointF(0, linje.y + maal.ascent()),
                           QString::fromStdString(linje.tekst));
        }
    }
    if (!maler.end())
    {
        return std::string("Udskriften kunne ikke afsluttes.");
    }
    return std::nullopt;
}

QtUdskrivning::QtUdskrivning() = default;

std::optional<TSidemaal> QtUdskrivning::VisPrintdialog()
{
    if (!printer_)
    {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrintDialog dialog(printer_.get(), QApplication::activeWindow());
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted)
    {
        return std::nullopt;
    }
    return Sidemaal(*printer_);
}

std::optional<std::string> QtUdskrivning::Udskriv(const std::vector<TUdskriftside>& sider)
{
    if (!printer_)
    {
        return std::string("Der er ikke valgt en printer.");
    }
    return UdskrivSider(*printer_, sider);
}

} // namespace taglo
