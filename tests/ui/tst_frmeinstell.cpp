#include "config/Ini.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/frmEinstell.h"
#include "ui/frmHaupt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kPfad = QStringLiteral("Einstell.Ini");

struct Umgebung {
    explicit Umgebung(const QString& ini = {}) {
        if (!ini.isNull()) {
            ordner.schreiben(kPfad, w1252(ini));
        }
    }
    TestOrdner ordner;
    SkriptPlattform p;
    Anwendung app{ordner.programmordner(), p};

    FrmEinstell& fenster() { return app.frmEinstell(); }
    template <class T> T* feld(const char* name) { return fenster().findChild<T*>(QLatin1String(name)); }
    template <class T> T* haupt(const char* name) {
        return app.frmHaupt().findChild<T*>(QLatin1String(name));
    }
    QString datei(const char* schluessel) const {
        return IniLesen(ordner.daten(kPfad), QStringLiteral("EINSTELL"), QLatin1String(schluessel));
    }
    void klick(const char* knopf) { QTest::mouseClick(feld<QPushButton>(knopf), Qt::LeftButton); }
};

QString ini(const QString& zeilen) {
    return QStringLiteral("[EINSTELL]\r\n") + zeilen;
}

} // namespace

class TestFrmEinstell : public QObject {
    Q_OBJECT
private slots:
    void fenster_hatTitelUndEintraege();
    void laden_setztFelderUndZustand();
    void nichtNumerischesShopJa_unangehakt_speichertNull();
    void leeresKostenlosAb_zeigtUndSpeichert185();
    void langerWert_kommtGanz();
    void zeilenumbruch_bleibtEineZeile();
    void schliessen_fragtBeiJederAenderung_data();
    void schliessen_fragtBeiJederAenderung();
    void schliessen_ja_speichert();
    void nachSpeichern_schliessenFragtNicht();
    void speichernInFrueheremOeffnen_spaetereAenderungFragt();
    void listeAktualisieren_schliessen_speichertNameWaehlen();
    void aktivieren_liestDateiNeu();
    void speicherfehler_meldet99_ohneGespeichert();
    void uebernehmen_schreibtHauptfenster();
    void ausMenue_versandBleibtImHauptfenster();
    void muster_fuelltOhneSpeichern();
    void mitgliedsname_data();
    void mitgliedsname();
    void pfadknoepfe_data();
    void pfadknoepfe();
    void pfadAbbrechen_behaeltWert();
    void namenBearbeiten_oeffnetListe();
};

void TestFrmEinstell::fenster_hatTitelUndEintraege() {
    Umgebung u;
    QCOMPARE(u.fenster().objectName(), QStringLiteral("frmEinstell"));
    QCOMPARE(u.fenster().windowTitle(), QStringLiteral("Einstellungen"));
    auto eintraege = [&u](const char* name) {
        QStringList texte;
        const QComboBox* box = u.feld<QComboBox>(name);
        for (int i = 0; i < box->count(); ++i) {
            texte.append(box->itemText(i));
        }
        return texte;
    };
    QCOMPARE(eintraege("cboStartenMit"), (QStringList{"Buch", "CD / MC / DVD / VHS Video", "Kleidung", " "}));
    QCOMPARE(eintraege("txtKostenlosAb"),
             (QStringList{"3,00", "4,00", "5,00 ", "6,00 ", "8,00", "10,00", "12,00", "15,00"}));
    QCOMPARE(eintraege("txtVersandStandard").size(), 15);
    QCOMPARE(eintraege("cboPostHermes"),
             (QStringList{"Deutsche Post-unversichert", "Hermes-Paket-versichert"}));
    QCOMPARE(u.feld<QCheckBox>("chkSatndardTexte")->text(),
             QStringLiteral("  Bei Klick auf \"NEU\" Standardtexte einfügen"));
    QCOMPARE(u.feld<QPushButton>("cmdNamenAktuell")->text(), QStringLiteral("Liste Aktuallisieren"));
}

