#include "title/Gebotszeile.h"
#include "title/Kategorien.h"
#include "title/Titel.h"

#include <QTest>

namespace {

// Marks "no change" in the tables.
const QString kKeine = QStringLiteral("<keine>");

QString oderKeine(const std::optional<QString>& wert) {
    return wert.value_or(kKeine);
}

// A column of the current row, usable inside an expression.
template <class T> T feld(const char* name) {
    return *static_cast<T*>(QTest::qData(name, qMetaTypeId<T>()));
}

QString zeichen(int anzahl) {
    return QString(anzahl, QLatin1Char('x'));
}

GebotszeilenTeile vorgabeTeile(const KategorieVorlage& v) {
    return {v.einZwei,     v.einEineEinen, v.gutErhalten, v.gutNeu,
            v.aufWasBiten, v.aufWasBiten2, v.aufWasBiten3};
}

} // namespace

class TestTitel : public QObject {
    Q_OBJECT
private slots:
    void zaehler_zeigtLaengeUndRest_data();
    void zaehler_zeigtLaengeUndRest();
    void zaehler_81Zeichen_werdenAuf80Gekuerzt();

    void bildname_wirdVorangestellt_data();
    void bildname_wirdVorangestellt();
    void bildname_zuLang_meldetUndLaesstStehen_data();
    void bildname_zuLang_meldetUndLaesstStehen();
    void bildname_meldungstexte();
    void merian_endungJeNachLaenge_data();
    void merian_endungJeNachLaenge();
    void merian_setztTitelVorHeftUndBild3Aus();
    void ewName_schlussschrittEntfaellt_data();
    void ewName_schlussschrittEntfaellt();

    void label25_haengtBildnameAn_data();
    void label25_haengtBildnameAn();

    void zufuegen_autorUndPhrasen_data();
    void zufuegen_autorUndPhrasen();
    void zusatzlisten_zahlIstPhrasenlaenge_data();
    void zusatzlisten_zahlIstPhrasenlaenge();

    void fett_markiertAuswahlAnIhrerStelle_data();
    void fett_markiertAuswahlAnIhrerStelle();

    void gebotszeile_ausVorgaben_data();
    void gebotszeile_ausVorgaben();
    void buchart_ausDrittemTeil_data();
    void buchart_ausDrittemTeil();
    void zusatztext_angehaengt_isbnSetztCaretHinter3();
    void zusatztext_aufforderung_aendertNichts();

    void vorlage_setztTexteUndKnoepfe_data();
    void vorlage_setztTexteUndKnoepfe();
    void vorlage_listen_data();
    void vorlage_listen();
    void vorlage_unbekannteArt_liefertNichts();
    void startKategorie_waehlt_data();
    void startKategorie_waehlt();
};

void TestTitel::zaehler_zeigtLaengeUndRest_data() {
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<QString>("anzahl");
    QTest::addColumn<QString>("noch");
    QTest::addColumn<bool>("kappen");
    QTest::newRow("leer") << QString() << QStringLiteral("(-0 )") << QStringLiteral("(+80 )") << false;
    QTest::newRow("12") << zeichen(12) << QStringLiteral("(-12 )") << QStringLiteral("(+68 )") << false;
    QTest::newRow("79") << zeichen(79) << QStringLiteral("(-79 )") << QStringLiteral("(+1 )") << false;
    // At exactly 80 the caret still goes to the end.
    QTest::newRow("80") << zeichen(80) << QStringLiteral("(-80 )") << QStringLiteral("(+0 )") << true;
}

void TestTitel::zaehler_zeigtLaengeUndRest() {
    QFETCH(QString, bezeichnung);
    const BezeichnungsZaehler z = bezeichnungZaehlen(bezeichnung);
    QCOMPARE(z.anzahl, feld<QString>("anzahl"));
    QCOMPARE(z.anzahlNoch, feld<QString>("noch"));
    QCOMPARE(z.kappen, feld<bool>("kappen"));
    QCOMPARE(z.text, bezeichnung);
}

