#include "GamePrefix.h"

#include "FileSystem.h"
#include "GameFolder.h"
#include "WinePrefix.h"

#include <QDir>

#include <algorithm>

namespace {

using GamePrefix::Candidate;

// What the prefix's registry says of the game. A damaged entry is reported when that prefix is
// read for the game; here it only counts as no game.
Candidate examined(const PrefixSearch::FoundPrefix& prefix)
{
    const WinePrefix::Scope scope(prefix.folder);
    Candidate candidate{prefix, {}, false};
    try {
        candidate.gameFolder = GameFolder::readGameFolder();
    } catch (const std::exception&) {
        return candidate;
    }
    candidate.gameFolderExists =
        !candidate.gameFolder.isEmpty() && FileSystem::folderExists(candidate.gameFolder);
    return candidate;
}

// The prefixes that hold the game, those whose game folder is on disk only when there are any.
QList<Candidate> holdingGame(const QList<PrefixSearch::FoundPrefix>& prefixes, Lookout& lookout)
{
    QList<Lookout::Look<Candidate>> looks;
    for (const PrefixSearch::FoundPrefix& prefix : prefixes)
        looks.append({prefix.folder, [prefix] { return examined(prefix); }});
    QList<Candidate> found;
    for (const std::optional<Candidate>& candidate : lookout.lookAll(looks)) {
        if (candidate && !candidate->gameFolder.isEmpty())
            found.append(*candidate);
    }
    if (std::any_of(found.cbegin(), found.cend(),
                    [](const Candidate& candidate) { return candidate.gameFolderExists; }))
        found.removeIf([](const Candidate& candidate) { return !candidate.gameFolderExists; });
    return found;
}

} // namespace

namespace GamePrefix {

Decision decide(const PrefixSearch::Roots& roots, Lookout& lookout)
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
    const QList<Candidate> found = holdingGame(PrefixSearch::prefixes(roots, lookout), lookout);
    if (found.size() == 1)
        decision.prefix = found.first().prefix.folder;
    else if (found.size() > 1)
        decision.choices = found;
    return decision;
}

} // namespace GamePrefix
