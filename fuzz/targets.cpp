// Fuzz targets, one per FUZZ_<NAME>: any bytes in, an abort where a property fails; or a replay.
#include "Collation.h"
#include "Drives.h"
#include "FileSystem.h"
#include "FolderListings.h"
#include "FrontEndFiles.h"
#include "GameFolder.h"
#include "HostName.h"
#include "Registry.h"
#include "ScenarioCatalogue.h"
#include "TestWorld.h"
#include "WinPath.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#define REQUIRE(holds) ((holds) ? void() : (std::fprintf(stderr, "%s\n", #holds), std::abort()))

#if defined(FUZZ_YAML)
namespace {

// A Lutris game file that is also a bottle.yml, every name and the prefix being text, written by
// yaml-cpp's emitter in one style; nullopt when the emitter refuses.
std::optional<QByteArray> emittedGameFile(const QString& text, YAML::EMITTER_MANIP style, bool flow)
{
    const std::string value = text.toStdString();
    YAML::Emitter out;
    if (flow)
        out << YAML::Flow;
    out << YAML::BeginMap;
    for (const char* key : {"name", "Name"})
        out << YAML::Key << key << YAML::Value << style << value;
    out << YAML::Key << "game" << YAML::Value << YAML::BeginMap << YAML::Key << "prefix"
        << YAML::Value << style << value << YAML::EndMap << YAML::EndMap;
    if (!out.good())
        return std::nullopt;
    return QByteArray(out.c_str(), qsizetype(out.size()));
}

// The text with every blank between two letters, digits or slashes broken onto an indented
// next line, as a YAML writer folds a long line; inside a plain or quoted scalar such a break
// reads back as the blank.
QByteArray folded(QByteArray yaml)
{
    const auto plain = [](char c) { return std::isalnum(uchar(c)) || c == '/'; };
    for (qsizetype i = yaml.size() - 2; i > 0; --i) {
        if (yaml[i] == ' ' && plain(yaml[i - 1]) && plain(yaml[i + 1]))
            yaml.replace(i, 1, "\n    ");
    }
    return yaml;
}

} // namespace
#endif

#if defined(FUZZ_BINARY_VDF)
namespace {

// Valve's binary KeyValues as Steam writes shortcuts.vdf: each item its type, its zero-ended
// name, then its value.
QByteArray item(char type, const QByteArray& key, const QByteArray& value = {})
{
    return type + key + '\0' + value;
}

QByteArray text(const QByteArray& key, const QByteArray& value)
{
    return item(1, key, value + '\0');
}

QByteArray number(char type, const QByteArray& key, quint64 value, int size)
{
    QByteArray bytes(8, '\0');
    qToLittleEndian(value, bytes.data());
    return item(type, key, bytes.left(size));
}

QByteArray map(const QByteArray& key, const QByteArray& items)
{
    return item(0, key, items + '\x08');
}

// Two entries: one without a name, with every kind of number Steam writes, then the game.
QByteArray shortcutsFile(quint32 appId, const QByteArray& name)
{
    const QByteArray unnamed = number(2, "appid", 7, 4) + number(3, "x", 0, 4) +
                               number(7, "LastPlayTime", 1700000000, 8) +
                               number(10, "y", quint64(-1), 8) + map("tags", {});
    const QByteArray game = number(2, "appid", appId, 4) + text("AppName", name) +
                            text("Exe", "\"C:\\game.exe\"") + map("tags", text("0", "favourite"));
    return map("shortcuts", map("0", unnamed) + map("1", game)) + '\x08';
}

} // namespace
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestWorld world; // a prefix with drive C; its medium is the current folder
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> lines = input.split('\n');
#if defined(FUZZ_REGISTRY) // both registry files; the first line names a key, the second a value
    world.writeSystemReg(input);
    for (const auto root : {RegistryRoot::LocalMachine, RegistryRoot::ClassesRoot}) {
        const auto key = RegistryKey::open(root, QString::fromUtf8(lines[0]), true);
        const auto value = key ? key->value(QString::fromUtf8(lines.value(1))) : std::nullopt;
        REQUIRE(!value || value->type != RegString || !value->text.contains(QChar(0)));
    }
