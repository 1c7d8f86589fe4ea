#include "config/Vorlage.h"

#include "config/Ini.h"
#include "core/TextDatei.h"

#include <algorithm>

namespace {

const QString kKleidungVariante = QStringLiteral("Keidung");
const QString kKleidungArt = QStringLiteral("Kleidung");
constexpr int kTextTeile = 7;
constexpr qsizetype kEndeLaenge = 28;

VorlageDatei datei(const QString& teil, bool grossT) {
    const QString name = QStringLiteral("-") + teil + QStringLiteral(".txt");
    return {teil, QStringLiteral("HTML_text") + name,
            (grossT ? QStringLiteral("HTML_Text") : QStringLiteral("HTML_text")) + name};
}

// Windows paths use "\"; paths of this system on other platforms use "/".
bool istTrenner(QChar c) {
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

qsizetype ersterTrenner(const QString& text, qsizetype ab) {
    for (qsizetype i = ab; i < text.size(); ++i) {
        if (istTrenner(text.at(i))) {
            return i;
        }
    }
    return -1;
}

} // namespace

const std::array<VorlageDatei, 12>& vorlageDateien() {
    static const std::array<VorlageDatei, 12> dateien{datei(QStringLiteral("0a"), true),
                                                      datei(QStringLiteral("0b"), true),
                                                      datei(QStringLiteral("0c"), true),
                                                      datei(QStringLiteral("0d"), true),
                                                      datei(QStringLiteral("1"), true),
                                                      datei(QStringLiteral("3b"), true),
                                                      datei(QStringLiteral("3c"), true),
                                                      datei(QStringLiteral("5"), true),
                                                      datei(QStringLiteral("6"), true),
                                                      datei(QStringLiteral("6b"), true),
                                                      datei(QStringLiteral("shopAktuell"), false),
                                                      datei(QStringLiteral("verst"), false)};
    return dateien;
}

QString vorlageVariante(const QString& art) {
    if (art.isEmpty()) {
        return kVorlageStandard;
    }
    return art == kKleidungArt ? kKleidungVariante : art;
}

QString artikelArtVonVariante(const QString& variante) {
    return variante == kKleidungVariante ? kKleidungArt : variante;
}

QString vorlageAbschnitt(const QString& variante) {
    return QStringLiteral("VORLAGE") + variante;
}

QString vorlageLeseAbschnitt(const QString& pfad, const QString& variante) {
    const QString eigener = vorlageAbschnitt(variante);
    return IniAbschnittVorhanden(pfad, eigener) ? eigener : vorlageAbschnitt(kVorlageStandard);
}

namespace {

QStringList teilSchluessel(int anzahl) {
    QStringList schluessel;
    for (int n = 1; n <= anzahl; ++n) {
        schluessel.append(QStringLiteral("TEIL%1").arg(n));
    }
    return schluessel;
}

} // namespace

std::array<QString, 8> vorlageTeileLesen(const QString& pfad, const QString& variante) {
    std::array<QString, 8> teile;
    const QStringList werte =
        IniLesen(pfad, vorlageLeseAbschnitt(pfad, variante), teilSchluessel(static_cast<int>(teile.size())));
    std::copy(werte.cbegin(), werte.cend(), teile.begin());
    return teile;
}

bool vorlageTeileSchreiben(const QString& pfad, const QString& variante, const QStringList& teile) {
    QStringList html;
    for (const QString& teil : teile) {
        html.append(MitZeichenverweisen(teil));
    }
    // All parts in one write, so a failure leaves the old template whole.
    return IniSchreiben(pfad, vorlageAbschnitt(variante), teilSchluessel(kTextTeile), html);
}

QStringList vorlageSignatur(const QStringList& teile, const QStringList& htmlTeile) {
    return teile + htmlTeile;
}

QList<std::size_t> geaenderteHtmlTeile(const QStringList& vorher, const QStringList& jetzt,
                                       qsizetype textTeile) {
    QList<std::size_t> geaendert;
    for (std::size_t i = 0; i < vorlageDateien().size(); ++i) {
        const qsizetype stelle = textTeile + static_cast<qsizetype>(i);
        // A signature without the part (none taken yet) counts every part as changed.
        if (stelle >= vorher.size() || stelle >= jetzt.size() || vorher.at(stelle) != jetzt.at(stelle)) {
            geaendert.append(i);
        }
    }
    return geaendert;
}

QString PfadKuerzen(const QString& pfad) {
    QString kopf;
    if (ersterTrenner(pfad, 0) == 2) {
        const qsizetype naechster = ersterTrenner(pfad, 3);
        kopf = naechster < 0 ? QString() : pfad.left(naechster + 1);
    }
    const QString ende28 = pfad.right(kEndeLaenge);
    const qsizetype trenner = ersterTrenner(ende28, 0);
    const QString ende = trenner < 0 ? QString() : ende28.mid(trenner);
    return kopf + QStringLiteral(".....") + ende;
}
