#pragma once

#include <QString>
#include <functional>

// Where errors that leave an event handler are shown. The application's error box is the real
// one; tests install their own so that no modal box blocks them.
class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual void showError(const QString& message) = 0;
};

// The message box text: a full stop is added when the message is not empty and its last
// character's Windows-1252 code is above that of ".".
QString errorBoxText(const QString& message);

// The reporter used by runGuarded. The program installs its ErrorBox at start; until then, and
// after setErrorReporter(nullptr), errors go to the log.
ErrorReporter& errorReporter();
void setErrorReporter(ErrorReporter* reporter);

// Runs an event handler; an exception that leaves it is shown by the error reporter and goes
// no further, so none crosses Qt's event loop.
void runGuarded(const std::function<void()>& handler);

// Wraps a member-function handler for connect(): the handler runs through runGuarded. A handler
// may take the signal's arguments (a row, a column).
template <class Object, class... Args>
auto guarded(Object* object, void (Object::*handler)(Args...))
{
    return [object, handler](Args... args) {
        runGuarded([&] { (object->*handler)(args...); });
    };
}

// The quiet protected block: its steps run until the first one fails; nothing is reported.
// Returns whether every step ran.
bool runQuietly(const std::function<void()>& steps);
