#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TSelectDirForm;
}
class TDirectoryTree;
class TNewFolderPromptForm;

// "Select Age of Empires™ folder..": a folder tree, the path of the selected folder, Ok, Cancel
// and New folder. The path is chosen only by selecting a folder in the tree.
class TSelectDirForm : public QDialog
{
    Q_OBJECT

public:
    // Throws when the tree cannot read the shell's texts.
    TSelectDirForm(QWidget* owner, TNewFolderPromptForm& newFolderPrompt);
    ~TSelectDirForm() override;

    TDirectoryTree* directoryTree() const;
    // The folder the dialog returns on Ok.
    QString chosenFolder() const;

private:
    void DirectoryTreeChange();
    void NewDirButtonClick();

    std::unique_ptr<Ui::TSelectDirForm> ui;
    TNewFolderPromptForm& m_newFolderPrompt;
};
