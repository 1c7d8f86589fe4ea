#include "compose/Listing.h"

#include "compose/Trimmen.h"

namespace {

const QString CRLF = QStringLiteral("\r\n");
const QString Q = QStringLiteral("\"");
const QString kZusatzinfoMarke = QStringLiteral("<!---ZUSATZINFO_START--->");
const QString kNichtLoeschen = QStringLiteral("nichtloeschen");
const QString kPfadZumShopBild = QStringLiteral("PfadZumShopBild");
const QString kFussAnker = QStringLiteral("</DIV></TD>");
const QString kGrosseresBild = QStringLiteral("Gr&ouml;&szlig;eres Bild");

// The marketplace shows only secure content; an http picture would stay blank.
QString lupe() {
    return QStringLiteral("<img src=\"https://") + kGrafikHost +
           QStringLiteral("/t-w/ebay_tw/grafik/Lupe1.gif\" width=\"24\" height=\"19\"  border=\"0\" "
                          "hspace=\"1\" alt=\"Gr&ouml;&szlig;eres Bild\">");
}

void kopfUndVersand(QString& l, const ListingEingabe& e) {
    if (!e.versandInfoJa) {
        l += e.htmlTeil1;
        return;
    }
    const QString versand =
        e.htmlTeil0a + e.versandkosten + e.htmlTeil0b + e.versandArt + e.htmlTeil0c + e.htmlTeil0d;
    const QString& t = e.htmlTeil1;
    // 1-based position, 0 when absent: without the marker the cut falls after the 24th character.
    const qsizetype p = t.indexOf(kZusatzinfoMarke) + 1;
    const qsizetype schnitt = p + kZusatzinfoMarke.size() - 1;
    l += t.left(schnitt) + versand + QStringLiteral("<TR><TD>") + e.farbverlauf +
         QStringLiteral("</TD></TR>") + t.mid(schnitt);
}

QString bildAttribute(const QString& b, const ListingBild& bild) {
    return QStringLiteral(" src=\"") + b + bild.datei + Q + QStringLiteral(" width=\"") + bild.breite + Q +
           QStringLiteral(" height=\"") + bild.hoehe;
}

bool nutzbar(const QString& mass) {
    return !mass.isEmpty() && mass != QLatin1String("1");
}

void obereBilder(QString& l, const ListingEingabe& e) {
    const ListingBild& bild1 = e.bilder[0];
    l += e.teil3;
    l += bild1.breite == QLatin1String("1") ? QStringLiteral("0\"") : QStringLiteral("1\"");
    l += bildAttribute(e.bilderPfad, bild1);
    const ListingBild& bild2 = e.bilder[1];
    if (!bild2.datei.isEmpty() && nutzbar(bild2.hoehe) && nutzbar(bild2.breite)) {
        l += QStringLiteral("\">") + e.teil3 + QStringLiteral("1\"") + bildAttribute(e.bilderPfad, bild2);
    }
}

void aufforderung(QString& l, bool ja, const QString& text) {
    if (ja) {
        l += QStringLiteral("<br><br><strong style=\"color:#000066;font-size: 14px;\">") + text +
             QStringLiteral("</ strong>");
    }
}

void bildBlock(QString& l, int nummer, const QString& b, const ListingBild& bild) {
    const bool drei = nummer == 3;
    const QString link =
        QStringLiteral("<a href=\"") + b + bild.datei + Q + QStringLiteral("target=\"_blank\">");
    const QString linkEnde = drei ? QStringLiteral("</a>") : QStringLiteral(" </a>");
    const QString zeilen[] = {
        drei ? QStringLiteral("<br><!-----Bild 3------>") : QStringLiteral("<br><!-----Bild 4------>"),
        QStringLiteral("<!-------------------->"),
        QStringLiteral("<div align=\"center\">"),
        QStringLiteral("<IMG border=\"1\" src=\"") + b + bild.datei + Q + QStringLiteral(" width=\"") +
            bild.breite + Q + QStringLiteral(" height=\"") + bild.hoehe + QStringLiteral("\">") +
            QStringLiteral("<br>"),
        QStringLiteral(
            "<table align=\"center\" width=\"18%\"  border=\"0\" cellspacing=\"1\" cellpadding=\"1\">"),
        drei ? QStringLiteral("<tr><td width=\"49\" align=\"center\"> ")
             : QStringLiteral("<tr><td width=\"49\" align=\"center\" style=\"vertical-align:middle;\"> "),
        link + lupe() + linkEnde,
        QStringLiteral("</td>"),
        drei ? QStringLiteral("<td nowrap width=\"84\" style=\"vertical-align:middle;\">")
             : QStringLiteral("<td nowrap  width=\"84\">"),
        link + kGrosseresBild + linkEnde + QStringLiteral("</td></tr></table></div>"),
        QStringLiteral("<!-------------------->"),
        QStringLiteral("<!---ENDE Bild %1------>").arg(nummer),
    };
    for (const QString& zeile : zeilen) {
        l += zeile + CRLF;
    }
}

QStringList shopFehlerZeilen(ShopFehler fehler) {
    const QString kopf =
        QStringLiteral("Der Link bei Shopeinstellungen (unter: \"Extras / Vorlage bearbeiten / Teil 8\")");
    const QString lauten =
        QStringLiteral("es muss lauten: \"http://") + kShopHost + QStringLiteral("/merchant/nichtloeschen\"");
    const QString ende = QStringLiteral("und darf nicht geändert werden!");
    if (fehler == ShopFehler::A) {
        return {kopf, QStringLiteral("muss am Ende \"nichtloeschen\" haben!"), lauten, ende};
    }
    return {kopf, QStringLiteral("muss \"PfadZumShopBild\" heißen!"), lauten,
            QStringLiteral("es muss lauten: \"<img src=\"\"PfadZumShopBild\"\""), ende};
}

// The shop link carries the seller's name and the shop picture in two placeholders; the
// picture placeholder is looked for only behind the name placeholder.
ShopFehler shopBlock(QString& l, const ListingEingabe& e) {
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
    l += davor + blankeEntfernen(e.verkaeuferName) + danach.left(bild) + e.shopBildPfad +
         danach.mid(bild + kPfadZumShopBild.size()) + CRLF;
    return ShopFehler::Keiner;
}

void fusszeile(QString& l, const ListingEingabe& e) {
    const QString& t = e.htmlTeil6b;
    const qsizetype anker = t.indexOf(kFussAnker);
    if (anker < 0) {
        l += t + CRLF;
        return;
    }
    const qsizetype nachDiv = anker + QLatin1String("</DIV>").size();
    l += t.left(nachDiv) + QStringLiteral("<font color=\"#ffe7b5\"> Erstellt mit K.O.R.I Vers.Nr.: ") +
         QString::number(e.versionMajor) + QStringLiteral(".") + QString::number(e.versionRevision) +
         QStringLiteral(" </font>") + t.mid(nachDiv) + CRLF;
}

} // namespace

