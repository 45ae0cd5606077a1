#pragma once

#include <QDialog>
#include <memory>
#include <optional>

namespace Ui {
class TNewFolderPromptForm;
}

// "Create new folder": asks for the name of a folder to make in the current folder. One prompt
// lives for the whole program and is shown again for every use.
class TNewFolderPromptForm : public QDialog
{
    Q_OBJECT

public:
    explicit TNewFolderPromptForm(QWidget* parent = nullptr);
    ~TNewFolderPromptForm() override;

    // Shows the prompt modally for currentFolder, starting with an empty name; the name typed,
    // or nullopt when the user cancelled.
    std::optional<QString> ask(const QString& currentFolder);

private:
    void NewFolderNameEditChange();

    std::unique_ptr<Ui::TNewFolderPromptForm> ui;
};
