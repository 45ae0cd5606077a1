#include "GamePrefix.h"

#include "GameFolder.h"
#include "WinPath.h"
#include "WinePrefix.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace GamePrefix {

QList<Candidate> holdingGame(const QList<PrefixSearch::FoundPrefix>& prefixes)
{
    QList<Candidate> found;
    for (const PrefixSearch::FoundPrefix& prefix : prefixes) {
        const WinePrefix::Scope scope(prefix.folder);
        Candidate candidate{prefix, {}, false};
        // A damaged entry is reported when that prefix is read for the game; here it only
        // counts as no game.
        try {
            candidate.gameFolder = GameFolder::readGameFolder();
        } catch (const std::exception&) {
            continue;
        }
        if (candidate.gameFolder.isEmpty())
            continue;
        const WinPath::HostPath host = WinPath::toHost(candidate.gameFolder);
        candidate.gameFolderExists = host && QFileInfo(*host).isDir();
        found.append(candidate);
    }
    if (std::any_of(found.cbegin(), found.cend(),
                    [](const Candidate& candidate) { return candidate.gameFolderExists; }))
        found.removeIf([](const Candidate& candidate) { return !candidate.gameFolderExists; });
    return found;
}

Decision decide(const PrefixSearch::Roots& roots)
{
    Decision decision;
    const QString named = WinePrefix::namedInEnvironment();
    if (!named.isEmpty()) {
        if (const std::optional<QString> prefix = WinePrefix::prefixIn(named)) {
            decision.prefix = *prefix;
            return decision;
        }
        decision.notAPrefix = QDir::cleanPath(named);
    }
    const QList<Candidate> found = holdingGame(PrefixSearch::prefixes(roots));
    if (found.size() == 1)
        decision.prefix = found.first().prefix.folder;
    else if (found.size() > 1)
        decision.choices = found;
    return decision;
}

void use(const QString& prefix)
{
    WinePrefix::name(prefix);
}

} // namespace GamePrefix
