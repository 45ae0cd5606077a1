#include "Install_ChoiceForm.h"
#include "ui_Install_ChoiceForm.h"

#include "DialogLook.h"
#include "TextFit.h"

TChoiceForm::TChoiceForm(QWidget* parent)
    : QDialog(parent, DialogLook::dialogFlags), ui(std::make_unique<Ui::TChoiceForm>())
{
    ui->setupUi(this);
    setFixedSize(size());
    const int pitch = ui->CancelButton->x() - ui->OkButton->x();
    for (QPushButton* button : {ui->OkButton, ui->CancelButton})
        TextFit::fitButton(button, pitch - 6, button->height());
    connect(ui->OkButton, &QPushButton::clicked, this, [this] { done(Accepted); });
    connect(ui->CancelButton, &QPushButton::clicked, this, [this] { done(Rejected); });
    connect(ui->ChoiceList, &QListWidget::itemActivated, this, [this] { done(Accepted); });
}

TChoiceForm::~TChoiceForm() = default;

std::optional<int> TChoiceForm::ask(const QString& prompt, const QStringList& entries)
{
    ui->PromptLabel->setText(prompt);
    TextFit::deepenAbove(ui->PromptLabel, ui->ChoiceList);
    ui->ChoiceList->clear();
    ui->ChoiceList->addItems(entries);
    ui->ChoiceList->setCurrentRow(0);
    ui->ChoiceList->setFocus();
    DialogLook::centreOnScreen(this);
    if (exec() != Accepted || ui->ChoiceList->currentRow() < 0)
        return std::nullopt;
    return ui->ChoiceList->currentRow();
}
