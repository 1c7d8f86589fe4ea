#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Left edge, in twips, of the one category button a template shows.
inline constexpr int kKategorieKnopfLinks = 7680;

// Everything a category menu entry sets in the main window; the window only applies it. The lists are
// filled before their texts are set.
struct KategorieVorlage {
    // The program-wide article kind: "Buch", "CD_MC" or "Kleidung".
    QString artikelArt;
    QString lblArtikelArt;
    QString einZwei;
    QString einEineEinen;
    QString gutNeu;
    QString gutErhalten;
    QStringList aufWasBitenListe;
    QStringList aufWasBiten2Liste;
    QStringList aufWasBiten3Liste;
    QString aufWasBiten;
    QString aufWasBiten2;
    QString aufWasBiten3;
    // Object name of the button shown at kKategorieKnopfLinks.
    QString knopf;
    // Further controls shown; every control of kKategorieVersteckt not named here stays hidden.
    QStringList sichtbar;
    // Visibility of the author box cboBuchAutor.
    bool buchAutorSichtbar = false;
    // Kind field of the book window; unchanged when empty.
    QString buchArt;
    // Description template in the stored form "\KORI-Vorlage-Dateien\..." below the program folder;
    // the description stays empty when this is empty.
    QString inhaltDatei;
};

// Hidden by every category entry before its own buttons are shown.
const QStringList& kategorieVersteckt();

// The template of an article kind; nothing for any other text.
std::optional<KategorieVorlage> kategorieVorlage(const QString& artikelArt);

// The article kind the program starts with for the configured start category; empty for none.
QString startKategorie(const QString& startenMit);
