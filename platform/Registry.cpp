#include "Registry.h"

#include "Errors.h"
#include "Hex.h"
#include "NameCase.h"
#include "SafeRead.h"
#include "WinePrefix.h"

#include <QDir>
#include <QStandardPaths>
#include <QStringList>
#include <QStringView>
#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace {

// ---------------------------------------------------------------------------------------------
// Names

// The key path with empty components dropped: "\Software\\A\" is "Software\A".
QString normalisedPath(const QString& path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts).join(QLatin1Char('\\'));
}

// ---------------------------------------------------------------------------------------------
// Escapes, as Wine writes them in key names and quoted texts

bool isOctalDigit(char16_t unit)
{
    return unit >= '0' && unit <= '7';
}

char16_t unitAt(QStringView text, qsizetype pos)
{
    return text[pos].unicode();
}

char16_t unitAt(QByteArrayView text, qsizetype pos)
{
    return static_cast<unsigned char>(text[pos]);
}

// Decodes the escape whose backslash lies just before `pos` (which must be inside the text) and
// moves `pos` past it. Works on decoded text and on the raw bytes of ASCII lines alike.
template <class Text> char16_t decodeEscape(Text text, qsizetype& pos)
{
    const char16_t escape = unitAt(text, pos++);
    switch (escape) {
    case 'a':
        return 0x07;
    case 'b':
        return 0x08;
    case 'e':
        return 0x1B;
    case 'f':
        return 0x0C;
    case 'n':
        return 0x0A;
    case 'r':
        return 0x0D;
    case 't':
        return 0x09;
    case 'v':
        return 0x0B;
    case 'x': {
        // Up to four hex digits make one UTF-16 code unit.
        int value = 0;
        int digits = 0;
        while (digits < 4 && pos < text.size() && hexDigitValue(unitAt(text, pos)) >= 0) {
            value = value * 16 + hexDigitValue(unitAt(text, pos++));
            ++digits;
        }
        return digits > 0 ? char16_t(value) : escape;
    }
    default:
        if (isOctalDigit(escape)) {
            // Controls are written in octal, up to three digits: "\1" is U+0001.
            int value = escape - '0';
            for (int digits = 1; digits < 3 && pos < text.size() && isOctalDigit(unitAt(text, pos));
                 ++digits)
                value = value * 8 + (unitAt(text, pos++) - '0');
            return char16_t(value);
        }
        return escape; // "\\", "\"", "\[", "\]" and anything else stand for themselves
    }
}

// Decodes an escaped text from `pos` up to the unescaped `terminator`. On success `pos` is just
// past the terminator; nullopt when the line ends first.
std::optional<QString> decodeEscaped(QStringView line, qsizetype& pos, QChar terminator)
{
    QString text;
    while (pos < line.size()) {
        const QChar c = line[pos++];
        if (c == terminator)
            return text;
        if (c != QLatin1Char('\\')) {
            text.append(c);
            continue;
        }
        if (pos >= line.size())
            return std::nullopt;
        text.append(QChar(decodeEscape(line, pos)));
    }
    return std::nullopt;
}

QString upToFirstZero(const QString& text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    return zero < 0 ? text : text.left(zero);
}

// ---------------------------------------------------------------------------------------------
// Values

RegistryValue unreadable()
{
    RegistryValue value;
    value.type = RegUnreadable;
    return value;
}

std::optional<quint32> parseHexNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    quint32 number = 0;
    for (QChar c : text) {
        const int digit = hexDigitValue(c.unicode());
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + quint32(digit);
    }
    return number;
}

