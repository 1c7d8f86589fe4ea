#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtPlattform plattform;
    Anwendung anwendung(QCoreApplication::applicationDirPath(), plattform);
    anwendung.starten();
    return QApplication::exec();
}
