#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder with a copy of the delivered data folder whose article folder holds
// `anzahl` saved articles, for as long as the object lives.
class Artikelordner {
public:
    explicit Artikelordner(int anzahl);

    // The program folder, for an Anwendung.
    QString programmordner() const { return m_wurzel.path(); }
    // The folder the articles are in.
    QString artikel() const;

    // The name of article i as the folder holds it.
    static QString dateiname(int i);

private:
    QTemporaryDir m_wurzel;
};
