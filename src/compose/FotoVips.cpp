#include "compose/FotoVips.h"

#include <QFile>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <vips/vips.h>

namespace {

struct BildFreigabe {
    void operator()(VipsImage* bild) const { g_object_unref(bild); }
};
using Bild = std::unique_ptr<VipsImage, BildFreigabe>;

// Once per process; the operation cache stays off, so that a photo changed on disk is read anew.
void vipsStarten() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        if (VIPS_INIT("kori") != 0) {
            vips_error_exit(nullptr);
        }
        vips_cache_set_max(0);
        // Its worker threads are joined before the process ends instead of ending while it does,
        // which the leak check at the very end does not survive.
        std::atexit(vips_shutdown);
    });
}

QString vipsFehler() {
    char* text = vips_error_buffer_copy();
    QString fehler = QString::fromUtf8(text).trimmed();
    g_free(text);
    return fehler;
}

// One step of the pipeline: replaces `bild` by the result, false on a failure.
template <class Schritt> bool weiter(Bild& bild, Schritt schritt) {
    VipsImage* aus = nullptr;
    if (schritt(bild.get(), &aus) != 0) {
        return false;
    }
    bild.reset(aus);
    return true;
}

// Whether the photo carries a colour profile; only then do its colours need converting, and
// the conversion is a good part of the work. Reads the header alone.
bool mitFarbprofil(const char* pfad) {
    VipsImage* kopf = vips_image_new_from_file(pfad, "access", VIPS_ACCESS_SEQUENTIAL, nullptr);
    if (kopf == nullptr) {
        return false;
    }
    const bool profil = vips_image_get_typeof(kopf, VIPS_META_ICC_NAME) != 0;
    g_object_unref(kopf);
    return profil;
}

// Decoded at the size of the copy, upright, three bands of sRGB, held in memory so that each
// attempt at a quality encodes it without decoding the original again.
Bild kopieBilden(const FotoAuftrag& auftrag) {
    VipsImage* roh = nullptr;
    const QByteArray pfad = QFile::encodeName(auftrag.quelle);
    const int fehler =
        mitFarbprofil(pfad.constData())
            ? vips_thumbnail(pfad.constData(), &roh, auftrag.kante, "height", auftrag.kante, "size",
                             VIPS_SIZE_DOWN, "export_profile", "srgb", "fail_on", VIPS_FAIL_ON_ERROR, nullptr)
            : vips_thumbnail(pfad.constData(), &roh, auftrag.kante, "height", auftrag.kante, "size",
                             VIPS_SIZE_DOWN, "fail_on", VIPS_FAIL_ON_ERROR, nullptr);
    if (fehler != 0) {
        return nullptr;
    }
    Bild bild(roh);
    if (vips_image_hasalpha(bild.get()) != 0 && !weiter(bild, [](VipsImage* ein, VipsImage** aus) {
            VipsArrayDouble* weiss = vips_array_double_newv(1, 255.0);
            const int ergebnis = vips_flatten(ein, aus, "background", weiss, nullptr);
            vips_area_unref(VIPS_AREA(weiss));
            return ergebnis;
        })) {
        return nullptr;
    }
    if (vips_image_guess_interpretation(bild.get()) != VIPS_INTERPRETATION_sRGB &&
        !weiter(bild, [](VipsImage* ein, VipsImage** aus) {
            return vips_colourspace(ein, aus, VIPS_INTERPRETATION_sRGB, nullptr);
        })) {
        return nullptr;
    }
    VipsImage* fest = vips_image_copy_memory(bild.get());
    return Bild(fest);
}

std::optional<QByteArray> kodieren(VipsImage* bild, int qualitaet) {
    void* puffer = nullptr;
    size_t laenge = 0;
    if (vips_jpegsave_buffer(bild, &puffer, &laenge, "Q", qualitaet, "strip", TRUE, "optimize_coding", TRUE,
                             nullptr) != 0) {
        return std::nullopt;
    }
    QByteArray jpeg(static_cast<const char*>(puffer), static_cast<qsizetype>(laenge));
    g_free(puffer);
    return jpeg;
}

} // namespace

FotoErgebnis FotoVorbereiten(const FotoAuftrag& auftrag) {
    vipsStarten();
    FotoErgebnis ergebnis;
    const Bild bild = kopieBilden(auftrag);
    if (!bild) {
        ergebnis.fehler = vipsFehler();
        return ergebnis;
    }
    ergebnis.breite = vips_image_get_width(bild.get());
    ergebnis.hoehe = vips_image_get_height(bild.get());
    for (int q = kFotoQualitaet; q >= kFotoQualitaetMindest; q -= kFotoQualitaetStufe) {
        std::optional<QByteArray> jpeg = kodieren(bild.get(), q);
        if (!jpeg) {
            ergebnis.fehler = vipsFehler();
            ergebnis.stand = FotoErgebnis::Stand::Unlesbar;
            return ergebnis;
        }
        ergebnis.jpeg = std::move(*jpeg);
        ergebnis.qualitaet = q;
        if (ergebnis.jpeg.size() <= auftrag.hoechstBytes) {
            ergebnis.stand = FotoErgebnis::Stand::Fertig;
            return ergebnis;
        }
    }
    ergebnis.stand = FotoErgebnis::Stand::ZuGross;
    return ergebnis;
}
