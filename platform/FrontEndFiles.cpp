#include "FrontEndFiles.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <exception>
#include <initializer_list>
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
