#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/BildFeld.h"
#include "ui/frmBild.h"
#include "ui/frmHaupt.h"

#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The main window's thumbnail carrier holding a 4:3 photo as a 87 x 65 pixel thumbnail.
struct Umgebung {
    TestOrdner ordner{false};
    SkriptPlattform p;
    Anwendung app{ordner.programmordner(), p};
    QTemporaryDir bilder;

    Umgebung() {
        const QString pfad = bilder.filePath(QStringLiteral("foto.jpg"));
        QImage bild(1600, 1200, QImage::Format_RGB32);
        bild.fill(Qt::blue);
        bild.save(pfad, "JPG");
        auto* traeger = app.frmHaupt().findChild<BildFeld*>(QStringLiteral("picFotoAlle"));
        traeger->bildLaden(pfad);
        traeger->resize(87, 65);
        app.frmHaupt().move(100, 200);
    }

    QLabel* bild() { return app.frmBild().findChild<QLabel*>(QStringLiteral("imgVorAlle")); }
    QLabel* rahmen() { return app.frmBild().findChild<QLabel*>(QStringLiteral("imgVorX")); }
};

} // namespace

class TestFrmBild : public QObject {
    Q_OBJECT
private slots:
    void zeigen_fuenffachVergroessertUndMittig();
    void klickAufBild_schliesst();
    void mausAmRand_schliesst_data();
    void mausAmRand_schliesst();
};

void TestFrmBild::zeigen_fuenffachVergroessertUndMittig() {
    Umgebung u;
    FrmBild& fenster = u.app.frmBild();
    fenster.show();
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Bildvorschau"));
    QCOMPARE(u.bild()->size(), QSize(435, 325));
    QVERIFY(!u.bild()->pixmap().isNull());
    QCOMPARE(fenster.width(), 435 + 26);
    QCOMPARE(u.bild()->x(), 13);
    QCOMPARE(fenster.pos(), u.app.frmHaupt().pos() + QPoint(300, 213));
}

void TestFrmBild::klickAufBild_schliesst() {
    Umgebung u;
    u.app.frmBild().show();
    QTest::mouseClick(u.bild(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!u.app.frmBild().isVisible());
    u.app.frmBild().show();
    QVERIFY(u.app.frmBild().isVisible());
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
    Umgebung u;
    u.app.frmBild().show();
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(punkt), u.rahmen()->mapToGlobal(QPointF(punkt)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(u.rahmen(), &bewegung);
    QCOMPARE(u.app.frmBild().isVisible(), offen);
}

QTEST_MAIN(TestFrmBild)
#include "tst_frmbild.moc"
