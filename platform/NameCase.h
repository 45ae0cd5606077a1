#pragma once

#include <QString>
#include <QStringView>

// Names compared without regard to case, each UTF-16 code unit folded on its own, so that a name
// keeps its length and no locale takes part. Two foldings: the file systems' and the registry's.
namespace CaseFolding {

template <class Fold> QString folded(QStringView text, Fold fold)
{
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = fold(text[i]);
    return result;
}

template <class Fold> bool equal(QStringView a, QStringView b, Fold fold)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

} // namespace CaseFolding

// Names on disk, as Windows' file systems compare them: every character upper-cased.
namespace NameCase {

inline QChar upper(QChar c)
{
    return c.toUpper();
}

inline QString upper(QStringView name)
{
    return CaseFolding::folded(name, [](QChar c) { return upper(c); });
}

inline bool equal(QStringView a, QStringView b)
{
    return CaseFolding::equal(a, b, [](QChar c) { return upper(c); });
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

// Key and value names in the registry, and the shell's names, as Windows compares them: only the
// letters a to z fold, every other character stands for itself.
namespace AsciiCase {

inline QChar upper(QChar c)
{
    const char16_t unit = c.unicode();
    return (unit >= u'a' && unit <= u'z') ? QChar(char16_t(unit - (u'a' - u'A'))) : c;
}

inline QString upper(QStringView text)
{
    return CaseFolding::folded(text, [](QChar c) { return upper(c); });
}

inline bool equal(QStringView a, QStringView b)
{
    return CaseFolding::equal(a, b, [](QChar c) { return upper(c); });
}

} // namespace AsciiCase
