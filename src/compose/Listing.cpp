#include "compose/Listing.h"

#include "compose/Kurzfassung.h"
#include "compose/Trimmen.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString Q = QStringLiteral("\"");
const QString kZusatzinfoMarke = QStringLiteral("<!---ZUSATZINFO_START--->");
const QString kNichtLoeschen = QStringLiteral("nichtloeschen");
const QString kPfadZumShopBild = QStringLiteral("PfadZumShopBild");
const QString kFussAnker = QStringLiteral("</DIV></TD>");
const QString kGrosseresBild = QStringLiteral("Gr&ouml;&szlig;eres Bild");
const QString kHerkunftVerkaeufer = QStringLiteral("Mein Ebay-Name");

const QString kBilderPfad = QStringLiteral("Internet-Pfad für Zusatzbilder");
const QString kHerkunftGrafik = QStringLiteral("Internet-Pfad für Grafiken");

QString vorlageDatei(const QString& name) {
    return QStringLiteral("HTML_Code/HTML_text-") + name + QStringLiteral(".txt");
}

QString vorlageIni(int teil) {
    return QStringLiteral("Vorlage.Ini TEIL%1").arg(teil);
}

QString bildName(int nummer) {
    return QStringLiteral("Bild %1").arg(nummer);
}

// The listing text as it grows, with the origin of every piece; neighbouring pieces of one
// origin are one piece.
class Aufbau {
public:
    void an(const QString& text, const QString& herkunft) {
        if (text.isEmpty()) {
            return;
        }
        if (!m_herkunft.isEmpty() && m_herkunft.last().herkunft == herkunft) {
            m_herkunft.last().laenge += text.size();
        } else {
            m_herkunft.append({m_text.size(), text.size(), herkunft});
        }
        m_text += text;
    }
    void fest(const QString& text) { an(text, kHerkunftProgramm); }

    QString m_text;
    ListingHerkunft m_herkunft;
};

// Without a graphics folder in the settings the picture is left out.
void lupe(Aufbau& l, const QString& grafikPfad, const QString& herkunft) {
    if (grafikPfad.isEmpty()) {
        return;
    }
    l.an(QStringLiteral("<img src=\""), herkunft);
    l.an(GrafikAdresse(grafikPfad, QStringLiteral("Lupe1.gif")), kHerkunftGrafik);
    l.an(QStringLiteral("\" width=\"24\" height=\"19\"  border=\"0\" hspace=\"1\" "
                        "alt=\"Gr&ouml;&szlig;eres Bild\">"),
         herkunft);
}

void kopfUndVersand(Aufbau& l, const ListingEingabe& e) {
    const QString teil1 = vorlageDatei(QStringLiteral("1"));
    if (!e.versandInfoJa) {
        l.an(e.htmlTeil1, teil1);
        return;
    }
    const QString& t = e.htmlTeil1;
    // 1-based position, 0 when absent: without the marker the cut falls after the 24th character.
    const qsizetype p = t.indexOf(kZusatzinfoMarke) + 1;
    const qsizetype schnitt = p + kZusatzinfoMarke.size() - 1;
    l.an(t.left(schnitt), teil1);
    l.an(e.htmlTeil0a, vorlageDatei(QStringLiteral("0a")));
    l.an(e.versandkosten, QStringLiteral("Versandkosten"));
    l.an(e.htmlTeil0b, vorlageDatei(QStringLiteral("0b")));
    l.an(e.versandArt, QStringLiteral("Versand-Art"));
    l.an(e.htmlTeil0c, vorlageDatei(QStringLiteral("0c")));
    l.an(e.htmlTeil0d, vorlageDatei(QStringLiteral("0d")));
    l.fest(QStringLiteral("<TR><TD>"));
    l.an(e.farbverlauf, QStringLiteral("Farbverlauf"));
    l.fest(QStringLiteral("</TD></TR>"));
    l.an(t.mid(schnitt), teil1);
}

void bildAttribute(Aufbau& l, const QString& b, const ListingBild& bild, const QString& name) {
    l.an(QStringLiteral(" src=\""), name);
    l.an(b, kBilderPfad);
    l.an(bild.datei + Q + QStringLiteral(" width=\"") + bild.breite + Q + QStringLiteral(" height=\"") +
             bild.hoehe,
         name);
}

bool nutzbar(const QString& mass) {
    return !mass.isEmpty() && mass != QLatin1String("1");
}

