#pragma once

#include <QString>

class DuplicatePrompt;
class FolderDialog;
class IntroLauncher;

// The windows the main window opens modally, given to it when it is made and reached through
// interfaces so that tests answer them without a window. A missing one is skipped.
struct MainFormServices
{
    IntroLauncher* intro = nullptr;
    DuplicatePrompt* duplicatePrompt = nullptr; // without one, existing files are skipped
    FolderDialog* folderDialog = nullptr;       // without one, no folder choice is offered
    QString runRecords = QString(); // where runs are recorded for undoing; empty records nothing
};
