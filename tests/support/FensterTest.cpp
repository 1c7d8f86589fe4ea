#include "support/FensterTest.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QProcess>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

QString ortText(const std::source_location& ort) {
    return QString::fromUtf8(ort.file_name()) + QLatin1Char(':') + QString::number(ort.line());
}

void scheitern(const QString& text, const std::source_location& ort) {
    QTest::qFail(qPrintable(text), ort.file_name(), static_cast<int>(ort.line()));
}

// A seller's mouse reaches only an enabled control that can be seen in an open window which no
// modal window blocks; pressing it makes that window the active one, so the focus moves in it.
bool erreichbar(QWidget& ziel, const QString& name, const std::source_location& ort) {
    QWidget* fenster = ziel.window();
    const QWidgetList alle = QApplication::topLevelWidgets();
    const bool blockiert = std::any_of(alle.begin(), alle.end(), [fenster](const QWidget* w) {
        return w != fenster && w->isVisible() &&
               (w->windowModality() == Qt::ApplicationModal ||
                (w->windowModality() == Qt::WindowModal && fenster->isAncestorOf(w)));
    });
    if (!ziel.isEnabled() || !ziel.isVisibleTo(fenster) || !fenster->isVisible() || blockiert) {
        scheitern(name + QStringLiteral(" ist gesperrt, verborgen oder in keinem offenen, freien Fenster"),
                  ort);
        return false;
    }
    if (!aktivieren(*fenster)) {
        scheitern(fenster->objectName() + QStringLiteral(" wurde nicht das aktive Fenster"), ort);
        return false;
    }
    return true;
}

QWidget* fokusfeld(const std::source_location& ort) {
    QWidget* feld = QApplication::focusWidget();
    if (feld == nullptr) {
        scheitern(QStringLiteral("kein Steuerelement hat den Fokus: niemand kann tippen"), ort);
    }
    return feld;
}

} // namespace

void FensterTest::init() {
    if (m_app) {
        return;
    }
    m_ordner = std::make_unique<TestOrdner>(m_aufbau.mitDaten);
    m_plattform = std::make_unique<SkriptPlattform>();
    m_app = std::make_unique<Anwendung>(m_ordner->programmordner(), *m_plattform);
    if (m_aufbau.starten) {
        m_app->starten();
        m_plattform->vergessen();
    }
}

void FensterTest::cleanup() {
    // A test that skipped before the base's init() has nothing to check.
    if (!m_plattform) {
        return;
    }
    const QStringList unerwartet = std::exchange(m_plattform->unerwartet, {});
    const bool unbenutzt = !m_plattform->antworten.isEmpty() || !m_plattform->dateien.isEmpty() ||
                           !m_plattform->eingaben.isEmpty();
    if (m_aufbau.einWeg) {
        m_plattform->antworten.clear();
        m_plattform->dateien.clear();
        m_plattform->eingaben.clear();
    } else {
        abbauen();
    }
    QVERIFY2(unerwartet.isEmpty(), qPrintable(QStringLiteral("nicht vorgesehene Dialoge: ") +
                                              unerwartet.join(QStringLiteral(" | "))));
    QVERIFY2(!unbenutzt, "vorgesehene Antworten blieben unbenutzt: ein erwarteter Dialog kam nicht");
}

void FensterTest::cleanupTestCase() {
    abbauen();
}

void FensterTest::abbauen() {
    m_app.reset();
    m_plattform.reset();
    m_ordner.reset();
}

void FensterTest::nichtGefunden(const QObject& fenster, const QString& name, const char* art,
                                const std::source_location& ort) {
    const QObject* anders = fenster.findChild<QObject*>(name);
    const QString text =
        anders == nullptr
            ? QStringLiteral("%1 hat kein Steuerelement %2").arg(fenster.objectName(), name)
            : QStringLiteral("%1 in %2 ist ein %3, kein %4")
                  .arg(name, fenster.objectName(), QString::fromLatin1(anders->metaObject()->className()),
                       QString::fromLatin1(art));
    scheitern(text, ort);
    qFatal("%s (%s)", qPrintable(text), qPrintable(ortText(ort)));
}

void FensterTest::klicken(const QObject& fenster, const QString& name, std::source_location ort) const {
    QAbstractButton* knopf = element<QAbstractButton>(fenster, name, ort);
    if (!erreichbar(*knopf, name, ort)) {
        return;
    }
    // A check box reacts only on its box and label, which need not reach its middle.
    QPoint stelle = knopf->rect().center();
    if (qobject_cast<QCheckBox*>(knopf) != nullptr) {
        QStyleOptionButton option;
        option.initFrom(knopf);
        stelle = knopf->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, knopf).center();
    }
    QTest::mouseClick(knopf, Qt::LeftButton, Qt::NoModifier, stelle);
}

void FensterTest::klicken(const QString& name, std::source_location ort) const {
    klicken(app().frmHaupt(), name, ort);
}

