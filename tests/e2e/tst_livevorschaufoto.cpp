// Takes the guide's picture of the live preview from the running window, with the sample article
// of the test menu. It only runs when KORI_BILDSCHIRMFOTOS names the folder to write it into.

#include "support/FensterTest.h"
#include "ui/Anwendung.h"
#include "ui/frmHaupt.h"
#include "ui/LiveVorschau.h"
#include "ui/frmLiveVorschau.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

class TestLiveVorschauFoto : public FensterTest {
    Q_OBJECT
public:
    TestLiveVorschauFoto() : FensterTest({.mitDaten = true, .starten = true}) {}

private slots:
    void handyUndDesktopNebeneinander();
};

void TestLiveVorschauFoto::handyUndDesktopNebeneinander() {
    const QString ziel = qEnvironmentVariable("KORI_BILDSCHIRMFOTOS");
    if (ziel.isEmpty()) {
        QSKIP("KORI_BILDSCHIRMFOTOS nennt keinen Zielordner");
    }
    QVERIFY(QDir().mkpath(ziel));
    QCoreApplication::addLibraryPath(QStringLiteral(KORI_PLUGIN_ORDNER));
    menue(app().frmHaupt(), QStringLiteral("mnuDatenTest"));
    haupt<QComboBox>(QStringLiteral("txtBildLaenge"))->setCurrentText(QStringLiteral("300"));
    haupt<QCheckBox>(QStringLiteral("chkBil3JaNEin"))->setChecked(true);
    haupt<QComboBox>(QStringLiteral("txtBildLaenge2"))->setCurrentText(QStringLiteral("300"));
    haupt<QComboBox>(QStringLiteral("txtBildHohe2"))->setCurrentText(QStringLiteral("400"));
    menue(app().frmHaupt(), QStringLiteral("mnuLiveVorschau"));
    FrmLiveVorschau* fenster = app().frmLiveVorschau();
    QVERIFY(fenster != nullptr);
    QSignalSpy gezeigt(fenster, &FrmLiveVorschau::gezeigt);
    QVERIFY(gezeigt.wait(30000));
    // The engine paints a moment after the page is there.
    QTest::qWait(1000);
    const QString pfad = QDir(ziel).filePath(QStringLiteral("live-vorschau.png"));
    QVERIFY2(fenster->grab().save(pfad, "PNG"), qPrintable(pfad));
    // The phone view alone, for the summary's box above the listing.
    QWidget* handy = fenster->webHandy().widget();
    const QString handyPfad = QDir(ziel).filePath(QStringLiteral("live-handy-kurzfassung.png"));
    const QRect flaeche(handy->mapTo(fenster, QPoint(0, 0)), QSize(handy->width(), handy->height() / 2));
    QVERIFY2(fenster->grab(flaeche).save(handyPfad, "PNG"), qPrintable(handyPfad));
}

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication anwendung(argc, argv);
    TestLiveVorschauFoto test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_livevorschaufoto.moc"
