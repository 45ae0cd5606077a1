#pragma once

#include <QByteArray>
#include <QtGlobal>

struct MemoryStatus
{
    quint64 totalPhysical = 0; // bytes
    int memoryLoad = 0;        // percent in use, 0 to 100
};

// Read from /proc/meminfo (MemTotal, MemAvailable).
MemoryStatus globalMemoryStatus();

// The same from the text of a meminfo file; zeros when MemTotal is missing.
MemoryStatus memoryStatusFrom(const QByteArray& meminfo);
