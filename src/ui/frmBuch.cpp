#include "ui/frmBuch.h"

#include "title/BuchBeschreibungsdatei.h"
#include "ui/Anwendung.h"
#include "ui/BeschreibungSpeichern.h"
#include "ui/ExterneProgramme.h"
#include "ui/ListeLaden.h"
#include "ui/Meldung.h"
#include "ui/frmHaupt.h"
#include "ui_frmBuch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QShowEvent>

namespace {

constexpr int kSchmal = 8625;
constexpr int kBreit = 10635;

int pixelAusTwips(int twips) {
    return twips / 15;
}

// A pick list's file in the templates folder and what its box shows once filled.
struct Listenangabe {
    QString datei;
    QString angezeigt;
};

Listenangabe angabe(FrmBuch::Buchliste liste) {
    switch (liste) {
    case FrmBuch::Buchliste::Abmasse:
        return {QStringLiteral("BuchAbmasse.txt"), QStringLiteral("Abmasse wählen")};
    case FrmBuch::Buchliste::Art:
        return {QStringLiteral("BuchArt.txt"), QStringLiteral("Taschenbuch")};
    case FrmBuch::Buchliste::Verlag:
        return {QStringLiteral("BuchVerlag.txt"), QStringLiteral("Verlag wählen")};
    case FrmBuch::Buchliste::Autor:
        return {QStringLiteral("BuchAutor.txt"), QStringLiteral("Autor wählen")};
    case FrmBuch::Buchliste::Sprache:
        return {QStringLiteral("BuchSprache.txt"), QStringLiteral("Sprache wählen")};
    case FrmBuch::Buchliste::Genre:
        return {QStringLiteral("BuchGenre.txt"), QStringLiteral("Genre wählen")};
    case FrmBuch::Buchliste::Zustand1:
        return {QStringLiteral("BuchZustand1.txt"), QStringLiteral("Zustand-1 wählen")};
    case FrmBuch::Buchliste::Zustand2:
        return {QStringLiteral("BuchZustand2.txt"), QStringLiteral("Zustand-2 wählen")};
    }
    Q_UNREACHABLE();
}

} // namespace

FrmBuch::FrmBuch(Anwendung& anwendung, QWidget* parent)
    : QWidget(parent, Qt::Window), m_app(anwendung), ui(std::make_unique<Ui::frmBuch>()) {
    ui->setupUi(this);
    const Ui::frmBuch& u = *ui;
    m_text1 = {u.Text1_0, u.Text1_1, u.Text1_2, u.Text1_3, u.Text1_4,
               u.Text1_5, u.Text1_6, u.Text1_7, u.Text1_8};
    m_text2 = {u.Text2_0, u.Text2_1, u.Text2_2, u.Text2_3, u.Text2_4,
               u.Text2_5, u.Text2_6, u.Text2_7, u.Text2_8};
    m_aktiv = {u.Chk1, u.Chk2, u.Chk3, u.Chk4, u.Chk5, u.Chk6, u.Chk7, u.Chk8, u.Chk9};
    ui->cmdSpeichKleidBeschr->setEnabled(false);
    verbinden();
    Form_Load();
}

FrmBuch::~FrmBuch() = default;

