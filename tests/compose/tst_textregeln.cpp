#include "compose/Textregeln.h"

#include <QTest>

namespace {

// The matched pieces of the text, in order.
QStringList stellen(const QString& text, const QList<TextStelle>& gefunden) {
    QStringList teile;
    for (const TextStelle& s : gefunden) {
        teile.append(text.mid(s.start, s.laenge));
    }
    return teile;
}

} // namespace

class TestTextregeln : public QObject {
    Q_OBJECT
private slots:
    void kontaktdaten_data();
    void kontaktdaten();
    void platzhalter_data();
    void platzhalter();
};

void TestTextregeln::kontaktdaten_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("gefunden");
    const auto fall = [](const char* name, const char* text, const QStringList& gefunden) {
        QTest::newRow(name) << QString::fromUtf8(text) << gefunden;
    };
    fall("Mail am Satzende", "Schreiben Sie an anna.b@web.de.", {QStringLiteral("anna.b@web.de")});
    fall("Mail mit Umlaut", "müller@gmx.de", {QStringLiteral("müller@gmx.de")});
    fall("kein Mail ohne Endung", "a@b, @web.de, x@y.1", {});
    fall("Handy mit Blanks", "Handy: 0171 123 45 67!", {QStringLiteral("0171 123 45 67")});
    fall("Vorwahl mit Bindestrich", "Tel 030-1234567", {QStringLiteral("030-1234567")});
    fall("international mit (0)", "+49 (0)30 1234567", {QStringLiteral("+49 (0)30 1234567")});
    fall("mit 00", "0043 1 2345678", {QStringLiteral("0043 1 2345678")});
    fall("Telefonnummer schlägt Nummer", "Telefonnummer: 0171 1234567", {QStringLiteral("0171 1234567")});
    fall("zu kurz", "Tel. 030 1234", {});
    fall("zu lang", "0171 1234567890123", {});
    fall("ISBN-10 mit 0", "ISBN 0140449132", {});
    fall("Bestellnummer", "Bestellnummer 04711 08154", {});
    fall("Datum und Preis", "am 01.02.2019 für 0,99 EUR", {});
    fall("Teil einer Zahl", "A0171 1234567 und 123-0171234567", {});
    fall("Ziffernreihe mit vielen Gruppen", "0 1 2 3 4 5 6 7 8", {});
}

void TestTextregeln::kontaktdaten() {
    QFETCH(QString, text);
    QFETCH(QStringList, gefunden);
    QCOMPARE(stellen(text, KontaktdatenSuchen(text)), gefunden);
}

void TestTextregeln::platzhalter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("gefunden");
    const auto fall = [](const char* name, const char* text, const QStringList& gefunden) {
        QTest::newRow(name) << QString::fromUtf8(text) << gefunden;
    };
    fall("Gewicht", "??? Gramm", {QStringLiteral("???")});
    fall("Maße", "?? cm x ?? cm x ? cm", {QStringLiteral("??"), QStringLiteral("??")});
    fall("viele Fragezeichen", "Preis: ?????", {QStringLiteral("?????")});
    fall("Buchreihe", "Die drei ??? und das Gespensterschloss", {});
    fall("Buchreihe groß", "DIE DREI ???", {});
    fall("Frage", "Wirklich?? Ja!", {});
    fall("Auswahl am Ende", "Verlag: Verlag wählen", {QStringLiteral("Verlag wählen")});
    fall("Auswahl mit Nummer und Zeilenende", "Zustand-1 wählen \r\nweiter",
         {QStringLiteral("Zustand-1 wählen")});
    fall("Auswahl eingerückt", "          Zustand wählen", {QStringLiteral("Zustand wählen")});
    fall("Satz mit wählen", "Bitte wählen Sie aus.", {});
    fall("auswählen", "Größe auswählen", {});
    fall("klein geschrieben", "frei wählen", {});
}

void TestTextregeln::platzhalter() {
    QFETCH(QString, text);
    QFETCH(QStringList, gefunden);
    QCOMPARE(stellen(text, PlatzhalterSuchen(text)), gefunden);
}

QTEST_GUILESS_MAIN(TestTextregeln)
#include "tst_textregeln.moc"
