#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class ScenarioListModel;
struct ProgramState;

// The catalogue's work on the list and the files, without widgets.
namespace ScenarioCatalogue {

// Lists the scenario files of the source folder (the types' file pattern, every attribute) in the order the
// file system gives them. A missing folder gives an empty list. A name holding a character
// Windows does not allow in names (\ : * ? " < > | or a control character) is left out, with a
// line on standard error naming it.
void fillFileList(ScenarioListModel& list, const QString& sourceFolder);

// Takes the count of the ticked entries and their total size from the list.
void countTicked(ProgramState& state, const ScenarioListModel& list);

// "3 ( 12.5 kB )": the count, then the total in kB with one decimal (half away from zero),
// the locale's decimal separator and no grouping.
QString countLine(int count, qint64 totalBytes, const QLocale& locale = QLocale());

// The description stored in a scenario file: the text at byte 20 of its first 2049 bytes, up to
// the first zero byte, as lines. nullopt when the file cannot be opened or is shorter.
std::optional<QString> readDescription(const QString& path);

// Whether a file of this size is long enough to hold a description.
bool canHoldDescription(qint64 size);

} // namespace ScenarioCatalogue
