#include "support/Exif.h"
#include "support/FensterTest.h"
#include "ui/BildFeld.h"
#include "ui/FotoBedienung.h"
#include "ui/Hintergrundauftrag.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmVorlSpeichern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

struct Reihe {
    const char* schalter;
    const char* datei;
    const char* breite;
    const char* bild;
};

const Reihe kReihen[5] = {
    {"chkBil1JaNEin", "txtEbayBildPfad", "txtBildLaenge", "picFoto1"},
    {"chkBil2JaNEin", "txtEbayBildPfad_b", "txtBildLaenge_b", "picFoto2"},
    {"chkBil3JaNEin", "txtEbayBildPfad2", "txtBildLaenge2", "picFoto3"},
    {"chkBil4JaNEin", "txtEbayBildPfad2_b", "txtBildLaenge2_b", "picFoto4"},
    {"chkBil5JaNEin", "txtEbayBildPfad2_c", "txtBildLaenge2_c", "picFoto5"},
};

QByteArray pruefsumme(const QString& pfad) {
    QFile datei(pfad);
    datei.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(datei.readAll(), QCryptographicHash::Sha256);
}

} // namespace

// A started program showing its picture page, with photos the tests make.
class TestFotoBedienung : public FensterTest {
    Q_OBJECT
public:
    TestFotoBedienung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void initTestCase();
    void init();

    void ablegen_fuelltDieZeileWieSuchen_data();
    void ablegen_fuelltDieZeileWieSuchen();
    void ablegen_mehrere_fuellenDieFreienZeilenDanach();
    void ablegen_keinBild_meldungUndZeileBleibt_data();
    void ablegen_keinBild_meldungUndZeileBleibt();

    void vorbereiten_kamerafoto_aufrechtVerkleinertOhneMetadaten();
    void vorbereiten_namen_data();
    void vorbereiten_namen();
    void vorbereiten_untauglicherName_meldungOhneKopie_data();
    void vorbereiten_untauglicherName_meldungOhneKopie();
    void vorbereiten_unlesbaresFoto_wirdGenannt();
    void vorbereiten_zweiterDruck_tutNichtsUndFensterBleibtBedienbar();

    void pruefung_kleinesFoto_befundImSpeicherfenster_data();
    void pruefung_kleinesFoto_befundImSpeicherfenster();

private:
    template <class T> T* el(const char* name) const { return haupt<T>(QLatin1String(name)); }
    static const Reihe& reihe(int n) { return kReihen[n - 1]; }
    QString name(int n) const { return el<QLineEdit>(reihe(n).datei)->text(); }
    QString jpeg(const QString& datei, int breite, int hoehe) const {
        return foto(ordner(), datei, breite, hoehe);
    }
    void einstellen(const char* feld, const QString& wert) const {
        element<QLineEdit>(app().frmEinstell(), QLatin1String(feld))->setText(wert);
    }
    static bool ablegen(QWidget* ziel, const QStringList& pfade) { return dateienAblegen(ziel, pfade); }
    bool ablegen(int zeile, const QStringList& pfade) const {
        return ablegen(el<QWidget>(reihe(zeile).bild), pfade);
    }
    // Presses the button with the mouse and waits until the photos are written.
    void vorbereiten();
    QString kopie(const QString& datei) const {
        return ordner().daten(QStringLiteral("Fotos-Hochladen/") + datei);
    }
};

void TestFotoBedienung::initTestCase() {
    QCoreApplication::addLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
}

void TestFotoBedienung::init() {
    FensterTest::init();
    einstellen("txtBildLaengeEinstellWert", QStringLiteral("400"));
    seite(QStringLiteral("Bilder"));
    QVERIFY(aktivieren(app().frmHaupt()));
    plattform().vergessen();
}

void TestFotoBedienung::vorbereiten() {
    QSignalSpy fertig(&app().frmHaupt().fotos().auftrag(), &Hintergrundauftrag::beendet);
    QTest::mouseClick(el<QPushButton>("cmdFotosVorbereiten"), Qt::LeftButton);
    if (app().frmHaupt().fotos().auftrag().laeuft()) {
        QVERIFY(fertig.wait(60000));
    }
}

void TestFotoBedienung::ablegen_fuelltDieZeileWieSuchen_data() {
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("steuerelement");
    QTest::newRow("Vorschau der Zeile 1") << 1 << "picFoto1";
    QTest::newRow("Dateiname der Zeile 3") << 3 << "txtEbayBildPfad2";
    QTest::newRow("Suchen-Knopf der ausgeschalteten Zeile 2") << 2 << "cmdSuchenBildOben2";
    QTest::newRow("Eingabe der Breite, Zeile 5") << 5 << "txtBildLaenge2_c";
}

