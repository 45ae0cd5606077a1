#pragma once

#include "AccessibilityPacer.h"
#include "GameFolderChoice.h"
#include "MainFormServices.h"
#include "ProgramState.h"
#include "RunUndo.h"
#include "WorkerRun.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QModelIndex;
class ScenarioListModel;

namespace Ui {
class TMainForm;
}

// How the windows' members are named. The program's design names the controls, their handlers
// and the operations it gives the windows (StartButton, FormCreate, StartButtonClick,
// ChangeScenarioType, ShowStatus, ShowFreeSpace, ShowDescription, SetAllTicks...): those keep the
// design's capitalised names. Every other member, here, in the interfaces the window implements
// and in the classes it calls, has a lower-case name that says what it does, never one of those
// names with a small first letter. So ShowStatus paints the status line at once, while
// setStatusText, which the installation run calls, leaves the paint to the run's next paintNow.

// The installer's main window: the game folder bar, the scenario type, the list of scenario
// files with their description, the selection and free-space figures, the start button and the
// progress of an installation. It owns the program's state; the work is done by the catalogue,
// the folder choice and the extras, which its handlers call.
class TMainForm : public QWidget, private InstallRunUi, private GameFolderHost, private UndoUi
{
    Q_OBJECT

public:
    explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Sets the status line and paints it at once, so that it shows during a long operation.
    void ShowStatus(const QString& text);
    // Rewrites the free-space line for the game folder's drive and paints it at once; throws when
    // the game folder names no drive (the line then keeps its text).
    void ShowFreeSpace();

    // The creation step, which the program runs once the window is made and before it shows it;
    // the intro button runs it again. It plays the intro modally, reads the game folder afresh
    // from the registry (dropping one chosen by hand) and selects the first scenario type.
    void FormCreate();

    const ProgramState& state() const { return m_state; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    // A control's handler, run through runGuarded; during an installation it waits for its end.
    template <class... Args> auto handler(void (TMainForm::*method)(Args...));
    // Carries out call now, or once the installation that goes on has ended.
    void whenNoRunGoesOn(std::function<void()> call);
    // The window icon, the background and the glyphs of the top bar's buttons.
    void showArtwork();
    void setFileListModel(ScenarioListModel* model);
    // A tick of the current row, told to assistive technology as the row's change of state, so
    // that a screen reader says "checked" or "not checked" as the user presses Space.
    void tellCurrentTick(const QModelIndex& first, const QModelIndex& last,
                         const QList<int>& roles);
    // The labels are as wide as their text, so a longer figure is never cut off.
    static void setFittedText(QLabel* label, const QString& text);

    void FormActivate();
    void ChangeScenarioType();
    void FileListViewChange(const QList<int>& rows);
    void FileListViewColumnClick(int column);
    void FileListViewDblClick(const QModelIndex& index);
    void CheckAll_ButtonClick();
    void UncheckAll_ButtonClick();
    void StartButtonClick();
    void SelectDir_SButtonClick();
    void Undo_SButtonClick();
    void About_SButtonClick();
    void Exit_SButtonClick();

    // False, with the description left as it was, when the file's cannot be read.
    bool ShowDescription(const QString& path);
    void SetAllTicks(bool tick);

    // What an installation run shows in this window.
    void setStatusText(const QString& text) override;
    void setFileProgress(int percent) override;
    void setOverallProgress(int percent) override;
    void updateFreeSpace() override;
    int askDuplicate(const QString& destinationPath) override;
    void paintNow() override;

    // The undo button is there for the last recorded run that changed the game folder.
    void enableUndo();
    // The last run recorded into the game folder shown, to be undone; none without one.
    std::optional<RunUndo> lastRunHere() const;
    bool confirm(const RunRecord& record, const QString& summary) override;
    int askChanged(const QString& path) override;

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
    WorkerRun m_run;
    // The run's status line, bars and free-space line, told to assistive technology at a pace it
    // can speak.
    AccessibilityPacer m_runReports;
    // From the start button's click to the run's end, the game-folder check included.
    bool m_installing = false;
    // What was asked of the window during a run, in order, for when the run ends.
    std::vector<std::function<void()>> m_afterRun;
    // Where in the list's viewport the last double click landed.
    QPoint m_listDoubleClickPos;
};
