#include "compose/Css.h"
#include "compose/Kurzfassung.h"
#include "compose/ListingPruefung.h"

#include <QTest>

namespace {

const QString kAktiv =
    QStringLiteral("Aktive Inhalte (Skripte, Rahmen, Objekte, Formulare) sind nicht erlaubt");
const QString kWeiter =
    QStringLiteral("Weiterleitungen und Basisadressen (<meta refresh>, <base>) sind nicht erlaubt");
const QString kEreignis = QStringLiteral("Ereignis-Attribute (onclick, onload …) sind nicht erlaubt");
const QString kSkript = QStringLiteral("Adressen mit javascript:, vbscript: oder data: sind nicht erlaubt");
const QString kCss = QStringLiteral("Aktives CSS (expression, behavior, -moz-binding) ist nicht erlaubt");
const QString kHttp = QStringLiteral("Unsichere Adresse: Bilder und Links müssen mit https:// beginnen");
const QString kBreite = QStringLiteral("Feste Breite über 700 Pixel: auf kleinen Bildschirmen zu breit");
const QString kBildBreite = QStringLiteral("Bild breiter als 700 Pixel: auf kleinen Bildschirmen zu breit");
const QString kSchrift = QStringLiteral("Schrift kleiner als 12 Pixel ist schwer lesbar");
const QString kOhneHost = QStringLiteral("Bild ohne Internet-Adresse (kein Host)");
const QString kPlatzhalter = QStringLiteral("Bild vom Platzhalter-Host example.com");
const QString kKontakt = QStringLiteral("Kontaktdaten im Angebot");
const QString kLeer = QStringLiteral("Platzhalter nicht ausgefüllt");
const QString kZuTief =
    QStringLiteral("Die Beschreibung ist zu tief verschachtelt; der Teil ab hier ist nicht geprüft");
const QString kZuViele =
    QStringLiteral("Ein Tag mit mehr als 100 Attributen; der Teil ab hier ist nicht geprüft");
const QString kZuLang = QStringLiteral("Die Beschreibung ist länger als 500.000 Zeichen");

QString offen(const char* element) {
    return QStringLiteral("Nicht geschlossenes Element: <%1>").arg(QLatin1String(element));
}

QString fremd(const char* host) {
    return QStringLiteral("Link zu einer fremden Seite (%1)").arg(QLatin1String(host));
}

QList<Befund> pruefen(const QString& html, const QStringList& eigene = {}) {
    ListingPruefEingabe e;
    e.listing = html;
    e.herkunft = {{0, html.size(), QStringLiteral("Weitere Beschreibung")}};
    e.eigeneAdressen = eigene;
    return ListingPruefen(e);
}

QStringList regeln(const QList<Befund>& befunde) {
    QStringList r;
    for (const Befund& b : befunde) {
        r.append(b.regel);
    }
    return r;
}

} // namespace

class TestListingPruefung : public QObject {
    Q_OBJECT
private slots:
    void regel_verstossUndGegenprobe_data();
    void regel_verstossUndGegenprobe();
    void befund_zeigtAufDenAnstoessigenText_data();
    void befund_zeigtAufDenAnstoessigenText();
    void herkunft_ausDemStueckDerStelle();
    void kurzfassung_mitIhrerHerkunft();
    void offenesElement_mitDemTeilDerEsOeffnet();
    void bildOhneHost_nenntZeileUndEinstellung();
    void grenzen_data();
    void grenzen();
    void fremdeLinks_einBefundJeHost();
    void zuLang_istFehlerAbZeichen500001();
    void bezeichnung_data();
    void bezeichnung();
    void zusammenfassung_data();
    void zusammenfassung();
    void befundZeile_artRegelHerkunft();
    void reihenfolge_fehlerVorHinweisen();
    void kaputtesMarkup_stuerztNicht_data();
    void kaputtesMarkup_stuerztNicht();
    void css_deklarationen_data();
    void css_deklarationen();
    void css_adressen_data();
    void css_adressen();
};

