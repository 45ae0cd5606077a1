#pragma once

#include <QString>

// The state of the whole program. The main window owns the one instance; the catalogue, the run
// and the game-folder choice read and write it.
struct ProgramState
{
    int tickedCount = 0;
    qint64 selectedTotal = 0; // bytes of the ticked entries
    qint64 copiedTotal = 0;   // bytes written in the current run
    QString destinationFolder;
    QString gameFolder;   // no trailing backslash except a drive root; empty when unknown
    QString sourceFolder; // relative to the current directory
    bool continueRun = true;
    bool skipAll = false;
    bool overwriteAll = false;
};