void TestTitel::zaehler_81Zeichen_werdenAuf80Gekuerzt() {
    const QString lang = QStringLiteral("Ä") + zeichen(79) + QStringLiteral("Z");
    const BezeichnungsZaehler z = bezeichnungZaehlen(lang);
    QVERIFY(z.kappen);
    QCOMPARE(z.text, lang.left(80));
    QCOMPARE(z.caret, 80);
    QCOMPARE(z.anzahl, QStringLiteral("(-80 )"));
    QCOMPARE(z.anzahlNoch, QStringLiteral("(+0 )"));
    // The shortened text raises the handler again; it must then stay as it is.
    QCOMPARE(bezeichnungZaehlen(z.text).text, z.text);
}

void TestTitel::bildname_wirdVorangestellt_data() {
    QTest::addColumn<QString>("bild1");
    QTest::addColumn<QString>("bild2");
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<bool>("haus");
    QTest::addColumn<QString>("erwartet");
    const QString leer;
    QTest::newRow("Paris-V.jpg") << QStringLiteral("Paris-V.jpg") << leer << leer << false
                                 << QStringLiteral("Paris");
    QTest::newRow("vor Bezeichnung mit einem Leerzeichen")
        << QStringLiteral("Paris.JPG") << leer << QStringLiteral("Reisefuehrer 2019") << false
        << QStringLiteral("Paris Reisefuehrer 2019");
    QTest::newRow("Bezeichnung bringt ihr Leerzeichen mit")
        << QStringLiteral("Paris.JPG") << leer << QStringLiteral(" Buch") << false
        << QStringLiteral("Paris Buch");
    QTest::newRow("gif gemischt") << QStringLiteral("Rom.Gif") << leer << leer << false
                                  << QStringLiteral("Rom");
    QTest::newRow("-V vor .jpg") << QStringLiteral("Rom-v.jpg") << leer << leer << false
                                 << QStringLiteral("Rom");
    QTest::newRow("ß verschiebt nichts")
        << QStringLiteral("Straße-V.jpg") << leer << leer << false << QStringLiteral("Straße");
    QTest::newRow("Rückseite") << QStringLiteral("foto.png") << QStringLiteral("Köln-H.jpg") << leer << false
                               << QStringLiteral("Köln");
    QTest::newRow("Rückseite nur groß -H")
        << QStringLiteral("foto.png") << QStringLiteral("Köln-h.jpg") << leer << false << kKeine;
    QTest::newRow("keine Bilder") << leer << leer << QStringLiteral("abc") << false << kKeine;
    QTest::newRow("genau 50 Zeichen")
        << QStringLiteral("A.jpg") << leer << zeichen(50) << false << QStringLiteral("A ") + zeichen(50);
    QTest::newRow("genau 80 Zeichen mit Namen und Leerzeichen")
        << zeichen(29) + QStringLiteral(".jpg") << leer << zeichen(50) << false
        << zeichen(29) + QStringLiteral(" ") + zeichen(50);
    QTest::newRow("Merian ohne Hausverkauf")
        << QStringLiteral("Merian-Rom-V.jpg") << leer << leer << false << kKeine;
    QTest::newRow("Lyrik Hausverkauf") << QStringLiteral("Lyrik-V.JPG") << leer << QStringLiteral("abc")
                                       << true << QStringLiteral("* Lyrik * abc");
    QTest::newRow("Hausverkauf ohne Ersetzung") << QStringLiteral("Alte-Karten,Pläne.jpg") << leer << leer
                                                << true << QStringLiteral("* Alte-Karten,Pläne *");
}

void TestTitel::bildname_wirdVorangestellt() {
    const BildnameEingabe eingabe{feld<QString>("bild1"), feld<QString>("bild2"),
                                  feld<QString>("bezeichnung"), feld<bool>("haus")};
    const BildnameErgebnis e = bezeichnungAusBildname(eingabe);
    QCOMPARE(oderKeine(e.bezeichnung), feld<QString>("erwartet"));
    QVERIFY(e.meldung.isEmpty());
    QVERIFY(!e.titel);
    QVERIFY(!e.bild3Aus);
}

void TestTitel::bildname_zuLang_meldetUndLaesstStehen_data() {
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QString>("bezeichnung");
    QTest::addColumn<bool>("haus");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("Bezeichnung über 50")
        << QStringLiteral("A.jpg") << zeichen(51) << false << kBezeichnungZuLang;
    QTest::newRow("mit Namen und Leerzeichen über 80")
        << zeichen(30) + QStringLiteral(".jpg") << zeichen(50) << false << kBezeichnungUeberMax;
    QTest::newRow("Hausverkauf mit Sternen über 80")
        << zeichen(26) + QStringLiteral(".jpg") << zeichen(50) << true << kBezeichnungUeberMax;
}

