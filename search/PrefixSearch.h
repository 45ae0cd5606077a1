#pragma once

#include "Lookout.h"

#include <QList>
#include <QString>

// The user's Wine prefixes, found where the Wine front-ends keep them and where their
// configuration files say they are. The files are read as data and never written; what cannot be
// understood in them is passed over. No widgets here.
namespace PrefixSearch {

// Where the search starts.
struct Roots
{
    QString home;
    QString dataHome;   // $XDG_DATA_HOME, ~/.local/share when unset or empty
    QString configHome; // $XDG_CONFIG_HOME, ~/.config when unset or empty

    static Roots fromEnvironment();
};

struct FoundPrefix
{
    QString frontEnd; // "Lutris", "Steam (Proton)", ...
    QString folder;   // the prefix: it holds system.reg and dosdevices
    // The name the front-end gives the game in it (Lutris' game name, Steam's app name, Heroic's
    // title, the bottle's name); empty when it gives none or it cannot be read.
    QString gameName;
    // What a person calls it: the game's name when known, else the folder's name, or the game's
    // number for Proton's pfx folders.
    QString name() const;
};

// Every prefix found, each once (the first front-end that names it keeps it), in this order:
// Wine, winetricks, Lutris, Bottles, Heroic, PlayOnLinux, Steam (Proton), CrossOver. Every place
// is looked at through the lookout: one that does not answer in time counts as holding nothing.
QList<FoundPrefix> prefixes(const Roots& roots, Lookout& lookout);

} // namespace PrefixSearch
