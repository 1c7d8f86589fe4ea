#include "ui/Kombifeld.h"

#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QTest>

class TestKombifeld : public QObject {
    Q_OBJECT
private slots:
    void vorDemErstenFokus_ohneVervollstaendigung();
    void nachDemErstenFokus_vervollstaendigtAusDenEintraegen();
};

namespace {

// The way a user gives it: the window active, the box focused (it passes the focus to its field).
void fokusGeben(Kombifeld& box) {
    box.show();
    QApplication::setActiveWindow(&box);
    box.setFocus(Qt::TabFocusReason);
}

} // namespace

void TestKombifeld::vorDemErstenFokus_ohneVervollstaendigung() {
    Kombifeld box;
    box.addItems({QStringLiteral("Taschenbuch"), QStringLiteral("Hardcover")});
    QVERIFY(box.isEditable());
    QVERIFY(box.lineEdit() != nullptr);
    QVERIFY(box.completer() == nullptr || box.completer()->model() == nullptr);
    box.setCurrentText(QStringLiteral("frei"));
    QCOMPARE(box.currentText(), QStringLiteral("frei"));
}

void TestKombifeld::nachDemErstenFokus_vervollstaendigtAusDenEintraegen() {
    Kombifeld box;
    box.addItems({QStringLiteral("Taschenbuch"), QStringLiteral("Hardcover")});
    fokusGeben(box);
    QVERIFY(box.hasFocus());
    box.clearFocus();
    fokusGeben(box);
    QCompleter* vervollstaendigung = box.completer();
    QVERIFY(vervollstaendigung != nullptr);
    QCOMPARE(vervollstaendigung->model(), box.model());
    QCOMPARE(vervollstaendigung->completionMode(), QCompleter::InlineCompletion);
    QCOMPARE(vervollstaendigung->caseSensitivity(), Qt::CaseInsensitive);
    QCOMPARE(box.lineEdit()->findChildren<QCompleter*>().size(), 1);
    QTest::keyClicks(box.lineEdit(), QStringLiteral("har"));
    QCOMPARE(box.currentText(), QStringLiteral("hardcover"));
}

QTEST_MAIN(TestKombifeld)
#include "tst_kombifeld.moc"
