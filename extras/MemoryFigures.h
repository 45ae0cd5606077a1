#pragma once

#include <QLocale>
#include <QString>
#include <QtGlobal>

// The about box's figures. Total physical memory in kilobytes, rounded to a whole number, the
// digits grouped in threes with the locale's group separator, then " KB": 67,108,864 bytes read
// "65,536 KB". The whole 64-bit total is shown, and no memory at all reads "0 KB".
QString physicalMemoryText(quint64 totalBytes, const QLocale& locale);

// The share of memory in use, "37 %".
QString memoryLoadText(int percent);
