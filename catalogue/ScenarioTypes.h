#pragma once

#include <QStringList>

struct ProgramState;

// The pack's four kinds of scenario, in the order the type selector offers them.
struct ScenarioType
{
    const char* caption;
    const char* sourceFolder;         // relative to the current directory
    const char* destinationSubfolder; // appended to the game folder
};

namespace ScenarioTypes {

constexpr int Count = 4;
constexpr int Campaigns = 3;

const ScenarioType& at(int index);
QStringList captions();
// The pack's folders, one per type, in the selector's order.
QStringList sourceFolders();

// Points the source and destination folders at the type; no type (-1) changes nothing.
void selectTypeFolders(ProgramState& state, int typeIndex);

} // namespace ScenarioTypes
