#include "FolderDialog.h"

#include "DirTree.h"
#include "Install_SelectDirForm.h"

SelectDirFolderDialog::SelectDirFolderDialog(TNewFolderPromptForm& newFolderPrompt)
    : m_newFolderPrompt(newFolderPrompt)
{
}

std::optional<QString> SelectDirFolderDialog::choose(QWidget* owner, const QString& start)
{
    TSelectDirForm dialog(owner, m_newFolderPrompt);
    dialog.directoryTree()->setDirectory(start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenFolder();
}
