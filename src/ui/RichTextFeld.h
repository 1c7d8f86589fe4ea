#pragma once

#include <QPlainTextEdit>

// A plain-text field that speaks CR LF: text, selection start and length count a line end as
// two characters, as the stored files and the callers' positions do. Every other character comes
// back as it was set; a lone CR or LF is a line end in the field and comes back as CR LF.
class RichTextFeld : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichTextFeld(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);

    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int laenge);
    QString selText() const;
    void setSelText(const QString& text);

    void setHintergrund(const QColor& farbe);
    QColor hintergrund() const;

    // Loads a Windows-1252 text file; false when it cannot be read (the text stays).
    bool dateiLaden(const QString& pfad);

private:
    int nachCrLf(int position) const;
    int ausCrLf(int position) const;
};
