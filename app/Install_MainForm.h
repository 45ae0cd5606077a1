#pragma once

#include "MainFormServices.h"
#include "ProgramState.h"

#include <QWidget>
#include <memory>

class QAbstractItemModel;
class QLabel;

namespace Ui {
class TMainForm;
}

// The installer's main window: the game folder bar, the scenario type, the list of scenario
// files with their description, the selection and free-space figures, the start button and the
// progress of an installation. It owns the program's state; the work is done by the catalogue,
// the folder choice and the extras, which its handlers call.
class TMainForm : public QWidget
{
    Q_OBJECT

public:
    explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Sets the status line and paints it at once, so that it shows during a long operation.
    void ShowStatus(const QString& text);
    // Rewrites the free-space line for the game folder's drive; throws when the game folder
    // names no drive (the line then keeps its text).
    void ShowFreeSpace();

    const ProgramState& state() const { return m_state; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void connectHandlers();
    void centreOnScreen();
    void setFileListModel(QAbstractItemModel* model);
    // The labels are as wide as their text, so a longer figure is never cut off.
    static void setFittedText(QLabel* label, const QString& text);

    void FormCreate();
    void FormActivate();
    void ChangeScenarioType();
    void FileListViewChange(int row);
    void FileListViewColumnClick(int column);
    void FileListViewDblClick();
    void CheckAll_ButtonClick();
    void UncheckAll_ButtonClick();
    void StartButtonClick();
    void SelectDir_SButtonClick();
    void About_SButtonClick();
    void Exit_SButtonClick();

    std::unique_ptr<Ui::TMainForm> ui;
    MainFormServices m_services;
    ProgramState m_state;
};
