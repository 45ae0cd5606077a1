#include "InstallPlan.h"

#include "ProgramState.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"

InstallPlan InstallPlan::ofTicked(const ScenarioListModel& list, const ProgramState& state)
{
    InstallPlan plan;
    plan.sourceFolder = state.sourceFolder;
    plan.gameFolder = state.gameFolder;
    plan.destinationFolder = state.destinationFolder;
    plan.typeFolders = ScenarioTypes::destinationFolders(state.gameFolder);
    for (int row = 0; row < list.rowCount(); ++row) {
        const ScenarioEntry& entry = list.entry(row);
        if (entry.ticked) {
            plan.files.append({entry.name, entry.size});
            plan.total += entry.size;
        }
    }
    return plan;
}
