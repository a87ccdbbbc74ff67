// taglo-vejledning: writes the user guide PDF from its Markdown source during the build.
//
//   taglo-vejledning --kilde brugervejledning.md --ud Taglo21_Brugervejledning.pdf
//                    --figurer MAPPE --dato 2024-01-31 --version 2.1 [--ikon IKON.svg]
//                    [--kraev-figurer]
//
// The same inputs give the same bytes: hashing is deterministic, the clock is read in UTC
// and the PDF's creation date is set to the edition date. No display is needed.
#include "opsaetning.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QHashSeed>

#include <cstdlib>
#include <ctime>
#include <iostream>

int main(int argc, char* argv[])
{
    QHashSeed::setDeterministicGlobalSeed();
    qputenv("TZ", "UTC");
    tzset();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication program(argc, argv);

    QCommandLineParser tolker;
    tolker.setApplicationDescription(
        QStringLiteral("Skriver Taglos brugervejledning som PDF ud fra dens Markdown-kilde."));
    tolker.addHelpOption();
    const QCommandLineOption kilde(QStringLiteral("kilde"), QStringLiteral("Markdown-kilden."),
                                   QStringLiteral("fil"));
    const QCommandLineOption ud(QStringLiteral("ud"), QStringLiteral("PDF-filen der skrives."),
                                QStringLiteral("fil"));
    const QCommandLineOption figurer(QStringLiteral("figurer"),
                                     QStringLiteral("Mappen som figurernes filnavne er i."),
                                     QStringLiteral("mappe"), QStringLiteral("."));
    const QCommandLineOption ikon(QStringLiteral("ikon"), QStringLiteral("SVG-ikon til forsiden."),
                                  QStringLiteral("fil"));
    const QCommandLineOption dato(QStringLiteral("dato"),
                                  QStringLiteral("Udgavens dato, åååå-mm-dd."),
                                  QStringLiteral("dato"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Programmets version, fx 2.1."),
                                     QStringLiteral("version"));
    const QCommandLineOption kraev(QStringLiteral("kraev-figurer"),
                                   QStringLiteral("En manglende figur er en fejl."));
    tolker.addOptions({kilde, ud, figurer, ikon, dato, version, kraev});
    tolker.process(program);

    taglo::vejledning::Opsaetning opsaetning;
    opsaetning.kilde = tolker.value(kilde);
    opsaetning.ud = tolker.value(ud);
    opsaetning.figurmappe = tolker.value(figurer);
    opsaetning.ikon = tolker.value(ikon);
    opsaetning.version = tolker.value(version);
    opsaetning.dato = QDate::fromString(tolker.value(dato), Qt::ISODate);
    opsaetning.kraevFigurer = tolker.isSet(kraev);
    if (opsaetning.kilde.isEmpty() || opsaetning.ud.isEmpty() || opsaetning.version.isEmpty() ||
        !opsaetning.dato.isValid())
    {
        std::cerr << "taglo-vejledning: --kilde, --ud, --version og --dato (åååå-mm-dd) skal "
                     "angives\n";
        return EXIT_FAILURE;
    }

    const QStringList fejl = taglo::vejledning::SkrivVejledning(opsaetning);
    for (const QString& linje : fejl)
    {
        std::cerr << "taglo-vejledning: " << linje.toStdString() << '\n';
    }
    return fejl.isEmpty() ? EXIT_SUCCESS : EXIT_FAILURE;
}
