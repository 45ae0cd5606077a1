#pragma once

#include <QString>

// The answers to "this file already exists": the prompt's own result numbers, and the standard
// cancel result when the prompt is closed with its close box.
enum DuplicateAnswer : int
{
    PromptClosed = 2,
    SkipFile = 11,
    SkipAll = 12,
    OverwriteFile = 13,
    OverwriteAll = 14,
    CancelInstallation = 15
};

// Asks what to do with a file that exists at the destination. The real prompt is a modal
// window; tests answer from a script.
class DuplicatePrompt
{
public:
    virtual ~DuplicatePrompt() = default;
    virtual int ask(const QString& destinationPath) = 0;
};

// What the answers about files that exist already decide for the rest of an installation or an
// undo: "skip all" and "overwrite all" answer every later question, a cancel stops the asking.
class DuplicateAnswers
{
public:
    // Whether the file asked about may be replaced: an earlier answer for all decides, else
    // ask() is called for one of DuplicateAnswer's values.
    template <class Ask> bool mayReplace(Ask&& ask)
    {
        if (m_overwriteAll)
            return true;
        if (m_skipAll || m_cancelled)
            return false;
        switch (ask()) {
        case SkipFile:
            return false;
        case SkipAll:
            m_skipAll = true;
            return false;
        case OverwriteAll:
            m_overwriteAll = true;
            return true;
        case CancelInstallation:
        case PromptClosed:
            m_cancelled = true;
            return false;
        default: // OverwriteFile
            return true;
        }
    }
    bool cancelled() const { return m_cancelled; }

private:
    bool m_skipAll = false;
    bool m_overwriteAll = false;
    bool m_cancelled = false;
};
