#include "support/FensterTest.h"
#include "ui/BildFeld.h"
#include "ui/frmBild.h"
#include "ui/frmHaupt.h"

#include <QLabel>
#include <QTest>

// The main window's thumbnail carrier holds a 4:3 photo as a 87 x 65 pixel thumbnail.
class TestFrmBild : public FensterTest {
    Q_OBJECT
public:
    TestFrmBild() : FensterTest({.mitDaten = false}) {}

private slots:
    void init();
    void zeigen_fuenffachVergroessertUndMittig();
    void klickAufBild_schliesst();
    void mausAmRand_schliesst_data();
    void mausAmRand_schliesst();

private:
    QLabel* bild() const { return element<QLabel>(app().frmBild(), QStringLiteral("imgVorAlle")); }
    QLabel* rahmen() const { return element<QLabel>(app().frmBild(), QStringLiteral("imgVorX")); }
};

void TestFrmBild::init() {
    FensterTest::init();
    auto* traeger = haupt<BildFeld>(QStringLiteral("picFotoAlle"));
    QVERIFY(traeger->bildLaden(foto(ordner(), QStringLiteral("foto.jpg"), 1600, 1200)));
    traeger->resize(87, 65);
    app().frmHaupt().move(100, 200);
}

void TestFrmBild::zeigen_fuenffachVergroessertUndMittig() {
    FrmBild& fenster = app().frmBild();
    fenster.show();
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Bildvorschau"));
    QCOMPARE(bild()->size(), QSize(435, 325));
    QVERIFY(!bild()->pixmap().isNull());
    QCOMPARE(fenster.width(), 435 + 26);
    QCOMPARE(bild()->x(), 13);
    QCOMPARE(fenster.pos(), app().frmHaupt().pos() + QPoint(300, 213));
}

void TestFrmBild::klickAufBild_schliesst() {
    app().frmBild().show();
    QTest::mouseClick(bild(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!app().frmBild().isVisible());
    app().frmBild().show();
    QVERIFY(app().frmBild().isVisible());
}

void TestFrmBild::mausAmRand_schliesst_data() {
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<bool>("offen");
    QTest::newRow("innen") << QPoint(100, 100) << true;
    QTest::newRow("Grenze links") << QPoint(4, 2) << true;
    QTest::newRow("links") << QPoint(3, 100) << false;
    QTest::newRow("oben") << QPoint(100, 1) << false;
    QTest::newRow("rechts") << QPoint(348, 100) << false;
    QTest::newRow("unten") << QPoint(100, 337) << false;
}

void TestFrmBild::mausAmRand_schliesst() {
    QFETCH(QPoint, punkt);
    QFETCH(bool, offen);
    app().frmBild().show();
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(punkt), rahmen()->mapToGlobal(QPointF(punkt)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(rahmen(), &bewegung);
    QCOMPARE(app().frmBild().isVisible(), offen);
}

QTEST_MAIN(TestFrmBild)
#include "tst_frmbild.moc"
