#include "compose/Adresse.h"

#include <QTest>

class TestAdresse : public QObject {
    Q_OBJECT
private slots:
    void lesen_data();
    void lesen();
};

void TestAdresse::lesen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("schema");
    QTest::addColumn<QString>("host");
    const auto fall = [](const char* name, const QString& text, const char* schema, const char* host) {
        QTest::newRow(name) << text << QString::fromLatin1(schema) << QString::fromLatin1(host);
    };
    fall("gewöhnlich", QStringLiteral("https://www.Ebay.de/itm/1"), "https", "www.ebay.de");
    fall("Schema groß", QStringLiteral("HTTP://a.de"), "http", "a.de");
    fall("http ohne Schrägstriche", QStringLiteral("http:host/x.jpg"), "http", "host");
    fall("http mit Backslashes", QStringLiteral("http:\\\\host\\x.jpg"), "http", "host");
    fall("ftp ohne Schrägstriche", QStringLiteral("ftp:a.de/x"), "ftp", "a.de");
    fall("https ohne Schrägstriche bleibt auf der Seite", QStringLiteral("https:host/x"), "https", "");
    fall("https mit einem Schrägstrich bleibt auf der Seite", QStringLiteral("https:/host/x"), "https", "");
    fall("https Schrägstrich und Backslash", QStringLiteral("https:/\\evil.com/"), "https", "evil.com");
    fall("zwei Backslashes", QStringLiteral("\\\\evil.com"), "", "evil.com");
    fall("Tabulator zwischen Schrägstrichen", QStringLiteral("/\t/evil.com"), "", "evil.com");
    fall("Zeilenumbruch im Schema", QStringLiteral("ht\r\ntp://a.de"), "http", "a.de");
    fall("Blanks und Steuerzeichen außen", QStringLiteral(" \x01//a.de:8080/x "), "", "a.de");
    fall("Benutzer und Passwort", QStringLiteral("https://user:pw@a.de/"), "https", "a.de");
    fall("@ in der Abfrage", QStringLiteral("https://a.de?x=@b.de"), "https", "a.de");
    fall("Prozent im Host", QStringLiteral("https://ex%61mple.com/"), "https", "example.com");
    fall("Schrägstrich kodiert im Host", QStringLiteral("https://a%2Fb.de/"), "https", "");
    fall("Blank im Host", QStringLiteral("https://ex ample.com/"), "https", "");
    fall("Umlaut im Host", QStringLiteral("https://bücher.de/"), "https", "xn--bcher-kva.de");
    fall("Umlaut im Host mit Punkten am Ende", QStringLiteral("https://Bücher.de.../"), "https",
         "xn--bcher-kva.de");
    fall("Punkt am Ende", QStringLiteral("https://EXAMPLE.com./"), "https", "example.com");
    fall("IPv6", QStringLiteral("https://[::1]:80/"), "https", "[::1]");
    fall("anderes Schema mit Host", QStringLiteral("foo://a.de/x"), "foo", "a.de");
    fall("Datei", QStringLiteral("file:///C:/bilder/a.jpg"), "file", "");
    fall("relativ", QStringLiteral("bilder/a.jpg"), "", "");
    fall("absoluter Pfad", QStringLiteral("/bilder/a.jpg"), "", "");
    fall("mailto", QStringLiteral("mailto:a@b.de"), "mailto", "");
    fall("javascript", QStringLiteral("javascript://a.de/%0Aalert(1)"), "javascript", "a.de");
    fall("kein Schema vor Doppelpunkt", QStringLiteral("1http://a.de"), "", "");
    fall("leer", QString(), "", "");
}

void TestAdresse::lesen() {
    QFETCH(QString, text);
    QFETCH(QString, schema);
    QFETCH(QString, host);
    const Adresse adresse = AdresseLesen(text);
    QCOMPARE(adresse.schema, schema);
    QCOMPARE(adresse.host, host);
}

QTEST_GUILESS_MAIN(TestAdresse)
#include "tst_adresse.moc"
