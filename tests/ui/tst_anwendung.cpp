#include "support/FensterTest.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

class TestAnwendung : public FensterTest {
    Q_OBJECT
private slots:
    void starten_zeigtHauptfenster();
    void editorStartFehler_meldet500();
    void ordnerStartFehler_meldet505();
};

void TestAnwendung::starten_zeigtHauptfenster() {
    app().starten();
    QMainWindow* gezeigt = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmHaupt")) {
            gezeigt = qobject_cast<QMainWindow*>(w);
        }
    }
    QVERIFY(gezeigt);
    QVERIFY(gezeigt->isVisible());
    QCOMPARE(gezeigt->windowTitle(), QStringLiteral("K.O.R.I    PlainPage-PlainSale"));
    QCOMPARE(element<QLabel>(*gezeigt, QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version: 4.51"));
}

void TestAnwendung::editorStartFehler_meldet500() {
    plattform().oeffnenErgebnisse.enqueue(false);
    DateiImEditorOeffnen(plattform(), ordner().programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\BT1.Str"));
    QCOMPARE(plattform().aufrufe.at(0).art, QStringLiteral("oeffnen"));
    QCOMPARE(plattform().aufrufe.at(0).argumente.at(0), ordner().daten(QStringLiteral("vorlagen/BT1.Str")));
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.at(0).text.startsWith(QStringLiteral("Fehler Nr 500/ \r\n")));
}

void TestAnwendung::ordnerStartFehler_meldet505() {
    plattform().oeffnenErgebnisse.enqueue(true);
    OrdnerOeffnen(plattform(), QStringLiteral("/tmp"));
    QVERIFY(plattform().fenster.isEmpty());
    plattform().oeffnenErgebnisse.enqueue(false);
    OrdnerOeffnen(plattform(), QStringLiteral("/nirgends"));
    QCOMPARE(plattform().fenster.size(), 1);
    QVERIFY(plattform().fenster.at(0).text.startsWith(QStringLiteral("Fehler Nr 505/ \r\n")));
}

QTEST_MAIN(TestAnwendung)
#include "tst_anwendung.moc"
