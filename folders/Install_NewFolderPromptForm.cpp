#include "Install_NewFolderPromptForm.h"

#include "DialogLook.h"
#include "Guarded.h"
#include "TextFit.h"
#include "ui_Install_NewFolderPromptForm.h"

namespace {

// A translated text takes the room it needs.
void fitTexts(Ui::TNewFolderPromptForm& ui)
{
    constexpr int gap = 3;
    TextFit::widenBefore(ui.Label1, ui.NewFolderNameEdit, gap);
    TextFit::widen(ui.Label2, ui.CurFolderEdit->geometry().right());
    const int pitch = ui.CancelButton->x() - ui.OkButton->x();
    for (QPushButton* button : {ui.OkButton, ui.CancelButton})
        TextFit::fitButton(button, pitch - 2 * gap, button->height());
}

} // namespace

TNewFolderPromptForm::TNewFolderPromptForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::TNewFolderPromptForm>())
{
    ui->setupUi(this);
    setFixedSize(size());
    fitTexts(*ui);
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
