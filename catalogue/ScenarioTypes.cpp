#include "ScenarioTypes.h"

#include "ProgramState.h"

#include <array>

namespace {
constexpr std::array<ScenarioType, ScenarioTypes::Count> types{{
    {"Historical scenarios", "HISTSCR", "\\SCENARIO"},
    {"Crazy scenarios", "CRAZYSCR", "\\SCENARIO"},
    {"Real-map scenarios", "REALMAP", "\\SCENARIO"},
    {"Campaigns", "CAMPAIGN", "\\CAMPAIGN"},
}};
} // namespace

namespace ScenarioTypes {

const ScenarioType& at(int index)
{
    return types.at(static_cast<std::size_t>(index));
}

QStringList captions()
{
    QStringList result;
    for (const ScenarioType& type : types)
        result << QString::fromLatin1(type.caption);
    return result;
}

QStringList sourceFolders()
{
    QStringList result;
    for (const ScenarioType& type : types)
        result << QString::fromLatin1(type.sourceFolder);
    return result;
}

void selectTypeFolders(ProgramState& state, int typeIndex)
{
    if (typeIndex < 0 || typeIndex >= Count)
        return;
    const ScenarioType& type = at(typeIndex);
    state.destinationFolder = state.gameFolder + QLatin1String(type.destinationSubfolder);
    state.sourceFolder = QLatin1String(type.sourceFolder);
}

} // namespace ScenarioTypes
