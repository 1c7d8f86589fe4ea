#include "article/ArtikelText.h"
#include "article/Dateinamen.h"
#include "config/Ini.h"
#include "config/Vorlage.h"
#include "core/TextDatei.h"
#include "lists/Eintraege.h"
#include "support/FensterTest.h"
#include "support/Maus.h"
#include "ui/RichTextFeld.h"
#include "ui/frmBuch.h"
#include "ui/frmEinstell.h"
#include "ui/frmVorlIni.h"
#include "ui/frmVorlSpeichern.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kListing = QStringLiteral("<p>Listing</p>");
const QString kCrLf = QStringLiteral("\r\n");

QString meldung12(const QString& feld, const QString& zeichen) {
    return QStringLiteral("ACHTUNG\r\nBitte Angaben im Feld \"") + feld +
           QStringLiteral("\" Korriegieren!\r\n") + NichtSpeicherbarText(zeichen);
}

} // namespace

// Characters pasted from the web reach every file: HTML keeps those outside the code page as
// character references, a plain value holding them is refused with its field named and nothing
// written, and what was written reads back as it was.
class TestFremdeZeichen : public FensterTest {
    Q_OBJECT
public:
    TestFremdeZeichen() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void html_data() { zeichen(); }
    void html();
    void klartext_data() { zeichen(); }
    void klartext();

private:
    static void zeichen();
    void speicherfensterZeigen(const QString& titel, const QString& zusatz) const;
    template <class T> T& in(const QWidget& fenster, const char* name) const {
        return *element<T>(fenster, QLatin1String(name));
    }
    bool druecken(const QWidget& fenster, const char* knopf) const {
        return mausKlick(in<QPushButton>(fenster, knopf));
    }
    QString lesen(const QString& relativ) const {
        return textLesen(ordner().daten(relativ)).value_or(QString());
    }
    QString vorlagenteil2() const {
        return vorlageTeileLesen(ordner().daten(QStringLiteral("HTML_Code/Vorlage.Ini")),
                                 QStringLiteral("Buch"))
            .at(1);
    }
    QString einstellung() const {
        return IniLesen(ordner().daten(QStringLiteral("Einstell.Ini")), QStringLiteral("EINSTELL"),
                        QStringLiteral("PFAD_ZUS_HOER"));
    }
    QString gespeicherterTitel() const;
    QString eingetragenerName() const;
};

void TestFremdeZeichen::zeichen() {
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<QString>("verweis");
    QTest::newRow("Haken") << QStringLiteral("✓") << QStringLiteral("&#10003;");
    QTest::newRow("Euro") << QStringLiteral("€") << QStringLiteral("€");
    QTest::newRow("L mit Strich") << QStringLiteral("Ł") << QStringLiteral("&#321;");
    QTest::newRow("Emoji") << QStringLiteral("\U0001F600") << QStringLiteral("&#128512;");
    QTest::newRow("Steuerzeichen") << QStringLiteral("\u0007") << QStringLiteral("\u0007");
}

void TestFremdeZeichen::speicherfensterZeigen(const QString& titel, const QString& zusatz) const {
    app().zustand().verkaeuferName = QStringLiteral("Kori");
    app().zustand().listingText = kListing;
    haupt<QLineEdit>(QStringLiteral("txtArtikelBez"))->setText(QStringLiteral("Tasse"));
    haupt<QLineEdit>(QStringLiteral("txtTitel"))->setText(titel);
    haupt<RichTextFeld>(QStringLiteral("rtfInhaltAuto"))->setText(zusatz);
    app().frmVorlSpeichern().nachFertigstellenZeigen(QStringLiteral("1,85"), QStringLiteral("Post"));
}

QString TestFremdeZeichen::gespeicherterTitel() const {
    const ArtikelDateiInhalt datei =
        ArtikelDateiAuswerten(lesen(QStringLiteral("Artikeln-Txt/Tasse~1,85#Kori.ebay")));
    for (const Zuweisung& z : FelderAusZeilenSetzen(datei.zeilen, Schluesselsuche::Genau).zuweisungen) {
        if (z.feld == Artikelfeld::Titel) {
            return z.wert;
        }
    }
    return {};
}

// The name as the library finds it again: the last register entry names the article's file.
QString TestFremdeZeichen::eingetragenerName() const {
    const QStringList eintraege =
        listeAuswerten(lesen(QStringLiteral("vorlagen/NochNichtEingestellt.txt"))).eintraege;
    const QString eintrag = eintraege.isEmpty() ? QString() : eintraege.last();
    return ordner().dateien(QStringLiteral("Artikeln-Txt")).contains(eintrag) ? TitelAusDateiname(eintrag)
                                                                              : QString();
}

