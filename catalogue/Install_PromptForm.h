#pragma once

#include "DuplicatePrompt.h"

#include <QDialog>
#include <memory>

namespace Ui {
class TPromptForm;
}

// "Scenario file named ... already exists": shown modally for each file the run would replace.
// Its buttons close it with DuplicateAnswer's numbers; the close box gives 2; Esc does nothing.
class TPromptForm : public QDialog, public DuplicatePrompt
{
    Q_OBJECT

public:
    explicit TPromptForm(QWidget* parent = nullptr);
    ~TPromptForm() override;

    int ask(const QString& destinationPath) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormActivate();

    std::unique_ptr<Ui::TPromptForm> ui;
};
