#pragma once

#include <QString>

// True when a file or folder of that path exists. A drive letter or a drive ("c", "c:") on
// Windows means the drive's root. No message is shown.
bool PfadVorhanden(const QString& pfad);

// The last component of pfad: the text after the last separator, the whole pfad when there is none.
QString DateinameAusPfad(const QString& pfad);

// pfad without its last component and the separator before it; empty when there is no
// separator. A file directly in the root folder gives the root folder.
QString OrdnerAusPfad(const QString& pfad);