ListingErgebnis Texte_Verbinden(const ListingEingabe& e) {
    QString l;
    kopfUndVersand(l, e);
    l += QStringLiteral(" ") + e.aufWasBieten + QStringLiteral(" ") + CRLF;
    l += e.teil2 + CRLF + e.titel + CRLF;
    l += QStringLiteral("<!---TEST-1--> </span></SPAN>") + CRLF;
    if (!e.untertitel.isEmpty()) {
        l += QStringLiteral("<br>") + e.untertitel + CRLF;
    }
    obereBilder(l, e);
    l += e.htmlTeil3b + CRLF;
    l += e.inhaltAuto + CRLF;
    l += e.htmlTeil3c + CRLF;
    l += e.inhalt + CRLF;
    aufforderung(l, e.aufforderung1Ja, e.aufforderung1);
    aufforderung(l, e.aufforderung2Ja, e.aufforderung2);
    l += e.teil4 + CRLF;
    for (int n = 3; n <= 5; ++n) {
        if (e.bildVorhanden[n - 3]) {
            bildBlock(l, n, e.bilderPfad, e.bilder[n - 1]);
        }
    }
    if (e.hinweisJa) {
        l += e.htmlTeil7 + CRLF;
    }
    l += e.htmlTeil5 + CRLF;
    l += e.einstellVerkaeufer;
    l += e.htmlTeil6 + CRLF;
    if (e.shopJa) {
        const ShopFehler fehler = shopBlock(l, e);
        if (fehler != ShopFehler::Keiner) {
            return {QString(), fehler, shopFehlerZeilen(fehler)};
        }
    }
    fusszeile(l, e);
    return {l, ShopFehler::Keiner, {}};
}