void TestFrmEinstell::laden_setztFelderUndZustand() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Käthe\r\nSTARTENMIT=Kleidung\r\nSTANDARDTEXTE_JA=1\r\n"
                                  "BILDEINSTELLGROSE=425\r\n")));
    u.fenster();
    const Zustand& z = u.app.zustand();
    QCOMPARE(z.verkaeuferName, QStringLiteral("Käthe"));
    QCOMPARE(u.feld<QComboBox>("txtTeil1")->currentText(), QStringLiteral("Käthe"));
    QVERIFY(z.standardTexteGewuenscht);
    QCOMPARE(u.feld<QComboBox>("cboStartenMit")->currentText(), QStringLiteral("Kleidung"));
    QCOMPARE(u.feld<QComboBox>("cboPostHermes")->currentText(), QStringLiteral("Deutsche Post-unversichert"));
    QCOMPARE(u.haupt<QLabel>("lblEbayName")->text(), QStringLiteral("Käthe"));
    QCOMPARE(u.haupt<QComboBox>("txtBildLaenge2_c")->currentText(), QStringLiteral("425"));
    QVERIFY(u.p.fenster.isEmpty());
}

void TestFrmEinstell::nichtNumerischesShopJa_unangehakt_speichertNull() {
    Umgebung u(ini(QStringLiteral("SHOP_JA=ja\r\n")));
    QVERIFY(!u.feld<QCheckBox>("chkSchopJa")->isChecked());
    u.klick("cmdEinstelSpeichern");
    QCOMPARE(u.datei("SHOP_JA"), QStringLiteral("0"));
    QCOMPARE(u.feld<QLabel>("lblgespeichert")->text(), QStringLiteral("Änderungen wurden gespeichert"));
}

void TestFrmEinstell::leeresKostenlosAb_zeigtUndSpeichert185() {
    Umgebung u(ini(QStringLiteral("VERSANDKOSTENLOSAB=\r\n")));
    QCOMPARE(u.feld<QComboBox>("txtKostenlosAb")->currentText(), QStringLiteral("1,85"));
    u.klick("cmdEinstelSpeichern");
    QCOMPARE(u.datei("VERSANDKOSTENLOSAB"), QStringLiteral("1,85"));
}

void TestFrmEinstell::langerWert_kommtGanz() {
    const QString lang = QString(300, QLatin1Char('p')) + QStringLiteral("/ende/");
    Umgebung u(ini(QStringLiteral("PFAD_ZUS_BILD=") + lang + QStringLiteral("\r\n")));
    QCOMPARE(u.feld<QLineEdit>("txtPfadZusatzBilder")->text(), lang);
    u.klick("cmdEinstelSpeichern");
    QCOMPARE(u.datei("PFAD_ZUS_BILD"), lang);
}

void TestFrmEinstell::zeilenumbruch_bleibtEineZeile() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.fenster().show();
    u.feld<QLineEdit>("txtPfadIE")->setText(QStringLiteral("C:\\IE.exe\r\nEBAYNAME=fremd\n[EINSTELL]"));
    u.klick("cmdEinstelSpeichern");
    QCOMPARE(u.datei("PFAD_IE"), QStringLiteral("C:\\IE.exe EBAYNAME=fremd [EINSTELL]"));
    QCOMPARE(u.datei("EBAYNAME"), QStringLiteral("Anna"));
    QCOMPARE(u.ordner.lesen(kPfad).count("\r\n"), 19);
}

void TestFrmEinstell::schliessen_fragtBeiJederAenderung_data() {
    QTest::addColumn<QString>("feld");
    QTest::addColumn<bool>("frage");
    QTest::newRow("nichts geändert") << "" << false;
    QTest::newRow("browserpfad") << "txtPfadIE" << true;
    QTest::newRow("lieblingsbrowser") << "txtPfadGoChr" << true;
    QTest::newRow("zusatzbilder") << "txtPfadZusatzBilder" << true;
    QTest::newRow("hoerproben") << "txtPfadHoerproben" << true;
    QTest::newRow("artikelfotos") << "txtPfadZuMeinenArtikel" << true;
    QTest::newRow("shopbild") << "txtPfadShopBild" << true;
    QTest::newRow("grafikpfad") << "txtPfadGrafik" << true;
    QTest::newRow("bildbreite") << "txtBildLaengeEinstellWert" << true;
    QTest::newRow("mitgliedsname") << "txtTeil1" << true;
    QTest::newRow("startkategorie") << "cboStartenMit" << true;
    QTest::newRow("versandkosten") << "txtVersandStandard" << true;
    QTest::newRow("kostenlos ab") << "txtKostenlosAb" << true;
    QTest::newRow("versandart") << "cboPostHermes" << true;
    QTest::newRow("shop") << "chkSchopJa" << true;
    QTest::newRow("hinweis") << "chkHinweisJa" << true;
    QTest::newRow("standardtexte") << "chkSatndardTexte" << true;
    QTest::newRow("versandinfo vorne") << "chkVerandInfoVorne" << true;
    QTest::newRow("versandinfo hinten") << "chkVerandInfoNach" << true;
}

