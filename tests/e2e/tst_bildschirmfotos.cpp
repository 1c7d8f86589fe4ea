// Takes the pictures of the seller's guide from the running windows. It only runs when
// KORI_BILDSCHIRMFOTOS names the folder to write them into; otherwise it skips.

#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"
#include "ui/frmKleidung.h"
#include "ui/frmVorlSpeichern.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class TestBildschirmfotos : public FensterTest {
    Q_OBJECT
private slots:
    void init();
    void fotosDesHauptwegs();
    void bilderNachDemZiehen();
    void hochladenEinrichten();

private:
    template <class T> T* el(QWidget* fenster, const char* name) const {
        return element<T>(*fenster, QLatin1String(name));
    }
    void druecken(QWidget* fenster, const char* knopf) const { klicken(*fenster, QLatin1String(knopf)); }
    void waehlen(const char* eintrag) const { menue(app().frmHaupt(), QLatin1String(eintrag)); }
    void aufnehmen(QWidget* fenster, const QString& datei);
    void buchZusammenstellen();
    void kleidungZusammenstellen();

    QString m_ziel;
};

void TestBildschirmfotos::init() {
    m_ziel = qEnvironmentVariable("KORI_BILDSCHIRMFOTOS");
    if (m_ziel.isEmpty()) {
        QSKIP("KORI_BILDSCHIRMFOTOS nennt keinen Zielordner");
    }
    QVERIFY(QDir().mkpath(m_ziel));
    FensterTest::init();
}

void TestBildschirmfotos::aufnehmen(QWidget* fenster, const QString& datei) {
    QCoreApplication::processEvents();
    const QString pfad = QDir(m_ziel).filePath(datei);
    QVERIFY2(fenster->grab().save(pfad, "PNG"), qPrintable(pfad));
}

void TestBildschirmfotos::buchZusammenstellen() {
    QWidget* haupt = &app().frmHaupt();
    waehlen("mnuVorlBuch");
    el<QCheckBox>(haupt, "chkArtBezAutom")->setChecked(false);

    plattform().dateien.enqueue(
        foto(ordner(), QStringLiteral("stiller-see.jpg"), 1600, 1200, QColor(90, 140, 60)));
    seite(QStringLiteral("Bilder"));
    druecken(haupt, "cmdSuchenBildOben1");
    el<QCheckBox>(haupt, "chkBil3JaNEin")->setChecked(false);

    seite(QStringLiteral("Beschreibung"));
    el<QLineEdit>(haupt, "txtArtikelBez")->setText(QStringLiteral("Anna Beispiel Der stille See Roman"));
    el<QLineEdit>(haupt, "txtTitel")->setText(QStringLiteral("Der stille See"));
    druecken(haupt, "cmdAufWasUbername");
    druecken(haupt, "cmdBeschrTextVor1");

    druecken(haupt, "cmdBuchBeschr");
    QWidget* buch = &app().frmBuch();
    el<QComboBox>(buch, "cboFirmawehlen")->setCurrentText(QStringLiteral("Diogenes"));
    el<QComboBox>(buch, "cboBuchAutor")->setCurrentText(QStringLiteral("Anna Beispiel"));
    el<QComboBox>(buch, "cboZustandWehlen1")->setCurrentText(QStringLiteral("Sehr gut erhalten - wie neu"));
    el<QLineEdit>(buch, "Text2_5")->setText(QStringLiteral("312"));
    druecken(buch, "cmdubernehmen");
    for (const char* box : {"Chk1", "Chk2", "Chk3", "Chk5", "Chk6", "Chk8", "Chk9"}) {
        el<QCheckBox>(buch, box)->setChecked(true);
    }
    el<QCheckBox>(buch, "Chk4")->setChecked(false);
    el<QCheckBox>(buch, "Chk7")->setChecked(false);
    aufnehmen(buch, QStringLiteral("buch.png"));
    druecken(buch, "cmdSpeichKleidBeschr");
}

