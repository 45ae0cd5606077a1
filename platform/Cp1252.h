#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 by a 256-entry table: the five undefined bytes map to U+0081, U+008D, U+008F,
// U+0090 and U+009D, as Windows maps them, so no byte is ever lost.
namespace Cp1252 {
QString decode(const QByteArray& bytes);
// The code of a character; -1 when Windows-1252 cannot spell it.
int code(QChar c);
} // namespace Cp1252
