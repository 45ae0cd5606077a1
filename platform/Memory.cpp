#include "Memory.h"

#include <QFile>
#include <QList>

#include <algorithm>
#include <cmath>

namespace {

// A "Name:   1234 kB" line's figure in kB; -1 when the line is absent or damaged.
qint64 kilobytes(const QByteArray& meminfo, const QByteArray& name)
{
    for (const QByteArray& line : meminfo.split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        const QList<QByteArray> fields = line.mid(name.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 figure = fields.value(0).toLongLong(&ok);
        return ok && figure >= 0 ? figure : -1;
    }
    return -1;
}

} // namespace

MemoryStatus memoryStatusFrom(const QByteArray& meminfo)
{
    MemoryStatus status;
    const qint64 total = kilobytes(meminfo, "MemTotal");
    if (total <= 0)
        return status;
    qint64 available = kilobytes(meminfo, "MemAvailable");
    if (available < 0) {
        // Kernels before 3.14 do not say; free memory plus caches is the usual estimate.
        available = std::max<qint64>(0, kilobytes(meminfo, "MemFree")) +
                    std::max<qint64>(0, kilobytes(meminfo, "Buffers")) +
                    std::max<qint64>(0, kilobytes(meminfo, "Cached"));
    }
    available = std::min(available, total);
    status.totalPhysical = quint64(total) * 1024;
    status.memoryLoad = int(std::lround(100.0 - double(available) * 100.0 / double(total)));
    status.memoryLoad = std::clamp(status.memoryLoad, 0, 100);
    return status;
}

MemoryStatus globalMemoryStatus()
{
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // /proc files report size 0: read until the end rather than by size.
    return memoryStatusFrom(file.readAll());
}
