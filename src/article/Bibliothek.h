#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class Datenordner;

// The folder of the main list, with a trailing separator.
QString ListenOrdnerBilden(const Datenordner& daten);

// The names of the ".ebay" files directly in the folder (extension in any letter case), sorted
// by name; empty when the folder cannot be read.
QStringList EbayDateienListen(const QString& ordner);

// The entries whose text holds the term, letter case ignored; an empty term matches every entry.
struct Suchergebnis {
    QList<int> treffer;
    int anzahl = 0;
};
Suchergebnis EintraegeSuchen(const QStringList& eintraege, const QString& begriff);

// "( n )" for the match counter.
QString TrefferAnzeige(int anzahl);

// The file of a list entry: in the main folder unless the list shows another folder.
QString EintragPfad(const QString& listenArt, const QString& listenOrdner, const QString& andererOrdner,
                    const QString& eintrag);
