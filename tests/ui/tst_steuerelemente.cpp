#include "ui/Steuerelemente.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>

// A window with a control deep inside a frame, looked up once so that its index exists before
// each change; the index must then answer exactly as a search of the tree does.
struct Fenster {
    QWidget fenster;
    QWidget* rahmen = new QWidget(&fenster);
    QLineEdit* feld = new QLineEdit(rahmen);

    Fenster() {
        rahmen->setObjectName(QStringLiteral("Frame1"));
        feld->setObjectName(QStringLiteral("txtTitel"));
        elementNachName(&fenster, QStringLiteral("txtTitel"));
    }
};

using Aenderung = std::function<void(Fenster&)>;
Q_DECLARE_METATYPE(Aenderung)

class TestSteuerelemente : public QObject {
    Q_OBJECT
private slots:
    void findetWieDieSucheImBaum_data();
    void findetWieDieSucheImBaum();
    void nachArt_nimmtDasErsteDerGesuchtenArt();
};

void TestSteuerelemente::findetWieDieSucheImBaum_data() {
    QTest::addColumn<Aenderung>("aenderung");
    QTest::addColumn<QString>("name");
    const QString titel = QStringLiteral("txtTitel");
    QTest::newRow("unverändert") << Aenderung([](Fenster&) {}) << titel;
    QTest::newRow("gleichnamig direkt im Fenster") << Aenderung([](Fenster& f) {
        new QLabel(&f.fenster);
        f.fenster.findChildren<QLabel*>().constFirst()->setObjectName(QStringLiteral("txtTitel"));
    }) << titel;
    QTest::newRow("neu im Rahmen") << Aenderung([](Fenster& f) {
        (new QLabel(f.rahmen))->setObjectName(QStringLiteral("lblNeu"));
    }) << QStringLiteral("lblNeu");
    QTest::newRow("umbenannt") << Aenderung([](Fenster& f) {
        f.feld->setObjectName(QStringLiteral("txtAnders"));
    }) << titel;
    QTest::newRow("unter neuem Namen")
        << Aenderung([](Fenster& f) { f.feld->setObjectName(QStringLiteral("txtAnders")); })
        << QStringLiteral("txtAnders");
    QTest::newRow("gelöscht") << Aenderung([](Fenster& f) { delete f.feld; }) << titel;
    QTest::newRow("Rahmen gelöscht") << Aenderung([](Fenster& f) { delete f.rahmen; }) << titel;
    QTest::newRow("fehlt") << Aenderung([](Fenster&) {}) << QStringLiteral("txtGibtEsNicht");
}

void TestSteuerelemente::findetWieDieSucheImBaum() {
    QFETCH(Aenderung, aenderung);
    QFETCH(QString, name);
    Fenster f;
    aenderung(f);
    QCOMPARE(elementNachName(&f.fenster, name), f.fenster.findChild<QObject*>(name));
}

void TestSteuerelemente::nachArt_nimmtDasErsteDerGesuchtenArt() {
    QWidget fenster;
    auto* beschriftung = new QLabel(&fenster);
    beschriftung->setObjectName(QStringLiteral("txtPreis"));
    auto* rahmen = new QWidget(&fenster);
    auto* feld = new QLineEdit(rahmen);
    feld->setObjectName(QStringLiteral("txtPreis"));
    QCOMPARE(element<QLabel>(&fenster, QStringLiteral("txtPreis")), beschriftung);
    QCOMPARE(element<QLineEdit>(&fenster, QStringLiteral("txtPreis")), feld);
}

QTEST_MAIN(TestSteuerelemente)
#include "tst_steuerelemente.moc"
