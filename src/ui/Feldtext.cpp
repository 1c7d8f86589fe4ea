#include "ui/Feldtext.h"

#include "ui/RichTextFeld.h"

#include <QComboBox>
#include <QLineEdit>

QString feldText(const QWidget* feld) {
    if (const auto* zeile = qobject_cast<const QLineEdit*>(feld)) {
        return zeile->text();
    }
    if (const auto* box = qobject_cast<const QComboBox*>(feld)) {
        return box->currentText();
    }
    const auto* rtf = qobject_cast<const RichTextFeld*>(feld);
    Q_ASSERT(rtf != nullptr);
    return rtf->text();
}

void feldTextSetzen(QWidget* feld, const QString& text) {
    if (auto* zeile = qobject_cast<QLineEdit*>(feld)) {
        zeile->setText(text);
        return;
    }
    if (auto* box = qobject_cast<QComboBox*>(feld)) {
        if (box->isEditable()) {
            box->setEditText(text);
        } else {
            box->setCurrentText(text);
        }
        return;
    }
    auto* rtf = qobject_cast<RichTextFeld*>(feld);
    Q_ASSERT(rtf != nullptr);
    rtf->setText(text);
}
