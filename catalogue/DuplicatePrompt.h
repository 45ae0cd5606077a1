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
