// Every byte sequence decodes and encodes back to exactly the bytes read; any text is either held
// by the code page character for character or refused as plain text, and as HTML reads back as
// the same text with the other characters as character references.
#include "FuzzHilfe.h"

namespace {

void bytesHinUndZurueck(const QByteArray& bytes) {
    const QString text = ausWindows1252(bytes);
    KORI_PRUEFEN(text.size() == bytes.size());
    KORI_PRUEFEN(nachWindows1252(text, Textart::Klartext) == bytes);
}

void textHinUndZurueck(const QByteArray& bytes) {
    const QString text(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    const std::optional<QByteArray> klartext = nachWindows1252(text, Textart::Klartext);
    KORI_PRUEFEN(klartext.has_value() == ZeichenAusserhalbWindows1252(text).isEmpty());
    if (klartext) {
        KORI_PRUEFEN(ausWindows1252(*klartext) == text);
    }
    const std::optional<QByteArray> html = nachWindows1252(text, Textart::Html);
    KORI_PRUEFEN(html.has_value());
    KORI_PRUEFEN(ausWindows1252(*html) == MitZeichenverweisen(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    bytesHinUndZurueck(bytes);
    textHinUndZurueck(bytes);
    return 0;
}
