#include "robust/Lauf.h"
#include "ui/RichTextFeld.h"
#include "ui/frmEinstell.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// A data folder that is missing, locked or taken away while the program runs: every write ends
// in a message, no file is left half-written and no earlier file is changed.
class TestOrdnerfehler : public QObject {
    Q_OBJECT
private slots:
    void fehlenderOrdner_startetUndMeldetJedesSpeichern();
    void entfernterOrdner_meldetUndLegtNichtsAn();
    void gesperrterOrdner_meldetUndLaesstDateienStehen();
    void gesperrtesRegister_meldetUndLaesstRegisterStehen();
    void zuLangerName_meldetUndTraegtNichtsEin_data();
    void zuLangerName_meldetUndTraegtNichtsEin();
};

namespace {

const QString kSpeicherFehler = QStringLiteral("Fehler 11 - beim Speichern");
const QString kNichtGefunden = QStringLiteral("wurde nicht gefunden!");
const QString kEinstellFehler = QStringLiteral("Fehler beim Speichern der Einstellungen");
const QString kVorlageFehler = QStringLiteral("Fehler beim Speichern der Vorlage");
const QString kRegister = QStringLiteral("vorlagen/NochNichtEingestellt.txt");

void artikelSpeichern(Lauf& l, const QString& name) {
    FrmVorlSpeichern& speichern = l.app->frmVorlSpeichern();
    element<QLineEdit>(&speichern, QStringLiteral("txtArtikelBez"))->setText(name);
    element<QPushButton>(&speichern, QStringLiteral("cmdSpeichern"))->click();
}

void einstellungenSpeichern(Lauf& l) {
    l.haupt<QAction>("mnuEinstBearb")->trigger();
    element<QPushButton>(&l.app->frmEinstell(), QStringLiteral("cmdEinstelSpeichern"))->click();
}

void vorlageSpeichern(Lauf& l) {
    element<QPushButton>(&l.app->frmVorlIni(), QStringLiteral("cmdAendSpeich"))->click();
}

// The close question answered "Nein": save and enter the article into the register.
void fuerSpaeterSchliessen(Lauf& l) {
    l.p.antworten.enqueue(Plattform::Antwort::Nein);
    element<QPushButton>(&l.app->frmVorlSpeichern(), QStringLiteral("cmdSchliesen"))->click();
}

bool nurDateidialoge(const QStringList& unerwartet) {
    return std::all_of(unerwartet.cbegin(), unerwartet.cend(),
                       [](const QString& u) { return u.startsWith(QStringLiteral("dateiWaehlen")); });
}

} // namespace

void TestOrdnerfehler::fehlenderOrdner_startetUndMeldetJedesSpeichern() {
    Lauf l(false);
    // A file where the data folder belongs: the folder can neither be found nor created, so
    // each missing template part offers a file dialog; cancelling it is reported.
    QFile versperrt(l.ordner.daten());
    QVERIFY(versperrt.open(QIODevice::WriteOnly));
    versperrt.close();
    l.starten();
    QVERIFY(nurDateidialoge(l.p.unerwartet));
    QVERIFY(l.meldungEnthaelt(kNichtGefunden));
    l.p.vergessen();
    artikelSpeichern(l, QStringLiteral("Buch"));
    QVERIFY(l.meldungEnthaelt(kSpeicherFehler));
    einstellungenSpeichern(l);
    QVERIFY(l.meldungEnthaelt(kEinstellFehler));
    vorlageSpeichern(l);
    QVERIFY(l.meldungEnthaelt(kVorlageFehler));
    QVERIFY(nurDateidialoge(l.p.unerwartet));
    QVERIFY(l.alleMeldungenSagenEtwas());
    QVERIFY(!QDir(l.ordner.daten()).exists());
    QCOMPARE(QFileInfo(l.ordner.daten()).size(), 0);
    QVERIFY(element<QLabel>(&l.app->frmEinstell(), QStringLiteral("lblgespeichert"))->text().isEmpty());
}

void TestOrdnerfehler::entfernterOrdner_meldetUndLegtNichtsAn() {
    Lauf l;
    l.starten();
    auto* aufforderung = l.haupt<QComboBox>("cboAuforderung1");
    const int eintraege = aufforderung->count();
    QVERIFY(eintraege > 0);
    QVERIFY(QDir(l.ordner.daten()).removeRecursively());

    artikelSpeichern(l, QStringLiteral("Buch"));
    QVERIFY(l.meldungEnthaelt(kSpeicherFehler));
    fuerSpaeterSchliessen(l);
    l.haupt<QPushButton>("cmdAuforderung1Aktalisieren")->click();
    QVERIFY(l.meldungEnthaelt(kNichtGefunden));
    QCOMPARE(aufforderung->count(), eintraege);
    einstellungenSpeichern(l);
    QVERIFY(l.meldungEnthaelt(kEinstellFehler));
    vorlageSpeichern(l);
    QVERIFY(l.meldungEnthaelt(kVorlageFehler));

    QVERIFY(l.p.unerwartet.isEmpty());
    QVERIFY(l.alleMeldungenSagenEtwas());
    QVERIFY(!QDir(l.ordner.daten()).exists());
}

