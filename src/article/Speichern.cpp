#include "article/Speichern.h"

#include "article/Dateinamen.h"
#include "article/Texte.h"
#include "core/Datenordner.h"
#include "core/Hausverkaeufer.h"
#include "core/TextDatei.h"

#include <QDir>
#include <QFileInfo>

QString SpeichernameBilden(const QString& artikelBez, const QString& verkaeuferName) {
    QString name = VerboteneZeichenErsetzen(artikelBez);
    if (hausverkaeufer::istInFuenf(verkaeuferName) && name.startsWith(QStringLiteral("+ "))) {
        name.remove(0, 2);
    }
    return name;
}

QString DateinameBilden(const QString& speichername, const QString& versandkosten,
                        const QString& verkaeuferName) {
    return speichername + QLatin1Char('~') + versandkosten + QLatin1Char('#') + verkaeuferName;
}

QString Registerzeile(const QString& eintrag) {
    return ZeichenErsetzen(ZeichenErsetzen(eintrag, QStringLiteral("#"), QStringLiteral("?")),
                           QStringLiteral(","), QStringLiteral("__"));
}

QString RegisternameBilden(const QString& dateiname) {
    return Registerzeile(dateiname + QStringLiteral(".ebay"));
}

SpeicherPfade SpeicherPfadeBilden(const Datenordner& daten, const QString& dateiname) {
    return {daten.pfad(QStringLiteral("Artikeln\\") + dateiname + QStringLiteral(".ebay")),
            daten.pfad(QStringLiteral("Artikeln-Txt\\") + dateiname + QStringLiteral(".ebay")),
            daten.pfad(QStringLiteral("Artikeln-Zusatz-html\\") + dateiname + QStringLiteral("-Zus.ebay"))};
}

QString ZusatzPfadZuText(const QString& textPfad) {
    const QFileInfo text(textPfad);
    QString name = text.fileName();
    if (name.endsWith(QStringLiteral(".ebay"), Qt::CaseInsensitive)) {
        name.chop(5);
    }
    return pfadAufloesen(QDir::cleanPath(text.dir().filePath(QStringLiteral("../Artikeln-Zusatz-html/") +
                                                             name + QStringLiteral("-Zus.ebay"))));
}

QString ZusatzAusDatei(const QString& inhalt) {
    for (const QString& ende : {QStringLiteral("\r\n"), QStringLiteral("\n")}) {
        if (inhalt.endsWith(ende)) {
            return inhalt.chopped(ende.size());
        }
    }
    return inhalt;
}

namespace {

// One line of the register: where it starts, how long its text is, and where the next one starts.
struct Zeilenlage {
    qsizetype anfang;
    qsizetype laenge;
    qsizetype naechste;
};

QList<Zeilenlage> registerzeilen(const QString& inhalt) {
    QList<Zeilenlage> zeilen;
    qsizetype anfang = 0;
    while (anfang < inhalt.size()) {
        qsizetype ende = anfang;
        while (ende < inhalt.size() && inhalt.at(ende) != QLatin1Char('\r') &&
               inhalt.at(ende) != QLatin1Char('\n')) {
            ++ende;
        }
        qsizetype naechste = ende;
        if (naechste < inhalt.size()) {
            const bool crLf = inhalt.at(naechste) == QLatin1Char('\r') && naechste + 1 < inhalt.size() &&
                              inhalt.at(naechste + 1) == QLatin1Char('\n');
            naechste += crLf ? 2 : 1;
        }
        zeilen.append({anfang, ende - anfang, naechste});
        anfang = naechste;
    }
    return zeilen;
}

// An empty line never matches: a save or a list entry always has a name.
std::optional<Zeilenlage> zeileFinden(const QString& inhalt, const QString& zeile) {
    if (zeile.isEmpty()) {
        return std::nullopt;
    }
    for (const Zeilenlage& z : registerzeilen(inhalt)) {
        if (QStringView(inhalt).mid(z.anfang, z.laenge) == zeile) {
            return z;
        }
    }
    return std::nullopt;
}

bool gleicheDatei(const QString& a, const QString& b) {
    const auto voll = [](const QString& pfad) { return QFileInfo(pfadAufloesen(pfad)).absoluteFilePath(); };
    return !a.isEmpty() && !b.isEmpty() && voll(a).compare(voll(b), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QString> RegisterOhneZeile(const QString& inhalt, const QString& zeile) {
    const std::optional<Zeilenlage> z = zeileFinden(inhalt, zeile);
    if (!z) {
        return std::nullopt;
    }
    return inhalt.left(z->anfang) + QStringView(inhalt).mid(z->naechste);
}

std::optional<QString> RegisterMitZeile(const QString& inhalt, const QString& zeile) {
    if (zeileFinden(inhalt, zeile)) {
        return std::nullopt;
    }
    const bool offen =
        !inhalt.isEmpty() && !inhalt.endsWith(QLatin1Char('\n')) && !inhalt.endsWith(QLatin1Char('\r'));
    const QString crLf = QStringLiteral("\r\n");
    return inhalt + (offen ? crLf : QString()) + zeile + crLf;
}

QString RegisterZeileAnhaengen(const QString& pfad, const QString& zeile) {
    QString ordnerFehler = OrdnerFuerDateiAnlegen(pfad);
    if (!ordnerFehler.isEmpty()) {
        return ordnerFehler;
    }
    const std::optional<QString> bisher = QFileInfo::exists(pfad) ? textLesen(pfad) : QString();
    if (!bisher) {
        return QStringLiteral("Datei kann nicht gelesen werden: ") + QDir::toNativeSeparators(pfad);
    }
    const std::optional<QString> neu = RegisterMitZeile(*bisher, zeile);
    return neu ? textSchreiben(pfad, *neu, Textart::Klartext) : QString();
}

std::optional<QString> SpeichernameProblem(const QString& speichername) {
    if (!speichername.isEmpty() && (speichername.front().isSpace() || speichername.back().isSpace())) {
        return QStringLiteral(
            "Der Name darf nicht mit einem Leerzeichen beginnen oder enden: in der Liste der "
            "noch nicht eingestellten Artikel käme er ohne es zurück.");
    }
    if (speichername.contains(QStringLiteral("__"))) {
        return QStringLiteral(
            "Der Name darf kein \"__\" enthalten: in der Liste der noch nicht eingestellten "
            "Artikel käme es als Komma zurück.");
    }
    return std::nullopt;
}

bool AnderenArtikelErsetzen(const SpeicherPfade& pfade, const QString& eigene) {
    const bool belegt =
        QFileInfo(pfade.html).isFile() || QFileInfo(pfade.text).isFile() || QFileInfo(pfade.zusatz).isFile();
    return belegt && !gleicheDatei(pfade.text, eigene);
}

QString NameNachSpeichern(const QString& artikelBez) {
    return ZeichenErsetzen(ZeichenErsetzen(artikelBez, QStringLiteral("+"), QStringLiteral("*")),
                           QStringLiteral(","), QStringLiteral("/"));
}

QString SpeicherFehlertext(const QString& fehler, const QString& speichername) {
    return QStringLiteral("Bitte folgende Zeichen ( ?,:,\\,! )im Speichername durch \" - oder leerzeichen \" "
                          "ersetzten \r\nFehler 11 - beim Speichern ") +
           fehler + QStringLiteral("\r\n\r\n") + speichername;
}
