#pragma once

#include <QString>
#include <optional>

class QWidget;
class TNewFolderPromptForm;

// The folder dialog as the game-folder choice sees it; tests put their own answer in its place.
class FolderDialog
{
public:
    virtual ~FolderDialog() = default;
    // Opens a new dialog owned by owner at the folder start; the folder confirmed with Ok (maybe
    // empty), or nullopt when the user cancelled. Throws when the dialog cannot be made.
    virtual std::optional<QString> choose(QWidget* owner, const QString& start) = 0;
};

// The real one: a new TSelectDirForm, and so a new tree, for every opening.
class SelectDirFolderDialog : public FolderDialog
{
public:
    explicit SelectDirFolderDialog(TNewFolderPromptForm& newFolderPrompt);
    std::optional<QString> choose(QWidget* owner, const QString& start) override;

private:
    TNewFolderPromptForm& m_newFolderPrompt;
};
