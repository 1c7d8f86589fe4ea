#include "title/Tabellenzeile.h"

#include <QStringBuilder>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QString Tabellenzeile(const QString& beschriftungsZelle, int nummer, const QString& beschriftung,
                      const QString& wert) {
    return QStringLiteral("<tr>") % kCrLf %
           QStringLiteral("<td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;") % kCrLf %
           QStringLiteral("</td> ") % kCrLf % beschriftungsZelle % kCrLf %
           QStringLiteral("<!---%1--->").arg(nummer) % kCrLf % beschriftung %
           QStringLiteral("</strong></div></td>") % kCrLf % QStringLiteral("<td align=\"left\">") % kCrLf %
           wert % QStringLiteral("</td>") % kCrLf % QStringLiteral("</tr>") % kCrLf;
}
