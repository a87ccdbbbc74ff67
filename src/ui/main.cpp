#include "ui/legteui.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Taglo"));
    taglo::TForm1 vindue(QApplication::applicationDirPath() + QLatin1Char('/'));
    vindue.show();
    return QApplication::exec();
}
