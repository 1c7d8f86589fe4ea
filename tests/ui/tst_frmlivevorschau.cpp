#include "support/FensterTest.h"
#include "ui/LiveVorschau.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmLiveVorschau.h"
#include "ui/frmVorlIni.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSignalSpy>
#include <QTcpServer>

namespace {

// The engine starts its helper processes on first use; on a busy machine that takes a while.
constexpr int kWarten = 30000;

// What a script evaluated in the view answers; invalid when no answer came.
QVariant auswerten(LiveAnsicht& ansicht, const QString& skript) {
    QVariant wert;
    bool fertig = false;
    ansicht.auswerten(skript, [&](const QVariant& antwort) {
        wert = antwort;
        fertig = true;
    });
    if (!QTest::qWaitFor([&] { return fertig; }, kWarten)) {
        qWarning("keine Antwort auf %s", qPrintable(skript));
    }
    return wert;
}

QString seitenText(LiveAnsicht& ansicht) {
    return auswerten(ansicht, QStringLiteral("document.body.innerText")).toString();
}

// Every file below a folder with a hash of its content and its time of change.
QMap<QString, QString> stand(const QString& ordner) {
    QMap<QString, QString> dateien;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        QFile datei(pfad);
        if (datei.open(QIODevice::ReadOnly)) {
            dateien.insert(
                pfad, QString::fromLatin1(
                          QCryptographicHash::hash(datei.readAll(), QCryptographicHash::Sha256).toHex()) +
                          QFileInfo(pfad).lastModified().toString(Qt::ISODateWithMs));
        }
    }
    return dateien;
}

} // namespace

class TestFrmLiveVorschau : public FensterTest {
    Q_OBJECT
public:
    TestFrmLiveVorschau() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void initTestCase();
    void start_laedtKeinenBrowser();
    void platzDaneben_rechtsLinksImmerAufDemSchirm_data();
    void platzDaneben_rechtsLinksImmerAufDemSchirm();
    void oeffnen_nebenHauptfenster_zweiBreiten();
    void titel_erreichtBeideAnsichtenNachDerPause();
    void offenUndGetippt_keineDateiAendertSich();
    void unsichererLink_zaehltImStatus();
    void bilderAus_graueKaestenInBildgroesse();
    void bilderErlaubt_bildTagsBleiben();
    void neuerStand_scrollPositionBleibt();
    void netz_nurHttpsBilderUndNurWennErlaubt();
    void kaputterShopTeil_imStatusOhneMeldung();
    void offenesBuchfenster_zeigtSeineTabelle();
    void ohneBrowserBaustein_meldungStattFenster();

private:
    FrmLiveVorschau& oeffnen();
    void warten(FrmLiveVorschau& fenster, QSignalSpy& gezeigt);
};

void TestFrmLiveVorschau::initTestCase() {
    QCoreApplication::addLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
}

// Runs before any test opens the preview: once loaded, the engine stays in the process.
void TestFrmLiveVorschau::start_laedtKeinenBrowser() {
    QFile karte(QStringLiteral("/proc/self/maps"));
    if (!karte.open(QIODevice::ReadOnly)) {
        QSKIP("Dieses System zeigt die geladenen Bibliotheken nicht");
    }
    QVERIFY(app().frmHaupt().isVisible());
    QVERIFY(!karte.readAll().contains("libQt6WebEngine"));
}

void TestFrmLiveVorschau::platzDaneben_rechtsLinksImmerAufDemSchirm_data() {
    QTest::addColumn<QRect>("neben");
    QTest::addColumn<QSize>("groesse");
    QTest::addColumn<QPoint>("platz");
    const QSize fenster(600, 500);
    QTest::newRow("rechts ist Platz") << QRect(0, 0, 800, 600) << fenster << QPoint(800, 0);
    QTest::newRow("nur links ist Platz") << QRect(1000, 50, 800, 600) << fenster << QPoint(400, 50);
    QTest::newRow("kein Platz: rechts am Rand") << QRect(0, 0, 1360, 740) << fenster << QPoint(1320, 0);
    QTest::newRow("zu tief: nach oben geschoben") << QRect(0, 900, 800, 600) << fenster << QPoint(800, 580);
    QTest::newRow("hoeher als der Schirm: oben")
        << QRect(0, 0, 800, 600) << QSize(600, 2000) << QPoint(800, 0);
    QTest::newRow("breiter als der Schirm: links")
        << QRect(100, 0, 800, 600) << QSize(2500, 500) << QPoint(0, 0);
}

