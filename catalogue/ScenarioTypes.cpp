#include "ScenarioTypes.h"

#include "ProgramState.h"

#include <iterator>

namespace {

struct ScenarioType
{
    const char* caption;
    const char* sourceFolder;         // relative to the current directory
    const char* destinationSubfolder; // appended to the game folder
    // Whether a file's description lies in its companion file, whose name ends in "d" where the
    // file's ends in "n", rather than in the file itself.
    bool descriptionsInCompanion;
};

// In the type selector's order.
constexpr ScenarioType types[] = {
    {"Historical scenarios", "HISTSCR", "\\SCENARIO", false},
    {"Crazy scenarios", "CRAZYSCR", "\\SCENARIO", false},
    {"Real-map scenarios", "REALMAP", "\\SCENARIO", false},
    {"Campaigns", "CAMPAIGN", "\\CAMPAIGN", true},
};

const ScenarioType* find(int typeIndex)
{
    if (typeIndex < 0 || typeIndex >= int(std::size(types)))
        return nullptr;
    return &types[typeIndex];
}

template <class Field> QStringList column(Field field)
{
    QStringList result;
    for (const ScenarioType& type : types)
        result << QString::fromLatin1(type.*field);
    return result;
}

} // namespace

namespace ScenarioTypes {

QStringList captions()
{
    return column(&ScenarioType::caption);
}

QStringList sourceFolders()
{
    return column(&ScenarioType::sourceFolder);
}

QStringList destinationSubfolders()
{
    QStringList result = column(&ScenarioType::destinationSubfolder);
    result.removeDuplicates();
    return result;
}

bool descriptionsInCompanion(int typeIndex)
{
    const ScenarioType* type = find(typeIndex);
    return type != nullptr && type->descriptionsInCompanion;
}

void selectTypeFolders(ProgramState& state, int typeIndex)
{
    const ScenarioType* type = find(typeIndex);
    if (type == nullptr)
        return;
    state.destinationFolder = state.gameFolder + QLatin1String(type->destinationSubfolder);
    state.sourceFolder = QLatin1String(type->sourceFolder);
}

} // namespace ScenarioTypes
