#include "compose/ShopSeite.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kGalerie = QStringLiteral("https://www.example.com/galerie/");
constexpr int kBereichBreite = 60;

ShopZeile zeile(const QString& beschriftung, QList<ShopStueck> stuecke, int bereich = 0) {
    return {beschriftung, std::move(stuecke), bereich};
}

QList<ShopZeile> bereichZeilen(int i) {
    return {zeile(QStringLiteral("Bereich %1:").arg(i), {{4, i, QStringLiteral("Anfang")}}, i),
            zeile(QStringLiteral("Link:"), {{6, i, {}}, {2, i, QStringLiteral("Adresse")}}),
            zeile(QStringLiteral("Ende:"), {{5, i, {}}})};
}

ShopSchritt bereichSchritt(int i) {
    return {QStringLiteral("Schritt %1: Bereich %2").arg(i + 1).arg(i), bereichZeilen(i)};
}

std::array<ShopSchritt, kShopSchritte> schritteBilden() {
    std::array<ShopSchritt, kShopSchritte> s;
    s[0] = {QStringLiteral("Schritt 1: Seitenkopf und erste Zelle"),
            {zeile(QStringLiteral("Kopf:"), {{1, 0, {}}}),
             zeile(QStringLiteral("Link:"), {{6, 0, {}}, {2, 0, QStringLiteral("Adresse")}}),
             zeile(QStringLiteral("Übergang:"), {{3, 0, {}}})}};
    s[1] = {QStringLiteral("Schritt 2: Galeriebild 1 und Map"),
            {zeile(QStringLiteral("Bild 1:"), {{2, 1, QStringLiteral("Adresse")}}),
             zeile(QStringLiteral("Map:"), {{3, 1, {}}}),
             zeile(QStringLiteral("Bereich 1:"), {{4, 1, QStringLiteral("Anfang")}}, 1),
             zeile(QStringLiteral("Link:"), {{6, 1, QStringLiteral("Vor der Adresse von Bild 1")}}),
             zeile(QStringLiteral("Ende:"), {{5, 1, {}}})}};
    for (int i = 2; i < kShopSchritte; ++i) {
        s.at(i) = bereichSchritt(i);
    }
    s[7].titel = QStringLiteral("Schritt 8: Bereich 7 und Seitenende");
    s[7].zeilen << zeile(QStringLiteral("Seitenende:"), {{7, 0, {}}})
                << zeile(QStringLiteral("Bereich 8 (Reserve):"), {}, kShopBereiche);
    return s;
}

QString zahlText(double wert) {
    return QString::number(wert, 'g', 15);
}

qint16 auf16Bit(double wert) {
    const double gerundet = std::nearbyint(wert);
    return static_cast<qint16>(std::clamp(gerundet, double(std::numeric_limits<qint16>::min()),
                                          double(std::numeric_limits<qint16>::max())));
}

QString koordinaten(const ShopTexte& t, int bereich) {
    QStringList teile;
    for (int nr = 1; nr <= 4; ++nr) {
        teile << t.pos.at(ShopPosIndex(bereich, nr));
    }
    return teile.join(QLatin1Char(','));
}

} // namespace

const std::array<ShopSchritt, kShopSchritte>& ShopSchritte() {
    static const std::array<ShopSchritt, kShopSchritte> schritte = schritteBilden();
    return schritte;
}

QString ShopFeldName(int nummer, int index) {
    return nummer == 7 ? QStringLiteral("Text7") : QStringLiteral("Text%1_%2").arg(nummer).arg(index);
}

QString ShopPosName(int index) {
    return QStringLiteral("txtPos_%1").arg(index);
}

