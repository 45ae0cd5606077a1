#include "Cp1252.h"

#include <array>

namespace {

// 0x80 to 0x9F, the only range where Windows-1252 differs from Latin-1. The five bytes it leaves
// undefined map to the C1 control of the same number, as Windows maps them.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> table{};
    for (int code = 0; code < 256; ++code)
        table[code] = static_cast<char16_t>(code);
    for (int i = 0; i < 32; ++i)
        table[0x80 + i] = highControls[i];
    return table;
}

constexpr std::array<char16_t, 256> unicodeOf = makeTable();

} // namespace

namespace Cp1252 {

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes)
        *out++ = QChar(unicodeOf[static_cast<unsigned char>(byte)]);
    return text;
}

int code(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (int i = 0; i < 32; ++i) {
        if (highControls[i] == unit)
            return 0x80 + i;
    }
    return -1;
}

} // namespace Cp1252
