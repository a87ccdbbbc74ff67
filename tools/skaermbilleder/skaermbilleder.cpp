// Starts the program's window as the program does and saves a PNG picture of each of
// its tabs and of the About box, for looking at the window without a desktop. The window
// has the size the program gives it on the screen it starts on.
//
//   taglo_skaermbilleder <output folder>
#include "qtcanvas/systemregional.h"
#include "ui/legteui.h"
#include "ui/opstart.h"
#include "ui/qtdialoger.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <QTextStream>

#include <array>

namespace
{

// The window as the screen shows it; the widget's own rendering where the platform
// cannot read the screen back.
QPixmap Billede(QWidget& vindue)
{
    QScreen* skaerm = vindue.screen();
    QPixmap billede = skaerm != nullptr ? skaerm->grabWindow(vindue.winId()) : QPixmap();
    return billede.isNull() ? vindue.grab() : billede;
}

bool Gem(QWidget& vindue, const QString& sti)
{
    QTest::qWait(300);
    if (!Billede(vindue).save(sti))
    {
        QTextStream(stderr) << "kunne ikke gemme " << sti << '\n';
        return false;
    }
    QTextStream(stdout) << sti << '\n';
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taglo"));
    if (QCoreApplication::arguments().size() != 2)
    {
        QTextStream(stderr) << "brug: taglo_skaermbilleder <mappe>\n";
        return 2;
    }
    taglo::InstallerDanskeQtTekster(app);
    const QString ud = QCoreApplication::arguments()[1];
    QDir().mkpath(ud);

    taglo::QtMeddelelser meddelelser;
    taglo::QtDialoger dialoger;
    taglo::QtUdskrivning udskrivning;
    const QString programmappe = taglo::FindProgrammappe(QApplication::applicationDirPath());
    taglo::TForm1 vindue({meddelelser, dialoger, udskrivning},
                         taglo::SystemetsRegionalindstillinger(), programmappe);
    if (!vindue.Init())
    {
        return 1;
    }
    vindue.move(0, 0);
    vindue.show();
    if (!QTest::qWaitForWindowExposed(&vindue))
    {
        return 1;
    }

    const std::array<const char*, 9> navne{
        "1-inddata",       "2-specielle-valg",  "3-hjaelp-tvaer",       "4-hjaelp-laengde",
        "5-kontrol-tvaer", "6-kontrol-laengde", "7-beregningsresultat", "8-soemforbindelse",
        "9-forslag"};
    bool ok = true;
    for (int i = 0; i < vindue.faner()->count(); ++i)
    {
        vindue.faner()->setCurrentIndex(i);
        ok = Gem(vindue, ud + QLatin1Char('/') +
                             QString::fromLatin1(navne.at(static_cast<std::size_t>(i))) +
                             QStringLiteral(".png")) &&
             ok;
    }
    QWidget& infoForm = *vindue.infoForm();
    infoForm.move(60, 60);
    infoForm.show();
    ok = QTest::qWaitForWindowExposed(&infoForm) && ok;
    ok = Gem(infoForm, ud + QStringLiteral("/om-taglo.png")) && ok;
    return ok ? 0 : 1;
}
