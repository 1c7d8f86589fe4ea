#pragma once

#include "core/TextDatei.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

// A broken rule is a finding: say which and stop, so libFuzzer keeps the input.
#define KORI_PRUEFEN(bedingung)                                                                              \
    do {                                                                                                     \
        if (!(bedingung)) {                                                                                  \
            std::fprintf(stderr, "Regel verletzt: %s (%s:%d)\n", #bedingung, __FILE__, __LINE__);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

// The input as a file would give it: Windows-1252 bytes.
inline QString alsText(const uint8_t* daten, size_t groesse) {
    return ausWindows1252(QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
}

// The next piece of the input as a Windows-1252 text of random length.
inline QString naechsterText(FuzzedDataProvider& eingabe, size_t hoechstens = 512) {
    const std::string bytes = eingabe.ConsumeRandomLengthString(hoechstens);
    return ausWindows1252(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

inline QString restText(FuzzedDataProvider& eingabe) {
    const std::string bytes = eingabe.ConsumeRemainingBytesAsString();
    return ausWindows1252(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
