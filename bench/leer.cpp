// The floor for the start-up measurement: a Qt Widgets program that only shows an empty window.
#include "Leerlauf.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    const qint64 start = startFromArguments(argc, argv);
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.show();
    reportWhenIdle(start);
    return QApplication::exec();
}
