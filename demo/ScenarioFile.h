#pragma once

#include <QByteArray>

// The bytes of a scenario file as the game writes one: version "1.11", header length, header
// version 2, a timestamp, the description's length with its zero, the Windows-1252 description
// at byte 20 and its zero, then raw-deflate data padded so the file is `totalSize` bytes long
// (never shorter than the header).
QByteArray makeScenarioFile(const QByteArray& descriptionCp1252, qint64 totalSize,
                            quint32 seed = 1);