void TestFrmLiveVorschau::platzDaneben_rechtsLinksImmerAufDemSchirm() {
    QFETCH(QRect, neben);
    QFETCH(QSize, groesse);
    QFETCH(QPoint, platz);
    QCOMPARE(PlatzDaneben(neben, groesse, QRect(0, 0, 1920, 1080)), platz);
}

FrmLiveVorschau& TestFrmLiveVorschau::oeffnen() {
    menue(app().frmHaupt(), QStringLiteral("mnuLiveVorschau"));
    FrmLiveVorschau* fenster = app().frmLiveVorschau();
    if (fenster == nullptr) {
        // Every later step would need the window.
        qFatal("Die Live-Vorschau ließ sich nicht öffnen: %s",
               qPrintable(plattform().meldungstexte().join(u' ')));
    }
    return *fenster;
}

void TestFrmLiveVorschau::warten(FrmLiveVorschau& fenster, QSignalSpy& gezeigt) {
    QVERIFY(fenster.isVisible());
    QVERIFY(gezeigt.count() > 0 || gezeigt.wait(kWarten));
    gezeigt.clear();
}

void TestFrmLiveVorschau::oeffnen_nebenHauptfenster_zweiBreiten() {
    menue(app().frmHaupt(), QStringLiteral("mnuLiveVorschau"));
    FrmLiveVorschau* fenster = app().frmLiveVorschau();
    QVERIFY(fenster != nullptr);
    QSignalSpy gezeigt(fenster, &FrmLiveVorschau::gezeigt);
    QVERIFY(gezeigt.wait(kWarten));
    QCOMPARE(fenster->objectName(), QStringLiteral("frmLiveVorschau"));
    QVERIFY(fenster->isVisible());
    auto* bilder = element<QCheckBox>(*fenster, QStringLiteral("chkBilderLaden"));
    QCOMPARE(bilder->text(), QStringLiteral("Bilder aus dem Internet laden"));
    QVERIFY(!bilder->isChecked());
    element<QLabel>(*fenster, QStringLiteral("lblLiveStatus"));
    QCOMPARE(fenster->webHandy().widget()->objectName(), QStringLiteral("webHandy"));
    QCOMPARE(fenster->webDesktop().widget()->objectName(), QStringLiteral("webDesktop"));
    QCOMPARE(auswerten(fenster->webHandy(), QStringLiteral("window.innerWidth")).toInt(), 360);
    QCOMPARE(auswerten(fenster->webDesktop(), QStringLiteral("window.innerWidth")).toInt(), 1000);
    // Side by side: the desktop view right of the phone view, neither covering the other.
    const QRect handy = fenster->webHandy().widget()->geometry();
    const QRect desktop = fenster->webDesktop().widget()->geometry();
    QVERIFY(handy.right() < desktop.left());
    // A second choice of the entry shows the same window again.
    menue(app().frmHaupt(), QStringLiteral("mnuLiveVorschau"));
    QCOMPARE(app().frmLiveVorschau(), fenster);
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmLiveVorschau::titel_erreichtBeideAnsichtenNachDerPause() {
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    const QString titel = QStringLiteral("Zauberhafte Teekanne aus Meißen");
    QVERIFY(!seitenText(fenster.webHandy()).contains(titel));
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(QStringLiteral("Zauberhafte"));
    QTest::qWait(100);
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(titel);
    // Typing goes on: nothing is rebuilt until the pause after the last change.
    QVERIFY(!gezeigt.wait(FrmLiveVorschau::kVerzoegerungMs - 100));
    QVERIFY(gezeigt.wait(kWarten));
    QCOMPARE(gezeigt.count(), 1);
    QVERIFY(seitenText(fenster.webHandy()).contains(titel));
    QVERIFY(seitenText(fenster.webDesktop()).contains(titel));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmLiveVorschau::offenUndGetippt_keineDateiAendertSich() {
    const QMap<QString, QString> vorher = stand(ordner().programmordner());
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(QStringLiteral("Ein Titel"));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("Eine Beschreibung"));
    warten(fenster, gezeigt);
    QCOMPARE(stand(ordner().programmordner()), vorher);
    QCOMPARE(app().zustand().listingText, QString());
}

void TestFrmLiveVorschau::unsichererLink_zaehltImStatus() {
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    auto* status = element<QLabel>(fenster, QStringLiteral("lblLiveStatus"));
    QVERIFY(!status->text().contains(QStringLiteral("Fehler")));
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))
        ->setText(QStringLiteral("<a href=\"http://leseratte.de/\">Mehr</a>"));
    warten(fenster, gezeigt);
    QVERIFY2(status->text().contains(QStringLiteral("Prüfung: 1 Fehler")), qPrintable(status->text()));
    QVERIFY(plattform().fenster.isEmpty());
}

