#include "Install_PromptForm.h"

#include "Artwork.h"
#include "DialogLook.h"
#include "TextFit.h"
#include "ui_Install_PromptForm.h"

#include <QKeyEvent>
#include <QPushButton>

namespace {

// A translated text takes the room it needs.
void fitTexts(Ui::TPromptForm& ui)
{
    const int panelRight = ui.Panel1->width() - ui.Label1->x();
    TextFit::widen(ui.Label1, panelRight);
    TextFit::widen(ui.Label2, panelRight);
    // The buttons stand in a grid of three columns and two rows; each may take its cell.
    constexpr int gap = 6;
    const int columnPitch = ui.Overwrite_Button->x() - ui.Skip_Button->x();
    const int rowPitch = ui.SkipAll_Button->y() - ui.Skip_Button->y();
    for (QPushButton* button : {ui.Skip_Button, ui.SkipAll_Button, ui.Overwrite_Button,
                                ui.OverwriteAll_Button, ui.CancelCopy_Button})
        TextFit::fitButton(button, columnPitch - gap, rowPitch - 1);
}

} // namespace

TPromptForm::TPromptForm(QWidget* parent)
    : QDialog(parent, DialogLook::dialogFlags), ui(std::make_unique<Ui::TPromptForm>())
{
    ui->setupUi(this);
    setFixedSize(size());
    setWindowIcon(Artwork::windowIcon());
    ui->FileName_Label->setTextFormat(Qt::PlainText);
    fitTexts(*ui);

    const std::pair<QPushButton*, DuplicateAnswer> answers[] = {
        {ui->Skip_Button, SkipFile},
        {ui->SkipAll_Button, SkipAll},
        {ui->Overwrite_Button, OverwriteFile},
        {ui->OverwriteAll_Button, OverwriteAll},
        {ui->CancelCopy_Button, CancelInstallation},
    };
    for (const auto& [button, answer] : answers)
        connect(button, &QPushButton::clicked, this, [this, answer = answer] { done(answer); });
}

TPromptForm::~TPromptForm() = default;

int TPromptForm::ask(const QString& destinationPath)
{
    ui->FileName_Label->setText(destinationPath);
    ui->FileName_Label->adjustSize();
    DialogLook::centreOnScreen(this);
    return exec();
}

// Reached only through the close box (Esc is held back below): the standard cancel result.
void TPromptForm::reject()
{
    done(PromptClosed);
}

void TPromptForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TPromptForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept(); // the prompt has no cancel button
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPromptForm::FormActivate()
{
    ui->Skip_Button->setFocus(Qt::ActiveWindowFocusReason);
}
