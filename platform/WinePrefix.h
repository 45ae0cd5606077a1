#pragma once

#include <QString>
#include <optional>

// The Wine prefix the installer sees the machine through: $WINEPREFIX if set, else ~/.wine.
// An absent or unreadable prefix is the bare machine: no registry files, one drive Z: = /.
namespace WinePrefix {
QString path();
bool isBareMachine();

// WINEPREFIX as its bytes name the folder, empty when unset. setInEnvironment() points it at a
// folder, so that the rest of the run, and any program started from it, sees that prefix (an
// empty folder unsets it).
QString namedInEnvironment();
void setInEnvironment(const QString& folder);

// Whether the folder is a Wine prefix: it holds system.reg and a dosdevices folder.
bool isPrefix(const QString& folder);
// The prefix a folder stands for: the folder itself, or the prefix in its pfx folder, as Proton
// keeps one in each compatdata/<id>; nullopt when it holds neither. The path it gives is absolute.
std::optional<QString> prefixIn(const QString& folder);

// While a Scope lives, path() is its folder on its thread whatever WINEPREFIX says, so that the
// search for the game reads each prefix through the same code that reads the machine's.
class Scope
{
public:
    explicit Scope(const QString& folder);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    std::optional<QString> m_outer;
};
} // namespace WinePrefix
