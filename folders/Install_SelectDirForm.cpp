#include "Install_SelectDirForm.h"

#include "Artwork.h"
#include "DialogLook.h"
#include "DirTree.h"
#include "Guarded.h"
#include "Install_NewFolderPromptForm.h"
#include "TextFit.h"
#include "WinPath.h"
#include "ui_Install_SelectDirForm.h"

namespace {

// A translated text takes the room it needs: the buttons in their column between the tree and the
// window's edge, up to the next button's row.
void fitTexts(Ui::TSelectDirForm& ui, int windowWidth)
{
    constexpr int gap = 4;
    const int pitch = ui.CancelButton->y() - ui.OkButton->y();
    for (QPushButton* button : {ui.OkButton, ui.CancelButton, ui.NewDirButton}) {
        const int centre = button->geometry().center().x();
        const int room = std::min(centre - ui.DirectoryTree->geometry().right() - gap,
                                  windowWidth - gap - centre);
        TextFit::fitButton(button, 2 * room, pitch - gap);
    }
}

} // namespace

TSelectDirForm::TSelectDirForm(QWidget* owner, TNewFolderPromptForm& newFolderPrompt)
    : QDialog(owner, DialogLook::dialogFlags | Qt::WindowContextHelpButtonHint),
      ui(std::make_unique<Ui::TSelectDirForm>()), m_newFolderPrompt(newFolderPrompt)
{
    ui->setupUi(this);
    setFixedSize(size());
    fitTexts(*ui, width());
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
