#include "MemoryFigures.h"

#include <QCoreApplication>

QString physicalMemoryText(quint64 totalBytes, const QLocale& locale)
{
    // Rounded from the exact quotient; a double would lose the last digits of very large totals.
    const quint64 kilobytes = totalBytes / 1024 + (totalBytes % 1024 >= 512 ? 1 : 0);
    QString digits = QString::number(kilobytes);
    const QString separator = locale.groupSeparator();
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, separator);
    return QCoreApplication::translate("MemoryFigures", "%1 KB").arg(digits);
}

QString memoryLoadText(int percent)
{
    return QCoreApplication::translate("MemoryFigures", "%1 %").arg(percent);
}