void TestListingPruefung::regel_verstossUndGegenprobe_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("erwartet");
    const auto fall = [](const char* name, const QString& html, const QStringList& erwartet) {
        QTest::newRow(name) << html << erwartet;
    };
    // Active content
    fall("script", QStringLiteral("<p>x</p><script>alert(1)</script>"), {kAktiv});
    fall("SCRIPT gross über Zeilen", QStringLiteral("<SCRIPT\r\ntype=text/javascript>x</SCRIPT>"), {kAktiv});
    fall("noscript", QStringLiteral("<noscript>x</noscript>"), {kAktiv});
    fall("iframe", QStringLiteral("<iframe src=https://a.ebay.de/></iframe>"), {kAktiv});
    fall("frame", QStringLiteral("<frameset><frame src=\"https://ebay.de/\"></frameset>"), {kAktiv, kAktiv});
    fall("object", QStringLiteral("<object data=\"https://ebay.de/x\"></object>"), {kAktiv});
    fall("embed", QStringLiteral("<embed src=\"https://ebay.de/x.swf\">"), {kAktiv});
    fall("applet", QStringLiteral("<applet code=x></applet>"), {kAktiv});
    fall("form mit input", QStringLiteral("<form action=\"https://ebay.de/\"><input name=a></form>"),
         {kAktiv, kAktiv});
    fall("button select textarea", QStringLiteral("<button>b</button><select></select><textarea></textarea>"),
         {kAktiv, kAktiv, kAktiv});
    fall("meta refresh", QStringLiteral("<meta http-equiv=\"Refresh\" content=\"0;url=https://ebay.de\">"),
         {kWeiter});
    fall("meta ohne refresh", QStringLiteral("<meta charset=\"utf-8\">"), {});
    fall("base", QStringLiteral("<base href=\"https://ebay.de/\">"), {kWeiter});
    fall("onclick", QStringLiteral("<div onclick=\"x()\">a</div>"), {kEreignis});
    fall("onload ungequotet gross", QStringLiteral("<img src=https://ebay.de/a.jpg ONLOAD=x()>"),
         {kEreignis});
    fall("onion im Text und im Wert", QStringLiteral("<p title=\"onion\" class=onion>onion onclick</p>"), {});
    fall("javascript Link", QStringLiteral("<a href=\"javascript:alert(1)\">a</a>"), {kSkript});
    fall("javascript mit Zeilenumbruch", QStringLiteral("<a href=\"java\nscript:x\">a</a>"), {kSkript});
    fall("vbscript", QStringLiteral("<a href=\"VBScript:x\">a</a>"), {kSkript});
    fall("data Bild", QStringLiteral("<img src=\"data:image/png;base64,AAAA\">"), {kSkript});
    fall("javascript als Text", QStringLiteral("<p title=\"javascript:\">javascript: data:</p>"), {});
    fall("expression", QStringLiteral("<div style=\"width:expression(alert(1))\">a</div>"), {kCss});
    fall("expression mit Kommentar", QStringLiteral("<div style=\"x:exp/**/ression(1)\">a</div>"), {kCss});
    fall("behavior", QStringLiteral("<style>p{behavior:url(https://ebay.de/x.htc)}</style>"), {kCss});
    fall("moz-binding", QStringLiteral("<p style=\"-moz-binding:url(https://ebay.de/x)\">a</p>"), {kCss});
    fall("expression als Text", QStringLiteral("<p>expression( behavior: -moz-binding</p>"), {});
    // Insecure content
    fall("http Bild", QStringLiteral("<img src=\"http://bilder.ebay.de/a.jpg\">"), {kHttp});
    fall("http Link", QStringLiteral("<a href=\"HTTP://www.ebay.de/\">a</a>"), {kHttp});
    fall("http background", QStringLiteral("<table background=\"http://ebay.de/a.jpg\"></table>"), {kHttp});
    fall("http poster", QStringLiteral("<video poster=\"http://ebay.de/a.jpg\"></video>"), {kHttp});
    fall("http srcset",
         QStringLiteral("<img src=\"https://ebay.de/a.jpg\" srcset=\"https://ebay.de/b.jpg 2x, "
                        "http://ebay.de/c.jpg 3x\">"),
         {kHttp});
    fall("http css url", QStringLiteral("<div style=\"background:url('http://ebay.de/a.jpg')\">a</div>"),
         {kHttp});
    fall("http import", QStringLiteral("<style>@import \"http://ebay.de/a.css\";</style>"), {kHttp});
    fall("http import url", QStringLiteral("<style>@import url(http://ebay.de/a.css);</style>"), {kHttp});
    fall("https im Text", QStringLiteral("<p>Siehe http:// und https://www.ebay.de</p>"), {});
    fall(
        "https überall",
        QStringLiteral("<style>@import url(https://ebay.de/a.css);</style><img src=\"https://ebay.de/a.jpg\" "
                       "style=\"background:url(https://ebay.de/b.jpg)\">"),
        {});
    // Widths
    fall("Breite 701", QStringLiteral("<table width=\"701\"></table>"), {kBreite});
    fall("Breite 700",
         QStringLiteral("<table width=\"700\"><tr><td style=\"width:700px\">a</td></tr></table>"), {});
    fall("Breite Prozent", QStringLiteral("<table width=\"900%\"></table>"), {});
    fall("css width", QStringLiteral("<div style=\"width: 800px\">a</div>"), {kBreite});
    fall("css min-width", QStringLiteral("<style>.a{min-width:701px}</style>"), {kBreite});
    fall("css width pt", QStringLiteral("<div style=\"width:600pt\">a</div>"), {kBreite});
    fall("css max-width", QStringLiteral("<div style=\"max-width:900px\">a</div>"), {});
    fall("Bildbreite", QStringLiteral("<img src=\"https://ebay.de/a.jpg\" width=\"800\">"), {kBildBreite});
    // Font sizes
    fall("Schrift 11px", QStringLiteral("<p style=\"font-size:11px\">a</p>"), {kSchrift});
    fall("Schrift 12px", QStringLiteral("<p style=\"font-size:12px\">a</p>"), {});
    fall("Schrift 8pt", QStringLiteral("<style>p{font-size:8pt}</style>"), {kSchrift});
    fall("Schrift 9pt", QStringLiteral("<style>p{font-size:9pt}</style>"), {});
    fall("Schrift Kurzform", QStringLiteral("<p style=\"font:italic 10px/1.2 Arial\">a</p>"), {kSchrift});
    fall("Schrift em", QStringLiteral("<p style=\"font-size:0.5em\">a</p>"), {});
    fall("font size 1", QStringLiteral("<font size=\"1\">a</font>"), {kSchrift});
    fall("font size -2", QStringLiteral("<font size=\"-2\">a</font>"), {kSchrift});
    fall("font size 2", QStringLiteral("<font size=\"2\">a</font>"), {});
    // Pictures
    fall("Bild ohne Host", QStringLiteral("<img src=\"bild.jpg\">"), {kOhneHost});
    fall("Bild leer", QStringLiteral("<img src=\"\">"), {kOhneHost});
    fall("Bild example.com", QStringLiteral("<img src=\"https://www.example.com/a.jpg\">"), {kPlatzhalter});
    fall("Bild mit Host", QStringLiteral("<img src=\"https://i.ebayimg.com/a.jpg\">"), {});
    fall("Bild ohne Schema", QStringLiteral("<img src=\"//i.ebayimg.com/a.jpg\">"), {});
    // Links
    fall("Link fremd", QStringLiteral("<a href=\"https://www.amazon.de/x\">a</a>"),
         {QStringLiteral("Link zu einer fremden Seite (www.amazon.de)")});
    fall("Link ebay",
         QStringLiteral("<a href=\"https://www.ebay.de/usr/x\">a</a><a href=\"https://ebay.com\">b</a>"
                        "<a href=\"https://pages.ebay.com/x\">c</a>"),
         {});
    fall("Link ebay-Nachahmer", QStringLiteral("<a href=\"https://notebay.de/\">a</a>"),
         {QStringLiteral("Link zu einer fremden Seite (notebay.de)")});
    fall("Link relativ", QStringLiteral("<a href=\"#oben\">a</a><a href=\"https:seite.html\">b</a>"), {});
    // Active content on elements the parser makes or does not know
    fall("body später", QStringLiteral("<p>x</p><body onload=\"a()\">"), {kEreignis});
    fall("html später", QStringLiteral("<p>x</p><html onclick=\"b()\">"), {kEreignis});
    fall("isindex", QStringLiteral("<isindex onmouseover=\"x()\">"), {kEreignis});
    fall("isindex action", QStringLiteral("<isindex action=\"javascript:x()\">"), {kSkript});
    fall("unbekanntes Element", QStringLiteral("<blink onclick=\"x()\">a</blink>"), {kEreignis});
    fall("SVG values",
         QStringLiteral("<svg><animate attributeName=\"href\" values=\"#a;javascript:x()\"/></svg>"),
         {kSkript});
    fall("SVG from und to",
         QStringLiteral("<svg><set to=\"javascript:x()\"/><animate from=\"javascript:y()\"/></svg>"),
         {kSkript, kSkript});
    fall("SVG Zahlen",
         QStringLiteral("<svg><animate attributeName=\"x\" from=\"0\" to=\"10\" values=\"0;5\"/></svg>"), {});
    // Addresses as a browser reads them
    fall("CSS-Escape in url",
         QStringLiteral("<div style=\"background:url('\\68ttp://ebay.de/a.jpg')\">a</div>"), {kHttp});
    fall("CSS-Escape in import", QStringLiteral("<style>@import \"\\68ttp://ebay.de/a.css\";</style>"),
         {kHttp});
    fall("image-set", QStringLiteral("<p style=\"background:image-set('http://ebay.de/a.jpg' 1x)\">a</p>"),
         {kHttp});
    fall("webkit-image-set",
         QStringLiteral("<style>p{background:-webkit-image-set(url(http://ebay.de/a.jpg) 1x)}</style>"),
         {kHttp});
    fall("image-set https",
         QStringLiteral("<p style=\"background:image-set('https://ebay.de/a.jpg' 1x, url(b.jpg) 2x)\">a</p>"),
         {});
    fall("http ohne Schrägstriche", QStringLiteral("<img src=\"http:bilder.ebay.de/x.jpg\">"), {kHttp});
    fall("http mit Backslashes", QStringLiteral("<img src=\"http:\\\\bilder.ebay.de\\x.jpg\">"), {kHttp});
    fall("http in ping",
         QStringLiteral("<a href=\"https://ebay.de/\" ping=\"https://ebay.de/p http://ebay.de/q\">a</a>"),
         {kHttp});
    fall("Host nach Schrägstrich und Backslash", QStringLiteral("<a href=\"https:/\\evil.com/\">a</a>"),
         {fremd("evil.com")});
    fall("Host nach zwei Backslashes", QStringLiteral("<a href=\"\\\\evil.com\">a</a>"), {fremd("evil.com")});
    fall("Host nach Tabulator", QStringLiteral("<a href=\"/\t/evil.com\">a</a>"), {fremd("evil.com")});
    fall("Platzhalter-Host kodiert", QStringLiteral("<img src=\"https://ex%61mple.com/a.jpg\">"),
         {kPlatzhalter});
    fall("gleicher Befund einmal", QStringLiteral("<p><font size=1>a</p><p>b</p><p>c</p><p>d</p>"),
         {offen("font"), kSchrift});
    // Elements left open
    fall("b offen", QStringLiteral("<p><b>Achtung</p><p>Versand</p>"), {offen("b")});
    fall("strong mit Leerzeichen im Ende-Tag", QStringLiteral("<strong>Angebot</ strong>"),
         {offen("strong")});
    fall("i u font span offen", QStringLiteral("<i>a<u>b<font color=red>c<span>d"),
         {offen("i"), offen("u"), offen("font"), offen("span")});
    fall("div table a offen", QStringLiteral("<div><table><tr><td><a href=\"#x\">x</td></tr>"),
         {offen("div"), offen("table"), offen("a")});
    fall("alles geschlossen",
         QStringLiteral("<DIV><table><tr><td><b>a</B><strong>b</strong><i>c</i><u>d</u><font>e</font>"
                        "<span>f</span><a href=\"#\">g</a></td></tr></table></div>"),
         {});
    fall("Tags in Kommentar und Skript", QStringLiteral("<!-- <b> --><script>document.write('<b>')</script>"),
         {kAktiv});
    // Contact data
    fall("E-Mail", QStringLiteral("<p>Fragen an max.muster@web.de!</p>"), {kKontakt});
    fall("Telefon mit Vorwahl", QStringLiteral("<p>Tel. 0171 1234567</p>"), {kKontakt});
    fall("Telefon Vorwahl in Klammern", QStringLiteral("<p>Anrufen: (030) 123 45 67</p>"), {kKontakt});
    fall("Telefon mit Schrägstrich", QStringLiteral("<p>030/12345678</p>"), {kKontakt});
    fall("Telefon international", QStringLiteral("<p>+49 171 1234567 oder 0049 30 1234567</p>"),
         {kKontakt, kKontakt});
    fall("Telefon mit (0)", QStringLiteral("<p>+43 (0)1 234 5678</p>"), {kKontakt});
    fall("mailto Link", QStringLiteral("<a href=\"mailto:a@b.de\">Schreiben</a>"), {kKontakt});
    fall("keine Kontaktdaten",
         QStringLiteral("<p>ISBN 0140449132, Art.-Nr. 04711 0815, 12,50 EUR, 01.02.2019, Gr. 116, "
                        "312 Seiten, 01067 Dresden, 1600x1200</p>"),
         {});
    fall("Adresse im Marktplatz-Link",
         QStringLiteral("<a href=\"https://www.ebay.de/help\">info@ebay.de</a>"), {});
    // Placeholders
    fall("Gewicht offen", QStringLiteral("<td>??? Gramm</td>"), {kLeer});
    fall("Maße offen", QStringLiteral("<td>?? cm x ?? cm x ? cm</td>"), {kLeer});
    fall("Auswahl offen",
         QStringLiteral("<table><tr><td>Verlag wählen</td><td>Zustand-1 wählen\r\n</td></tr></table>"),
         {kLeer, kLeer});
    fall("keine Platzhalter",
         QStringLiteral("<p>Die drei ??? und der Super-Papagei. Wirklich?? Bitte wählen Sie die Versandart. "
                        "Größe auswählen</p>"),
         {});
    // The summary for the phone app: at most 800 characters, tags counted, and four tags only
    const auto kurz = [](const QString& inhalt) -> QString {
        return QStringLiteral("<div vocab=\"https://schema.org/\" typeof=\"Product\"><span "
                              "property=\"description\">") +
               inhalt + QStringLiteral("</span></div>");
    };
    const QString kKurzLang = QStringLiteral("Kurzfassung länger als 800 Zeichen: der Rest fehlt in der App");
    const QString kKurzTag =
        QStringLiteral("In der Kurzfassung erlaubt die App nur <ul>, <ol>, <li> und <br>");
    fall("Kurzfassung 801 Zeichen",
         kurz(QStringLiteral("<ul><li>") + QString(783, u'x') + QStringLiteral("</li></ul>")), {kKurzLang});
    fall("Kurzfassung 800 Zeichen",
         kurz(QStringLiteral("<ul><li>") + QString(782, u'x') + QStringLiteral("</li></ul>")), {});
    fall("Kurzfassung mit b", kurz(QStringLiteral("<ul><li><b>neu</b></li></ul>")), {kKurzTag});
    fall("Kurzfassung erlaubt", kurz(QStringLiteral("<ol><li>a<br>b&nbsp;c</li></ol>")), {});
    fall("b in anderer span", QStringLiteral("<span property=\"name\"><b>neu</b></span>"), {});
}

