#include "compose/ShopSeite.h"
#include "support/FensterTest.h"
#include "ui/RichTextFeld.h"
#include "ui/frmShop.h"
#include "ui/frmShopSite.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

class TestFrmShop : public FensterTest {
    Q_OBJECT
public:
    TestFrmShop() : FensterTest({.mitDaten = false}) {}

private slots:
    void init();
    void laden_setztSchrittUndKoordinaten();
    void ersteKoordinate_rechnetMitX2Neu();
    void schrittEinstellen_rechnetErstBeimAnwenden();
    void schrittEinstellen_abbrechenAendertNichts();
    void schrittEinstellen_unsinnMeldet();
    void gehe_data();
    void gehe();
    void htmlErstellen_zeigtSeite();
    void htmlErstellen_nimmtGeaenderteTexte();

private:
    QLineEdit* feld(const QString& name) const { return element<QLineEdit>(*m_fenster, name); }
    QLineEdit* pos(int index) const { return feld(ShopPosName(index)); }
    void ausloesen(const QString& aktion) { menue(*m_fenster, aktion); }

    FrmShop* m_fenster = nullptr;
};

void TestFrmShop::init() {
    FensterTest::init();
    m_fenster = &app().frmShop();
    m_fenster->show();
}

void TestFrmShop::laden_setztSchrittUndKoordinaten() {
    QCOMPARE(feld(QStringLiteral("Text8"))->text(), QStringLiteral("60"));
    QCOMPARE(m_fenster->height(), 7740 / 15);
    QCOMPARE(element<QScrollBar>(*m_fenster, QStringLiteral("VScroll1"))->value(), 200);
    QCOMPARE(m_fenster->windowTitle(), QStringLiteral("0"));
    QCOMPARE(pos(ShopPosIndex(2, 1))->text(), QStringLiteral("61"));
    QCOMPARE(pos(ShopPosIndex(2, 3))->text(), QStringLiteral("120"));
    QCOMPARE(pos(ShopPosIndex(7, 1))->text(), QStringLiteral("361"));
    QCOMPARE(pos(ShopPosIndex(7, 3))->text(), QStringLiteral("420"));
}

void TestFrmShop::ersteKoordinate_rechnetMitX2Neu() {
    pos(ShopPosIndex(1, 3))->setText(QStringLiteral("50"));
    QCOMPARE(pos(ShopPosIndex(2, 1))->text(), QStringLiteral("61"));
    pos(ShopPosIndex(1, 1))->setText(QStringLiteral("1"));
    QCOMPARE(feld(QStringLiteral("Text8"))->text(), QStringLiteral("50"));
    QCOMPARE(pos(ShopPosIndex(2, 1))->text(), QStringLiteral("51"));
    QCOMPARE(pos(ShopPosIndex(2, 3))->text(), QStringLiteral("100"));
    QCOMPARE(pos(ShopPosIndex(8, 3))->text(), QStringLiteral("400"));
    QCOMPARE(pos(ShopPosIndex(8, 4))->text(), QStringLiteral("60"));
}

void TestFrmShop::schrittEinstellen_rechnetErstBeimAnwenden() {
    plattform().eingaben.enqueue(QStringLiteral("30"));
    ausloesen(QStringLiteral("mnuEinstelSchritt"));
    QCOMPARE(plattform().aufrufe.at(0).argumente,
             (QStringList{QStringLiteral("Schritt for Map"), QStringLiteral("Einstellungen"),
                          QStringLiteral("60")}));
    QCOMPARE(feld(QStringLiteral("Text8"))->text(), QStringLiteral("30"));
    QCOMPARE(pos(ShopPosIndex(2, 3))->text(), QStringLiteral("120"));
    ausloesen(QStringLiteral("mnuSchritBer"));
    QCOMPARE(pos(ShopPosIndex(2, 1))->text(), QStringLiteral("61"));
    QCOMPARE(pos(ShopPosIndex(2, 3))->text(), QStringLiteral("90"));
    QCOMPARE(pos(ShopPosIndex(7, 3))->text(), QStringLiteral("240"));
}

