#include "support/SkriptPlattform.h"
#include "support/TestOrdner.h"
#include "ui/Anwendung.h"
#include "ui/ExterneProgramme.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>

class TestAnwendung : public QObject {
    Q_OBJECT
private slots:
    void starten_zeigtHauptfenster();
    void editorStartFehler_meldet500();
    void ordnerStartFehler_meldet505();
};

void TestAnwendung::starten_zeigtHauptfenster() {
    TestOrdner ordner;
    SkriptPlattform p;
    Anwendung app(ordner.programmordner(), p);
    app.starten();
    auto* haupt = qobject_cast<QMainWindow*>(QApplication::topLevelWidgets().isEmpty() ? nullptr : [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("frmHaupt")) {
                return w;
            }
        }
        return static_cast<QWidget*>(nullptr);
    }());
    QVERIFY(haupt);
    QVERIFY(haupt->isVisible());
    QCOMPARE(haupt->windowTitle(), QStringLiteral("K.O.R.I    PlainPage-PlainSale"));
    QCOMPARE(haupt->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version: 4.51"));
    QVERIFY(p.unerwartet.isEmpty());
}

void TestAnwendung::editorStartFehler_meldet500() {
    TestOrdner ordner;
    SkriptPlattform p;
    p.oeffnenErgebnisse.enqueue(false);
    DateiImEditorOeffnen(p, ordner.programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\BT1.Str"));
    QCOMPARE(p.aufrufe.at(0).art, QStringLiteral("oeffnen"));
    QCOMPARE(p.aufrufe.at(0).argumente.at(0), ordner.daten(QStringLiteral("vorlagen/BT1.Str")));
    QCOMPARE(p.fenster.size(), 1);
    QVERIFY(p.fenster.at(0).text.startsWith(QStringLiteral("Fehler Nr 500/ \r\n")));
}

void TestAnwendung::ordnerStartFehler_meldet505() {
    SkriptPlattform p;
    p.oeffnenErgebnisse.enqueue(true);
    OrdnerOeffnen(p, QStringLiteral("/tmp"));
    QVERIFY(p.fenster.isEmpty());
    p.oeffnenErgebnisse.enqueue(false);
    OrdnerOeffnen(p, QStringLiteral("/nirgends"));
    QCOMPARE(p.fenster.size(), 1);
    QVERIFY(p.fenster.at(0).text.startsWith(QStringLiteral("Fehler Nr 505/ \r\n")));
}

QTEST_MAIN(TestAnwendung)
#include "tst_anwendung.moc"
