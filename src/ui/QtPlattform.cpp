#include "ui/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <qt6keychain/keychain.h>

namespace {

const QString kSchluesselbundDienst = QStringLiteral("K.O.R.I");

QMessageBox::Icon qtSymbol(Plattform::Symbol symbol) {
    switch (symbol) {
    case Plattform::Symbol::Ausrufezeichen:
        return QMessageBox::Warning;
    case Plattform::Symbol::Kritisch:
        return QMessageBox::Critical;
    case Plattform::Symbol::Keins:
        break;
    }
    return QMessageBox::NoIcon;
}

QString anzeigeText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A bare file name stands in the start folder; Qt would take it relative to the working folder.
QString dialogStart(const QString& dateiname, const QString& startordner) {
    if (dateiname.isEmpty()) {
        return startordner;
    }
    if (startordner.isEmpty() || QDir::isAbsolutePath(dateiname)) {
        return dateiname;
    }
    return QDir(startordner).filePath(dateiname);
}

} // namespace

Plattform::Antwort QtPlattform::meldungsfenster(const QString& text, Symbol symbol, Knoepfe knoepfe,
                                                const QString& titel) {
    QMessageBox box(qtSymbol(symbol), titel, anzeigeText(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    QPushButton* ok = nullptr;
    QPushButton* ja = nullptr;
    QPushButton* nein = nullptr;
    QPushButton* abbrechen = nullptr;
    if (knoepfe == Knoepfe::Ok) {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    } else {
        ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        if (knoepfe == Knoepfe::JaNeinAbbrechen) {
            abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        }
    }
    box.setDefaultButton(ok ? ok : ja);
    box.exec();
    const auto* gedrueckt = box.clickedButton();
    if (gedrueckt != nullptr && gedrueckt == ja) {
        return Antwort::Ja;
    }
    if (gedrueckt != nullptr && gedrueckt == nein) {
        return Antwort::Nein;
    }
    if (knoepfe == Knoepfe::Ok) {
        return Antwort::Ok;
    }
    return abbrechen != nullptr ? Antwort::Abbrechen : Antwort::Nein;
}

QString filterNachQt(const QString& filter) {
    const QStringList teile = filter.split(QLatin1Char('|'));
    QStringList filter_;
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        // The stored descriptions often name their pattern already; the dialog shows it once.
        QString beschreibung = teile.at(i);
        const qsizetype klammer = beschreibung.indexOf(QLatin1Char('('));
        if (klammer > 0 && beschreibung.endsWith(QLatin1Char(')'))) {
            beschreibung.truncate(klammer);
        }
        QString muster = teile.at(i + 1);
        muster.replace(QLatin1Char(';'), QLatin1Char(' '));
        filter_ << beschreibung.trimmed() + QStringLiteral(" (") + muster + QLatin1Char(')');
    }
    return filter_.join(QStringLiteral(";;"));
}

QString QtPlattform::dateiWaehlen(const QString& titel, const QString& dateiname, const QString& startordner,
                                  const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), titel,
                                        dialogStart(dateiname, startordner), filterNachQt(filter));
}

QString QtPlattform::eingabefenster(const QString& frage, const QString& titel, const QString& vorgabe) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titel, anzeigeText(frage),
                                               QLineEdit::Normal, vorgabe, &ok);
    return ok ? text : QString();
}

QString QtPlattform::passwortEingabe(const QString& frage, const QString& titel) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), titel, anzeigeText(frage),
                                               QLineEdit::Password, QString(), &ok);
    return ok ? text : QString();
}

// The keyring's own fallback would keep the password in a settings file when there is no keyring.
void QtPlattform::passwortSuchen(const QString& konto, std::function<void(const QString&)> antwort) {
    auto* auftrag = new QKeychain::ReadPasswordJob(kSchluesselbundDienst);
    auftrag->setInsecureFallback(false);
    auftrag->setKey(konto);
    QObject::connect(auftrag, &QKeychain::Job::finished, auftrag,
                     [antwort = std::move(antwort)](QKeychain::Job* fertig) {
                         const auto* lesen = static_cast<QKeychain::ReadPasswordJob*>(fertig);
                         antwort(lesen->error() == QKeychain::NoError ? lesen->textData() : QString());
                     });
    auftrag->start();
}

void QtPlattform::passwortMerken(const QString& konto, const QString& passwort) {
    auto* auftrag = new QKeychain::WritePasswordJob(kSchluesselbundDienst);
    auftrag->setInsecureFallback(false);
    auftrag->setKey(konto);
    auftrag->setTextData(passwort);
    auftrag->start();
}

void QtPlattform::zwischenablageSetzen(const QString& text) {
    QClipboard* ablage = QGuiApplication::clipboard();
    ablage->clear();
    ablage->setText(text);
}

bool QtPlattform::programmStarten(const QString& programm, const QStringList& argumente) {
    return QProcess::startDetached(programm, argumente);
}

bool QtPlattform::oeffnen(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

// A file address goes to the desktop's handler of web pages, which is its default browser.
bool QtPlattform::imBrowserOeffnen(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}
