#pragma once

#include "Errors.h"
#include "FolderDialog.h"

#include <QStringList>
#include <deque>

// The user at the folder dialog: each opening takes the next answer (none left: Cancel). A
// dialog that cannot be made (its tree fails to build) throws at every opening.
class ScriptedFolderDialog : public FolderDialog
{
public:
    std::optional<QString> choose(QWidget*, const QString& start) override
    {
        starts << start;
        if (broken)
            throw Exception(QStringLiteral("Invalid data type for 'Desktop'"));
        if (answers.empty())
            return std::nullopt;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> answers;
    QStringList starts;
    bool broken = false;
};