#elif defined(FUZZ_DESCRIPTION) // any scenario file, one cut short as a changing file may be too
    world.writeFile(QStringLiteral("medium/x.scn"), input);
    const auto text = ScenarioCatalogue::readDescription(QStringLiteral("x.scn"));
    REQUIRE(!text || (!text->contains(QChar(0)) && !text->contains(u'\r')));
#elif defined(FUZZ_GAME_FOLDER) // an uninstall string: its folder never leads out of its drive
    const QString folder = GameFolder::fromUninstallString(QString::fromUtf8(input));
    const WinPath::HostPath mapped = WinPath::toHost(folder);
    const QString host = (mapped ? *mapped : world.driveC()) + u'/';
    REQUIRE(!folder.startsWith(QLatin1String("C:"), Qt::CaseInsensitive) ||
            (host.startsWith(world.driveC() + u'/') && !host.contains(QLatin1String("/../"))));
#elif defined(FUZZ_HOST_NAME)   // bytes, name, the same bytes; as a file, listed and opened by it
    const QString name = HostName::decode(input);
    REQUIRE(HostName::encode(name) == input);
    const QByteArray path = QFile::encodeName(world.medium()) + '/' + input;
    if (input.contains('\0') || input.contains('/') || input.contains('\\') ||
        input.contains(':') || ::close(::creat(path.constData(), 0644)))
        return 0;
    REQUIRE(FileSystem::list(QStringLiteral("*"), ListFilter::Everything).value(0).name == name);
    REQUIRE(FolderListings::findIgnoringCase(world.medium(), name, false) == name);
    WinFile::openRead(name).close();
    ::unlink(path.constData());
#elif defined(FUZZ_COLLATION)   // three names, one a line: the comparison orders them consistently
    const auto sign = [](int compared) { return (compared > 0) - (compared < 0); };
    const QString a = HostName::decode(lines[0]), b = HostName::decode(lines.value(1));
    const QString c = HostName::decode(lines.value(2));
    REQUIRE(Collation::compare(a, a) == 0);
    REQUIRE(sign(Collation::compare(a, b)) == -sign(Collation::compare(b, a)));
    REQUIRE(sign(Collation::compare(a, b)) ==
            sign(Collation::sortKey(a).compare(Collation::sortKey(b))));
    REQUIRE(Collation::compare(a, b) > 0 || Collation::compare(b, c) > 0 ||
            Collation::compare(a, c) <= 0);
#elif defined(FUZZ_VDF) // any libraryfolders.vdf; a path written as Steam writes it reads back
    FrontEndFiles::steamLibraries(input);
    const QByteArray path = lines[0];
    QByteArray quoted = path;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray current = "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + quoted +
                               "\"\n\t\t\"label\"\t\t\"\"\n\t}\n}\n";
    const QByteArray older = "\"LibraryFolders\"\n{\n\t\"TimeNextStatsReport\"\t\t\"1700000000\"\n"
                             "\t\"1\"\t\t\"" +
                             quoted + "\"\n}\n";
    for (const QByteArray& vdf : {current, older})
        REQUIRE(!path.startsWith('/') ||
                FrontEndFiles::steamLibraries(vdf) == QStringList{QString::fromUtf8(path)});
#elif defined(FUZZ_BINARY_VDF)  // any shortcuts.vdf; an entry written as Steam writes it reads back
    FrontEndFiles::steamShortcuts(input);
    QByteArray name = lines[0];
    name.replace('\0', QByteArray()); // a zero ends a name in the file
    QByteArray id = lines.value(1).left(4);
    id.resize(4, '\0');
    const quint32 appId = qFromLittleEndian<quint32>(id.constData()) | 0x80000000u;
    const QList<FrontEndFiles::SteamShortcut> read =
        FrontEndFiles::steamShortcuts(shortcutsFile(appId, name));
    REQUIRE(read == QList<FrontEndFiles::SteamShortcut>({{appId, QString::fromUtf8(name)}}));