void TestFotoBedienung::ablegen_fuelltDieZeileWieSuchen() {
    QFETCH(int, zeile);
    QFETCH(QString, steuerelement);
    const QString pfad = jpeg(QStringLiteral("stiller-see.jpg"), 1600, 1200);
    QWidget* ziel = haupt<QWidget>(steuerelement);
    // On a combo box the mouse is over its text field.
    if (auto* box = qobject_cast<QComboBox*>(ziel)) {
        ziel = box->lineEdit();
    }
    QVERIFY(ablegen(ziel, {pfad}));
    QVERIFY(el<QCheckBox>(reihe(zeile).schalter)->isChecked());
    QCOMPARE(name(zeile), QStringLiteral("stiller-see.jpg"));
    QCOMPARE(app().zustand().bildPfade.at(static_cast<std::size_t>(zeile - 1)), pfad);
    QCOMPARE(app().zustand().letzteBilddatei, pfad);
    QVERIFY(el<BildFeld>(reihe(zeile).bild)->hatBild());
    QCOMPARE(el<QComboBox>(reihe(zeile).breite)->currentText(), QStringLiteral("400"));
    QCOMPARE(app().zustand().vorschauBreite.at(static_cast<std::size_t>(zeile - 1)), 1300);
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFotoBedienung::ablegen_mehrere_fuellenDieFreienZeilenDanach() {
    const QString besetzt = jpeg(QStringLiteral("c.jpg"), 800, 600);
    QVERIFY(ablegen(3, {besetzt}));
    const QStringList fotos{
        jpeg(QStringLiteral("a1.jpg"), 800, 600), jpeg(QStringLiteral("a2.jpg"), 800, 600),
        jpeg(QStringLiteral("a3.jpg"), 800, 600), jpeg(QStringLiteral("a4.jpg"), 800, 600)};
    QVERIFY(ablegen(2, fotos));
    QCOMPARE((QStringList{name(1), name(2), name(3), name(4), name(5)}),
             (QStringList{QString(), QStringLiteral("a1.jpg"), QStringLiteral("c.jpg"),
                          QStringLiteral("a2.jpg"), QStringLiteral("a3.jpg")}));
    QCOMPARE(app().zustand().bildPfade[2], besetzt);
    for (int n : {2, 4, 5}) {
        QVERIFY(el<QCheckBox>(reihe(n).schalter)->isChecked());
    }
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("Für diese Fotos ist keine Bildzeile mehr frei:\r\n") + fotos[3]});
}

void TestFotoBedienung::ablegen_keinBild_meldungUndZeileBleibt_data() {
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("Text mit Bildendung") << "notiz.jpg" << QByteArray("kein Bild");
    QTest::newRow("fehlende Datei") << "weg.jpg" << QByteArray();
    QTest::newRow("Adresse im Internet") << "https://bilder.de/a.jpg" << QByteArray();
}

void TestFotoBedienung::ablegen_keinBild_meldungUndZeileBleibt() {
    QFETCH(QString, datei);
    QFETCH(QByteArray, inhalt);
    const QString gut = jpeg(QStringLiteral("gut.jpg"), 1600, 1200);
    QVERIFY(ablegen(1, {gut}));
    QString pfad = datei;
    if (!datei.contains(QLatin1String("://"))) {
        pfad = ordner().daten(QStringLiteral("fotos/") + datei);
        if (!datei.startsWith(QLatin1String("weg"))) {
            ordner().schreiben(QStringLiteral("fotos/") + datei, inhalt);
        }
    }
    QVERIFY(ablegen(1, {pfad}));
    QCOMPARE(name(1), QStringLiteral("gut.jpg"));
    QCOMPARE(app().zustand().bildPfade[0], gut);
    QCOMPARE(app().zustand().letzteBilddatei, gut);
    QCOMPARE(el<BildFeld>("picFoto1")->natuerlicheBreite(), 1600);
    QCOMPARE(plattform().meldungstexte(),
             QStringList{
                 QStringLiteral("Diese Dateien sind keine lesbaren Bilder und wurden nicht übernommen:\r\n") +
                 pfad});
}

