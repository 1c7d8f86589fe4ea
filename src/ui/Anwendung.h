#pragma once

#include "article/Artikelstand.h"
#include "config/Einstellungen.h"
#include "core/Datenordner.h"
#include "core/Zustand.h"
#include "ui/Nachholen.h"

#include <memory>
#include <optional>

class FotoWerkzeug;
class Plattform;
class QLockFile;
class QPluginLoader;
class QTranslator;
class FrmHaupt;
class BilderBedienung;
class TitelBedienung;
class FrmBild;
class FrmBildGrosse;
class FrmBuch;
class FrmKleidung;
class FrmLink;
class FrmShop;
class FrmShopSite;
class FrmEinstell;
class FrmVorlIni;
class FrmVorlSpeichern;
class FrmLiveVorschau;

// Owns the global state and every window. Windows are created at start-up or on first use
// and live, hidden when not shown, until the program ends.
class Anwendung {
public:
    Anwendung(const QString& programmordner, Plattform& plattform);
    ~Anwendung();
    Anwendung(const Anwendung&) = delete;
    Anwendung& operator=(const Anwendung&) = delete;

    // Speaks German in Qt's own dialogs, creates a missing data folder, takes the data folder's
    // lock, then runs the main window's load step and shows it. False when another program holds
    // the data folder or a file or a link to nothing lies in its place: then only the reason is
    // shown, no file changed, and the program should end.
    bool starten();
    // Unloads every window and ends the program; nothing is asked and nothing saved.
    void ProgrammBeenden();
    // Asks about an unsaved article before the program ends: "Ja" finishes it for the save
    // window and keeps the program open, as does "Abbrechen". True when the program may end.
    bool beendenBestaetigt();

    // The article as it stands now; a detail window not made yet holds what was remembered.
    Artikelstand artikelstand();
    // Remembers the article as it stands, after a save, a read and a new article.
    void artikelstandMerken();
    // Whether the article differs from the one last saved, read or started anew.
    bool artikelUngespeichert();
    // What is to take the place of the article shown.
    enum class Ersatz { NeuerArtikel, AndererArtikel };
    // Asks whether an article with unsaved content may be given up for what `ersatz` names.
    // True when nothing is unsaved or the seller answers "Ja".
    bool artikelAufgebenBestaetigt(Ersatz ersatz);
    // A new article: the book and clothing windows go back to their own values.
    void detailsNeu();

    Zustand& zustand() { return m_zustand; }
    Plattform& plattform() { return m_plattform; }
    const Datenordner& daten() const { return m_daten; }
    const QString& programmordner() const { return m_daten.programmordner(); }

    FrmHaupt& frmHaupt();
    FrmBild& frmBild();
    FrmBildGrosse& frmBildGrosse();
    FrmBuch& frmBuch();
    FrmKleidung& frmKleidung();
    FrmLink& frmLink();
    FrmShop& frmShop();
    FrmShopSite& frmShopSite();
    FrmEinstell& frmEinstell();
    FrmVorlIni& frmVorlIni();
    FrmVorlSpeichern& frmVorlSpeichern();
    // Reads the pick lists of the book and clothing windows, telling the seller of a missing file
    // now; they go into their windows when those are made.
    void detaillistenLesen();
    // Loads a template variant into the template editor, telling the seller of a missing part
    // now, whether or not the editor has been made yet.
    void vorlageEinlesen(const QString& art);
    // The separator after the shipping block, from the settings' graphics folder.
    void farbverlaufSetzen(const QString& grafikPfad);

    // The settings as the settings window shows them, saved or not; before that window is made,
    // as the settings file holds them.
    Einstellungen einstellungen();
    // The load step's settings: read from the file and taken over, without making the window.
    void einstellungenLaden();
    // What reading the settings notes: the seller in the state and the main window, the standard
    // texts, the upload target, not saved.
    void einstellungenGelesen(const Einstellungen& e);
    // What taking settings over does outside the settings window: the state, the main window's
    // fields, picture widths and upload entries, the template editor's separator.
    void einstellungenUebernehmen(const Einstellungen& e);
    // What saving settings in their window takes over: the state, and in the main window only
    // what the save changed.
    void einstellungenGespeichert(const Einstellungen& vorher, const Einstellungen& neu);
    // Loads the browser engine on first use; null, after telling the seller why, when it cannot.
    FrmLiveVorschau* frmLiveVorschau();
    // Loads the photo library on first use; null, after telling the seller why, when it cannot.
    const FotoWerkzeug* fotoWerkzeug();

private:
    void qtDeutschLaden();
    bool datenordnerBereitstellen();
    bool datenordnerSperren();
    // The one place where a window's news reaches the others; each runs once, when its window
    // is made.
    void verbinden(FrmHaupt& haupt);
    void titelVerbinden(const TitelBedienung& titel, const FrmHaupt& haupt);
    void bilderVerbinden(const BilderBedienung& bilder, const FrmHaupt& haupt);
    void verbinden(FrmBuch& buch);
    void verbinden(FrmKleidung& kleidung);
    void verbinden(FrmVorlIni& vorlage);
    template <class Fenster, class... Argumente>
    Fenster& beiBedarf(std::unique_ptr<Fenster>& fenster, Argumente&&... argumente);

    Plattform& m_plattform;
    Datenordner m_daten;
    Zustand m_zustand;
    std::unique_ptr<QTranslator> m_qtDeutsch;
    std::unique_ptr<QLockFile> m_sperre;
    // The settings as read, for as long as the settings window is not made.
    std::optional<Einstellungen> m_einstellungen;
    // Before the main window, whose photo job may still use it while it goes.
    std::unique_ptr<QPluginLoader> m_fotoPlugin;
    const FotoWerkzeug* m_fotoWerkzeug = nullptr;
    // The article as last saved, read or started anew; none before the start.
    std::optional<Artikelstand> m_gemerkt;
    // Windows whose parent is the main window are declared after it, so they go first.
    std::unique_ptr<FrmHaupt> m_frmHaupt;
    std::unique_ptr<FrmVorlSpeichern> m_frmVorlSpeichern;
    std::unique_ptr<QPluginLoader> m_liveVorschauPlugin;
    std::unique_ptr<FrmLiveVorschau> m_frmLiveVorschau;
    std::unique_ptr<FrmBild> m_frmBild;
    std::unique_ptr<FrmBildGrosse> m_frmBildGrosse;
    std::unique_ptr<FrmBuch> m_frmBuch;
    std::unique_ptr<FrmKleidung> m_frmKleidung;
    std::unique_ptr<FrmLink> m_frmLink;
    std::unique_ptr<FrmShop> m_frmShop;
    std::unique_ptr<FrmShopSite> m_frmShopSite;
    std::unique_ptr<FrmEinstell> m_frmEinstell;
    std::unique_ptr<FrmVorlIni> m_frmVorlIni;
    Nachholen<FrmBuch> m_buchNachholen;
    Nachholen<FrmKleidung> m_kleidungNachholen;
    Nachholen<FrmVorlIni> m_vorlageNachholen;
};