void FrmBuch::verbinden() {
    connect(ui->cmdAbmasseEinlesen, &QPushButton::clicked, this, &FrmBuch::cmdAbmasseEinlesen_Click);
    connect(ui->cmdArtEinlesen, &QPushButton::clicked, this, &FrmBuch::cmdArtEinlesen_Click);
    connect(ui->cmdVerlagEinlesen, &QPushButton::clicked, this, &FrmBuch::cmdVerlagEinlesen_Click);
    connect(ui->cmdAutorEinlesen, &QPushButton::clicked, this, &FrmBuch::cmdAutorEinlesen_Click);
    connect(ui->cmdSpracheEinlesen, &QPushButton::clicked, this, &FrmBuch::cmdSpracheEinlesen_Click);
    connect(ui->cmdGenreEinlesen, &QPushButton::clicked, this, &FrmBuch::cmdGenreEinlesen_Click);
    connect(ui->cmdZustandEinlesen1, &QPushButton::clicked, this, &FrmBuch::cmdZustandEinlesen1_Click);
    connect(ui->cmdZustandEinlesen2, &QPushButton::clicked, this, &FrmBuch::cmdZustandEinlesen2_Click);

    const std::array<std::pair<QPushButton*, Buchliste>, 8> oeffnen{{
        {ui->cmdOpenAbmasse, Buchliste::Abmasse},
        {ui->cmdOpenArt, Buchliste::Art},
        {ui->cmdOpenSprache, Buchliste::Sprache},
        {ui->cmdOpenVerlag, Buchliste::Verlag},
        {ui->cmdOpenAutor, Buchliste::Autor},
        {ui->cmdOpenGenre, Buchliste::Genre},
        {ui->cmdOpenZustand1, Buchliste::Zustand1},
        {ui->cmdOpenZustand2, Buchliste::Zustand2},
    }};
    for (const auto& [knopf, liste] : oeffnen) {
        const QString datei = angabe(liste).datei;
        connect(knopf, &QPushButton::clicked, this, [this, datei] { listeOeffnen(datei); });
    }

    connect(ui->cmdubernehmen, &QPushButton::clicked, this, &FrmBuch::cmdubernehmen_Click);
    connect(ui->cmdSpeichKleidBeschr, &QPushButton::clicked, this, &FrmBuch::cmdSpeichKleidBeschr_Click);
    connect(ui->Label2, &KlickLabel::geklickt, this, [this] { breiteSetzen(kBreit); });
    connect(ui->Label3, &KlickLabel::geklickt, this, [this] { breiteSetzen(kSchmal); });
}

void FrmBuch::Form_Load() {
    ui->cboMaterialWehlen->addItems({QStringLiteral("Material wählen"), QString()});
    ui->cboMaterialWehlen->setCurrentText(QStringLiteral("Material wählen"));
    ui->cboGeschlechtWehlen->addItems({QStringLiteral("Geschlecht wählen"), QString(), QString()});
    ui->cboGeschlechtWehlen->setCurrentText(QStringLiteral("Geschlecht wählen"));
    ui->cboZustandWehlen1->addItem(QString());
    ui->cboZustandWehlen2->addItems(
        {ZustandPlatzhalter(), QStringLiteral("Ein Mängelexemplar <b>ohne Mengel</b>"), QString()});
    neuerArtikel();
    ui->txtArtikelBez->setText(m_app.frmHaupt().bezeichnung());
    breiteSetzen(kSchmal);
}

void FrmBuch::neuerArtikel() {
    ui->txtArtikelBez->clear();
    const std::array<QString, kBuchZeilen> beschriftungen = BuchBeschriftungen();
    const std::array<QString, kBuchZeilen> werte = BuchStartwerte();
    for (int i = 0; i < kBuchZeilen; ++i) {
        text1(i)->setText(beschriftungen.at(i));
        text2(i)->setText(werte.at(i));
    }
    ui->cboFirmawehlen->setCurrentText(QStringLiteral("Verlag wählen"));
    ui->cboBuchAutor->setCurrentText(QStringLiteral("Autor wählen"));
    ui->cboFarbewehlen->setCurrentText(QStringLiteral("Taschenbuch"));
    ui->cboAbmasseWehlen->setCurrentText(QStringLiteral("Abmasse wählen"));
    ui->cboArtWehlen->setCurrentText(QStringLiteral("Genre wählen"));
    ui->cboZustandWehlen1->setCurrentText(ZustandPlatzhalter());
    ui->cboZustandWehlen2->setCurrentText(ZustandPlatzhalter());
    for (QCheckBox* aktiv : m_aktiv) {
        aktiv->setChecked(false);
    }
    ui->cmdSpeichKleidBeschr->setEnabled(false);
    spracheVorgeben();
}

void FrmBuch::spracheVorgeben() {
    ui->cboSprache->setCurrentText(QStringLiteral("Deutsch"));
}

// Showing keeps the language: the seller's choice, or the one read with the article.
void FrmBuch::Form_Activate() {
    breiteSetzen(kSchmal);
}

