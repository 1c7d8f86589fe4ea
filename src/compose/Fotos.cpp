#include "compose/Fotos.h"

#include "core/TextDatei.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qsizetype kWebnameLaenge = 60;

QString umlauteAusschreiben(const QString& text) {
    QString aus;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'ä':
            aus += QStringLiteral("ae");
            break;
        case u'ö':
            aus += QStringLiteral("oe");
            break;
        case u'ü':
            aus += QStringLiteral("ue");
            break;
        case u'ß':
            aus += QStringLiteral("ss");
            break;
        default:
            aus += c;
        }
    }
    return aus;
}

bool webzeichen(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

} // namespace

QString WebnameVorschlagen(const QString& bezeichnung, int zeile) {
    const QString endung = QStringLiteral("-%1.jpg").arg(zeile);
    // Decomposed, an "é" leaves its "e" behind when the accent is left out.
    const QString text = umlauteAusschreiben(bezeichnung.toLower()).normalized(QString::NormalizationForm_D);
    QString stamm;
    bool trenner = false;
    for (const QChar c : text) {
        if (c.isSpace() || c == u'-') {
            trenner = !stamm.isEmpty();
        } else if (webzeichen(c)) {
            if (trenner) {
                stamm += u'-';
                trenner = false;
            }
            stamm += c;
        }
    }
    stamm.truncate(kWebnameLaenge - endung.size());
    while (stamm.endsWith(u'-')) {
        stamm.chop(1);
    }
    return (stamm.isEmpty() ? QStringLiteral("foto") : stamm) + endung;
}

bool KopienameTauglich(const QString& name) {
    if (name.trimmed() != name || name.startsWith(u'.')) {
        return false;
    }
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c)) {
            return false;
        }
    }
    const QString klein = name.toLower();
    for (const QString& endung : {QStringLiteral(".jpg"), QStringLiteral(".jpeg")}) {
        if (klein.endsWith(endung) && klein.size() > endung.size()) {
            return true;
        }
    }
    return false;
}

std::optional<int> FotoKanteLesen(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        return kFotoKanteVorgabe;
    }
    bool ok = false;
    const int kante = t.toInt(&ok);
    if (!ok || kante <= 0) {
        return std::nullopt;
    }
    return kante;
}

FotoBericht FotosVorbereiten(const QList<FotoKopie>& kopien, const QString& zielordner, int kante,
                             const FotoVorbereitung& vorbereiten,
                             const std::function<void(int)>& fortschritt) {
    FotoBericht bericht;
    const QDir ziel(zielordner);
    int erledigt = 0;
    for (const FotoKopie& kopie : kopien) {
        const FotoErgebnis ergebnis = vorbereiten({kopie.quelle, kante, kFotoHoechstBytes});
        switch (ergebnis.stand) {
        case FotoErgebnis::Stand::Unlesbar:
            bericht.unlesbar.append(kopie.quelle);
            break;
        case FotoErgebnis::Stand::ZuGross:
            bericht.zuGross.append(kopie.name);
            break;
        case FotoErgebnis::Stand::Fertig:
            if (const QString fehler = dateiSchreiben(ziel.filePath(kopie.name), ergebnis.jpeg);
                fehler.isEmpty()) {
                ++bericht.geschrieben;
            } else {
                bericht.nichtGeschrieben.append(kopie.name + QStringLiteral(" (") + fehler + u')');
            }
            break;
        }
        fortschritt(++erledigt);
    }
    return bericht;
}

QString FotoBerichtText(const FotoBericht& bericht, const QString& zielordner) {
    QStringList teile;
    if (bericht.geschrieben == 0) {
        teile.append(QStringLiteral("Es wurde keine Kopie zum Hochladen geschrieben."));
    } else {
        teile.append((bericht.geschrieben == 1
                          ? QStringLiteral("1 Kopie zum Hochladen wurde geschrieben, in:")
                          : QStringLiteral("%1 Kopien zum Hochladen wurden geschrieben, in:")
                                .arg(bericht.geschrieben)) +
                     QStringLiteral("\r\n") + QDir::toNativeSeparators(zielordner));
    }
    const auto liste = [&teile](const QString& titel, const QStringList& namen) {
        if (!namen.isEmpty()) {
            teile.append(titel + QStringLiteral("\r\n") + namen.join(QStringLiteral("\r\n")));
        }
    };
    liste(QStringLiteral("Diese Fotos konnten nicht gelesen werden:"), bericht.unlesbar);
    liste(QStringLiteral("Diese Fotos bleiben auch in niedrigster Qualität über 7 MB und wurden nicht "
                         "geschrieben:"),
          bericht.zuGross);
    liste(QStringLiteral("Diese Kopien konnten nicht gespeichert werden:"), bericht.nichtGeschrieben);
    return teile.join(QStringLiteral("\r\n\r\n"));
}

HochladenAuswahl KopienZumHochladen(const QList<HochladenZeile>& zeilen, const QString& ordner) {
    HochladenAuswahl auswahl;
    const QDir kopien(ordner);
    for (const HochladenZeile& z : zeilen) {
        // A name with a folder in it could reach a file outside the copies.
        const bool da = KopienameTauglich(z.name) && QFileInfo(kopien.filePath(z.name)).isFile();
        if (da) {
            const QString datei = kopien.filePath(z.name);
            if (!auswahl.dateien.contains(datei)) {
                auswahl.dateien.append(datei);
            }
        } else if (z.hatFoto) {
            auswahl.fehlend.append(QStringLiteral("Bild %1: „%2“").arg(z.zeile).arg(z.name));
        }
    }
    return auswahl;
}

QString FehlendeKopienText(const QStringList& fehlend) {
    return QStringLiteral("Für diese Bilder gibt es noch keine Kopie zum Hochladen:\r\n") +
           fehlend.join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n\r\nBitte zuerst „Fotos vorbereiten“ drücken. Es wurde nichts hochgeladen.");
}
