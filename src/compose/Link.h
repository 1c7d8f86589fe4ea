#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Initial texts of the link window.
inline const QString kSeitenPfadVorgabe =
    QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/???.jpg");
inline const QString kImgPfadVorgabe =
    QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/ZurVorschau.jpg");
inline const QString kLinkTextVorgabe = QStringLiteral("zur Vorschau");

// The options of the link window, numbered as its option group.
enum class LinkArt { NurBild = 0, BildUndText = 1, NurText = 2 };

struct LinkEingaben {
    QString seitenPfad;
    QString imgPfad;
    QString linkText;
    LinkArt art = LinkArt::NurBild;
};

struct LinkErgebnis {
    // Field names for message 10, in the order they are reported.
    QStringList fehlendeFelder;
    // The HTML block; none while the page address still holds the placeholder.
    std::optional<QString> block;
};

// Builds the HTML block of one link. Missing picture address or text are reported but do not
// stop the building; the user may want exactly that.
LinkErgebnis LinkBilden(const LinkEingaben& eingaben);

enum class LinkZielArt { Hauptfenster, Keins, Ungueltig };

// "1" collects the block in the main window, "2" places it nowhere, anything else is a fault.
LinkZielArt LinkZielDeuten(const QString& ziel);

inline const QString kLinkZielFehler = QStringLiteral("FehlerNr 4945");

// What the two HTML buttons of the main window do to the automatic description field.
struct InhaltAutoZustand {
    bool leeren = false;
    bool nurLesen = false;
    // Background as 0xRRGGBB; none means the desktop's window background.
    std::optional<quint32> hintergrund;
};

// "Html einfügen": the field becomes editable.
InhaltAutoZustand HtmlEinfuegen();
// "Html löschen": the field is emptied and locked again.
InhaltAutoZustand HtmlLoeschen();
