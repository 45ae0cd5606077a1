// The fuzz targets, one per FUZZ_<NAME> definition. Each takes any bytes and aborts, as a crash
// that the fuzzer reports with its input, where what must hold for every input does not. Built
// with libFuzzer (KORVANE_LIBFUZZER) a target explores; built without, it replays a folder.
#include "Collation.h"
#include "Errors.h"
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
    static TestWorld world; // a prefix with drive C, and the current folder
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<QByteArray> lines = input.split('\n');
#if defined(FUZZ_REGISTRY) // both registry files; the first line names a key, the second a value
    world.writeSystemReg(input);
    world.writeUserReg(input);
    for (const auto root :
         {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser, RegistryRoot::ClassesRoot}) {
        const auto key = RegistryKey::open(root, QString::fromUtf8(lines[0]), true);
        const auto value = key ? key->value(QString::fromUtf8(lines.value(1))) : std::nullopt;
        REQUIRE(!value || value->type != RegString || !value->text.contains(QChar(0)));
    }
#elif defined(FUZZ_DESCRIPTION) // a scenario file, also one cut short as a changing file may be
    world.writeFile(QStringLiteral("medium/x.scn"), input);
    const auto text = ScenarioCatalogue::readDescription(QStringLiteral("x.scn"));
    REQUIRE(!text || (!text->contains(QChar(0)) && !text->contains(u'\r')));
#elif defined(FUZZ_GAME_FOLDER) // an uninstall string: its folder never leads out of its drive
    const QString folder = GameFolder::fromUninstallString(QString::fromUtf8(input));
    const QString host = WinPath::toHost(folder).value_or(world.driveC()) + u'/';
    REQUIRE(!folder.startsWith(QLatin1String("C:"), Qt::CaseInsensitive) ||
            (host.startsWith(world.driveC() + u'/') && !host.contains(QLatin1String("/../"))));
    try {
        GameFolder::freeSpaceLine(folder, [](int) { return std::optional<qint64>(1 << 20); });
    } catch (const Exception&) {
    }
#elif defined(FUZZ_HOST_NAME)   // bytes, name, bytes; as a file, listed, kept and opened by name
    const QString name = HostName::decode(input);
    REQUIRE(HostName::encode(name) == input);
    const QByteArray path = QFile::encodeName(world.medium()) + '/' + input;
    const int made = input.contains('\0') || input.contains('/') || input.contains('\\') ||
                             input.contains(':') || input == "." || input == ".."
                         ? -1
                         : ::creat(path.constData(), 0644);
    if (made < 0)
        return 0;
    ::close(made);
    const QList<DirEntry> listed = FileSystem::list(QStringLiteral("*"), ListFilter::Everything);
    REQUIRE(listed.size() == 1 && listed[0].name == name);
    REQUIRE(FolderListings::findIgnoringCase(world.medium(), name, false) == name);
    WinFile::openRead(name).close();
    ::unlink(path.constData());
#elif defined(FUZZ_COLLATION)   // three names, one a line: both orders names sort by are orders
    if (lines.size() < 3)
        return 0;
    const QString a = HostName::decode(lines[0]), b = HostName::decode(lines[1]),
                  c = HostName::decode(lines[2]);
    const auto sign = [](int value) { return (value > 0) - (value < 0); };
    const auto compare = Collation::compare;
    REQUIRE(compare(a, a) == 0 && sign(compare(a, b)) == -sign(compare(b, a)));
    REQUIRE(sign(compare(a, b)) == sign(Collation::sortKey(a).compare(Collation::sortKey(b))));
    REQUIRE(compare(a, b) > 0 || compare(b, c) > 0 || compare(a, c) <= 0);
    const auto before = FileSystem::listsBefore;
    REQUIRE(!before(a, a) && !(before(a, b) && before(b, a)));
    REQUIRE(!before(a, b) || !before(b, c) || before(a, c));
#endif
    return 0;
}

#ifndef KORVANE_LIBFUZZER
int main(int, char* argv[])
{
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string input{std::istreambuf_iterator<char>(file), {}};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
        ++replayed;
    }
    return replayed > 0 ? 0 : 1;
}
#endif