void TestTitel::bildname_zuLang_meldetUndLaesstStehen() {
    const BildnameErgebnis e =
        bezeichnungAusBildname({feld<QString>("bild"), {}, feld<QString>("bezeichnung"), feld<bool>("haus")});
    QCOMPARE(e.meldung, feld<QString>("meldung"));
    QVERIFY(!e.bezeichnung);
}

void TestTitel::bildname_meldungstexte() {
    QCOMPARE(kBezeichnungZuLang,
             QStringLiteral("Einfügen ist nicht möglich weil \r\n"
                            "die Artikelbezeichnung bereits länger als 50 Zeichen ist!."));
    QCOMPARE(kBezeichnungUeberMax, QStringLiteral("Einfügen ist nicht möglich weil \r\n"
                                                  "die Artikelbezeichnung dann länger als 80 Zeichen wäre!"));
}

void TestTitel::merian_endungJeNachLaenge_data() {
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Rom und Latium") << QStringLiteral("Merian-Rom-und-Latium-V.JPG")
                                    << QStringLiteral("* Merian * Rom und Latium * Reiseführer Reisemagazin");
    // Base 32: " * Reiseführer GEO Rar" is the longest that stays within 55.
    QTest::newRow("Komma wird Schrägstrich")
        << QStringLiteral("Merian-Berlin,Potsdam-Heft-3-V.jpg")
        << QStringLiteral("* Merian * Berlin/Potsdam Heft 3 * Reiseführer GEO Rar");
    QTest::newRow("Basis 49 nimmt GEO")
        << QStringLiteral("Merian-") + zeichen(38) + QStringLiteral(".jpg")
        << QStringLiteral("* Merian * ") + zeichen(38) + QStringLiteral(" * GEO");
    QTest::newRow("Basis 50 kurze Form") << QStringLiteral("Merian-") + zeichen(39) + QStringLiteral(".jpg")
                                         << QStringLiteral("* Merian ") + zeichen(39);
    QTest::newRow("Basis 55 kurze Form") << QStringLiteral("Merian-") + zeichen(44) + QStringLiteral(".jpg")
                                         << QStringLiteral("* Merian ") + zeichen(44);
    QTest::newRow("Basis 56 kurze Form") << QStringLiteral("Merian-") + zeichen(45) + QStringLiteral(".jpg")
                                         << QStringLiteral("* Merian ") + zeichen(45);
}

void TestTitel::merian_endungJeNachLaenge() {
    const BildnameErgebnis e =
        bezeichnungAusBildname({feld<QString>("bild"), {}, QStringLiteral("alt"), true});
    QCOMPARE(oderKeine(e.bezeichnung), feld<QString>("erwartet"));
    QVERIFY(e.meldung.isEmpty());
}

void TestTitel::merian_setztTitelVorHeftUndBild3Aus() {
    const BildnameErgebnis mitHeft =
        bezeichnungAusBildname({QStringLiteral("Merian-Berlin,Potsdam-Heft-3-V.jpg"), {}, {}, true});
    QCOMPARE(oderKeine(mitHeft.titel), QStringLiteral("Berlin/Potsdam "));
    QVERIFY(mitHeft.bild3Aus);
    const BildnameErgebnis ohneHeft =
        bezeichnungAusBildname({QStringLiteral("Merian-Rom-und-Latium-V.JPG"), {}, {}, true});
    QCOMPARE(ohneHeft.bezeichnung->size(), 52);
    QCOMPARE(oderKeine(ohneHeft.titel), QString());
    QVERIFY(ohneHeft.bild3Aus);
}

