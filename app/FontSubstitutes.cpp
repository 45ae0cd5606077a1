#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {sans});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {sans});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arabia"),
                               {QStringLiteral("Z003"), QStringLiteral("URW Chancery L"),
                                QStringLiteral("Liberation Serif")});
}
