#pragma once

#include <QString>
#include <QStringView>

// Names on disk compared as Windows' file systems compare them: each UTF-16 code unit upper-cased
// on its own, so that a name keeps its length and no locale takes part.
namespace NameCase {

inline QChar upper(QChar c)
{
    return c.toUpper();
}

inline QString upper(QStringView name)
{
    QString text(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        text[i] = upper(name[i]);
    return text;
}

inline bool equal(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

// The listing order, given each name with its upper-cased form: by the upper-cased names code
// unit by code unit, and on a tie by the names themselves, which puts upper case first.
inline bool orderedBefore(const QString& upperA, const QString& a, const QString& upperB,
                          const QString& b)
{
    if (upperA != upperB)
        return upperA < upperB;
    return a < b;
}

} // namespace NameCase
