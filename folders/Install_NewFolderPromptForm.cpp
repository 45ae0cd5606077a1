#include "Install_NewFolderPromptForm.h"

#include "DialogLook.h"
#include "Guarded.h"
#include "ui_Install_NewFolderPromptForm.h"

TNewFolderPromptForm::TNewFolderPromptForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TNewFolderPromptForm>())
{
    ui->setupUi(this);
    setFixedSize(size());
    DialogLook::markReadOnly(ui->CurFolderEdit);

    connect(ui->NewFolderNameEdit, &QLineEdit::textChanged, this,
            guarded(this, &TNewFolderPromptForm::NewFolderNameEditChange));
    connect(ui->OkButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(ui->CancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
}

TNewFolderPromptForm::~TNewFolderPromptForm() = default;

std::optional<QString> TNewFolderPromptForm::ask(const QString& currentFolder)
{
    ui->CurFolderEdit->setText(currentFolder);
    ui->NewFolderNameEdit->clear();
    ui->NewFolderNameEdit->setFocus();
    DialogLook::centreOnScreen(this);
    if (exec() != Accepted)
        return std::nullopt;
    return ui->NewFolderNameEdit->text();
}

void TNewFolderPromptForm::NewFolderNameEditChange()
{
    runQuietly([this] { ui->OkButton->setEnabled(!ui->NewFolderNameEdit->text().isEmpty()); });
}
