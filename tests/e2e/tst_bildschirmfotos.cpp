// Takes the pictures of the seller's guide from the running windows. It only runs when
// KORI_BILDSCHIRMFOTOS names the folder to write them into; otherwise it skips.

#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
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
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

class TestBildschirmfotos : public QObject {
    Q_OBJECT
private slots:
    void init();
    void fotosDesHauptwegs();

private:
    template <class T> T* el(QWidget* fenster, const char* name) {
        T* gefunden = fenster->findChild<T*>(QLatin1String(name));
        if (gefunden == nullptr) {
            qFatal("Steuerelement %s fehlt", name);
        }
        return gefunden;
    }
    void druecken(QWidget* fenster, const char* knopf) { el<QPushButton>(fenster, knopf)->click(); }
    void menue(const char* eintrag) {
        m_app->frmHaupt().findChild<QAction*>(QLatin1String(eintrag))->trigger();
    }
    void foto(QWidget* fenster, const QString& datei);
    void buchZusammenstellen();
    void kleidungZusammenstellen();

    QString m_ziel;
    TestOrdner m_ordner;
    SkriptPlattform m_p;
    std::unique_ptr<Anwendung> m_app;
};

void TestBildschirmfotos::init() {
    m_ziel = qEnvironmentVariable("KORI_BILDSCHIRMFOTOS");
    if (m_ziel.isEmpty()) {
        QSKIP("KORI_BILDSCHIRMFOTOS nennt keinen Zielordner");
    }
    QVERIFY(QDir().mkpath(m_ziel));
}

void TestBildschirmfotos::foto(QWidget* fenster, const QString& datei) {
    QCoreApplication::processEvents();
    const QString pfad = QDir(m_ziel).filePath(datei);
    QVERIFY2(fenster->grab().save(pfad, "PNG"), qPrintable(pfad));
}

void TestBildschirmfotos::buchZusammenstellen() {
    QWidget* haupt = &m_app->frmHaupt();
    menue("mnuVorlBuch");
    el<QCheckBox>(haupt, "chkArtBezAutom")->setChecked(false);

    QImage bild(1600, 1200, QImage::Format_RGB32);
    bild.fill(QColor(90, 140, 60));
    m_ordner.schreiben(QStringLiteral("fotos/stiller-see.jpg"), {});
    const QString pfad = m_ordner.daten(QStringLiteral("fotos/stiller-see.jpg"));
    QVERIFY(bild.save(pfad, "JPG"));
    m_p.dateien.enqueue(pfad);
    druecken(haupt, "cmdSuchenBildOben1");
    el<QCheckBox>(haupt, "chkBil3JaNEin")->setChecked(false);

    el<QLineEdit>(haupt, "txtArtikelBez")->setText(QStringLiteral("Anna Beispiel Der stille See Roman"));
    el<QLineEdit>(haupt, "txtTitel")->setText(QStringLiteral("Der stille See"));
    druecken(haupt, "cmdAufWasUbername");
    druecken(haupt, "cmdBeschrTextVor1");

    druecken(haupt, "cmdBuchBeschr");
    QWidget* buch = &m_app->frmBuch();
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
    foto(buch, QStringLiteral("buch.png"));
    druecken(buch, "cmdSpeichKleidBeschr");
}

void TestBildschirmfotos::kleidungZusammenstellen() {
    QWidget* haupt = &m_app->frmHaupt();
    menue("mnuVorlKleid");
    el<QLineEdit>(haupt, "txtArtikelBez")->setText(QStringLiteral("Sweatshirt mit Kapuze Gr. 116 blau"));
    druecken(haupt, "cmdKleidungBeschreibung");
    // Activation locks the save button; let it happen before "Übernehmen" as it does for a user.
    QCoreApplication::processEvents();
    QWidget* kleidung = &m_app->frmKleidung();
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
    foto(kleidung, QStringLiteral("kleidung.png"));
}

void TestBildschirmfotos::fotosDesHauptwegs() {
    m_app = std::make_unique<Anwendung>(m_ordner.programmordner(), m_p);
    m_app->starten();
    FrmHaupt& haupt = m_app->frmHaupt();
    haupt.resize(1366, 768);
    el<QComboBox>(&m_app->frmEinstell(), "txtTeil1")->setCurrentText(QStringLiteral("Leseratte"));
    druecken(&m_app->frmEinstell(), "cmdEinstelSpeichern");

    buchZusammenstellen();
    auto* reiter = el<QTabWidget>(&haupt, "SSTab1");
    const QString seiten[] = {QStringLiteral("haupt-beschreibung.png"), QStringLiteral("haupt-bilder.png"),
                              QStringLiteral("haupt-versandkosten.png")};
    for (int i = 0; i < 3; ++i) {
        reiter->setCurrentIndex(i);
        foto(&haupt, seiten[i]);
    }

    druecken(&haupt, "cdmFertigstellen");
    QVERIFY2(m_p.meldungstexte().isEmpty(), qPrintable(m_p.meldungstexte().join(QLatin1Char('|'))));
    foto(&m_app->frmVorlSpeichern(), QStringLiteral("speichern.png"));
    m_p.antworten.enqueue(Plattform::Antwort::Nein);
    druecken(&m_app->frmVorlSpeichern(), "cmdSchliesen");

    // The check of a listing with findings: an insecure link and small print in the description.
    auto* inhalt = el<RichTextFeld>(&haupt, "rtfInhalt");
    const QString beschreibung = inhalt->text();
    inhalt->setText(beschreibung + QStringLiteral("\r\n<p style=\"font-size:10px\">Mehr Bücher unter "
                                                  "<a href=\"http://www.leseratte-buecher.de/\">"
                                                  "leseratte-buecher.de</a></p>"));
    druecken(&haupt, "cdmFertigstellen");
    foto(&m_app->frmVorlSpeichern(), QStringLiteral("pruefung.png"));
    m_app->frmVorlSpeichern().hide();
    inhalt->setText(beschreibung);

    reiter->setCurrentIndex(3);
    druecken(&haupt, "cmdnochnichtAnzeig");
    foto(&haupt, QStringLiteral("haupt-dateiliste.png"));

    menue("mnuEinstBearb");
    foto(&m_app->frmEinstell(), QStringLiteral("einstellungen.png"));
    m_app->frmEinstell().hide();

    kleidungZusammenstellen();
    QCOMPARE(m_p.meldungstexte().size(), 1);
    QVERIFY2(m_p.unerwartet.isEmpty(), qPrintable(m_p.unerwartet.join(QLatin1Char('|'))));
}

QTEST_MAIN(TestBildschirmfotos)
#include "tst_bildschirmfotos.moc"