void TestFremdeZeichen::html() {
    QFETCH(QString, zeichen);
    QFETCH(QString, verweis);
    const QString wert = QStringLiteral("A") + zeichen + QStringLiteral("B");
    const QString html = QStringLiteral("A") + verweis + QStringLiteral("B");
    const QString listing = QStringLiteral("Artikeln/Tasse~1,85#Kori.ebay");
    FrmVorlSpeichern& speichern = app().frmVorlSpeichern();
    speicherfensterZeigen(QStringLiteral("Titel"), wert);

    QVERIFY(einfuegen(in<RichTextFeld>(speichern, "rtfText"), wert));
    QVERIFY(druecken(speichern, "cmdVorschau"));
    QCOMPARE(lesen(QStringLiteral("Vorschau.html")), kListing + html + kCrLf);
    QCOMPARE(lesen(listing), kListing + html + kCrLf);
    QCOMPARE(lesen(QStringLiteral("Artikeln-Zusatz-html/Tasse~1,85#Kori-Zus.ebay")), html + kCrLf);

    // The saved listing opened again, edited and written back as it is shown.
    plattform().dateien.enqueue(ordner().daten(listing));
    QVERIFY(druecken(speichern, "cmdDateiOpen"));
    QVERIFY(einfuegen(in<RichTextFeld>(speichern, "rtfText"), wert));
    QVERIFY(druecken(speichern, "cmdSpeichern"));
    QCOMPARE(lesen(listing), kListing + html + kCrLf + html);
    speichern.hide();

    FrmVorlIni& vorlage = app().frmVorlIni();
    vorlage.show();
    const QString teil = vorlagenteil2();
    QVERIFY(einfuegen(in<QLineEdit>(vorlage, "txtTeil2"), wert));
    QVERIFY(druecken(vorlage, "cmdAendSpeich"));
    QCOMPARE(vorlagenteil2(), teil + html);
    QCOMPARE(plattform().meldungstexte(), QStringList{});
}

void TestFremdeZeichen::klartext() {
    QFETCH(QString, zeichen);
    const QString wert = QStringLiteral("A") + zeichen + QStringLiteral("B");
    const bool fremd = !ZeichenAusserhalbWindows1252(zeichen).isEmpty();

    FrmEinstell& einstell = app().frmEinstell();
    einstell.show();
    const QString vorher = einstellung();
    QVERIFY(einfuegen(in<QLineEdit>(einstell, "txtPfadHoerproben"), wert));
    QVERIFY(druecken(einstell, "cmdEinstelSpeichern"));
    QCOMPARE(einstellung(), fremd ? vorher : wert);
    QCOMPARE(in<QLabel>(einstell, "lblgespeichert").text().isEmpty(), fremd);

    FrmBuch& buch = app().frmBuch();
    buch.show();
    in<QLineEdit>(buch, "txtArtikelBez").setText(QStringLiteral("Tasse"));
    in<QComboBox>(buch, "cboZustandWehlen1").setCurrentText(QStringLiteral("sehr gut"));
    QVERIFY(druecken(buch, "cmdubernehmen"));
    QVERIFY(einfuegen(in<QLineEdit>(buch, "Text2_0"), wert));
    QVERIFY(druecken(buch, "cmdSpeichKleidBeschr"));
    QCOMPARE(IniLesen(ordner().daten(QStringLiteral("Artikel-Beschreibung/Tasse.ini")),
                      QStringLiteral("KL_BESCHR"), QStringLiteral("TEIL1")),
             fremd ? QString() : wert);

    FrmVorlSpeichern& speichern = app().frmVorlSpeichern();
    speicherfensterZeigen(wert, QString());
    QVERIFY(druecken(speichern, "cmdSpeichern"));
    QCOMPARE(gespeicherterTitel(), fremd ? QString() : wert);
    QVERIFY(einfuegen(in<QLineEdit>(speichern, "txtArtikelBez"), wert, true));
    plattform().antworten.enqueue(Plattform::Antwort::Nein);
    QVERIFY(druecken(speichern, "cmdSchliesen"));
    QCOMPARE(eingetragenerName(), fremd ? QString() : wert);

    QStringList meldungen = plattform().meldungstexte();
    meldungen.removeIf([](const QString& m) { return m.startsWith(QLatin1String("Ja   = Artikel")); });
    const QStringList verweigert{
        meldung12(QStringLiteral("Pfad zur Hörproben, Demos, weiteren Fotos oder www"), zeichen),
        meldung12(QStringLiteral("Verlag"), zeichen), meldung12(QStringLiteral("Titel"), zeichen),
        meldung12(QStringLiteral("Speichername"), zeichen)};
    QCOMPARE(meldungen, fremd ? verweigert : QStringList{});
    QCOMPARE(speichern.isVisible(), fremd);
}

QTEST_MAIN(TestFremdeZeichen)
#include "tst_fremdezeichen.moc"
