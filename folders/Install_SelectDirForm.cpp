#include "Install_SelectDirForm.h"

#include "Artwork.h"
#include "DialogLook.h"
#include "DirTree.h"
#include "Guarded.h"
#include "Install_NewFolderPromptForm.h"
#include "WinPath.h"
#include "ui_Install_SelectDirForm.h"

TSelectDirForm::TSelectDirForm(QWidget* owner, TNewFolderPromptForm& newFolderPrompt)
    : QDialog(owner, DialogLook::dialogFlags | Qt::WindowContextHelpButtonHint),
      ui(std::make_unique<Ui::TSelectDirForm>()), m_newFolderPrompt(newFolderPrompt)
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowIcon(Artwork::icon(QStringLiteral(":/images/hand.png")));
    DialogLook::markReadOnly(ui->DirEdit);
    DialogLook::centreOnScreen(this);
    // The prompt serves every opening of the dialog, each a new window.
    DialogLook::keepOver(&m_newFolderPrompt, this);

    connect(ui->DirectoryTree, &TDirectoryTree::changed, this,
            guarded(this, &TSelectDirForm::DirectoryTreeChange));
    connect(ui->NewDirButton, &QPushButton::clicked, this,
            guarded(this, &TSelectDirForm::NewDirButtonClick));
    connect(ui->OkButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(ui->CancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
}

TSelectDirForm::~TSelectDirForm() = default;

TDirectoryTree* TSelectDirForm::directoryTree() const
{
    return ui->DirectoryTree;
}

QString TSelectDirForm::chosenFolder() const
{
    return ui->DirEdit->text();
}

void TSelectDirForm::DirectoryTreeChange()
{
    runQuietly([this] {
        const QString directory = ui->DirectoryTree->directory();
        ui->DirEdit->setText(directory);
        // A drive root or a folder on a drive; My Computer's display name is no folder.
        const bool isFolder = WinPath::startsWithDrive(directory);
        ui->OkButton->setEnabled(isFolder);
        ui->NewDirButton->setEnabled(isFolder);
    });
}

void TSelectDirForm::NewDirButtonClick()
{
    runQuietly([this] {
        const auto name = m_newFolderPrompt.ask(ui->DirectoryTree->directory());
        if (name)
            ui->DirectoryTree->CreateFolder(*name);
    });
}
