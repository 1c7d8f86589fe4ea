#include "compose/Link.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kQ = QStringLiteral("\"");

// The locked field's colour, a light apricot.
constexpr quint32 kGesperrtHintergrund = 0xFFE0C0;

QString anker(const QString& seitenPfad) {
    return QStringLiteral("<a href=\"") + seitenPfad + QStringLiteral("\" target=\"_blank\">") + kCrLf;
}

QString bildTag(const LinkEingaben& e) {
    return QStringLiteral("<img src=\"") + e.imgPfad + kQ + QStringLiteral(" alt=\"") + e.linkText +
           QStringLiteral("\" border=\"0\">");
}

bool mitBild(LinkArt art) {
    return art == LinkArt::NurBild || art == LinkArt::BildUndText;
}

} // namespace

LinkErgebnis LinkBilden(const LinkEingaben& e) {
    LinkErgebnis ergebnis;
    if (e.seitenPfad.contains(QStringLiteral("??"))) {
        ergebnis.fehlendeFelder << QStringLiteral("Pfad zur Seite");
        return ergebnis;
    }
    if (mitBild(e.art) && e.imgPfad.isEmpty()) {
        ergebnis.fehlendeFelder << QStringLiteral("Pfad zum Bild");
    }
    if (e.linkText.isEmpty()) {
        ergebnis.fehlendeFelder << QStringLiteral("Text");
    }
    QString l = QStringLiteral("<!-------- LINK START --------->") + kCrLf +
                QStringLiteral("<div align=\"center\">") + kCrLf;
    if (mitBild(e.art)) {
        l += anker(e.seitenPfad) + bildTag(e) + kCrLf + QStringLiteral("</a>") + kCrLf;
    }
    if (e.art != LinkArt::NurBild) {
        l += anker(e.seitenPfad) + e.linkText + kCrLf + QStringLiteral("</a>") + kCrLf;
    }
    l += QStringLiteral("</div>") + kCrLf + QStringLiteral("<!-------- LINK ENDE ---------><br>") + kCrLf;
    ergebnis.block = l;
    return ergebnis;
}

LinkZielArt LinkZielDeuten(const QString& ziel) {
    if (ziel == QLatin1String("1")) {
        return LinkZielArt::Hauptfenster;
    }
    if (ziel == QLatin1String("2")) {
        return LinkZielArt::Keins;
    }
    return LinkZielArt::Ungueltig;
}

InhaltAutoZustand HtmlEinfuegen() {
    return {.leeren = false, .nurLesen = false, .hintergrund = std::nullopt};
}

InhaltAutoZustand HtmlLoeschen() {
    return {.leeren = true, .nurLesen = true, .hintergrund = kGesperrtHintergrund};
}
