#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The category buttons of the main window; each template shows some of them and hides the rest.
enum class Kategorieknopf {
    BuchBeschreibung,
    KleidungBeschreibung,
    Songs,
    VerlagInsBuch,
    AutorInsBuch,
};

inline constexpr std::array<Kategorieknopf, 5> kKategorieknoepfe{
    Kategorieknopf::BuchBeschreibung, Kategorieknopf::KleidungBeschreibung, Kategorieknopf::Songs,
    Kategorieknopf::VerlagInsBuch, Kategorieknopf::AutorInsBuch};

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
    // The button shown at kKategorieKnopfLinks.
    Kategorieknopf knopf = Kategorieknopf::Songs;
    // Further buttons shown; every other one stays hidden.
    QList<Kategorieknopf> sichtbar;
    // Visibility of the author box cboBuchAutor.
    bool buchAutorSichtbar = false;
    // Kind field of the book window; unchanged when empty.
    QString buchArt;
    // Description template in the stored form "\KORI-Vorlage-Dateien\..." below the program folder;
    // the description stays empty when this is empty.
    QString inhaltDatei;
};

// The template of an article kind; nothing for any other text.
std::optional<KategorieVorlage> kategorieVorlage(const QString& artikelArt);

// The article kind the program starts with for the configured start category; empty for none.
QString startKategorie(const QString& startenMit);
