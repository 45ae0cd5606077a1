#include "Collation.h"

#include "Cp1252.h"

#include <cstring>

namespace {

struct CharWeights
{
    bool defined;
    quint8 primaryCount; // 0: the character weighs only in the special section, if at all
    quint8 primary[4];   // script and weight, per pair
    quint8 diacritic[2]; // per pair
    quint8 caseWeight[2];
    quint8 special[2]; // weight of an ignored character, after its position
    bool hasSpecial;
};

#include "CollationTable.inc"

constexpr char separator = 0x01;
constexpr char minimalWeight = 0x02;
// Characters without a weight of their own (those Windows-1252 cannot spell, its controls and its
// undefined codes) sort after every weighted character, among themselves by UTF-16 code unit. Their
// primary entry is this script byte followed by the code unit, high byte first.
constexpr char unweightedScript = char(0xFF);

void dropTrailingMinimal(QByteArray& weights)
{
    qsizetype size = weights.size();
    while (size > 0 && weights.at(size - 1) == minimalWeight)
        --size;
    weights.truncate(size);
}

} // namespace

namespace Collation {

QByteArray sortKey(const QString& text)
{
    QByteArray primary;
    QByteArray diacritic;
    QByteArray caseWeights;
    QByteArray special;
    primary.reserve(text.size() * 2);
    int primaryPairs = 0;

    for (QChar c : text) {
        if (c.isNull())
            break; // the text ends at its first zero, as a C string does
        const int code = Cp1252::code(c);
        const CharWeights* weights = code >= 0 ? &collationTable[code] : nullptr;
        if (weights == nullptr || !weights->defined) {
            primary.append(unweightedScript);
            primary.append(char(c.unicode() >> 8));
            primary.append(char(c.unicode() & 0xFF));
            diacritic.append(minimalWeight);
            caseWeights.append(minimalWeight);
            ++primaryPairs;
            continue;
        }
        for (int pair = 0; pair < weights->primaryCount; ++pair) {
            primary.append(char(weights->primary[2 * pair]));
            primary.append(char(weights->primary[2 * pair + 1]));
            diacritic.append(char(weights->diacritic[pair]));
            caseWeights.append(char(weights->caseWeight[pair]));
            ++primaryPairs;
        }
        if (weights->hasSpecial) {
            // The position counts the primary pairs before the character, stored inverted.
            const quint16 position = quint16(0xFFFF - qMin(primaryPairs, 0xFFFF));
            special.append(char(position >> 8));
            special.append(char(position & 0xFF));
            special.append(char(weights->special[0]));
            special.append(char(weights->special[1]));
        }
    }
    dropTrailingMinimal(diacritic);
    dropTrailingMinimal(caseWeights);

    QByteArray key;
    key.reserve(primary.size() + diacritic.size() + caseWeights.size() + special.size() + 5);
    key.append(primary).append(separator);
    key.append(diacritic).append(separator);
    key.append(caseWeights).append(separator);
    key.append(separator);
    key.append(special).append('\0');
    return key;
}

int compare(const QString& a, const QString& b)
{
    const QByteArray keyA = sortKey(a);
    const QByteArray keyB = sortKey(b);
    const qsizetype common = qMin(keyA.size(), keyB.size());
    const int result = std::memcmp(keyA.constData(), keyB.constData(), size_t(common));
    if (result != 0)
        return result < 0 ? -1 : 1;
    return keyA.size() == keyB.size() ? 0 : (keyA.size() < keyB.size() ? -1 : 1);
}

} // namespace Collation
