#pragma once

#include <QString>
#include <QStringView>

// An address of the listing as a browser reads it on the marketplace's page, which is served
// over https: the scheme it ends up with and the host it loads from.
struct Adresse {
    // Lower case; empty when the text has no scheme of its own.
    QString schema;
    // Lower case, percent-decoded, international names in their ASCII form, without trailing
    // dots; empty for an address on the listing's own page and for one without a host.
    QString host;
};

// Reads `text` the way browsers do for the web's schemes: blanks and control characters at the
// ends and tabs and line breaks anywhere are dropped, backslashes count as slashes, and
// "http:host" needs no slashes, while "https:bild.jpg" stays on the listing's page.
Adresse AdresseLesen(QStringView text);
