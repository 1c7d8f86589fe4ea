// The program's own start-up, as main() does it, over the data folder beside the program
// (or in the folder given second), reporting when the main window is ready and idle.
#include "Leerlauf.h"
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const qint64 start = startFromArguments(argc, argv);
    QApplication app(argc, argv);
    const QString ordner =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath();
    QtPlattform plattform;
    Anwendung anwendung(ordner, plattform);
    anwendung.starten();
    reportWhenIdle(start);
    return QApplication::exec();
}