void TestListingPruefung::regel_verstossUndGegenprobe() {
    QFETCH(QString, html);
    QFETCH(QStringList, erwartet);
    QCOMPARE(regeln(pruefen(html)), erwartet);
}

void TestListingPruefung::befund_zeigtAufDenAnstoessigenText_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("markiert");
    QTest::newRow("Element") << QStringLiteral("<p>a</p><script src=x>y</script>")
                             << QStringLiteral("<script src=x>");
    QTest::newRow("Attribut") << QStringLiteral("<p onclick=\"go()\">a</p>")
                              << QStringLiteral("onclick=\"go()\"");
    QTest::newRow("Breite") << QStringLiteral("<table><tr><td width=\"900\"></td></tr></table>")
                            << QStringLiteral("900");
    QTest::newRow("Telefon") << QStringLiteral("<p>Tel. +49 (0)171 123 45 67.</p>")
                             << QStringLiteral("+49 (0)171 123 45 67");
    QTest::newRow("E-Mail") << QStringLiteral("<p>Mail: a.b-c@web.de.</p>") << QStringLiteral("a.b-c@web.de");
    QTest::newRow("Attribut eines späteren body nach Umlauten")
        << QStringLiteral("<p>Grüße € 😀</p>\r\n<body onload=\"x()\">") << QStringLiteral("onload=\"x()\"");
    QTest::newRow("offenes Element") << QStringLiteral("<p>x</p><b class=\"x\">y")
                                     << QStringLiteral("<b class=\"x\">");
    QTest::newRow("CSS") << QStringLiteral("<p style=\"color:red; font-size: 10px ;\">a</p>")
                         << QStringLiteral("font-size: 10px");
    QTest::newRow("CSS mit Umlauten davor")
        << QStringLiteral("<p>Grüße € 😀</p><style>p{width:800px}</style>") << QStringLiteral("width:800px");
    QTest::newRow("CSS mit Entität") << QStringLiteral(
                                            "<p style=\"font-family:&quot;A&quot;;font-size:9px\">")
                                     << QStringLiteral("font-family:&quot;A&quot;;font-size:9px");
}

