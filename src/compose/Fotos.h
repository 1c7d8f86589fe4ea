#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Upload copies of the seller's photos: upright, no larger than the marketplace shows them, and
// without the camera's metadata (the GPS position of the seller's home among it).

inline constexpr int kFotoKanteVorgabe = 1600;
// The marketplace takes no picture above 7 MB; counted in the smaller, decimal megabytes.
inline constexpr qint64 kFotoHoechstBytes = 7'000'000;
inline constexpr int kFotoQualitaet = 90;
inline constexpr int kFotoQualitaetStufe = 5;
// Below this a photo looks worse than a seller would accept; the copy is refused instead.
inline constexpr int kFotoQualitaetMindest = 50;
inline constexpr int kFotoMindestKante = 500;
inline constexpr int kFotoEmpfohleneKante = 1000;
// Below the data folder.
inline const QString kFotoOrdner = QStringLiteral("Fotos-Hochladen");

// A web file name for a row's photo from the designation and the row: lower-case ASCII, umlauts
// spelt out, blanks as "-", everything else left out, at most 60 characters with ".jpg".
QString WebnameVorschlagen(const QString& bezeichnung, int zeile);

// Whether a row's file name can name its upload copy: a bare name, no folder, ending in ".jpg"
// or ".jpeg", since the copy is a JPEG whatever the original was.
bool KopienameTauglich(const QString& name);

// The setting "longest side": a whole number of pixels above 0; an empty setting is the default.
std::optional<int> FotoKanteLesen(const QString& text);

struct FotoAuftrag {
    QString quelle;
    int kante = kFotoKanteVorgabe;
    qint64 hoechstBytes = kFotoHoechstBytes;
};

struct FotoErgebnis {
    enum class Stand { Fertig, Unlesbar, ZuGross };
    Stand stand = Stand::Unlesbar;
    // The JPEG of the copy; for a copy too large, the one at the lowest quality.
    QByteArray jpeg;
    int breite = 0;
    int hoehe = 0;
    int qualitaet = 0;
    QString fehler;
};

using FotoVorbereitung = std::function<FotoErgebnis(const FotoAuftrag&)>;

// One ticked row with a photo, and the name its copy gets.
struct FotoKopie {
    int zeile = 0;
    QString quelle;
    QString name;
};

struct FotoBericht {
    int geschrieben = 0;
    QStringList unlesbar;
    QStringList zuGross;
    // Name and reason of each copy that could not be written.
    QStringList nichtGeschrieben;
};

// Prepares every copy in turn and writes it safely below `zielordner`, the originals untouched;
// `fortschritt` hears how many are done. Runs on any thread.
FotoBericht FotosVorbereiten(const QList<FotoKopie>& kopien, const QString& zielordner, int kante,
                             const FotoVorbereitung& vorbereiten,
                             const std::function<void(int)>& fortschritt);

// The one message that tells the seller how it went.
QString FotoBerichtText(const FotoBericht& bericht, const QString& zielordner);

// What the listing check knows of the photo of one ticked row.
struct FotoAngabe {
    int zeile = 0;
    QString name;
    // Of the upload copy: the photo's, or the setting's when that is smaller.
    int laengsteSeite = 0;
    bool kopieZuGross = false;
};

// A ticked picture row as the upload sees it.
struct HochladenZeile {
    int zeile = 0;
    QString name;
    // Whether the row shows a photo of the seller's, whose copy "Fotos vorbereiten" makes.
    bool hatFoto = false;
};

struct HochladenAuswahl {
    // The copies to send, each once, in the order of the rows.
    QStringList dateien;
    // The rows with a photo whose copy is not there, as "Bild 2: „name“".
    QStringList fehlend;
};

// The upload copies in `ordner` of the ticked rows. A row with neither a photo of its own nor a
// copy names a picture the seller put on the web some other way, and stays out.
HochladenAuswahl KopienZumHochladen(const QList<HochladenZeile>& zeilen, const QString& ordner);

// Why nothing was sent when copies are missing, and what to do.
QString FehlendeKopienText(const QStringList& fehlend);