void TestOrdnerfehler::gesperrterOrdner_meldetUndLaesstDateienStehen() {
    Lauf l;
    l.starten();
    auto* listing = element<RichTextFeld>(&l.app->frmVorlSpeichern(), QStringLiteral("rtfText"));
    listing->setText(QStringLiteral("<p>alt</p>"));
    artikelSpeichern(l, QStringLiteral("Alt"));
    QVERIFY(l.p.fenster.isEmpty());
    const QStringList gespeichert = QDir(l.ordner.daten(QStringLiteral("Artikeln"))).entryList(QDir::Files);
    QCOMPARE(gespeichert.size(), 1);
    const QStringList dateien{QStringLiteral("Artikeln/") + gespeichert.first(), kRegister,
                              QStringLiteral("Einstell.Ini"), QStringLiteral("HTML_Code/Vorlage.Ini")};
    QList<QByteArray> vorher;
    for (const QString& d : dateien) {
        QVERIFY(QFile::exists(l.ordner.daten(d)));
        vorher.append(l.ordner.lesen(d));
    }
    QStringList ordner{l.ordner.daten()};
    for (const QString& sub : QDir(l.ordner.daten()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        ordner.append(l.ordner.daten(sub));
    }
    const Unveraenderlich sperre(ordner);
    if (!sperre.ok()) {
        QSKIP("this file system cannot lock a folder");
    }

    listing->setText(QStringLiteral("<p>neu</p>"));
    artikelSpeichern(l, QStringLiteral("Alt"));
    QVERIFY(l.meldungEnthaelt(kSpeicherFehler));
    fuerSpaeterSchliessen(l);
    einstellungenSpeichern(l);
    QVERIFY(l.meldungEnthaelt(kEinstellFehler));
    vorlageSpeichern(l);
    QVERIFY(l.meldungEnthaelt(kVorlageFehler));

    QVERIFY(l.p.unerwartet.isEmpty());
    QVERIFY(l.alleMeldungenSagenEtwas());
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        QCOMPARE(l.ordner.lesen(dateien.at(i)), vorher.at(i));
    }
}

void TestOrdnerfehler::gesperrtesRegister_meldetUndLaesstRegisterStehen() {
    Lauf l;
    l.ordner.schreiben(kRegister, QByteArrayLiteral("Frueher~1,85#Hausverkauf-1.ebay\r\n"));
    l.starten();
    const QByteArray vorher = l.ordner.lesen(kRegister);
    const Unveraenderlich sperre({l.ordner.daten(QStringLiteral("vorlagen"))});
    if (!sperre.ok()) {
        QSKIP("this file system cannot lock a folder");
    }
    artikelSpeichern(l, QStringLiteral("Spaeter"));
    fuerSpaeterSchliessen(l);
    QVERIFY(l.meldungEnthaelt(QStringLiteral("nicht eingestellten Artikel")));
    QVERIFY(l.p.unerwartet.isEmpty());
    QCOMPARE(l.ordner.lesen(kRegister), vorher);
    // The article's own files were written; only the register entry failed.
    QVERIFY(!QDir(l.ordner.daten(QStringLiteral("Artikeln"))).isEmpty());
}

void TestOrdnerfehler::zuLangerName_meldetUndTraegtNichtsEin_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("dreihundertZeichen") << QString(300, QLatin1Char('A'));
    // Fewer than 255 characters, but more than 255 bytes in the file system's encoding.
    QTest::newRow("umlauteUeberBytegrenze") << QString(130, QChar(0x00E4));
}

void TestOrdnerfehler::zuLangerName_meldetUndTraegtNichtsEin() {
    QFETCH(QString, name);
    Lauf l;
    l.starten();
    const QByteArray register_ = l.ordner.lesen(kRegister);
    artikelSpeichern(l, name);
    QVERIFY(l.meldungEnthaelt(kSpeicherFehler));
    fuerSpaeterSchliessen(l);
    QVERIFY(l.p.unerwartet.isEmpty());
    QVERIFY(l.alleMeldungenSagenEtwas());
    QVERIFY(QDir(l.ordner.daten(QStringLiteral("Artikeln"))).isEmpty());
    QVERIFY(QDir(l.ordner.daten(QStringLiteral("Artikeln-Txt"))).isEmpty());
    QCOMPARE(l.ordner.lesen(kRegister), register_);
}

QTEST_MAIN(TestOrdnerfehler)
#include "tst_ordnerfehler.moc"
