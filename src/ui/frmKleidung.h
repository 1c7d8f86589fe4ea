#pragma once

#include "title/KleidungTabelle.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace Ui {
class frmKleidung;
}
class Anwendung;
class Datenordner;
class Plattform;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct Zustand;

// The clothing details: "Übernehmen" fills the eight values and the material lines, and only
// then may the table be saved. The window holds its values and only hides when closed.
class FrmKleidung final : public QWidget {
    Q_OBJECT
public:
    explicit FrmKleidung(Anwendung& anwendung, QWidget* parent = nullptr);
    ~FrmKleidung() override;

    void Form_Load();
    void Form_Activate();
    // A new article: the values, choices and material rows as the window starts with them.
    void neuerArtikel();
    // The eight values and the lines of materials 2 to 5, as the window holds them now.
    QStringList artikelwerte() const;

    void cmdMaterialKleidungAktuall_Click();
    // The material lists, read once per box as the update button reads them; none for a box
    // whose reading failed (the seller has been told).
    using Materiallisten = std::array<std::optional<QStringList>, kMaterialien>;
    static Materiallisten materialListenLesen(Plattform& plattform, Zustand& zustand,
                                              const Datenordner& daten);
    void materialListenEinsetzen(const Materiallisten& listen);
    void cmdMaterialTextOpen_Click();
    void chkMaterial_Click(int k);
    void cmdLoschen_Click();
    void cmdubernehmen_Click();
    void cmdSpeichKleidBeschr_Click();

    // The table "Speichern und Schließen" appends to the main window's automatic description,
    // from the fields as they are now.
    QString tabelle() const;

signals:
    // The description was saved; its table is to be appended to the main window's automatic description.
    void tabelleGespeichert(const QString& tabelle);

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void verbinden();
    void startwerteSetzen();
    void materialZeilenSperren();
    void breiteSetzen(int twips);
    KleidungWerte werte() const;
    void werteSetzen(const KleidungWerte& werte);
    bool beschreibungSpeichern();

    QLineEdit* text1(int i) const;
    QLineEdit* text2(int i) const;
    QComboBox* liste(int zeile) const;
    QComboBox* material(int k) const;
    QComboBox* prozent(int k) const;
    QCheckBox* materialKaestchen(int k) const;

    Anwendung& m_app;
    std::unique_ptr<Ui::frmKleidung> ui;
    std::array<QLineEdit*, kKleidungZeilen> m_text1{};
    std::array<QLineEdit*, 14> m_text2{};
    std::array<QComboBox*, kKleidungZeilen> m_listen{};
    std::array<QComboBox*, kMaterialien> m_material{};
    std::array<QComboBox*, kMaterialien> m_prozent{};
    std::array<QCheckBox*, kMaterialien - 1> m_materialKaestchen{};
};
