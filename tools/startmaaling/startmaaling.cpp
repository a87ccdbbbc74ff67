// Measures the time from the program's start to the first paint of its window: the
// window is built, Standard.tgl read, the window shown and painted once. Prints the
// times in milliseconds from the start of main and from the construction of the window.
//
//   QT_QPA_PLATFORM=offscreen taglo_startmaaling
#include "ui/legteui.h"
#include "ui/opstart.h"
#include "ui/qtdialoger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace
{

// Notes the moment of the window's first paint and ends the event loop.
class FoersteMaling final : public QObject
{
  public:
    explicit FoersteMaling(const QElapsedTimer& ur) : ur_(ur) {}
    qint64 millisekunder = -1;

  protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override
    {
        if (haendelse->type() == QEvent::Paint && millisekunder < 0)
        {
            millisekunder = ur_.nsecsElapsed() / 1000;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(objekt, haendelse);
    }

  private:
    const QElapsedTimer& ur_;
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer fraStart;
    fraStart.start();
    QApplication app(argc, argv);
    taglo::InstallerDanskeQtTekster(app);

    taglo::QtMeddelelser meddelelser;
    taglo::QtDialoger dialoger;
    taglo::QtUdskrivning udskrivning;
    QElapsedTimer fraVindue;
    fraVindue.start();
    FoersteMaling maling(fraStart);
    const qint64 vindueStart = fraStart.nsecsElapsed() / 1000;
    taglo::TForm1 vindue({meddelelser, dialoger, udskrivning},
                         taglo::RegionalindstillingerFra(QLocale::system()),
                         taglo::FindProgrammappe(QApplication::applicationDirPath()));
    if (!vindue.Init())
    {
        return 1;
    }
    vindue.installEventFilter(&maling);
    vindue.show();
    QApplication::exec();
    std::printf("fra main: %.1f ms, fra vinduet: %.1f ms\n",
                static_cast<double>(maling.millisekunder) / 1000.0,
                static_cast<double>(maling.millisekunder - vindueStart) / 1000.0);
    return 0;
}
