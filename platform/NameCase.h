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

} // namespace NameCase