void TestFrmShop::schrittEinstellen_abbrechenAendertNichts() {
    plattform().eingaben.enqueue(QString());
    ausloesen(QStringLiteral("mnuEinstelSchritt"));
    ausloesen(QStringLiteral("mnuSchritBer"));
    QVERIFY(plattform().fenster.isEmpty());
    QCOMPARE(feld(QStringLiteral("Text8"))->text(), QStringLiteral("60"));
    QCOMPARE(pos(ShopPosIndex(7, 3))->text(), QStringLiteral("420"));
}

void TestFrmShop::schrittEinstellen_unsinnMeldet() {
    plattform().eingaben.enqueue(QStringLiteral("breit"));
    ausloesen(QStringLiteral("mnuEinstelSchritt"));
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.at(0).text.startsWith(
        QStringLiteral("ACHTUNG\r\nAngaben im Feld \"Schritt for Map\"")));
    ausloesen(QStringLiteral("mnuSchritBer"));
    QCOMPARE(pos(ShopPosIndex(7, 3))->text(), QStringLiteral("420"));
}

void TestFrmShop::gehe_data() {
    QTest::addColumn<int>("eintrag");
    QTest::addColumn<int>("wert");
    const std::array<int, 8> werte{200, 2620, 4810, 7090, 200, 2620, 4810, 7090};
    for (int n = 1; n <= 8; ++n) {
        QTest::addRow("mnu%d", n) << n << werte.at(n - 1);
    }
}

void TestFrmShop::gehe() {
    QFETCH(int, eintrag);
    QFETCH(int, wert);
    auto* leiste = element<QScrollBar>(*m_fenster, QStringLiteral("VScroll1"));
    leiste->setValue(1000);
    ausloesen(QStringLiteral("mnu%1").arg(eintrag));
    QCOMPARE(leiste->value(), wert);
    QCOMPARE(m_fenster->windowTitle(), QString::number(200 - wert));
    auto* frame = element<QGroupBox>(*m_fenster, QStringLiteral("Frame1"));
    QCOMPARE(frame->y(), (200 - wert) / 15);
    // The entry's step stands at the top of the view.
    const QWidget* schritt =
        element<QLineEdit>(*m_fenster, ShopFeldName(2, eintrag - 1))->parentWidget()->parentWidget();
    QVERIFY(qAbs(schritt->mapTo(frame->parentWidget(), QPoint(0, 0)).y()) < 10);
}

void TestFrmShop::htmlErstellen_zeigtSeite() {
    ausloesen(QStringLiteral("mnuHtmlErst"));
    FrmShopSite& seite = app().frmShopSite();
    QVERIFY(seite.isVisible());
    const QString text = element<RichTextFeld>(seite, QStringLiteral("rtfText"))->text();
    QCOMPARE(text, SeiteBilden(ShopVorlage()));
}

void TestFrmShop::htmlErstellen_nimmtGeaenderteTexte() {
    ausloesen(QStringLiteral("mnuHtmlErst"));
    feld(QStringLiteral("Text2_3"))->setText(QStringLiteral("https://www.example.com/neu.jpg"));
    pos(ShopPosIndex(3, 2))->setText(QStringLiteral("5"));
    ausloesen(QStringLiteral("mnuHtmlErst"));
    const QString text = element<RichTextFeld>(app().frmShopSite(), QStringLiteral("rtfText"))->text();
    QVERIFY(text.contains(QStringLiteral("coords=\"121,5,180,60 \" href=\"https://www.example.com/neu.jpg\" "
                                         "target=\"_blank\" alt=\"Bild 3\">\r\n")));
    QCOMPARE(text, SeiteBilden(m_fenster->texte()));
}

QTEST_MAIN(TestFrmShop)
#include "tst_frmshop.moc"
