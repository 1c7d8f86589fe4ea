#include "ui/RichTextFeld.h"

#include "core/TextDatei.h"
#include "ui/Hintergrund.h"

#include <QTextBlock>
#include <QTextCursor>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString nachLf(QString text) {
    text.replace(kCrLf, QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

RichTextFeld::RichTextFeld(QWidget* parent) : QPlainTextEdit(parent) {}

QString RichTextFeld::text() const {
    // The raw text, not toPlainText(): that one turns U+00A0 into a blank and U+2028 into a
    // line break. Blocks are joined by U+2029.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kCrLf);
    return text;
}

void RichTextFeld::setText(const QString& text) {
    setPlainText(nachLf(text));
}

int RichTextFeld::nachCrLf(int position) const {
    // Each block before the position ends in one line break, which counts twice in CR LF terms.
    const QTextBlock block = document()->findBlock(position);
    return position + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int RichTextFeld::ausCrLf(int position) const {
    int rest = position;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int laenge = block.length() - 1;
        if (rest <= laenge || !block.next().isValid()) {
            return block.position() + std::min(rest, laenge);
        }
        rest -= laenge + 2;
        if (rest < 0) {
            return block.position() + laenge;
        }
    }
    return 0;
}

int RichTextFeld::selStart() const {
    return nachCrLf(textCursor().selectionStart());
}

void RichTextFeld::setSelStart(int start) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(ausCrLf(std::max(0, start)));
    setTextCursor(cursor);
}

int RichTextFeld::selLength() const {
    const QTextCursor cursor = textCursor();
    return nachCrLf(cursor.selectionEnd()) - nachCrLf(cursor.selectionStart());
}

void RichTextFeld::setSelLength(int laenge) {
    QTextCursor cursor = textCursor();
    const int anfang = cursor.selectionStart();
    cursor.setPosition(anfang);
    cursor.setPosition(ausCrLf(nachCrLf(anfang) + std::max(0, laenge)), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString RichTextFeld::selText() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, kCrLf);
    return text;
}

void RichTextFeld::setSelText(const QString& text) {
    textCursor().insertText(nachLf(text));
}

void RichTextFeld::setHintergrund(const QColor& farbe) {
    HintergrundSetzen(this, farbe);
}

QColor RichTextFeld::hintergrund() const {
    return palette().color(QPalette::Base);
}

bool RichTextFeld::dateiLaden(const QString& pfad) {
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        return false;
    }
    setText(*inhalt);
    return true;
}
