#include "compose/BekannteServer.h"
#include "compose/Hochladen.h"
#include "support/FensterTest.h"
#include "support/SshServer.h"
#include "ui/FotoBedienung.h"
#include "ui/FotoHochladen.h"
#include "ui/Hintergrundauftrag.h"
#include "ui/HochladenBedienung.h"
#include "ui/frmEinstell.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// "Fotos hochladen" on the pictures page of a started program, against a real OpenSSH server.
class TestHochladenBedienung : public FensterTest {
    Q_OBJECT
public:
    TestHochladenBedienung() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void initTestCase();
    void init();
    void zweiFotos_nachDemFingerabdruck_kommenAn();
    void abbrechen_mitDemKnopf_nichtsUnterEchtemNamen();
    void fehlendeKopie_nenntDieZeileUndSendetNichts();
    void ohneBrauchbaresZiel_gesperrtMitGrund();

private:
    template <class T> T* el(const char* name) const { return haupt<T>(QLatin1String(name)); }
    FotoHochladen& hochladen() const { return app().frmHaupt().hochladen().hochladen(); }
    // Puts the target into the settings and saves them with the mouse.
    void zielSpeichern(const QString& ziel) const;
    // Waits for the end of the upload; its result.
    bool ende(QSignalSpy& fertig) const;
    QString kopie(const QString& name) const {
        return ordner().daten(QStringLiteral("Fotos-Hochladen/") + name);
    }
    QStringList dort() const { return QDir(m_ordner).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QTemporaryDir m_heim;
    std::unique_ptr<SshServer> m_server;
    QString m_ordner;
};

void TestHochladenBedienung::initTestCase() {
    if (!SshServer::vorhanden()) {
        QSKIP("OpenSSH's server (openssh-server) is not installed");
    }
    QCoreApplication::addLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
    // The program takes its keys from the home folder when its main window is made.
    const QString fehler = sshMitHeimStarten(m_server, m_heim);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TestHochladenBedienung::init() {
    FensterTest::init();
    m_ordner = m_server->ordner(QString::fromLatin1(QTest::currentTestFunction()) +
                                QString::fromLatin1(QTest::currentDataTag()).remove(QLatin1Char(' ')));
    seite(QStringLiteral("Bilder"));
    QVERIFY(aktivieren(app().frmHaupt()));
    plattform().vergessen();
}

void TestHochladenBedienung::zielSpeichern(const QString& ziel) const {
    menue(app().frmHaupt(), QStringLiteral("mnuEinstBearb"));
    element<QLineEdit>(app().frmEinstell(), QStringLiteral("txtHochladenZiel"))->setText(ziel);
    klicken(app().frmEinstell(), QStringLiteral("cmdEinstelSpeichern"));
    app().frmEinstell().close();
}

bool TestHochladenBedienung::ende(QSignalSpy& fertig) const {
    [&]() { QTRY_COMPARE_WITH_TIMEOUT(fertig.count(), 1, 60000); }();
    return fertig.count() == 1 && !hochladen().laeuft() && fertig.at(0).at(0).toBool();
}

void TestHochladenBedienung::zweiFotos_nachDemFingerabdruck_kommenAn() {
    zielSpeichern(m_server->ziel(m_ordner));
    QVERIFY(
        dateienAblegen(el<QWidget>("picFoto1"), {foto(ordner(), QStringLiteral("see.jpg"), 1600, 1200),
                                                 foto(ordner(), QStringLiteral("ufer.jpg"), 1200, 1600)}));
    QSignalSpy vorbereitet(&app().frmHaupt().fotos().auftrag(), &Hintergrundauftrag::beendet);
    klicken(QStringLiteral("cmdFotosVorbereiten"));
    QVERIFY(!el<QPushButton>("cmdFotosHochladen")->isEnabled());
    QVERIFY(vorbereitet.wait(60000));
    plattform().vergessen();

    QSignalSpy fertig(&hochladen(), &FotoHochladen::fertig);
    plattform().antworten.enqueue(Plattform::Antwort::Ja);
    klicken(QStringLiteral("cmdFotosHochladen"));
    QVERIFY(hochladen().laeuft());
    QVERIFY(el<QPushButton>("cmdFotosAbbrechen")->isVisible());
    QVERIFY(!el<QPushButton>("cmdFotosVorbereiten")->isEnabled());
    klicken(QStringLiteral("cmdFotosHochladen"));
    // The window stays usable while the photos go out.
    hineinklicken(app().frmHaupt(), QStringLiteral("txtEbayBildPfad2"));
    tippen(QStringLiteral("rueckseite.jpg"));
    QCOMPARE(el<QLineEdit>("txtEbayBildPfad2")->text(), QStringLiteral("rueckseite.jpg"));
    QVERIFY(ende(fertig));

    QCOMPARE(dort(), (QStringList{QStringLiteral("see.jpg"), QStringLiteral("ufer.jpg")}));
    const QStringList texte = plattform().meldungstexte();
    QVERIFY(texte.size() == 2 && texte[0].contains(fingerabdruck(m_server->hostSchluessel())));
    QCOMPARE(texte[1], QStringLiteral("2 Fotos hochgeladen."));
    const qint64 bytes = QFileInfo(kopie(QStringLiteral("see.jpg"))).size() +
                         QFileInfo(kopie(QStringLiteral("ufer.jpg"))).size();
    QCOMPARE(el<QProgressBar>("prgFotos")->text(), fortschrittText(bytes, bytes));
    QVERIFY(!el<QPushButton>("cmdFotosAbbrechen")->isVisible());
    QVERIFY(el<QPushButton>("cmdFotosVorbereiten")->isEnabled());
}

void TestHochladenBedienung::abbrechen_mitDemKnopf_nichtsUnterEchtemNamen() {
    const QString ziel = m_server->ziel(m_ordner);
    QVERIFY(serverSchluesselMerken(ordner().daten(kBekannteServerDatei),
                                   serverName(hochladenZielLesen(ziel).ziel), m_server->hostSchluessel())
                .isEmpty());
    zielSpeichern(ziel);
    // A copy made earlier: the row needs no photo of its own for it.
    ordner().schreiben(QStringLiteral("Fotos-Hochladen/gross.jpg"), QByteArray(60'000'000, 'j'));
    el<QLineEdit>("txtEbayBildPfad")->setText(QStringLiteral("gross.jpg"));
    bool gedrueckt = false;
    connect(&hochladen(), &FotoHochladen::fortschritt, this, [&](qint64 gesendet, qint64 gesamt) {
        if (!gedrueckt && gesendet > 0 && gesendet < gesamt) {
            gedrueckt = true;
            klicken(QStringLiteral("cmdFotosAbbrechen"));
        }
    });
    QSignalSpy fertig(&hochladen(), &FotoHochladen::fertig);
    klicken(QStringLiteral("cmdFotosHochladen"));
    QVERIFY(!ende(fertig));
    QVERIFY(gedrueckt);
    QVERIFY(plattform().fenster.isEmpty() && dort().isEmpty());
    QCOMPARE(el<QProgressBar>("prgFotos")->text(), QStringLiteral("Abgebrochen"));
    QVERIFY(!el<QPushButton>("cmdFotosAbbrechen")->isVisible());
    QVERIFY(el<QPushButton>("cmdFotosVorbereiten")->isEnabled());
}

void TestHochladenBedienung::fehlendeKopie_nenntDieZeileUndSendetNichts() {
    zielSpeichern(m_server->ziel(m_ordner));
    QVERIFY(dateienAblegen(el<QWidget>("picFoto1"), {foto(ordner(), QStringLiteral("a.jpg"), 800, 600),
                                                     foto(ordner(), QStringLiteral("b.jpg"), 800, 600)}));
    ordner().schreiben(QStringLiteral("Fotos-Hochladen/a.jpg"), QByteArray(1000, 'j'));
    // A name that leads out of the copies' folder finds no copy, even where a file is.
    ordner().schreiben(QStringLiteral("b.jpg"), QByteArray(1000, 'j'));
    el<QLineEdit>("txtEbayBildPfad_b")->setText(QStringLiteral("../b.jpg"));
    menue(app().frmHaupt(), QStringLiteral("mnuFotosHochladen"));
    QVERIFY(!hochladen().laeuft());
    QCOMPARE(plattform().meldungstexte(),
             QStringList{QStringLiteral("Für diese Bilder gibt es noch keine Kopie zum Hochladen:\r\n"
                                        "Bild 2: „../b.jpg“\r\n\r\nBitte zuerst „Fotos vorbereiten“ drücken. "
                                        "Es wurde nichts hochgeladen.")});
    QVERIFY(dort().isEmpty());
}

void TestHochladenBedienung::ohneBrauchbaresZiel_gesperrtMitGrund() {
    auto* knopf = el<QPushButton>("cmdFotosHochladen");
    auto* eintrag = el<QAction>("mnuFotosHochladen");
    const auto gesperrt = [&](const QString& grund) {
        return !knopf->isEnabled() && !eintrag->isEnabled() && knopf->toolTip() == grund &&
               eintrag->toolTip() == grund;
    };
    // The delivered settings have no target.
    QVERIFY(gesperrt(QStringLiteral("In den Einstellungen „Hochladen nach“ ausfüllen "
                                    "(sftp://benutzer@server/ordner)")));
    zielSpeichern(m_server->ziel(m_ordner));
    QVERIFY(knopf->isEnabled() && eintrag->isEnabled());
    zielSpeichern(QStringLiteral("sftp://web.example/bilder"));
    QVERIFY2(gesperrt(QStringLiteral("Einstellungen, „Hochladen nach“: Im Ziel fehlt der Benutzername "
                                     "(sftp://benutzer@server/ordner).")),
             qPrintable(knopf->toolTip()));
}

QTEST_MAIN(TestHochladenBedienung)
#include "tst_hochladenbedienung.moc"
