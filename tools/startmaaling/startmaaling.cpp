// Measures the time from the program's start to the first paint of its window: the
// window is built, Standard.tgl read, the window shown and painted once. Prints the
// times in milliseconds from the start of main and from the construction of the window.
//
//   QT_QPA_PLATFORM=offscreen taglo_startmaaling
#include "qtcanvas/systemregional.h"
#include "ui/legteui.h"
#include "ui/opstart.h"
#include "ui/qtdialoger.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <QTextStream>

namespace
{

// Notes the moment of the window's first paint and ends the event loop.
class FoersteMaling final : public QObject
{
  public:
    explicit FoersteMaling(const QElapsedTimer& ur) : ur_(ur) {}
    // Microseconds from the start to the first paint; -1 before it.
    [[nodiscard]] qint64 mikrosekunder() const { return mikrosekunder_; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* haendelse) override
    {
        if (haendelse->type() == QEvent::Paint && mikrosekunder_ < 0)
        {
            mikrosekunder_ = ur_.nsecsElapsed() / 1000;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(objekt, haendelse);
    }

  private:
    const QElapsedTimer& ur_;
    qint64 mikrosekunder_ = -1;
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
    FoersteMaling maling(fraStart);
    const qint64 vindueStart = fraStart.nsecsElapsed() / 1000;
    taglo::TForm1 vindue({meddelelser, dialoger, udskrivning},
                         taglo::SystemetsRegionalindstillinger(),
                         taglo::FindProgrammappe(QApplication::applicationDirPath()));
    if (!vindue.Init())
    {
        return 1;
    }
    vindue.installEventFilter(&maling);
    vindue.show();
    QApplication::exec();
    QTextStream(stdout) << "fra main: " << static_cast<double>(maling.mikrosekunder()) / 1000.0
                        << " ms, fra vinduet: "
                        << static_cast<double>(maling.mikrosekunder() - vindueStart) / 1000.0
                        << " ms\n";
    return 0;
}
