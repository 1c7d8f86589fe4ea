#pragma once

#include "core/Speicherbar.h"

#include <QString>
#include <QStringList>

#include <optional>

// The seller's settings as kept in "Einstell.Ini", section "EINSTELL". Check boxes are flags here
// and "0"/"1" in the file.
struct Einstellungen {
    QString ebayName;
    QString startenMit;
    QString pfadIE;
    QString pfadGoChr;
    QString pfadZusatzBilder;
    QString pfadHoerproben;
    QString pfadZuMeinenArtikel;
    QString pfadShopBild;
    QString bildLaengeEinstellWert;
    bool schopJa = false;
    bool hinweisJa = false;
    bool satndardTexte = false;
    bool verandInfoVorne = false;
    bool verandInfoNach = false;
    QString versandStandard = QStringLiteral("1,85");
    QString kostenlosAb = QStringLiteral("1,85");
    QString postHermes = QStringLiteral("Deutsche Post-unversichert");
    // Web folder of the magnifier and separator graphics; without it the listing has neither.
    QString pfadGrafik;
    // Where "Fotos hochladen" sends the photos: "sftp://benutzer@server/ordner", never a password.
    QString hochladenZiel;
    bool passwortMerken = false;
    // After an upload, whether every picture's web address answers.
    bool hochladenPruefen = false;
    // Longest side of the photos' upload copies in pixels, as typed.
    QString fotoKante = QStringLiteral("1600");
    // Whether a new listing carries the summary for the phone app.
    bool kurzfassungJa = true;

    // Every value counts as a change worth asking about before the window closes.
    bool operator==(const Einstellungen&) const = default;
};

// The seller's own web addresses: links to their hosts lead to no one else's page.
QStringList eigeneAdressen(const Einstellungen& e);

inline const QString kEinstellAbschnitt = QStringLiteral("EINSTELL");
// Below the data folder.
inline const QString kEinstellDatei = QStringLiteral("Einstell.Ini");

// An upload target as typed, without a password typed into it: the file must never hold one.
QString zielOhnePasswort(const QString& text);

// The keys in the order they are read and written.
const QStringList& einstellSchluessel();

// The values of the keys, in key order, as they stand in the file; the upload target without a
// password.
QStringList einstellWerte(const Einstellungen& e);
// Settings from the values in key order; empty values take the defaults, a check value that
// is not a number reads as unticked.
Einstellungen einstellungenAusWerten(const QStringList& werte);

// A check value is ticked when it is a number other than zero.
bool pruefwertGesetzt(const QString& wert);

// The text values by the labels of the settings window, for the check that the file can hold them.
QList<BenanntesFeld> einstellFelder(const Einstellungen& e);

Einstellungen einstellungenLesen(const QString& pfad);
// Writes all keys at once; a value the file cannot hold writes nothing.
bool einstellungenSchreiben(const QString& pfad, const Einstellungen& e);

// The sample values of "Muster Einstellungen"; every other value stays as it was.
Einstellungen musterEinstellungen(Einstellungen e);

// A combo box that still shows its prompt ("Name wählen") holds no choice: such a value stays
// as it was before.
Einstellungen ohneAufforderungen(Einstellungen e, const Einstellungen& bisher);

// What applying the settings puts into the main window. The shipping values stay out once the
// settings were opened through the menu, so the article's own choice is not overwritten.
struct Hauptfensterwerte {
    QString ebayName;
    std::optional<bool> versandInfoJa;
    std::optional<bool> kurzfassungJa;
    std::optional<QString> versandkosten;
    std::optional<QString> versandart;
    QString bildbreite;
};
Hauptfensterwerte hauptfensterwerte(const Einstellungen& e, bool vomMenue);
// What saving changed settings puts into the main window: only the values the save changed, so
// the article keeps the seller's own choices.
Hauptfensterwerte hauptfensterwerteGeaendert(const Einstellungen& vorher, const Einstellungen& neu,
                                             bool vomMenue);
