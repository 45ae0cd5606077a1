#pragma once

#include <QString>

// What the main window knows and shows: the game folder, the selected type's folders and the
// ticked entries' figures. The window's thread alone reads and writes it.
//
// An installation keeps its own progress and answers (the bytes copied, whether to go on, "skip
// all", "overwrite all") in InstallRun, from the plan the window hands it: they start afresh with
// each run and stay as the run left them until the next one. The ticked figures here stay as the
// list left them, so a second run without a change of the list copies the same total again.
struct ProgramState
{
    int tickedCount = 0;
    qint64 selectedTotal = 0; // bytes of the ticked entries
    QString destinationFolder;
    QString gameFolder;   // no trailing backslash except a drive root; empty when unknown
    QString sourceFolder; // relative to the current directory
};
