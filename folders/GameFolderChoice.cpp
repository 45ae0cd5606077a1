#include "GameFolderChoice.h"

#include "FileSystem.h"
#include "FolderDialog.h"
#include "Guarded.h"
#include "NameCase.h"

#include <QWidget>

bool FolderDialogAutoOpen::shouldOpen(bool gameFolderKnown)
{
    const bool echo = m_nextIsEcho;
    m_nextIsEcho = false;
    return !echo && !gameFolderKnown;
}

void FolderDialogAutoOpen::dialogClosed()
{
    m_nextIsEcho = true;
}

void FolderDialogAutoOpen::rearm()
{
    m_nextIsEcho = false;
}

GameFolderChooser::GameFolderChooser(GameFolderHost& host, FolderDialog* dialog)
    : m_host(host), m_dialog(dialog)
{
}

void GameFolderChooser::askForGameFolder()
{
    if (!m_dialog)
        return;
    QWidget* owner = m_host.dialogOwner();
    std::optional<QString> chosen;
    try {
        chosen = m_dialog->choose(owner, m_host.gameFolder());
    } catch (...) {
        // The error goes on to the caller's error box, whose closing activates the owner whether
        // or not the owner was active before.
        m_autoOpen.dialogClosed();
        throw;
    }
    // The activation that the closing hands back to the owner is no return of the user's;
    // when the owner is active already, no such activation comes.
    if (!owner || !owner->isActiveWindow())
        m_autoOpen.dialogClosed();
    if (chosen)
        runQuietly([this, &chosen] { adopt(*chosen); });
}

void GameFolderChooser::adopt(const QString& chosen)
{
    QString folder = chosen;
    if (!folder.isEmpty())
        folder[0] = AsciiCase::upper(folder[0]);
    m_host.setGameFolder(folder);
    if (folder.isEmpty())
        return; // the game-folder line keeps showing the previous folder
    m_host.showGameFolder();
    m_host.selectTypeFolders();
    m_host.updateFreeSpace();
}

void GameFolderChooser::FormActivate()
{
    if (m_autoOpen.shouldOpen(!m_host.gameFolder().isEmpty()))
        askForGameFolder();
}

void GameFolderChooser::introPlayed()
{
    m_autoOpen.rearm();
}

void GameFolderChooser::checkBeforeRun()
{
    // An empty text names no folder, although the platform reads it as the current directory.
    const QString folder = m_host.gameFolder();
    if (folder.isEmpty() || !FileSystem::folderExists(folder))
        askForGameFolder();
}