void TestTitel::ewName_schlussschrittEntfaellt_data() {
    QTest::addColumn<QString>("bild");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QString>("titel");
    QTest::newRow("kurz") << QStringLiteral("EW_Alte-Karten-V.jpg")
                          << QStringLiteral("* Ede WOLK * Alte Karten * nur 1€") << QString();
    QTest::newRow("ohne Stern") << QStringLiteral("EW_") + zeichen(34) + QStringLiteral(".jpg")
                                << QStringLiteral("* Ede WOLK * ") + zeichen(34) + QStringLiteral(" nur 1€")
                                << QString();
    QTest::newRow("ohne Preis") << QStringLiteral("EW_") + zeichen(43) + QStringLiteral(".jpg")
                                << QStringLiteral("* Ede WOLK * ") + zeichen(43) << QString();
    QTest::newRow("Heft") << QStringLiteral("EW_Mosaik-Heft-12.jpg")
                          << QStringLiteral("* Ede WOLK * Mosaik Heft 12 * nur 1€")
                          << QStringLiteral("Mosaik ");
}

void TestTitel::ewName_schlussschrittEntfaellt() {
    // A long designation in the field neither blocks the name nor gets the name put before it.
    const BildnameErgebnis e = bezeichnungAusBildname({feld<QString>("bild"), {}, zeichen(60), true});
    QCOMPARE(oderKeine(e.bezeichnung), feld<QString>("erwartet"));
    QCOMPARE(oderKeine(e.titel), feld<QString>("titel"));
    QVERIFY(e.bild3Aus);
    QVERIFY(e.meldung.isEmpty());
}

void TestTitel::label25_haengtBildnameAn_data() {
    QTest::addColumn<QString>("bild1");
    QTest::addColumn<QString>("bild2");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Paris.gif") << QStringLiteral("Paris.gif") << QString() << QStringLiteral("Reise Paris");
    QTest::newRow("-V zuerst") << QStringLiteral("Rom.JPG-V.JPG") << QString()
                               << QStringLiteral("Reise Rom.JPG");
    QTest::newRow("kein Großschreiben") << QStringLiteral("Paris.Jpg") << QString() << kKeine;
    QTest::newRow("Rückseite") << QStringLiteral("Paris.png") << QStringLiteral("Rom,alt-H.jpg")
                               << QStringLiteral("Reise Rom,alt");
    QTest::newRow("ohne Längenprüfung") << QStringLiteral("x.jpg") << QString() << QStringLiteral("Reise x");
}

void TestTitel::label25_haengtBildnameAn() {
    const auto e =
        bildnameAnhaengen(feld<QString>("bild1"), feld<QString>("bild2"), QStringLiteral("Reise "));
    QCOMPARE(oderKeine(e), feld<QString>("erwartet"));
}

void TestTitel::zufuegen_autorUndPhrasen_data() {
    QTest::addColumn<QString>("autor");
    QTest::addColumn<QString>("zus1");
    QTest::addColumn<QString>("zus2");
    QTest::addColumn<bool>("haus");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QString>("buchAutor");
    QTest::newRow("Thriller") << kAutorWaehlen << QString() << QStringLiteral("09 Thriller") << false
                              << QStringLiteral("Der Fall Thriller") << kKeine;
    QTest::newRow("Trenner ganz") << kAutorWaehlen << QString() << QStringLiteral(" -------- ") << false
                                  << QStringLiteral("Der Fall -------- ") << kKeine;
    QTest::newRow("beide Phrasen und Autor")
        << QStringLiteral("Fitzek") << QStringLiteral("5 TOP!") << QStringLiteral("09 Thriller") << false
        << QStringLiteral("Fitzek Der Fall TOP! Thriller") << QStringLiteral("Fitzek");
    QTest::newRow("Autor Hausverkauf") << QStringLiteral("Fitzek") << QString() << QString() << true
                                       << QStringLiteral("* Fitzek Der Fall") << QStringLiteral("Fitzek");
    QTest::newRow("getippt ohne Blank") << kAutorWaehlen << QStringLiteral("neu") << QString() << false
                                        << QStringLiteral("Der Fallneu") << kKeine;
    QTest::newRow("geleerter Autor") << QString() << QString() << QString() << false
                                     << QStringLiteral("Der Fall") << kKeine;
    QTest::newRow("nur Blanks als Autor")
        << QStringLiteral("  ") << QString() << QString() << false << QStringLiteral("Der Fall") << kKeine;
}

