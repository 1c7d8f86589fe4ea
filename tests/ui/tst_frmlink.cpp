#include "compose/Link.h"
#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"
#include "ui/frmLink.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestFrmLink : public FensterTest {
    Q_OBJECT
public:
    TestFrmLink() : FensterTest({.mitDaten = false}) {}

private slots:
    void init();
    void oeffnen_zeigtVorgabenUndSetztZiel();
    void platzhalter_meldetUndBautNichts();
    void nurTextOhneBildpfad_meldetNichts();
    void nurBildOhneBildpfad_meldetUndBautTrotzdem();
    void zweimalErstellen_haengtZweiBloeckeAn();
    void ziel2_legtNichtsAb();
    void fremdesZiel_meldet4945();
    void loeschen_leertLinkfeld();
    void schliessen_verstecktUndBehaeltEingaben();

private:
    void ausfuellen(const QString& seite, const QString& bild, const QString& text, int art);
    void erstellen();
    QString meldung10(const QString& feld) const;

    FrmLink* m_fenster = nullptr;
    RichTextFeld* m_rtfLink = nullptr;
};

void TestFrmLink::init() {
    FensterTest::init();
    m_rtfLink = haupt<RichTextFeld>(QStringLiteral("rtfLink"));
    m_fenster = &app().frmLink();
    m_fenster->oeffnen(QStringLiteral("1"));
}

void TestFrmLink::ausfuellen(const QString& seite, const QString& bild, const QString& text, int art) {
    element<QLineEdit>(*m_fenster, QStringLiteral("txtSeitenPfad"))->setText(seite);
    element<QLineEdit>(*m_fenster, QStringLiteral("txtImgPfad"))->setText(bild);
    element<QLineEdit>(*m_fenster, QStringLiteral("txtLinkText"))->setText(text);
    element<QRadioButton>(*m_fenster, QStringLiteral("optLink_%1").arg(art))->setChecked(true);
}

void TestFrmLink::erstellen() {
    klicken(*m_fenster, QStringLiteral("cmdLinkUbername"));
}

QString TestFrmLink::meldung10(const QString& feld) const {
    return QStringLiteral("ACHTUNG\r\nAngaben im Feld \"") + feld + QStringLiteral("\" fehlen (s. ?\?\?)");
}

void TestFrmLink::oeffnen_zeigtVorgabenUndSetztZiel() {
    app().zustand().linkZiel = QStringLiteral("x");
    m_fenster->oeffnen(QStringLiteral("1"));
    QCOMPARE(app().zustand().linkZiel, QStringLiteral("1"));
    QVERIFY(m_fenster->isVisible());
    QCOMPARE(m_fenster->windowTitle(), QStringLiteral("Link einfügen"));
    QCOMPARE(element<QLineEdit>(*m_fenster, QStringLiteral("txtSeitenPfad"))->text(), kSeitenPfadVorgabe);
    QVERIFY(
        kSeitenPfadVorgabe.startsWith(QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/")));
    QCOMPARE(element<QLineEdit>(*m_fenster, QStringLiteral("txtImgPfad"))->text(),
             QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/ZurVorschau.jpg"));
    QCOMPARE(element<QLineEdit>(*m_fenster, QStringLiteral("txtLinkText"))->text(),
             QStringLiteral("zur Vorschau"));
}

void TestFrmLink::platzhalter_meldetUndBautNichts() {
    m_rtfLink->setText(QStringLiteral("bisher"));
    erstellen();
    QCOMPARE(plattform().meldungstexte(), QStringList{meldung10(QStringLiteral("Pfad zur Seite"))});
    QCOMPARE(m_rtfLink->text(), QStringLiteral("bisher"));
    QVERIFY(m_fenster->isVisible());
}

void TestFrmLink::nurTextOhneBildpfad_meldetNichts() {
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 2);
    erstellen();
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(m_rtfLink->text(),
             QStringLiteral("<!-------- LINK START --------->\r\n<div align=\"center\">\r\n"
                            "<a href=\"https://www.example.com/a.html\" target=\"_blank\">\r\n"
                            "Demo\r\n</a>\r\n</div>\r\n<!-------- LINK ENDE ---------><br>\r\n"));
    QVERIFY(!m_fenster->isVisible());
}

void TestFrmLink::nurBildOhneBildpfad_meldetUndBautTrotzdem() {
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 0);
    erstellen();
    QCOMPARE(plattform().meldungstexte(), QStringList{meldung10(QStringLiteral("Pfad zum Bild"))});
    QVERIFY(m_rtfLink->text().contains(QStringLiteral("<img src=\"\" alt=\"Demo\" border=\"0\">\r\n")));
}

void TestFrmLink::zweimalErstellen_haengtZweiBloeckeAn() {
    ausfuellen(QStringLiteral("https://www.example.com/a.html"),
               QStringLiteral("https://www.example.com/a.jpg"), QStringLiteral("Demo"), 1);
    m_rtfLink->setText(QStringLiteral("vorher\r\n"));
    erstellen();
    const QString einBlock = m_rtfLink->text().mid(8);
    m_fenster->oeffnen(QStringLiteral("1"));
    erstellen();
    QCOMPARE(m_rtfLink->text(), QStringLiteral("vorher\r\n") + einBlock + einBlock);
    QCOMPARE(m_rtfLink->text().count(QStringLiteral("<!-------- LINK START --------->")), 2);
}

void TestFrmLink::ziel2_legtNichtsAb() {
    m_fenster->oeffnen(QStringLiteral("2"));
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 2);
    erstellen();
    QVERIFY(plattform().fenster.isEmpty());
    QVERIFY(m_rtfLink->text().isEmpty());
    QVERIFY(!m_fenster->isVisible());
}

void TestFrmLink::fremdesZiel_meldet4945() {
    m_fenster->oeffnen(QStringLiteral("7"));
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 2);
    erstellen();
    QCOMPARE(plattform().fenster.size(), 1);
    QCOMPARE(plattform().fenster.at(0).text, QStringLiteral("FehlerNr 4945"));
    QCOMPARE(plattform().fenster.at(0).symbol, Plattform::Symbol::Keins);
    QVERIFY(m_rtfLink->text().isEmpty());
}

void TestFrmLink::loeschen_leertLinkfeld() {
    m_rtfLink->setText(QStringLiteral("<a>alt</a>\r\n"));
    klicken(*m_fenster, QStringLiteral("cmdLinkLoeschen2"));
    QVERIFY(m_rtfLink->text().isEmpty());
}

void TestFrmLink::schliessen_verstecktUndBehaeltEingaben() {
    ausfuellen(QStringLiteral("https://www.example.com/b.html"), QString(), QStringLiteral("Probe"), 1);
    QVERIFY(m_fenster->close());
    QVERIFY(!m_fenster->isVisible());
    QCOMPARE(&app().frmLink(), m_fenster);
    m_fenster->oeffnen(QStringLiteral("1"));
    QCOMPARE(element<QLineEdit>(*m_fenster, QStringLiteral("txtSeitenPfad"))->text(),
             QStringLiteral("https://www.example.com/b.html"));
    QVERIFY(element<QRadioButton>(*m_fenster, QStringLiteral("optLink_1"))->isChecked());
}

QTEST_MAIN(TestFrmLink)
#include "tst_frmlink.moc"
