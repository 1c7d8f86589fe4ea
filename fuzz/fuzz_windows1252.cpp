// Every byte sequence decodes and encodes back to exactly the bytes read; any text encodes
// character for character, the ones outside the code page as "?".
#include "FuzzHilfe.h"

namespace {

void bytesHinUndZurueck(const QByteArray& bytes) {
    const QString text = ausWindows1252(bytes);
    KORI_PRUEFEN(text.size() == bytes.size());
    KORI_PRUEFEN(nachWindows1252(text) == bytes);
}

void textHinUndZurueck(const QByteArray& bytes) {
    const QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    const QByteArray kodiert = nachWindows1252(text);
    KORI_PRUEFEN(kodiert.size() == text.size());
    const QString zurueck = ausWindows1252(kodiert);
    for (qsizetype i = 0; i < text.size(); ++i) {
        KORI_PRUEFEN(zurueck.at(i) == text.at(i) || kodiert.at(i) == '?');
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    bytesHinUndZurueck(bytes);
    textHinUndZurueck(bytes);
    return 0;
}