ShopTexte ShopVorlage() {
    ShopTexte t;
    t.feld(1, 0) = QStringLiteral("<html>") + kCrLf + QStringLiteral("<head>") + kCrLf +
                   QStringLiteral("<title>Ebay mit Bildern</title>") + kCrLf + QStringLiteral("</head>") +
                   kCrLf + QStringLiteral("<body>") + kCrLf +
                   QStringLiteral("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">") + kCrLf +
                   QStringLiteral("<tr>") + kCrLf + QStringLiteral("<td>");
    t.feld(6, 0) = QStringLiteral("<a href=\"");
    t.feld(2, 0) = kGalerie + QStringLiteral("index.html");
    t.feld(3, 0) = QStringLiteral("\" target=\"_blank\"><img src=\"");
    t.feld(3, 1) =
        QStringLiteral("\" width=\"50\" height=\"50\" border=\"0\" alt=\"Porto sparen!\"></a></td>") + kCrLf +
        QStringLiteral("<td><img src=\"") + kGalerie +
        QStringLiteral("leiste.jpg\" border=\"0\" usemap=\"#ebay\" alt=\"Galerie\">") + kCrLf +
        QStringLiteral("<map name=\"ebay\">") + kCrLf;
    for (int i = 1; i < kShopSchritte; ++i) {
        t.feld(2, i) = kGalerie + QStringLiteral("bild-%1.jpg").arg(i);
        t.feld(4, i) = QStringLiteral("<area shape=\"rect\" coords=\"");
        t.feld(6, i) = QStringLiteral("href=\"");
        t.feld(5, i) = QStringLiteral("\" target=\"_blank\" alt=\"Bild %1\">").arg(i) + kCrLf;
    }
    t.text7 = QStringLiteral("</map></td>") + kCrLf + QStringLiteral("</tr>") + kCrLf +
              QStringLiteral("</table>") + kCrLf + QStringLiteral("</body>") + kCrLf +
              QStringLiteral("</html>") + kCrLf;
    for (int k = 1; k <= kShopBereiche; ++k) {
        t.pos.at(ShopPosIndex(k, 2)) = QStringLiteral("0");
        t.pos.at(ShopPosIndex(k, 4)) = QString::number(kBereichBreite);
    }
    t.pos.at(ShopPosIndex(1, 1)) = QStringLiteral("0");
    t.pos.at(ShopPosIndex(1, 3)) = QString::number(kBereichBreite);
    KoordinatenBerechnen(t.pos, kBereichBreite);
    return t;
}

double ShopZahl(const QString& text) {
    static const QRegularExpression zahl(QStringLiteral(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)))"));
    const QRegularExpressionMatch treffer = zahl.match(text);
    return treffer.hasMatch() ? treffer.captured(1).toDouble() : 0.0;
}

qint16 SchrittAusText(const QString& text) {
    return auf16Bit(ShopZahl(text));
}

std::optional<qint16> SchrittAusEingabe(const QString& text) {
    bool ok = false;
    const qint16 wert = text.trimmed().toShort(&ok);
    return ok ? std::optional<qint16>(wert) : std::nullopt;
}

void KoordinatenBerechnen(std::array<QString, kShopPosAnzahl>& pos, qint16 schritt) {
    double x2Vorher = ShopZahl(pos.at(ShopPosIndex(1, 3)));
    for (int k = 2; k <= kShopBereiche; ++k) {
        pos.at(ShopPosIndex(k, 1)) = zahlText(x2Vorher + 1);
        x2Vorher += schritt;
        pos.at(ShopPosIndex(k, 3)) = zahlText(x2Vorher);
    }
}

QString SeiteBilden(const ShopTexte& t) {
    QString p = t.feld(1, 0) + t.feld(6, 0) + t.feld(2, 0) + t.feld(3, 0) + t.feld(2, 1) + t.feld(3, 1);
    for (int i = 1; i <= 7; ++i) {
        p += t.feld(4, i) + koordinaten(t, i) + QStringLiteral(" \" ") + t.feld(6, i) + t.feld(2, i) +
             t.feld(5, i);
    }
    return p + t.text7;
}

int ShopScrollWert(int n) {
    static constexpr std::array<int, 8> werte{200, 2620, 4810, 7090, 200, 2620, 4810, 7090};
    return werte.at(n - 1);
}