void TestFrmEinstell::schliessen_fragtBeiJederAenderung() {
    QFETCH(QString, feld);
    QFETCH(bool, frage);
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\nSTARTENMIT=Buch\r\n")));
    u.fenster().show();
    const QByteArray vorher = u.ordner.lesen(kPfad);
    // An empty name would match the first unnamed child.
    if (feld.isEmpty()) {
    } else if (auto* box = u.fenster().findChild<QComboBox*>(feld)) {
        if (box->isEditable()) {
            box->setCurrentText(QStringLiteral("geändert"));
        } else {
            box->setCurrentIndex((box->currentIndex() + 1) % box->count());
        }
    } else if (auto* text = u.fenster().findChild<QLineEdit*>(feld)) {
        text->setText(QStringLiteral("geändert"));
    } else if (auto* haken = u.fenster().findChild<QCheckBox*>(feld)) {
        haken->setChecked(!haken->isChecked());
    }
    u.p.antworten.enqueue(Plattform::Antwort::Nein);
    u.fenster().close();
    QCOMPARE(u.p.fenster.size(), frage ? 1 : 0);
    if (frage) {
        QCOMPARE(u.p.fenster.at(0).text, QStringLiteral("Möchten Sie die Einstellungen speichern?"));
        QCOMPARE(u.p.fenster.at(0).titel, QStringLiteral("ACHTUNG"));
        QCOMPARE(u.p.fenster.at(0).knoepfe, Plattform::Knoepfe::JaNein);
        QCOMPARE(u.p.fenster.at(0).symbol, Plattform::Symbol::Ausrufezeichen);
    }
    QVERIFY(!u.fenster().isVisible());
    QCOMPARE(u.ordner.lesen(kPfad), vorher);
}

void TestFrmEinstell::schliessen_ja_speichert() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.fenster().show();
    u.feld<QComboBox>("txtTeil1")->setCurrentText(QStringLiteral("Berta"));
    u.p.antworten.enqueue(Plattform::Antwort::Ja);
    u.fenster().close();
    QCOMPARE(u.datei("EBAYNAME"), QStringLiteral("Berta"));
}

void TestFrmEinstell::nachSpeichern_schliessenFragtNicht() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.fenster().show();
    u.feld<QComboBox>("txtTeil1")->setCurrentText(QStringLiteral("Berta"));
    u.klick("cmdEinstelSpeichern");
    u.fenster().close();
    QVERIFY(u.p.fenster.isEmpty());
    QCOMPARE(u.datei("EBAYNAME"), QStringLiteral("Berta"));
}

void TestFrmEinstell::speichernInFrueheremOeffnen_spaetereAenderungFragt() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.fenster().show();
    u.klick("cmdEinstelSpeichern");
    u.fenster().close();
    u.fenster().show();
    u.feld<QComboBox>("txtTeil1")->setCurrentText(QStringLiteral("Berta"));
    u.p.antworten.enqueue(Plattform::Antwort::Ja);
    u.fenster().close();
    QCOMPARE(u.p.fenster.size(), 1);
    QCOMPARE(u.datei("EBAYNAME"), QStringLiteral("Berta"));
}

void TestFrmEinstell::listeAktualisieren_schliessen_speichertNameWaehlen() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.ordner.schreiben(QStringLiteral("vorlagen/Ebay_Namen.txt"), w1252(QStringLiteral("Anna\r\nBerta\r\n")));
    u.fenster().show();
    QCOMPARE(u.feld<QComboBox>("txtTeil1")->currentText(), QStringLiteral("Anna"));
    QCOMPARE(u.feld<QComboBox>("txtTeil1")->count(), 2);
    u.klick("cmdNamenAktuell");
    QCOMPARE(u.feld<QComboBox>("txtTeil1")->currentText(), QStringLiteral("Name wählen"));
    u.p.antworten.enqueue(Plattform::Antwort::Ja);
    u.fenster().close();
    QCOMPARE(u.p.fenster.size(), 1);
    QCOMPARE(u.datei("EBAYNAME"), QStringLiteral("Name wählen"));
}

