#pragma once

#include <QStringList>

struct ProgramState;

// The pack's kinds of scenario. Their table in ScenarioTypes.cpp is the only place that names
// them, which files they list and where their descriptions lie; the type selector, the list, the
// installation plan and the description rule read it through these.
// A type is named by its index in the table, which is the type selector's order; -1 is none.
namespace ScenarioTypes {

QStringList captions();
// The pack's folders, one per type.
QStringList sourceFolders();
// The folders of the game folder that the types install into, each once, in the order of the
// types.
QStringList destinationFolders(const QString& gameFolder);

// The files a type's folder lists, as a Windows wildcard.
QString filePattern();

// Whether the type's files keep their descriptions in companion files (false for no type).
bool descriptionsInCompanion(int typeIndex);
// The file holding an entry's description: the entry itself, or for a type whose descriptions
// lie in companion files (the campaigns) its companion, whose name ends in "d" where the entry's
// ends in "n".
QString descriptionPath(const QString& entryPath, int typeIndex);

// Points the source and destination folders at the type; no type changes nothing.
void selectTypeFolders(ProgramState& state, int typeIndex);

} // namespace ScenarioTypes