// Bound to showing: Qt also activates the window on the return from a message box or another
// program, which must not reset the seller's choices.
void FrmBuch::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous()) {
        Form_Activate();
    }
}

void FrmBuch::closeEvent(QCloseEvent* ereignis) {
    // The window lives for the whole run; closing only hides it and keeps the fields.
    ereignis->ignore();
    hide();
}

void FrmBuch::breiteSetzen(int twips) {
    resize(pixelAusTwips(twips), height());
}

QString FrmBuch::listenPfad(const Datenordner& daten, Buchliste liste) {
    return daten.pfad(QStringLiteral("vorlagen\\") + angabe(liste).datei);
}

QComboBox* FrmBuch::listenfeld(Buchliste liste) const {
    const Ui::frmBuch& u = *ui;
    switch (liste) {
    case Buchliste::Abmasse:
        return u.cboAbmasseWehlen;
    case Buchliste::Art:
        return u.cboFarbewehlen;
    case Buchliste::Verlag:
        return u.cboFirmawehlen;
    case Buchliste::Autor:
        return u.cboBuchAutor;
    case Buchliste::Sprache:
        return u.cboSprache;
    case Buchliste::Genre:
        return u.cboArtWehlen;
    case Buchliste::Zustand1:
        return u.cboZustandWehlen1;
    case Buchliste::Zustand2:
        return u.cboZustandWehlen2;
    }
    Q_UNREACHABLE();
}

void FrmBuch::listeEinsetzen(Buchliste liste, const QStringList& eintraege) {
    ListeEinsetzen(listenfeld(liste), eintraege, angabe(liste).angezeigt);
}

void FrmBuch::listeLaden(Buchliste liste) {
    ListeLaden(m_app.plattform(), m_app.zustand(), listenPfad(m_app.daten(), liste), listenfeld(liste),
               angabe(liste).angezeigt);
}

