#pragma once

#include "GameFolderChoice.h"
#include "InstallThread.h"
#include "MainFormServices.h"
#include "ProgramState.h"

#include <QWidget>
#include <memory>

class QLabel;
class QModelIndex;
class ScenarioListModel;

namespace Ui {
class TMainForm;
}

// The installer's main window: the game folder bar, the scenario type, the list of scenario
// files with their description, the selection and free-space figures, the start button and the
// progress of an installation. It owns the program's state; the work is done by the catalogue,
// the folder choice and the extras, which its handlers call.
class TMainForm : public QWidget, private InstallRunUi, private GameFolderHost
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
    // The prompt asked about each file that exists already; made after the main window.
    void setDuplicatePrompt(DuplicatePrompt* prompt) { m_services.duplicatePrompt = prompt; }
    // The folder dialog the game-folder choice opens; made after the main window.
    void setFolderDialog(FolderDialog* dialog);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    // The window icon, the background and the glyphs of the top bar's buttons.
    void showArtwork();
    void setFileListModel(ScenarioListModel* model);
    // The labels are as wide as their text, so a longer figure is never cut off.
    static void setFittedText(QLabel* label, const QString& text);

    void FormCreate();
    void FormActivate();
    void ChangeScenarioType();
    void FileListViewChange(const QList<int>& rows);
    void FileListViewColumnClick(int column);
    void FileListViewDblClick(const QModelIndex& index);
    void CheckAll_ButtonClick();
    void UncheckAll_ButtonClick();
    void StartButtonClick();
    void SelectDir_SButtonClick();
    void About_SButtonClick();
    void Exit_SButtonClick();

    // False, with the description left as it was, when the file's cannot be read.
    bool ShowDescription(const QString& path);
    void SetAllTicks(bool tick);

    // What an installation run shows in this window.
    void showStatus(const QString& text) override;
    void setFileProgress(int percent) override;
    void setOverallProgress(int percent) override;
    void showFreeSpace() override;
    int askDuplicate(const QString& destinationPath) override;
    void checkGameFolder() override;
    void paintNow() override;

    // What the game-folder choice reads and refreshes in this window.
    QString gameFolder() const override { return m_state.gameFolder; }
    void setGameFolder(const QString& folder) override { m_state.gameFolder = folder; }
    void showGameFolder() override;
    void selectTypeFolders() override;
    QWidget* dialogOwner() override { return this; }

    std::unique_ptr<Ui::TMainForm> ui;
    MainFormServices m_services;
    ProgramState m_state;
    GameFolderChooser m_gameFolderChooser;
    ScenarioListModel* m_list;
    InstallThread m_run;
    bool m_closeAfterRun = false;
    // Where in the list's viewport the last double click landed.
    QPoint m_listDoubleClickPos;
};
