// A second reference for the start-up: an empty window of the main window's designed size
// (1360 x 740) showing one line of text, which brings in fonts and a full-size window buffer.
#include "Leerlauf.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    const qint64 start = startFromArguments(argc, argv);
    QApplication app(argc, argv);
    QWidget fenster;
    auto* anordnung = new QVBoxLayout(&fenster);
    anordnung->addWidget(new QLabel(QStringLiteral("Artikelbezeichnung")));
    fenster.resize(1360, 740);
    fenster.show();
    reportWhenIdle(start);
    return QApplication::exec();
}
