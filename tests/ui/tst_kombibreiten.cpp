#include "support/FensterTest.h"
#include "ui/Kombifeld.h"
#include "ui/frmBuch.h"
#include "ui/frmKleidung.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHash>

// A pick list with a very long entry must not widen its box and squeeze the fields beside it.
class TestKombiBreiten : public FensterTest {
    Q_OBJECT
public:
    TestKombiBreiten() : FensterTest(FensterAufbau{.mitDaten = true, .starten = true}) {}

private slots:
    void langerEintrag_breitenBleiben_data();
    void langerEintrag_breitenBleiben();
    void aufgeklappt_zeigtEintragGanz();

private:
    QWidget& fenster(const QString& name);
};

namespace {

const QString kLang = QStringLiteral("Ein sehr langer Eintrag einer Auswahlliste ").repeated(6);

QHash<QString, int> breiten(const QWidget& fenster) {
    QHash<QString, int> b;
    for (const Kombifeld* box : fenster.findChildren<Kombifeld*>()) {
        b.insert(box->objectName(), box->width());
    }
    return b;
}

// Lets the layouts of a shown window settle.
void auslegen(QWidget& fenster) {
    fenster.show();
    QApplication::processEvents();
    QApplication::sendPostedEvents();
    QApplication::processEvents();
}

} // namespace

QWidget& TestKombiBreiten::fenster(const QString& name) {
    if (name == QLatin1String("frmBuch")) {
        return app().frmBuch();
    }
    if (name == QLatin1String("frmKleidung")) {
        return app().frmKleidung();
    }
    return app().frmHaupt();
}

void TestKombiBreiten::langerEintrag_breitenBleiben_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"frmHaupt", "frmBuch", "frmKleidung"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void TestKombiBreiten::langerEintrag_breitenBleiben() {
    QFETCH(QString, name);
    QWidget& f = fenster(name);
    auslegen(f);
    const QHash<QString, int> vorher = breiten(f);
    QVERIFY(!vorher.isEmpty());
    for (Kombifeld* box : f.findChildren<Kombifeld*>()) {
        box->addItem(kLang);
        box->setCurrentText(kLang);
    }
    auslegen(f);
    QCOMPARE(breiten(f), vorher);
}

void TestKombiBreiten::aufgeklappt_zeigtEintragGanz() {
    auto* box = haupt<Kombifeld>(QStringLiteral("cboAuforderung1"));
    auslegen(app().frmHaupt());
    box->addItem(kLang);
    box->showPopup();
    const QAbstractItemView* liste = box->view();
    QVERIFY(liste->width() >= liste->sizeHintForColumn(0));
    QVERIFY(liste->width() > box->width());
    box->hidePopup();
}

QTEST_MAIN(TestKombiBreiten)
#include "tst_kombibreiten.moc"