void TestBildschirmfotos::kleidungZusammenstellen() {
    QWidget* haupt = &app().frmHaupt();
    // The book's description is still there; the seller lets the change of category empty it.
    plattform().antworten.enqueue(Plattform::Antwort::Ja);
    waehlen("mnuVorlKleid");
    el<QLineEdit>(haupt, "txtArtikelBez")->setText(QStringLiteral("Sweatshirt mit Kapuze Gr. 116 blau"));
    seite(QStringLiteral("Beschreibung"));
    druecken(haupt, "cmdKleidungBeschreibung");
    // Activation locks the save button; let it happen before "Übernehmen" as it does for a user.
    QCoreApplication::processEvents();
    QWidget* kleidung = &app().frmKleidung();
    el<QComboBox>(kleidung, "cboFirmawehlen")->setCurrentText(QStringLiteral("ESPRIT"));
    el<QComboBox>(kleidung, "cboGrosseWehlen")->setCurrentText(QStringLiteral("116"));
    el<QComboBox>(kleidung, "cboFarbewehlen")->setCurrentText(QStringLiteral("blau"));
    el<QComboBox>(kleidung, "cboArtWehlen")->setCurrentText(QStringLiteral("Sweatshirt mit Kapuze"));
    el<QComboBox>(kleidung, "cboMaterialWehlen1")->setCurrentText(QStringLiteral("Baumwolle"));
    el<QComboBox>(kleidung, "cboProz1")->setCurrentText(QStringLiteral("80"));
    el<QCheckBox>(kleidung, "chkMaterial2")->setChecked(true);
    el<QComboBox>(kleidung, "cboMaterialWehlen2")->setCurrentText(QStringLiteral("Polyester"));
    el<QComboBox>(kleidung, "cboProz2")->setCurrentText(QStringLiteral("20"));
    el<QComboBox>(kleidung, "cboGeschlechtWehlen")->setCurrentText(QStringLiteral("unisex"));
    el<QComboBox>(kleidung, "cboZustandWehlen")
        ->setCurrentText(QStringLiteral("gebraucht und gut erhalten, da selten getragen"));
    druecken(kleidung, "cmdubernehmen");
    aufnehmen(kleidung, QStringLiteral("kleidung.png"));
}

void TestBildschirmfotos::fotosDesHauptwegs() {
    app().starten();
    FrmHaupt& haupt = app().frmHaupt();
    haupt.resize(1366, 768);
    waehlen("mnuEinstBearb");
    el<QComboBox>(&app().frmEinstell(), "txtTeil1")->setCurrentText(QStringLiteral("Leseratte"));
    druecken(&app().frmEinstell(), "cmdEinstelSpeichern");
    app().frmEinstell().close();

    buchZusammenstellen();
    auto* reiter = el<QTabWidget>(&haupt, "SSTab1");
    const QString seiten[] = {QStringLiteral("haupt-beschreibung.png"), QStringLiteral("haupt-bilder.png"),
                              QStringLiteral("haupt-versandkosten.png")};
    for (int i = 0; i < 3; ++i) {
        reiter->setCurrentIndex(i);
        aufnehmen(&haupt, seiten[i]);
    }
    seite(QStringLiteral("Kurzfassung"));
    aufnehmen(&haupt, QStringLiteral("haupt-kurzfassung.png"));

    druecken(&haupt, "cdmFertigstellen");
    QVERIFY2(plattform().meldungstexte().isEmpty(),
             qPrintable(plattform().meldungstexte().join(QLatin1Char('|'))));
    aufnehmen(&app().frmVorlSpeichern(), QStringLiteral("speichern.png"));
    plattform().antworten.enqueue(Plattform::Antwort::Nein);
    druecken(&app().frmVorlSpeichern(), "cmdSchliesen");

    // The check of a listing with findings: an insecure link, small print, a phone number and a
    // bold text left open in the description.
    auto* inhalt = el<RichTextFeld>(&haupt, "rtfInhalt");
    const QString beschreibung = inhalt->text();
    inhalt->setText(beschreibung + QStringLiteral("\r\n<p style=\"font-size:10px\">Mehr Bücher unter "
                                                  "<a href=\"http://www.leseratte-buecher.de/\">"
                                                  "leseratte-buecher.de</a></p>\r\n"
                                                  "<p><b>Fragen? Tel. 0171 1234567</p>"));
    druecken(&haupt, "cdmFertigstellen");
    aufnehmen(&app().frmVorlSpeichern(), QStringLiteral("pruefung.png"));
    app().frmVorlSpeichern().hide();
    inhalt->setText(beschreibung);

    reiter->setCurrentIndex(3);
    druecken(&haupt, "cmdnochnichtAnzeig");
    aufnehmen(&haupt, QStringLiteral("haupt-dateiliste.png"));

    waehlen("mnuEinstBearb");
    aufnehmen(&app().frmEinstell(), QStringLiteral("einstellungen.png"));
    app().frmEinstell().hide();

    kleidungZusammenstellen();
    // The close question of the save window, then the question of the change of category.
    QCOMPARE(plattform().meldungstexte().size(), 2);
    QCOMPARE(plattform().meldungstexte().last(),
             QStringLiteral("Die Beschreibung wird beim Wechsel der Artikelart geleert. Fortfahren?"));
}

