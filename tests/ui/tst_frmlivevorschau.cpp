#include "support/FensterTest.h"
#include "ui/LiveVorschau.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmLiveVorschau.h"
#include "ui/frmVorlIni.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTcpServer>
#include <QWheelEvent>

#include <utility>

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

// A server on this machine that counts who knocks; an https request knocks too, with its TLS
// greeting, whatever the engine then makes of the answer. A stalling server never answers and
// keeps every connection open, as a picture host does that hangs.
class Zaehler final : public QTcpServer {
public:
    explicit Zaehler(bool stockt = false) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this, stockt] {
            while (QTcpSocket* verbindung = nextPendingConnection()) {
                ++anfragen;
                if (!stockt) {
                    verbindung->close();
                }
            }
        });
    }
    QString adresse(const QString& schema, const QString& datei) const {
        return schema + QStringLiteral("://127.0.0.1:") + QString::number(serverPort()) + QLatin1Char('/') +
               datei;
    }
    int anfragen = 0;
};

// Turns the mouse wheel over a view, as the seller scrolls; the position in CSS pixels once the
// page has come to rest, 0 when it never moved.
int rollen(LiveAnsicht& ansicht, int rasten) {
    QWidget* flaeche = ansicht.widget()->focusProxy();
    const QPoint mitte = flaeche->rect().center();
    // The engine takes the wheel only over a page it knows the mouse is on.
    QTest::mouseMove(flaeche, mitte);
    QTest::qWait(200);
    for (int i = 0; i < rasten; ++i) {
        QWheelEvent rad(mitte, flaeche->mapToGlobal(mitte), QPoint(),
                        QPoint(0, -QWheelEvent::DefaultDeltasPerStep), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(flaeche, &rad);
        QTest::qWait(50);
    }
    int vorher = -1;
    int jetzt = 0;
    const bool ruht = QTest::qWaitFor(
        [&] {
            QTest::qWait(100);
            jetzt = auswerten(ansicht, QStringLiteral("scrollY")).toInt();
            return jetzt > 0 && std::exchange(vorher, jetzt) == jetzt;
        },
        kWarten);
    return ruht ? jetzt : 0;
}

// Where both views stand, read again and again until both show the latest rebuild; nothing when
// they never do.
QPair<QSet<int>, QSet<int>> stellenBisGezeigt(FrmLiveVorschau& fenster, QSignalSpy& gezeigt) {
    QPair<QSet<int>, QSet<int>> stellen;
    const bool gekommen = QTest::qWaitFor(
        [&] {
            stellen.first.insert(auswerten(fenster.webHandy(), QStringLiteral("scrollY")).toInt());
            stellen.second.insert(auswerten(fenster.webDesktop(), QStringLiteral("scrollY")).toInt());
            return gezeigt.count() > 0;
        },
        kWarten);
    gezeigt.clear();
    return gekommen ? stellen : QPair<QSet<int>, QSet<int>>();
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
    void neuerStand_scrollPositionBleibt_data();
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

void TestFrmLiveVorschau::neuerStand_scrollPositionBleibt_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<bool>("bildStockt");
    QTest::newRow("Titel") << QStringLiteral("txtTitel") << false;
    QTest::newRow("Beschreibung") << QStringLiteral("rtfInhalt") << false;
    QTest::newRow("Titel, Bild lädt noch") << QStringLiteral("txtTitel") << true;
    QTest::newRow("Beschreibung, Bild lädt noch") << QStringLiteral("rtfInhalt") << true;
}

void TestFrmLiveVorschau::neuerStand_scrollPositionBleibt() {
    QFETCH(QString, feld);
    QFETCH(bool, bildStockt);
    Zaehler bildserver(true);
    const QString bild = QStringLiteral("<img src=\"") +
                         bildserver.adresse(QStringLiteral("https"), QStringLiteral("a.jpg")) +
                         QStringLiteral("\" width=\"300\" height=\"200\"><br>\r\n");
    haupt<RichTextFeld>(QStringLiteral("rtfInhalt"))
        ->setText((bildStockt ? bild : QString()) +
                  QStringLiteral("Eine lange Beschreibung<br>\r\n").repeated(300));
    FrmLiveVorschau& fenster = oeffnen();
    QSignalSpy gezeigt(&fenster, &FrmLiveVorschau::gezeigt);
    warten(fenster, gezeigt);
    const QPair<QSet<int>, QSet<int>> stand{{rollen(fenster.webHandy(), 10)},
                                            {rollen(fenster.webDesktop(), 6)}};
    QVERIFY(!stand.first.contains(0) && !stand.second.contains(0));
    if (bildStockt) {
        auto* bilder = element<QCheckBox>(fenster, QStringLiteral("chkBilderLaden"));
        QVERIFY(aktivieren(fenster));
        QTest::mouseClick(bilder, Qt::LeftButton, {}, QPoint(bilder->height() / 2, bilder->height() / 2));
        QVERIFY(bilder->isChecked());
        warten(fenster, gezeigt);
        QCOMPARE(auswerten(fenster.webHandy(), QStringLiteral("scrollY")).toInt(), *stand.first.begin());
        QCOMPARE(auswerten(fenster.webDesktop(), QStringLiteral("scrollY")).toInt(), *stand.second.begin());
        // The picture is asked for and never comes: the page stays loading.
        QTRY_VERIFY_WITH_TIMEOUT(bildserver.anfragen > 0, kWarten);
    }
    FrmHaupt& haupt = app().frmHaupt();
    QVERIFY(aktivieren(haupt));
    if (element<QTabWidget>(haupt, QStringLiteral("SSTab1"))->isAncestorOf(element<QWidget>(haupt, feld))) {
        seiteMit(feld);
    }
    auto* ziel = element<QWidget>(haupt, feld);
    auto* flaeche = qobject_cast<QAbstractScrollArea*>(ziel);
    QTest::mouseClick(flaeche != nullptr ? flaeche->viewport() : ziel, Qt::LeftButton);
    QTest::keyClick(ziel, Qt::Key_End, Qt::ControlModifier);
    // One rebuild after each letter; not one moment in between may show another place.
    for (const QChar buchstabe : QStringLiteral("Kori")) {
        QTest::keyClick(ziel, buchstabe.toLatin1());
        QCOMPARE(stellenBisGezeigt(fenster, gezeigt), stand);
    }
    QVERIFY(seitenText(fenster.webHandy()).contains(QStringLiteral("Kori")));
    QVERIFY(seitenText(fenster.webDesktop()).contains(QStringLiteral("Kori")));
    QVERIFY(plattform().fenster.isEmpty());
}

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