void TestFrmEinstell::aktivieren_liestDateiNeu() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.fenster().show();
    u.feld<QLineEdit>("txtPfadIE")->setText(QStringLiteral("nicht gespeichert"));
    u.fenster().close();
    u.ordner.schreiben(kPfad, w1252(ini(QStringLiteral("EBAYNAME=Carla\r\n"))));
    u.feld<QLabel>("lblgespeichert")->setText(QStringLiteral("alt"));
    u.fenster().show();
    QCOMPARE(u.feld<QComboBox>("txtTeil1")->currentText(), QStringLiteral("Carla"));
    QCOMPARE(u.feld<QLineEdit>("txtPfadIE")->text(), QString());
    QCOMPARE(u.feld<QLabel>("lblgespeichert")->text(), QString());
    QCOMPARE(u.haupt<QLabel>("lblEbayName")->text(), QStringLiteral("Carla"));
}

void TestFrmEinstell::speicherfehler_meldet99_ohneGespeichert() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\n")));
    u.fenster();
    u.ordner.entfernen(kPfad);
    QVERIFY(QDir().mkpath(u.ordner.daten(kPfad)));
    u.feld<QComboBox>("txtTeil1")->setCurrentText(QStringLiteral("Berta"));
    u.klick("cmdEinstelSpeichern");
    QCOMPARE(u.p.meldungstexte(), QStringList{QStringLiteral("Fehler beim Speichern der Einstellungen")});
    QCOMPARE(u.feld<QLabel>("lblgespeichert")->text(), QString());
    QVERIFY(!u.app.zustand().einstellGespeichert);
    u.p.antworten.enqueue(Plattform::Antwort::Nein);
    u.fenster().close();
    QCOMPARE(u.p.fenster.size(), 2);
}

void TestFrmEinstell::uebernehmen_schreibtHauptfenster() {
    Umgebung u(ini(QStringLiteral("EBAYNAME=Anna\r\nVERSANDINFOVORNE_JA=1\r\nVERSANDKOSTENSTANDARD=4,50\r\n"
                                  "VERSANDART=Hermes-Paket-versichert\r\nBILDEINSTELLGROSE=300\r\n")));
    u.fenster();
    QCOMPARE(u.haupt<QLabel>("lblEbayName")->text(), QStringLiteral("Anna"));
    QVERIFY(u.haupt<QCheckBox>("chkVersadInfoJa")->isChecked());
    QCOMPARE(u.haupt<QComboBox>("cboVersandkosten")->currentText(), QStringLiteral("4,50"));
    QCOMPARE(u.haupt<QComboBox>("cboPostHermes2")->currentText(), QStringLiteral("Hermes-Paket-versichert"));
    for (const char* name :
         {"txtBildLaenge", "txtBildLaenge_b", "txtBildLaenge2", "txtBildLaenge2_b", "txtBildLaenge2_c"}) {
        QCOMPARE(u.haupt<QComboBox>(name)->currentText(), QStringLiteral("300"));
    }
}

void TestFrmEinstell::ausMenue_versandBleibtImHauptfenster() {
    Umgebung u(ini(QStringLiteral("VERSANDKOSTENSTANDARD=1,85\r\n")));
    u.fenster().ausMenueOeffnen();
    QVERIFY(u.app.zustand().einstellVomMenue);
    QVERIFY(u.fenster().isVisible());
    QCOMPARE(u.fenster().parentWidget(), &u.app.frmHaupt());
    u.haupt<QComboBox>("cboVersandkosten")->setCurrentText(QStringLiteral("2,20"));
    u.feld<QComboBox>("txtVersandStandard")->setCurrentText(QStringLiteral("4,70"));
    u.feld<QLineEdit>("txtBildLaengeEinstellWert")->setText(QStringLiteral("450"));
    u.klick("cmdEinstelSpeichern");
    QCOMPARE(u.datei("VERSANDKOSTENSTANDARD"), QStringLiteral("4,70"));
    QCOMPARE(u.haupt<QComboBox>("cboVersandkosten")->currentText(), QStringLiteral("2,20"));
    QCOMPARE(u.haupt<QComboBox>("txtBildLaenge")->currentText(), QStringLiteral("450"));
}

