#pragma once

#include "PrefixSearch.h"

#include <QList>
#include <QString>

// Which Wine prefix is the machine: the one $WINEPREFIX names, else the one among the user's
// prefixes whose registry holds the game's uninstall entry. No widgets here.
namespace GamePrefix {

struct Candidate
{
    PrefixSearch::FoundPrefix prefix;
    QString gameFolder; // as the registry names it
    bool gameFolderExists = false;
};

struct Decision
{
    // The prefix that is the machine; empty when none was found, and ~/.wine or the bare machine
    // serves as before.
    QString prefix;
    // Several prefixes hold the game: the user picks one.
    QList<Candidate> choices;
    // $WINEPREFIX named this folder, which is no prefix; the search ran instead.
    QString notAPrefix;
};

// A prefix $WINEPREFIX names is taken as it is, or its pfx folder (Proton's compatdata/<id>);
// otherwise, or without it, the search decides, looking at each place through the lookout.
Decision decide(const PrefixSearch::Roots& roots, Lookout& lookout);

} // namespace GamePrefix