void TestTitel::zufuegen_autorUndPhrasen() {
    const ZufuegenErgebnis e =
        zusaetzeZufuegen(QStringLiteral("Der Fall"), feld<QString>("autor"), feld<QString>("zus1"),
                         feld<QString>("zus2"), feld<bool>("haus"));
    QCOMPARE(e.bezeichnung, feld<QString>("erwartet"));
    QCOMPARE(oderKeine(e.buchAutor), feld<QString>("buchAutor"));
}

void TestTitel::zusatzlisten_zahlIstPhrasenlaenge_data() {
    QTest::addColumn<QString>("eintrag");
    QTest::addColumn<int>("stellen");
    for (const QString& e : zusatzListe1().mid(1)) {
        QTest::newRow(qPrintable(e)) << e << 1;
    }
    for (const QString& e : zusatzListe2().mid(1)) {
        if (e != QStringLiteral(" -------- ")) {
            QTest::newRow(qPrintable(e)) << e << 2;
        }
    }
}

void TestTitel::zusatzlisten_zahlIstPhrasenlaenge() {
    QFETCH(QString, eintrag);
    QFETCH(int, stellen);
    const QString phrase = eintrag.mid(stellen);
    QCOMPARE(eintrag.left(stellen).toInt(), phrase.size());
    QVERIFY(phrase.startsWith(QLatin1Char(' ')));
    QCOMPARE(zusaetzeZufuegen({}, kAutorWaehlen, eintrag, {}, false).bezeichnung, phrase);
}

void TestTitel::fett_markiertAuswahlAnIhrerStelle_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("stelle");
    QTest::addColumn<QString>("auswahl");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Buch und Buch, erstes") << QStringLiteral("Buch und Buch") << 0 << QStringLiteral("Buch")
                                           << QStringLiteral("<b>Buch</b> und Buch");
    QTest::newRow("Buch und Buch, zweites") << QStringLiteral("Buch und Buch") << 9 << QStringLiteral("Buch")
                                            << QStringLiteral("Buch und <b>Buch</b>");
    QTest::newRow("Mitte") << QStringLiteral("Buch und Buch") << 5 << QStringLiteral("und")
                           << QStringLiteral("Buch <b>und</b> Buch");
    QTest::newRow("über Zeilenende") << QStringLiteral("eins\r\nzwei") << 3 << QStringLiteral("s\r\nz")
                                     << QStringLiteral("ein<b>s\r\nz</b>wei");
    QTest::newRow("leere Auswahl") << QStringLiteral("Buch") << 0 << QString() << kKeine;
    QTest::newRow("Stelle passt nicht")
        << QStringLiteral("Buch und Buch") << 1 << QStringLiteral("Buch") << kKeine;
    QTest::newRow("Stelle hinter dem Text") << QStringLiteral("Buch") << 3 << QStringLiteral("ch") << kKeine;
}

void TestTitel::fett_markiertAuswahlAnIhrerStelle() {
    QCOMPARE(oderKeine(fettMarkieren(feld<QString>("text"), feld<int>("stelle"), feld<QString>("auswahl"))),
             feld<QString>("erwartet"));
}

void TestTitel::gebotszeile_ausVorgaben_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Buch") << QStringLiteral("Buch")
                          << QStringLiteral("ein gebrauchtes und gut erhaltenes Buch  ");
    QTest::newRow("CD_MC") << QStringLiteral("CD_MC")
                           << QStringLiteral("eine gebrauchtes und gut erhaltene Audio-CD  ");
    QTest::newRow("Kleidung") << QStringLiteral("Kleidung")
                              << QStringLiteral("eine gebrauchtes und gut erhaltene Baby -Hose");
}

void TestTitel::gebotszeile_ausVorgaben() {
    const auto vorlage = kategorieVorlage(feld<QString>("art"));
    QVERIFY(vorlage);
    QCOMPARE(gebotszeileBilden(vorgabeTeile(*vorlage)), feld<QString>("erwartet"));
}

void TestTitel::buchart_ausDrittemTeil_data() {
    QTest::addColumn<QString>("teil");
    QTest::addColumn<QString>("buchart");
    QTest::newRow("Blank") << QStringLiteral(" ") << QStringLiteral("Taschenbuch");
    QTest::newRow("gebunden") << QStringLiteral("<b>-gebundene Ausgabe</b>")
                              << QStringLiteral("gebundene Ausgabe");
    QTest::newRow("Umschlag") << QStringLiteral("<b>-gebundene Ausgabe mit Umschlag</b>")
                              << QStringLiteral("gebundene Ausgabe mit Umschlag");
    QTest::newRow("mit CD") << QStringLiteral("<b>-mit CD</b>") << QString();
    QTest::newRow("Kleidung") << QStringLiteral("-Hose") << QString();
    QTest::newRow("leer") << QString() << QString();
}

