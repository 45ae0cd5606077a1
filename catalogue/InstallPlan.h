#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class ScenarioListModel;
struct ProgramState;

// What one installation copies, fixed on the window's thread when the user starts it. The run
// takes it by value and reads nothing the window owns.
struct InstallPlan
{
    struct File
    {
        QString name; // as listed, read from the source folder and written under itself
        qint64 size = 0;

        bool operator==(const File&) const = default;
    };

    QString sourceFolder;      // relative to the current directory
    QString gameFolder;        // Windows path, for the run's record
    QString destinationFolder; // the selected type's folder in the game folder
    QStringList typeFolders;   // every type's folder in the game folder, made before the copy
    QList<File> files;         // in the order they are copied
    qint64 total = 0;          // bytes of the files, as listed

    // The ticked entries of the list in display order, for the window's folders.
    static InstallPlan ofTicked(const ScenarioListModel& list, const ProgramState& state);
};
