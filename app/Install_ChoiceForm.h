#pragma once

#include <QDialog>
#include <QStringList>
#include <memory>
#include <optional>

namespace Ui {
class TChoiceForm;
}

// A small list to pick one entry from, for the few start-up questions that have a real choice:
// which of several packs, which of several prefixes holding the game.
class TChoiceForm : public QDialog
{
    Q_OBJECT

public:
    explicit TChoiceForm(QWidget* parent = nullptr);
    ~TChoiceForm() override;

    // Shows the list modally with the first entry selected; the index picked, or nullopt when
    // the user cancelled.
    std::optional<int> ask(const QString& prompt, const QStringList& entries);

private:
    std::unique_ptr<Ui::TChoiceForm> ui;
};
