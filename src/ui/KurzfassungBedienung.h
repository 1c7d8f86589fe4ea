#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

struct KurzfassungAngaben;

namespace Ui {
class frmHaupt;
}

// The main window's page of the summary for the marketplace's phone app. Until the seller edits
// the lines they follow the article; edited, they stay until "Neu bilden", a new article or
// another article read.
class KurzfassungBedienung final : public QObject {
    Q_OBJECT
public:
    KurzfassungBedienung(Ui::frmHaupt& ui, QObject* parent);

    // The block for the listing; empty when the seller wants none.
    QString block() const;
    // What the article file keeps: the edited lines, nothing while they follow the article.
    QString gespeichert() const;
    // The lines an article file kept, or none: then they follow the article again.
    void einsetzen(const std::optional<QString>& gespeichert);
    void cmdKurzfassungBilden_Click();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    QStringList zeilen() const;
    KurzfassungAngaben angaben() const;
    // Shows the built lines when the page is seen; an unseen page is built when it is shown.
    void zeigenWennSichtbar();
    void artikelGeaendert();
    void zeilenSetzen(const QStringList& zeilen);
    void zaehlen();

    Ui::frmHaupt& m_ui;
    bool m_bearbeitet = false;
    // The article changed since the page last showed its lines.
    bool m_veraltet = true;
    // The window itself writes the lines: that is no edit of the seller's.
    bool m_setzen = false;
};
