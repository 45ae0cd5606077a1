// Fuzz targets, one per FUZZ_<NAME>: any bytes in, an abort where a property fails; or a replay.
#include "Collation.h"
#include "FileSystem.h"
#include "FolderListings.h"
#include "GameFolder.h"
#include "HostName.h"
#include "Registry.h"
#include "ScenarioCatalogue.h"
#include "TestWorld.h"
#include "WinPath.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#define REQUIRE(holds) ((holds) ? void() : (std::fprintf(stderr, "%s\n", #holds), std::abort()))

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
