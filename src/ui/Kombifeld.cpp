#include "ui/Kombifeld.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QtMath>

#include <functional>
#include <utility>

namespace {

// The width a box asks for, in characters, when the window does not stretch it.
constexpr int kZeichen = 12;

// Tells the box when its edit field first gets the focus.
class FokusFeld : public QLineEdit {
public:
    FokusFeld(QWidget* parent, std::function<void()> ersterFokus)
        : QLineEdit(parent), m_ersterFokus(std::move(ersterFokus)) {}

protected:
    void focusInEvent(QFocusEvent* event) override {
        if (m_ersterFokus) {
            std::exchange(m_ersterFokus, nullptr)();
        }
        QLineEdit::focusInEvent(event);
    }

private:
    std::function<void()> m_ersterFokus;
};

// A completer without a model: given to the edit field, it keeps the box from building its own
// over the items. It does nothing, so one serves every box of a window.
class Platzhalter final : public QCompleter {
public:
    explicit Platzhalter(QObject* parent) : QCompleter(parent) { setCompletionMode(InlineCompletion); }
};

QCompleter* platzhalterFuer(QWidget* feld) {
    QWidget* fenster = feld->window();
    for (QObject* kind : fenster->children()) {
        if (auto* vorhanden = dynamic_cast<Platzhalter*>(kind)) {
            return vorhanden;
        }
    }
    return new Platzhalter(fenster);
}

} // namespace

Kombifeld::Kombifeld(QWidget* parent) : QComboBox(parent) {
    auto* feld = new FokusFeld(this, [this] { vervollstaendigungAnlegen(); });
    feld->setCompleter(platzhalterFuer(this));
    setLineEdit(feld);
}

// The size Qt gives a box of kZeichen characters with room for an icon, computed here because
// asking Qt for that policy builds every box's drop-down list at once.
QSize Kombifeld::minimumSizeHint() const {
    const QFontMetrics& masse = fontMetrics();
    const QSize inhalt(kZeichen * masse.horizontalAdvance(QLatin1Char('X')) + iconSize().width() + 4,
                       qMax(qMax(qCeil(QFontMetricsF(masse).height()), 14) + 2, iconSize().height() + 2));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, inhalt, this);
}

QSize Kombifeld::sizeHint() const {
    return minimumSizeHint();
}

void Kombifeld::showPopup() {
    view()->setTextElideMode(Qt::ElideNone);
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + view()->verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

void Kombifeld::vervollstaendigungAnlegen() {
    // The same completion Qt gives an editable combo box.
    auto* vervollstaendigung = new QCompleter(model(), lineEdit());
    vervollstaendigung->setCaseSensitivity(Qt::CaseInsensitive);
    vervollstaendigung->setCompletionMode(QCompleter::InlineCompletion);
    vervollstaendigung->setCompletionColumn(modelColumn());
    setCompleter(vervollstaendigung);
}
