#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the Wine front-ends' own files say, read from their bytes: no file is opened here, so the
// readers can be handed anything (a fuzzer's input, a file cut short) and give what they
// understand of it. No widgets here.
namespace FrontEndFiles {

// A Lutris game file (YAML): the prefix under `game:`, as written (a leading `~` is left for the
// caller to expand); empty when it names none or is no YAML.
QString lutrisPrefix(const QByteArray& yaml);
// A Lutris game file: the game's `name:`; empty when it has none.
QString lutrisName(const QByteArray& yaml);

// A Bottles bottle.yml: the bottle's `Name:`; empty when it has none.
QString bottleName(const QByteArray& yaml);

// A Heroic game configuration (JSON): every game's `winePrefix`.
QStringList heroicPrefixes(const QByteArray& json);

// Steam's steamapps/libraryfolders.vdf (Valve's KeyValues text): the libraries' folders.
QStringList steamLibraries(const QByteArray& vdf);

} // namespace FrontEndFiles
