#include "FrontEndFiles.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {

QByteArray unquoted(const QByteArray& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

// The value of `key:` among the indented lines that a line `block:` opens, as a game file of
// Lutris holds its prefix under `game:`. A line-oriented reading of that one shape of YAML.
QString blockValue(const QByteArray& text, const QByteArray& block, const QByteArray& key)
{
    bool inBlock = false;
    for (const QByteArray& line : text.split('\n')) {
        const QByteArray item = line.trimmed();
        if (item.isEmpty() || item.startsWith('#'))
            continue;
        if (!line.startsWith(' ') && !line.startsWith('\t')) {
            inBlock = item == block + ':';
            continue;
        }
        if (inBlock && item.startsWith(key + ':'))
            return QString::fromUtf8(unquoted(item.mid(key.size() + 1).trimmed()));
    }
    return {};
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

} // namespace

namespace FrontEndFiles {

QString lutrisPrefix(const QByteArray& yaml)
{
    return blockValue(yaml, "game", "prefix");
}

// Heroic keeps one file per game: {"<game>": {"winePrefix": "...", ...}, "version": ...}.
QStringList heroicPrefixes(const QByteArray& json)
{
    const QJsonObject top = QJsonDocument::fromJson(json).object();
    QStringList found;
    const QLatin1String key("winePrefix");
    if (top.value(key).isString())
        found << top.value(key).toString();
    for (const QJsonValue& game : top) {
        if (game.toObject().value(key).isString())
            found << game.toObject().value(key).toString();
    }
    return found;
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

} // namespace FrontEndFiles