// Three photos dragged from a file manager onto the first picture row.
void TestBildschirmfotos::bilderNachDemZiehen() {
    app().starten();
    FrmHaupt& haupt = app().frmHaupt();
    haupt.resize(1366, 768);
    el<QLineEdit>(&app().frmEinstell(), "txtBildLaengeEinstellWert")->setText(QStringLiteral("400"));
    seite(QStringLiteral("Bilder"));
    el<QLineEdit>(&haupt, "txtArtikelBez")->setText(QStringLiteral("Anna Beispiel Der stille See Roman"));
    el<QCheckBox>(&haupt, "chkArtBezAutom")->setChecked(false);
    const QStringList fotos{foto(ordner(), QStringLiteral("IMG_2041.JPG"), 1600, 1200, QColor(90, 140, 60)),
                            foto(ordner(), QStringLiteral("IMG_2042.JPG"), 1200, 1600, QColor(160, 110, 70)),
                            foto(ordner(), QStringLiteral("IMG_2043.JPG"), 1600, 1200, QColor(70, 100, 160))};
    QVERIFY(dateienAblegen(el<QWidget>(&haupt, "picFoto1"), fotos));
    QVERIFY(plattform().meldungstexte().isEmpty());
    aufnehmen(&haupt, QStringLiteral("haupt-fotos.png"));
}

// The upload group of the settings filled in, and the pictures page with its upload button.
void TestBildschirmfotos::hochladenEinrichten() {
    app().starten();
    FrmHaupt& haupt = app().frmHaupt();
    haupt.resize(1366, 768);
    waehlen("mnuEinstBearb");
    QWidget* einstell = &app().frmEinstell();
    el<QLineEdit>(einstell, "txtPfadZusatzBilder")
        ->setText(QStringLiteral("https://www.leseratte-buecher.de/bilder/"));
    el<QLineEdit>(einstell, "txtHochladenZiel")
        ->setText(QStringLiteral("sftp://leseratte@www.leseratte-buecher.de/htdocs/bilder"));
    el<QCheckBox>(einstell, "chkPasswortMerken")->setChecked(true);
    el<QCheckBox>(einstell, "chkHochladenPruefen")->setChecked(true);
    el<QLineEdit>(einstell, "txtBildLaengeEinstellWert")->setText(QStringLiteral("400"));
    druecken(einstell, "cmdEinstelSpeichern");
    aufnehmen(el<QWidget>(einstell, "fraHochladen"), QStringLiteral("einstellungen-hochladen.png"));
    einstell->close();

    seite(QStringLiteral("Bilder"));
    el<QCheckBox>(&haupt, "chkArtBezAutom")->setChecked(false);
    el<QLineEdit>(&haupt, "txtArtikelBez")->setText(QStringLiteral("Anna Beispiel Der stille See Roman"));
    QVERIFY(
        dateienAblegen(el<QWidget>(&haupt, "picFoto1"),
                       {foto(ordner(), QStringLiteral("IMG_2041.JPG"), 1600, 1200, QColor(90, 140, 60)),
                        foto(ordner(), QStringLiteral("IMG_2042.JPG"), 1200, 1600, QColor(160, 110, 70))}));
    el<QCheckBox>(&haupt, "chkBil3JaNEin")->setChecked(false);
    aufnehmen(&haupt, QStringLiteral("haupt-hochladen.png"));
}

QTEST_MAIN(TestBildschirmfotos)
#include "tst_bildschirmfotos.moc"