void FrmBuch::listeOeffnen(const QString& datei) {
    DateiImEditorOeffnen(m_app.plattform(), m_app.programmordner(),
                         QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\") + datei);
}

void FrmBuch::cmdAbmasseEinlesen_Click() {
    listeLaden(Buchliste::Abmasse);
}

void FrmBuch::cmdArtEinlesen_Click() {
    listeLaden(Buchliste::Art);
}

void FrmBuch::cmdVerlagEinlesen_Click() {
    listeLaden(Buchliste::Verlag);
}

void FrmBuch::cmdAutorEinlesen_Click() {
    listeLaden(Buchliste::Autor);
    m_app.frmHaupt().buchAutorenLaden(listenPfad(m_app.daten(), Buchliste::Autor));
}

void FrmBuch::cmdSpracheEinlesen_Click() {
    listeLaden(Buchliste::Sprache);
}

void FrmBuch::cmdGenreEinlesen_Click() {
    listeLaden(Buchliste::Genre);
}

void FrmBuch::cmdZustandEinlesen1_Click() {
    listeLaden(Buchliste::Zustand1);
}

void FrmBuch::cmdZustandEinlesen2_Click() {
    listeLaden(Buchliste::Zustand2);
}

void FrmBuch::cmdubernehmen_Click() {
    std::array<QString, kBuchZeilen> werte;
    for (int i = 0; i < kBuchZeilen; ++i) {
        werte[i] = text2(i)->text();
    }
    const BuchAuswahl auswahl{ui->cboFirmawehlen->currentText(),    ui->cboBuchAutor->currentText(),
                              ui->cboSprache->currentText(),        ui->cboFarbewehlen->currentText(),
                              ui->cboAbmasseWehlen->currentText(),  ui->cboArtWehlen->currentText(),
                              ui->cboZustandWehlen1->currentText(), ui->cboZustandWehlen2->currentText()};
    werte = BuchUebernehmen(werte, auswahl);
    for (int i = 0; i < kBuchZeilen; ++i) {
        text2(i)->setText(werte.at(i));
    }
    ui->cmdSpeichKleidBeschr->setEnabled(true);
}

void FrmBuch::cmdSpeichKleidBeschr_Click() {
    Zustand& zustand = m_app.zustand();
    const BuchEingaben werte = eingaben();
    if (!zustand.pruefungUeberspringen) {
        if (const std::optional<QString> fehler = BuchPruefen(werte, ui->cboZustandWehlen1->currentText())) {
            Meldung(m_app.plattform(), 99, *fehler);
            return;
        }
    }
    // A read article may be saved once without the checks; later saves are checked again.
    zustand.pruefungUeberspringen = false;
    // A description that was not saved keeps the window open, so the seller can mend and save again.
    if (!beschreibungSpeichern()) {
        return;
    }
    emit tabelleGespeichert(BuchTabelle(werte));
    hide();
}

void FrmBuch::GenreAusTextblockSetzen(const QString& beschriftung) {
    if (const std::optional<QString> genre = GenreAusTextblock(beschriftung)) {
        ui->cboArtWehlen->setCurrentText(*genre);
    }
}

QString FrmBuch::tabelle() const {
    return BuchTabelle(eingaben());
}

BuchEingaben FrmBuch::eingaben() const {
    BuchEingaben e;
    for (int i = 0; i < kBuchZeilen; ++i) {
        e.beschriftungen[i] = text1(i)->text();
        e.werte[i] = text2(i)->text();
        e.aktiv[i] = m_aktiv.at(static_cast<std::size_t>(i))->isChecked();
    }
    return e;
}

bool FrmBuch::beschreibungSpeichern() {
    std::array<QString, kBuchZeilen> werte;
    QList<BenanntesFeld> zeilen;
    for (int i = 0; i < kBuchZeilen; ++i) {
        werte[i] = text2(i)->text();
        zeilen.append({text1(i)->text(), werte[i]});
    }
    return BeschreibungsdateiSchreiben(
        m_app, ui->txtArtikelBez->text(), zeilen,
        [&werte](const QString& pfad) { return BuchBeschrSpeichern(pfad, werte); });
}

QLineEdit* FrmBuch::text1(int i) const {
    return m_text1.at(static_cast<std::size_t>(i));
}

QLineEdit* FrmBuch::text2(int i) const {
    return m_text2.at(static_cast<std::size_t>(i));
}

void FrmBuch::bezeichnungSetzen(const QString& text) {
    ui->txtArtikelBez->setText(text);
}

void FrmBuch::autorSetzen(const QString& autor) {
    ui->cboBuchAutor->setCurrentText(autor);
}

void FrmBuch::artSetzen(const QString& art) {
    ui->cboFarbewehlen->setCurrentText(art);
}

QWidget* FrmBuch::artikelfeld(Artikelfeld feld, int nummer) const {
    const Ui::frmBuch& u = *ui;
    switch (feld) {
    case Artikelfeld::BuchVerlagWahl:
        return u.cboFirmawehlen;
    case Artikelfeld::BuchVerlag:
        return u.Text2_0;
    case Artikelfeld::BuchAutorWahl:
        return u.cboBuchAutor;
    case Artikelfeld::BuchAutor:
        return u.Text2_1;
    case Artikelfeld::BuchSpracheWahl:
        return u.cboSprache;
    case Artikelfeld::BuchSprache:
        return u.Text2_8;
    case Artikelfeld::BuchArtWahl:
        return u.cboFarbewehlen;
    case Artikelfeld::BuchArt:
        return u.Text2_2;
    case Artikelfeld::BuchGenreWahl:
        return u.cboArtWehlen;
    case Artikelfeld::BuchGenre:
        return u.Text2_4;
    case Artikelfeld::BuchSeiten:
        return u.Text2_5;
    case Artikelfeld::BuchGewicht:
        return u.Text2_6;
    case Artikelfeld::BuchZustandWahl1:
        return u.cboZustandWehlen1;
    case Artikelfeld::BuchZustandWahl2:
        return u.cboZustandWehlen2;
    case Artikelfeld::BuchZustand:
        return u.Text2_7;
    case Artikelfeld::BuchAktiv:
        return m_aktiv.at(static_cast<std::size_t>(nummer - 1));
    default:
        break;
    }
    // The other fields are the main window's.
    Q_ASSERT_X(false, "artikelfeld", "Hauptfensterfeld im Buchfenster");
    return nullptr;
}
