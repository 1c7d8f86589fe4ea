#include "config/Vorlage.h"
#include "robust/Stoerfaelle.h"
#include "support/FensterTest.h"
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
class TestOrdnerfehler : public FensterTest {
    Q_OBJECT
private slots:
    void fehlenderOrdner_startetUndMeldetJedesSpeichern();
    void entfernterOrdner_meldetUndLegtNichtsAn();
    void gesperrterOrdner_meldetUndLaesstDateienStehen();
    void gesperrtesRegister_meldetUndLaesstRegisterStehen();
    void zuLangerName_meldetUndTraegtNichtsEin_data();
    void zuLangerName_meldetUndTraegtNichtsEin();

private:
    void artikelSpeichern(const QString& name) const;
    void speicherfensterVerlassen() const;
    void einstellungenSpeichern() const;
    void vorlageSpeichern() const;
    // The save window as "Fertigstellen" opens it, for articles that need not pass its checks.
    void speicherfensterOeffnen() const;
    void fuerSpaeterSchliessen() const;
    bool meldungEnthaelt(const QString& teil) const { return ::meldungEnthaelt(plattform(), teil); }
};

namespace {

const QString kSpeicherFehler = QStringLiteral("Fehler 11 - beim Speichern");
const QString kNichtGefunden = QStringLiteral("wurde nicht gefunden!");
const QString kEinstellFehler = QStringLiteral("Fehler beim Speichern der Einstellungen");
const QString kVorlageFehler = QStringLiteral("Fehler beim Speichern der Vorlage");
const QString kRegister = QStringLiteral("vorlagen/NochNichtEingestellt.txt");

} // namespace

void TestOrdnerfehler::speicherfensterOeffnen() const {
    if (!app().frmVorlSpeichern().isVisible()) {
        app().frmVorlSpeichern().nachFertigstellenZeigen(QStringLiteral("1,85"),
                                                         QStringLiteral("Deutsche Post-unversichert"));
    }
}

void TestOrdnerfehler::artikelSpeichern(const QString& name) const {
    speicherfensterOeffnen();
    element<QLineEdit>(app().frmVorlSpeichern(), QStringLiteral("txtArtikelBez"))->setText(name);
    klicken(app().frmVorlSpeichern(), QStringLiteral("cmdSpeichern"));
}

// A save window that could not save stays open and blocks the others; the seller leaves it by
// its frame.
void TestOrdnerfehler::speicherfensterVerlassen() const {
    app().frmVorlSpeichern().close();
}

void TestOrdnerfehler::einstellungenSpeichern() const {
    speicherfensterVerlassen();
    menue(app().frmHaupt(), QStringLiteral("mnuEinstBearb"));
    klicken(app().frmEinstell(), QStringLiteral("cmdEinstelSpeichern"));
    app().frmEinstell().close();
}

void TestOrdnerfehler::vorlageSpeichern() const {
    menue(app().frmHaupt(), QStringLiteral("mnuVorlBearb"));
    klicken(app().frmVorlIni(), QStringLiteral("cmdAendSpeich"));
}

// The close question answered "Nein": save and enter the article into the register.
void TestOrdnerfehler::fuerSpaeterSchliessen() const {
    plattform().antworten.enqueue(Plattform::Antwort::Nein);
    klicken(app().frmVorlSpeichern(), QStringLiteral("cmdSchliesen"));
}