void TestFotoBedienung::vorbereiten_kamerafoto_aufrechtVerkleinertOhneMetadaten() {
    const QString original = jpeg(QStringLiteral("IMG_0001.JPG"), 2400, 1600);
    kameraExifSetzen(original, 6);
    const QByteArray vorher = pruefsumme(original);
    QVERIFY(ablegen(1, {original}));
    el<QLineEdit>("txtEbayBildPfad")->setText(QStringLiteral("buch-vorne.jpg"));
    einstellen("txtFotoKante", QStringLiteral("1200"));
    vorbereiten();

    const QImage bild(kopie(QStringLiteral("buch-vorne.jpg")));
    QCOMPARE(bild.size(), QSize(800, 1200));
    QCOMPARE(metadatenGruppen(exifLesen(kopie(QStringLiteral("buch-vorne.jpg")))), QStringList());
    QCOMPARE(pruefsumme(original), vorher);
    QCOMPARE(ordner().dateien(QStringLiteral("Fotos-Hochladen")),
             QStringList{QStringLiteral("buch-vorne.jpg")});
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("1 Kopie zum Hochladen wurde geschrieben, in:\r\n") +
                         QDir::toNativeSeparators(ordner().daten(QStringLiteral("Fotos-Hochladen")))});
    const auto* balken = el<QProgressBar>("prgFotos");
    QVERIFY(balken->isVisible());
    QCOMPARE(balken->maximum(), 1);
    QCOMPARE(balken->value(), 1);
}

void TestFotoBedienung::vorbereiten_namen_data() {
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("kopie");
    QTest::newRow("ohne Namen: vorgeschlagen") << ""
                                               << "effi-briest-fontane-1.jpg";
    QTest::newRow("nur Blanks: vorgeschlagen") << "   "
                                               << "effi-briest-fontane-1.jpg";
    QTest::newRow("getippter Name bleibt") << "mein-foto.JPG"
                                           << "mein-foto.JPG";
}

void TestFotoBedienung::vorbereiten_namen() {
    QFETCH(QString, getippt);
    QFETCH(QString, kopie);
    el<QCheckBox>("chkArtBezAutom")->setChecked(false);
    QVERIFY(ablegen(1, {jpeg(QStringLiteral("IMG_0002.JPG"), 900, 600)}));
    el<QLineEdit>("txtArtikelBez")->setText(QStringLiteral("Effi Briest, Fontane"));
    el<QLineEdit>("txtEbayBildPfad")->setText(getippt);
    vorbereiten();
    QCOMPARE(name(1), kopie);
    QCOMPARE(ordner().dateien(QStringLiteral("Fotos-Hochladen")), QStringList{kopie});
}

void TestFotoBedienung::vorbereiten_untauglicherName_meldungOhneKopie_data() {
    QTest::addColumn<QString>("name1");
    QTest::addColumn<QString>("name3");
    QTest::addColumn<QString>("zeile");
    QTest::newRow("Ordner im Namen") << "../weg.jpg"
                                     << "b.jpg"
                                     << "Bild 1: „../weg.jpg“";
    QTest::newRow("GIF-Name") << "a.jpg"
                              << "b.gif"
                              << "Bild 3: „b.gif“";
    QTest::newRow("zweimal derselbe Name") << "a.jpg"
                                           << "A.jpg"
                                           << "Bild 3: „A.jpg“ (schon bei einem anderen Bild)";
}

void TestFotoBedienung::vorbereiten_untauglicherName_meldungOhneKopie() {
    QFETCH(QString, name1);
    QFETCH(QString, name3);
    QFETCH(QString, zeile);
    QVERIFY(ablegen(1, {jpeg(QStringLiteral("x.jpg"), 900, 600)}));
    QVERIFY(ablegen(3, {jpeg(QStringLiteral("y.jpg"), 900, 600)}));
    el<QLineEdit>("txtEbayBildPfad")->setText(name1);
    el<QLineEdit>("txtEbayBildPfad2")->setText(name3);
    plattform().vergessen();
    vorbereiten();
    QCOMPARE(plattform().meldungstexte(),
             QStringList{
                 QStringLiteral("Diese Dateinamen taugen nicht für die Kopien zum Hochladen:\r\n") + zeile +
                 QStringLiteral("\r\n\r\nJedes Bild braucht einen eigenen Namen ohne Ordner, der auf .jpg "
                                "endet.")});
    QCOMPARE(ordner().dateien(QStringLiteral("Fotos-Hochladen")), QStringList());
    QVERIFY(!QFileInfo::exists(ordner().daten(QStringLiteral("weg.jpg"))));
}

