#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/KlickLabel.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

const QColor kGrau(0xC0, 0xC0, 0xC0);

// A program folder, the scripted platform and an application over them.
struct Programm {
    explicit Programm(bool starten = true) {
        if (starten) {
            app->starten();
        }
    }
    TestOrdner ordner;
    SkriptPlattform p;
    std::unique_ptr<Anwendung> app = std::make_unique<Anwendung>(ordner.programmordner(), p);

    FrmHaupt& haupt() { return app->frmHaupt(); }
    template <class T> T* el(const QString& name) { return haupt().findChild<T*>(name); }
    QComboBox* cbo(const QString& name) { return el<QComboBox>(name); }
};

QStringList eintraege(const QComboBox* box) {
    QStringList liste;
    for (int i = 0; i < box->count(); ++i) {
        liste.append(box->itemText(i));
    }
    return liste;
}

QColor hintergrund(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

const QStringList kBasis{QStringLiteral("1"),   QStringLiteral("200"), QStringLiteral("225"),
                         QStringLiteral("250"), QStringLiteral("275"), QStringLiteral("300"),
                         QStringLiteral("325"), QStringLiteral("350"), QStringLiteral("375"),
                         QStringLiteral("400"), QStringLiteral("425"), QStringLiteral("450")};

} // namespace

class TestFrmHaupt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void steuerelement_existiertMitArt_data();
    void steuerelement_existiertMitArt();
    void seitenUndMenues_tragenIhreBeschriftung();

    void festeListe_nachStart_data();
    void festeListe_nachStart();
    void start_setztVersionUndBeendetStartphase();
    void start_fehlendeListendateien_jeEineMeldungUndStartEndet();
    void start_listendateien_fuellenDieDreiListen();
    void aktualisieren_liestGeaenderteDateiNeu();
    void plusKnoepfe_oeffnenDateiImEditor_data();
    void plusKnoepfe_oeffnenDateiImEditor();

    void versandSchalter_zweiKlicks_stellenZustandUndFarbenWiederHer();
    void versandSchalter_waehrendStart_ohneWirkung_danachMitWirkung();
    void versandSchalter_imEntwurf_grauUndGesperrt();

    void neu_leertGenaudieArtikelfelder();
    void neu_behaeltListenUndAndereFelder();
    void neu_ueberMenue_wieKnopf();

    void kommaAnzahl_zeigtAnzahlMitTitel();
    void nachDemVerkauf_meldung1MitLeeremText();
    void songs_inVorbereitung();
    void beenden_schliesstOhneFrage();
    void fensterSchliessen_beendetOhneFrage();

private:
    // Shared by the tests that only read: one window as designed, one after start-up.
    std::unique_ptr<Programm> m_entwurf;
    std::unique_ptr<Programm> m_gestartet;
};

void TestFrmHaupt::initTestCase() {
    m_entwurf = std::make_unique<Programm>(false);
    m_gestartet = std::make_unique<Programm>();
}

void TestFrmHaupt::cleanupTestCase() {
    m_entwurf.reset();
    m_gestartet.reset();
}

