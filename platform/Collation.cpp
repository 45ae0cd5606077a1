#include "Collation.h"

#include "Cp1252.h"

#include <QVarLengthArray>
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
constexpr quint8 minimalWeight = 0x02;
// Characters without a weight of their own (those Windows-1252 cannot spell, its controls and its
// undefined codes) sort after every weighted character, among themselves by UTF-16 code unit. Their
// primary entry is this script byte followed by the code unit, high byte first; it counts as one
// pair with minimal diacritic and case weights.
constexpr quint8 unweightedScript = 0xFF;
constexpr quint8 minimalWeights[2] = {minimalWeight, minimalWeight};

// The weights one character adds to each section of the key.
struct Weights
{
    char primary[4];
    int primaryBytes = 0;
    int pairs = 0;
    const quint8* diacritic = minimalWeights; // one per pair
    const quint8* caseWeight = minimalWeights;
    const quint8* special = nullptr; // two bytes, for an ignored character
};

Weights weightsOf(QChar c)
{
    Weights weights;
    const int code = Cp1252::code(c);
    const CharWeights* entry = code >= 0 ? &collationTable[code] : nullptr;
    if (entry == nullptr || !entry->defined) {
        weights.primary[0] = char(unweightedScript);
        weights.primary[1] = char(c.unicode() >> 8);
        weights.primary[2] = char(c.unicode() & 0xFF);
        weights.primaryBytes = 3;
        weights.pairs = 1;
        return weights;
    }
    weights.pairs = entry->primaryCount;
    weights.primaryBytes = 2 * entry->primaryCount;
    std::memcpy(weights.primary, entry->primary, sizeof weights.primary);
    weights.diacritic = entry->diacritic;
    weights.caseWeight = entry->caseWeight;
    if (entry->hasSpecial)
        weights.special = entry->special;
    return weights;
}

// A text as a key sees it: it ends at its first zero, as a C string does.
QStringView untilZero(QStringView text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

template <class Bytes>
void appendWithoutTrailingMinimal(Bytes& key, const QVarLengthArray<char, 256>& weights)
{
    qsizetype size = weights.size();
    while (size > 0 && quint8(weights[size - 1]) == minimalWeight)
        --size;
    key.append(weights.constData(), size);
}

template <class Bytes> void buildKey(QStringView text, Bytes& key)
{
    QVarLengthArray<char, 256> diacritic;
    QVarLengthArray<char, 256> caseWeights;
    QVarLengthArray<char, 64> special;
    int primaryPairs = 0;

    for (QChar c : untilZero(text)) {
        const Weights weights = weightsOf(c);
        key.append(weights.primary, weights.primaryBytes);
        for (int pair = 0; pair < weights.pairs; ++pair) {
            diacritic.append(char(weights.diacritic[pair]));
            caseWeights.append(char(weights.caseWeight[pair]));
        }
        if (weights.special != nullptr) {
            // The position counts the primary pairs before the character, stored inverted.
            const quint16 position = quint16(0xFFFF - qMin(primaryPairs, 0xFFFF));
            special.append(char(position >> 8));
            special.append(char(position & 0xFF));
            special.append(char(weights.special[0]));
            special.append(char(weights.special[1]));
        }
        primaryPairs += weights.pairs;
    }
    key.append(separator);
    appendWithoutTrailingMinimal(key, diacritic);
    key.append(separator);
    appendWithoutTrailingMinimal(key, caseWeights);
    key.append(separator);
    key.append(separator);
    key.append(special.constData(), special.size());
    key.append('\0');
}

// The primary section of a text's key, byte by byte, built as it is read.
class PrimaryBytes
{
public:
    explicit PrimaryBytes(QStringView text) : m_text(untilZero(text)) {}

    // The next byte; -1 after the last.
    int next()
    {
        while (m_used == m_current.primaryBytes) {
            if (m_index == m_text.size())
                return -1;
            m_current = weightsOf(m_text[m_index++]);
            m_used = 0;
        }
        return quint8(m_current.primary[m_used++]);
    }

private:
    QStringView m_text;
    qsizetype m_index = 0;
    Weights m_current;
    int m_used = 0;
};

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

namespace Collation {

QByteArray sortKey(const QString& text)
{
    QByteArray key;
    key.reserve(text.size() * 4 + 5);
    buildKey(text, key);
    return key;
}

int compare(const QString& a, const QString& b)
{
    // Most names differ in their primary weights: compare those as they come. A section that ends
    // first is followed by the separator, which is below every primary byte.
    PrimaryBytes primaryA(a);
    PrimaryBytes primaryB(b);
    for (;;) {
        const int byteA = primaryA.next();
        const int byteB = primaryB.next();
        if (byteA != byteB)
            return byteA < byteB ? -1 : 1;
        if (byteA < 0)
            break;
    }
    QVarLengthArray<char, 512> keyA;
    QVarLengthArray<char, 512> keyB;
    buildKey(a, keyA);
    buildKey(b, keyB);
    const int result =
        std::memcmp(keyA.constData(), keyB.constData(), size_t(qMin(keyA.size(), keyB.size())));
    return result != 0 ? sign(result) : sign(int(keyA.size() - keyB.size()));
}

} // namespace Collation