void TestTitel::buchart_ausDrittemTeil() {
    QCOMPARE(buchartAusZusatz(feld<QString>("teil")), feld<QString>("buchart"));
}

void TestTitel::zusatztext_angehaengt_isbnSetztCaretHinter3() {
    const auto normal = zusatztextAnhaengen(QStringLiteral("Text\r\n"), QStringLiteral("Versand mit DHL"));
    QVERIFY(normal);
    QCOMPARE(normal->inhalt, QStringLiteral("Text\r\nVersand mit DHL\r\n"));
    QVERIFY(!normal->caret);

    const auto isbn =
        zusatztextAnhaengen(QStringLiteral("Text\r\n"), QStringLiteral("Sonnstiges: ISBN:  3-"));
    QVERIFY(isbn);
    QCOMPARE(isbn->inhalt, QStringLiteral("Text\r\nSonnstiges: ISBN:  3-\r\n"));
    QVERIFY(isbn->caret);
    QCOMPARE(isbn->inhalt.left(*isbn->caret), QStringLiteral("Text\r\nSonnstiges: ISBN:  3-"));
}

void TestTitel::zusatztext_aufforderung_aendertNichts() {
    QVERIFY(!zusatztextAnhaengen(QStringLiteral("Text"),
                                 QStringLiteral("Wähle einen fertigen Beschreibungstext")));
}

void TestTitel::vorlage_setztTexteUndKnoepfe_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QStringList>("texte");
    QTest::addColumn<Kategorieknopf>("knopf");
    QTest::addColumn<QList<Kategorieknopf>>("sichtbar");
    QTest::addColumn<bool>("autor");
    QTest::addColumn<QString>("buchArt");
    QTest::addColumn<QString>("datei");
    // lblArtikelArt, cboEinZwei, cboEinEineEinen, cboGutNeu, cboAufWasBiten, 2, 3, cboGutErhalten
    QTest::newRow("Buch") << QStringLiteral("Buch")
                          << QStringList{QStringLiteral("Buch"),
                                         QStringLiteral("ein"),
                                         QString(),
                                         QStringLiteral("es"),
                                         QStringLiteral("Buch"),
                                         QStringLiteral(" "),
                                         QStringLiteral(" "),
                                         QStringLiteral("gebrauchtes und gut erhalten")}
                          << Kategorieknopf::BuchBeschreibung
                          << QList<Kategorieknopf>{Kategorieknopf::VerlagInsBuch,
                                                   Kategorieknopf::AutorInsBuch}
                          << true << QStringLiteral("Taschenbuch") << QString();
    QTest::newRow("CD_MC") << QStringLiteral("CD_MC")
                           << QStringList{QStringLiteral("CD / MC / DVD"),
                                          QStringLiteral("ein"),
                                          QStringLiteral("e"),
                                          QStringLiteral("e"),
                                          QStringLiteral("Audio-CD"),
                                          QStringLiteral(" "),
                                          QStringLiteral(" "),
                                          QStringLiteral("gebrauchtes und gut erhalten")}
                           << Kategorieknopf::Songs << QList<Kategorieknopf>{} << false << QString()
                           << QString();
    QTest::newRow("Kleidung")
        << QStringLiteral("Kleidung")
        << QStringList{QStringLiteral("Kleidung"), QStringLiteral("ein"),
                       QStringLiteral("e"),        QStringLiteral("e"),
                       QStringLiteral("Baby"),     QStringLiteral(" "),
                       QStringLiteral("-Hose"),    QStringLiteral("gebrauchtes und gut erhalten")}
        << Kategorieknopf::KleidungBeschreibung << QList<Kategorieknopf>{} << false << QString()
        << QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\Vorlagetext-kleidung.txt");
}