void TestFrmHaupt::steuerelement_existiertMitArt_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("art");
    const auto zeilen = [](const char* art, std::initializer_list<const char*> namen) {
        for (const char* name : namen) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(art);
        }
    };
    zeilen("QLineEdit", {"txtArtikelBez", "txtTitel", "txtUntertittel", "txtArtikelBezVor", "txtAktuellePfad",
                         "txtAufWasBiten", "txtEbayBildPfad", "txtEbayBildPfad_b", "txtEbayBildPfad2",
                         "txtEbayBildPfad2_b", "txtEbayBildPfad2_c", "txtBild", "txtSuchen"});
    zeilen("QLabel", {"lblAnzahl", "lblAnzahlNoch", "lblArtikelArt", "lblEbayName", "lblVersion",
                      "lblZuletztGespeichert", "Label1", "Label9", "Label3", "Label2", "Label30", "Label32",
                      "Label14", "lblwieviel", "lblDateiordner", "lblMehrFertigeTexteAnzeigen"});
    zeilen("KlickLabel", {"lblLoeschenArtBezTitelUnter", "Label25"});
    zeilen("QPushButton", {"cmdTitel",
                           "cmdUntertitelFett",
                           "cmdZusZufugen",
                           "cmdAutorinsBuchbeschr",
                           "cmdVerlaginsBuchbeschr",
                           "cmdNeu",
                           "cdmFertigstellen",
                           "cmdArtVorschauNur",
                           "cmdAufWasUbername",
                           "cmdWasBitenFett",
                           "cmdZusazttexteVerwalten",
                           "cdmZusatzTexteAktual",
                           "cmdZusatztextUbername",
                           "cmdBeschreibungFett",
                           "cmdBTAktuali",
                           "cmdNamenforBT",
                           "cmdHtmlEinfugen",
                           "cmdHtmlLoschen",
                           "cmdBuchBeschr",
                           "cmdKleidungBeschreibung",
                           "cmdSongs",
                           "cmdAuforderung1Aktalisieren",
                           "cmdAuforderung1Plus",
                           "cmdAuforderung2Aktalisieren",
                           "cmdAuforderung2Plus",
                           "cmdSuchenBildOben1",
                           "cmdSuchenBildOben2",
                           "cmdSuchenBildUnten1",
                           "cmdSuchenBildUnten2",
                           "cmdSuchenBildUnten3",
                           "cmdUmrechnenB1",
                           "cmdUmrechnenB2",
                           "cmdUmrechnenB3",
                           "cmdUmrechnenB4",
                           "cmdUmrechnenB5",
                           "cmdArtBezBilden",
                           "cmdUmrechnen",
                           "Command7",
                           "Command8",
                           "cmdZusatzlinksCode",
                           "cmdLink1",
                           "cmdSuchen",
                           "cmdHauptliste",
                           "cmdnochnichtAnzeig",
                           "cmdOrdnerDateienOpen",
                           "cmdWeitereDateienAnzeigen",
                           "cmdDateiAlsTextOpen",
                           "cmdDateiEinlesen"});
    zeilen("QComboBox",
           {"cboZus1",         "cboZus2",          "cboBuchAutor",    "cboEinZwei",       "cboEinEineEinen",
            "cboGutNeu",       "cboGutErhalten",   "cboAufWasBiten",  "cboAufWasBiten2",  "cboAufWasBiten3",
            "cboZusatzTexte",  "cboAuforderung1",  "cboAuforderung2", "txtBildLaenge",    "txtBildHohe",
            "txtBildLaenge_b", "txtBildHohe_b",    "txtBildLaenge2",  "txtBildHohe2",     "txtBildLaenge2_b",
            "txtBildHohe2_b",  "txtBildLaenge2_c", "txtBildHohe2_c",  "cboVersandkosten", "cboPostHermes2"});
    zeilen("QCheckBox", {"chkAuforderung1", "chkAuforderung2", "chkBil1JaNEin", "chkBil2JaNEin",
                         "chkBil3JaNEin", "chkBil4JaNEin", "chkBil5JaNEin", "chkMitGrosAnsicht1",
                         "chkMitGrosAnsicht2", "chkArtBezAutom", "chkVersadInfoJa"});
    zeilen("RichTextFeld", {"rtfVorschau", "rtfInhalt", "rtfInhaltAuto", "RichTextBox1", "RichTextBox2",
                            "RichTextBox4", "rtfLink"});
    zeilen("BildFeld",
           {"picFoto1", "picFoto2", "picFoto3", "picFoto4", "picFoto5", "imgVor", "imgVor2", "picFotoAlle"});
    zeilen("QGroupBox",
           {"Frame7", "Frame1", "Frame6", "fraFertigeTexteBuch", "fraFertigeTexte2", "fraFertigeTexte3",
            "Frame8", "Frame12", "Frame4", "Frame10", "Frame2", "Frame5", "Frame9", "Frame11", "Frame15"});
    zeilen("QTabWidget", {"SSTab1"});
    zeilen("QListWidget", {"lstDateien"});
    zeilen("QMenu", {"mnuDatei", "mnuAnsicht", "mnuVorlage", "mnuVorlWaehlen", "mnuEinstell", "mnutest"});
    zeilen("QAction",
           {"mnuDateiNeu",     "mnuArtEinlesen",    "mnuArtEinlesenkompl", "mnuArtikAnschau",  "mnuBeenden",
            "mnuVerkVorbe",    "mnuNachdemVerk",    "mnuVorlBuch",         "mnuVorlCD_MC",     "mnuVorlKleid",
            "mnuBabyKleidung", "mnuVorlBlau",       "mnuVorlGruen",        "mnuEinstBearb",    "mnuVorlBearb",
            "mnuOhneBild",     "mnuKoriOrdnerOpen", "mnuDatenTest",        "mnutestDatenohne", "mnuanzKommas",
            "mnuVariblen"});
    for (int n = 1; n <= 21; ++n) {
        const QByteArray text = "cmdBeschrTextVor" + QByteArray::number(n);
        const QByteArray plus = "cmdBeshchrTextPlus" + QByteArray::number(n);
        QTest::newRow(text.constData()) << QString::fromLatin1(text) << QStringLiteral("QPushButton");
        QTest::newRow(plus.constData()) << QString::fromLatin1(plus) << QStringLiteral("QPushButton");
    }
}