void TestListingPruefung::befund_zeigtAufDenAnstoessigenText() {
    QFETCH(QString, html);
    QFETCH(QString, markiert);
    const QList<Befund> befunde = pruefen(html);
    QCOMPARE(befunde.size(), 1);
    QCOMPARE(html.mid(befunde[0].start, befunde[0].laenge), markiert);
}

void TestListingPruefung::herkunft_ausDemStueckDerStelle() {
    ListingPruefEingabe e;
    const QString teil1 = QStringLiteral("<div style=\"font-size:10px\">");
    const QString feld = QStringLiteral("<img src=\"http://a.de/b.jpg\">");
    e.listing = teil1 + feld + QStringLiteral("</div>");
    e.herkunft = {{0, teil1.size(), QStringLiteral("HTML_Code/HTML_text-1.txt")},
                  {teil1.size(), feld.size(), QStringLiteral("Bild 1")},
                  {teil1.size() + feld.size(), 6, QStringLiteral("K.O.R.I")}};
    const QList<Befund> befunde = ListingPruefen(e);
    QCOMPARE(befunde.size(), 2);
    QCOMPARE(befunde[0].regel, kHttp);
    QCOMPARE(befunde[0].herkunft, QStringLiteral("Bild 1"));
    QCOMPARE(befunde[0].text, QStringLiteral("src=\"http://a.de/b.jpg\""));
    QCOMPARE(befunde[1].herkunft, QStringLiteral("HTML_Code/HTML_text-1.txt"));
}