void TestTitel::vorlage_setztTexteUndKnoepfe() {
    QFETCH(QString, art);
    const auto v = kategorieVorlage(art);
    QVERIFY(v);
    QCOMPARE(v->artikelArt, art);
    const QStringList texte{v->lblArtikelArt, v->einZwei,      v->einEineEinen, v->gutNeu,
                            v->aufWasBiten,   v->aufWasBiten2, v->aufWasBiten3, v->gutErhalten};
    QCOMPARE(texte, feld<QStringList>("texte"));
    QCOMPARE(v->knopf, feld<Kategorieknopf>("knopf"));
    QCOMPARE(v->sichtbar, feld<QList<Kategorieknopf>>("sichtbar"));
    QVERIFY(!v->sichtbar.contains(v->knopf));
    QCOMPARE(v->buchAutorSichtbar, feld<bool>("autor"));
    QCOMPARE(v->buchArt, feld<QString>("buchArt"));
    QCOMPARE(v->inhaltDatei, feld<QString>("datei"));
}

void TestTitel::vorlage_listen_data() {
    QTest::addColumn<QString>("art");
    QTest::addColumn<QList<int>>("groessen");
    QTest::addColumn<QStringList>("letzte");
    QTest::newRow("Buch") << QStringLiteral("Buch") << QList<int>{8, 13, 8}
                          << QStringList{QStringLiteral("Exemplar der Zeitschrift: "),
                                         QStringLiteral(" Tauchen"), QStringLiteral("<b>-OVP</b>")};
    QTest::newRow("CD_MC") << QStringLiteral("CD_MC") << QList<int>{12, 7, 5}
                           << QStringList{QStringLiteral("DVD-Set"), QStringLiteral(" für Windows und MAC"),
                                          QStringLiteral("mit dem Spiel: ")};
    QTest::newRow("Kleidung") << QStringLiteral("Kleidung") << QList<int>{6, 9, 21}
                              << QStringList{QStringLiteral("Männer"), QStringLiteral("-Winter"),
                                             QStringLiteral("-Weste")};
}

void TestTitel::vorlage_listen() {
    const auto v = kategorieVorlage(feld<QString>("art"));
    QVERIFY(v);
    const QList<QStringList> listen{v->aufWasBitenListe, v->aufWasBiten2Liste, v->aufWasBiten3Liste};
    const QStringList texte{v->aufWasBiten, v->aufWasBiten2, v->aufWasBiten3};
    QFETCH(QList<int>, groessen);
    QFETCH(QStringList, letzte);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(listen[i].size(), groessen[i]);
        QCOMPARE(listen[i].last(), letzte[i]);
        // The text set after the list is one of its entries, so the box shows a real choice.
        QVERIFY2(listen[i].contains(texte[i]), qPrintable(texte[i]));
    }
}

void TestTitel::vorlage_unbekannteArt_liefertNichts() {
    QVERIFY(!kategorieVorlage(QStringLiteral("Baby-Kleidung")));
    QVERIFY(!kategorieVorlage(QString()));
}

void TestTitel::startKategorie_waehlt_data() {
    QTest::addColumn<QString>("startenMit");
    QTest::addColumn<QString>("art");
    QTest::newRow("CD-Menü") << QStringLiteral("CD / MC / DVD / VHS Video") << QStringLiteral("CD_MC");
    QTest::newRow("Kleidung") << QStringLiteral("Kleidung") << QStringLiteral("Kleidung");
    QTest::newRow("Buch") << QStringLiteral("Buch") << QStringLiteral("Buch");
    QTest::newRow("Buch / Heft") << QStringLiteral("Buch / Heft") << QStringLiteral("Buch");
    QTest::newRow("CD vor Buch") << QStringLiteral("Buch mit CD") << QStringLiteral("CD_MC");
    QTest::newRow("Kleidung nur genau") << QStringLiteral("Kleidung ") << QString();
    QTest::newRow("klein buch") << QStringLiteral("Kinderbuch") << QString();
    QTest::newRow("leer") << QString() << QString();
    QTest::newRow("Blank") << QStringLiteral(" ") << QString();
}

void TestTitel::startKategorie_waehlt() {
    QFETCH(QString, art);
    QCOMPARE(startKategorie(feld<QString>("startenMit")), art);
    if (!art.isEmpty()) {
        QVERIFY(kategorieVorlage(art));
    }
}

QTEST_GUILESS_MAIN(TestTitel)
#include "tst_titel.moc"
