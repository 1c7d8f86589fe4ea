#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The marketplace's phone app shows, before the description, the summary it finds in a span
// marked as the product's description. It takes at most this many characters between the span's
// tags, tags and entities as written, and drops the rest.
inline constexpr qsizetype kKurzfassungGrenze = 800;
inline const QString kHerkunftKurzfassung = QStringLiteral("Kurzfassung");

// What the summary is built from, as the main window holds it.
struct KurzfassungAngaben {
    QString titel;
    QString bezeichnung;
    QString aufWasBieten;
    // The automatic description (the book or clothing table) and the article kind that says
    // which rows of it count.
    QString tabelle;
    QString artikelArt;
    QString versandkosten;
    QString versandArt;
    // The seller's own description, HTML.
    QString beschreibung;
};

struct TabellenZeile {
    QString beschriftung;
    QString wert;
};

// The text a browser shows for an HTML fragment, its white space run together.
QString KlarText(const QString& html);

// Each table row's first cell as the label (without its colon) and its other cells as the value,
// as a browser shows them; rows with fewer than two filled cells are left out.
QList<TabellenZeile> TabellenZeilen(const QString& html);

// The summary's lines as plain text, short enough that the built block keeps within the limit.
QStringList KurzfassungBilden(const KurzfassungAngaben& angaben);

// What stands between the span's tags for these lines: a list, every line escaped.
QString KurzfassungInhalt(const QStringList& zeilen);
// The count the app applies to these lines.
qsizetype KurzfassungZeichen(const QStringList& zeilen);
// The block for the description; empty without a line.
QString KurzfassungBlock(const QStringList& zeilen);

// The lines as the article file keeps them, in one line, and back.
QString KurzfassungAlsZeile(const QStringList& zeilen);
QStringList KurzfassungAusZeile(const QString& zeile);

// A summary span in a listing: where its content stands, and the first tag inside it that the
// app does not allow (length 0 when there is none).
struct KurzfassungStelle {
    qsizetype start = 0;
    qsizetype laenge = 0;
    qsizetype fremderTagStart = 0;
    qsizetype fremderTagLaenge = 0;
};
QList<KurzfassungStelle> KurzfassungenFinden(QStringView listing);

// The part of a span's content that the app shows: the first 800 characters, without a tag or
// an entity cut in two.
QString KurzfassungSichtbar(QStringView inhalt);
