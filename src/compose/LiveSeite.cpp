#include "compose/LiveSeite.h"

#include "compose/Kurzfassung.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

const QString kKopf = QStringLiteral(
    "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
    "<style>body{margin:8px;}"
    ".kori-listing{max-width:1000px;margin:0 auto;}"
    ".kori-bild{display:inline-block;max-width:100%;height:auto;background:#c8c8c8;vertical-align:bottom;}"
    "</style></head><body><div class=\"kori-listing\">\n");
const QString kFuss = QStringLiteral("\n</div></body></html>\n");

// A picture without a size of its own gets the size of a small photo.
const QString kBreiteOhneAngabe = QStringLiteral("160");
const QString kHoeheOhneAngabe = QStringLiteral("120");

// The value of attribute `name` in a tag, quoted or not; empty when it is missing.
QString attribut(const QString& tag, const QString& name) {
    const QRegularExpression muster(QStringLiteral("[\\s\"']") + name +
                                        QStringLiteral("\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
                                    QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch treffer = muster.match(tag);
    for (int i = 1; i <= 3; ++i) {
        if (treffer.hasCaptured(i)) {
            return treffer.captured(i).trimmed();
        }
    }
    return {};
}

// The leading digits of a size ("300", "300px"); the fallback when there are none or only zeros.
QString pixel(const QString& wert, const QString& ohneAngabe) {
    static const QRegularExpression ziffern(QStringLiteral("^\\d{1,5}"));
    const QString zahl = ziffern.match(wert).captured(0);
    return zahl.toInt() > 0 ? QString::number(zahl.toInt()) : ohneAngabe;
}

QString platzhalter(const QString& tag) {
    const QString breite = pixel(attribut(tag, QStringLiteral("width")), kBreiteOhneAngabe);
    const QString hoehe = pixel(attribut(tag, QStringLiteral("height")), kHoeheOhneAngabe);
    return QStringLiteral("<span class=\"kori-bild\" style=\"width:") + breite +
           QStringLiteral("px;aspect-ratio:") + breite + QStringLiteral("/") + hoehe +
           QStringLiteral(";\"></span>");
}

QString kilobyte(qsizetype bytes) {
    return QLocale(QLocale::German).toString(static_cast<double>(bytes) / 1000.0, 'f', 1) +
           QStringLiteral(" KB");
}

} // namespace

std::array<bool, 3> LiveBildVorhanden(const std::array<PruefBildzeile, 5>& bilder) {
    std::array<bool, 3> vorhanden{};
    for (std::size_t i = 0; i < vorhanden.size(); ++i) {
        const PruefBildzeile& zeile = bilder.at(i + 2);
        vorhanden.at(i) = zeile.ja && !zeile.datei.isEmpty();
    }
    return vorhanden;
}

QString BilderAlsPlatzhalter(const QString& html) {
    static const QRegularExpression bild(QStringLiteral("<img\\b[^>]*>?"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString ergebnis;
    ergebnis.reserve(html.size());
    qsizetype bisher = 0;
    for (const QRegularExpressionMatch& treffer : bild.globalMatch(html)) {
        ergebnis += QStringView(html).mid(bisher, treffer.capturedStart() - bisher);
        ergebnis += platzhalter(treffer.captured());
        bisher = treffer.capturedEnd();
    }
    ergebnis += QStringView(html).mid(bisher);
    return ergebnis;
}

QString LiveSeite(const QString& listing, bool bilderLaden) {
    return kKopf + (bilderLaden ? listing : BilderAlsPlatzhalter(listing)) + kFuss;
}

QString KurzfassungKasten(const QString& listing) {
    const QList<KurzfassungStelle> stellen = KurzfassungenFinden(listing);
    if (stellen.isEmpty()) {
        return {};
    }
    const KurzfassungStelle& s = stellen.constFirst();
    return QStringLiteral("<div style=\"border:2px solid #0654ba;border-radius:8px;padding:6px 10px;"
                          "margin:0 0 12px 0;font-family:sans-serif;font-size:14px;\">"
                          "<div style=\"font-weight:bold;color:#0654ba;\">So zeigt die App die "
                          "Kurzfassung</div>") +
           KurzfassungSichtbar(QStringView(listing).mid(s.start, s.laenge)) + QStringLiteral("</div>\n");
}

LiveStand LiveStandBilden(const ListingErgebnis& ergebnis, bool bilderLaden, const QList<Befund>& befunde) {
    if (ergebnis.fehler != ShopFehler::Keiner) {
        return {{},
                {},
                QStringLiteral("Die Beschreibung kann nicht gebaut werden: ") +
                    ergebnis.fehlerZeilen.join(QLatin1Char(' '))};
    }
    QString seite = LiveSeite(ergebnis.text, bilderLaden);
    QString handy = LiveSeite(KurzfassungKasten(ergebnis.text) + ergebnis.text, bilderLaden);
    const qsizetype bytes = handy.toUtf8().size();
    if (bytes > kLiveSeiteGrenze) {
        return {{},
                {},
                QStringLiteral("Die Beschreibung ist mit ") + kilobyte(bytes) +
                    QStringLiteral(" zu groß für die Vorschau (höchstens ") + kilobyte(kLiveSeiteGrenze) +
                    QStringLiteral("); sie zeigt den letzten Stand.")};
    }
    return {std::move(seite), std::move(handy),
            QStringLiteral("Beschreibung mit ") + kilobyte(ergebnis.text.toUtf8().size()) +
                QStringLiteral(" · Prüfung: ") + PruefungZusammenfassung(befunde)};
}
