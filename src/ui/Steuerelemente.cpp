#include "ui/Steuerelemente.h"

#include <QChildEvent>
#include <QHash>
#include <QPointer>

namespace {

const QString kVerzeichnisName = QStringLiteral("kori_elementverzeichnis");

// Lives as a child of the window it indexes, so it goes with the window. It finds what a search
// of the tree by name finds: the window's own children first, then each child's tree in turn.
class Elementverzeichnis : public QObject {
    Q_OBJECT
public:
    explicit Elementverzeichnis(QObject* fenster) : QObject(fenster) {
        setObjectName(kVerzeichnisName);
        fenster->installEventFilter(this);
    }

    QObject* suchen(const QString& name) {
        if (m_veraltet) {
            m_elemente.clear();
            aufnehmen(parent());
            m_veraltet = false;
        }
        QPointer<QObject>& eintrag = m_elemente[name];
        // Controls made deeper in the window or renamed since are found the slow way once.
        if (!eintrag || eintrag->objectName() != name) {
            eintrag = parent()->findChild<QObject*>(name);
        }
        return eintrag;
    }

protected:
    bool eventFilter(QObject* beobachtet, QEvent* ereignis) override {
        // A child added to the window itself comes before every deeper control of its name.
        if (ereignis->type() == QEvent::ChildAdded || ereignis->type() == QEvent::ChildRemoved) {
            m_veraltet = true;
        }
        return QObject::eventFilter(beobachtet, ereignis);
    }

private:
    void aufnehmen(const QObject* objekt) {
        const QObjectList& kinder = objekt->children();
        for (QObject* kind : kinder) {
            if (!kind->objectName().isEmpty() && !m_elemente.contains(kind->objectName())) {
                m_elemente.insert(kind->objectName(), kind);
            }
        }
        for (const QObject* kind : kinder) {
            aufnehmen(kind);
        }
    }

    QHash<QString, QPointer<QObject>> m_elemente;
    bool m_veraltet = true;
};

} // namespace

QObject* elementNachName(const QObject* fenster, const QString& name) {
    auto* verzeichnis = fenster->findChild<Elementverzeichnis*>(kVerzeichnisName, Qt::FindDirectChildrenOnly);
    if (!verzeichnis) {
        // The index is bookkeeping of the lookup, not a change of the window.
        verzeichnis = new Elementverzeichnis(const_cast<QObject*>(fenster));
    }
    return verzeichnis->suchen(name);
}

#include "Steuerelemente.moc"
