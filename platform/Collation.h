#pragma once

#include <QByteArray>
#include <QString>

// The word sort Windows offers as lstrcmpA (English (United States)), on the Windows-1252 codes
// of each character. Hyphens and apostrophes weigh only when the texts are otherwise equal;
// case weighs after accents, lower case first.
namespace Collation {
QByteArray sortKey(const QString& text);
int compare(const QString& a, const QString& b); // < 0, 0, > 0
} // namespace Collation