void TestFrmLiveVorschau::bilderAus_graueKaestenInBildgroesse() {
    haupt<QLineEdit>(QStringLiteral("txtEbayBildPfad"))->setText(QStringLiteral("tasse.jpg"));
    haupt<QComboBox>(QStringLiteral("txtBildLaenge"))->setCurrentText(QStringLiteral("300"));
    haupt<QComboBox>(QStringLiteral("txtBildHohe"))->setCurrentText(QStringLiteral("200"));
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    for (LiveAnsicht* ansicht : {&fenster.webHandy(), &fenster.webDesktop()}) {
        QCOMPARE(auswerten(*ansicht, QStringLiteral("document.images.length")).toInt(), 0);
        QVERIFY(
            auswerten(*ansicht, QStringLiteral("document.querySelectorAll('.kori-bild').length")).toInt() >
            0);
    }
    // The desktop page is wide enough for the picture's own size.
    const QString kasten = QStringLiteral("(function(){var r=document.querySelector('.kori-bild')"
                                          ".getBoundingClientRect();return [r.width,r.height];})()");
    QCOMPARE(auswerten(fenster.webDesktop(), kasten).toList(), QVariantList({300, 200}));
}

void TestFrmLiveVorschau::bilderErlaubt_bildTagsBleiben() {
    haupt<QLineEdit>(QStringLiteral("txtEbayBildPfad"))->setText(QStringLiteral("tasse.jpg"));
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    element<QCheckBox>(fenster, QStringLiteral("chkBilderLaden"))->setChecked(true);
    warten(fenster, gezeigt);
    QVERIFY(auswerten(fenster.webHandy(), QStringLiteral("document.images.length")).toInt() > 0);
    QCOMPARE(auswerten(fenster.webHandy(), QStringLiteral("document.querySelectorAll('.kori-bild').length"))
                 .toInt(),
             0);
}

void TestFrmLiveVorschau::neuerStand_scrollPositionBleibt() {
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))
        ->setText(QStringLiteral("Eine lange Beschreibung<br>\r\n").repeated(300));
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    auswerten(fenster.webHandy(), QStringLiteral("window.scrollTo(0, 900)"));
    auswerten(fenster.webDesktop(), QStringLiteral("window.scrollTo(0, 400)"));
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(QStringLiteral("Neuer Titel"));
    warten(fenster, gezeigt);
    QVERIFY(seitenText(fenster.webHandy()).contains(QStringLiteral("Neuer Titel")));
    QCOMPARE(auswerten(fenster.webHandy(), QStringLiteral("window.scrollY")).toInt(), 900);
    QCOMPARE(auswerten(fenster.webDesktop(), QStringLiteral("window.scrollY")).toInt(), 400);
}

namespace {

// A server on this machine that counts who knocks; an https request knocks too, with its TLS
// greeting, whatever the engine then makes of the answer.
class Zaehler final : public QTcpServer {
public:
    Zaehler() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* verbindung = nextPendingConnection()) {
                ++anfragen;
                verbindung->close();
            }
        });
    }
    QString adresse(const QString& schema, const QString& datei) const {
        return schema + QStringLiteral("://127.0.0.1:") + QString::number(serverPort()) + QLatin1Char('/') +
               datei;
    }
    int anfragen = 0;
};

} // namespace