void TestFrmHaupt::steuerelement_existiertMitArt() {
    QFETCH(QString, name);
    QFETCH(QString, art);
    const QList<QObject*> treffer = m_entwurf->haupt().findChildren<QObject*>(name);
    QCOMPARE(treffer.size(), 1);
    QVERIFY2(treffer.first()->inherits(art.toLatin1().constData()),
             treffer.first()->metaObject()->className());
    if (auto* box = qobject_cast<QComboBox*>(treffer.first())) {
        QVERIFY(box->isEditable());
    }
    if (auto* liste = qobject_cast<QListWidget*>(treffer.first())) {
        QCOMPARE(liste->selectionMode(), QAbstractItemView::ExtendedSelection);
    }
}

void TestFrmHaupt::seitenUndMenues_tragenIhreBeschriftung() {
    Programm& prog = *m_entwurf;
    auto* tab = prog.el<QTabWidget>(QStringLiteral("SSTab1"));
    QCOMPARE(tab->count(), 4);
    QCOMPARE(tab->tabText(0), QStringLiteral("Beschreibung"));
    QCOMPARE(tab->tabText(1), QStringLiteral("Bilder"));
    QCOMPARE(tab->tabText(2), QStringLiteral("Versandkosten"));
    QCOMPARE(tab->tabText(3), QStringLiteral("Dateiliste"));
    QCOMPARE(prog.haupt().windowTitle(), QStringLiteral("K.O.R.I    PlainPage-PlainSale"));

    QStringList extras;
    for (QAction* a : prog.el<QMenu>(QStringLiteral("mnuEinstell"))->actions()) {
        extras.append(a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    QCOMPARE(extras, (QStringList{QStringLiteral("Einstellungen"), QStringLiteral("Vorlagen bearbeiten"),
                                  QStringLiteral("-"), QStringLiteral("Expres ohne Bild"),
                                  QStringLiteral("-"), QStringLiteral("K.O.R.I Ordner öffnen")}));
    QCOMPARE(prog.el<QAction>(QStringLiteral("mnuanzKommas"))->text(),
             QStringLiteral("i-Wert=Anzahl kommas anzeigen"));
    QCOMPARE(prog.el<QPushButton>(QStringLiteral("cmdTitel"))->toolTip(),
             QStringLiteral("in Zeile Titel übernehmen"));
    QCOMPARE(prog.el<QPushButton>(QStringLiteral("cmdBeschrTextVor21"))->text(), QStringLiteral("frei"));
    QCOMPARE(prog.el<QPushButton>(QStringLiteral("cmdNamenforBT"))->text(), QStringLiteral("Einstell"));
    QCOMPARE(prog.el<QLineEdit>(QStringLiteral("txtAktuellePfad"))->text(),
             QStringLiteral("txtAktuellePfad"));
    QCOMPARE(prog.el<RichTextFeld>(QStringLiteral("rtfVorschau"))->text(), QStringLiteral("Vorschau"));
    QCOMPARE(prog.el<QLabel>(QStringLiteral("lblArtikelArt"))->text(), QStringLiteral("Buch"));
}

void TestFrmHaupt::festeListe_nachStart_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("liste");
    QTest::addColumn<QString>("text");
    const QString eins = QStringLiteral("1");
    QTest::newRow("cboEinEineEinen") << QStringLiteral("cboEinEineEinen")
                                     << QStringList{QString(), QStringLiteral("e"), QStringLiteral("en")}
                                     << QString();
    QTest::newRow("cboGutErhalten") << QStringLiteral("cboGutErhalten")
                                    << QStringList{QStringLiteral("sehr gut erhalten"),
                                                   QStringLiteral("gut erhalten"),
                                                   QStringLiteral("gebraucht"),
                                                   QStringLiteral("gebrauchte und gut erhalten"),
                                                   QStringLiteral("gebrauchtes und gut erhalten"),
                                                   QStringLiteral("gebrauchten und gut erhalten"),
                                                   QStringLiteral("neu")}
                                    << QStringLiteral("gebrauchtes und gut erhalten");
    QTest::newRow("cboPostHermes2") << QStringLiteral("cboPostHermes2")
                                    << QStringList{QStringLiteral("Deutsche Post-unversichert"),
                                                   QStringLiteral("Hermes-Paket-versichert")}
                                    << QStringLiteral("Deutsche Post-unversichert");
    const QStringList breite1 = kBasis + QStringList{QStringLiteral("460"), QStringLiteral("562")};
    const QStringList hoehe1 = kBasis + QStringList{QStringLiteral("488")};
    const QStringList breite2 = kBasis + QStringList{QStringLiteral("460")};
    // The width boxes show the configured standard width after start-up, the heights "1".
    const QString standard = QStringLiteral("400");
    for (const char* name : {"txtBildLaenge", "txtBildLaenge_b"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << breite1 << standard;
    }
    for (const char* name : {"txtBildHohe", "txtBildHohe_b"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << hoehe1 << eins;
    }
    for (const char* name : {"txtBildLaenge2", "txtBildLaenge2_b", "txtBildLaenge2_c"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << breite2 << standard;
    }
    for (const char* name : {"txtBildHohe2", "txtBildHohe2_b", "txtBildHohe2_c"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << kBasis << eins;
    }
}

void TestFrmHaupt::festeListe_nachStart() {
    QFETCH(QString, name);
    QFETCH(QStringList, liste);
    QFETCH(QString, text);
    QComboBox* box = m_gestartet->cbo(name);
    QCOMPARE(eintraege(box), liste);
    QCOMPARE(box->currentText(), text);
}

// The long lists are checked by their ends and counts; a shifted or lost entry shows there.
void TestFrmHaupt::start_setztVersionUndBeendetStartphase() {
    Programm prog;
    QCOMPARE(prog.el<QLabel>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 4.51"));
    QVERIFY(!prog.app->zustand().startInArbeit);
    QCOMPARE(prog.app->zustand().vorschauBoxHoehe, 975);
    QCOMPARE(prog.app->zustand().vorschauBoxBreite, 975);
    QCOMPARE(prog.cbo(QStringLiteral("cboBuchAutor"))->currentText(), QStringLiteral("Autor wählen"));

    const QStringList zus1 = eintraege(prog.cbo(QStringLiteral("cboZus1")));
    QCOMPARE(zus1.size(), 16);
    QCOMPARE(zus1.first(), QString());
    QCOMPARE(zus1.at(1), QStringLiteral("5 süße"));
    QCOMPARE(zus1.last(), QStringLiteral("8 RARITÄT"));
    const QStringList zus2 = eintraege(prog.cbo(QStringLiteral("cboZus2")));
    QCOMPARE(zus2.size(), 33);
    QCOMPARE(zus2.at(9), QStringLiteral(" -------- "));
    QCOMPARE(zus2.at(25), QStringLiteral(" -------- "));
    QCOMPARE(zus2.last(), QStringLiteral("13 Inkl. CD-ROM"));
    QCOMPARE(prog.cbo(QStringLiteral("cboZus1"))->currentText(), QString());

    const QStringList einZwei = eintraege(prog.cbo(QStringLiteral("cboEinZwei")));
    QCOMPARE(einZwei.size(), 12);
    QCOMPARE(einZwei.last(), QStringLiteral("zwölf"));
    QCOMPARE(prog.cbo(QStringLiteral("cboEinZwei"))->currentText(), QStringLiteral("ein"));

    const QStringList versand = eintraege(prog.cbo(QStringLiteral("cboVersandkosten")));
    QCOMPARE(versand.size(), 20);
    QCOMPARE(versand.first(), QStringLiteral("0,99"));
    QCOMPARE(versand.last(), QStringLiteral("4,70"));
    // The settings apply replaces the initial "1,65" by the configured standard cost.
    QCOMPARE(prog.cbo(QStringLiteral("cboVersandkosten"))->currentText(), QStringLiteral("1,85"));
    QVERIFY(prog.p.unerwartet.isEmpty());
}

void TestFrmHaupt::start_fehlendeListendateien_jeEineMeldungUndStartEndet() {
    Programm prog(false);
    prog.ordner.entfernen(QStringLiteral("vorlagen/ZusatzTexte.str"));
    prog.ordner.entfernen(QStringLiteral("vorlagen/Aufforderung2.str"));
    prog.app->starten();

    QCOMPARE(prog.p.fenster.size(), 2);
    QVERIFY(prog.p.fenster.at(0).text.contains(QStringLiteral("ZusatzTexte.str")));
    QVERIFY(prog.p.fenster.at(1).text.contains(QStringLiteral("Aufforderung2.str")));
    for (const SkriptPlattform::Fenster& f : prog.p.fenster) {
        QVERIFY(f.text.startsWith(QStringLiteral("Datei  ")));
        QVERIFY(f.text.endsWith(QStringLiteral("  wurde nicht gefunden!")));
        QCOMPARE(f.titel, QStringLiteral("ACHTUNG"));
        QCOMPARE(f.symbol, Plattform::Symbol::Kritisch);
    }
    QCOMPARE(prog.cbo(QStringLiteral("cboZusatzTexte"))->count(), 0);
    QCOMPARE(prog.cbo(QStringLiteral("cboAuforderung2"))->count(), 0);
    QVERIFY(prog.cbo(QStringLiteral("cboAuforderung1"))->count() > 0);
    QCOMPARE(prog.el<QLabel>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 4.51"));
    QVERIFY(prog.haupt().isVisible());
}

void TestFrmHaupt::start_listendateien_fuellenDieDreiListen() {
    Programm prog(false);
    prog.ordner.schreiben(QStringLiteral("vorlagen/Aufforderung1.str"),
                          w1252(QStringLiteral("# Kommentar\r\nJetzt__ bieten!\r\n\r\nNoch Fragen?\r\n")));
    prog.ordner.schreiben(QStringLiteral("vorlagen/Aufforderung2.str"),
                          w1252(QStringLiteral("Viel Spaß\r\n")));
    prog.ordner.schreiben(QStringLiteral("vorlagen/ZusatzTexte.str"),
                          w1252(QStringLiteral("Sonnstiges: ISBN:  3-\r\nMit Widmung\r\n")));
    prog.app->starten();

    QComboBox* auf1 = prog.cbo(QStringLiteral("cboAuforderung1"));
    QCOMPARE(eintraege(auf1),
             (QStringList{QStringLiteral("Jetzt, bieten!"), QStringLiteral("Noch Fragen#")}));
    // The box shows its first entry decoded, so the escape never reaches the listing.
    QCOMPARE(auf1->currentText(), QStringLiteral("Jetzt, bieten!"));
    QCOMPARE(eintraege(prog.cbo(QStringLiteral("cboAuforderung2"))),
             QStringList{QStringLiteral("Viel Spaß")});
    QComboBox* zusatz = prog.cbo(QStringLiteral("cboZusatzTexte"));
    QCOMPARE(eintraege(zusatz),
             (QStringList{QStringLiteral("Sonnstiges: ISBN:  3-"), QStringLiteral("Mit Widmung")}));
    QCOMPARE(zusatz->currentText(), QStringLiteral("Wähle einen fertigen Beschreibungstext"));
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestFrmHaupt::aktualisieren_liestGeaenderteDateiNeu() {
    Programm prog;
    prog.ordner.schreiben(QStringLiteral("vorlagen/Aufforderung2.str"),
                          w1252(QStringLiteral("Neu A\r\nNeu B\r\n")));
    QTest::mouseClick(prog.el<QPushButton>(QStringLiteral("cmdAuforderung2Aktalisieren")), Qt::LeftButton);
    QCOMPARE(eintraege(prog.cbo(QStringLiteral("cboAuforderung2"))),
             (QStringList{QStringLiteral("Neu A"), QStringLiteral("Neu B")}));

    prog.ordner.entfernen(QStringLiteral("vorlagen/Aufforderung2.str"));
    QTest::mouseClick(prog.el<QPushButton>(QStringLiteral("cmdAuforderung2Aktalisieren")), Qt::LeftButton);
    QCOMPARE(prog.p.fenster.size(), 1);
    QCOMPARE(prog.cbo(QStringLiteral("cboAuforderung2"))->count(), 2);
}

void TestFrmHaupt::plusKnoepfe_oeffnenDateiImEditor_data() {
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("datei");
    QTest::newRow("Aufforderung1") << QStringLiteral("cmdAuforderung1Plus")
                                   << QStringLiteral("Aufforderung1.str");
    QTest::newRow("Aufforderung2") << QStringLiteral("cmdAuforderung2Plus")
                                   << QStringLiteral("Aufforderung2.str");
    QTest::newRow("ZusatzTexte") << QStringLiteral("cmdZusazttexteVerwalten")
                                 << QStringLiteral("ZusatzTexte.str");
}

void TestFrmHaupt::plusKnoepfe_oeffnenDateiImEditor() {
    QFETCH(QString, knopf);
    QFETCH(QString, datei);
    Programm prog;
    prog.p.vergessen();
    prog.el<QPushButton>(knopf)->click();
    QCOMPARE(prog.p.aufrufe.size(), 1);
    QCOMPARE(prog.p.aufrufe.at(0).argumente.last(), prog.ordner.daten(QStringLiteral("vorlagen/") + datei));
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestFrmHaupt::versandSchalter_zweiKlicks_stellenZustandUndFarbenWiederHer() {
    Programm prog;
    auto* schalter = prog.el<QCheckBox>(QStringLiteral("chkVersadInfoJa"));
    const QList<QWidget*> felder{
        prog.cbo(QStringLiteral("cboVersandkosten")), prog.cbo(QStringLiteral("cboPostHermes2")),
        prog.el<QLabel>(QStringLiteral("Label30")), prog.el<QLabel>(QStringLiteral("Label32"))};
    QList<bool> vorher;
    for (QWidget* w : felder) {
        vorher.append(w->isEnabled());
    }
    const QColor farbeVorher = hintergrund(felder.at(0));

    QTest::mouseClick(schalter, Qt::LeftButton);
    for (int i = 0; i < felder.size(); ++i) {
        QCOMPARE(felder.at(i)->isEnabled(), !vorher.at(i));
    }
    const QColor farbeDazwischen =
        felder.at(2)->isEnabled() ? QApplication::palette().color(QPalette::Base) : kGrau;
    QCOMPARE(hintergrund(felder.at(0)), farbeDazwischen);
    QCOMPARE(hintergrund(felder.at(1)), farbeDazwischen);

    QTest::mouseClick(schalter, Qt::LeftButton);
    for (int i = 0; i < felder.size(); ++i) {
        QCOMPARE(felder.at(i)->isEnabled(), vorher.at(i));
    }
    QCOMPARE(hintergrund(felder.at(0)), farbeVorher);
    QCOMPARE(hintergrund(felder.at(1)), farbeVorher);
}

void TestFrmHaupt::versandSchalter_waehrendStart_ohneWirkung_danachMitWirkung() {
    Programm prog;
    auto* schalter = prog.el<QCheckBox>(QStringLiteral("chkVersadInfoJa"));
    QComboBox* kosten = prog.cbo(QStringLiteral("cboVersandkosten"));
    const bool vorher = kosten->isEnabled();

    prog.app->zustand().startInArbeit = true;
    schalter->setChecked(!schalter->isChecked());
    QCOMPARE(kosten->isEnabled(), vorher);

    prog.app->zustand().startInArbeit = false;
    schalter->setChecked(!schalter->isChecked());
    QCOMPARE(kosten->isEnabled(), !vorher);
    QCOMPARE(prog.el<QLabel>(QStringLiteral("Label32"))->isEnabled(), !vorher);
}

void TestFrmHaupt::versandSchalter_imEntwurf_grauUndGesperrt() {
    Programm prog;
    QVERIFY(!prog.el<QCheckBox>(QStringLiteral("chkVersadInfoJa"))->isChecked());
    QVERIFY(!prog.cbo(QStringLiteral("cboVersandkosten"))->isEnabled());
    QCOMPARE(hintergrund(prog.cbo(QStringLiteral("cboVersandkosten"))), kGrau);
    QTest::mouseClick(prog.el<QCheckBox>(QStringLiteral("chkVersadInfoJa")), Qt::LeftButton);
    QVERIFY(prog.cbo(QStringLiteral("cboPostHermes2"))->isEnabled());
    QCOMPARE(hintergrund(prog.cbo(QStringLiteral("cboPostHermes2"))),
             QApplication::palette().color(QPalette::Base));
}

namespace {

const QStringList kLeereTexte{QStringLiteral("txtArtikelBez"),      QStringLiteral("txtTitel"),
                              QStringLiteral("txtUntertittel"),     QStringLiteral("txtEbayBildPfad"),
                              QStringLiteral("txtEbayBildPfad_b"),  QStringLiteral("txtEbayBildPfad2"),
                              QStringLiteral("txtEbayBildPfad2_b"), QStringLiteral("txtEbayBildPfad2_c")};
const QStringList kEinsBoxen{QStringLiteral("txtBildHohe_b"), QStringLiteral("txtBildHohe2_b")};
const QStringList kBreitenBoxen{QStringLiteral("txtBildLaenge"), QStringLiteral("txtBildLaenge_b"),
                                QStringLiteral("txtBildLaenge2"), QStringLiteral("txtBildLaenge2_b"),
                                QStringLiteral("txtBildLaenge2_c")};
const QStringList kBehalteneBoxen{QStringLiteral("txtBildLaenge"),    QStringLiteral("txtBildHohe"),
                                  QStringLiteral("txtBildLaenge2"),   QStringLiteral("txtBildHohe2"),
                                  QStringLiteral("txtBildLaenge2_c"), QStringLiteral("txtBildHohe2_c"),
                                  QStringLiteral("cboVersandkosten")};

// Every article field gets a value, so that "Neu" has something to empty or keep.
void artikelFuellen(Programm& prog) {
    for (const QString& name : kLeereTexte) {
        prog.el<QLineEdit>(name)->setText(QStringLiteral("Wert ") + name);
    }
    prog.cbo(QStringLiteral("cboZus1"))->setCurrentText(QStringLiteral("4 TOP"));
    prog.cbo(QStringLiteral("cboZus2"))->setCurrentText(QStringLiteral("09 Thriller"));
    for (const QString& name : kEinsBoxen + kBehalteneBoxen) {
        prog.cbo(name)->setCurrentText(QStringLiteral("400"));
    }
    prog.el<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(QStringLiteral("<table>\r\n"));
    prog.el<RichTextFeld>(QStringLiteral("rtfLink"))->setText(QStringLiteral("<a>\r\n"));
    prog.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->setText(QStringLiteral("Beschreibung\r\n"));
    prog.el<QLineEdit>(QStringLiteral("txtAufWasBiten"))->setText(QStringLiteral("ein Buch"));
    prog.el<QLabel>(QStringLiteral("lblEbayName"))->setText(QStringLiteral("Hausverkauf-1"));
    for (const char* name :
         {"chkBil1JaNEin", "chkBil2JaNEin", "chkBil3JaNEin", "chkBil4JaNEin", "chkBil5JaNEin"}) {
        prog.el<QCheckBox>(QString::fromLatin1(name))->setChecked(true);
    }
}

} // namespace

void TestFrmHaupt::neu_leertGenaudieArtikelfelder() {
    Programm prog;
    artikelFuellen(prog);
    QTest::mouseClick(prog.el<QPushButton>(QStringLiteral("cmdNeu")), Qt::LeftButton);

    for (const QString& name : kLeereTexte) {
        QVERIFY2(prog.el<QLineEdit>(name)->text().isEmpty(), qPrintable(name));
    }
    QCOMPARE(prog.cbo(QStringLiteral("cboZus1"))->currentText(), QString());
    QCOMPARE(prog.cbo(QStringLiteral("cboZus2"))->currentText(), QString());
    QCOMPARE(prog.el<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->text(), QString());
    QCOMPARE(prog.el<RichTextFeld>(QStringLiteral("rtfLink"))->text(), QString());
    for (const QString& name : kEinsBoxen) {
        QCOMPARE(prog.cbo(name)->currentText(), QStringLiteral("1"));
    }
    prog.cbo(QStringLiteral("txtBildLaenge_b"))->setCurrentText(QStringLiteral("250"));
    QTest::mouseClick(prog.el<QPushButton>(QStringLiteral("cmdNeu")), Qt::LeftButton);
    for (const QString& name : kBreitenBoxen) {
        QCOMPARE(prog.cbo(name)->currentText(), QStringLiteral("400"));
    }
    QVERIFY(!prog.el<QCheckBox>(QStringLiteral("chkBil2JaNEin"))->isChecked());
    QVERIFY(!prog.el<QCheckBox>(QStringLiteral("chkBil4JaNEin"))->isChecked());
    QVERIFY(!prog.el<QCheckBox>(QStringLiteral("chkBil5JaNEin"))->isChecked());
    QVERIFY(prog.p.fenster.isEmpty());
}

void TestFrmHaupt::neu_behaeltListenUndAndereFelder() {
    Programm prog;
    artikelFuellen(prog);
    QStringList namen{QStringLiteral("cboZus1"),         QStringLiteral("cboZus2"),
                      QStringLiteral("cboAuforderung1"), QStringLiteral("cboAuforderung2"),
                      QStringLiteral("cboZusatzTexte"),  QStringLiteral("cboGutErhalten")};
    namen += kEinsBoxen + kBehalteneBoxen;
    QList<QStringList> listen;
    for (const QString& name : namen) {
        listen.append(eintraege(prog.cbo(name)));
    }
    QTest::mouseClick(prog.el<QPushButton>(QStringLiteral("cmdNeu")), Qt::LeftButton);

    for (int i = 0; i < namen.size(); ++i) {
        QCOMPARE(eintraege(prog.cbo(namen.at(i))), listen.at(i));
    }
    for (const QString& name : kBehalteneBoxen) {
        QCOMPARE(prog.cbo(name)->currentText(), QStringLiteral("400"));
    }
    // Re-applying the book category empties the description and the bidding line, as the menu does.
    QCOMPARE(prog.el<RichTextFeld>(QStringLiteral("rtfInhalt"))->text(), QString());
    QCOMPARE(prog.el<QLineEdit>(QStringLiteral("txtAufWasBiten"))->text(), QString());
    QCOMPARE(prog.el<QLabel>(QStringLiteral("lblEbayName"))->text(), QStringLiteral("Hausverkauf-1"));
    QVERIFY(prog.el<QCheckBox>(QStringLiteral("chkBil1JaNEin"))->isChecked());
    QVERIFY(prog.el<QCheckBox>(QStringLiteral("chkBil3JaNEin"))->isChecked());
}

void TestFrmHaupt::neu_ueberMenue_wieKnopf() {
    Programm prog;
    artikelFuellen(prog);
    prog.el<QAction>(QStringLiteral("mnuDateiNeu"))->trigger();
    QCOMPARE(prog.el<QLineEdit>(QStringLiteral("txtArtikelBez"))->text(), QString());
    QCOMPARE(prog.cbo(QStringLiteral("txtBildHohe2_b"))->currentText(), QStringLiteral("1"));
}

void TestFrmHaupt::kommaAnzahl_zeigtAnzahlMitTitel() {
    Programm prog;
    prog.p.vergessen();
    prog.app->zustand().ErsetztAnzahl = 7;
    prog.el<QAction>(QStringLiteral("mnuanzKommas"))->trigger();
    QCOMPARE(prog.p.fenster.size(), 1);
    const SkriptPlattform::Fenster& f = prog.p.fenster.at(0);
    QCOMPARE(f.text,
             QStringLiteral("Anzeige der Anzahl der beim speichern gefundenen und ersätzten Kommas.\r\n7"));
    QCOMPARE(f.titel, QStringLiteral("Anzahl der ersetzten Kommas"));
    QCOMPARE(f.knoepfe, Plattform::Knoepfe::Ok);
}

void TestFrmHaupt::nachDemVerkauf_meldung1MitLeeremText() {
    Programm prog;
    prog.el<QAction>(QStringLiteral("mnuNachdemVerk"))->trigger();
    QCOMPARE(prog.p.meldungstexte(), QStringList{QStringLiteral("\r\nFunktion in Vorbereitung")});
}

void TestFrmHaupt::songs_inVorbereitung() {
    Programm prog;
    prog.el<QPushButton>(QStringLiteral("cmdSongs"))->click();
    QCOMPARE(prog.p.meldungstexte(), QStringList{QStringLiteral("Funktion in Vorbereitung")});
}

void TestFrmHaupt::beenden_schliesstOhneFrage() {
    Programm prog;
    artikelFuellen(prog);
    prog.el<QAction>(QStringLiteral("mnuBeenden"))->trigger();
    QVERIFY(!prog.haupt().isVisible());
    QVERIFY(prog.p.fenster.isEmpty());
    QVERIFY(prog.p.unerwartet.isEmpty());
}

void TestFrmHaupt::fensterSchliessen_beendetOhneFrage() {
    Programm prog;
    artikelFuellen(prog);
    QVERIFY(prog.haupt().close());
    QVERIFY(!prog.haupt().isVisible());
    QVERIFY(prog.p.fenster.isEmpty());
    QVERIFY(prog.p.unerwartet.isEmpty());
}

QTEST_MAIN(TestFrmHaupt)
#include "tst_frmhaupt.moc"
