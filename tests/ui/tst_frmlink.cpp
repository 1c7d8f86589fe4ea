#include "compose/Link.h"
#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/RichTextFeld.h"
#include "ui/frmHaupt.h"
#include "ui/frmLink.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestFrmLink : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
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

    std::unique_ptr<TestOrdner> m_ordner;
    std::unique_ptr<SkriptPlattform> m_p;
    std::unique_ptr<Anwendung> m_app;
    FrmLink* m_fenster = nullptr;
    RichTextFeld* m_rtfLink = nullptr;
};

void TestFrmLink::init() {
    m_ordner = std::make_unique<TestOrdner>(false);
    m_p = std::make_unique<SkriptPlattform>();
    m_app = std::make_unique<Anwendung>(m_ordner->programmordner(), *m_p);
    m_rtfLink = m_app->frmHaupt().findChild<RichTextFeld*>(QStringLiteral("rtfLink"));
    m_fenster = &m_app->frmLink();
    m_fenster->oeffnen(QStringLiteral("1"));
}

void TestFrmLink::cleanup() {
    QVERIFY(m_p->unerwartet.isEmpty());
    m_app.reset();
    m_p.reset();
    m_ordner.reset();
}

void TestFrmLink::ausfuellen(const QString& seite, const QString& bild, const QString& text, int art) {
    m_fenster->findChild<QLineEdit*>(QStringLiteral("txtSeitenPfad"))->setText(seite);
    m_fenster->findChild<QLineEdit*>(QStringLiteral("txtImgPfad"))->setText(bild);
    m_fenster->findChild<QLineEdit*>(QStringLiteral("txtLinkText"))->setText(text);
    m_fenster->findChild<QRadioButton*>(QStringLiteral("optLink_%1").arg(art))->setChecked(true);
}

void TestFrmLink::erstellen() {
    m_fenster->findChild<QPushButton*>(QStringLiteral("cmdLinkUbername"))->click();
}

QString TestFrmLink::meldung10(const QString& feld) const {
    return QStringLiteral("ACHTUNG\r\nAngaben im Feld \"") + feld + QStringLiteral("\" fehlen (s. ?\?\?)");
}

void TestFrmLink::oeffnen_zeigtVorgabenUndSetztZiel() {
    m_app->zustand().linkZiel = QStringLiteral("x");
    m_fenster->oeffnen(QStringLiteral("1"));
    QCOMPARE(m_app->zustand().linkZiel, QStringLiteral("1"));
    QVERIFY(m_fenster->isVisible());
    QCOMPARE(m_fenster->windowTitle(), QStringLiteral("Link einfügen"));
    QCOMPARE(m_fenster->findChild<QLineEdit*>(QStringLiteral("txtSeitenPfad"))->text(), kSeitenPfadVorgabe);
    QVERIFY(
        kSeitenPfadVorgabe.startsWith(QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/")));
    QCOMPARE(m_fenster->findChild<QLineEdit*>(QStringLiteral("txtImgPfad"))->text(),
             QStringLiteral("https://www.example.com/t-w/ebay_tw/zusatzbilder/ZurVorschau.jpg"));
    QCOMPARE(m_fenster->findChild<QLineEdit*>(QStringLiteral("txtLinkText"))->text(),
             QStringLiteral("zur Vorschau"));
}

void TestFrmLink::platzhalter_meldetUndBautNichts() {
    m_rtfLink->setText(QStringLiteral("bisher"));
    erstellen();
    QCOMPARE(m_p->meldungstexte(), QStringList{meldung10(QStringLiteral("Pfad zur Seite"))});
    QCOMPARE(m_rtfLink->text(), QStringLiteral("bisher"));
    QVERIFY(m_fenster->isVisible());
}

void TestFrmLink::nurTextOhneBildpfad_meldetNichts() {
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 2);
    erstellen();
    QVERIFY(m_p->fenster.isEmpty());
    QCOMPARE(m_rtfLink->text(),
             QStringLiteral("<!-------- LINK START --------->\r\n<div align=\"center\">\r\n"
                            "<a href=\"https://www.example.com/a.html\" target=\"_blank\">\r\n"
                            "Demo\r\n</a>\r\n</div>\r\n<!-------- LINK ENDE ---------><br>\r\n"));
    QVERIFY(!m_fenster->isVisible());
}

void TestFrmLink::nurBildOhneBildpfad_meldetUndBautTrotzdem() {
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 0);
    erstellen();
    QCOMPARE(m_p->meldungstexte(), QStringList{meldung10(QStringLiteral("Pfad zum Bild"))});
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
    QVERIFY(m_p->fenster.isEmpty());
    QVERIFY(m_rtfLink->text().isEmpty());
    QVERIFY(!m_fenster->isVisible());
}

void TestFrmLink::fremdesZiel_meldet4945() {
    m_fenster->oeffnen(QStringLiteral("7"));
    ausfuellen(QStringLiteral("https://www.example.com/a.html"), QString(), QStringLiteral("Demo"), 2);
    erstellen();
    QCOMPARE(m_p->fenster.size(), 1);
    QCOMPARE(m_p->fenster.at(0).text, QStringLiteral("FehlerNr 4945"));
    QCOMPARE(m_p->fenster.at(0).symbol, Plattform::Symbol::Keins);
    QVERIFY(m_rtfLink->text().isEmpty());
}

void TestFrmLink::loeschen_leertLinkfeld() {
    m_rtfLink->setText(QStringLiteral("<a>alt</a>\r\n"));
    m_fenster->findChild<QPushButton*>(QStringLiteral("cmdLinkLoeschen2"))->click();
    QVERIFY(m_rtfLink->text().isEmpty());
}

void TestFrmLink::schliessen_verstecktUndBehaeltEingaben() {
    ausfuellen(QStringLiteral("https://www.example.com/b.html"), QString(), QStringLiteral("Probe"), 1);
    QVERIFY(m_fenster->close());
    QVERIFY(!m_fenster->isVisible());
    QCOMPARE(&m_app->frmLink(), m_fenster);
    m_fenster->oeffnen(QStringLiteral("1"));
    QCOMPARE(m_fenster->findChild<QLineEdit*>(QStringLiteral("txtSeitenPfad"))->text(),
             QStringLiteral("https://www.example.com/b.html"));
    QVERIFY(m_fenster->findChild<QRadioButton*>(QStringLiteral("optLink_1"))->isChecked());
}

QTEST_MAIN(TestFrmLink)
#include "tst_frmlink.moc"