void TestFrmLiveVorschau::netz_nurHttpsBilderUndNurWennErlaubt() {
    Zaehler bild;
    Zaehler sonst;
    QVERIFY(bild.isListening() && sonst.isListening());
    const QString http = QStringLiteral("http");
    const QString https = QStringLiteral("https");
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))
        ->setText(QStringLiteral("<link rel=\"stylesheet\" href=\"") +
                  sonst.adresse(http, QStringLiteral("s.css")) + QStringLiteral("\"><script src=\"") +
                  sonst.adresse(https, QStringLiteral("s.js")) + QStringLiteral("\"></script><img src=\"") +
                  sonst.adresse(http, QStringLiteral("alt.jpg")) + QStringLiteral("\"><iframe src=\"") +
                  sonst.adresse(https, QStringLiteral("r.html")) +
                  QStringLiteral("\"></iframe><div style=\"width:50px;height:50px;background:url(") +
                  bild.adresse(https, QStringLiteral("hinten.jpg")) + QStringLiteral(")\"></div>"));
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    QTest::qWait(500);
    QCOMPARE(bild.anfragen, 0);
    element<QCheckBox>(fenster, QStringLiteral("chkBilderLaden"))->setChecked(true);
    warten(fenster, gezeigt);
    QTRY_VERIFY_WITH_TIMEOUT(bild.anfragen > 0, kWarten);
    QTest::qWait(500);
    // Style sheets, scripts, frames and pictures over plain http never reach the network.
    QCOMPARE(sonst.anfragen, 0);
}

void TestFrmLiveVorschau::kaputterShopTeil_imStatusOhneMeldung() {
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    element<RichTextFeld>(app().frmVorlIni(), QStringLiteral("html_shop"))
        ->setText(QStringLiteral("<a href=\"http://stores.ebay.de/merchant/\">Shop</a>"));
    element<QCheckBox>(app().frmEinstell(), QStringLiteral("chkSchopJa"))->setChecked(true);
    auto* status = element<QLabel>(fenster, QStringLiteral("lblLiveStatus"));
    QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QStringLiteral("\"nichtloeschen\"")), kWarten);
    QVERIFY(plattform().fenster.isEmpty());
    QVERIFY(!app().zustand().shopLinkFehler);
    // Mended, the listing is shown again and the status says so.
    element<QCheckBox>(app().frmEinstell(), QStringLiteral("chkSchopJa"))->setChecked(false);
    warten(fenster, gezeigt);
    QVERIFY(status->text().startsWith(QStringLiteral("Beschreibung mit ")));
}

void TestFrmLiveVorschau::offenesBuchfenster_zeigtSeineTabelle() {
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    FrmBuch& buch = app().frmBuch();
    buch.show();
    element<QLineEdit>(buch, QStringLiteral("Text2_0"))->setText(QStringLiteral("Verlag Sonnenschein"));
    element<QCheckBox>(buch, QStringLiteral("Chk1"))->setChecked(true);
    warten(fenster, gezeigt);
    QVERIFY(seitenText(fenster.webDesktop()).contains(QStringLiteral("Verlag Sonnenschein")));
    // Closed without saving, the book's table is not part of the listing.
    buch.hide();
    warten(fenster, gezeigt);
    QVERIFY(!seitenText(fenster.webDesktop()).contains(QStringLiteral("Verlag Sonnenschein")));
}

void TestFrmLiveVorschau::ohneBrowserBaustein_meldungStattFenster() {
    QCoreApplication::removeLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
    menue(app().frmHaupt(), QStringLiteral("mnuLiveVorschau"));
    QCoreApplication::addLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.at(0).text.startsWith(
        QStringLiteral("Die Live-Vorschau kann nicht geöffnet werden")));
    // Once the engine is there, the entry opens the window.
    QVERIFY(app().frmLiveVorschau() != nullptr);
}

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication anwendung(argc, argv);
    TestFrmLiveVorschau test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmlivevorschau.moc"