// The summary's findings name the piece they stand in: the program's block or a template part.
void TestListingPruefung::kurzfassung_mitIhrerHerkunft() {
    ListingEingabe e;
    e.kurzfassung = KurzfassungBlock({QString(900, u'x')});
    e.htmlTeil3b = QStringLiteral("<span property=\"description\"><p>alt</p></span>");
    e.htmlShop = QStringLiteral("nichtloeschenPfadZumShopBild");
    const ListingErgebnis r = Texte_Verbinden(e);
    QVERIFY(r.text.startsWith(e.kurzfassung));
    ListingPruefEingabe p;
    p.listing = r.text;
    p.herkunft = r.herkunft;
    QStringList gefunden;
    for (const Befund& b : ListingPruefen(p)) {
        if (b.regel.startsWith(QStringLiteral("Kurzfassung")) ||
            b.regel.startsWith(QStringLiteral("In der Kurz"))) {
            gefunden.append(b.herkunft + QStringLiteral(": ") + b.text.left(3));
        }
    }
    QCOMPARE(gefunden, (QStringList{QStringLiteral("Kurzfassung: xxx"),
                                    QStringLiteral("HTML_Code/HTML_text-3b.txt: <p>")}));
}

void TestListingPruefung::offenesElement_mitDemTeilDerEsOeffnet() {
    const QStringList teile{QStringLiteral("<div class=\"rahmen\"><b>"), QStringLiteral("Text</b>"),
                            QStringLiteral("</div><div>"), QStringLiteral("<strong>Jetzt</ strong>")};
    const QStringList namen{QStringLiteral("HTML_Code/HTML_text-3c.txt"), QStringLiteral("Beschreibung"),
                            QStringLiteral("HTML_Code/HTML_text-5.txt"), QStringLiteral("K.O.R.I")};
    ListingPruefEingabe e;
    for (qsizetype i = 0; i < teile.size(); ++i) {
        e.herkunft.append({e.listing.size(), teile[i].size(), namen[i]});
        e.listing += teile[i];
    }
    QStringList zeilen;
    for (const Befund& b : ListingPruefen(e)) {
        zeilen.append(BefundZeile(b));
    }
    QCOMPARE(zeilen,
             (QStringList{
                 QStringLiteral("Hinweis: Nicht geschlossenes Element: <div> – HTML_Code/HTML_text-5.txt"),
                 QStringLiteral("Hinweis: Nicht geschlossenes Element: <strong> – K.O.R.I")}));
}