void obereBilder(Aufbau& l, const ListingEingabe& e) {
    const ListingBild& bild1 = e.bilder[0];
    l.an(e.teil3, vorlageIni(3));
    l.an(bild1.breite == QLatin1String("1") ? QStringLiteral("0\"") : QStringLiteral("1\""), bildName(1));
    bildAttribute(l, e.bilderPfad, bild1, bildName(1));
    const ListingBild& bild2 = e.bilder[1];
    if (!bild2.datei.isEmpty() && nutzbar(bild2.hoehe) && nutzbar(bild2.breite)) {
        l.an(QStringLiteral("\">"), bildName(1));
        l.an(e.teil3, vorlageIni(3));
        l.an(QStringLiteral("1\""), bildName(2));
        bildAttribute(l, e.bilderPfad, bild2, bildName(2));
    }
}

void aufforderung(Aufbau& l, bool ja, const QString& text, int nummer) {
    if (ja) {
        l.fest(QStringLiteral("<br><br><strong style=\"color:#000066;font-size: 14px;\">"));
        l.an(text, QStringLiteral("Kaufaufforderung %1").arg(nummer));
        // With a blank after "</" a browser reads a comment, and the rest of the listing turns bold.
        l.fest(QStringLiteral("</strong>"));
    }
}

// A link to the block's own picture around the given content.
void bildLink(Aufbau& l, const QString& b, const ListingBild& bild, const QString& name) {
    l.an(QStringLiteral("<a href=\""), name);
    l.an(b, kBilderPfad);
    l.an(bild.datei + Q + QStringLiteral("target=\"_blank\">"), name);
}

void bildBlock(Aufbau& l, int nummer, const ListingEingabe& e) {
    const QString& b = e.bilderPfad;
    const ListingBild& bild = e.bilder[static_cast<std::size_t>(nummer - 1)];
    const bool drei = nummer == 3;
    const QString name = bildName(nummer);
    const QString linkEnde = drei ? QStringLiteral("</a>") : QStringLiteral(" </a>");
    const auto zeile = [&](const QString& text) { l.an(text + CRLF, name); };
    zeile(drei ? QStringLiteral("<br><!-----Bild 3------>") : QStringLiteral("<br><!-----Bild 4------>"));
    zeile(QStringLiteral("<!-------------------->"));
    zeile(QStringLiteral("<div align=\"center\">"));
    l.an(QStringLiteral("<IMG border=\"1\" src=\""), name);
    l.an(b, kBilderPfad);
    zeile(bild.datei + Q + QStringLiteral(" width=\"") + bild.breite + Q + QStringLiteral(" height=\"") +
          bild.hoehe + QStringLiteral("\">") + QStringLiteral("<br>"));
    zeile(QStringLiteral(
        "<table align=\"center\" width=\"18%\"  border=\"0\" cellspacing=\"1\" cellpadding=\"1\">"));
    zeile(drei ? QStringLiteral("<tr><td width=\"49\" align=\"center\"> ")
               : QStringLiteral("<tr><td width=\"49\" align=\"center\" style=\"vertical-align:middle;\"> "));
    bildLink(l, b, bild, name);
    lupe(l, e.grafikPfad, name);
    zeile(linkEnde);
    zeile(QStringLiteral("</td>"));
    zeile(drei ? QStringLiteral("<td nowrap width=\"84\" style=\"vertical-align:middle;\">")
               : QStringLiteral("<td nowrap  width=\"84\">"));
    bildLink(l, b, bild, name);
    zeile(kGrosseresBild + linkEnde + QStringLiteral("</td></tr></table></div>"));
    zeile(QStringLiteral("<!-------------------->"));
    zeile(QStringLiteral("<!---ENDE Bild %1------>").arg(nummer));
}

QStringList shopFehlerZeilen(ShopFehler fehler) {
    const QString kopf =
        QStringLiteral("Der Link bei Shopeinstellungen (unter: \"Extras / Vorlage bearbeiten / Teil 8\")");
    const QString lauten = QStringLiteral("es muss lauten: \"https://") + kShopHost +
                           QStringLiteral("/merchant/nichtloeschen\"");
    const QString ende = QStringLiteral("und darf nicht geändert werden!");
    if (fehler == ShopFehler::A) {
        return {kopf, QStringLiteral("muss am Ende \"nichtloeschen\" haben!"), lauten, ende};
    }
    return {kopf, QStringLiteral("muss \"PfadZumShopBild\" heißen!"), lauten,
            QStringLiteral("es muss lauten: \"<img src=\"\"PfadZumShopBild\"\""), ende};
}

// The shop link carries the seller's name and the shop picture in two placeholders; the
// picture placeholder is looked for only behind the name placeholder.
ShopFehler shopBlock(Aufbau& l, const ListingEingabe& e) {
    const QString& s = e.htmlShop;
    const qsizetype name = s.indexOf(kNichtLoeschen);
    if (name < 0) {
        return ShopFehler::A;
    }
    const QString davor = s.left(name);
    const QString danach = s.mid(name + kNichtLoeschen.size());
    const qsizetype bild = danach.indexOf(kPfadZumShopBild);
    if (bild < 0) {
        return ShopFehler::B;
    }
    const QString shop = vorlageDatei(QStringLiteral("shopAktuell"));
    l.an(davor, shop);
    l.an(blankeEntfernen(e.verkaeuferName), kHerkunftVerkaeufer);
    l.an(danach.left(bild), shop);
    l.an(e.shopBildPfad, QStringLiteral("Internet-Pfad für Shop-Bild"));
    l.an(danach.mid(bild + kPfadZumShopBild.size()), shop);
    l.fest(CRLF);
    return ShopFehler::Keiner;
}

