#pragma once

#include <QString>
#include <QStringList>

// Marketplace member names for which several operations add decorations or fill values.
namespace hausverkaeufer {

const QStringList& liste();
// All entries but the last.
const QStringList& fuenf();
bool istHausverkaeufer(const QString& name);
bool istInFuenf(const QString& name);
// Shop picture address of a member of the five-name subset; empty for anyone else.
QString shopBildAdresse(const QString& name);

} // namespace hausverkaeufer