void TestFotoBedienung::vorbereiten_unlesbaresFoto_wirdGenannt() {
    QVERIFY(ablegen(1, {jpeg(QStringLiteral("gut.jpg"), 900, 600)}));
    const QString kaputt = jpeg(QStringLiteral("kaputt.jpg"), 900, 600);
    QVERIFY(ablegen(3, {kaputt}));
    ordner().schreiben(QStringLiteral("fotos/kaputt.jpg"), QByteArray("nicht mehr"));
    plattform().vergessen();
    vorbereiten();
    QCOMPARE(ordner().dateien(QStringLiteral("Fotos-Hochladen")), QStringList{QStringLiteral("gut.jpg")});
    const QStringList texte = plattform().meldungstexte();
    QCOMPARE(texte.size(), 1);
    QVERIFY2(texte[0].startsWith(QLatin1String("1 Kopie zum Hochladen wurde geschrieben")),
             qPrintable(texte[0]));
    QVERIFY(texte[0].endsWith(QStringLiteral("Diese Fotos konnten nicht gelesen werden:\r\n") + kaputt));
}

void TestFotoBedienung::vorbereiten_zweiterDruck_tutNichtsUndFensterBleibtBedienbar() {
    QStringList fotos;
    for (int n = 1; n <= 3; ++n) {
        fotos.append(jpeg(QStringLiteral("gross%1.jpg").arg(n), 4000, 3000));
    }
    QVERIFY(ablegen(1, fotos));
    plattform().vergessen();
    auto& auftrag = app().frmHaupt().fotos().auftrag();
    QSignalSpy fertig(&auftrag, &Hintergrundauftrag::beendet);
    QTest::mouseClick(el<QPushButton>("cmdFotosVorbereiten"), Qt::LeftButton);
    QVERIFY(auftrag.laeuft());
    QTest::mouseClick(el<QPushButton>("cmdFotosVorbereiten"), Qt::LeftButton);
    menue(app().frmHaupt(), QStringLiteral("mnuFotosVorbereiten"));
    seite(QStringLiteral("Beschreibung"));
    QLineEdit* titel = el<QLineEdit>("txtTitel");
    QTest::mouseClick(titel, Qt::LeftButton);
    QTest::keyClicks(titel, QStringLiteral("Roman"));
    QCOMPARE(titel->text(), QStringLiteral("Roman"));
    QVERIFY(auftrag.laeuft());
    QVERIFY(fertig.wait(60000));
    QCOMPARE(fertig.size(), 1);
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(ordner().dateien(QStringLiteral("Fotos-Hochladen")),
             (QStringList{QStringLiteral("gross1.jpg"), QStringLiteral("gross2.jpg"),
                          QStringLiteral("gross3.jpg")}));
    QCOMPARE(QImage(kopie(QStringLiteral("gross2.jpg"))).size(), QSize(1600, 1200));
}

void TestFotoBedienung::pruefung_kleinesFoto_befundImSpeicherfenster_data() {
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QString>("kante");
    QTest::addColumn<QStringList>("zeilen");
    const QString klein =
        QStringLiteral("Fehler: Foto zu klein für den Marktplatz (unter 500 Pixel) – Bild 1");
    const QString hinweis = QStringLiteral("Hinweis: Foto kleiner als empfohlen (unter 1000 Pixel) – Bild 1");
    QTest::newRow("400 Pixel") << QSize(400, 300) << "1600" << QStringList{klein};
    QTest::newRow("Hochformat 800 Pixel") << QSize(600, 800) << "1600" << QStringList{hinweis};
    QTest::newRow("gross, aber die Kopie klein") << QSize(1600, 1200) << "450" << QStringList{klein};
}

void TestFotoBedienung::pruefung_kleinesFoto_befundImSpeicherfenster() {
    QFETCH(QSize, groesse);
    QFETCH(QString, kante);
    QFETCH(QStringList, zeilen);
    QVERIFY(ablegen(1, {jpeg(QStringLiteral("a.jpg"), groesse.width(), groesse.height())}));
    // A switched-off row's photo is not part of the listing.
    QVERIFY(ablegen(3, {jpeg(QStringLiteral("winzig.jpg"), 100, 100)}));
    el<QCheckBox>("chkBil3JaNEin")->setChecked(false);
    einstellen("txtFotoKante", kante);
    app().zustand().listingText = QStringLiteral("<img src=\"https://bilder.de/a.jpg\">");
    app().zustand().listingHerkunft = {{0, app().zustand().listingText.size(), QStringLiteral("Bild 1")}};
    app().frmVorlSpeichern().nachFertigstellenZeigen(QStringLiteral("1,85"),
                                                     QStringLiteral("Deutsche Post-unversichert"));
    QStringList texte;
    const auto* liste = element<QListWidget>(app().frmVorlSpeichern(), QStringLiteral("lstPruefung"));
    for (int i = 0; i < liste->count(); ++i) {
        texte.append(liste->item(i)->text());
    }
    QCOMPARE(texte, zeilen);
}

QTEST_MAIN(TestFotoBedienung)
#include "tst_fotobedienung.moc"