void fusszeile(Aufbau& l, const ListingEingabe& e) {
    const QString& t = e.htmlTeil6b;
    const QString teil6b = vorlageDatei(QStringLiteral("6b"));
    const qsizetype anker = t.indexOf(kFussAnker);
    if (anker < 0) {
        l.an(t, teil6b);
        l.fest(CRLF);
        return;
    }
    const qsizetype nachDiv = anker + QLatin1String("</DIV>").size();
    l.an(t.left(nachDiv), teil6b);
    l.fest(QStringLiteral("<font color=\"#ffe7b5\"> Erstellt mit K.O.R.I Vers.Nr.: ") +
           QString::number(e.versionMajor) + QStringLiteral(".") + QString::number(e.versionRevision) +
           QStringLiteral(" </font>"));
    l.an(t.mid(nachDiv), teil6b);
    l.fest(CRLF);
}

} // namespace

QString GrafikAdresse(const QString& grafikPfad, const QString& datei) {
    if (grafikPfad.isEmpty()) {
        return {};
    }
    const QString trenner = grafikPfad.endsWith(u'/') ? QString() : QStringLiteral("/");
    return grafikPfad + trenner + datei;
}

QString Farbverlauf(const QString& grafikPfad) {
    if (grafikPfad.isEmpty()) {
        return {};
    }
    return QStringLiteral("<br>\r\n<DIV align=\"center\">\r\n<IMG border=\"0\" src=\"") +
           GrafikAdresse(grafikPfad, QStringLiteral("bluverlauf-1.jpg")) +
           QStringLiteral("\">\r\n</DIV><br>\r\n");
}

ListingErgebnis Texte_Verbinden(const ListingEingabe& e) {
    Aufbau l;
    // First in the description: the template's first part ends inside its greeting sentence.
    l.an(e.kurzfassung, kHerkunftKurzfassung);
    kopfUndVersand(l, e);
    l.fest(QStringLiteral(" "));
    l.an(e.aufWasBieten, QStringLiteral("Sie bieten auf"));
    l.fest(QStringLiteral(" ") + CRLF);
    l.an(e.teil2, vorlageIni(2));
    l.fest(CRLF);
    l.an(e.titel, QStringLiteral("Titel"));
    l.fest(CRLF + QStringLiteral("<!---TEST-1--> </span></SPAN>") + CRLF);
    if (!e.untertitel.isEmpty()) {
        l.fest(QStringLiteral("<br>"));
        l.an(e.untertitel, QStringLiteral("Untertitel"));
        l.fest(CRLF);
    }
    obereBilder(l, e);
    l.an(e.htmlTeil3b, vorlageDatei(QStringLiteral("3b")));
    l.fest(CRLF);
    l.an(e.inhaltAuto, e.inhaltAutoHerkunft);
    l.fest(CRLF);
    l.an(e.htmlTeil3c, vorlageDatei(QStringLiteral("3c")));
    l.fest(CRLF);
    l.an(e.inhalt, QStringLiteral("Weitere Beschreibung"));
    l.fest(CRLF);
    aufforderung(l, e.aufforderung1Ja, e.aufforderung1, 1);
    aufforderung(l, e.aufforderung2Ja, e.aufforderung2, 2);
    l.an(e.teil4, vorlageIni(4));
    l.fest(CRLF);
    for (int n = 3; n <= 5; ++n) {
        if (e.bildVorhanden[n - 3]) {
            bildBlock(l, n, e);
        }
    }
    if (e.hinweisJa) {
        l.an(e.htmlTeil7, vorlageDatei(QStringLiteral("verst")));
        l.fest(CRLF);
    }
    l.an(e.htmlTeil5, vorlageDatei(QStringLiteral("5")));
    l.fest(CRLF);
    l.an(e.einstellVerkaeufer, kHerkunftVerkaeufer);
    l.an(e.htmlTeil6, vorlageDatei(QStringLiteral("6")));
    l.fest(CRLF);
    if (e.shopJa) {
        const ShopFehler fehler = shopBlock(l, e);
        if (fehler != ShopFehler::Keiner) {
            return {QString(), {}, fehler, shopFehlerZeilen(fehler)};
        }
    }
    fusszeile(l, e);
    return {l.m_text, l.m_herkunft, ShopFehler::Keiner, {}};
}