void TestFrmEinstell::muster_fuelltOhneSpeichern() {
    Umgebung u(ini(QStringLiteral("PFAD_ZU_SHOPBILD=mein.jpg\r\nHINWEIS_JA=1\r\n")));
    const QByteArray vorher = u.ordner.lesen(kPfad);
    u.klick("cmdStandarts");
    QCOMPARE(u.feld<QComboBox>("txtTeil1")->currentText(), QStringLiteral("MEIN EBAY NAME"));
    QCOMPARE(u.feld<QComboBox>("cboStartenMit")->currentText(), QStringLiteral("Buch"));
    QCOMPARE(u.feld<QLineEdit>("txtPfadHoerproben")->text(),
             QStringLiteral("https://www.example.com/KORI/demos/"));
    QCOMPARE(u.feld<QLineEdit>("txtPfadZuMeinenArtikel")->text(),
             QStringLiteral("C:\\Ebay\\Verkauf\\Meine Artikel\\"));
    QCOMPARE(u.feld<QLineEdit>("txtPfadShopBild")->text(), QStringLiteral("mein.jpg"));
    QVERIFY(!u.feld<QCheckBox>("chkHinweisJa")->isChecked());
    QVERIFY(u.feld<QCheckBox>("chkSchopJa")->isChecked());
    QCOMPARE(u.ordner.lesen(kPfad), vorher);
}

void TestFrmEinstell::mitgliedsname_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shopBild");
    QTest::newRow("erstes") << "Hausverkauf-1"
                            << "https://www.example.com/shop/hausverkauf-1.jpg";
    QTest::newRow("fuenftes") << "Hausverkauf-5"
                              << "https://www.example.com/shop/hausverkauf-5.jpg";
    QTest::newRow("sechstes nicht in den fuenf") << "Hausverkauf-6"
                                                 << "mein.jpg";
    QTest::newRow("andere schreibung") << "hausverkauf-1"
                                       << "mein.jpg";
    QTest::newRow("fremder") << "Anna"
                             << "mein.jpg";
}

void TestFrmEinstell::mitgliedsname() {
    QFETCH(QString, name);
    QFETCH(QString, shopBild);
    Umgebung u(ini(QStringLiteral("PFAD_ZU_SHOPBILD=mein.jpg\r\n")));
    u.feld<QComboBox>("txtTeil1")->setCurrentText(name);
    emit u.feld<QComboBox>("txtTeil1")->lineEdit()->editingFinished();
    QCOMPARE(u.feld<QLineEdit>("txtPfadShopBild")->text(), shopBild);
}

void TestFrmEinstell::pfadknoepfe_data() {
    QTest::addColumn<QString>("knopf");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("filter");
    const QString exe = QStringLiteral("Exe-Dateien(*.exe)|*.exe|Ale Dateien|*.*");
    QTest::newRow("ie") << "cmdPfadIE"
                        << "txtPfadIE" << exe;
    QTest::newRow("browser") << "cmdPfadGoChr"
                             << "txtPfadGoChr" << exe;
    QTest::newRow("artikel") << "cmdPfadArtikeln"
                             << "txtPfadZuMeinenArtikel"
                             << "";
}

void TestFrmEinstell::pfadknoepfe() {
    QFETCH(QString, knopf);
    QFETCH(QString, feld);
    QFETCH(QString, filter);
    Umgebung u;
    auto* text = u.fenster().findChild<QLineEdit*>(feld);
    text->setText(QStringLiteral("/alt/pfad"));
    u.p.dateien.enqueue(QStringLiteral("/neu/programm.exe"));
    QTest::mouseClick(u.fenster().findChild<QPushButton*>(knopf), Qt::LeftButton);
    QCOMPARE(u.p.aufrufe.last().argumente.mid(0, 3),
             (QStringList{QString(), QStringLiteral("/alt/pfad"), filter}));
    QVERIFY(u.p.aufrufe.last().argumente.at(3).endsWith(QStringLiteral("auswählen")));
    QCOMPARE(text->text(), QStringLiteral("/neu/programm.exe"));
}

void TestFrmEinstell::pfadAbbrechen_behaeltWert() {
    Umgebung u;
    u.feld<QLineEdit>("txtPfadGoChr")->setText(QStringLiteral("/alt/browser"));
    u.p.dateien.enqueue(QString());
    u.klick("cmdPfadGoChr");
    QCOMPARE(u.feld<QLineEdit>("txtPfadGoChr")->text(), QStringLiteral("/alt/browser"));
}

void TestFrmEinstell::namenBearbeiten_oeffnetListe() {
    Umgebung u;
    u.klick("cmdOpenAutor");
    QCOMPARE(u.p.aufrufe.last().art, QStringLiteral("oeffnen"));
    QCOMPARE(u.p.aufrufe.last().argumente.at(0), u.ordner.daten(QStringLiteral("vorlagen/Ebay_Namen.txt")));
}

QTEST_MAIN(TestFrmEinstell)
#include "tst_frmeinstell.moc"