void TestListingPruefung::bildOhneHost_nenntZeileUndEinstellung() {
    ListingPruefEingabe e;
    const QString vorlage = QStringLiteral("<img src=\"logo.gif\">");
    const QString bild = QStringLiteral("<IMG border=\"1\" src=\"buch.jpg\">");
    e.listing = vorlage + bild;
    e.herkunft = {{0, vorlage.size(), QStringLiteral("HTML_Code/HTML_text-1.txt")},
                  {vorlage.size(), bild.size(), QStringLiteral("Bild 3")}};
    QCOMPARE(regeln(ListingPruefen(e)),
             (QStringList{kOhneHost,
                          QStringLiteral("Bild 3 ohne Internet-Adresse (kein Host): in den Einstellungen "
                                         "„Internet-Pfad für Zusatzbilder“ ausfüllen")}));
}

void TestListingPruefung::grenzen_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("erwartet");
    // What the first finding marks: the tag or text that crossed the limit.
    QTest::addColumn<QString>("markiert");
    const auto attribute = [](int anzahl) {
        QString tag = QStringLiteral("<p");
        for (int i = 0; i < anzahl; ++i) {
            tag += QStringLiteral(" a%1").arg(i);
        }
        return tag;
    };
    QString formatierungen = QStringLiteral("<p>");
    for (int i = 0; i <= 100; ++i) {
        formatierungen += QStringLiteral("<b id=%1>").arg(i);
    }
    QTest::newRow("100.000 offene div") << QStringLiteral("<div>").repeated(100000)
                                        << QStringList{kZuTief, offen("div")} << QStringLiteral("<div>");
    QTest::newRow("256 Ebenen") << QStringLiteral("<div>").repeated(256) + QStringLiteral("<embed>") +
                                       QStringLiteral("</div>").repeated(256)
                                << QStringList{kAktiv} << QStringLiteral("<embed>");
    QTest::newRow("Formatierung für jeden Absatz neu")
        << QStringLiteral("<p><b></p>") + QStringLiteral("<p>x").repeated(60000)
        << QStringList{kZuTief, offen("b")} << QStringLiteral("x");
    QTest::newRow("101 verschiedene Formatierungen")
        << formatierungen << QStringList{kZuTief, offen("b")} << QStringLiteral("<b id=100>");
    QTest::newRow("101 Attribute") << QStringLiteral("<b>x</b>") + attribute(101) +
                                          QStringLiteral(">x</p><script>")
                                   << QStringList{kZuViele} << attribute(101) + u'>';
    QTest::newRow("100 Attribute") << attribute(99) + QStringLiteral(" onclick=x>x</p>")
                                   << QStringList{kEreignis} << QStringLiteral("onclick=x");
    QTest::newRow("Ende nach 500.000 Zeichen")
        << QStringLiteral("<div>") + QString(kListingHoechstlaenge, u'a') + QStringLiteral("</div><script>")
        << QStringList{kZuLang} << QStringLiteral("aaaaa</div><script>");
}

void TestListingPruefung::grenzen() {
    QFETCH(QString, html);
    QFETCH(QStringList, erwartet);
    QFETCH(QString, markiert);
    const QList<Befund> befunde = pruefen(html);
    QCOMPARE(regeln(befunde), erwartet);
    QCOMPARE(html.mid(befunde[0].start, befunde[0].laenge), markiert);
}

void TestListingPruefung::fremdeLinks_einBefundJeHost() {
    const QString html = QStringLiteral(
        "<a href=\"https://a.de/1\">1</a><a href=\"https://A.de:443/2\">2</a><a href=\"https://b.de/\">3</a>"
        "<a href=\"https://www.meinhost.de/x\">4</a><a href=\"https://meinhost.de/y\">5</a>"
        "<a href=\"https://shop.de/\">6</a>");
    const QStringList eigene{QStringLiteral("https://www.meinhost.de/bilder/"), QString(),
                             QStringLiteral("https://shop.de/bild.jpg")};
    QCOMPARE(regeln(pruefen(html, eigene)),
             (QStringList{QStringLiteral("Link zu einer fremden Seite (a.de)"),
                          QStringLiteral("Link zu einer fremden Seite (b.de)")}));
}

void TestListingPruefung::zuLang_istFehlerAbZeichen500001() {
    const QString genau = QString(kListingHoechstlaenge, u'a');
    QVERIFY(pruefen(genau).isEmpty());
    const QList<Befund> befunde = pruefen(genau + u'b');
    QCOMPARE(regeln(befunde), QStringList{QStringLiteral("Die Beschreibung ist länger als 500.000 Zeichen")});
    QCOMPARE(befunde[0].art, BefundArt::Fehler);
    QCOMPARE(befunde[0].start, kListingHoechstlaenge);
}

