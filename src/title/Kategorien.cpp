#include "title/Kategorien.h"

#include "title/Gebotszeile.h"

namespace {

KategorieVorlage grundVorlage(const QString& artikelArt, const QString& beschriftung) {
    KategorieVorlage v;
    v.artikelArt = artikelArt;
    v.lblArtikelArt = beschriftung;
    v.einZwei = kEinZweiVorgabe;
    v.gutErhalten = kGutErhaltenVorgabe;
    v.aufWasBiten2 = QStringLiteral(" ");
    v.aufWasBiten3 = QStringLiteral(" ");
    return v;
}

KategorieVorlage buchVorlage() {
    KategorieVorlage v = grundVorlage(QStringLiteral("Buch"), QStringLiteral("Buch"));
    v.gutNeu = QStringLiteral("es");
    v.aufWasBitenListe = {QStringLiteral("Buch"),
                          QStringLiteral("Buch der Serie:"),
                          QStringLiteral("Bücher"),
                          QStringLiteral("Heft"),
                          QStringLiteral("Heft der Serie:"),
                          QStringLiteral("Fußballmagazin"),
                          QStringLiteral("Reisemagazin"),
                          QStringLiteral("Exemplar der Zeitschrift: ")};
    v.aufWasBiten2Liste = {QStringLiteral(" "),
                           QStringLiteral(" 11 Freunde"),
                           QStringLiteral(" ADAC Special"),
                           QStringLiteral(" Abenteuer und Reisen"),
                           QStringLiteral(" Aquaristik"),
                           QStringLiteral(" Buddhismus aktuell"),
                           QStringLiteral(" GEO Spezial"),
                           QStringLiteral(" GEO Saison"),
                           QStringLiteral(" GEO Wissen"),
                           QStringLiteral(" Merian"),
                           QStringLiteral(" Die drei ???"),
                           QStringLiteral(" TKKG"),
                           QStringLiteral(" Tauchen")};
    v.aufWasBiten3Liste = {QStringLiteral(" "),
                           QStringLiteral("<b>-mit CD</b>"),
                           QStringLiteral("<b>-mit DVD</b>"),
                           QStringLiteral("<b>-gebundene Ausgabe</b>"),
                           QStringLiteral("<b>-gebundene Ausgabe mit Umschlag</b>"),
                           QStringLiteral("<b>-ungelesen)</b>"),
                           QStringLiteral("<b>-ungelesen (noch in Folie)</b>"),
                           QStringLiteral("<b>-OVP</b>")};
    v.aufWasBiten = QStringLiteral("Buch");
    v.knopf = Kategorieknopf::BuchBeschreibung;
    v.sichtbar = {Kategorieknopf::VerlagInsBuch, Kategorieknopf::AutorInsBuch};
    v.buchAutorSichtbar = true;
    v.buchArt = QStringLiteral("Taschenbuch");
    return v;
}

KategorieVorlage cdVorlage() {
    KategorieVorlage v = grundVorlage(QStringLiteral("CD_MC"), QStringLiteral("CD / MC / DVD"));
    v.einEineEinen = QStringLiteral("e");
    v.gutNeu = QStringLiteral("e");
    v.aufWasBitenListe = {
        QStringLiteral("MC-Kassette"), QStringLiteral("MC-Kassetten"),   QStringLiteral("Doppel-CD"),
        QStringLiteral("Audio-CD"),    QStringLiteral("mp3-CD"),         QStringLiteral("Audio-CD's"),
        QStringLiteral("mp3-CD's"),    QStringLiteral("Video-Kassette"), QStringLiteral("DVD"),
        QStringLiteral("CD-Set"),      QStringLiteral("CD-ROM"),         QStringLiteral("DVD-Set")};
    v.aufWasBiten2Liste = {QStringLiteral(" "),
                           QStringLiteral(" mit ?? Tracks"),
                           QStringLiteral(" mit einer Laufzeit von ?? Minuten"),
                           QStringLiteral(" mit einer Laufzeit von ca. ?? Stunden (?? Minuten)"),
                           QStringLiteral(" bestehend aus"),
                           QStringLiteral(" für Windows"),
                           QStringLiteral(" für Windows und MAC")};
    v.aufWasBiten3Liste = {QStringLiteral(" "), QStringLiteral(" ?? CD's"), QStringLiteral(" ?? DVD's"),
                           QStringLiteral(" ?? Teilen"), QStringLiteral("mit dem Spiel: ")};
    v.aufWasBiten = QStringLiteral("Audio-CD");
    v.knopf = Kategorieknopf::Songs;
    return v;
}

KategorieVorlage kleidungVorlage() {
    KategorieVorlage v = grundVorlage(QStringLiteral("Kleidung"), QStringLiteral("Kleidung"));
    v.einEineEinen = QStringLiteral("e");
    v.gutNeu = QStringLiteral("e");
    v.aufWasBitenListe = {QStringLiteral("Baby"),   QStringLiteral("Kinder"), QStringLiteral("Mädchen"),
                          QStringLiteral("Jungen"), QStringLiteral("Damen"),  QStringLiteral("Männer")};
    v.aufWasBiten2Liste = {
        QStringLiteral(" "),        QStringLiteral("-Cord"),   QStringLiteral("-Jeans"),
        QStringLiteral("-Little"),  QStringLiteral("-Sommer"), QStringLiteral("-Spaghetti"),
        QStringLiteral("-Stretch"), QStringLiteral("-Stoff"),  QStringLiteral("-Winter")};
    v.aufWasBiten3Liste = {QStringLiteral(" "),
                           QStringLiteral("-Bluse"),
                           QStringLiteral("-Body"),
                           QStringLiteral("-Hemd"),
                           QStringLiteral("-Hose"),
                           QStringLiteral("-Hut"),
                           QStringLiteral("-Jacke"),
                           QStringLiteral("-Kleid"),
                           QStringLiteral("-Latzhose"),
                           QStringLiteral("-Paket"),
                           QStringLiteral("-Pullover"),
                           QStringLiteral("-Rock"),
                           QStringLiteral("-Shirt"),
                           QStringLiteral("-T-Shirt"),
                           QStringLiteral("-Longshirt"),
                           QStringLiteral("-Schal"),
                           QStringLiteral("-Shorts"),
                           QStringLiteral("-Strampler"),
                           QStringLiteral("-Strampler mit Kapuze"),
                           QStringLiteral("-Sweatshirt mit Kapuze"),
                           QStringLiteral("-Weste")};
    v.aufWasBiten = QStringLiteral("Baby");
    v.aufWasBiten3 = QStringLiteral("-Hose");
    v.knopf = Kategorieknopf::KleidungBeschreibung;
    v.inhaltDatei = QStringLiteral("\\KORI-Vorlage-Dateien\\vorlagen\\Vorlagetext-kleidung.txt");
    return v;
}

} // namespace

std::optional<KategorieVorlage> kategorieVorlage(const QString& artikelArt) {
    if (artikelArt == QStringLiteral("Buch")) {
        return buchVorlage();
    }
    if (artikelArt == QStringLiteral("CD_MC")) {
        return cdVorlage();
    }
    if (artikelArt == QStringLiteral("Kleidung")) {
        return kleidungVorlage();
    }
    return std::nullopt;
}

QString startKategorie(const QString& startenMit) {
    if (startenMit.contains(QStringLiteral("CD"))) {
        return QStringLiteral("CD_MC");
    }
    if (startenMit == QStringLiteral("Kleidung")) {
        return QStringLiteral("Kleidung");
    }
    if (startenMit.contains(QStringLiteral("Buch"))) {
        return QStringLiteral("Buch");
    }
    return {};
}
