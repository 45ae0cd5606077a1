#include "ScenarioCatalogue.h"

#include "Cp1252.h"
#include "FileSystem.h"
#include "ProgramState.h"
#include "ScenarioListModel.h"
#include "ScenarioTypes.h"
#include "WinPath.h"

#include <QCoreApplication>
#include <QDebug>
#include <QRegularExpression>

namespace {
constexpr qint64 descriptionBlockSize = 2049;
constexpr qint64 descriptionOffset = 20;
} // namespace

namespace ScenarioCatalogue {

void fillFileList(ScenarioListModel& list, const QString& sourceFolder)
{
    QList<DirEntry> entries = FileSystem::list(
        WinPath::join(sourceFolder, ScenarioTypes::filePattern()), ListFilter::Everything);
    // A name Windows cannot spell would be a path to a Windows program (..\x.scn leads out of the
    // folder), and the entry listed would not be the file copied.
    entries.removeIf([&sourceFolder](const DirEntry& entry) {
        if (WinPath::isSingleName(entry.name))
            return false;
        qWarning().noquote() << QStringLiteral("korvane-installer: %1/%2: the name holds a "
                                               "character Windows does not allow; left out")
                                    .arg(sourceFolder, entry.name);
        return true;
    });
    list.fill(entries);
}

void countTicked(ProgramState& state, const ScenarioListModel& list)
{
    state.selectedTotal = list.tickedTotal();
    state.tickedCount = list.tickedCount();
}

QString countLine(int count, qint64 totalBytes, const QLocale& locale)
{
    // Tenths of a kB, rounded half away from zero, in whole numbers so that no binary fraction
    // tips a half the wrong way. Totals are never negative.
    const qint64 tenths = (totalBytes * 10 + 512) / 1024;
    const QString kilobytes =
        QString::number(tenths / 10) + locale.decimalPoint() + QString::number(tenths % 10);
    return QCoreApplication::translate("ScenarioCatalogue", "%1 ( %2 kB )")
        .arg(count)
        .arg(kilobytes);
}

std::optional<QString> readDescription(const QString& path)
{
    QByteArray buffer(descriptionBlockSize, '\0');
    try {
        WinFile file = WinFile::openRead(path);
        qint64 filled = 0;
        while (filled < descriptionBlockSize) {
            const qint64 got = file.read(buffer.data() + filled, descriptionBlockSize - filled);
            if (got <= 0)
                return std::nullopt; // shorter than the block: no description
            filled += got;
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    QByteArray text = buffer.mid(descriptionOffset);
    const qsizetype end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r"));
    return Cp1252::decode(text).replace(lineBreak, QStringLiteral("\n"));
}

bool canHoldDescription(qint64 size)
{
    return size >= descriptionBlockSize;
}

} // namespace ScenarioCatalogue
