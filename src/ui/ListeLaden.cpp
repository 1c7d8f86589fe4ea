#include "ui/ListeLaden.h"

#include "core/TextDatei.h"
#include "core/Zustand.h"
#include "lists/Eintraege.h"
#include "ui/Plattform.h"
#include "ui/RichTextFeld.h"

#include <QComboBox>
#include <QListWidget>

#include <utility>

namespace {

std::optional<ListenInhalt> listeLesen(Plattform& plattform, Zustand& zustand, const QString& pfad) {
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        DateiNichtGefunden(plattform, pfad);
        return std::nullopt;
    }
    ListenInhalt liste = listeAuswerten(*inhalt);
    zustand.ErsetztAnzahl = liste.letzteErsetzungen;
    return liste;
}

void zeigen(QComboBox* box, const QString& text) {
    box->setCurrentText(text);
}

void zeigen(QListWidget* box, const QString& text) {
    const QList<QListWidgetItem*> treffer = box->findItems(text, Qt::MatchExactly);
    if (!treffer.isEmpty()) {
        box->setCurrentItem(treffer.first());
    }
}

template <class Box> void einsetzen(Box* box, const QStringList& eintraege, const QString& angezeigt) {
    box->clear();
    box->addItems(eintraege);
    // The box shows what the list holds, so an escape never reaches a listing through it.
    zeigen(box, angezeigt == QLatin1String("-") ? eintraege.value(0) : angezeigt);
}

template <class Box>
bool listeEinsetzen(Plattform& plattform, Zustand& zustand, const QString& pfad, Box* box,
                    const QString& angezeigt) {
    const std::optional<QStringList> eintraege = ListeVorlesen(plattform, zustand, pfad);
    if (eintraege) {
        einsetzen(box, *eintraege, angezeigt);
    }
    return eintraege.has_value();
}

} // namespace

void DateiNichtGefunden(Plattform& plattform, const QString& pfad) {
    plattform.meldungsfenster(QStringLiteral("Datei  ") + pfad + QStringLiteral("  wurde nicht gefunden!"),
                              Plattform::Symbol::Kritisch, Plattform::Knoepfe::Ok, QStringLiteral("ACHTUNG"));
}

void ListeSetzen(QComboBox* box, const QStringList& eintraege, const QString& text) {
    box->clear();
    box->addItems(eintraege);
    box->setCurrentText(text);
}

std::optional<QStringList> ListeVorlesen(Plattform& plattform, Zustand& zustand, const QString& pfad) {
    std::optional<ListenInhalt> liste = listeLesen(plattform, zustand, pfad);
    if (!liste) {
        return std::nullopt;
    }
    return std::move(liste->eintraege);
}

void ListeEinsetzen(QComboBox* box, const QStringList& eintraege, const QString& angezeigt) {
    einsetzen(box, eintraege, angezeigt);
}

bool ListeLaden(Plattform& plattform, Zustand& zustand, const QString& pfad, QComboBox* box,
                const QString& angezeigt) {
    return listeEinsetzen(plattform, zustand, pfad, box, angezeigt);
}

bool ListeLaden(Plattform& plattform, Zustand& zustand, const QString& pfad, QListWidget* box,
                const QString& angezeigt) {
    return listeEinsetzen(plattform, zustand, pfad, box, angezeigt);
}

bool TextDateiLesen(Plattform& plattform, Zustand& zustand, const QString& pfad, RichTextFeld* feld) {
    zustand.artikelZeilen.fill(QString());
    const std::optional<QString> inhalt = textLesen(pfad);
    if (!inhalt) {
        DateiNichtGefunden(plattform, pfad);
        return false;
    }
    const TextDateiInhalt datei = textDateiAuswerten(*inhalt);
    zustand.artikelZeilen = datei.zeilen;
    zustand.ErsetztAnzahl = datei.letzteErsetzungen;
    feld->setText(datei.text);
    return true;
}