// "01,02,ff" (already joined across continuation lines); nullopt when a byte is malformed. Wine
// writes every byte with two digits, so one digit means a damaged file.
std::optional<QByteArray> parseHexBytes(QStringView text)
{
    QByteArray bytes;
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return bytes;
    for (QStringView item : trimmed.split(QLatin1Char(','))) {
        item = item.trimmed();
        if (item.size() != 2)
            return std::nullopt;
        const std::optional<quint32> byte = parseHexNumber(item);
        if (!byte)
            return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

bool isStringType(int type)
{
    return type == RegString || type == RegExpandString || type == RegMultiString;
}

RegistryValue stringValue(int type, const QString& stored)
{
    RegistryValue value;
    value.type = type;
    // A multi-string keeps its zeros: they separate its items.
    value.text = type == RegMultiString ? stored : upToFirstZero(stored);
    return value;
}

RegistryValue quotedValue(int type, QStringView data)
{
    qsizetype pos = 1;
    const std::optional<QString> text = decodeEscaped(data, pos, QLatin1Char('"'));
    if (!text || !data.sliced(pos).trimmed().isEmpty())
        return unreadable();
    return stringValue(type, *text);
}

RegistryValue hexValue(int type, QStringView bytesText)
{
    const std::optional<QByteArray> bytes = parseHexBytes(bytesText);
    if (!bytes)
        return unreadable();
    if (isStringType(type)) {
        // Strings Wine could not write as text come as UTF-16LE bytes.
        const QString text = QString::fromUtf16(
            reinterpret_cast<const char16_t*>(bytes->constData()), bytes->size() / 2);
        return stringValue(type, text);
    }
    RegistryValue value;
    value.type = type;
    value.bytes = *bytes;
    return value;
}

struct TypedData
{
    int type;
    QStringView rest;
};

// "str(2):..." or "hex(b):...": the type number (hex) in parentheses after `prefix`, and what
// follows the colon. A type too large for the value's type field counts as damage.
std::optional<TypedData> typedData(QStringView data, QLatin1String prefix)
{
    const qsizetype close = data.indexOf(QLatin1String("):"));
    if (close <= prefix.size())
        return std::nullopt;
    const std::optional<quint32> type =
        parseHexNumber(data.sliced(prefix.size(), close - prefix.size()));
    if (!type || *type > quint32(std::numeric_limits<int>::max()))
        return std::nullopt;
    return TypedData{int(*type), data.sliced(close + 2)};
}

// The data after "=": "text", str(N):"text", dword:XXXXXXXX, hex:.., hex(N):..
RegistryValue decodeData(QStringView data)
{
    if (data.startsWith(QLatin1Char('"')))
        return quotedValue(RegString, data);
    if (data.startsWith(QLatin1String("str("))) {
        const std::optional<TypedData> typed = typedData(data, QLatin1String("str("));
        if (!typed || !typed->rest.startsWith(QLatin1Char('"')))
            return unreadable();
        return quotedValue(typed->type, typed->rest);
    }
    if (data.startsWith(QLatin1String("dword:"))) {
        // Always eight digits in Wine's files: fewer are what is left of a cut line.
        const QStringView digits = data.sliced(6).trimmed();
        const std::optional<quint32> number = parseHexNumber(digits);
        if (!number || digits.size() != 8)
            return unreadable();
        RegistryValue value;
        value.type = RegDword;
        for (int shift = 0; shift < 32; shift += 8)
            value.bytes.append(char((*number >> shift) & 0xFF));
        return value;
    }
    if (data.startsWith(QLatin1String("hex:")))
        return hexValue(RegBinary, data.sliced(4));
    if (data.startsWith(QLatin1String("hex("))) {
        const std::optional<TypedData> typed = typedData(data, QLatin1String("hex("));
        return typed ? hexValue(typed->type, typed->rest) : unreadable();
    }
    return unreadable();
}

// ---------------------------------------------------------------------------------------------
// The file, scanned line by line

// Reads a registry file a line at a time through a buffer of its own, so that a file of any
// size costs the buffer's memory and the time to reach what is looked for. A line (a view into
// the buffer) stays valid until the next call.
class LineReader
{
public:
    explicit LineReader(std::optional<SafeRead::Stream> file) : m_file(std::move(file)) {}

    bool atEnd() { return m_begin == m_end && !fill(); }

    // Whether the line last returned ended with a newline: the last line of a cut file does not.
    bool lastLineEnded() const { return m_lastLineEnded; }

    QByteArrayView peek()
    {
        const bool ended = m_lastLineEnded;
        const char before = m_before;
        const QByteArrayView line = next();
        m_begin = line.data() - m_buffer.data();
        m_lastLineEnded = ended;
        m_before = before;
        return line;
    }

    // Moves to the next line that opens a section ("[Key]"), passing over the value lines
    // between without splitting them into lines: a real prefix's system.reg holds some forty
    // thousand of them. False when no section follows.
    bool skipToSection()
    {
        while (!atEnd()) {
            // A bracket is rare elsewhere, and memchr is far quicker than a search for "\n[".
            for (qsizetype from = m_begin; from < m_end;) {
                const char* bracket = static_cast<const char*>(
                    std::memchr(m_buffer.data() + from, '[', size_t(m_end - from)));
                if (bracket == nullptr)
                    break;
                const qsizetype at = bracket - m_buffer.data();
                if (byteBefore(at) == '\n') {
                    m_begin = at;
                    return true;
                }
                from = at + 1;
            }
            m_before = m_buffer[m_end - 1];
            m_begin = m_end;
        }
        return false;
    }

    // What has been read from the current position on, without reading more.
    QByteArrayView ahead() const
    {
        return QByteArrayView(m_buffer.constData() + m_begin, m_end - m_begin);
    }

    // Moves past the "[" that skipToSection stopped at, so that it finds the next section.
    void passSectionStart()
    {
        m_before = m_buffer[m_begin];
        ++m_begin;
    }

    // The next line without its end ("\n" or "\r\n"). A line longer than any Wine writes is
    // given in pieces, so that a damaged file without line ends is not held whole.
    QByteArrayView next()
    {
        qsizetype searched = m_begin;
        const char* newline = nullptr;
        while (true) {
            newline = static_cast<const char*>(
                std::memchr(m_buffer.data() + searched, '\n', size_t(m_end - searched)));
            if (newline != nullptr || m_end - m_begin >= longestLine)
                break;
            searched = m_end - m_begin;
            if (!fill())
                break;
            searched += m_begin;
        }
        const char* start = m_buffer.data() + m_begin;
        const char* stop =
            newline != nullptr ? newline : m_buffer.data() + std::min(m_end, m_begin + longestLine);
        m_begin = (newline != nullptr ? newline + 1 : stop) - m_buffer.data();
        m_before = m_begin > 0 ? m_buffer[m_begin - 1] : m_before;
        m_lastLineEnded = newline != nullptr;
        if (stop > start && stop[-1] == '\r')
            --stop;
        return QByteArrayView(start, stop - start);
    }

private:
    static constexpr qsizetype chunk = 64 * 1024;
    static constexpr qsizetype longestLine = 1024 * 1024;

    char byteBefore(qsizetype at) const { return at > 0 ? m_buffer[at - 1] : m_before; }

    // Moves what is left to the front of the buffer and reads more behind it, growing the buffer
    // only for a line longer than it. False at the end of the file.
    bool fill()
    {
        if (!m_file)
            return false;
        // Moved by hand: QByteArray::remove() at the front only moves its start, so that the
        // resize after it allocated anew each time.
        if (m_begin > 0) {
            m_before = m_buffer[m_begin - 1];
            std::memmove(m_buffer.data(), m_buffer.constData() + m_begin, size_t(m_end - m_begin));
            m_end -= m_begin;
            m_begin = 0;
        }
        if (m_buffer.size() - m_end < chunk)
            m_buffer.resize(m_end + chunk);
        const qint64 got = m_file->read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got <= 0) {
            m_file.reset();
            return false;
        }
        m_end += got;
        return true;
    }

    std::optional<SafeRead::Stream> m_file;
    QByteArray m_buffer;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    char m_before = '\n'; // the byte before m_begin once it has left the buffer
    bool m_lastLineEnded = true;
};

enum class SectionMatch
{
    None,
    Exact,
    Below
};

SectionMatch compareName(QStringView name, QStringView path)
{
    if (AsciiCase::equal(name, path))
        return SectionMatch::Exact;
    if (name.size() > path.size() && name[path.size()] == QLatin1Char('\\') &&
        AsciiCase::equal(name.left(path.size()), path))
        return SectionMatch::Below;
    return SectionMatch::None;
}

// How the key of a section line "[Key\\Path] timestamp" stands to `path`. The name is decoded
// as it is compared, without building it, since a large file has thousands of sections; a line
// with bytes beyond ASCII (Wine escapes them, but a hand-edited file may not) is decoded whole.
SectionMatch matchSection(QByteArrayView line, QStringView path)
{
    qsizetype pos = 1;
    qsizetype matched = 0;
    while (pos < line.size()) {
        char16_t unit = unitAt(line, pos++);
        if (unit >= 0x80) {
            const QString text = QString::fromUtf8(line);
            qsizetype textPos = 1;
            const std::optional<QString> name = decodeEscaped(text, textPos, QLatin1Char(']'));
            return name ? compareName(*name, path) : SectionMatch::None;
        }
        if (unit == ']')
            return matched == path.size() ? SectionMatch::Exact : SectionMatch::None;
        if (unit == '\\') {
            if (pos >= line.size())
                return SectionMatch::None;
            unit = decodeEscape(line, pos);
        }
        if (matched == path.size())
            return unit == '\\' ? SectionMatch::Below : SectionMatch::None;
        if (AsciiCase::upper(QChar(unit)) != AsciiCase::upper(path[matched]))
            return SectionMatch::None;
        ++matched;
    }
    return SectionMatch::None; // a damaged line: no key
}

// A key path as Wine writes it in a section line, each backslash doubled; empty when the path
// holds a character Wine would escape otherwise, or one beyond ASCII.
QByteArray sectionNeedle(QStringView path)
{
    QByteArray needle;
    for (const QChar c : path) {
        const char16_t unit = c.unicode();
        if (unit < 0x20 || unit > 0x7E || unit == '[' || unit == ']' || unit == '"')
            return {};
        needle += unit == '\\' ? QByteArrayLiteral("\\\\") : QByteArray(1, char(unit));
    }
    return needle;
}

char asciiLower(char byte)
{
    return byte >= 'A' && byte <= 'Z' ? char(byte - 'A' + 'a') : byte;
}

// Eight bytes at once in lower case, A-Z only, as asciiLower does each.
quint64 asciiLower8(quint64 bytes)
{
    constexpr quint64 ones = 0x0101010101010101;
    constexpr quint64 highBits = 0x8080808080808080;
    const quint64 low7 = bytes & ~highBits;
    const quint64 fromA = low7 + (0x80 - 'A') * ones;     // high bit set from 'A' on
    const quint64 pastZ = low7 + (0x80 - 'Z' - 1) * ones; // high bit set past 'Z'
    const quint64 upper = fromA & ~pastZ & ~bytes & highBits;
    return bytes | (upper >> 2); // 0x80 >> 2 is the case bit, 0x20
}

// Tells quickly which section lines are certainly none of the keys looked for: most differ from
// them within their first few characters, and decoding each of the tens of thousands of a large
// registry file's section lines was most of a search's time. Each key is compared as Wine writes
// it, in lower case; a line that spells a character otherwise (an escape Wine would not write,
// a byte beyond ASCII) is never passed over here, and matchSection decides.
class SectionFilter
{
public:
    explicit SectionFilter(const QStringList& paths)
    {
        for (const QString& path : paths) {
            m_needles << sectionNeedle(path);
            if (m_needles.last().isEmpty()) {
                m_needles.clear(); // a key Wine would escape: every line is looked at closely
                return;
            }
            m_lowerNeedles << m_needles.last().toLower();
            qsizetype shared = 0;
            while (shared < m_needles[0].size() && shared < m_needles.last().size() &&
                   m_needles[0][shared] == m_needles.last()[shared])
                ++shared;
            m_sharedWithFirst << shared;
        }
    }

    // Whether the section whose line starts `ahead` (at its "[") is none of the keys nor below
    // one. False also where `ahead` ends before that is known.
    bool certainlyNone(QByteArrayView ahead) const
    {
        if (m_needles.isEmpty())
            return false;
        const qsizetype first = plainMismatch(ahead, m_needles[0], m_lowerNeedles[0]);
        for (qsizetype i = 1; i < m_needles.size(); ++i) {
            // Where the first needle differs within the part this one shares with it, this one
            // differs at the same place.
            if ((first < 0 || first >= m_sharedWithFirst[i]) &&
                plainMismatch(ahead, m_needles[i], m_lowerNeedles[i]) < 0)
                return false;
        }
        return first >= 0;
    }

private:
    // Where the line's name differs from the needle in a plain character; -1 where it does not
    // (it matches the needle whole, spells a character otherwise, or ends before the needle).
    static qsizetype plainMismatch(QByteArrayView ahead, const QByteArray& needle,
                                   const QByteArray& lowerNeedle)
    {
        const qsizetype room = std::min(ahead.size() - 1, needle.size());
        // Eight bytes at a time, in lower case, up to the first that differs.
        qsizetype same = 0;
        while (same + 8 <= room) {
            quint64 line = 0;
            quint64 wanted = 0;
            std::memcpy(&line, ahead.data() + same + 1, 8);
            std::memcpy(&wanted, lowerNeedle.constData() + same, 8);
            const quint64 differing = asciiLower8(line) ^ wanted;
            if (differing != 0) {
                // The first byte in memory is the lowest once read as little-endian.
                same += std::countr_zero(qFromLittleEndian(differing)) / 8;
                break;
            }
            same += 8;
        }
        while (same < room && asciiLower(ahead[same + 1]) == lowerNeedle[same])
            ++same;
        if (same == needle.size() || same + 1 >= ahead.size())
            return -1;
        const char differing = ahead[same + 1];
        // A mismatch within a doubled backslash is the line's escape of another form ("\x5c").
        qsizetype backslashes = 0;
        while (backslashes < same && lowerNeedle[same - 1 - backslashes] == '\\')
            ++backslashes;
        const bool plain = differing != '\\' && (differing & 0x80) == 0 && backslashes % 2 == 0;
        return plain ? same : -1;
    }

    QList<QByteArray> m_needles;      // as Wine writes the keys
    QList<QByteArray> m_lowerNeedles; // the same in lower case
    QList<qsizetype> m_sharedWithFirst;
};

// Adds the value of one value line (continuations already joined) to `values`; a line whose
// name cannot be read is skipped. The data of a value cut short by the end of the file or by the
// next section is unreadable; so is hex data on a last line that lost its newline, since nothing
// else tells whether bytes are missing (quoted texts and dwords show it by their form).
void addValue(QStringView line, bool cut, bool unterminated, QHash<QString, RegistryValue>& values)
{
    QString name;
    qsizetype pos = 1;
    if (!line.startsWith(QLatin1Char('@'))) {
        const std::optional<QString> quoted = decodeEscaped(line, pos, QLatin1Char('"'));
        if (!quoted)
            return;
        name = *quoted;
    }
    while (pos < line.size() && line[pos].isSpace())
        ++pos;
    if (pos >= line.size() || line[pos] != QLatin1Char('='))
        return;
    const QStringView data = line.sliced(pos + 1).trimmed();
    if (unterminated && data.startsWith(QLatin1String("hex")))
        cut = true;
    const QString key = AsciiCase::upper(name);
    if (!values.contains(key))
        values.insert(key, cut ? unreadable() : decodeData(data));
}

// Reads the values of the section whose first value line comes next.
QHash<QString, RegistryValue> readSection(LineReader& reader)
{
    QHash<QString, RegistryValue> values;
    while (!reader.atEnd() && !reader.peek().startsWith('[')) {
        const QByteArrayView line = reader.next();
        if (!line.startsWith('"') && !line.startsWith('@'))
            continue; // "#time=", comments, blank lines
        QByteArray joined(line.data(), line.size());
        // Long hex data goes on over lines that end with a backslash.
        bool cut = false;
        while (joined.endsWith('\\')) {
            joined.chop(1);
            if (reader.atEnd() || reader.peek().startsWith('[')) {
                cut = true;
                break;
            }
            joined.append(reader.next().trimmed());
        }
        addValue(QString::fromUtf8(joined), cut, !reader.lastLineEnded(), values);
    }
    return values;
}

struct FoundKey
{
    bool exists = false;
    QHash<QString, RegistryValue> values;
};

// Looks for keys in a registry file's text, in one pass; the first of `paths` that exists is
// the one found. A key without a section of its own exists when a section lies below it (Wine
// writes no section for a key that holds only subkeys).
FoundKey findKey(LineReader& reader, const QStringList& paths)
{
    QList<FoundKey> found(paths.size());
    const SectionFilter filter(paths);
    while (reader.skipToSection()) {
        if (filter.certainlyNone(reader.ahead())) {
            reader.passSectionStart();
            continue;
        }
        const QByteArrayView line = reader.next();
        for (qsizetype i = 0; i < paths.size(); ++i) {
            const SectionMatch match = matchSection(line, paths[i]);
            if (match == SectionMatch::Below) {
                found[i].exists = true;
            } else if (match == SectionMatch::Exact) {
                found[i].exists = true;
                found[i].values = readSection(reader);
                if (i == 0)
                    return found[0];
                break;
            }
        }
    }
    for (const FoundKey& key : found) {
        if (key.exists)
            return key;
    }
    return {};
}

// The registry file of the prefix, to be read from its start.
LineReader openFile(const QString& fileName)
{
    return LineReader(SafeRead::Stream::open(QDir(WinePrefix::path()).filePath(fileName)));
}

FoundKey findKey(const QString& fileName, const QString& path)
{
    LineReader reader = openFile(fileName);
    return findKey(reader, QStringList{path});
}

// Reads the lines before the first section; whether one of them says "#arch=win64".
bool readIsWin64(LineReader& reader)
{
    while (!reader.atEnd() && !reader.peek().startsWith('[')) {
        const QByteArrayView line = reader.next();
        if (line.startsWith("#arch="))
            return line.sliced(6).trimmed() == "win64";
    }
    return false;
}

// The 32-bit view's key for a path under Software, or empty.
QString wow6432Path(const QString& path)
{
    const QString software = QStringLiteral("Software");
    if (!AsciiCase::equal(QStringView(path).left(software.size() + 1),
                          QStringLiteral("Software\\")))
        return {};
    return path.left(software.size()) + QStringLiteral("\\Wow6432Node") + path.mid(software.size());
}

// ---------------------------------------------------------------------------------------------
// The bare machine: what a program finds without a prefix

struct BareKey
{
    RegistryRoot root;
    QString path;
    QString valueName;
    QString text;
};

QString desktopAsWindowsPath()
{
    const QString desktop =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    return QStringLiteral("Z:") + QString(desktop).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QList<BareKey> bareMachineKeys()
{
    return {
        {RegistryRoot::ClassesRoot, ShellKeys::desktopClass, QString(), QStringLiteral("Desktop")},
        {RegistryRoot::ClassesRoot, ShellKeys::myComputerClass, QString(),
         QStringLiteral("My Computer")},
        {RegistryRoot::ClassesRoot, ShellKeys::recycleBinClass, QString(),
         QStringLiteral("Recycle Bin")},
        {RegistryRoot::CurrentUser, ShellKeys::shellFolders, QStringLiteral("Desktop"),
         desktopAsWindowsPath()},
    };
}

FoundKey findBareKey(RegistryRoot root, const QString& path)
{
    FoundKey found;
    for (const BareKey& key : bareMachineKeys()) {
        if (key.root != root)
            continue;
        if (AsciiCase::equal(key.path, path)) {
            found.exists = true;
            found.values.insert(AsciiCase::upper(key.valueName), stringValue(RegString, key.text));
        } else if (key.path.size() > path.size() && key.path.at(path.size()) == '\\' &&
                   AsciiCase::equal(QStringView(key.path).left(path.size()), path)) {
            found.exists = true;
        }
    }
    return found;
}

FoundKey findInSystem(const QString& path, bool view32)
{
    LineReader reader = openFile(QStringLiteral("system.reg"));
    const QString redirected = view32 && readIsWin64(reader) ? wow6432Path(path) : QString();
    if (redirected.isEmpty())
        return findKey(reader, QStringList{path});
    return findKey(reader, QStringList{redirected, path});
}

} // namespace

std::optional<RegistryKey> RegistryKey::open(RegistryRoot root, const QString& path, bool view32)
{
    const QString wanted = normalisedPath(path);
    FoundKey found;
    if (WinePrefix::isBareMachine()) {
        found = findBareKey(root, wanted);
    } else {
        switch (root) {
        case RegistryRoot::LocalMachine:
            found = findInSystem(wanted, view32);
            break;
        case RegistryRoot::CurrentUser:
            // The user's software is shared by both views.
            found = findKey(QStringLiteral("user.reg"), wanted);
            break;
        case RegistryRoot::ClassesRoot: {
            const QString classes = normalisedPath(QStringLiteral("Software\\Classes\\") + wanted);
            FoundKey machine = findKey(QStringLiteral("system.reg"), classes);
            const FoundKey user = findKey(QStringLiteral("user.reg"), classes);
            // The user's classes overlay the machine's, value by value.
            found.exists = machine.exists || user.exists;
            found.values = machine.values;
            for (auto it = user.values.cbegin(); it != user.values.cend(); ++it)
                found.values.insert(it.key(), it.value());
            break;
        }
        }
    }
    if (!found.exists)
        return std::nullopt;
    RegistryKey key;
    key.m_values = found.values;
    return key;
}

std::optional<RegistryValue> RegistryKey::value(const QString& name) const
{
    const auto it = m_values.constFind(AsciiCase::upper(name));
    if (it == m_values.cend())
        return std::nullopt;
    return it.value();
}

QString RegistryKey::readString(const QString& name) const
{
    const std::optional<RegistryValue> stored = value(name);
    if (!stored)
        return QString();
    switch (stored->type) {
    case RegString:
    case RegExpandString:
        return stored->text;
    case RegUnreadable:
        throw Exception(QStringLiteral("Failed to get data for '%1'").arg(name));
    default:
        throw Exception(QStringLiteral("Invalid data type for '%1'").arg(name));
    }
}
