#include "FrontEndFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <exception>
#include <initializer_list>
#include <optional>
#include <utility>

namespace {

// The text of the scalar that keys lead to from the top of a YAML document; empty when there is
// none or the document cannot be read. yaml-cpp throws on a damaged document, and on one nested
// deeper than its parser's own depth limit, so that neither costs more than "nothing found".
QString scalarAt(const QByteArray& yaml, std::initializer_list<const char*> keys)
{
    try {
        YAML::Node node = YAML::Load(yaml.toStdString());
        for (const char* key : keys) {
            if (!node.IsMap())
                return {};
            // Read through a const node: a non-const subscript would add the key to the map, and
            // assigning one node to another writes into the document instead of moving along it.
            const YAML::Node child = std::as_const(node)[key];
            if (!child.IsDefined())
                return {};
            node.reset(child);
        }
        return node.IsScalar() ? QString::fromStdString(node.Scalar()) : QString();
    } catch (const std::exception&) {
        return {};
    }
}

// The quoted words of a Valve KeyValues text in order, and an empty word for each brace, so that
// a key and its value are two words in a row.
QList<QByteArray> keyValuesWords(const QByteArray& text)
{
    QList<QByteArray> words;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '{' || text[i] == '}') {
            words << QByteArray();
        } else if (text[i] == '"') {
            QByteArray word;
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size())
                    ++i;
                word += text[i];
            }
            words << word;
        }
    }
    return words;
}

bool isNumber(const QByteArray& word)
{
    return !word.isEmpty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The item types of Valve's binary KeyValues: each item is its type, its name as a zero-ended
// string, then its value; a map's value is its items up to mapEnd.
enum BinaryType : char
{
    map = 0,
    string = 1,
    int32 = 2,
    float32 = 3,
    pointer = 4,
    wideString = 5,
    colour = 6,
    uint64 = 7,
    mapEnd = 8,
    int64 = 10,
};

// Reads a binary KeyValues text item by item, never past its end.
class BinaryReader
{
public:
    explicit BinaryReader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    std::optional<char> type() { return atEnd() ? std::nullopt : std::optional(m_bytes[m_at++]); }

    std::optional<QByteArray> string()
    {
        const qsizetype end = m_bytes.indexOf('\0', m_at);
        if (end < 0)
            return std::nullopt;
        const QByteArray text = m_bytes.sliced(m_at, end - m_at);
        m_at = end + 1;
        return text;
    }

    std::optional<quint32> number32()
    {
        if (!skip(4))
            return std::nullopt;
        const auto* bytes = reinterpret_cast<const uchar*>(m_bytes.constData() + m_at - 4);
        return quint32(bytes[0]) | quint32(bytes[1]) << 8 | quint32(bytes[2]) << 16 |
               quint32(bytes[3]) << 24;
    }

    bool skip(qsizetype count)
    {
        if (m_bytes.size() - m_at < count)
            return false;
        m_at += count;
        return true;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

// One map being read: what it says of a shortcut so far.
struct OpenMap
{
    std::optional<quint32> appId;
    QString name;
    bool named = false; // an empty name is a name
};

// Reads one item's name and value into the innermost map; false where the text is damaged.
bool readItem(BinaryReader& reader, char type, QList<OpenMap>& open)
{
    const std::optional<QByteArray> key = reader.string();
    if (!key)
        return false;
    if (type == map) {
        open.append(OpenMap());
        return true;
    }
    if (type == string) {
        const std::optional<QByteArray> value = reader.string();
        if (value && key->compare("AppName", Qt::CaseInsensitive) == 0) {
            open.last().name = QString::fromUtf8(*value);
            open.last().named = true;
        }
        return value.has_value();
    }
    if (type == int32) {
        const std::optional<quint32> value = reader.number32();
        if (value && key->compare("appid", Qt::CaseInsensitive) == 0)
            open.last().appId = *value;
        return value.has_value();
    }
    if (type == float32 || type == pointer || type == colour)
        return reader.skip(4);
    if (type == uint64 || type == int64)
        return reader.skip(8);
    return false; // a wide string's length is not known, nor a type's we have not met
}

} // namespace

namespace FrontEndFiles {

QString lutrisPrefix(const QByteArray& yaml)
{
    return scalarAt(yaml, {"game", "prefix"});
}

QString lutrisName(const QByteArray& yaml)
{
    return scalarAt(yaml, {"name"});
}

QString bottleName(const QByteArray& yaml)
{
    return scalarAt(yaml, {"Name"});
}

// Heroic keeps one file per game: {"<game>": {"winePrefix": "...", ...}, "version": ...}.
QList<HeroicPrefix> heroicGamePrefixes(const QByteArray& json)
{
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    QList<HeroicPrefix> found;
    const QLatin1String key("winePrefix");
    if (top.value(key).isString())
        found.append({QString(), top.value(key).toString()});
    for (auto game = top.begin(); game != top.end(); ++game) {
        const QJsonValue prefix = game.value().toObject().value(key);
        if (prefix.isString())
            found.append({game.key(), prefix.toString()});
    }
    return found;
}

QStringList heroicPrefixes(const QByteArray& json)
{
    QStringList found;
    for (const HeroicPrefix& game : heroicGamePrefixes(json))
        found << game.prefix;
    return found;
}

// The stores' caches list their games in an array ({"library": [...]}, {"games": [...]}), each
// game an object with "app_name" and "title".
QHash<QString, QString> heroicTitles(const QByteArray& json)
{
    QHash<QString, QString> titles;
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    for (const QJsonValue& list : top) {
        for (const QJsonValue& entry : list.toArray()) {
            const QJsonObject game = entry.toObject();
            const QJsonValue appName = game.value(QLatin1String("app_name"));
            const QJsonValue title = game.value(QLatin1String("title"));
            if (appName.isString() && title.isString() && !title.toString().isEmpty())
                titles.insert(appName.toString(), title.toString());
        }
    }
    return titles;
}

// Steam lists its libraries as "path" entries, and in its older form as numbered entries whose
// value is the folder.
QStringList steamLibraries(const QByteArray& vdf)
{
    const QList<QByteArray> words = keyValuesWords(vdf);
    QStringList libraries;
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        const QByteArray& value = words[i + 1];
        const bool named = words[i].compare("path", Qt::CaseInsensitive) == 0 || isNumber(words[i]);
        if (named && value.startsWith('/'))
            libraries << QString::fromUtf8(value);
    }
    return libraries;
}

// The manifest's keys are those of one app: its first `name` is the app's.
QString steamAppName(const QByteArray& acf)
{
    const QList<QByteArray> words = keyValuesWords(acf);
    for (qsizetype i = 0; i + 1 < words.size(); ++i) {
        if (words[i].compare("name", Qt::CaseInsensitive) == 0 && !words[i + 1].isEmpty())
            return QString::fromUtf8(words[i + 1]);
    }
    return {};
}

QList<SteamShortcut> steamShortcuts(const QByteArray& vdf)
{
    // Deeper than Steam ever writes: a file nested further is no shortcuts file.
    constexpr qsizetype deepest = 64;
    BinaryReader reader(vdf);
    QList<OpenMap> open{OpenMap()};
    QList<SteamShortcut> found;
    while (const std::optional<char> type = reader.type()) {
        if (*type == mapEnd) {
            const OpenMap closed = open.takeLast();
            if (closed.appId && closed.named)
                found.append({*closed.appId, closed.name});
            if (open.isEmpty())
                break;
        } else if (open.size() > deepest || !readItem(reader, *type, open)) {
            break;
        }
    }
    return found;
}

} // namespace FrontEndFiles