void TestListingPruefung::bezeichnung_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<QStringList>("erwartet");
    QTest::addColumn<QString>("text");
    const QString lang = QStringLiteral("Artikelbezeichnung länger als 80 Zeichen");
    const QString symbol =
        QStringLiteral("Artikelbezeichnung enthält Symbole, die im Titel nicht erscheinen");
    const QString gross = QStringLiteral("Artikelbezeichnung enthält ein Wort ganz in Großbuchstaben");
    QTest::newRow("80 Zeichen") << QString(80, u'a') << QStringList{} << QString();
    QTest::newRow("81 Zeichen") << QString(81, u'a') << QStringList{lang} << QStringLiteral("a");
    QTest::newRow("Marke") << QStringLiteral("Tolles Buch™") << QStringList{symbol} << QStringLiteral("™");
    QTest::newRow("Herz und Halb") << QStringLiteral("Buch ♥ ½ Preis") << QStringList{symbol}
                                   << QStringLiteral("♥½");
    QTest::newRow("Emoji") << QStringLiteral("Buch 😀") << QStringList{symbol} << QStringLiteral("😀");
    QTest::newRow("Umlaute Euro Prozent")
        << QStringLiteral("Größe € 50% & Co.") << QStringList{} << QString();
    QTest::newRow("Großwort") << QStringLiteral("Buch NEUWERTIG und TOLL") << QStringList{gross}
                              << QStringLiteral("NEUWERTIG");
    QTest::newRow("vier Großbuchstaben")
        << QStringLiteral("ISBN DVD-Box MP3-CD") << QStringList{} << QString();
    QTest::newRow("Großwort mit Ziffer")
        << QStringLiteral("MP3PLAYER") << QStringList{gross} << QStringLiteral("MP3PLAYER");
    QTest::newRow("80 Zeichen mit Emoji")
        << QString(79, u'a') + QStringLiteral("😀") << QStringList{symbol} << QStringLiteral("😀");
    QTest::newRow("81 Zeichen mit Emoji")
        << QString(80, u'a') + QStringLiteral("😀") << QStringList{lang, symbol} << QStringLiteral("😀");
    QTest::newRow("Großwort mit Umlaut")
        << QStringLiteral("GRÖSSE") << QStringList{gross} << QStringLiteral("GRÖSSE");
}

void TestListingPruefung::bezeichnung() {
    QFETCH(QString, bezeichnung);
    QFETCH(QStringList, erwartet);
    QFETCH(QString, text);
    const QList<Befund> befunde = BezeichnungPruefen(bezeichnung);
    QCOMPARE(regeln(befunde), erwartet);
    for (const Befund& b : befunde) {
        QCOMPARE(b.text, text);
        QVERIFY(b.inBezeichnung);
        QCOMPARE(b.herkunft, QStringLiteral("Artikel Bezeichnung"));
        QCOMPARE(b.art, BefundArt::Hinweis);
    }
}

void TestListingPruefung::zusammenfassung_data() {
    QTest::addColumn<int>("fehler");
    QTest::addColumn<int>("hinweise");
    QTest::addColumn<QString>("text");
    QTest::newRow("nichts") << 0 << 0 << QStringLiteral("Keine Beanstandungen");
    QTest::newRow("1 Fehler") << 1 << 0 << QStringLiteral("1 Fehler");
    QTest::newRow("1 Hinweis") << 0 << 1 << QStringLiteral("1 Hinweis");
    QTest::newRow("2 Fehler 3 Hinweise") << 2 << 3 << QStringLiteral("2 Fehler, 3 Hinweise");
    QTest::newRow("1 und 1") << 1 << 1 << QStringLiteral("1 Fehler, 1 Hinweis");
}

void TestListingPruefung::zusammenfassung() {
    QFETCH(int, fehler);
    QFETCH(int, hinweise);
    QFETCH(QString, text);
    QList<Befund> befunde(fehler, Befund{BefundArt::Fehler, {}, {}, {}, 0, 0, false});
    befunde.append(QList<Befund>(hinweise, Befund{}));
    QCOMPARE(PruefungZusammenfassung(befunde), text);
    QCOMPARE(FehlerAnzahl(befunde), fehler);
}

void TestListingPruefung::befundZeile_artRegelHerkunft() {
    QCOMPARE(BefundZeile({BefundArt::Fehler, QStringLiteral("R"), QStringLiteral("t"),
                          QStringLiteral("Titel"), 0, 1, false}),
             QStringLiteral("Fehler: R – Titel"));
    QCOMPARE(
        BefundZeile({BefundArt::Hinweis, QStringLiteral("R"), {}, QStringLiteral("bearbeitet"), 0, 1, false}),
        QStringLiteral("Hinweis: R – bearbeitet"));
}

void TestListingPruefung::reihenfolge_fehlerVorHinweisen() {
    ListingPruefEingabe e;
    e.listing =
        QStringLiteral("<img src=\"a.jpg\"><script></script><font size=1>x</font><a href=\"http://a.de\">");
    e.bezeichnung = QStringLiteral("GANZ GROSS");
    const QList<Befund> befunde = ListingPruefen(e);
    QCOMPARE(regeln(befunde), (QStringList{kAktiv, kHttp, kOhneHost, kSchrift, offen("a"),
                                           QStringLiteral("Link zu einer fremden Seite (a.de)"),
                                           QStringLiteral("Artikelbezeichnung enthält ein Wort ganz in "
                                                          "Großbuchstaben")}));
}

