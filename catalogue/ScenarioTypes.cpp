#include "ScenarioTypes.h"

#include "ProgramState.h"

#include <QCoreApplication>

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

// One pattern serves every type: a scenario ends in ".scn", a campaign in ".cpn", and each type's
// folder holds its own kind.
constexpr char filesListed[] = "*.??n";

// In the type selector's order.
constexpr ScenarioType types[] = {
    {QT_TRANSLATE_NOOP("ScenarioTypes", "Historical scenarios"), "HISTSCR", "\\SCENARIO", false},
    {QT_TRANSLATE_NOOP("ScenarioTypes", "Crazy scenarios"), "CRAZYSCR", "\\SCENARIO", false},
    {QT_TRANSLATE_NOOP("ScenarioTypes", "Real-map scenarios"), "REALMAP", "\\SCENARIO", false},
    {QT_TRANSLATE_NOOP("ScenarioTypes", "Campaigns"), "CAMPAIGN", "\\CAMPAIGN", true},
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

QString inGameFolder(const QString& gameFolder, const ScenarioType& type)
{
    return gameFolder + QLatin1String(type.destinationSubfolder);
}

} // namespace

namespace ScenarioTypes {

QStringList captions()
{
    QStringList translated;
    for (const ScenarioType& type : types)
        translated << QCoreApplication::translate("ScenarioTypes", type.caption);
    return translated;
}

QStringList sourceFolders()
{
    return column(&ScenarioType::sourceFolder);
}

QStringList destinationFolders(const QString& gameFolder)
{
    QStringList result;
    for (const ScenarioType& type : types)
        result << inGameFolder(gameFolder, type);
    result.removeDuplicates();
    return result;
}

QString filePattern()
{
    return QLatin1String(filesListed);
}

bool descriptionsInCompanion(int typeIndex)
{
    const ScenarioType* type = find(typeIndex);
    return type != nullptr && type->descriptionsInCompanion;
}

QString descriptionPath(const QString& entryPath, int typeIndex)
{
    if (!descriptionsInCompanion(typeIndex) || entryPath.isEmpty())
        return entryPath;
    QString companion = entryPath;
    QChar& last = companion[companion.size() - 1];
    if (last == QLatin1Char('n'))
        last = QLatin1Char('d');
    else if (last == QLatin1Char('N'))
        last = QLatin1Char('D');
    return companion;
}

void selectTypeFolders(ProgramState& state, int typeIndex)
{
    const ScenarioType* type = find(typeIndex);
    if (type == nullptr)
        return;
    state.destinationFolder = inGameFolder(state.gameFolder, *type);
    state.sourceFolder = QLatin1String(type->sourceFolder);
}

} // namespace ScenarioTypes
