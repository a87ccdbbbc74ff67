// Taglo: dimensions the roof battens of a duo-pitch timber roof and their nailed
// connection to the rafters.
#include "qtcanvas/systemregional.h"
#include "ui/legteui.h"
#include "ui/opstart.h"
#include "ui/qtdialoger.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taglo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Taglo"));
    taglo::InstallerDanskeQtTekster(app);

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
    vindue.show();
    // A project file given on the command line (the desktop opens project files this way).
    if (const QStringList argumenter = QApplication::arguments(); argumenter.size() > 1)
    {
        vindue.HentProjekt(argumenter.at(1));
    }
    return QApplication::exec();
}
