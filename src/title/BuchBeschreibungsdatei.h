#pragma once

#include "title/BuchTabelle.h"

#include <QString>

#include <array>

// Writes the book's nine values as "TEIL1" to "TEIL9" of section "KL_BESCHR", value field i as
// key i+1. A line break inside a value becomes a blank, since an INI value is one line.
// Returns false when a write failed.
bool BuchBeschrSpeichern(const QString& pfad, const std::array<QString, kBuchZeilen>& werte);
