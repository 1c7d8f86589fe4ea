#pragma once

#include "config/Einstellungen.h"
#include "ui/Bildzeilen.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <QUrl>

#include <functional>

class Plattform;
struct Zustand;
class TitelBedienung;

// The main window's handlers for the five picture rows, and the buttons that open the book and
// clothing windows. Rows are numbered 1 to 5 as the seller sees them.
class BilderBedienung final : public QObject {
    Q_OBJECT
public:
    // Connects the controls of the main window, which must exist already.
    // The settings as they are when a handler runs.
    using Einstellungsquelle = std::function<Einstellungen()>;

    BilderBedienung(Plattform& plattform, Zustand& zustand, Einstellungsquelle einstellungen,
                    Ui::frmHaupt& ui, TitelBedienung& titel, QObject* parent);

    void chkBil1JaNEin_Click();
    // The express mode without picture 1.
    void mnuOhneBild_Click();
    // Yes/no box of rows 2 to 5.
    void chkBilJaNEin_Click(int zeile);
    // Search buttons cmdSuchenBildOben1/2 and cmdSuchenBildUnten1..3.
    void cmdSuchenBild_Click(int zeile);
    void txtBild_Change();
    void cmdUmrechnenB_Click(int zeile);
    void cmdUmrechnen_Click();
    // picFoto1/2 on mouse down, picFoto3..5 on click: the enlarged view.
    void picFoto_Click(int zeile);

    void cmdBuchBeschr_Click();
    void cmdKleidungBeschreibung_Click();

    // New article: every row's thumbnail size goes back to the standard width by 1, and the
    // thumbnails are emptied.
    void BilderNeuEinrichten();

    // Photo files dropped onto row `zeile`: the first fills that row as a search does, the
    // others the next rows without a file name. Files that are no readable picture, and those
    // no row is left for, are named in one message and change nothing.
    void fotosAblegen(int zeile, const QList<QUrl>& adressen);

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

signals:
    // The enlarged view of the picture the hidden carrier holds is to open anew.
    void bildAnsichtGewuenscht();
    void umrechnenGewuenscht();
    // The book window is to open with the designation.
    void buchFensterGewuenscht(const QString& bezeichnung);
    void kleidungFensterGewuenscht();

private:
    void verbinden();
    void ablageEinrichten(int nummer);
    // The local file as the picked picture of the row: last picked file, row path, file name.
    void dateiEintragen(int nummer, const QString& pfad);
    bool fotoAblegen(int nummer, const QString& pfad);
    int naechsteFreieZeile(int ab) const;
    static int zeileUnter(QObject* ziel, QPoint stelle);
    void zeileFaerben(int nummer);
    bool vorschauLaden(int nummer, const QString& pfad);
    void hausverkaufUndBezeichnung();
    const Bildzeile& zeile(int nummer) const;

    Plattform& m_plattform;
    Zustand& m_zustand;
    Einstellungsquelle m_einstellungen;
    Ui::frmHaupt& m_ui;
    TitelBedienung& m_titel;
    std::array<Bildzeile, 5> m_zeilen;
};