void TestOrdnerfehler::fehlenderOrdner_startetUndMeldetJedesSpeichern() {
    QVERIFY(QDir(ordner().daten()).removeRecursively());
    // A program folder that takes no new entry: the data folder can neither be found nor
    // created, so each missing template part offers a file dialog; the seller cancels each,
    // which is reported.
    const Unveraenderlich versperrt({ordner().programmordner()});
    if (!versperrt.aktiv()) {
        QSKIP("this file system cannot lock a folder");
    }
    const int teile = static_cast<int>(vorlageDateien().size());
    for (int i = 0; i < teile; ++i) {
        plattform().dateien.enqueue(QString());
    }
    app().starten();
    QCOMPARE(plattform().anzahl(QStringLiteral("dateiWaehlen")), teile);
    QVERIFY(meldungEnthaelt(kNichtGefunden));
    plattform().vergessen();
    artikelSpeichern(QStringLiteral("Buch"));
    QVERIFY(meldungEnthaelt(kSpeicherFehler));
    einstellungenSpeichern();
    QVERIFY(meldungEnthaelt(kEinstellFehler));
    vorlageSpeichern();
    QVERIFY(meldungEnthaelt(kVorlageFehler));
    QCOMPARE(plattform().anzahl(QStringLiteral("dateiWaehlen")), 0);
    QVERIFY(alleMeldungenSagenEtwas(plattform()));
    QVERIFY(QDir(ordner().programmordner()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    QVERIFY(element<QLabel>(app().frmEinstell(), QStringLiteral("lblgespeichert"))->text().isEmpty());
}

void TestOrdnerfehler::entfernterOrdner_meldetUndLegtNichtsAn() {
    app().starten();
    auto* aufforderung = haupt<QComboBox>(QStringLiteral("cboAuforderung1"));
    const int eintraege = aufforderung->count();
    QVERIFY(eintraege > 0);
    QVERIFY(QDir(ordner().daten()).removeRecursively());

    artikelSpeichern(QStringLiteral("Buch"));
    QVERIFY(meldungEnthaelt(kSpeicherFehler));
    fuerSpaeterSchliessen();
    speicherfensterVerlassen();
    klicken(QStringLiteral("cmdAuforderung1Aktalisieren"));
    QVERIFY(meldungEnthaelt(kNichtGefunden));
    QCOMPARE(aufforderung->count(), eintraege);
    einstellungenSpeichern();
    QVERIFY(meldungEnthaelt(kEinstellFehler));
    vorlageSpeichern();
    QVERIFY(meldungEnthaelt(kVorlageFehler));

    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(alleMeldungenSagenEtwas(plattform()));
    QVERIFY(!QDir(ordner().daten()).exists());
}

void TestOrdnerfehler::gesperrterOrdner_meldetUndLaesstDateienStehen() {
    app().starten();
    speicherfensterOeffnen();
    auto* listing = element<RichTextFeld>(app().frmVorlSpeichern(), QStringLiteral("rtfText"));
    listing->setText(QStringLiteral("<p>alt</p>"));
    artikelSpeichern(QStringLiteral("Alt"));
    QVERIFY(plattform().fenster.isEmpty());
    const QStringList gespeichert = QDir(ordner().daten(QStringLiteral("Artikeln"))).entryList(QDir::Files);
    QCOMPARE(gespeichert.size(), 1);
    const QStringList dateien{QStringLiteral("Artikeln/") + gespeichert.first(), kRegister,
                              QStringLiteral("Einstell.Ini"), QStringLiteral("HTML_Code/Vorlage.Ini")};
    QList<QByteArray> vorher;
    for (const QString& d : dateien) {
        QVERIFY(QFile::exists(ordner().daten(d)));
        vorher.append(ordner().lesen(d));
    }
    QStringList gesperrt{ordner().daten()};
    for (const QString& sub : QDir(ordner().daten()).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        gesperrt.append(ordner().daten(sub));
    }
    const Unveraenderlich sperre(gesperrt);
    if (!sperre.aktiv()) {
        QSKIP("this file system cannot lock a folder");
    }

    listing->setText(QStringLiteral("<p>neu</p>"));
    artikelSpeichern(QStringLiteral("Alt"));
    QVERIFY(meldungEnthaelt(kSpeicherFehler));
    fuerSpaeterSchliessen();
    einstellungenSpeichern();
    QVERIFY(meldungEnthaelt(kEinstellFehler));
    vorlageSpeichern();
    QVERIFY(meldungEnthaelt(kVorlageFehler));

    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(alleMeldungenSagenEtwas(plattform()));
    for (qsizetype i = 0; i < dateien.size(); ++i) {
        QCOMPARE(ordner().lesen(dateien.at(i)), vorher.at(i));
    }
}

void TestOrdnerfehler::gesperrtesRegister_meldetUndLaesstRegisterStehen() {
    ordner().schreiben(kRegister, QByteArrayLiteral("Frueher~1,85#Hausverkauf-1.ebay\r\n"));
    app().starten();
    const QByteArray vorher = ordner().lesen(kRegister);
    const Unveraenderlich sperre({ordner().daten(QStringLiteral("vorlagen"))});
    if (!sperre.aktiv()) {
        QSKIP("this file system cannot lock a folder");
    }
    artikelSpeichern(QStringLiteral("Spaeter"));
    fuerSpaeterSchliessen();
    QVERIFY(meldungEnthaelt(QStringLiteral("nicht eingestellten Artikel")));
    QVERIFY(plattform().unerwartet.isEmpty());
    QCOMPARE(ordner().lesen(kRegister), vorher);
    // The article's own files were written; only the register entry failed.
    QVERIFY(!QDir(ordner().daten(QStringLiteral("Artikeln"))).isEmpty());
}

void TestOrdnerfehler::zuLangerName_meldetUndTraegtNichtsEin_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("dreihundertZeichen") << QString(300, QLatin1Char('A'));
    // Fewer than 255 characters, but more than 255 bytes in the file system's encoding.
    QTest::newRow("umlauteUeberBytegrenze") << QString(130, QChar(0x00E4));
}

void TestOrdnerfehler::zuLangerName_meldetUndTraegtNichtsEin() {
    QFETCH(QString, name);
    app().starten();
    const QByteArray register_ = ordner().lesen(kRegister);
    artikelSpeichern(name);
    QVERIFY(meldungEnthaelt(kSpeicherFehler));
    fuerSpaeterSchliessen();
    QVERIFY(plattform().unerwartet.isEmpty());
    QVERIFY(alleMeldungenSagenEtwas(plattform()));
    QVERIFY(QDir(ordner().daten(QStringLiteral("Artikeln"))).isEmpty());
    QVERIFY(QDir(ordner().daten(QStringLiteral("Artikeln-Txt"))).isEmpty());
    QCOMPARE(ordner().lesen(kRegister), register_);
}

QTEST_MAIN(TestOrdnerfehler)
#include "tst_ordnerfehler.moc"
