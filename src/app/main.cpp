#include "core/Datenordner.h"
#include "ui/Anwendung.h"
#include "ui/QtPlattform.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    // The live preview's browser engine, loaded later from its plugin, shares its drawing
    // contexts with the windows; that must be said before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
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
