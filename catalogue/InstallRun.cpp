#include "InstallRun.h"

#include "DuplicatePrompt.h"
#include "Errors.h"
#include "FileSystem.h"
#include "Guarded.h"
#include "RunRecord.h"
#include "WinPath.h"
#include "WinePrefix.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <algorithm>
#include <array>

namespace {

int percent(qint64 part, qint64 whole)
{
    if (whole <= 0)
        return 100; // nothing to copy is all copied
    return static_cast<int>(std::clamp<qint64>(part * 100 / whole, 0, 100));
}

// The file that receives a copy under a hidden name beside the destination (a dot name, not a
// scenario name to any listing); it takes the destination's place only when complete and is
// removed in every other case.
class PendingFile
{
public:
    explicit PendingFile(const WinFolder& folder) : m_folder(folder), m_file(createUnderFreeName())
    {
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    ~PendingFile()
    {
        if (m_placed)
            return;
        try {
            m_file.close();
        } catch (const std::exception&) {
        }
        try {
            m_folder.removeFile(m_name);
        } catch (const std::exception&) {
        }
    }

    qint64 write(const char* data, qint64 count) { return m_file.write(data, count); }
    FileVersion version() const { return m_file.version(); }
    void finish() { m_file.close(); }
    bool isPlaced() const { return m_placed; }

    // False, with the file still pending, when the name was taken while the file was written.
    bool putInFreePlace(const QString& destinationName)
    {
        m_placed = m_folder.renameToFreeName(m_name, destinationName);
        return m_placed;
    }

    // The contents reach the disk before the rename, so that after a crash the destination is
    // the old file or the new one, never an empty one.
    void replace(const QString& destinationName)
    {
        m_folder.openRead(m_name).syncData();
        m_folder.renameFile(m_name, destinationName);
        m_placed = true;
    }

private:
    WinFile createUnderFreeName()
    {
        const QString stem = QStringLiteral(".install-%1-").arg(QCoreApplication::applicationPid());
        for (int attempt = 0;; ++attempt) {
            m_name = stem + QString::number(attempt) + QStringLiteral(".tmp");
            if (std::optional<WinFile> file = m_folder.createNew(m_name))
                return std::move(*file);
        }
    }

    const WinFolder& m_folder;
    QString m_name;
    WinFile m_file;
    bool m_placed = false;
};

void refuseProtected(std::optional<quint32> attributes)
{
    if (attributes && (*attributes & (AttrReadOnly | AttrHidden | AttrSystem | AttrDirectory)) != 0)
        throw EInOutError(Win32Error::AccessDenied);
}

RunPlace placeOf(const InstallPlan& plan)
{
    const auto host = [](const QString& windowsPath) {
        const WinPath::HostPath path = WinPath::toHost(windowsPath);
        return path ? *path : QString();
    };
    return {WinePrefix::path(), plan.gameFolder, host(plan.gameFolder), plan.destinationFolder,
            host(plan.destinationFolder)};
}

} // namespace

InstallRun::InstallRun(InstallRunUi& ui) : m_ui(ui)
{
}

InstallRun::~InstallRun() = default;

void InstallRun::start(InstallPlan plan)
{
    if (m_running)
        return;
    const QScopedValueRollback running(m_running, true);
    m_plan = std::move(plan);
    m_answers = {};
    m_copiedTotal = 0;
    m_filesDone = 0;
    // Painted with the first status, or under the first question: not the last run's end.
    m_ui.setOverallProgress(overallPercent(0, 0));

    // Every type's folder, whichever type is chosen.
    for (const QString& folder : std::as_const(m_plan.typeFolders)) {
        if (!FileSystem::folderExists(folder))
            FileSystem::createFolder(folder);
    }

    m_sincePaint.start();
    // Both folders are found once; each file is then looked up in them by its name alone.
    const WinFolder source(m_plan.sourceFolder);
    const WinFolder destination(m_plan.destinationFolder);
    m_filesPlaced = false;
    if (!m_stateFolder.isEmpty())
        m_recorder = std::make_unique<RunRecorder>(m_stateFolder, placeOf(m_plan));
    const auto recordEnds = qScopeGuard([&] {
        runQuietly([&] {
            if (m_recorder)
                m_recorder->finish();
        });
        m_recorder.reset();
    });
    // New files are not synced one by one, nor the renames of replaced ones: one sync of their
    // file system covers them all, also when an error ends the run.
    auto syncOnError = qScopeGuard([&] { runQuietly([&] { syncPlacedFiles(destination); }); });
    for (qsizetype file = 0; file < m_plan.files.size() && !m_answers.cancelled(); ++file)
        installFile(m_plan.files[file], source, destination);
    syncOnError.dismiss();
    if (m_recorder)
        m_recorder->finish();
    syncPlacedFiles(destination); // before "Ready.", which tells the user the files are safe
    showStatusNow(QCoreApplication::translate("InstallRun", "Ready."));
}

void InstallRun::installFile(const InstallPlan::File& file, const WinFolder& source,
                             const WinFolder& destination)
{
    const QString& entryName = file.name;
    const auto done = qScopeGuard([&] { m_filesDone += file.size; });
    // The name is read from the type's folder and written under itself: a name that is a path
    // would lead out of both folders.
    if (!WinPath::isSingleName(entryName))
        throw EInOutError(Win32Error::InvalidName);
    const QString destinationPath = WinPath::join(m_plan.destinationFolder, entryName);
    const std::optional<quint32> existing = destination.attributes(entryName);
    if (!mayWrite(destinationPath, existing))
        return;
    copyFile(file, source, destination, destinationPath, existing);
    m_ui.updateFreeSpace();
    paint(); // the state at the end of the file, in one paint with the free space
}

bool InstallRun::mayWrite(const QString& destinationPath, std::optional<quint32> existing)
{
    if (!existing || (*existing & AttrDirectory) != 0)
        return true;
    return m_answers.mayReplace([&] { return m_ui.askDuplicate(destinationPath); });
}

void InstallRun::copyFile(const InstallPlan::File& file, const WinFolder& sourceFolder,
                          const WinFolder& destination, const QString& destinationPath,
                          std::optional<quint32> existing)
{
    const QString& name = file.name;
    try {
        WinFile source = sourceFolder.openRead(name);
        // A file that was there may have changed while the prompt asked about it.
        refuseProtected(existing ? destination.attributes(name) : std::nullopt);
        PendingFile target(destination);
        const FileVersion read = source.version();
        // The bars start where this file starts: a file copied between two progress paints must
        // not leave the previous file's 100 on show for the whole run.
        m_ui.setFileProgress(percent(0, read.size));
        m_ui.setOverallProgress(overallPercent(0, file.size));
        showStatusNow(QCoreApplication::translate("InstallRun", "Copying %1 ...").arg(name));

        qint64 done = 0;
        ContentHash hash;
        std::array<char, BlockSize> buffer;
        while (const qint64 got = source.read(buffer.data(), BlockSize)) {
            for (qint64 written = 0; written < got;) {
                const qint64 stored = target.write(buffer.data() + written, got - written);
                if (stored <= 0)
                    throw EInOutError(Win32Error::DiskFull);
                written += stored;
                done += stored;
                m_copiedTotal += stored;
                showProgress(done, read.size, file.size);
            }
            if (m_recorder)
                hash.add(buffer.data(), got);
        }
        // A file cut, grown or rewritten while it was read would arrive as a mix of versions.
        if (done != read.size || source.version() != read)
            throw Exception(
                QCoreApplication::translate("InstallRun", "The file %1 changed as it was read")
                    .arg(WinPath::join(m_plan.sourceFolder, name)));
        const FileVersion wrote = target.version();
        const RecordedFile written{name, wrote.size, wrote.modified, m_recorder ? hash.value() : 0,
                                   QString()};
        target.finish();
        if (existing) {
            replaceKeeping(target, destination, name, written);
        } else if (target.putInFreePlace(name)) {
            if (m_recorder)
                m_recorder->noteAdded(written);
        } else {
            // Another program saved a file of this name during the copy: a duplicate as any other.
            // An entry that gives no attributes (a link leading nowhere) is one too.
            const std::optional<quint32> newcomer = destination.attributes(name);
            if (mayWrite(destinationPath, newcomer.value_or(0))) {
                refuseProtected(newcomer);
                replaceKeeping(target, destination, name, written);
            }
        }
        m_filesPlaced = m_filesPlaced || target.isPlaced();
    } catch (...) {
        m_ui.setOverallProgress(100); // an error in a copy ends the run with the gauge full
        throw;
    }
    // The whole file is there, whatever size it had when the copy began.
    m_ui.setFileProgress(100);
    m_ui.setOverallProgress(overallPercent(file.size, file.size));
}

template <class Pending>
void InstallRun::replaceKeeping(Pending& target, const WinFolder& destination, const QString& name,
                                const RecordedFile& written)
{
    if (m_recorder)
        m_recorder->keepReplaced(destination, name, written);
    target.replace(name);
}

void InstallRun::syncPlacedFiles(const WinFolder& destination)
{
    if (m_filesPlaced)
        destination.syncFileSystem();
    m_filesPlaced = false;
}

void InstallRun::showProgress(qint64 done, qint64 size, qint64 listedSize)
{
    if (m_sincePaint.elapsed() < m_paintInterval)
        return;
    m_ui.setFileProgress(percent(done, size));
    m_ui.setOverallProgress(overallPercent(done, listedSize));
    paint();
}

int InstallRun::overallPercent(qint64 done, qint64 listedSize) const
{
    // A file grown since it was listed counts no more than its listed size.
    return percent(m_filesDone + std::min(done, listedSize), m_plan.total);
}

void InstallRun::showStatusNow(const QString& text)
{
    m_ui.setStatusText(text);
    paint();
}

void InstallRun::paint()
{
    m_ui.paintNow();
    m_sincePaint.restart();
}
