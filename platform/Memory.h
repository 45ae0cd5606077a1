#pragma once

#include <QtGlobal>

struct MemoryStatus
{
    quint64 totalPhysical = 0; // bytes
    int memoryLoad = 0;        // percent in use, 0 to 100
};

// Read from /proc/meminfo (MemTotal, MemAvailable).
MemoryStatus globalMemoryStatus();
