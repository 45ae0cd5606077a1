#pragma once

#include <QStringList>

struct ProgramState;

// The pack's kinds of scenario. Their table in ScenarioTypes.cpp is the only place that names
// them; the type selector, the installation run and the description rule read it through these.
// A type is named by its index in the table, which is the type selector's order; -1 is none.
namespace ScenarioTypes {

QStringList captions();
// The pack's folders, one per type.
QStringList sourceFolders();
// The game's subfolders the types install into, each once, in the order of the types.
QStringList destinationSubfolders();

// Whether the type's files keep their descriptions in companion files (false for no type).
bool descriptionsInCompanion(int typeIndex);

// Points the source and destination folders at the type; no type changes nothing.
void selectTypeFolders(ProgramState& state, int typeIndex);

} // namespace ScenarioTypes