void FensterTest::hineinklicken(const QObject& fenster, const QString& name, std::source_location ort) const {
    QWidget* feld = element<QWidget>(fenster, name, ort);
    if (erreichbar(*feld, name, ort)) {
        // A text box with a scroll area takes the mouse in its viewport.
        auto* flaeche = qobject_cast<QAbstractScrollArea*>(feld);
        QTest::mouseClick(flaeche != nullptr ? flaeche->viewport() : feld, Qt::LeftButton);
    }
}

void FensterTest::tippen(const QString& text, std::source_location ort) const {
    QWidget* feld = fokusfeld(ort);
    if (feld == nullptr) {
        return;
    }
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x80) {
            QTest::keyClick(feld, zeichen.toLatin1());
        } else {
            // A key of a German keyboard that QTest knows by no name.
            QTest::sendKeyEvent(QTest::Click, feld, Qt::Key_unknown, QString(zeichen), Qt::NoModifier);
        }
    }
}

void FensterTest::taste(Qt::Key taste, Qt::KeyboardModifiers umschalt, std::source_location ort) const {
    if (QWidget* feld = fokusfeld(ort)) {
        QTest::keyClick(feld, taste, umschalt);
    }
}

void FensterTest::menue(const QObject& fenster, const QString& name, std::source_location ort) const {
    QAction* aktion = element<QAction>(fenster, name, ort);
    if (!aktion->isEnabled() || !aktion->isVisible()) {
        scheitern(name + QStringLiteral(" ist gesperrt oder verborgen: niemand kann ihn wählen"), ort);
        return;
    }
    aktion->trigger();
}

void FensterTest::seite(const QString& reiter, std::source_location ort) const {
    auto* seiten = element<QTabWidget>(app().frmHaupt(), QStringLiteral("SSTab1"), ort);
    for (int i = 0; i < seiten->count(); ++i) {
        if (seiten->tabText(i) == reiter) {
            seiten->setCurrentIndex(i);
            return;
        }
    }
    scheitern(QStringLiteral("frmHaupt hat keine Seite ") + reiter, ort);
}

void FensterTest::seiteMit(const QString& name, std::source_location ort) const {
    auto* seiten = element<QTabWidget>(app().frmHaupt(), QStringLiteral("SSTab1"), ort);
    const QWidget* steuerelement = element<QWidget>(app().frmHaupt(), name, ort);
    for (int i = 0; i < seiten->count(); ++i) {
        if (seiten->widget(i)->isAncestorOf(steuerelement)) {
            seiten->setCurrentIndex(i);
            return;
        }
    }
    scheitern(name + QStringLiteral(" liegt auf keiner Seite von frmHaupt"), ort);
}

QString foto(const TestOrdner& ordner, const QString& name, int breite, int hoehe, QColor farbe) {
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(farbe.isValid() ? farbe : QColor(40 * static_cast<int>(name.size()) % 255, 120, 200));
    const QString relativ = QStringLiteral("fotos/") + name;
    ordner.schreiben(relativ, {});
    QString pfad = ordner.daten(relativ);
    if (!bild.save(pfad, "JPG")) {
        qFatal("JPEG nicht geschrieben: %s", qPrintable(pfad));
    }
    return pfad;
}

bool dateienAblegen(QWidget* ziel, const QStringList& pfade) {
    QMimeData daten;
    QList<QUrl> adressen;
    for (const QString& pfad : pfade) {
        adressen.append(pfad.contains(QLatin1String("://")) ? QUrl(pfad) : QUrl::fromLocalFile(pfad));
    }
    daten.setUrls(adressen);
    const QPoint mitte = ziel->rect().center();
    QDragEnterEvent hinein(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &hinein);
    if (!hinein.isAccepted()) {
        return false;
    }
    QDropEvent los(QPointF(mitte), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(ziel, &los);
    return los.isAccepted();
}

QStringList eintraege(const QComboBox& box) {
    QStringList liste;
    for (int i = 0; i < box.count(); ++i) {
        liste.append(box.itemText(i));
    }
    return liste;
}

QStringList eintraege(const QListWidget& liste) {
    QStringList texte;
    for (int i = 0; i < liste.count(); ++i) {
        texte.append(liste.item(i)->text());
    }
    return texte;
}

void zeileWaehlen(QListWidget& liste, int zeile) {
    liste.clearSelection();
    liste.item(zeile)->setSelected(true);
    liste.setCurrentRow(zeile, QItemSelectionModel::NoUpdate);
}

bool aktivieren(QWidget& fenster) {
    fenster.show();
    fenster.activateWindow();
    // A loaded machine running the sanitizer build may take seconds to activate a window.
    constexpr int kWarten = 10000;
    return QTest::qWaitForWindowActive(&fenster, kWarten);
}

bool fensterGemacht(const QString& name) {
    const QWidgetList alle = QApplication::allWidgets();
    return std::any_of(alle.begin(), alle.end(),
                       [&name](const QWidget* w) { return w->objectName() == name; });
}

Unveraenderlich::Unveraenderlich(const QStringList& ordner) {
    for (const QString& o : ordner) {
        if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), o}) != 0) {
            return;
        }
        m_gesperrt.append(o);
    }
    m_aktiv = true;
}

Unveraenderlich::~Unveraenderlich() {
    for (const QString& o : m_gesperrt) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), o});
    }
}