#elif defined(FUZZ_HEROIC)      // any game configuration; a prefix written as JSON reads back
    FrontEndFiles::heroicPrefixes(input);
    const QString prefix = QString::fromUtf8(lines[0]);
    QJsonObject config{{QStringLiteral("version"), QStringLiteral("v0")}};
    config.insert(QString::fromUtf8(lines.value(1)), // the game's id
                  QJsonObject{{QStringLiteral("winePrefix"), prefix},
                              {QStringLiteral("wineVersion"), QJsonObject()}});
    REQUIRE(FrontEndFiles::heroicPrefixes(QJsonDocument(config).toJson()) == QStringList{prefix});
#elif defined(FUZZ_YAML)        // any YAML; a text written by an emitter, in each style, reads back
    FrontEndFiles::lutrisPrefix(input);
    FrontEndFiles::lutrisName(input);
    FrontEndFiles::bottleName(input);
    const QString text = QString::fromUtf8(lines[0]);
    // yaml-cpp's emitter writes a noncharacter (U+FFFE, U+FDD0...) in quotes as it is, and its
    // reader takes that for a damaged character; no path or name holds one.
    const QList<uint> codes = text.toUcs4();
    if (std::any_of(codes.begin(), codes.end(), [](uint c) { return QChar::isNonCharacter(c); }))
        return 0;
    for (const auto style : {YAML::Auto, YAML::DoubleQuoted, YAML::SingleQuoted}) {
        for (const bool flow : {false, true}) {
            const std::optional<QByteArray> yaml = emittedGameFile(text, style, flow);
            for (const QByteArray& form :
                 yaml ? QList<QByteArray>{*yaml, folded(*yaml)} : QList<QByteArray>()) {
                REQUIRE(FrontEndFiles::lutrisPrefix(form) == text);
                REQUIRE(FrontEndFiles::lutrisName(form) == text);
                REQUIRE(FrontEndFiles::bottleName(form) == text);
            }
        }
    }
#elif defined(FUZZ_MOUNT_TABLE) // any mount table; a mount escaped as the kernel does reads back
    Drives::mounts(input);
    const QByteArray folder = lines[0], source = lines.value(1);
    const auto kernelEscaped = [](const QByteArray& field) {
        QByteArray escaped;
        for (const char c : field) {
            escaped += c == ' '    ? QByteArray("\\040")
                       : c == '\t' ? QByteArray("\\011")
                       : c == '\n' ? QByteArray("\\012")
                       : c == '\\' ? QByteArray("\\134")
                                   : QByteArray(1, c);
        }
        return escaped;
    };
    const QByteArray table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n36 22 11:0 / " +
        kernelEscaped(folder) + " ro,nosuid shared:7 - iso9660 " + kernelEscaped(source) + " ro\n";
    const QList<Drives::Mount> mounts = Drives::mounts(table);
    REQUIRE(!folder.startsWith('/') ||
            (mounts.size() == 2 && mounts[1].folder == HostName::decode(folder) &&
             mounts[1].fileSystem.source == HostName::decode(source) &&
             Drives::mountedOn(table, HostName::decode(folder))->type == u"iso9660"));
#elif defined(FUZZ_DRIVE_LABEL) // any link name is valid text; an escaped label decodes back
    REQUIRE(QStringView(Drives::decodeLabelName(HostName::decode(input))).isValidUtf16());
    const QString label = QString::fromUtf8(lines[0]);
    const auto udevEscape = [](char byte) {
        return "\\x" + QByteArray::number(uchar(byte), 16).rightJustified(2, '0');
    };
    QByteArray asUdev, everyByteEscaped; // udev keeps valid UTF-8; escaped, it must read the same
    for (const char c : label.toUtf8()) {
        const bool kept = std::isalnum(uchar(c)) || QByteArrayView("#+-.:=@_").contains(c);
        asUdev += kept || uchar(c) >= 0x80 ? QByteArray(1, c) : udevEscape(c);
        everyByteEscaped += kept ? QByteArray(1, c) : udevEscape(c);
    }
    REQUIRE(Drives::decodeLabelName(HostName::decode(asUdev)) == label);
    REQUIRE(Drives::decodeLabelName(HostName::decode(everyByteEscaped)) == label);
#endif
    return 0;
}

#ifndef KORVANE_LIBFUZZER
int main(int, char* argv[])
{
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
    }
}
#endif
