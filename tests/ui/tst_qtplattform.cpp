#include "ui/QtPlattform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct Gesehen {
    QString ordner;
    QString name;
};

// Notes where the open-file dialog stands and what name it offers, then cancels it.
Gesehen dialogAnsehen(const QString& dateiname, const QString& startordner) {
    Gesehen gesehen;
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        warten.stop();
        gesehen.ordner = dialog->directory().absolutePath();
        gesehen.name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        dialog->reject();
    });
    warten.start(10);
    QtPlattform plattform;
    const QString gewaehlt = plattform.dateiWaehlen(QStringLiteral("Datei auswählen"), dateiname, startordner,
                                                    QStringLiteral("Text-Dateien(*.txt)|*.txt"));
    if (!gewaehlt.isEmpty()) {
        gesehen.name = QStringLiteral("gewählt: ") + gewaehlt;
    }
    return gesehen;
}

} // namespace

class TestQtPlattform : public QObject {
    Q_OBJECT
private slots:
    void dateiWaehlen_startetImOrdnerMitDemNamen_data();
    void dateiWaehlen_startetImOrdnerMitDemNamen();
    void passwortEingabe_zeigtNichtWasGetipptWird();
};

void TestQtPlattform::dateiWaehlen_startetImOrdnerMitDemNamen_data() {
    QTest::addColumn<QString>("dateiname");
    QTest::addColumn<QString>("startordner");
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<QString>("name");
    // Paths below the temporary folder are written with "~".
    QTest::newRow("Name im Startordner") << "teil-0a.txt"
                                         << "~/HTML_Code"
                                         << "~/HTML_Code"
                                         << "teil-0a.txt";
    QTest::newRow("Startordner mit Trenner") << "teil-0a.txt"
                                             << "~/HTML_Code/"
                                             << "~/HTML_Code"
                                             << "teil-0a.txt";
    QTest::newRow("voller Pfad geht vor") << "~/Anderswo/teil-0a.txt"
                                          << "~/HTML_Code"
                                          << "~/Anderswo"
                                          << "teil-0a.txt";
    QTest::newRow("nur Startordner") << ""
                                     << "~/HTML_Code"
                                     << "~/HTML_Code"
                                     << "";
}

void TestQtPlattform::dateiWaehlen_startetImOrdnerMitDemNamen() {
    QFETCH(QString, dateiname);
    QFETCH(QString, startordner);
    QFETCH(QString, ordner);
    QFETCH(QString, name);
    QTemporaryDir wurzel;
    QVERIFY(QDir(wurzel.path()).mkpath(QStringLiteral("HTML_Code")));
    QVERIFY(QDir(wurzel.path()).mkpath(QStringLiteral("Anderswo")));
    const auto vollerPfad = [&wurzel](QString pfad) {
        return pfad.replace(QLatin1Char('~'), QDir(wurzel.path()).absolutePath());
    };
    const Gesehen gesehen = dialogAnsehen(vollerPfad(dateiname), vollerPfad(startordner));
    QCOMPARE(gesehen.ordner, vollerPfad(ordner));
    QCOMPARE(gesehen.name, name);
}

void TestQtPlattform::passwortEingabe_zeigtNichtWasGetipptWird() {
    QLineEdit::EchoMode art = QLineEdit::Normal;
    QTimer warten;
    connect(&warten, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        warten.stop();
        auto* feld = dialog->findChild<QLineEdit*>();
        art = feld->echoMode();
        QTest::keyClicks(feld, QStringLiteral("gEheim 1"));
        QTest::keyClick(feld, Qt::Key_Return);
    });
    warten.start(10);
    QtPlattform plattform;
    QCOMPARE(plattform.passwortEingabe(QStringLiteral("Passwort für „anna@h“:"),
                                       QStringLiteral("Fotos hochladen")),
             QStringLiteral("gEheim 1"));
    QCOMPARE(art, QLineEdit::Password);
}

QTEST_MAIN(TestQtPlattform)
#include "tst_qtplattform.moc"
