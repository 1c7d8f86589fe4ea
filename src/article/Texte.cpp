#include "article/Texte.h"

QString ErsetzeAlle(QString& text, const QString& muster, const QString& ersatz, int& anzahl) {
    anzahl = 0;
    if (muster.isEmpty()) {
        return text;
    }
    QString ergebnis;
    qsizetype von = 0;
    qsizetype treffer = text.indexOf(muster);
    if (treffer < 0) {
        return text;
    }
    ergebnis.reserve(text.size());
    while (treffer >= 0) {
        ergebnis.append(QStringView(text).mid(von, treffer - von));
        ergebnis.append(ersatz);
        ++anzahl;
        von = treffer + muster.size();
        treffer = text.indexOf(muster, von);
    }
    ergebnis.append(QStringView(text).mid(von));
    text = ergebnis;
    return text;
}

QString ZeichenErsetzen(const QString& text, const QString& zeichen, const QString& ersatz) {
    if (zeichen.size() != 1) {
        return text;
    }
    QString ergebnis = text;
    return ergebnis.replace(zeichen.at(0), ersatz);
}

QString ErstesZeichenEntfernen(const QString& text, const QString& zeichen) {
    const qsizetype stelle = zeichen.size() == 1 ? text.indexOf(zeichen.at(0)) : -1;
    if (stelle < 0) {
        return text;
    }
    QString ergebnis = text;
    return ergebnis.remove(stelle, 1);
}