void TestListingPruefung::kaputtesMarkup_stuerztNicht_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("befunde");
    QTest::newRow("offenes Tag") << QStringLiteral("<div style=\"font-size:1px") << 0;
    // As in a browser, "<scr<script>" is one tag of that odd name.
    QTest::newRow("Tag im Tagnamen") << QStringLiteral("<scr<script>ipt") << 0;
    QTest::newRow("offenes script") << QStringLiteral("<p>a<script>") << 1;
    QTest::newRow("tiefe Schachtelung") << QStringLiteral("<div>").repeated(250) + QStringLiteral("<embed>") +
                                               QStringLiteral("</div>").repeated(250)
                                        << 1;
    QTest::newRow("CSS kaputt") << QStringLiteral("<style>}}{{;;:\\\"'/*</style>") << 0;
    QTest::newRow("einzelnes Surrogat") << QString(QChar(0xD800)) + QStringLiteral("<iframe>") << 1;
}

void TestListingPruefung::kaputtesMarkup_stuerztNicht() {
    QFETCH(QString, html);
    QFETCH(int, befunde);
    QCOMPARE(pruefen(html).size(), befunde);
}

void TestListingPruefung::css_deklarationen_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("Attribut") << QStringLiteral("color: red ; FONT-SIZE:10px")
                              << QStringList{QStringLiteral("color=red"), QStringLiteral("font-size=10px")};
    QTest::newRow("Regeln und Medien")
        << QStringLiteral("a:hover{color:blue}@media (max-width:600px){p{width:1px;}}")
        << QStringList{QStringLiteral("color=blue"), QStringLiteral("width=1px")};
    QTest::newRow("Kommentar und Escape")
        << QStringLiteral("/*x:y*/w\\69 dth:1px;b:u\\rl(a;b)")
        << QStringList{QStringLiteral("width=1px"), QStringLiteral("b=url(a;b)")};
    QTest::newRow("Zeichenkette mit Semikolon")
        << QStringLiteral("content:\"a;b\";x:1")
        << QStringList{QStringLiteral("content=\"a;b\""), QStringLiteral("x=1")};
    QTest::newRow("import") << QStringLiteral("@import url(a.css);p{x:1}")
                            << QStringList{QStringLiteral("@import=url(a.css)"), QStringLiteral("x=1")};
}

void TestListingPruefung::css_deklarationen() {
    QFETCH(QString, css);
    QFETCH(QStringList, erwartet);
    QStringList gelesen;
    for (const CssDeklaration& d : CssDeklarationen(css)) {
        gelesen.append(d.name + u'=' + d.wert);
    }
    QCOMPARE(gelesen, erwartet);
}

void TestListingPruefung::css_adressen_data() {
    QTest::addColumn<QString>("css");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("Escape in url") << QStringLiteral("background:url('\\68ttp://a.de/b.jpg')")
                                   << QStringList{QStringLiteral("http://a.de/b.jpg")};
    QTest::newRow("Escape in import") << QStringLiteral("@import \"\\68 ttp://a.de/c.css\";")
                                      << QStringList{QStringLiteral("http://a.de/c.css")};
    QTest::newRow("import url mit Medium")
        << QStringLiteral("@import url( \"x.css\" ) screen;") << QStringList{QStringLiteral("x.css")};
    QTest::newRow("image-set") << QStringLiteral("b:image-set(\"a.png\" 1x, url(b.png) 2x)")
                               << QStringList{QStringLiteral("a.png"), QStringLiteral("b.png")};
    QTest::newRow("webkit-image-set mit type")
        << QStringLiteral("b:-webkit-image-set('a.png' type(\"image/png\"))")
        << QStringList{QStringLiteral("a.png")};
    QTest::newRow("Escape im Namen") << QStringLiteral("b:u\\72l(\\68ttp://x.de)")
                                     << QStringList{QStringLiteral("http://x.de")};
    QTest::newRow("Quote im String") << QStringLiteral("b:url(\"a\\\"b\")")
                                     << QStringList{QStringLiteral("a\"b")};
    QTest::newRow("Zeile fortgesetzt")
        << QStringLiteral("b:url('ht\\\ntp://a.de')") << QStringList{QStringLiteral("http://a.de")};
    QTest::newRow("String ohne url") << QStringLiteral("content:\"url(x)\"") << QStringList{};
    QTest::newRow("url offen") << QStringLiteral("b:url(a.jpg") << QStringList{QStringLiteral("a.jpg")};
}

void TestListingPruefung::css_adressen() {
    QFETCH(QString, css);
    QFETCH(QStringList, erwartet);
    QStringList gelesen;
    for (const CssDeklaration& d : CssDeklarationen(css)) {
        gelesen.append(d.adressen);
    }
    QCOMPARE(gelesen, erwartet);
}

QTEST_GUILESS_MAIN(TestListingPruefung)
#include "tst_listingpruefung.moc"
