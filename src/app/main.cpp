#include "core/Datenordner.h"
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Names the user's data location: ~/.local/share/KORI.
    QCoreApplication::setApplicationName(QStringLiteral("KORI"));
    QGuiApplication::setDesktopFileName(QStringLiteral("de.kori.KORI"));
    QtPlattform plattform;
    Anwendung anwendung(datenBasisordner(QCoreApplication::applicationDirPath(),
                                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
                        plattform);
    if (!anwendung.starten()) {
        return 0;
    }
    return QApplication::exec();
}
